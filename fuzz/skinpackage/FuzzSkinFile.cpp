// The whole load from a file, as the program does it: the input is written
// to a package file and loaded through Tsk2SkinFileReader, so that the
// temporary file, the limits and every failure path are fuzzed. Whatever the
// outcome, the load must leave the temporary folder empty.
#include "core/base/Exception.h"
#include "core/base/FileBytes.h"
#include "core/skinpackage/Sk2SkinFileReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

std::filesystem::path workFolder;
std::filesystem::path temporaryFolder;

void RemoveWorkFolder()
{
    std::error_code error;
    std::filesystem::remove_all(workFolder, error);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A private temporary folder, so that a file left behind is seen.
    workFolder = std::filesystem::temp_directory_path() / ("orvane-fuzz-skinfile-" + std::to_string(getpid()));
    temporaryFolder = workFolder / "temp";
    std::filesystem::create_directories(temporaryFolder);
    setenv("TMPDIR", temporaryFolder.c_str(), 1);
    std::atexit(RemoveWorkFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path package = workFolder / "package.ssk";
    if (!orvane::WriteFileBytes(package, {data, size}))
        std::abort();
    try {
        // The seeds' encrypted entries use this password; others ignore it.
        orvane::Tsk2SkinFileReader reader(package, "pw");
    } catch (const orvane::Exception&) {
    }
    if (!std::filesystem::is_empty(temporaryFolder))
        std::abort();
    return 0;
}
