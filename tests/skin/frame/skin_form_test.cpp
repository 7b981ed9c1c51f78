#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "tests/skin/data/test_skin_package.h"

#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A skinned control that records which skin operations reach it, and whether
// its skin was loaded at that moment.
class RecordingControl : public TbsSkinControl {
public:
    using TbsSkinControl::TbsSkinControl;

    void BeforeChangeSkinData() override
    {
        calls.push_back("before");
        TbsSkinControl::BeforeChangeSkinData();
    }
    void ChangeSkinData() override
    {
        calls.push_back(SkinData() && !SkinData()->Empty() ? "change (loaded)" : "change (empty)");
        TbsSkinControl::ChangeSkinData();
    }

    std::vector<std::string> calls;
};

struct SkinnedForm {
    QWidget form;
    TbsSkinForm* controller { new TbsSkinForm(&form) };
    TbsSkinData* skinData { new TbsSkinData(&form) };
    QWidget* strip { new QWidget(&form) };
    RecordingControl* nested { new RecordingControl(strip) };
    RecordingControl* direct { new RecordingControl(&form) };

    SkinnedForm()
    {
        nested->SetSkinData(skinData);
        direct->SetSkinData(skinData);
        nested->SetSkinDataName(QStringLiteral("panel"));
        controller->SetSkinData(skinData);
    }
};

TEST(SkinForm, PassesALoadOnToEveryControlOfItsSkinNestedOnesIncluded)
{
    SkinnedForm window;
    EXPECT_FALSE(window.controller->Skinned());

    std::vector<std::string> emitted;
    QObject::connect(window.controller, &TbsSkinForm::OnBeforeChangeSkinData, [&] { emitted.push_back("before"); });
    QObject::connect(window.controller, &TbsSkinForm::OnChangeSkinData, [&] {
        emitted.push_back(window.controller->ChangingSkin() ? "change while changing" : "change");
    });
    QObject::connect(window.controller, &TbsSkinForm::OnAfterChangeSkinData, [&] { emitted.push_back("after"); });

    const auto stored = StoredSkin(TestDefinition());
    window.skinData->SetCompressedStoredSkin(stored.get());

    const std::vector<std::string> expected { "before", "change (loaded)" };
    EXPECT_EQ(window.nested->calls, expected);
    EXPECT_EQ(window.direct->calls, expected);
    EXPECT_EQ(emitted, (std::vector<std::string> { "before", "change", "after" }));
    EXPECT_TRUE(window.controller->Skinned());
    EXPECT_FALSE(window.controller->ChangingSkin());
    EXPECT_NE(window.nested->SkinIndex(), -1) << "the control found its definition again";
}

TEST(SkinForm, LeavesControlsOfAnotherSkinAlone)
{
    SkinnedForm window;
    TbsSkinData otherSkin;
    auto* stranger = new RecordingControl(&window.form);
    stranger->SetSkinData(&otherSkin);

    const auto stored = StoredSkin(TestDefinition());
    window.skinData->SetCompressedStoredSkin(stored.get());

    EXPECT_TRUE(stranger->calls.empty());
    EXPECT_FALSE(window.direct->calls.empty());
}

TEST(SkinForm, AFailedLoadLeavesTheFormAsItWas)
{
    SkinnedForm window;
    const auto good = StoredSkin(TestDefinition());
    window.skinData->SetCompressedStoredSkin(good.get());
    ASSERT_TRUE(window.controller->Skinned());
    const int skinIndex = window.nested->SkinIndex();
    ASSERT_GE(skinIndex, 0);
    window.nested->calls.clear();

    const auto broken = StoredSkinFromPackageBytes(WithVersion(WriteSkinPackage(TestPackage(TestDefinition())), 4));
    EXPECT_ANY_THROW(window.skinData->SetCompressedStoredSkin(broken.get()));

    EXPECT_TRUE(window.controller->Skinned());
    EXPECT_FALSE(window.controller->ChangingSkin());
    EXPECT_EQ(window.nested->SkinIndex(), skinIndex) << "controls keep the skin in use";
    EXPECT_TRUE(window.nested->calls.empty()) << "nobody heard of a change";
}

} // namespace

TEST(SkinForm, ARestoreByTheWindowSystemIsReportedOnce)
{
    QWidget main;
    auto* mainController = new TbsSkinForm(&main);
    main.show();
    QSignalSpy mainRestored(mainController, &TbsSkinForm::OnRestore);
    // The main form minimizes the application; its task bar entry brings it back.
    mainController->SetSkinWindowState(TbsWindowState::wsMinimized);
    ASSERT_TRUE(main.isMinimized());
    main.showNormal();
    EXPECT_EQ(mainRestored.count(), 1);

    QWidget dialog(nullptr, Qt::Dialog);
    auto* dialogController = new TbsSkinForm(&dialog);
    dialog.show();
    QSignalSpy dialogRestored(dialogController, &TbsSkinForm::OnRestore);
    dialogController->SetSkinWindowState(TbsWindowState::wsMinimized);
    dialog.showMinimized();
    EXPECT_EQ(dialogRestored.count(), 0);
    dialogController->SetSkinWindowState(TbsWindowState::wsNormal);
    EXPECT_FALSE(dialog.isMinimized());
    EXPECT_EQ(dialogRestored.count(), 1);
}
