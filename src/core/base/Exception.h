#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace orvane {

// The one exception class of the program. It carries only a message, as wide
// text so that any character (a NUL shown as "#0", a name outside the ANSI
// code page) reaches the error box whole; the application's default handler
// shows that message. what() gives the same message as UTF-8.
class Exception : public std::exception {
public:
    explicit Exception(std::wstring message);
    // A message in UTF-8.
    explicit Exception(std::string_view message);

    const std::wstring& Message() const { return wideMessage; }
    const char* what() const noexcept override { return utf8Message.c_str(); }

private:
    std::wstring wideMessage;
    std::string utf8Message;
};

// The message of any exception as wide text: an Exception's own, else what().
std::wstring ExceptionMessage(const std::exception& error);

} // namespace orvane
