#include "framework/CrashReports.h"

#include <dbghelp.h>

#include <cstdint>
#include <cstdlib>
#include <exception>

namespace orvane::framework {

namespace {

// Room for a path, the record line and the message. A crashed process
// composes them in these fixed buffers rather than on a heap that may be
// the very thing that is damaged.
constexpr size_t TextRoom = 2048;
constexpr size_t CppMessageRoom = 512;
// Stack kept back on the main thread for the filter after a stack overflow.
constexpr ULONG OverflowStackReserve = 64 * 1024;
constexpr wchar_t DumpLibraryName[] = L"\\dbghelp.dll";

struct TExceptionName {
    DWORD code;
    const wchar_t* name;
};

constexpr TExceptionName ExceptionNames[] = {
    {EXCEPTION_ACCESS_VIOLATION, L"access violation"},
    {EXCEPTION_STACK_OVERFLOW, L"stack overflow"},
    {EXCEPTION_ILLEGAL_INSTRUCTION, L"illegal instruction"},
    {EXCEPTION_PRIV_INSTRUCTION, L"privileged instruction"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO, L"integer division by zero"},
    {EXCEPTION_INT_OVERFLOW, L"integer overflow"},
    {EXCEPTION_FLT_DIVIDE_BY_ZERO, L"floating-point division by zero"},
    {EXCEPTION_FLT_INVALID_OPERATION, L"invalid floating-point operation"},
    {EXCEPTION_IN_PAGE_ERROR, L"in-page error"},
    {EXCEPTION_DATATYPE_MISALIGNMENT, L"misaligned data"},
    {EXCEPTION_ARRAY_BOUNDS_EXCEEDED, L"array bounds exceeded"},
    {EXCEPTION_BREAKPOINT, L"breakpoint"},
    {0xC0000374, L"heap corruption"},
    {UnhandledCppExceptionCode, L"unhandled C++ exception"},
};

// What an access violation's record says it tried (its first parameter).
constexpr const wchar_t* AccessKinds[] = {L"reading", L"writing"};
constexpr ULONG_PTR ExecuteAccess = 8;

using TMiniDumpWriteDump = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                         PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);

// Everything the report needs, prepared at the start.
struct TCrashReporter {
    std::wstring dataFolder;
    std::wstring folder;
    std::wstring title;
    std::wstring dumpLibrary;
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
    // The message of a C++ exception that reached std::terminate, in UTF-8.
    char cppMessage[CppMessageRoom]{};
    volatile LONG reporting = 0;
    volatile DWORD reportThread = 0;
};

TCrashReporter& Reporter()
{
    static TCrashReporter reporter;
    return reporter;
}

// A kernel handle closed with its owner.
class TKernelHandle {
public:
    explicit TKernelHandle(HANDLE taken) : handle(taken == INVALID_HANDLE_VALUE ? nullptr : taken) {}
    ~TKernelHandle()
    {
        if (handle)
            CloseHandle(handle);
    }
    TKernelHandle(const TKernelHandle&) = delete;
    TKernelHandle& operator=(const TKernelHandle&) = delete;

    HANDLE Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }

private:
    HANDLE handle;
};

// Wide text composed in a fixed buffer; what does not fit is cut off.
template <size_t Room>
class TFixedText {
public:
    TFixedText& operator<<(const wchar_t* text)
    {
        while (text && *text)
            Put(*text++);
        return *this;
    }
    TFixedText& operator<<(const std::wstring& text) { return *this << text.c_str(); }
    // "0x" and the value's hexadecimal digits, at least minimumDigits of them.
    TFixedText& Hex(uint64_t value, int minimumDigits)
    {
        *this << L"0x";
        int digits = 1;
        while (digits < 16 && (value >> (digits * 4)) != 0)
            ++digits;
        if (digits < minimumDigits)
            digits = minimumDigits;
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            Put(L"0123456789ABCDEF"[(value >> shift) & 0xF]);
        return *this;
    }
    TFixedText& Decimal(uint64_t value, int minimumDigits = 1)
    {
        wchar_t digits[24];
        int count = 0;
        do {
            digits[count++] = wchar_t(L'0' + value % 10);
            value /= 10;
        } while (value != 0 || count < minimumDigits);
        while (count > 0)
            Put(digits[--count]);
        return *this;
    }
    // Text that must stay on one line: line breaks and tabs become spaces.
    TFixedText& OneLine(const wchar_t* text)
    {
        for (; text && *text; ++text)
            Put(*text < L' ' ? L' ' : *text);
        return *this;
    }

    const wchar_t* Get() const { return buffer; }
    size_t Length() const { return length; }
    bool Whole() const { return !cut; }

private:
    void Put(wchar_t character)
    {
        if (length + 1 >= Room) {
            cut = true;
            return;
        }
        buffer[length++] = character;
        buffer[length] = L'\0';
    }

    wchar_t buffer[Room]{};
    size_t length = 0;
    bool cut = false;
};

using TText = TFixedText<TextRoom>;

constexpr int AddressDigits = int(sizeof(void*) * 2);

const wchar_t* ExceptionName(DWORD code)
{
    for (const TExceptionName& known : ExceptionNames) {
        if (known.code == code)
            return known.name;
    }
    return L"unknown exception";
}

// The module that holds the address; null when none does.
HMODULE ModuleOf(const void* address)
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(address), &module);
    return module;
}

// The module that holds the address, as "NAME+0xOFFSET".
void AppendModuleOf(TText& text, const void* address)
{
    HMODULE module = ModuleOf(address);
    if (!module) {
        text << L"no module";
        return;
    }
    wchar_t path[MAX_PATH]{};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    const wchar_t* name = path;
    for (DWORD index = 0; index < length; ++index) {
        if (path[index] == L'\\' || path[index] == L'/')
            name = path + index + 1;
    }
    text << (length ? name : L"an unnamed module");
    text << L"+";
    text.Hex(uint64_t(reinterpret_cast<uintptr_t>(address) - reinterpret_cast<uintptr_t>(module)), 1);
}

// The record's one line: when, which program, what and where.
void ComposeRecord(TText& line, const SYSTEMTIME& now, const EXCEPTION_RECORD& exception, DWORD threadId,
                   const wchar_t* dumpName)
{
    const TCrashReporter& reporter = Reporter();
    line.Decimal(now.wYear, 4) << L"-";
    line.Decimal(now.wMonth, 2) << L"-";
    line.Decimal(now.wDay, 2) << L" ";
    line.Decimal(now.wHour, 2) << L":";
    line.Decimal(now.wMinute, 2) << L":";
    line.Decimal(now.wSecond, 2) << L" UTC  " << reporter.title << L"  exception ";
    line.Hex(exception.ExceptionCode, 8) << L" (" << ExceptionName(exception.ExceptionCode);
    if (exception.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && exception.NumberParameters >= 2) {
        const ULONG_PTR kind = exception.ExceptionInformation[0];
        line << L" " << (kind == ExecuteAccess ? L"executing" : AccessKinds[kind == 1 ? 1 : 0]) << L" ";
        line.Hex(exception.ExceptionInformation[1], AddressDigits);
    }
    if (exception.ExceptionCode == UnhandledCppExceptionCode) {
        wchar_t message[CppMessageRoom]{};
        if (reporter.cppMessage[0] != '\0')
            MultiByteToWideChar(CP_UTF8, 0, reporter.cppMessage, -1, message, int(CppMessageRoom) - 1);
        line << L": ";
        line.OneLine(message[0] ? message : L"std::terminate without an exception");
    }
    line << L") in ";
    AppendModuleOf(line, exception.ExceptionAddress);
    line << L" at ";
    line.Hex(uint64_t(reinterpret_cast<uintptr_t>(exception.ExceptionAddress)), AddressDigits);
    line << L", thread ";
    line.Decimal(threadId) << L"; dump " << dumpName;
}

bool RunningOnWine()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// The modules a dump lists in full under Wine: the program's own and the
// one the exception happened in. Wine's dump library copies the unwind
// data of every function of every module it lists, which for the system's
// modules takes tens of seconds while the player waits; Windows' does not,
// and lists them all.
struct TDumpModules {
    HMODULE program;
    HMODULE failing;
};

BOOL CALLBACK ChooseDumpModules(void* data, PMINIDUMP_CALLBACK_INPUT input, PMINIDUMP_CALLBACK_OUTPUT output)
{
    const auto& modules = *static_cast<const TDumpModules*>(data);
    if (input->CallbackType != ModuleCallback)
        return TRUE;
    const auto base = reinterpret_cast<HMODULE>(uintptr_t(input->Module.BaseOfImage));
    if (base != modules.program && base != modules.failing)
        output->ModuleWriteFlags &= ~ModuleWriteModule;
    return TRUE;
}

bool WriteDump(const wchar_t* path, EXCEPTION_POINTERS* pointers, DWORD threadId)
{
    // The library stays loaded: the process ends after the report.
    HMODULE library = LoadLibraryW(Reporter().dumpLibrary.c_str());
    if (!library)
        return false;
    const auto writeDump =
        reinterpret_cast<TMiniDumpWriteDump>(reinterpret_cast<void*>(GetProcAddress(library, "MiniDumpWriteDump")));
    if (!writeDump)
        return false;
    bool written = false;
    {
        TKernelHandle file(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        MINIDUMP_EXCEPTION_INFORMATION exception{threadId, pointers, FALSE};
        TDumpModules modules{GetModuleHandleW(nullptr), ModuleOf(pointers->ExceptionRecord->ExceptionAddress)};
        MINIDUMP_CALLBACK_INFORMATION callback{&ChooseDumpModules, &modules};
        written = writeDump(GetCurrentProcess(), GetCurrentProcessId(), file.Get(), MiniDumpNormal, &exception,
                            nullptr, RunningOnWine() ? &callback : nullptr) != FALSE;
    }
    // No half-written dump that a debugger would refuse.
    if (!written)
        DeleteFileW(path);
    return written;
}

bool WriteRecord(const wchar_t* path, const TText& line)
{
    char bytes[TextRoom * 3 + 2]{};
    int count = WideCharToMultiByte(CP_UTF8, 0, line.Get(), int(line.Length()), bytes, int(sizeof(bytes) - 2),
                                    nullptr, nullptr);
    if (count <= 0)
        return false;
    bytes[count++] = '\r';
    bytes[count++] = '\n';
    TKernelHandle file(
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.Get(), bytes, DWORD(count), &written, nullptr) && written == DWORD(count);
}

struct TCrashJob {
    EXCEPTION_POINTERS* pointers;
    DWORD threadId;
};

// Writes the report and tells the player. It runs on a thread of its own:
// the crashed thread may have no stack left (a stack overflow), and a dump
// of a thread taken from that same thread shows the dump's own calls.
DWORD WINAPI WriteReport(void* data)
{
    const TCrashJob& job = *static_cast<const TCrashJob*>(data);
    TCrashReporter& reporter = Reporter();
    reporter.reportThread = GetCurrentThreadId();

    SYSTEMTIME now{};
    GetSystemTime(&now);
    TFixedText<64> name;
    name << L"crash-";
    name.Decimal(now.wYear, 4).Decimal(now.wMonth, 2).Decimal(now.wDay, 2) << L"-";
    name.Decimal(now.wHour, 2).Decimal(now.wMinute, 2).Decimal(now.wSecond, 2) << L"-";
    name.Decimal(GetCurrentProcessId());
    TFixedText<64> dumpName, recordName;
    dumpName << name.Get() << L".dmp";
    recordName << name.Get() << L".txt";
    TText dumpPath, recordPath;
    dumpPath << reporter.folder << dumpName.Get();
    recordPath << reporter.folder << recordName.Get();

    CreateDirectoryW(reporter.dataFolder.c_str(), nullptr);
    CreateDirectoryW(reporter.folder.c_str(), nullptr);
    const bool dumped = dumpPath.Whole() && WriteDump(dumpPath.Get(), job.pointers, job.threadId);
    TText line;
    ComposeRecord(line, now, *job.pointers->ExceptionRecord, job.threadId, dumped ? dumpName.Get() : L"none");
    const bool recorded = recordPath.Whole() && WriteRecord(recordPath.Get(), line);

    TText message;
    message << reporter.title << L" has stopped because of an error it could not handle.\n\n";
    if (dumped || recorded) {
        message << L"A crash report was saved in the folder\n" << reporter.folder << L"\n\nas ";
        if (dumped)
            message << dumpName.Get() << (recorded ? L" and " : L"");
        if (recorded)
            message << recordName.Get();
        message << L".";
    } else {
        message << L"No crash report could be saved in the folder\n" << reporter.folder;
    }
    // A plain system box, owned by no window: the program's windows and the
    // hooks that dress them belong to the crashed thread.
    MessageBoxW(nullptr, message.Get(), reporter.title.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
    return 0;
}

LONG WINAPI ReportUnhandledException(EXCEPTION_POINTERS* pointers)
{
    TCrashReporter& reporter = Reporter();
    // The runtime's own filter comes first: it lets a C++ exception that
    // found no handler go back to the runtime, which then calls
    // std::terminate (and so ReportUnhandledCppException).
    if (reporter.previousFilter) {
        const LONG action = reporter.previousFilter(pointers);
        if (action == EXCEPTION_CONTINUE_EXECUTION)
            return action;
    }
    if (InterlockedExchange(&reporter.reporting, 1) != 0) {
        // The report itself failed: end the process. Another thread that
        // fails meanwhile waits, so that the first report is the one kept.
        if (GetCurrentThreadId() == reporter.reportThread)
            return EXCEPTION_EXECUTE_HANDLER;
        Sleep(INFINITE);
    }
    TCrashJob job{pointers, GetCurrentThreadId()};
    TKernelHandle thread(CreateThread(nullptr, 0, &WriteReport, &job, 0, nullptr));
    if (thread)
        WaitForSingleObject(thread.Get(), INFINITE);
    else
        WriteReport(&job);
    return EXCEPTION_EXECUTE_HANDLER;
}

void KeepCppMessage(const char* text)
{
    char* kept = Reporter().cppMessage;
    size_t index = 0;
    for (; text && text[index] != '\0' && index + 1 < CppMessageRoom; ++index)
        kept[index] = text[index];
    kept[index] = '\0';
}

// std::terminate's handler: keeps the exception's message and raises a
// structured exception, so that an unhandled C++ exception leaves the same
// report as a crash.
[[noreturn]] void ReportUnhandledCppException()
{
    if (std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& error) {
            KeepCppMessage(error.what());
        } catch (...) {
            KeepCppMessage("an exception that is not a std::exception");
        }
    }
    RaiseException(UnhandledCppExceptionCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    std::abort();
}

} // namespace

void StartCrashReports(std::wstring_view programTitle, const std::wstring& dataFolder)
{
    TCrashReporter& reporter = Reporter();
    reporter.title = programTitle;
    reporter.dataFolder = dataFolder;
    if (reporter.dataFolder.empty()) {
        wchar_t temporary[MAX_PATH + 1]{};
        if (GetTempPathW(MAX_PATH + 1, temporary))
            reporter.dataFolder = temporary;
    }
    reporter.folder = reporter.dataFolder + CrashFolderName + L"\\";
    // The system's copy of the dump library, never one that lies beside the program.
    wchar_t system[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    reporter.dumpLibrary = std::wstring(system, length < MAX_PATH ? length : 0) + DumpLibraryName;

    ULONG reserve = OverflowStackReserve;
    SetThreadStackGuarantee(&reserve);
    reporter.previousFilter = SetUnhandledExceptionFilter(&ReportUnhandledException);
    std::set_terminate(&ReportUnhandledCppException);
}

const std::wstring& CrashReportFolder() { return Reporter().folder; }

} // namespace orvane::framework
