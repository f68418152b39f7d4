// zentaralogging.h: the camera manager's logging category. SDK failures that no box reports are
// logged there, as "zentara" warnings.
#ifndef ZENTARA_INVENTORY_ZENTARALOGGING_H
#define ZENTARA_INVENTORY_ZENTARALOGGING_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcZentara)

#endif // ZENTARA_INVENTORY_ZENTARALOGGING_H
