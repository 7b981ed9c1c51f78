#pragma once

#include <QImage>
#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

// One entry of a menu that the skinned menu engine shows: a command, a
// separator (caption "-"), a header (a disabled caption framed by dashes) or
// a submenu (an item with children). The engine only reads items; their
// owner builds and frees them.
class TbsMenuItem {
public:
    explicit TbsMenuItem(const QString& caption = {}, std::function<void()> onClick = {});
    TbsMenuItem(const TbsMenuItem&) = delete;
    TbsMenuItem& operator=(const TbsMenuItem&) = delete;

    // Frame menus tell their rows apart by name ("BSF_CLOSE", ...).
    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    // An '&' marks the next letter as the accelerator; "&&" is a plain '&'.
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    const QKeySequence& ShortCut() const { return m_shortCut; }
    void SetShortCut(const QKeySequence& shortCut) { m_shortCut = shortCut; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked) { m_checked = checked; }
    // A checked radio item shows a dot instead of a check mark.
    bool RadioItem() const { return m_radioItem; }
    void SetRadioItem(bool radioItem) { m_radioItem = radioItem; }
    // An index into the image list of the item's menu (its root item), -1 for
    // none; an own Bitmap wins over it.
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index) { m_imageIndex = index; }
    const QImage& Bitmap() const { return m_bitmap; }
    void SetBitmap(const QImage& bitmap) { m_bitmap = bitmap; }
    // The images the items of this menu index; kept on the root item.
    const QList<QImage>& Images() const { return m_images; }
    void SetImages(const QList<QImage>& images) { m_images = images; }

    std::function<void()> OnClick;
    // Draws the row instead of the menu: its caption, short cut, image and
    // arrow, over the row's face, inside textRect; active is the
    // highlighted look. The painter comes with the row's font and text colour.
    std::function<void(QPainter& painter, const QRect& textRect, bool active)> OnDrawItem;

    bool IsSeparator() const { return m_caption == QStringLiteral("-"); }
    bool IsHeader() const;
    // The image this item shows: its bitmap, else its image of the menu's
    // image list; null for none.
    QImage Image() const;
    // The image list of the menu this item belongs to.
    const QList<QImage>& MenuImages() const;

    TbsMenuItem* Parent() const { return m_parent; }
    int Count() const { return static_cast<int>(m_items.size()); }
    TbsMenuItem* Items(int index) const { return m_items.at(static_cast<std::size_t>(index)).get(); }
    int IndexOf(const TbsMenuItem* item) const;
    TbsMenuItem* Find(const QString& name) const;
    // Takes the item over and returns it.
    TbsMenuItem* Insert(int index, std::unique_ptr<TbsMenuItem> item);
    TbsMenuItem* Add(std::unique_ptr<TbsMenuItem> item) { return Insert(Count(), std::move(item)); }
    TbsMenuItem* Add(const QString& caption, std::function<void()> onClick = {});
    TbsMenuItem* AddSeparator() { return Add(QStringLiteral("-")); }
    std::unique_ptr<TbsMenuItem> Take(TbsMenuItem* item);
    void Clear() { m_items.clear(); }

    // Runs the click handler, if any.
    void Click() const;

private:
    QString m_name;
    QString m_caption;
    QKeySequence m_shortCut;
    bool m_enabled { true };
    bool m_visible { true };
    bool m_checked { false };
    bool m_radioItem { false };
    int m_imageIndex { -1 };
    QImage m_bitmap;
    QList<QImage> m_images;
    TbsMenuItem* m_parent { nullptr };
    std::vector<std::unique_ptr<TbsMenuItem>> m_items;
};

// The accelerator letter of a caption, lower-cased; null without one.
QChar MenuItemAccelerator(const QString& caption);
// The short cut as a menu shows it ("Alt+F4"); empty for none.
QString MenuItemShortCutText(const QKeySequence& shortCut);
