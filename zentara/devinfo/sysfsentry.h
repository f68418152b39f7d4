// sysfsentry.h: the attribute files and links of one directory of the kernel's device tree.
#ifndef ZENTARA_DEVINFO_SYSFSENTRY_H
#define ZENTARA_DEVINFO_SYSFSENTRY_H

#include <QString>

// Reads the attributes of one entry of the USB device directory. Every read is bounded and never
// fails: a missing or unreadable file reads as 0 or an empty text, so a damaged tree gives
// neutral values rather than errors.
class SysfsEntry final
{
public:
    explicit SysfsEntry(const QString &path);

    QString path() const { return m_path; }
    QString name() const;

    // The attribute converted as an unsigned number in base (10 or 16); 0 when the file is
    // missing, unreadable or holds anything but one number (blanks around it are allowed).
    uint number(const char *attribute, int base) const;
    // The attribute's text up to its first NUL byte without the kernel's trailing line feed;
    // empty when the file is missing.
    QString text(const char *attribute) const;
    // The same with white space trimmed on both ends.
    QString trimmedText(const char *attribute) const;
    // The target of the "driver" link as the link holds it, "--" when there is no such link.
    QString driver() const;

    // The target of the symbolic link path as the link holds it; empty when path is no link.
    static QString readLink(const QString &path);
    // True when path itself is a symbolic link, whether or not its target exists.
    static bool isSymLink(const QString &path);

private:
    QByteArray read(const char *attribute) const;

    QString m_path;
};

#endif // ZENTARA_DEVINFO_SYSFSENTRY_H
