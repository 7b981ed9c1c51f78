#include "fuzz/secondary_form_steps.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skins/built_in_skins.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

// The secondary window's steps check the frame as they go (centred at its
// first show where asked, its opacity after the fade-in, a minimized
// window's caption height and free slot, the same place after each state
// and back, no frame button down after its menu closed) and abort on a
// broken check. The built-in skins pass them for many picks, and every pick
// leaves the program's windows and the active one as they were, which the
// window target's leftover check after each input counts on.
TEST(SecondaryFormSteps, TheBuiltInSkinsPassEveryCheckAndLeaveNoWindowBehind)
{
    int argc = 1;
    char name[] = "secondary_form_steps_test";
    char* argv[] = { name, nullptr };
    const QApplication application(argc, argv);
    for (const QString& skinName : BuiltInSkinNames()) {
        TbsCompressedStoredSkin stored;
        stored.SetCompressedData(BuiltInSkinCompressedData(skinName));
        QWidget mainWindow;
        auto* skin = new TbsSkinData(&mainWindow);
        auto* frame = new TbsSkinForm(&mainWindow);
        frame->SetSkinData(skin);
        skin->SetCompressedStoredSkin(&stored);
        ASSERT_TRUE(frame->Skinned());
        mainWindow.show();
        QApplication::setActiveWindow(&mainWindow);
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (std::uint64_t pick = 0; pick < 48; ++pick) {
            RunSecondaryForm(*skin, pick * 0x9E3779B97F4A7C15u);
            ASSERT_EQ(QApplication::topLevelWidgets(), windows) << "pick " << pick;
            ASSERT_EQ(QApplication::activeWindow(), &mainWindow) << "pick " << pick;
        }
    }
}
