// qipedit.h: the input field for one IPv4 address of the network dialogs.
#ifndef ZENTARA_NETWORK_QIPEDIT_H
#define ZENTARA_NETWORK_QIPEDIT_H

#include <QFrame>
#include <QHostAddress>
#include <QString>

#include <array>
#include <cstdint>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

// Four octet fields separated by dots inside a frame that looks like one line edit, with a flat
// clear button at its right end. The focus moves between the octets as the user types or uses
// the cursor keys; editingFinished() tells the owner that an octet now holds a valid value.
//
// Typing never turns into another address: "." (and the keypad's separator) moves to the next
// octet, except right after the third digit moved there already; a pasted dotted address fills
// all four octets; an octet above 255 stays as typed, marked, and the fields then hold no
// address (hasAcceptableInput() is false) for the owner to refuse.
class QIpEdit final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(QIpEdit)
public:
    explicit QIpEdit(QWidget *parent = nullptr);

    // The four field texts joined with "."; an empty field gives "0".
    QString rawText() const;
    // Every octet is empty or a decimal number from 0 to 255.
    bool hasAcceptableInput() const;
    // The normalised dotted address; empty when the fields hold no valid address.
    QString text() const;
    // The address as a number, first octet most significant; 0 when it is not valid.
    uint32_t value() const;
    // Fills the fields only when text has exactly four "."-separated parts.
    void setRawText(const QString &text);
    // Fills the fields from a parsable IPv4 address text; anything else changes nothing.
    void setText(const QString &text);
    void setValue(uint32_t address);

    QSize sizeHint() const override;

    // The octet field of index 0 to 3 and the clear button, for tests and accessibility.
    QLineEdit *octetField(int index) const { return m_octets.at(size_t(index)); }
    QPushButton *clearButton() const { return m_clearButton; }

signals:
    // Emitted for every key press in an octet field except Left and Right; handled queued, once
    // the field has taken the key.
    void signalTextChanged(QLineEdit *pEdit);
    // The octet field just edited holds a value from 0 to 255.
    void editingFinished();

public slots:
    void slotTextChanged(QLineEdit *pEdit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int indexOf(const QObject *field) const;
    void focusField(int index, int cursorPosition);
    void clear();
    // Reacts to the user's edit of one field, synchronously, so that the next key already goes
    // to the field the focus moved to.
    void octetEdited(QLineEdit *field);
    // Colours every octet above 255.
    void markOctets();

    std::array<QLineEdit *, 4> m_octets{};
    QHBoxLayout *m_layout = nullptr;
    QPushButton *m_clearButton = nullptr;
    // The address parsed last, the any-address before the first; mutable because the readers
    // parse what the fields show.
    mutable QHostAddress m_address{QHostAddress::Any};
    // The field the third digit of the previous key moved the focus to: a "." typed next only
    // confirms that move.
    QLineEdit *m_advancedInto = nullptr;
};

#endif // ZENTARA_NETWORK_QIPEDIT_H
