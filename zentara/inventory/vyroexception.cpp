// vyroexception.cpp: the message of a failed library call.
#include "zentara/inventory/vyroexception.h"

VyroException::VyroException(int ret)
    : m_ret(ret), m_message("Custom exception: ret=" + std::to_string(ret))
{
}

const char *VyroException::what() const noexcept
{
    return m_message.c_str();
}
