#include "fuzz/render_draw_steps.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skins/built_in_skins.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// Every drawing step checks what it drew (device pixels within the face's
// colours, morphs between their two faces, keyed copies pixel for pixel,
// outlines on exactly the edge pixels, shapes covering exactly the black
// mask pixels, captions trimmed to their room, ...) and aborts on a broken
// check. The built-in skins, faces, objects and captions alike, pass them
// for many picks: a fault in the drawing code stops this test.
TEST(RenderDrawSteps, TheBuiltInSkinsPassEveryCheckForManyPicks)
{
    int argc = 1;
    char name[] = "render_draw_steps_test";
    char* argv[] = { name, nullptr };
    const QGuiApplication application(argc, argv);
    for (const QString& skinName : BuiltInSkinNames()) {
        TbsCompressedStoredSkin stored;
        stored.SetCompressedData(BuiltInSkinCompressedData(skinName));
        TbsSkinData skin;
        skin.LoadCompressedStoredSkin(stored);
        ASSERT_FALSE(skin.ControlDefinitions().empty());
        for (std::uint64_t hash = 0; hash < 96; ++hash)
            DrawChosenSteps(skin, hash);
    }
}
