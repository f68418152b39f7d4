// dapplixlogging.h: the editor's logging category. SDK failures that no box reports (a setter
// the user moved, a switch the camera refused) are logged there, as "dapplix" warnings.
#ifndef DAPPLIX_CAMERA_DAPPLIXLOGGING_H
#define DAPPLIX_CAMERA_DAPPLIXLOGGING_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcDapplix)

#endif // DAPPLIX_CAMERA_DAPPLIXLOGGING_H
