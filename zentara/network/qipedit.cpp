// qipedit.cpp: the IPv4 input widget of the network dialogs.
#include "zentara/network/qipedit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaType>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include "vyrokit/networkaddress.h"
#include "zentara/network/ipitemvalidator.h"
#include "zentara/network/qipdot.h"

using vyrokit::NetworkAddress;

namespace {

// The number of characters of the largest octet, "255".
constexpr int octetDigits = 3;
const QString fieldStyle = QStringLiteral("QLineEdit, QLineEdit:focus { border: none; }");
// An octet above 255: the address the fields show is no address.
const QString badFieldStyle = fieldStyle + QStringLiteral(" QLineEdit { color: #d00000; }");

// "." on the main keys or the keypad, or the keypad's "," of layouts with a decimal comma.
bool isSeparator(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Period ||
           (event->key() == Qt::Key_Comma && (event->modifiers() & Qt::KeypadModifier));
}

// A key that neither types nor moves nor deletes, such as Shift or Num Lock (which the X server
// may press on its own around a keypad key).
bool changesNothing(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        return event->text().isEmpty();
    }
}

// The octet as a number; -1 for an empty field.
int octetOf(const QLineEdit *field)
{
    return field->text().isEmpty() ? -1 : int(field->text().toUInt());
}

} // namespace

// The clear button's icon lives in this static library; make sure the linker keeps it. Outside
// any namespace, as the resource initialiser is declared where this expands.
static void initResources()
{
    Q_INIT_RESOURCE(zentara_network);
}

QIpEdit::QIpEdit(QWidget *parent) : QFrame(parent)
{
    initResources();
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(1, 1, 1, 1);
    m_layout->setSpacing(0);

    // The frame takes the base colour so that the fields, the dots and the gaps between them
    // read as one line edit.
    QPalette framePalette = palette();
    framePalette.setBrush(QPalette::All, QPalette::Window, framePalette.base());
    setPalette(framePalette);
    setAutoFillBackground(true);
    setSizePolicy(
        QSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Minimum, QSizePolicy::LineEdit));

    for (size_t i = 0; i < m_octets.size(); ++i) {
        auto *field = new QLineEdit(this);
        field->installEventFilter(this);
        m_layout->addWidget(field, 1);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        QFont font = field->font();
        font.setStyleHint(QFont::Monospace, QFont::PreferDefault);
        font.setFixedPitch(true);
        field->setFont(font);
        field->setStyleSheet(fieldStyle);
        field->setValidator(new IPItemValidator(0, 255, field));
        connect(field, &QLineEdit::textEdited, this, [this, field] { octetEdited(field); });
        m_octets[i] = field;
        if (i + 1 < m_octets.size())
            m_layout->addWidget(new QIpDot(this), 0);
    }

    m_clearButton = new QPushButton(QIcon(QStringLiteral(":/images/delete2.png")), QString(), this);
    m_clearButton->setFlat(true);
    m_clearButton->setToolTip(tr("Clear the address"));
    m_layout->addWidget(m_clearButton);
    connect(m_clearButton, &QPushButton::clicked, this, &QIpEdit::clear);

    // The fields start empty: the any-address the widget starts with is no address of its own.
    setMaximumWidth(280);
    setFixedHeight(m_layout->sizeHint().height());
    resize(200, height());

    qRegisterMetaType<QLineEdit *>("QLineEdit*");
    connect(this, &QIpEdit::signalTextChanged, this, &QIpEdit::slotTextChanged,
            Qt::QueuedConnection);
}

QString QIpEdit::rawText() const
{
    QStringList parts;
    for (const QLineEdit *field : m_octets)
        parts << (field->text().isEmpty() ? QStringLiteral("0") : field->text());
    return parts.join(QLatin1Char('.'));
}

bool QIpEdit::hasAcceptableInput() const
{
    return NetworkAddress::ipv4FromString(rawText()).has_value();
}

QString QIpEdit::text() const
{
    // Read as decimal, octet by octet: "010" is 10, never an octal 8.
    const std::optional<uint32_t> address = NetworkAddress::ipv4FromString(rawText());
    if (!address)
        return QString();
    m_address.setAddress(quint32(*address));
    return m_address.toString();
}

uint32_t QIpEdit::value() const
{
    const std::optional<uint32_t> address = NetworkAddress::ipv4FromString(rawText());
    if (!address)
        return 0;
    m_address.setAddress(quint32(*address));
    return *address;
}

void QIpEdit::setRawText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != int(m_octets.size()))
        return;
    for (size_t i = 0; i < m_octets.size(); ++i)
        m_octets[i]->setText(parts.at(int(i)));
    m_address.setAddress(text);
    markOctets();
}

void QIpEdit::setText(const QString &text)
{
    // An IPv6 text with an embedded IPv4 part also splits into four dotted parts: refuse it.
    QHostAddress parsed;
    if (!parsed.setAddress(text) || parsed.protocol() != QAbstractSocket::IPv4Protocol)
        return;
    setRawText(parsed.toString());
}

void QIpEdit::setValue(uint32_t address)
{
    m_address.setAddress(quint32(address));
    setRawText(m_address.toString());
}

QSize QIpEdit::sizeHint() const
{
    return m_layout->sizeHint();
}

int QIpEdit::indexOf(const QObject *field) const
{
    for (size_t i = 0; i < m_octets.size(); ++i) {
        if (m_octets[i] == field)
            return int(i);
    }
    return -1;
}

void QIpEdit::focusField(int index, int cursorPosition)
{
    QLineEdit *field = m_octets.at(size_t(index));
    field->setFocus(Qt::OtherFocusReason);
    field->setCursorPosition(cursorPosition < 0 ? field->text().size() : cursorPosition);
}

bool QIpEdit::eventFilter(QObject *watched, QEvent *event)
{
    const int index = indexOf(watched);
    if (index < 0 || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);

    QLineEdit *field = m_octets.at(size_t(index));
    const int last = int(m_octets.size()) - 1;
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    const int key = keyEvent->key();
    QLineEdit *advancedInto = m_advancedInto;
    if (!changesNothing(keyEvent))
        m_advancedInto = nullptr;
    if (isSeparator(keyEvent)) {
        // The separator moves on, unless the third digit just did; the field never takes it.
        if (advancedInto != field && index < last) {
            focusField(index + 1, -1);
            m_octets.at(size_t(index) + 1)->selectAll();
        }
        return true;
    }
    if (keyEvent->matches(QKeySequence::Paste)) {
        // A dotted address fills all four octets, whatever the field held; anything else is
        // the field's to take or refuse.
        const std::optional<uint32_t> address =
            NetworkAddress::ipv4FromString(QGuiApplication::clipboard()->text().trimmed());
        if (address) {
            setValue(*address);
            focusField(last, -1);
            emit editingFinished();
            return true;
        }
    }
    switch (key) {
    case Qt::Key_Home:
        focusField(0, 0);
        break;
    case Qt::Key_End:
        focusField(last, -1);
        break;
    case Qt::Key_Left:
        if (index > 0 && field->cursorPosition() == 0)
            focusField(index - 1, -1);
        break;
    case Qt::Key_Right:
        if (index < last &&
            (field->text().isEmpty() || field->cursorPosition() == field->text().size()))
            focusField(index + 1, 0);
        break;
    default:
        break;
    }
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        emit signalTextChanged(field);
    // The field still takes the key.
    return QFrame::eventFilter(watched, event);
}

void QIpEdit::slotTextChanged(QLineEdit *pEdit)
{
    if (indexOf(pEdit) >= 0 && pEdit->hasAcceptableInput())
        emit editingFinished();
}

void QIpEdit::octetEdited(QLineEdit *field)
{
    const int index = indexOf(field);
    // The validator lets a dotted address in only as the field's whole text, pasted by other
    // means than the keyboard (the context menu): it fills all four octets.
    if (field->text().contains(QLatin1Char('.'))) {
        const std::optional<uint32_t> address =
            NetworkAddress::ipv4FromString(field->text().trimmed());
        if (address) {
            setValue(*address);
            focusField(int(m_octets.size()) - 1, -1);
            emit editingFinished();
        }
        return;
    }
    markOctets();
    // A complete octet moves on; one above 255 keeps the focus for the user to correct it.
    if (field->text().size() == octetDigits && field->cursorPosition() == octetDigits &&
        octetOf(field) <= 255 && index + 1 < int(m_octets.size())) {
        QLineEdit *next = m_octets.at(size_t(index) + 1);
        next->setFocus(Qt::OtherFocusReason);
        next->selectAll();
        m_advancedInto = next;
    }
}

void QIpEdit::markOctets()
{
    for (QLineEdit *field : m_octets) {
        const bool bad = octetOf(field) > 255;
        const QString &style = bad ? badFieldStyle : fieldStyle;
        if (field->styleSheet() != style)
            field->setStyleSheet(style);
        field->setToolTip(bad ? tr("An address is four numbers from 0 to 255") : QString());
    }
}

void QIpEdit::clear()
{
    for (QLineEdit *field : m_octets)
        field->clear();
    markOctets();
}
