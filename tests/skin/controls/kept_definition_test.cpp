#include "built_in_skin.h"

#include "skin/controls/skin_button.h"

#include <gtest/gtest.h>

// A control reads the definition it kept at its last lookup; once its skin
// data frees or replaces the definitions, it draws its plain face until it
// is told of the change, and never reads what was freed.
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

    // The control has no skinned form to tell it of the reload.
    LoadBuiltInSkin(skin);
    EXPECT_EQ(button.RenderFace(), fallback) << "the definitions read at the last lookup are gone";
    EXPECT_FALSE(button.HasSkinDefinition());

    button.ChangeSkinData();
    EXPECT_EQ(button.RenderFace(), skinned) << "the next lookup takes the new definitions";

    skin.ClearSkin();
    EXPECT_EQ(button.RenderFace(), fallback);
}
