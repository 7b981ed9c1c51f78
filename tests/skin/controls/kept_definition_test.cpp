#include "built_in_skin.h"

#include "skin/controls/skin_button.h"

#include <gtest/gtest.h>
#include <memory>

// A control hears of every skin change straight from its skin data and keeps
// the skin its definition came from: it never draws from definitions that
// were freed, and never from a skin its data has moved away from.
TEST(KeptDefinition, AControlNeverDrawsFromDefinitionsItsSkinDataHasReplaced)
{
    TbsSkinData skin;
    LoadBuiltInSkin(skin);
    TbsSkinButton button;
    button.resize(80, 24);
    button.SetSkinData(&skin);
    ASSERT_TRUE(button.HasSkinDefinition());
    TbsSkinButton plain;
    plain.resize(button.size());
    const QImage fallback = plain.RenderFace();
    const QImage skinned = button.RenderFace();
    ASSERT_NE(skinned, fallback);

    // The control has no skinned form; the reload reaches it all the same,
    // and the skin it held goes once it has taken the new one.
    const std::weak_ptr<const TbsLoadedSkin> first = skin.Skin();
    ASSERT_EQ(button.KeptSkin(), skin.Skin());
    LoadBuiltInSkin(skin);
    EXPECT_TRUE(first.expired()) << "nobody holds the skin that was replaced";
    EXPECT_EQ(button.KeptSkin(), skin.Skin());
    EXPECT_TRUE(button.HasSkinDefinition());
    EXPECT_EQ(button.RenderFace(), skinned) << "the new definitions draw the same face";

    skin.ClearSkin();
    EXPECT_FALSE(button.HasSkinDefinition());
    EXPECT_EQ(button.RenderFace(), fallback);
}

// What a control took from a skin stays valid while the control holds it,
// whatever happens to the component it came from.
TEST(KeptDefinition, AControlOutlivingItsSkinDataDrawsItsPlainFace)
{
    auto skin = std::make_unique<TbsSkinData>();
    LoadBuiltInSkin(*skin);
    TbsSkinButton button;
    button.resize(80, 24);
    button.SetSkinData(skin.get());
    ASSERT_TRUE(button.HasSkinDefinition());
    TbsSkinButton plain;
    plain.resize(button.size());

    // Only the control's own signal tells it: another data's load does not.
    TbsSkinData other;
    LoadBuiltInSkin(other);
    EXPECT_EQ(button.KeptSkin(), skin->Skin());

    skin.reset();
    EXPECT_EQ(button.SkinData(), nullptr);
    EXPECT_FALSE(button.HasSkinDefinition());
    EXPECT_EQ(button.KeptSkin(), nullptr);
    EXPECT_EQ(button.RenderFace(), plain.RenderFace());
}
