#pragma once

#include "skin/frame/frame_object.h"

class TbsDataSkinAnimate;

// A frame element that plays a strip of frames side by side in its picture,
// forward while the mouse is over it and back when it leaves; with buttonstyle
// it runs its command like a caption button.
class TbsSkinAnimateObject : public TbsActiveSkinObject {
public:
    TbsSkinAnimateObject(TbsFrameObjectHost& host, const TbsDataSkinAnimate* definition);

    void Draw(QPainter& painter, bool wholeFrame) override;
    void MouseDown(int button, int x, int y) override;
    void MouseUp(int button, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DblClick() override;
    bool EndMorphPending() const override { return false; }
    void ResetState() override;
    bool InButtonRow() const override { return SkinRectInAPicture; }
    TbsStdCommand RowCommand() const override { return Command; }

    // One tick of the 25 ms animation timer; whether the object stepped or is
    // still waiting for its next frame.
    bool StepAnimation();

    TbsStdCommand Command { cmDefault };
    int FrameCount { 1 };
    bool Cycle { false };
    bool ButtonStyle { false };
    int Interval { 50 };
    QRect DownSkinRect;
    QRect RestoreRect;
    QRect RestoreActiveRect;
    QRect RestoreDownRect;
    QRect RestoreInActiveRect;
    int Frame { 1 };
    int Elapsed { 25 };
    bool Forward { true };
    bool Pressed { false };
    bool MenuShown { false };

private:
    bool CommandStateInForce() const;
    void StartOrRepaint();
};
