#include "framework/GuardedCallback.h"

#include "core/base/Exception.h"
#include "framework/TApplication.h"

#include <windows.h>

#include <exception>
#include <string>

namespace orvane::framework {

namespace {

constexpr wchar_t LogPrefix[] = L"Orvane: an error was caught at a callback's edge: ";
constexpr wchar_t UnknownError[] = L"Unknown error";

// The caught exception as the application would show it.
Exception CaughtException()
{
    try {
        throw;
    } catch (const Exception& error) {
        return error;
    } catch (const std::exception& error) {
        return Exception(ExceptionMessage(error));
    } catch (...) {
        return Exception(std::wstring(UnknownError));
    }
}

void Log(const std::wstring& message)
{
    OutputDebugStringW((LogPrefix + message + L"\n").c_str());
}

} // namespace

void ReportCaughtException(TCallbackFailure failure) noexcept
{
    try {
        const Exception error = CaughtException();
        if (failure == TCallbackFailure::Queue && Application) {
            Application->QueueException(error);
            return;
        }
        Log(error.Message());
    } catch (...) {
        // Out of memory for the message itself: say at least that much.
        OutputDebugStringW(LogPrefix);
        OutputDebugStringW(L"(no room for its message)\n");
    }
}

} // namespace orvane::framework
