#include "app/browser/web_browser.h"
#include "app/window/form1.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_xform_button.h"
#include "tests/support/loopback_http_server.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <algorithm>
#include <optional>

namespace {

constexpr char kAdPath[] = "/softad/vuruvi.html";
constexpr int kLoadTimeoutMs = 30000;

// A page taller and wider than the pane, with a margin and a border that the
// adjustments must take away, and a blue block at the start of its content.
const QByteArray kAdPage = R"HTML(<!DOCTYPE html>
<html><head><style>body { margin: 30px; border: 5px solid red; }</style></head>
<body scroll="yes"><div id="first" style="width: 2000px; height: 400px; background: rgb(0, 0, 255)">ad</div></body></html>)HTML";

// The main window on the loopback server's host, its errors recorded and its
// pane's completed documents counted.
class AdPaneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // No GPU on test machines; the program itself takes care of running as root.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        QApplication::setApplicationDisplayName(TForm1::Caption());
    }

    void Open()
    {
        form.emplace(nullptr, server.Host());
        form->SetErrorReporter([this](const QString& caption, const QString& message) {
            reportedCaptions << caption;
            reportedMessages << message;
        });
        QObject::connect(form->WebBrowser1, &TWebBrowser::OnDocumentComplete, [this](const QUrl& address) { completed << address.path(); });
        // The window is shown before the browser exists: its first paint does
        // not wait for the engine.
        form->show();
        ASSERT_EQ(form->WebBrowser1->View(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*form));
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->WebBrowser1->View() != nullptr; }, kLoadTimeoutMs)) << "the browser was not loaded";
    }

    QWebEnginePage* Page() const { return qobject_cast<QWebEngineView*>(form->WebBrowser1->View())->page(); }

    // Runs script in the page's own world and returns its result.
    QVariant Evaluate(const QString& script)
    {
        std::optional<QVariant> result;
        Page()->runJavaScript(script, [&result](const QVariant& value) { result = value; });
        if (!QTest::qWaitFor([&result] { return result.has_value(); }, kLoadTimeoutMs))
            return QVariant();
        return *result;
    }

    // How the loaded page sits in the pane.
    QJsonObject Layout()
    {
        const QVariant json = Evaluate(QStringLiteral(R"JS(JSON.stringify({
            left: document.getElementById('first').getBoundingClientRect().left,
            top: document.getElementById('first').getBoundingClientRect().top,
            scrollBarWidth: window.innerWidth - document.documentElement.clientWidth,
            scrollBarHeight: window.innerHeight - document.documentElement.clientHeight,
            border: getComputedStyle(document.body).borderLeftWidth,
        }))JS"));
        return QJsonDocument::fromJson(json.toString().toUtf8()).object();
    }

    bool WaitForCompletions(qsizetype count) { return QTest::qWaitFor([&] { return completed.size() >= count; }, kLoadTimeoutMs); }

    // Waits until the adjustments show on the page: nothing between the pane's
    // edge and the content.
    bool WaitUntilFlush()
    {
        return QTest::qWaitFor([this] { return Layout().value(QStringLiteral("left")).toDouble(-1) == 0; }, kLoadTimeoutMs);
    }

    LoopbackHttpServer server;
    std::optional<TForm1> form;
    QStringList completed;
    QStringList reportedCaptions;
    QStringList reportedMessages;
};

} // namespace

TEST_F(AdPaneTest, TheLoadedPageSitsFlushInThePaneWithoutScrollBarsOrBorder)
{
    server.Serve(QString::fromLatin1(kAdPath), LoopbackHttpServer::Html(kAdPage));
    Open();
    ASSERT_TRUE(WaitForCompletions(1));
    EXPECT_EQ(completed.first(), QString::fromLatin1(kAdPath));
    EXPECT_EQ(form->WebBrowser1->View()->geometry(), form->WebBrowser1->rect());
    EXPECT_EQ(form->WebBrowser1->size(), QSize(745, 72));

    ASSERT_TRUE(WaitUntilFlush());
    const QJsonObject layout = Layout();
    EXPECT_EQ(layout.value(QStringLiteral("top")).toDouble(-1), 0);
    EXPECT_EQ(layout.value(QStringLiteral("scrollBarWidth")).toDouble(-1), 0) << "a vertical scroll bar is left";
    EXPECT_EQ(layout.value(QStringLiteral("scrollBarHeight")).toDouble(-1), 0) << "a horizontal scroll bar is left";
    EXPECT_EQ(layout.value(QStringLiteral("border")).toString(), QStringLiteral("0px"));
    EXPECT_EQ(Evaluate(QStringLiteral("document.body.getAttribute('scroll')")).toString(), QStringLiteral("no"));
    EXPECT_TRUE(reportedMessages.isEmpty()) << reportedMessages.join(QLatin1Char('\n')).toStdString();

    // On the screen: the page's blue content reaches every corner of the pane,
    // with no margin, border or scroll bar left in between.
    const QRgb blue = qRgb(0, 0, 255);
    const auto paneImage = [this] { return form->WebBrowser1->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return paneImage().pixel(0, 0) == blue; }, kLoadTimeoutMs));
    const QImage pane = paneImage();
    for (const QPoint corner : { QPoint(0, 0), QPoint(744, 0), QPoint(0, 71), QPoint(744, 71) })
        EXPECT_EQ(QColor(pane.pixel(corner)), QColor(blue)) << "at " << corner.x() << ", " << corner.y();

    // The view follows the pane when the window's width changes (wider: the
    // window is already as narrow as its tool strip lets it be, and the
    // offscreen screen is 800 pixels wide).
    form->resize(form->width() + 40, form->height());
    EXPECT_EQ(form->WebBrowser1->width(), 785);
    EXPECT_EQ(form->WebBrowser1->View()->geometry(), QRect(0, 0, 785, 72));
}

TEST_F(AdPaneTest, EveryFrameAndEveryNavigationRunsTheAdjustmentsAgain)
{
    server.Serve(QString::fromLatin1(kAdPath), LoopbackHttpServer::Html(
        "<html><body style='margin: 20px'><div id='first'>ad</div>"
        "<iframe src='/frame1.html'></iframe><iframe src='/frame2.html'></iframe></body></html>"));
    server.Serve(QStringLiteral("/frame1.html"), LoopbackHttpServer::Html("<html><body>one</body></html>"));
    server.Serve(QStringLiteral("/frame2.html"), LoopbackHttpServer::Html("<html><body>two</body></html>"));
    server.Serve(QStringLiteral("/next.html"), LoopbackHttpServer::Html(kAdPage));
    Open();

    ASSERT_TRUE(WaitForCompletions(3)) << completed.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(completed.contains(QStringLiteral("/frame1.html")));
    EXPECT_TRUE(completed.contains(QStringLiteral("/frame2.html")));
    EXPECT_TRUE(completed.contains(QString::fromLatin1(kAdPath)));
    ASSERT_TRUE(WaitUntilFlush());

    // The page navigates on its own: the new document is adjusted as well.
    const qsizetype before = completed.size();
    Evaluate(QStringLiteral("location.href = '/next.html'"));
    ASSERT_TRUE(WaitForCompletions(before + 1));
    EXPECT_EQ(completed.last(), QStringLiteral("/next.html"));
    ASSERT_TRUE(WaitUntilFlush());
    EXPECT_EQ(Layout().value(QStringLiteral("scrollBarWidth")).toDouble(-1), 0);
    EXPECT_TRUE(reportedMessages.isEmpty()) << reportedMessages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AdPaneTest, ADocumentWithoutBodyEndsTheAdjustmentsWithTheAutomationError)
{
    // An SVG document is not HTML: it has no body. (A bare XML document gets
    // the engine's HTML tree view, which has one.)
    server.Serve(QString::fromLatin1(kAdPath), LoopbackHttpServer::Of("image/svg+xml",
        "<svg xmlns='http://www.w3.org/2000/svg' width='745' height='72'><rect width='745' height='72' fill='blue'/></svg>"));
    Open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !reportedMessages.isEmpty(); }, kLoadTimeoutMs));
    EXPECT_EQ(reportedMessages, QStringList { QStringLiteral("Method 'body' not supported by automation object.") });
    EXPECT_EQ(reportedCaptions, QStringList { TForm1::Caption() });
}

TEST_F(AdPaneTest, ABrokenOrHostilePageLeavesTheWindowWorkingAndTheArticleUntouched)
{
    using Behaviour = LoopbackHttpServer::Behaviour;
    server.Serve(QString::fromLatin1(kAdPath), LoopbackHttpServer::Html(kAdPage));
    server.Serve(QStringLiteral("/never"), LoopbackHttpServer::Of("text/html", QByteArray(4096, 'a'), Behaviour::NeverFinish));
    server.Serve(QStringLiteral("/hang"), LoopbackHttpServer::Of("text/html", QByteArray(), Behaviour::Hang));
    server.Serve(QStringLiteral("/closed"), LoopbackHttpServer::Of("text/html", QByteArray(), Behaviour::Close));
    server.Serve(QStringLiteral("/loop"), LoopbackHttpServer::RedirectTo("/loop"));
    server.Serve(QStringLiteral("/binary"), LoopbackHttpServer::Of("application/octet-stream", QByteArray(100000, '\0')));
    server.Serve(QStringLiteral("/huge"), LoopbackHttpServer::Html("<html><body><div id='first' style='display: none'>"
        + QByteArray(50 * 1024 * 1024, 'x') + "</div></body></html>"));
    server.Serve(QStringLiteral("/restless"), LoopbackHttpServer::Html("<html><head><meta http-equiv='refresh' content='1'></head><body>again</body></html>"));
    Open();
    ASSERT_TRUE(WaitForCompletions(1));

    const QString article = QStringLiteral("第一句，第二句。第三句！");
    form->Memo1->SetText(article);
    for (const char* path : { "/never", "/hang", "/closed", "/loop", "/binary", "/huge", "/restless" }) {
        SCOPED_TRACE(path);
        form->WebBrowser1->Navigate(QUrl(QStringLiteral("http://%1%2").arg(server.Host(), QString::fromLatin1(path))));
        // Give the page time to misbehave, then use the window.
        QTest::qWait(1500);
        form->Memo2->Clear();
        QTest::mouseClick(form->bsSkinXFormButton2, Qt::LeftButton, {}, form->bsSkinXFormButton2->rect().center());
        // The shuffle runs off the user-interface thread.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->Shuffling(); }, 10000));
        EXPECT_EQ(form->Memo1->Text(), article);
        const QString shuffled = form->Memo2->Text();
        for (const char* sentence : { "第一句", "第二句", "第三句" })
            EXPECT_TRUE(shuffled.contains(QString::fromUtf8(sentence))) << shuffled.toStdString();
    }
    EXPECT_TRUE(reportedMessages.isEmpty()) << reportedMessages.join(QLatin1Char('\n')).toStdString();
    EXPECT_GE(server.Requests().count(QStringLiteral("/restless")), 2) << "the restless page did not reload itself";
}

TEST_F(AdPaneTest, APageThatKeepsFailingDoesNotStackErrorBoxes)
{
    // An SVG document that reloads itself every second, each time failing the
    // adjustments again.
    LoopbackHttpServer::Reply restless = LoopbackHttpServer::Of("image/svg+xml", "<svg xmlns='http://www.w3.org/2000/svg'/>");
    restless.extraHeaders = "Refresh: 1\r\n";
    server.Serve(QString::fromLatin1(kAdPath), restless);
    Open();

    // The recorder stands in for a modal box that the user leaves open for a
    // while: it runs the event loop meanwhile (a box opened on top of it
    // closes at once, so that a failure here cannot nest without end).
    int open = 0;
    int mostOpen = 0;
    int shown = 0;
    form->SetErrorReporter([&](const QString&, const QString&) {
        ++shown;
        mostOpen = std::max(mostOpen, ++open);
        if (open == 1)
            QTest::qWait(3000);
        --open;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown >= 2 && open == 0; }, kLoadTimeoutMs));
    EXPECT_EQ(mostOpen, 1);
    EXPECT_GE(server.Requests().count(QString::fromLatin1(kAdPath)), 4) << "the page did not keep reloading";
}
