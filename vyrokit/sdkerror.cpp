// sdkerror.cpp: the user's text of a failed SDK call, alike in every box and log of both programs.
#include "vyrokit/sdkerror.h"

namespace vyrokit {

QString SdkError::text(VY_HCAM handle, int32_t result)
{
    return text(result, sdkMessage(handle, result));
}

QString SdkError::text(int32_t result, const QString &sdkMessage)
{
    QString message = sdkMessage.trimmed();
    // The sentence ends after the code: a full stop of the SDK's own would come twice.
    while (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    if (message.isEmpty())
        return tr("The camera library reported error %1.").arg(result);
    return tr("%1 (code %2).").arg(message).arg(result);
}

QString SdkError::sdkMessage(VY_HCAM handle, int32_t result)
{
    int32_t code = VY_SUCCESS;
    char *message = nullptr;
    if (vy_GetError(handle, &code, &message) != VY_SUCCESS || code != result || !message)
        return QString();
    return QString::fromLocal8Bit(message).trimmed();
}

} // namespace vyrokit
