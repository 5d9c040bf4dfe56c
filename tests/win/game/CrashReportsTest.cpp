// Crash reports: a program that crashes (win_crash_child.exe, which starts
// the reports as the game does) leaves a minidump that the minidump API
// opens and a one-line record that names the exception and the module it
// happened in; the player sees where they are.
#include "HandInput.h"
#include "WindowTesting.h"

#include "framework/CrashReports.h"
#include "game/DataFolder.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <dbghelp.h>

#include <cwctype>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::game::test {
namespace {

using framework::UnhandledCppExceptionCode;

// Writing a dump under Wine on a loaded machine takes a while.
constexpr int ReportPatience = 30000;

struct TProcessWindowSearch {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK MatchProcessDialog(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<TProcessWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window) || orvane::test::WindowClassName(window) != L"#32770")
        return TRUE;
    search.found = window;
    return FALSE;
}

// The visible dialog box (a message box) of another process.
HWND DialogOf(DWORD process)
{
    TProcessWindowSearch search{process};
    EnumWindows(&MatchProcessDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK KeepLongestStaticText(HWND child, LPARAM data)
{
    auto& longest = *reinterpret_cast<std::wstring*>(data);
    if (orvane::test::WindowClassName(child) == L"Static") {
        std::wstring text = orvane::test::WindowText(child);
        if (text.size() > longest.size())
            longest = std::move(text);
    }
    return TRUE;
}

// The message of a message box: its longest static text.
std::wstring MessageOf(HWND box)
{
    std::wstring longest;
    EnumChildWindows(box, &KeepLongestStaticText, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t& character : text)
        character = wchar_t(std::towlower(character));
    return text;
}

std::wstring NameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring Hex(ULONG64 value)
{
    std::wostringstream text;
    text << L"0x" << std::uppercase << std::hex << value;
    return text.str();
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::wstring FromUtf8(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()))));
    return wide;
}

// The report's files of one process: "crash-DATE-TIME-PROCESS.dmp" and ".txt".
std::vector<std::wstring> ReportFiles(const std::wstring& folder, DWORD process)
{
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW entry{};
    const std::wstring pattern = folder + L"crash-*-" + std::to_wstring(process) + L".*";
    HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do
        found.push_back(folder + entry.cFileName);
    while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// What the minidump API reads back from a dump.
struct TDumpContent {
    bool opened = false;
    DWORD exceptionCode = 0;
    ULONG64 exceptionAddress = 0;
    DWORD threadId = 0;
    bool threadListed = false;
    std::wstring module; // the name of the module that holds the address
    ULONG64 moduleBase = 0;
};

TDumpContent ReadDump(const std::wstring& path)
{
    TDumpContent content;
    const std::string bytes = ReadBytes(path);
    if (bytes.empty())
        return content;
    void* base = const_cast<char*>(bytes.data());
    const auto stream = [&](ULONG kind, ULONG& size) {
        MINIDUMP_DIRECTORY* directory = nullptr;
        void* data = nullptr;
        size = 0;
        return MiniDumpReadDumpStream(base, kind, &directory, &data, &size) ? data : nullptr;
    };
    ULONG size = 0;
    auto* exception = static_cast<MINIDUMP_EXCEPTION_STREAM*>(stream(ExceptionStream, size));
    auto* modules = static_cast<MINIDUMP_MODULE_LIST*>(stream(ModuleListStream, size));
    auto* threads = static_cast<MINIDUMP_THREAD_LIST*>(stream(ThreadListStream, size));
    if (!exception || !modules || !threads)
        return content;
    content.opened = true;
    content.exceptionCode = exception->ExceptionRecord.ExceptionCode;
    content.exceptionAddress = exception->ExceptionRecord.ExceptionAddress;
    content.threadId = exception->ThreadId;
    for (ULONG32 index = 0; index < threads->NumberOfThreads; ++index)
        content.threadListed = content.threadListed || threads->Threads[index].ThreadId == content.threadId;
    for (ULONG32 index = 0; index < modules->NumberOfModules; ++index) {
        const MINIDUMP_MODULE& module = modules->Modules[index];
        if (content.exceptionAddress < module.BaseOfImage ||
            content.exceptionAddress >= module.BaseOfImage + module.SizeOfImage)
            continue;
        const auto* name = reinterpret_cast<const MINIDUMP_STRING*>(bytes.data() + module.ModuleNameRva);
        content.module = NameOf(std::wstring(name->Buffer, name->Length / sizeof(WCHAR)));
        content.moduleBase = module.BaseOfImage;
    }
    return content;
}

struct TCrashCase {
    const wchar_t* failure;   // the child's command line
    DWORD code;               // its exception, and so its exit code
    const wchar_t* meaning;   // what the record says of it
    bool inChild;             // whether the address lies in the child's own code
};

TEST(CrashReports, AFailureLeavesADumpThatOpensARecordThatNamesItAndAMessageThatSaysWhere)
{
    const TCrashCase cases[] = {
        {L"access-violation", EXCEPTION_ACCESS_VIOLATION, L"(access violation writing 0x", true},
        {L"stack-overflow", EXCEPTION_STACK_OVERFLOW, L"(stack overflow)", true},
        {L"cpp-exception", UnhandledCppExceptionCode,
         L"(unhandled C++ exception: a test's exception that nothing catches)", false},
    };
    const std::wstring folder = DataFolderPath() + framework::CrashFolderName + L"\\";
    for (const TCrashCase& crash : cases) {
        SCOPED_TRACE(testing::Message() << "the child's failure: " << std::string(crash.failure, crash.failure + wcslen(crash.failure)));
        std::wstring commandLine = L"\"" ORVANE_CRASH_CHILD L"\" " + std::wstring(crash.failure);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION child{};
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &child))
            << "the crashing program did not start: error " << GetLastError();
        CloseHandle(child.hThread);

        // The message box: where the report is. The player closes it.
        HWND box = nullptr;
        EXPECT_TRUE(orvane::test::WaitUntil([&] { return (box = DialogOf(child.dwProcessId)) != nullptr; },
                                            ReportPatience))
            << "no message box from the crashed program";
        if (box) {
            const std::wstring message = MessageOf(box);
            EXPECT_NE(message.find(L"Orvane Sudoku has stopped"), std::wstring::npos) << message.c_str();
            EXPECT_NE(message.find(folder), std::wstring::npos) << message.c_str();
            RECT button{};
            GetWindowRect(GetDlgItem(box, IDOK), &button);
            orvane::test::ClickAtScreen({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
        }
        const bool ended = WaitForSingleObject(child.hProcess, ReportPatience) == WAIT_OBJECT_0;
        if (!ended)
            TerminateProcess(child.hProcess, 1);
        DWORD exitCode = 0;
        GetExitCodeProcess(child.hProcess, &exitCode);
        CloseHandle(child.hProcess);
        ASSERT_TRUE(ended) << "the crashed program did not end once its message was closed";
        EXPECT_EQ(exitCode, crash.code);

        std::wstring dumpPath, recordPath;
        for (const std::wstring& file : ReportFiles(folder, child.dwProcessId))
            (file.ends_with(L".dmp") ? dumpPath : recordPath) = file;
        ASSERT_FALSE(dumpPath.empty()) << "no dump in the crashes folder";
        ASSERT_FALSE(recordPath.empty()) << "no record in the crashes folder";

        const TDumpContent dump = ReadDump(dumpPath);
        EXPECT_TRUE(dump.opened) << "the minidump API does not read the dump's exception, modules and threads";
        EXPECT_EQ(dump.exceptionCode, crash.code);
        EXPECT_TRUE(dump.threadListed) << "the failing thread is not among the dump's threads";
        EXPECT_FALSE(dump.module.empty()) << "no module of the dump holds the exception's address";
        if (crash.inChild) {
            EXPECT_EQ(Lower(dump.module), L"win_crash_child.exe");
        }

        // One line: the exception's code and meaning, and the module with
        // the offset of the address in it, as the dump has them.
        const std::wstring record = FromUtf8(ReadBytes(recordPath));
        EXPECT_TRUE(record.ends_with(L"\r\n") && record.find(L'\n') == record.size() - 1) << record.c_str();
        EXPECT_NE(record.find(L" UTC  Orvane Sudoku  exception " + Hex(crash.code) + L" " + crash.meaning),
                  std::wstring::npos)
            << record.c_str();
        EXPECT_NE(record.find(L") in " + dump.module + L"+" + Hex(dump.exceptionAddress - dump.moduleBase) + L" at "),
                  std::wstring::npos)
            << record.c_str();
        EXPECT_NE(record.find(L"; dump " + NameOf(dumpPath)), std::wstring::npos) << record.c_str();

        DeleteFileW(dumpPath.c_str());
        DeleteFileW(recordPath.c_str());
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace
} // namespace orvane::game::test
