#include "SkinDump.h"

#include "ExitStatus.h"
#include "LoadFailureReport.h"

#include "core/base/Exception.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinpackage/Sk2SkinFileReader.h"

#include <cstdio>
#include <cstdlib>
#include <iomanip>

namespace orvane {
namespace {

constexpr int NameColumn = 36;

// Splits a "NAME=VALUE" line of the reader's tables.
std::pair<std::string, std::string> SplitLine(const std::string& line)
{
    const auto equals = line.find('=');
    if (equals == std::string::npos)
        return {line, {}};
    return {line.substr(0, equals), line.substr(equals + 1)};
}

std::string WebColor(std::uint32_t color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFFu, (color >> 8) & 0xFFu, (color >> 16) & 0xFFu);
    return text;
}

bool IsColorKey(const std::string& name)
{
    SkinKeyGroup group;
    int index;
    return FindSkinKey(name, group, index) && group == SkinKeyGroup::Colors;
}

} // namespace

int DumpSkin(const std::filesystem::path& package, const std::string& password, std::ostream& out,
             std::ostream& errors)
{
    try {
        const Tsk2SkinFileReader reader(package, password);
        auto line = [&](const std::string& name, const char* kind) -> std::ostream& {
            return out << std::left << std::setw(NameColumn) << name << std::setw(8) << kind;
        };
        for (const auto& image : reader.Images())
            line(image.name, "image") << image.bitmap->Width() << " x " << image.bitmap->Height() << ", "
                                      << image.bitmap->BitsPerPixel << " bpp\n";
        for (const std::string& entry : reader.Integers()) {
            const auto [name, value] = SplitLine(entry);
            line(name, "integer") << value;
            if (IsColorKey(name))
                out << " (" << WebColor(std::uint32_t(std::strtoll(value.c_str(), nullptr, 10))) << ")";
            out << '\n';
        }
        for (const std::string& entry : reader.Bools()) {
            const auto [name, value] = SplitLine(entry);
            line(name, "bool") << (value == "0" ? "false" : "true") << '\n';
        }
        for (const std::string& entry : reader.Strings()) {
            const auto [name, value] = SplitLine(entry);
            line(name, "string") << value << '\n';
        }
        return ExitOk;
    } catch (const Exception& error) {
        ReportLoadFailure(package, error, errors);
        return ExitCannotLoad;
    }
}

} // namespace orvane
