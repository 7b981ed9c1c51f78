#include "skin/hints/skin_hint_window.h"

#include "skin/data/skin_messages.h"
#include "skin/draw/area_reduction.h"
#include "skin/draw/whole_pixel_scaling.h"

#include <QPaintEvent>
#include <QPainter>

TbsSkinHintWindow::TbsSkinHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("TbsSkinHintWindow"));
}

void TbsSkinHintWindow::SetHint(const HintLook& look, const QString& text)
{
    m_text = text;
    const HintGeometry geometry = CalcHintGeometry(look, HintTextSize(look.font, text));
    // At the screen's whole pixel ratio: the art doubled, the text at device resolution.
    m_face = RenderHintFace(look, geometry, text, WholePixelRatio(devicePixelRatio()));
    resize(geometry.size);
    if (const std::optional<QRegion> region = HintRegion(look, geometry)) {
        setMask(*region);
        // A reduction to a fractional ratio blends only colours of the shape.
        if (IsFractionalRatio(devicePixelRatio()))
            SpreadInsideShape(m_face, *region);
    } else {
        clearMask();
    }
    update();
}

bool TbsSkinHintWindow::event(QEvent* event)
{
    // A hint drawn from the old skin would linger until the next one; the
    // next hint looks the new skin up.
    if (event->type() == WM_SKINDATA_BEFORE_CHANGE) {
        hide();
        return true;
    }
    return QWidget::event(event);
}

void TbsSkinHintWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    DrawFaceOnDevice(painter, QPoint(), m_face, event->region());
}
