#include "app/browser/ad_host.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AdHostTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings { folder.filePath(QStringLiteral("lumeno.conf")), QSettings::IniFormat };
};

} // namespace

TEST_F(AdHostTest, TheCommandLineWinsOverTheEnvironmentWhichWinsOverTheSettings)
{
    settings.setValue(QString::fromLatin1(kAdHostSettingsKey), QStringLiteral("settings.example"));
    const QString option = QStringLiteral("option.example:8080");

    AdHostSetting chosen = ResolveAdHost(&option, QStringLiteral("env.example"), settings);
    EXPECT_EQ(chosen.host, QStringLiteral("option.example:8080"));
    EXPECT_EQ(chosen.source, QStringLiteral("--ad-host"));

    chosen = ResolveAdHost(nullptr, QStringLiteral(" env.example "), settings);
    EXPECT_EQ(chosen.host, QStringLiteral("env.example"));
    EXPECT_EQ(chosen.source, QStringLiteral("LUMENO_AD_HOST"));

    chosen = ResolveAdHost(nullptr, QString(), settings);
    EXPECT_EQ(chosen.host, QStringLiteral("settings.example"));
    EXPECT_EQ(chosen.source, QStringLiteral("ad/host"));
    EXPECT_TRUE(chosen.error.isEmpty());

    settings.remove(QString::fromLatin1(kAdHostSettingsKey));
    chosen = ResolveAdHost(nullptr, QString(), settings);
    EXPECT_TRUE(chosen.host.isEmpty());
    EXPECT_TRUE(chosen.error.isEmpty()) << "no host at all is not an error";
}

TEST_F(AdHostTest, ARefusedValueIsReportedAndDoesNotFallThrough)
{
    settings.setValue(QString::fromLatin1(kAdHostSettingsKey), QStringLiteral("settings.example"));
    const QString empty;
    AdHostSetting chosen = ResolveAdHost(&empty, QStringLiteral("env.example"), settings);
    EXPECT_TRUE(chosen.host.isEmpty());
    EXPECT_EQ(chosen.source, QStringLiteral("--ad-host"));
    EXPECT_FALSE(chosen.error.isEmpty());

    chosen = ResolveAdHost(nullptr, QStringLiteral("http://env.example/"), settings);
    EXPECT_TRUE(chosen.host.isEmpty());
    EXPECT_EQ(chosen.source, QStringLiteral("LUMENO_AD_HOST"));
    EXPECT_FALSE(chosen.error.isEmpty());
}

TEST_F(AdHostTest, AcceptsOnlyHostAndPort)
{
    for (const char* good : { "example.com", "ads.example.com:8080", "127.0.0.1", "127.0.0.1:65535", "[::1]:80", "localhost:1" })
        EXPECT_EQ(AdHostProblem(QString::fromLatin1(good)), QString()) << good;
    for (const char* bad : { "", "http://example.com", "example.com/path", "user@example.com", "example.com:", "example.com:0",
             "example.com:65536", "example.com:http", "exa mple.com", "example.com?x", "example.com#x", "[::1", ":80", "a\\b" })
        EXPECT_NE(AdHostProblem(QString::fromLatin1(bad)), QString()) << bad;
}

TEST_F(AdHostTest, TheAddressIsTheAdvertisementPageOnTheHost)
{
    EXPECT_EQ(AdvertisementAddress(QStringLiteral("ads.example.com")).toString(), QStringLiteral("http://ads.example.com/softad/vuruvi.html"));
    EXPECT_EQ(AdvertisementAddress(QStringLiteral("127.0.0.1:8080")).toString(), QStringLiteral("http://127.0.0.1:8080/softad/vuruvi.html"));
    EXPECT_EQ(AdvertisementAddress(QStringLiteral("[::1]:80")).toString(), QStringLiteral("http://[::1]:80/softad/vuruvi.html"));
}
