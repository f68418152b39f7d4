// productinfo.h: the maker's and the product family's names as both programs show them.
#ifndef VYROKIT_PRODUCTINFO_H
#define VYROKIT_PRODUCTINFO_H

#include <QString>

namespace vyrokit {

// Names that are never translated; each program keeps its own settings organisation and
// application name, so moving a program's settings never follows from a change here.
class ProductInfo final
{
public:
    ProductInfo() = delete;

    // The maker ("Orv"), as in the program titles "Orv Zentara".
    static QString maker();
    // The product family ("Orv Vyro"), as in the sentences naming the driver or the setup.
    static QString family();
};

} // namespace vyrokit

#endif // VYROKIT_PRODUCTINFO_H
