// updateendpoints.h: where the update check and the download page go: the maker's servers, or a
// mirror named by a setting or an environment variable.
#ifndef ZENTARA_DEVINFO_UPDATEENDPOINTS_H
#define ZENTARA_DEVINFO_UPDATEENDPOINTS_H

#include <QString>
#include <QUrl>

// Each address is taken, in this order, from its environment variable, from zentara's settings
// (organisation "Orv", application "Zentara", group "updates") or from the maker's default.
// Users behind a mirror set the key; tests set the variable.
class UpdateEndpoints final
{
public:
    UpdateEndpoints() = delete;

    // The full address of the update file: VYRO_UPDATE_URL, key "updates/updateUrl".
    static const char *updateUrlVariable();
    static QString updateUrlKey();
    // The site that serves the download page in every language: VYRO_DOWNLOAD_URL, key
    // "updates/downloadSite".
    static const char *downloadSiteVariable();
    static QString downloadSiteKey();

    static QUrl defaultUpdateUrl();
    static QUrl updateUrl();

    // The maker's site for the language code ("de"): its own site for "de", "es", "fr" and
    // "ja", the English one for every other.
    static QString defaultDownloadSite(const QString &language);
    // The download page for the system's architecture on the site for language.
    static QUrl downloadPage(const QString &language);
    // The architecture part of the page's name.
    static QString architecture();
};

#endif // ZENTARA_DEVINFO_UPDATEENDPOINTS_H
