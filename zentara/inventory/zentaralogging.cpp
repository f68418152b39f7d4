#include "zentara/inventory/zentaralogging.h"

Q_LOGGING_CATEGORY(lcZentara, "zentara")
