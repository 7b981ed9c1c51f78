#include "skin/hints/skin_hint.h"

#include "skin/data/skin_data.h"
#include "skin/draw/screen_work_area.h"
#include "skin/hints/hint_look.h"
#include "skin/hints/skin_hint_window.h"

#include <QCoreApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QWidget>

#include <algorithm>

namespace {

// The top-left that keeps a window of size inside area, as near to wanted as
// it can be.
QPoint KeptInside(const QPoint& wanted, const QSize& size, const QRect& area)
{
    if (area.isEmpty())
        return wanted;
    const int x = std::max(area.left(), std::min(wanted.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - size.height()));
    return { x, y };
}

} // namespace

TbsSkinHint::TbsSkinHint(QObject* parent)
    : QObject(parent)
{
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &TbsSkinHint::HideHint);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

TbsSkinHint::~TbsSkinHint() = default;

TbsSkinData* TbsSkinHint::SkinData() const
{
    return m_skinData;
}

void TbsSkinHint::SetSkinData(TbsSkinData* skinData)
{
    m_skinData = skinData;
}

void TbsSkinHint::SetActive(bool active)
{
    m_active = active;
    if (!active && m_toolTipWidget)
        HideHint();
}

void TbsSkinHint::SetHidePause(int milliseconds)
{
    m_hidePause = std::max(0, milliseconds);
}

QSize TbsSkinHint::HintSize(const QString& text) const
{
    const HintLook look = LookUpHintLook(m_skinData);
    return CalcHintGeometry(look, HintTextSize(look.font, text)).size;
}

void TbsSkinHint::ActivateHint(const QPoint& globalPos, const QString& text)
{
    if (!m_window)
        m_window = std::make_unique<TbsSkinHintWindow>();
    m_toolTipWidget = nullptr;
    m_hideTimer.stop();
    m_window->SetHint(LookUpHintLook(m_skinData), text);
    m_window->move(KeptInside(globalPos, m_window->size(), WindowWorkArea(QRect(globalPos, m_window->size()))));
    m_window->show();
}

void TbsSkinHint::HideHint()
{
    m_toolTipWidget = nullptr;
    m_hideTimer.stop();
    if (m_window)
        m_window->hide();
}

bool TbsSkinHint::HintVisible() const
{
    return m_window && m_window->isVisible();
}

QString TbsSkinHint::HintText() const
{
    return HintVisible() ? m_window->Text() : QString();
}

bool TbsSkinHint::ShowsToolTipsOf(const QWidget& widget) const
{
    const auto* owner = qobject_cast<const QWidget*>(parent());
    return !owner || widget.window() == owner->window();
}

bool TbsSkinHint::ShowToolTip(QWidget& widget, const QHelpEvent& event)
{
    QWidget* holder = &widget;
    while (holder && holder->toolTip().isEmpty() && !holder->isWindow())
        holder = holder->parentWidget();
    if (!holder || holder->toolTip().isEmpty()) {
        HideHint();
        return false;
    }
    ActivateHint(event.globalPos() + kCursorOffset, holder->toolTip());
    m_toolTipWidget = holder;
    if (m_hidePause > 0)
        m_hideTimer.start(m_hidePause);
    return true;
}

bool TbsSkinHint::EndsToolTip(QObject* watched, const QEvent& event) const
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        return true;
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        return watched == m_toolTipWidget || watched == m_toolTipWidget->window();
    case QEvent::MouseMove:
        return !m_toolTipWidget->rect().contains(m_toolTipWidget->mapFromGlobal(QCursor::pos()));
    default:
        return false;
    }
}

bool TbsSkinHint::eventFilter(QObject* watched, QEvent* event)
{
    if (m_toolTipWidget && EndsToolTip(watched, *event))
        HideHint();
    if (!m_active || event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto& widget = static_cast<QWidget&>(*watched);
    if (!ShowsToolTipsOf(widget))
        return false;
    return ShowToolTip(widget, static_cast<const QHelpEvent&>(*event));
}
