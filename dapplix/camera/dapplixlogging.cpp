#include "dapplix/camera/dapplixlogging.h"

Q_LOGGING_CATEGORY(lcDapplix, "dapplix")
