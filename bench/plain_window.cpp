// Lumeno's main window as a plain Qt Widgets tool would build it: the
// standard widgets in the Fusion style, at the window's geometry, with its
// texts in its fonts, a caption row of a bold label and three tool buttons
// where the skinned frame draws its caption, and an empty widget where the
// advertisement strip sits. Like `lumeno --screenshot FILE`, it saves a
// picture of itself with an alpha channel once it is shown and active, then
// exits. It is the yardstick bench/compare.sh measures the skinned window's
// start against.
//
// Usage: plain-window FILE

#include "app/window/font_substitutes.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <cstdio>

namespace {

// The skinned window's outer size and where its frame puts the client area.
constexpr QSize kOuterSize(753, 564);
constexpr QPoint kClientOrigin(4, 32);
constexpr int kCaptionHeight = 32;

QFont PixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

template <typename Widget> Widget* Place(Widget* widget, const QRect& rect)
{
    widget->setGeometry(rect.translated(kClientOrigin));
    return widget;
}

void AddCaptionRow(QWidget& window)
{
    auto* row = new QWidget(&window);
    row->setGeometry(0, 0, kOuterSize.width(), kCaptionHeight);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 4, 4, 4);
    auto* caption = new QLabel(QStringLiteral("Lumeno文章顺序随机打乱工具 V1.0"), row);
    caption->setFont(PixelFont(QStringLiteral("Arial"), 15, true));
    layout->addWidget(caption, 1);
    for (const QString& glyph : { QStringLiteral("_"), QStringLiteral("□"), QStringLiteral("×") }) {
        auto* button = new QToolButton(row);
        button->setText(glyph);
        button->setAutoRaise(true);
        layout->addWidget(button);
    }
}

void AddToolStrip(QWidget& window)
{
    auto* strip = Place(new QFrame(&window), QRect(0, 0, 745, 73));
    strip->setFrameShape(QFrame::StyledPanel);
    Place(new QPushButton(QStringLiteral("打乱文章顺序"), &window), QRect(48, 8, 121, 25));
    Place(new QPushButton(QStringLiteral("复制新文章"), &window), QRect(184, 8, 121, 25));
    Place(new QPushButton(QStringLiteral("清空"), &window), QRect(320, 8, 121, 25));
    Place(new QCheckBox(QStringLiteral("清除空格"), &window), QRect(453, 10, 76, 25))->setChecked(true);
    Place(new QCheckBox(QStringLiteral("清除换行"), &window), QRect(536, 10, 73, 25));
    const QFont labelFont = PixelFont(QStringLiteral("MS Sans Serif"), 11);
    Place(new QLabel(QStringLiteral("加入关键词"), &window), QRect(47, 44, 70, 13))->setFont(labelFont);
    Place(new QLabel(QStringLiteral("词频"), &window), QRect(333, 45, 28, 13))->setFont(labelFont);
    Place(new QLineEdit(&window), QRect(120, 42, 185, 18));
    auto* slider = Place(new QSlider(Qt::Horizontal, &window), QRect(360, 38, 369, 27));
    slider->setRange(0, 100);
    slider->setValue(3);
    Place(new QFrame(&window), QRect(0, 73, 745, 8));
}

QPlainTextEdit* AddPages(QWidget& window)
{
    Place(new QWidget(&window), QRect(0, 81, 745, 72));
    auto* pages = Place(new QTabWidget(&window), QRect(0, 153, 745, 355));
    auto* article = new QPlainTextEdit;
    pages->addTab(article, QStringLiteral("原始文章内容"));
    pages->addTab(new QPlainTextEdit, QStringLiteral("打乱后的文章"));
    auto* progress = Place(new QProgressBar(&window), QRect(0, 508, 745, 20));
    progress->setTextVisible(false);
    return article;
}

// Saves the window's picture on the turn of the event loop after it becomes
// active, or after a second where the window system keeps it inactive: the
// moment lumeno --screenshot takes its own.
class SaveOnceActive : public QObject {
public:
    SaveOnceActive(QWidget& window, QString path)
        : m_window(window)
        , m_path(std::move(path))
    {
        window.installEventFilter(this);
        QTimer::singleShot(window.isActiveWindow() ? 0 : 1000, this, &SaveOnceActive::Save);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            QTimer::singleShot(0, this, &SaveOnceActive::Save);
        return QObject::eventFilter(watched, event);
    }

private:
    void Save()
    {
        if (m_saved)
            return;
        m_saved = true;
        const bool saved = m_window.grab().toImage().convertToFormat(QImage::Format_ARGB32).save(m_path);
        if (!saved)
            std::fprintf(stderr, "plain-window: cannot write %s\n", qPrintable(m_path));
        QCoreApplication::exit(saved ? 0 : 1);
    }

    QWidget& m_window;
    const QString m_path;
    bool m_saved = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: plain-window FILE\n");
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallFontSubstitutes();
    QApplication::setFont(PixelFont(QStringLiteral("Arial"), 14));

    QWidget window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setFont(PixelFont(QStringLiteral("宋体"), 12));
    window.resize(kOuterSize);
    AddCaptionRow(window);
    AddToolStrip(window);
    QPlainTextEdit* article = AddPages(window);
    article->setFocus();
    window.show();
    window.activateWindow();

    SaveOnceActive saver(window, QString::fromLocal8Bit(argv[1]));
    return QApplication::exec();
}
