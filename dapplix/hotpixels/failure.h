#ifndef DAPPLIX_HOTPIXELS_FAILURE_H
#define DAPPLIX_HOTPIXELS_FAILURE_H

#include <QString>

#include <stdexcept>

// The list and file operations report a failure by this exception; the window shows its text.
[[noreturn]] inline void throwFailure(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

#endif // DAPPLIX_HOTPIXELS_FAILURE_H
