// cameratable.h: the camera list for the terminal: what the window's list and status line
// show for every camera, as plain text or JSON, without any window or display.
#ifndef ZENTARA_SHELL_CAMERATABLE_H
#define ZENTARA_SHELL_CAMERATABLE_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <cstdint>

class CameraTable final
{
    Q_DECLARE_TR_FUNCTIONS(CameraTable)
public:
    // The version of the JSON format; it grows when a key changes meaning or goes away.
    static constexpr int jsonVersion = 1;

    struct Row
    {
        QString type;
        uint32_t cameraId = 0;
        uint32_t deviceId = 0;
        QString model;
        QString serialNumber;
        QString free;      // the list's texts, in the user's language
        QString available; //
        bool isFree = false;
        bool bootBoost = false; // free only through boot boost ("Yes (BB)")
        bool isAvailable = false;
        QString verdict; // the verdict's stable key
        QString status;  // the window's status sentence as plain text
    };

    enum class Failure
    {
        None,
        LibraryTooOld, // the window would refuse to start
        ListFailed     // the library did not give the list; result() says why
    };

    // Checks the library's version, then reads the camera list. False when the library is too
    // old or could not give the list.
    bool read();

    const QVector<Row> &rows() const { return m_rows; }
    Failure failure() const { return m_failure; }
    int32_t result() const { return m_result; }

    // An aligned table with a header line.
    QString text() const;
    // The format zentara(1) documents: {"version": 1, "cameras": [{...}, ...]}, with "error",
    // "message" (and "errorCode" from the library) after a failure.
    QByteArray json() const;
    // Why the read failed, or why the list is empty; empty otherwise.
    QString explanation() const;

    // A status sentence the way the window's rich-text label shows it, as plain text: markup
    // removed, entities resolved, line breaks and runs of white space as one space.
    static QString plainText(const QString &richText);

    // Prints the table (or JSON) on standard output and answers the program's exit code: 0 when
    // the library gave the list, 1 when it is too old or did not give it (the reason goes to
    // standard error). Why a list is empty follows the table, or goes to standard error beside
    // JSON.
    static int print(bool json);

private:
    QVector<Row> m_rows;
    int32_t m_result = 0;
    // The SDK's text of a failed read, taken right after it.
    QString m_errorText;
    Failure m_failure = Failure::None;
    bool m_daemonsStopped = false;
};

#endif // ZENTARA_SHELL_CAMERATABLE_H
