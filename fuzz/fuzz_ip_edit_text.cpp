// fuzz_ip_edit_text.cpp: texts pasted and set into the IPv4 input widget.
#include "zentara/network/qipedit.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

// Made once; freed by the replay's clean-up before the program ends, which Qt needs: an
// application destroyed among the static objects leaves its caches behind.
QApplication *application = nullptr;
QIpEdit *sharedEdit = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" void vyroFuzzCleanup()
{
    delete sharedEdit;
    sharedEdit = nullptr;
    delete application;
    application = nullptr;
}

namespace {

// The widget's answers agree with each other.
void checkConsistent(const QIpEdit &edit)
{
    const QString text = edit.text();
    if (text.isEmpty()) {
        if (edit.value() != 0)
            std::abort();
        return;
    }
    QHostAddress address;
    if (!address.setAddress(text) || address.protocol() != QAbstractSocket::IPv4Protocol ||
        address.toIPv4Address() != edit.value() || address.toString() != text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    // One widget for all runs, as building one costs far more than the run; every run starts
    // from empty fields.
    if (!sharedEdit)
        sharedEdit = new QIpEdit;
    QIpEdit &edit = *sharedEdit;
    for (int i = 0; i < 4; ++i)
        edit.octetField(i)->clear();

    // A paste with Ctrl+V into each octet field, as the user does it: the field's validator and
    // the widget's key handling decide what stays.
    const QStringList parts = input.split(QLatin1Char('.'));
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        QLineEdit *field = edit.octetField(i);
        field->clear();
        QGuiApplication::clipboard()->setText(parts.at(i));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::sendEvent(field, &press);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        // A plain octet is taken as it is (a number too large for one stays as typed and the
        // field holds no address, which checkConsistent() below holds the widget to).
        static const QRegularExpression plainOctet(QStringLiteral("\\A[0-9]{1,3}\\z"));
        if (plainOctet.match(parts.at(i)).hasMatch() && parts.at(i).toUInt() <= 255 &&
            field->text() != parts.at(i))
            std::abort();
    }
    checkConsistent(edit);

    // The text setter takes an IPv4 address whole and leaves everything else alone.
    const QString rawBefore = edit.rawText();
    edit.setText(input);
    QHostAddress parsed;
    if (parsed.setAddress(input) && parsed.protocol() == QAbstractSocket::IPv4Protocol) {
        if (edit.text() != parsed.toString() || edit.value() != parsed.toIPv4Address())
            std::abort();
    } else if (edit.rawText() != rawBefore) {
        std::abort();
    }
    checkConsistent(edit);

    // The raw setter; whatever it shows, a value set afterwards reads back.
    edit.setRawText(input);
    checkConsistent(edit);
    const uint32_t value = edit.value();
    edit.setValue(value);
    if (edit.value() != value)
        std::abort();
    checkConsistent(edit);
    return 0;
}
