#pragma once
// Base of every failure the program reports to the user.  Commands catch
// cw::Exception at their own level and show message() in one message box;
// anything else escaping a command is a programming error.

#include <QString>
#include <exception>

namespace cw {

class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A file could not be read or written (settings, card, sidecar, export, report).
class EInOutError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace cw
