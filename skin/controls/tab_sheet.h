#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class TbsSkinPageControl;

// One page of a TbsSkinPageControl: a container shown in the page area while
// its tab is the active one. It shows WallPaper when it has one, else the
// page background of its control's skin.
class TbsSkinTabSheet : public QWidget {
    Q_OBJECT

public:
    // The sheet becomes the last page of pageControl, hidden until active.
    explicit TbsSkinTabSheet(TbsSkinPageControl* pageControl);
    ~TbsSkinTabSheet() override;

    TbsSkinPageControl* PageControl() const { return m_pageControl; }
    int PageIndex() const;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool visible);

    // Tiled over the page in place of the skin's background when not null.
    const QImage& WallPaper() const { return m_wallPaper; }
    void SetWallPaper(const QImage& wallPaper);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class TbsSkinPageControl;

    TbsSkinPageControl* m_pageControl;
    QString m_caption;
    QImage m_wallPaper;
    // The page background of the last paint.
    QImage m_background;
    bool m_tabVisible { true };
};
