// productinfo.cpp: the maker's and the product family's names.
#include "vyrokit/productinfo.h"

namespace vyrokit {

QString ProductInfo::maker()
{
    return QStringLiteral("Orv");
}

QString ProductInfo::family()
{
    return QStringLiteral("%1 Vyro").arg(maker());
}

} // namespace vyrokit
