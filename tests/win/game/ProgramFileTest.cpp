// The built program file as Windows reads it: the manifest that the
// system's loader parses (the Windows versions it is made for, the rights it
// asks for) and the version resource that Properties shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace orvane::game::test {
namespace {

// The manifest's supportedOS entries, Windows 7 to 10 and 11.
const GUID SupportedSystems[] = {
    {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}},
    {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}},
    {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}},
    {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}},
};

// The program's manifest resource as an activation context, which is what
// the loader makes of it when the program starts.
class TProgramManifest {
public:
    TProgramManifest()
    {
        ACTCTXW request{};
        request.cbSize = sizeof(request);
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = ORVANE_GAME_PROGRAM;
        request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
        context = CreateActCtxW(&request);
    }
    ~TProgramManifest()
    {
        if (context != INVALID_HANDLE_VALUE)
            ReleaseActCtx(context);
    }
    TProgramManifest(const TProgramManifest&) = delete;
    TProgramManifest& operator=(const TProgramManifest&) = delete;

    bool Loaded() const { return context != INVALID_HANDLE_VALUE; }
    std::vector<unsigned char> Query(ULONG informationClass) const
    {
        std::vector<unsigned char> answer(4096);
        SIZE_T size = 0;
        if (!QueryActCtxW(0, context, nullptr, informationClass, answer.data(), answer.size(), &size))
            return {};
        answer.resize(size);
        return answer;
    }

private:
    HANDLE context = INVALID_HANDLE_VALUE;
};

TEST(ProgramFile, ItsManifestNamesWindows7To11AndAsksForTheRightsOfItsUser)
{
    const TProgramManifest manifest;
    ASSERT_TRUE(manifest.Loaded()) << "the loader does not accept the manifest: error " << GetLastError();

    // The entries' layout differs between versions of the system's headers:
    // each GUID is looked for in the answer's bytes.
    const std::vector<unsigned char> compatibility = manifest.Query(CompatibilityInformationInActivationContext);
    ASSERT_GE(compatibility.size(), sizeof(DWORD)) << "no compatibility answer: error " << GetLastError();
    DWORD count = 0;
    std::memcpy(&count, compatibility.data(), sizeof(count));
    EXPECT_EQ(count, std::size(SupportedSystems));
    for (const GUID& system : SupportedSystems) {
        bool found = false;
        for (size_t at = 0; !found && at + sizeof(GUID) <= compatibility.size(); ++at)
            found = std::memcmp(compatibility.data() + at, &system, sizeof(GUID)) == 0;
        EXPECT_TRUE(found) << "supportedOS {" << std::hex << system.Data1 << "-...} is missing";
    }

    const std::vector<unsigned char> runLevel = manifest.Query(RunlevelInformationInActivationContext);
    ASSERT_EQ(runLevel.size(), sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION))
        << "no run level answer: error " << GetLastError();
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level{};
    std::memcpy(&level, runLevel.data(), sizeof(level));
    EXPECT_EQ(level.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(level.UiAccess, 0u);
}

TEST(ProgramFile, ItsDescriptionTellsThe32And64BitProgramsApart)
{
    DWORD ignored = 0;
    std::vector<unsigned char> information(GetFileVersionInfoSizeW(ORVANE_GAME_PROGRAM, &ignored));
    ASSERT_FALSE(information.empty()) << "no version resource";
    ASSERT_TRUE(GetFileVersionInfoW(ORVANE_GAME_PROGRAM, 0, DWORD(information.size()), information.data()));
    wchar_t* description = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(information.data(), L"\\StringFileInfo\\040904B0\\FileDescription",
                               reinterpret_cast<void**>(&description), &length));
    const std::wstring expected = sizeof(void*) == 8 ? L"Orvane Sudoku (64-bit)" : L"Orvane Sudoku (32-bit)";
    EXPECT_EQ(std::wstring(description), expected);
}

} // namespace
} // namespace orvane::game::test
