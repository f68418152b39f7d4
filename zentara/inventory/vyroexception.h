// vyroexception.h: an exception carrying a camera library return code.
#ifndef ZENTARA_INVENTORY_VYROEXCEPTION_H
#define ZENTARA_INVENTORY_VYROEXCEPTION_H

#include <exception>
#include <string>

class VyroException : public std::exception
{
public:
    explicit VyroException(int ret);

    int ret() const noexcept { return m_ret; }
    // "Custom exception: ret=<code>".
    const char *what() const noexcept override;

private:
    int m_ret;
    std::string m_message;
};

#endif // ZENTARA_INVENTORY_VYROEXCEPTION_H
