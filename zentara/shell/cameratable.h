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
    struct Row
    {
        QString type;
        uint32_t cameraId = 0;
        uint32_t deviceId = 0;
        QString model;
        QString serialNumber;
        QString free;
        QString available;
        QString status; // the window's status sentence as plain text
    };

    // Reads the camera list from the library. False when the library could not give it; then
    // *code holds the library's return code.
    bool read();

    const QVector<Row> &rows() const { return m_rows; }
    int32_t result() const { return m_result; }

    // An aligned table with a header line.
    QString text() const;
    // {"cameras": [{...}, ...]}, or {"error": code, "cameras": []} after a failed read.
    QByteArray json() const;

    // A status sentence the way the window's rich-text label shows it, as plain text: markup
    // removed, entities resolved, line breaks and runs of white space as one space.
    static QString plainText(const QString &richText);

    // Prints the table (or JSON) on standard output and answers the program's exit code: 0 when
    // the library gave the list, 1 when it did not (the reason goes to standard error).
    static int print(bool json);

private:
    QVector<Row> m_rows;
    int32_t m_result = 0;
    bool m_read = false;
};

#endif // ZENTARA_SHELL_CAMERATABLE_H
