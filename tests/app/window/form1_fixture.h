#pragma once

#include "app/window/form1.h"
#include "base/random_generator.h"
#include "skin/controls/skin_button.h"
#include "skin/data/data_skin_control.h"
#include "skin/data/skin_data.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdint>

// A shown main window whose errors are recorded instead of shown, and a
// generator that only the test moves.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setApplicationDisplayName(TForm1::Caption());
        form.SetErrorReporter([this](const QString& caption, const QString& message) {
            reportedCaptions << caption;
            reportedMessages << message;
        });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void TearDown() override
    {
        RandomGenerator::ProcessWide() = RandomGenerator();
    }

    // The height of a control definition's face in the loaded skin.
    int SkinHeightOf(const QString& name) const
    {
        const int index = form.bsSkinData1->FindControlIndex(name);
        if (index < 0)
            return -1;
        return form.bsSkinData1->ControlDefinitions()[index]->skinRect.Height();
    }

    static void Click(QWidget* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    // Clicks "打乱文章顺序" and waits for the shuffle, which runs off the
    // user-interface thread, to put its result in place.
    void ClickShuffle()
    {
        Click(form.bsSkinXFormButton2);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form.Shuffling(); }, 10000)) << "the shuffle never ended";
    }

    // The first state from which three draws with range 2 give 1, 0, 0.
    static std::uint32_t StateDrawing100()
    {
        for (std::uint32_t state = 0;; ++state) {
            RandomGenerator probe = RandomGenerator::Deterministic(state);
            if (probe.Draw(2) == 1 && probe.Draw(2) == 0 && probe.Draw(2) == 0)
                return state;
        }
    }

    TForm1 form;
    QStringList reportedCaptions;
    QStringList reportedMessages;
};
