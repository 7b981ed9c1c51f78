#include "skin/controls/align_layout.h"

#include <QEvent>
#include <QWidget>

TAlignLayout::TAlignLayout(QWidget* parent)
    : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TAlignLayout::~TAlignLayout()
{
    for (const Entry& entry : m_entries)
        delete entry.item;
}

void TAlignLayout::AddControl(QWidget* control, TAlign align)
{
    addChildWidget(control);
    control->installEventFilter(this);
    m_entries.push_back({ new QWidgetItem(control), align });
    invalidate();
}

bool TAlignLayout::eventFilter(QObject* watched, QEvent* event)
{
    // A control that sizes itself (to its skin face, say) moves the ones
    // laid after it.
    if (event->type() == QEvent::Resize)
        invalidate();
    return QLayout::eventFilter(watched, event);
}

TAlign TAlignLayout::AlignOf(const QWidget* control) const
{
    for (const Entry& entry : m_entries) {
        if (entry.item->widget() == control)
            return entry.align;
    }
    return TAlign::alNone;
}

void TAlignLayout::addItem(QLayoutItem* item)
{
    m_entries.push_back({ item, TAlign::alNone });
}

int TAlignLayout::count() const
{
    return static_cast<int>(m_entries.size());
}

QLayoutItem* TAlignLayout::itemAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_entries[static_cast<std::size_t>(index)].item;
}

QLayoutItem* TAlignLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_entries[static_cast<std::size_t>(index)].item;
    m_entries.erase(m_entries.begin() + index);
    return item;
}

QSize TAlignLayout::sizeHint() const
{
    // The parent keeps the size it is given; the controls follow it.
    return parentWidget() ? parentWidget()->size() : QSize();
}

QSize TAlignLayout::minimumSize() const
{
    return { 0, 0 };
}

void TAlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    QRect free = rect;
    const auto place = [&](TAlign align) {
        for (const Entry& entry : m_entries) {
            QWidget* control = entry.item->widget();
            if (entry.align != align || !control || control->isHidden())
                continue;
            const int h = control->height();
            const int w = control->width();
            switch (align) {
            case TAlign::alTop:
                control->setGeometry(free.left(), free.top(), free.width(), h);
                free.setTop(free.top() + control->height());
                break;
            case TAlign::alBottom:
                control->setGeometry(free.left(), free.bottom() + 1 - h, free.width(), h);
                free.setBottom(free.bottom() - control->height());
                break;
            case TAlign::alLeft:
                control->setGeometry(free.left(), free.top(), w, free.height());
                free.setLeft(free.left() + control->width());
                break;
            case TAlign::alRight:
                control->setGeometry(free.right() + 1 - w, free.top(), w, free.height());
                free.setRight(free.right() - control->width());
                break;
            case TAlign::alClient:
                control->setGeometry(free);
                break;
            case TAlign::alNone:
                break;
            }
        }
    };
    for (TAlign align : { TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient })
        place(align);
}
