// updateendpoints.cpp: the configured addresses of the update file and the download page.
#include "zentara/devinfo/updateendpoints.h"

#include <QSettings>
#include <QStringList>

namespace {

const char *const updateHost = "https://www.orv-vision.com";
const char *const updatePath = "/frontend/files/Vyroupdater/update.txt";
const char *const downloadPageFormat = "/download-vyro-%1.html";

// A configured address, or an empty text when neither the variable nor the key holds one.
QString configured(const char *variable, const QString &key)
{
    QString fromEnvironment = qEnvironmentVariable(variable).trimmed();
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    // The settings are only read: the window never writes these keys.
    const QSettings settings(QStringLiteral("Orv"), QStringLiteral("Zentara"));
    return settings.value(key).toString().trimmed();
}

} // namespace

const char *UpdateEndpoints::updateUrlVariable()
{
    return "VYRO_UPDATE_URL";
}

QString UpdateEndpoints::updateUrlKey()
{
    return QStringLiteral("updates/updateUrl");
}

const char *UpdateEndpoints::downloadSiteVariable()
{
    return "VYRO_DOWNLOAD_URL";
}

QString UpdateEndpoints::downloadSiteKey()
{
    return QStringLiteral("updates/downloadSite");
}

QUrl UpdateEndpoints::defaultUpdateUrl()
{
    return QUrl(QLatin1String(updateHost) + QLatin1String(updatePath));
}

QUrl UpdateEndpoints::updateUrl()
{
    const QString url = configured(updateUrlVariable(), updateUrlKey());
    return url.isEmpty() ? defaultUpdateUrl() : QUrl::fromUserInput(url);
}

QString UpdateEndpoints::defaultDownloadSite(const QString &language)
{
    static const QStringList ownSites = {QStringLiteral("de"), QStringLiteral("es"),
                                         QStringLiteral("fr")};
    if (ownSites.contains(language))
        return QStringLiteral("https://www.orv-vision.%1").arg(language);
    if (language == QLatin1String("ja"))
        return QStringLiteral("https://www.orv-vision.jp");
    return QStringLiteral("https://www.orv-vision.com");
}

QUrl UpdateEndpoints::downloadPage(const QString &language)
{
    QString site = configured(downloadSiteVariable(), downloadSiteKey());
    if (site.isEmpty())
        site = defaultDownloadSite(language);
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return QUrl::fromUserInput(site + QString::fromLatin1(downloadPageFormat).arg(architecture()));
}

QString UpdateEndpoints::architecture()
{
    return QStringLiteral("emb-hardfloat");
}
