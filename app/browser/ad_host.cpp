#include "app/browser/ad_host.h"

#include <QSettings>

namespace {

QUrl HostOnlyUrl(const QString& host)
{
    return QUrl(QStringLiteral("http://") + host + QLatin1Char('/'), QUrl::StrictMode);
}

} // namespace

QString AdHostProblem(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("the host is empty");
    for (const QChar c : text) {
        if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('@') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('\\'))
            return QStringLiteral("'%1' is not HOST[:PORT]").arg(text);
    }
    const QUrl url = HostOnlyUrl(text);
    if (!url.isValid() || url.host().isEmpty() || url.path() != QLatin1String("/"))
        return QStringLiteral("'%1' is not HOST[:PORT]").arg(text);
    // QUrl takes an empty port ("host:") as no port; a user who typed the
    // colon meant to give one.
    if (text.endsWith(QLatin1Char(':')))
        return QStringLiteral("'%1' has no port after the colon").arg(text);
    if (url.port() == 0)
        return QStringLiteral("'%1' has port 0").arg(text);
    return QString();
}

AdHostSetting ResolveAdHost(const QString* commandLineValue, const QString& environmentValue, const QSettings& settings)
{
    AdHostSetting setting;
    if (commandLineValue) {
        setting.host = commandLineValue->trimmed();
        setting.source = QStringLiteral("--ad-host");
    } else if (!environmentValue.trimmed().isEmpty()) {
        setting.host = environmentValue.trimmed();
        setting.source = QString::fromLatin1(kAdHostEnvironmentVariable);
    } else {
        setting.host = settings.value(QString::fromLatin1(kAdHostSettingsKey)).toString().trimmed();
        setting.source = QString::fromLatin1(kAdHostSettingsKey);
        if (setting.host.isEmpty())
            return {};
    }
    setting.error = AdHostProblem(setting.host);
    if (!setting.error.isEmpty())
        setting.host.clear();
    return setting;
}

QUrl AdvertisementAddress(const QString& host)
{
    QUrl address = HostOnlyUrl(host);
    address.setPath(QStringLiteral("/softad/vuruvi.html"));
    return address;
}
