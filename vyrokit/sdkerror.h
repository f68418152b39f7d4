// sdkerror.h: the user's text of a failed SDK call, alike in every box and log of both programs.
#ifndef VYROKIT_SDKERROR_H
#define VYROKIT_SDKERROR_H

#include <QCoreApplication>
#include <QString>

#include <cstdint>

#include "sdk/vyro_api.h"

namespace vyrokit {

class SdkError final
{
    Q_DECLARE_TR_FUNCTIONS(SdkError)

public:
    SdkError() = delete;

    // "<the SDK's message> (code <result>)." where the SDK has a message for this failure, else
    // a sentence with the code alone. The SDK keeps its last error per thread and handle: call
    // this on the failing call's thread, right after it, with the handle the failure concerns
    // (VY_DRIVER_HANDLE for calls that address a device by its ID).
    static QString text(VY_HCAM handle, int32_t result);
    // The same from a message taken before (empty: the SDK gave none).
    static QString text(int32_t result, const QString &sdkMessage);
    // The SDK's own message of this failure; empty when it has none, or when its last error on
    // the handle is another one's (a later call's, or none at all).
    static QString sdkMessage(VY_HCAM handle, int32_t result);
};

} // namespace vyrokit

#endif // VYROKIT_SDKERROR_H
