#include "skin/data/compressed_skin_list.h"

TbsSkinListItem::TbsSkinListItem(int index)
    : m_name(QStringLiteral("bsSkin%1").arg(index))
{
}

TbsSkinListItem& TbsSkinListItems::Add()
{
    m_items.push_back(std::make_unique<TbsSkinListItem>(Count()));
    return *m_items.back();
}

TbsSkinListItem& TbsSkinListItems::Item(int index)
{
    return *m_items.at(static_cast<size_t>(index));
}

const TbsSkinListItem& TbsSkinListItems::Item(int index) const
{
    return *m_items.at(static_cast<size_t>(index));
}

void TbsSkinListItems::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

TbsCompressedSkinList::TbsCompressedSkinList(QObject* parent)
    : QObject(parent)
{
}
