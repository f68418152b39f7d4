// ipitemvalidator.cpp: the octet validator of the IPv4 input widget.
#include "zentara/network/ipitemvalidator.h"

#include <QRegularExpression>

#include "vyrokit/networkaddress.h"

IPItemValidator::IPItemValidator(QObject *parent) : IPItemValidator(0, 255, parent)
{
}

IPItemValidator::IPItemValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{
}

QValidator::State IPItemValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    if (input.isEmpty())
        return Intermediate;
    if (input.contains(QLatin1Char('.')))
        return vyrokit::NetworkAddress::ipv4FromString(input.trimmed()) ? Intermediate : Invalid;
    // Decimal digits only: no sign, no group separator, no white space.
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    if (!digits.match(input).hasMatch())
        return Invalid;
    const int value = input.toInt();
    return value >= bottom() && value <= top() ? Acceptable : Intermediate;
}

void IPItemValidator::fixup(QString &input) const
{
    if (input.isEmpty())
        return;
    QIntValidator::fixup(input);
}
