#include "skin/frame/frame_caption_object.h"

#include "skin/draw/skin_font.h"
#include "skin/draw/system_colors.h"
#include "skin/data/data_skin_object.h"
#include "skin/data/form_info.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/morph.h"
#include "skin/draw/pixel_effects.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/text_ellipsis.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/frame/frame_object_host.h"
#include "skin/frame/frame_rect.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <algorithm>

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsFrameObjectHost& host, const TbsDataSkinCaption* definition)
    : TbsActiveSkinObject(host, definition)
    , m_definition(*definition)
    , m_faces(FacesOf(*definition))
{
}

TbsSkinCaptionObject::Faces TbsSkinCaptionObject::FacesOf(const TbsDataSkinCaption& definition)
{
    return { FrameRect(definition.textRect), FrameRect(definition.frameRect), FrameRect(definition.activeFrameRect),
        FrameRect(definition.frameTextRect), FrameRect(definition.animateSkinRect) };
}

bool TbsSkinCaptionObject::AnimationPossible() const
{
    return Host.SkinEffectsEnabled() && Host.Skinned() && !m_faces.animation.isEmpty()
        && m_definition.frameCount > 0;
}

QRect TbsSkinCaptionObject::TextRect() const
{
    const QRect& text = m_faces.text;
    QRect rect(text.left(), text.top(), text.width() + (ObjectRect.width() - SkinRect.width()), text.height());
    if (!m_faces.frame.isEmpty()) {
        const QRect& frameText = m_faces.frameText;
        rect.setLeft(rect.left() + frameText.left());
        rect.setTop(rect.top() + frameText.top());
        rect.setRight(rect.right() + frameText.right() + 1 - m_faces.frame.width());
    }
    return rect;
}

void TbsSkinCaptionObject::DrawText(QPainter& painter, const QPoint& origin, bool activeColours) const
{
    const QString caption = Host.WindowTitle();
    if (Host.PaintCaptionText(painter, QRect(origin, ObjectRect.size()), activeColours))
        return;
    if (caption.isEmpty() || m_faces.text.isEmpty())
        return;
    const QRect textRect = TextRect();
    const QFont font = SkinFont(m_definition.fontName, m_definition.fontHeight, m_definition.fontStyle);
    const QFontMetrics metrics(font);
    const QString text = TrimWithEllipsis(metrics, caption, textRect.width());
    const int textWidth = metrics.horizontalAdvance(text);
    const int textHeight = metrics.height();
    int x = textRect.left();
    if (m_definition.alignment == Alignment::taRightJustify)
        x = textRect.left() + textRect.width() - textWidth;
    else if (m_definition.alignment == Alignment::taCenter)
        x = textRect.left() + textRect.width() / 2 - textWidth / 2;
    int y = textRect.top() + textRect.height() / 2 - textHeight / 2;
    x += origin.x();
    y += origin.y();

    const QImage* framePicture = ActivePicture();
    if (!m_faces.frame.isEmpty() && framePicture) {
        const QRect& source = activeColours && !m_faces.activeFrame.isEmpty() ? m_faces.activeFrame : m_faces.frame;
        const QRect& frameText = m_faces.frameText;
        const int offset = Host.FormInfo().buttonsOffset;
        const bool full = m_definition.fullFrame;
        const int width = full ? ObjectRect.width() - 2 * offset : source.width() + textWidth - frameText.width();
        if (width > 0 && width <= ObjectRect.width() + source.width()) {
            QImage frame;
            ComposeSkinImageHorz(frame, *framePicture, source, m_definition.frameLeftOffset,
                m_definition.frameRightOffset, width, false);
            const QPoint at = full ? QPoint(origin.x() + offset, y - frameText.top())
                                   : QPoint(x - frameText.left(), y - frameText.top());
            painter.drawImage(at, frame);
        }
    }

    painter.setFont(font);
    const int baseline = metrics.ascent();
    if (m_definition.light) {
        painter.setPen(SkinColorToQColor(activeColours ? m_definition.activeLightColor : m_definition.lightColor));
        painter.drawText(x - 1, y - 1 + baseline, text);
    }
    if (m_definition.shadow) {
        painter.setPen(SkinColorToQColor(activeColours ? m_definition.activeShadowColor : m_definition.shadowColor));
        painter.drawText(x + 1, y + 1 + baseline, text);
    }
    painter.setPen(SkinColorToQColor(activeColours ? m_definition.activeFontColor : m_definition.fontColor));
    painter.drawText(x, y + baseline, text);
}

QImage TbsSkinCaptionObject::ObjectImage(const QImage& picture, const QRect& source) const
{
    const TbsFormInfo& info = Host.FormInfo();
    const int leftWidth = std::max(0, info.leftTopPoint.x() - SkinRect.left());
    const int rightWidth = std::max(0, SkinRect.right() + 1 - info.rightTopPoint.x());
    const int width = ObjectRect.width();
    if (leftWidth == 0 && rightWidth == 0)
        return StretchedPiece(picture, source, width, source.height());
    QImage image;
    ComposeSkinImageHorz(image, picture, source, leftWidth, rightWidth, width, m_definition.stretchEffect);
    return image;
}

void TbsSkinCaptionObject::Draw(QPainter& painter, bool)
{
    if (!Host.Skinned() || ObjectRect.isEmpty())
        return;
    const bool active = Active;
    const bool morph = MorphingPossible();
    const bool stretch = m_definition.stretchEffect;
    const bool animation = AnimationPossible();
    const QImage* activePicture = ActivePicture();
    const QPoint origin = ObjectRect.topLeft();
    // Faces that take the caption text are enlarged to the device's whole
    // ratio first, so the text is drawn at the device's resolution.
    const int ratio = WholePixelRatio(*painter.device());
    const auto drawWithText = [&](const QImage& face, bool activeColours) {
        QImage image = ScaleByWholePixels(face, ratio);
        QPainter imagePainter(&image);
        DrawText(imagePainter, QPoint(), activeColours);
        imagePainter.end();
        painter.drawImage(origin, image);
    };

    if (animation && activePicture && Frame >= 1 && Frame <= m_definition.frameCount) {
        const QRect& strip = m_faces.animation;
        QRect frame;
        if (SkinRect.height() < strip.height()) {
            const int height = strip.height() / m_definition.frameCount;
            frame = QRect(strip.left(), strip.top() + (Frame - 1) * height, strip.width(), height);
        } else {
            const int width = strip.width() / m_definition.frameCount;
            frame = QRect(strip.left() + (Frame - 1) * width, strip.top(), width, strip.height());
        }
        drawWithText(ObjectImage(*activePicture, frame), !active);
        return;
    }
    const bool autoInactive = Host.FormInfo().autoRenderingInactiveImage;
    if (morph && activePicture && EndMorphPending()) {
        QImage normal = ScaleByWholePixels(ObjectImage(Picture(), SkinRect), ratio);
        {
            QPainter normalPainter(&normal);
            DrawText(normalPainter, QPoint(), false);
        }
        QImage activeImage = ScaleByWholePixels(ObjectImage(*activePicture, ActiveSkinRect), ratio);
        {
            QPainter activePainter(&activeImage);
            DrawText(activePainter, QPoint(), true);
        }
        Morph(normal, activeImage, MorphKf, MorphKind);
        if (autoInactive && !active)
            ApplyInactiveEffect(normal, Host.FormInfo().inactiveEffect);
        painter.drawImage(origin, normal);
        return;
    }
    if (ActiveSkinRect.isEmpty() || !activePicture || (!active && !morph && !stretch && !animation)) {
        DrawText(painter, origin, active);
        return;
    }
    if (active) {
        drawWithText(ObjectImage(*activePicture, ActiveSkinRect), true);
        return;
    }
    QImage normal = ObjectImage(Picture(), SkinRect);
    if (autoInactive)
        ApplyInactiveEffect(normal, Host.FormInfo().inactiveEffect);
    drawWithText(normal, false);
}

void TbsSkinCaptionObject::SetCaptionActive(bool active, bool animate)
{
    Active = active;
    if (!animate) {
        MorphKf = active ? 1 : 0;
        return;
    }
    if (AnimationPossible()) {
        Elapsed = 25;
        Frame = active ? 1 : (m_definition.inactiveAnimation ? m_definition.frameCount : 0);
        Host.StartAnimationTimer();
    }
    if (MorphingPossible())
        Host.StartMorphTimer();
}

bool TbsSkinCaptionObject::StepAnimation()
{
    if (!AnimationPossible())
        return false;
    if (Elapsed < m_definition.animateInterval) {
        Elapsed += 25;
        return true;
    }
    bool stepped = false;
    if (Active && Frame <= m_definition.frameCount) {
        ++Frame;
        stepped = true;
    } else if (!Active && Frame > 0) {
        --Frame;
        stepped = true;
    }
    if (stepped) {
        Repaint();
        Elapsed = 25;
    }
    return stepped;
}

void TbsSkinCaptionObject::MouseEnter()
{
    MouseIn = true;
    Host.ObjectMouseEnter(IDName);
}

void TbsSkinCaptionObject::MouseLeave()
{
    MouseIn = false;
    Host.ObjectMouseLeave(IDName);
}

void TbsSkinCaptionObject::MouseDown(int button, int x, int y)
{
    Host.ObjectMouseDown(IDName, x, y, ObjectRect, button);
}

void TbsSkinCaptionObject::MouseUp(int button, int x, int y)
{
    Host.ObjectMouseUp(IDName, x, y, ObjectRect, button);
}
