#pragma once

#include <QString>
#include <QUrl>

class QSettings;

// Where the advertisement host comes from. It is a deployment setting: the
// command line wins over the environment, which wins over the user's
// settings file.
struct AdHostSetting {
    QString host;   // HOST or HOST:PORT, empty when none is configured
    QString source; // "--ad-host", "LUMENO_AD_HOST" or "ad/host"
    QString error;  // why the configured value was refused, empty when it was taken
};

// The key of the host in the user's settings file.
inline constexpr char kAdHostSettingsKey[] = "ad/host";
inline constexpr char kAdHostEnvironmentVariable[] = "LUMENO_AD_HOST";

// Checks HOST[:PORT]: a host name, an IPv4 address or a bracketed IPv6
// address, with an optional port from 1 to 65535 and nothing else (no scheme,
// user, path, query or fragment). Returns an empty string when the text is
// acceptable, else what is wrong with it.
QString AdHostProblem(const QString& text);

// Picks the first configured source among the command-line value (when
// given), the environment value and the settings file, and checks it. A
// refused value does not fall through to the next source: the user asked for
// that one.
AdHostSetting ResolveAdHost(const QString* commandLineValue, const QString& environmentValue, const QSettings& settings);

// The advertisement page on host.
QUrl AdvertisementAddress(const QString& host);
