#pragma once

#include "skin/frame/frame_object.h"

#include <QColor>
#include <QFont>

class TbsDataSkinCaption;

// The caption of a skinned frame: the window title over the frame picture,
// with an optional text frame, light and shadow, a morph between its inactive
// and active images and an activation animation.
class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsFrameObjectHost& host, const TbsDataSkinCaption* definition);

    void Draw(QPainter& painter, bool wholeFrame) override;
    void MouseDown(int button, int x, int y) override;
    void MouseUp(int button, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ResetState() override { }
    bool IsCaption() const override { return true; }

    bool AnimationPossible() const;
    bool StepAnimation();
    // Takes the window's activity; with animate the change is animated.
    void SetCaptionActive(bool active, bool animate);

    int Frame { 0 };
    int Elapsed { 0 };

private:
    // The text rectangle relative to the object's top-left.
    QRect TextRect() const;
    // Draws the caption text with its frame, light and shadow; origin is the
    // object's top-left in painter coordinates. activeColours picks the colour
    // set.
    void DrawText(QPainter& painter, const QPoint& origin, bool activeColours) const;
    QImage ObjectImage(const QImage& picture, const QRect& source) const;

    // The rectangles of the caption's definition, taken with it.
    struct Faces {
        QRect text;
        QRect frame;
        QRect activeFrame;
        QRect frameText;
        QRect animation;
    };
    static Faces FacesOf(const TbsDataSkinCaption& definition);

    const TbsDataSkinCaption& m_definition;
    const Faces m_faces;
};
