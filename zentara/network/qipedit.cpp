// qipedit.cpp: the IPv4 input widget of the network dialogs.
#include "zentara/network/qipedit.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaType>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include "zentara/network/ipitemvalidator.h"
#include "zentara/network/qipdot.h"

namespace {

// The number of characters of the largest octet, "255".
constexpr int OctetDigits = 3;

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
        field->setMaxLength(OctetDigits);
        QFont font = field->font();
        font.setStyleHint(QFont::Monospace, QFont::PreferDefault);
        font.setFixedPitch(true);
        field->setFont(font);
        field->setStyleSheet(QStringLiteral("QLineEdit, QLineEdit:focus { border: none; }"));
        field->setValidator(new IPItemValidator(0, 255, field));
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

QString QIpEdit::text() const
{
    if (!m_address.setAddress(rawText()) || m_address.protocol() != QAbstractSocket::IPv4Protocol)
        return QString();
    return m_address.toString();
}

uint32_t QIpEdit::value() const
{
    if (!m_address.setAddress(rawText()) || m_address.protocol() != QAbstractSocket::IPv4Protocol)
        return 0;
    return m_address.toIPv4Address();
}

void QIpEdit::setRawText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != int(m_octets.size()))
        return;
    for (size_t i = 0; i < m_octets.size(); ++i)
        m_octets[i]->setText(parts.at(int(i)));
    m_address.setAddress(text);
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
    const int key = static_cast<QKeyEvent *>(event)->key();
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
    const int index = indexOf(pEdit);
    if (index < 0)
        return;
    if (pEdit->text().size() == OctetDigits && pEdit->cursorPosition() == OctetDigits &&
        index + 1 < int(m_octets.size())) {
        QLineEdit *next = m_octets.at(size_t(index + 1));
        next->setFocus(Qt::OtherFocusReason);
        next->selectAll();
    }
    bool ok = false;
    const uint octet = pEdit->text().toUInt(&ok, 10);
    if (ok && octet > 255)
        pEdit->setText(QStringLiteral("255"));
    if (pEdit->hasAcceptableInput())
        emit editingFinished();
}

void QIpEdit::clear()
{
    for (QLineEdit *field : m_octets)
        field->clear();
}
