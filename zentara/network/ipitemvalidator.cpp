// ipitemvalidator.cpp: the octet validator of the IPv4 input widget.
#include "zentara/network/ipitemvalidator.h"

IPItemValidator::IPItemValidator(QObject *parent) : IPItemValidator(0, 255, parent)
{
}

IPItemValidator::IPItemValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{
}

void IPItemValidator::fixup(QString &input) const
{
    if (input.isEmpty())
        return;
    QIntValidator::fixup(input);
}
