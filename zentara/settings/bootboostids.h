// bootboostids.h: the camera ID values boot boost applies to, as the user types and reads them.
#ifndef ZENTARA_SETTINGS_BOOTBOOSTIDS_H
#define ZENTARA_SETTINGS_BOOTBOOSTIDS_H

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <optional>

// The input syntax: parts separated by ";" (an empty part counts as a part); a part is one
// decimal ID or a range "a-b" whose "-" is not the first character. IDs are 1 to 254.
class BootBoostIds final
{
    Q_DECLARE_TR_FUNCTIONS(BootBoostIds)
public:
    static constexpr int minId = 1;
    static constexpr int maxId = 254;

    // One part of the input.
    struct Part
    {
        bool range = false;
        QString text;             // the part as typed
        int first = 0;            // the ID, or the range's first end; 0 when not a number
        int last = 0;             // the range's last end; 0 when not a number
        bool firstNumber = false; // decimal digits only, white space around them allowed
        bool lastNumber = false;
        bool firstValid = false; // a number from 1 to 254
        bool lastValid = false;
    };

    BootBoostIds() = delete;

    static bool isValidId(int id) { return id >= minId && id <= maxId; }
    static QVector<Part> parts(const QString &input);

    // The IDs the input names, part by part as typed, each range from its first to its last ID.
    // nullopt when any part is empty, no number or range of numbers, a reversed range, or names
    // an ID outside 1 to 254: then nothing may be sent, and *problem names that part for the user.
    static std::optional<QVector<int>> ids(const QString &input, QString *problem = nullptr);
    // The list "Set ID list" sends: ids() sorted, without duplicates.
    static std::optional<QVector<int>> listToSet(const QString &input, QString *problem = nullptr);

    // "1 - 3 ; 7" for 1, 2, 3, 7: sorted, without duplicates, runs shown as first - last.
    static QString display(QVector<int> ids);
};

#endif // ZENTARA_SETTINGS_BOOTBOOSTIDS_H
