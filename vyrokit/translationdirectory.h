// translationdirectory.h: where a program finds its translation catalogues, built or installed.
#ifndef VYROKIT_TRANSLATIONDIRECTORY_H
#define VYROKIT_TRANSLATIONDIRECTORY_H

#include <QString>

namespace vyrokit {

// The build puts a program's catalogues beside its executable, in "lang/<program>"; an
// installation puts them in the data directory, "<datadir>/<program>/lang", found relative to
// the executable so that an installation under any prefix (or a scratch root) finds its own.
class TranslationDirectory final
{
public:
    TranslationDirectory() = delete;

    // The directory for program (e.g. "zentara") whose executable lies in programDir: the
    // build's folder when it exists, else the installed one, whether it exists or not.
    static QString locate(const QString &programDir, const QString &program);

    // locate() for the running program's directory.
    static QString forProgram(const QString &program);

    // The installed folder relative to the executable's directory, e.g. "../share/zentara/lang".
    static QString installedRelative(const QString &program);
};

} // namespace vyrokit

#endif // VYROKIT_TRANSLATIONDIRECTORY_H
