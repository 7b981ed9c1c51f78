#include "app/window/form1.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/std_label.h"
#include "skin/data/skin_data.h"
#include "skins/built_in_skins.h"
#include "tools/preview/preview_source.h"
#include "tools/preview/skin_gallery.h"
#include "tools/preview/skin_preview.h"
#include "tools/skin/skin_tool.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

constexpr int kReloadTimeoutMs = 5000;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A frame picture of the built-in skin's size in one colour, so that every
// pixel the frame takes from it has that colour.
QImage FramePicture(const QSize& size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The built-in light skin unpacked into a folder of its own, shown by a
// preview with its window and gallery on the screen. The program's settings
// go to a folder of the test's, which must stay empty.
class SkinPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        const QString packed = m_dir.filePath(QStringLiteral("light.z"));
        ASSERT_TRUE(WriteAll(packed, BuiltInSkinCompressedData(QStringLiteral("light"))));
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        ASSERT_EQ(RunSkinTool({ QStringLiteral("unpack"), packed, Folder() }, outStream, errStream), 0)
            << err.toStdString();
        m_goodDefinition = ReadAll(Path("skin.ini"));
        m_preview = std::make_unique<SkinPreview>(ResolvePreviewSource(Folder()));
        m_preview->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
        ASSERT_FALSE(m_preview->ErrorShown()) << m_preview->Error().toStdString();
    }

    void TearDown() override
    {
        m_preview.reset();
        EXPECT_TRUE(QDir(m_config.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << "the preview wrote settings";
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
    }

    QString Folder() const { return m_dir.filePath(QStringLiteral("skin")); }
    QString Path(const QString& name) const { return QDir(Folder()).filePath(name); }
    TForm1& Window() const { return m_preview->Window(); }
    QString FramePictureName() const { return Window().bsSkinData1->PictureName(); }
    QSize FramePictureSize() const { return Window().bsSkinData1->Picture().size(); }

    // A pixel of the window's left border, half way down: the frame takes
    // it from the frame picture's left edge.
    QRgb LeftBorderPixel() const
    {
        const QImage shown = Window().grab().toImage();
        return shown.pixel(1, shown.height() / 2) | 0xff000000u;
    }

    // Waits until spy has seen count signals.
    static bool WaitFor(const QSignalSpy& spy, int count)
    {
        return QTest::qWaitFor([&] { return spy.count() >= count; }, kReloadTimeoutMs) && spy.count() == count;
    }

    QTemporaryDir m_config;
    QByteArray m_previousConfig;
    QTemporaryDir m_dir;
    QByteArray m_goodDefinition;
    std::unique_ptr<SkinPreview> m_preview;
};

TEST_F(SkinPreviewTest, APictureSavedInPlaceOrRenamedOverTheOldOneIsShownAndTheWindowKeepsItsState)
{
    TForm1& window = Window();
    window.setGeometry(QRect(window.pos() + QPoint(13, 17), window.size() + QSize(40, 30)));
    window.Memo1->SetText(QStringLiteral("第一句。第二句！"));
    window.bsSkinPageControl1->SetActivePage(window.bsSkinTabSheet2);
    const QRect geometry = window.geometry();
    QSignalSpy reloaded(m_preview.get(), &SkinPreview::Reloaded);
    const QString frame = Path(FramePictureName());

    // Written where it lies.
    ASSERT_TRUE(FramePicture(FramePictureSize(), qRgb(200, 30, 40)).save(frame, "BMP"));
    ASSERT_TRUE(WaitFor(reloaded, 1));
    EXPECT_EQ(window.bsSkinData1->Picture().pixel(0, 0) | 0xff000000u, qRgb(200, 30, 40));
    EXPECT_EQ(LeftBorderPixel(), qRgb(200, 30, 40));

    // Written aside and renamed over it, as many editors save.
    const QString aside = Path(QStringLiteral("frame-saving.bmp"));
    ASSERT_TRUE(FramePicture(FramePictureSize(), qRgb(20, 140, 60)).save(aside, "BMP"));
    ASSERT_EQ(std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(frame).constData()), 0);
    ASSERT_TRUE(WaitFor(reloaded, 2));
    EXPECT_EQ(LeftBorderPixel(), qRgb(20, 140, 60));

    // The file that replaced the old one is followed too.
    ASSERT_TRUE(FramePicture(FramePictureSize(), qRgb(10, 20, 230)).save(frame, "BMP"));
    ASSERT_TRUE(WaitFor(reloaded, 3));
    EXPECT_EQ(LeftBorderPixel(), qRgb(10, 20, 230));

    EXPECT_EQ(window.geometry(), geometry);
    EXPECT_EQ(window.Memo1->Text(), QStringLiteral("第一句。第二句！"));
    EXPECT_EQ(window.bsSkinPageControl1->ActivePage(), window.bsSkinTabSheet2);
    EXPECT_FALSE(m_preview->ErrorShown());
}

TEST_F(SkinPreviewTest, ASaveThatCannotBeUsedKeepsTheLastGoodSkinAndNamesTheFaultUntilAGoodSave)
{
    TForm1& window = Window();
    const QImage goodFrame = window.bsSkinData1->Picture();
    const QImage shownBefore = window.grab().toImage();
    QSignalSpy reloaded(m_preview.get(), &SkinPreview::Reloaded);
    QSignalSpy failed(m_preview.get(), &SkinPreview::ReloadFailed);

    // A new frame picture and, in the same save, a rectangle that cannot be
    // read: none of it is taken.
    ASSERT_TRUE(FramePicture(FramePictureSize(), qRgb(200, 30, 40)).save(Path(FramePictureName()), "BMP"));
    QByteArray broken = m_goodDefinition;
    ASSERT_TRUE(broken.contains("clientrect=4,32,156,96"));
    broken.replace("clientrect=4,32,156,96", "clientrect=4,32,abc");
    ASSERT_TRUE(WriteAll(Path("skin.ini"), broken));
    ASSERT_TRUE(WaitFor(failed, 1));
    EXPECT_EQ(reloaded.count(), 0);
    EXPECT_TRUE(m_preview->ErrorShown());
    const auto* strip = window.findChild<QLabel*>(QStringLiteral("previewErrorStrip"));
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->text().contains(m_preview->Error()));
    EXPECT_FALSE(m_preview->Error().isEmpty());
    EXPECT_EQ(window.bsSkinData1->Picture(), goodFrame);
    EXPECT_EQ(window.bsSkinData1->FormInfo().clientRect.ToQRect(), QRect(QPoint(4, 32), QPoint(155, 95)));
    // The frame is drawn as before.
    const QImage shownAfter = window.grab().toImage();
    for (const QPoint& at : { QPoint(1, shownBefore.height() / 2), QPoint(shownBefore.width() / 2, 5) })
        EXPECT_EQ(shownAfter.pixel(at), shownBefore.pixel(at)) << at.x() << ',' << at.y();

    ASSERT_TRUE(WriteAll(Path("skin.ini"), m_goodDefinition));
    ASSERT_TRUE(WaitFor(reloaded, 1));
    EXPECT_FALSE(m_preview->ErrorShown());
    EXPECT_TRUE(m_preview->Error().isEmpty());
    EXPECT_EQ(LeftBorderPixel(), qRgb(200, 30, 40));
}

TEST_F(SkinPreviewTest, TheGalleryShowsEachDefinitionWithRealControlsInTheirStates)
{
    SkinGallery& gallery = m_preview->Gallery();
    const QList<TbsSkinButton*> buttons = gallery.Content()->findChildren<TbsSkinButton*>();
    const auto count = [&buttons](auto predicate) { return std::count_if(buttons.begin(), buttons.end(), predicate); };
    // The light skin has one button definition.
    EXPECT_EQ(count([](TbsSkinButton* b) { return b->MouseInside() && !b->Down() && b->isEnabled(); }), 1);
    EXPECT_EQ(count([](TbsSkinButton* b) { return b->MouseInside() && b->Down(); }), 1);
    EXPECT_EQ(count([](TbsSkinButton* b) { return !b->isEnabled(); }), 1);
    for (TbsSkinButton* button : buttons)
        EXPECT_TRUE(button->HasSkinDefinition());
    const QList<TbsSkinCheckRadioBox*> boxes = gallery.Content()->findChildren<TbsSkinCheckRadioBox*>();
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [](auto* b) { return b->Checked() && b->Radio(); }));
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [](auto* b) { return !b->Checked() && !b->Radio(); }));

    // One row per definition, headed by its name.
    QStringList headings;
    for (const TbsSkinStdLabel* label : gallery.Content()->findChildren<TbsSkinStdLabel*>())
        headings << label->Caption();
    for (const auto& definition : Window().bsSkinData1->ControlDefinitions())
        EXPECT_TRUE(headings.contains(QStringLiteral("%1 (%2)").arg(definition->IDName(), definition->TypeName())))
            << definition->IDName().toStdString();

    // A definition added by a save gets its row.
    QSignalSpy reloaded(m_preview.get(), &SkinPreview::Reloaded);
    QByteArray added = m_goodDefinition;
    const qsizetype controls = added.indexOf("[SKINCONTROLS]");
    const qsizetype countAt = added.indexOf("count=", controls);
    const qsizetype lineEnd = added.indexOf('\n', countAt) + 1;
    const int definitions = added.mid(countAt + 6, lineEnd - countAt - 6).trimmed().toInt();
    added.replace(countAt, lineEnd - countAt, "count=" + QByteArray::number(definitions + 1) + "\r\n"
        + QByteArray::number(definitions) + "=sparebutton:button\r\n");
    added.append("\r\n[sparebutton]\r\npictureindex=0\r\nskinrect=0,0,20,20\r\n");
    ASSERT_TRUE(WriteAll(Path("skin.ini"), added));
    ASSERT_TRUE(WaitFor(reloaded, 1));
    headings.clear();
    for (const TbsSkinStdLabel* label : gallery.Content()->findChildren<TbsSkinStdLabel*>())
        headings << label->Caption();
    EXPECT_TRUE(headings.contains(QStringLiteral("sparebutton (button)")));
}

} // namespace
