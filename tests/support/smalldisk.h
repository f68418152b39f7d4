// smalldisk.h: a tiny file system that a test can fill, to see what writers do on a full disk.
#ifndef TESTS_SUPPORT_SMALLDISK_H
#define TESTS_SUPPORT_SMALLDISK_H

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few pages, mounted over a temporary directory in a mount namespace of the calling
// thread's own: nobody else sees it, and it vanishes with the test process. Needs root or an
// unprivileged user namespace; without either, isReady() is false and problem() says why, for
// QSKIP. Call from the GUI thread (the one that writes the files under test) before it starts
// other threads of its own.
class SmallDisk final
{
public:
    explicit SmallDisk(int pages = 16);
    ~SmallDisk();

    bool isReady() const { return m_ready; }
    QString problem() const { return m_problem; }
    // The mounted directory, empty when not ready.
    QString path() const { return m_ready ? m_dir.path() : QString(); }
    QString filePath(const QString &name) const { return path() + QLatin1Char('/') + name; }

    // Fills every free byte with a file of its own; true once writes report no space.
    bool fill();
    // Frees what fill() took.
    void drain();

private:
    Q_DISABLE_COPY(SmallDisk)
    QTemporaryDir m_dir;
    bool m_ready = false;
    QString m_problem;
};

#endif // TESTS_SUPPORT_SMALLDISK_H
