#pragma once

#include <QLayout>
#include <vector>

// How a control sits in its parent: stacked against an edge (top, bottom,
// left, right) keeping its height or width, filling what is left (client), or
// placed by hand (none).
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Lays aligned controls out in their parent the way forms do: first the
// top-aligned ones from the top edge down, then the bottom-aligned ones from the
// bottom edge up, then left and right, each group in the order the controls
// were added; a client-aligned control takes the rest. Hidden controls take no
// room.
class TAlignLayout : public QLayout {
    Q_OBJECT

public:
    explicit TAlignLayout(QWidget* parent);
    ~TAlignLayout() override;

    void AddControl(QWidget* control, TAlign align);
    TAlign AlignOf(const QWidget* control) const;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QLayoutItem* item;
        TAlign align;
    };

    std::vector<Entry> m_entries;
};
