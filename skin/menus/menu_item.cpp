#include "skin/menus/menu_item.h"

#include <algorithm>

TbsMenuItem::TbsMenuItem(const QString& caption, std::function<void()> onClick)
    : OnClick(std::move(onClick))
    , m_caption(caption)
{
}

bool TbsMenuItem::IsHeader() const
{
    return !m_enabled && m_caption.size() > 1 && m_caption.startsWith(u'-') && m_caption.endsWith(u'-');
}

QImage TbsMenuItem::Image() const
{
    if (!m_bitmap.isNull())
        return m_bitmap;
    const QList<QImage>& images = MenuImages();
    if (m_imageIndex >= 0 && m_imageIndex < images.size())
        return images[m_imageIndex];
    return {};
}

const QList<QImage>& TbsMenuItem::MenuImages() const
{
    const TbsMenuItem* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root->m_images;
}

int TbsMenuItem::IndexOf(const TbsMenuItem* item) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
        [item](const std::unique_ptr<TbsMenuItem>& child) { return child.get() == item; });
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

TbsMenuItem* TbsMenuItem::Find(const QString& name) const
{
    for (const auto& child : m_items) {
        if (child->m_name == name)
            return child.get();
    }
    return nullptr;
}

TbsMenuItem* TbsMenuItem::Insert(int index, std::unique_ptr<TbsMenuItem> item)
{
    item->m_parent = this;
    const auto position = m_items.begin() + std::clamp(index, 0, Count());
    return m_items.insert(position, std::move(item))->get();
}

TbsMenuItem* TbsMenuItem::Add(const QString& caption, std::function<void()> onClick)
{
    return Add(std::make_unique<TbsMenuItem>(caption, std::move(onClick)));
}

std::unique_ptr<TbsMenuItem> TbsMenuItem::Take(TbsMenuItem* item)
{
    const int index = IndexOf(item);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TbsMenuItem> taken = std::move(m_items[static_cast<std::size_t>(index)]);
    m_items.erase(m_items.begin() + index);
    taken->m_parent = nullptr;
    return taken;
}

void TbsMenuItem::Click() const
{
    if (OnClick)
        OnClick();
}

QChar MenuItemAccelerator(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

QString MenuItemShortCutText(const QKeySequence& shortCut)
{
    return shortCut.toString(QKeySequence::PortableText);
}
