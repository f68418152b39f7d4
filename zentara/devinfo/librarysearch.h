// librarysearch.h: finds a shared library in the directories the dynamic linker searches.
#ifndef ZENTARA_DEVINFO_LIBRARYSEARCH_H
#define ZENTARA_DEVINFO_LIBRARYSEARCH_H

#include <QByteArray>
#include <QString>
#include <QStringList>

class LibrarySearch final
{
public:
    // The longest wait for ldconfig; the GUI thread blocks meanwhile.
    static constexpr int defaultTimeoutMs = 30000;

    LibrarySearch() = delete;

    // "/lib", "/usr/lib", "/usr/local/lib".
    static QStringList defaultDirectories();
    // The default directories followed by those ldconfig's verbose output names: each line's
    // text before its first ":" ("/usr/lib/x86_64-linux-gnu: (from ...)" names the directory
    // alone), each directory once, in order. Library lines, indented by a tab, name none.
    static QStringList directories(const QByteArray &ldconfigOutput);
    // Runs "sh -c 'ldconfig -v 2>/dev/null | grep -v ^$'\t''" (both found through PATH) and
    // returns what it wrote within timeoutMs; empty when sh is missing or fails to start.
    static QByteArray ldconfigOutput(int timeoutMs = defaultTimeoutMs);
    // The first directory in which fileName exists, joined with it ("/usr/lib/libx.so"), as
    // the system names it; the files are looked up through vyrokit::SystemPaths. Empty when
    // none holds it.
    static QString find(const QString &fileName, const QStringList &directories);
    // find() over the directories of a fresh ldconfig run.
    static QString locate(const QString &fileName, int timeoutMs = defaultTimeoutMs);
};

#endif // ZENTARA_DEVINFO_LIBRARYSEARCH_H
