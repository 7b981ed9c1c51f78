#include "app/browser/web_browser.h"
#include "app/window/form1.h"
#include "tests/support/child_processes.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

bool EngineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("WebEngine");
}

} // namespace

TEST(AdPaneUnloaded, WithoutAHostThePaneStaysEmptyAndNoBrowserIsLoaded)
{
    TForm1 form;
    QSignalSpy loaded(form.WebBrowser1, &TWebBrowser::BrowserLoaded);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(300);

    EXPECT_TRUE(loaded.isEmpty());
    EXPECT_EQ(form.WebBrowser1->View(), nullptr);
    EXPECT_TRUE(form.WebBrowser1->findChildren<QWidget*>().isEmpty());
    EXPECT_FALSE(EngineLoaded());
    EXPECT_EQ(ChildProcesses(QString::number(getpid())), QStringList());
}

TEST(AdPaneUnloaded, AMissingModuleLeavesThePaneEmptyWithOneLineOnStderr)
{
    TForm1 form(nullptr, QStringLiteral("127.0.0.1:9"));
    const QString missing = QDir::temp().filePath(QStringLiteral("no-such-folder/lumeno-browser.so"));
    form.WebBrowser1->SetModulePath(missing);
    QSignalSpy loaded(form.WebBrowser1, &TWebBrowser::BrowserLoaded);

    testing::internal::CaptureStderr();
    form.show();
    const bool exposed = QTest::qWaitForWindowExposed(&form);
    const bool told = loaded.wait(10000);
    const QString output = QString::fromStdString(testing::internal::GetCapturedStderr());
    ASSERT_TRUE(exposed);
    ASSERT_TRUE(told);

    EXPECT_EQ(loaded.first().first().toBool(), false);
    EXPECT_EQ(form.WebBrowser1->View(), nullptr);
    EXPECT_TRUE(form.WebBrowser1->findChildren<QWidget*>().isEmpty());
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("lumeno:"));
    ASSERT_EQ(lines.size(), 1) << output.toStdString();
    EXPECT_TRUE(lines.first().contains(QStringLiteral("advertisement pane stays empty"))) << output.toStdString();
    EXPECT_TRUE(lines.first().contains(missing)) << output.toStdString();
    EXPECT_FALSE(EngineLoaded());
}
