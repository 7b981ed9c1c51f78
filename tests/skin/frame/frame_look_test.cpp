#include "skin/data/data_skin_object.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_look.h"
#include "tests/skin/controls/built_in_skin.h"

#include <gtest/gtest.h>

// The frame's look answers geometry questions as values, with no window: the
// expected numbers are worked out here from the skin's own numbers.
namespace {

struct LightFrame {
    LightFrame()
    {
        LoadBuiltInSkin(data);
        skin = data.Skin();
    }

    const TbsDataSkinObject& Object(const char* name) const
    {
        const int index = skin->FindObjectIndex(QString::fromLatin1(name));
        EXPECT_GE(index, 0) << name;
        return *skin->objectDefinitions.at(static_cast<std::size_t>(index));
    }

    // The slot a caption button of the skin fills, as its object would give it.
    TbsFrameObjectSlot Button(const char* name, bool visible = true) const
    {
        const auto& button = dynamic_cast<const TbsDataSkinStdButton&>(Object(name));
        TbsFrameObjectSlot slot;
        slot.place = slot.skinRect = button.skinRect.ToQRect();
        slot.inPicture = slot.inButtonRow = button.skinRectInAPicture;
        slot.visible = visible;
        slot.command = button.command;
        slot.rowSize = button.skinRect.ToQRect().size();
        slot.captionButton = true;
        return slot;
    }

    TbsFrameObjectSlot Caption() const
    {
        TbsFrameObjectSlot slot;
        slot.place = slot.skinRect = Object("caption").skinRect.ToQRect();
        slot.isCaption = true;
        return slot;
    }

    TbsSkinData data;
    TbsSharedSkin skin;
};

TbsFrameState WindowOf(int width, int height)
{
    TbsFrameState state;
    state.size = QSize(width, height);
    return state;
}

} // namespace

TEST(FrameLook, TheLightSkinsMarginsButtonsCaptionAndHitCodesFollowItsNumbers)
{
    const LightFrame light;
    const TbsFrameLook look(light.skin);
    ASSERT_TRUE(look.IsSkinFrame());
    const TbsFormInfo& info = light.skin->formInfo;
    const QSize picture = light.skin->picture.size();

    // The frame is what the picture holds around its client rectangle.
    const TbsFrameState state = WindowOf(400, 300);
    EXPECT_EQ(look.Margins(state),
        QMargins(info.clientRect.left, info.clientRect.top, picture.width() - info.clientRect.right,
            picture.height() - info.clientRect.bottom));
    EXPECT_EQ(look.Margins(state), QMargins(4, 32, 4, 4)) << "the light skin's frame";

    // Without a buttons rectangle the buttons line up from the right end of
    // the caption rectangle, grown with the window, buttonsoffset apart, in
    // the order close, maximize, minimize, roll up; the hidden tray button
    // stays where it was; the system-menu button starts the caption.
    const std::vector<TbsFrameObjectSlot> objectSlots { light.Button("closebutton"), light.Button("maxbutton"),
        light.Button("minbutton"), light.Button("rollupbutton"), light.Button("sysmenubutton"),
        light.Button("traybutton", false), light.Caption() };
    const TbsFrameLayout layout = look.Layout(state, objectSlots);
    ASSERT_EQ(layout.objects.size(), objectSlots.size());
    ASSERT_TRUE(info.buttonsRect.IsEmpty());
    ASSERT_FALSE(info.buttonsInLeft);
    const int dx = state.size.width() - picture.width();
    const int gap = info.buttonsOffset;
    const int top = info.captionRect.top;
    int right = info.captionRect.right + dx;
    for (std::size_t i = 0; i < 4; ++i) {
        const QSize size = objectSlots[i].rowSize;
        const SkinRect place { right - size.width(), top, right, top + size.height() };
        EXPECT_EQ(layout.objects[i], place.ToQRect()) << i;
        right -= size.width() + gap;
    }
    EXPECT_EQ(layout.objects[0], (SkinRect { 364, 5, 394, 27 }.ToQRect())) << "close, at the caption's right end";
    EXPECT_EQ(layout.objects[5], objectSlots[5].place);
    const QSize menuSize = objectSlots[4].rowSize;
    const int menuTop = top + info.captionRect.Height() / 2 - menuSize.height() / 2;
    const SkinRect menuPlace { info.captionRect.left, menuTop, info.captionRect.left + menuSize.width(),
        menuTop + menuSize.height() };
    EXPECT_EQ(layout.objects[4], menuPlace.ToQRect());
    // The caption follows both corner areas and gives way to the buttons.
    const SkinRect& captionFace = light.Object("caption").skinRect;
    const QRect caption = SkinRect { info.captionRect.left + menuSize.width(), captionFace.top, right + gap,
        captionFace.bottom }.ToQRect();
    EXPECT_EQ(layout.objects[6], caption);
    EXPECT_EQ(layout.captions, std::vector<QRect> { caption });

    // The hit codes: corners and edges within the hit-test points, the
    // caption, a button, the client.
    const auto hit = [&](int x, int y, const TbsFrameState& at = WindowOf(400, 300)) {
        return look.HitTest(QPoint(x, y), at, layout, nullptr);
    };
    // A corner code within the hit-test point, an edge code beyond it, both
    // within the border width of the window's edge.
    const QPoint topLeft = info.hitTestLeftTopPoint;
    EXPECT_EQ(hit(topLeft.x(), 1), HTTOPLEFT);
    EXPECT_EQ(hit(topLeft.x() + 1, 1), HTTOP);
    EXPECT_EQ(hit(topLeft.x(), topLeft.y()), HTOBJECT) << "not near an edge: the frame around the caption";
    EXPECT_EQ(hit(398, 1), HTTOPRIGHT);
    EXPECT_EQ(hit(1, 298), HTBOTTOMLEFT);
    EXPECT_EQ(hit(398, 298), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(200, 298), HTBOTTOM);
    EXPECT_EQ(hit(1, 150), HTLEFT);
    EXPECT_EQ(hit(398, 150), HTRIGHT);
    EXPECT_EQ(hit(200, 15), HTCAPTION);
    EXPECT_EQ(hit(380, 15), HTOBJECT) << "the close button";
    EXPECT_EQ(hit(200, 150), HTCLIENT);

    // A maximized window has no sizing edges; a rolled-up one no client.
    TbsFrameState maximized = WindowOf(400, 300);
    maximized.maximized = true;
    EXPECT_EQ(hit(1, 1, maximized), HTOBJECT);
    EXPECT_EQ(hit(200, 15, maximized), HTCAPTION);
    EXPECT_EQ(hit(200, 150, maximized), HTCLIENT);
    TbsFrameState rolledUp = WindowOf(400, 300);
    rolledUp.rolledUp = true;
    EXPECT_EQ(hit(200, 150, rolledUp), HTOBJECT);
}

TEST(FrameLook, WithoutASkinThePlainFrameLinesUpItsButtonsAtTheRight)
{
    const TbsFrameLook look;
    ASSERT_FALSE(look.IsSkinFrame());
    TbsFrameState state = WindowOf(300, 200);
    EXPECT_EQ(look.Margins(state), QMargins(3, 22, 3, 3)) << "a 3-pixel border under a 19-pixel caption";
    state.borderStyle = TFormBorderStyle::bsToolWindow;
    EXPECT_EQ(look.Margins(state), QMargins(3, 18, 3, 3));
    state.borderStyle = TFormBorderStyle::bsNone;
    EXPECT_EQ(look.Margins(state), QMargins());

    state = WindowOf(300, 200);
    std::vector<TbsFrameObjectSlot> objectSlots;
    for (TbsStdCommand command : { cmMinimize, cmClose, cmSysMenu, cmMaximize, cmMinimizeToTray }) {
        TbsFrameObjectSlot slot;
        slot.place = slot.skinRect = SkinRect { 0, 0, 1, 1 }.ToQRect();
        slot.inPicture = slot.inButtonRow = slot.captionButton = true;
        slot.command = command;
        slot.visible = command != cmMinimizeToTray;
        objectSlots.push_back(slot);
    }
    const TbsFrameLayout layout = look.Layout(state, objectSlots);
    // 17-pixel buttons from 3 pixels inside the right edge, 4 below the top.
    EXPECT_EQ(layout.objects[1], (SkinRect { 280, 4, 297, 21 }.ToQRect())) << "close";
    EXPECT_EQ(layout.objects[3], (SkinRect { 263, 4, 280, 21 }.ToQRect())) << "maximize";
    EXPECT_EQ(layout.objects[0], (SkinRect { 246, 4, 263, 21 }.ToQRect())) << "minimize";
    EXPECT_EQ(layout.objects[2], (SkinRect { 3, 4, 20, 21 }.ToQRect())) << "system menu";
    EXPECT_EQ(layout.objects[4], (SkinRect { 0, 0, 1, 1 }.ToQRect())) << "the hidden tray button stays";
    EXPECT_EQ(layout.captions, (std::vector<QRect> { SkinRect { 20, 3, 246, 19 }.ToQRect() }));

    EXPECT_EQ(look.HitTest(QPoint(150, 10), state, layout, nullptr), HTCAPTION);
    EXPECT_EQ(look.HitTest(QPoint(0, 0), state, layout, nullptr), HTTOPLEFT);
    EXPECT_EQ(look.HitTest(QPoint(290, 10), state, layout, nullptr), HTOBJECT);
    EXPECT_EQ(look.HitTest(QPoint(150, 100), state, layout, nullptr), HTCLIENT);
}
