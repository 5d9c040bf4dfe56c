#include "core/skinpackage/Sk2SkinFileReader.h"

#include "core/base/Exception.h"
#include "core/base/FileBytes.h"
#include "core/base/LittleEndian.h"
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/ExtractSkinEntry.h"
#include "core/skinpackage/NameCompare.h"
#include "core/skinpackage/Sk2File.h"
#include "core/skinpackage/TemporaryFile.h"
#include "core/text/IntegerText.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr std::string_view skinEntryName = "SKINDATA.SK2";
constexpr std::string_view wrongPasswordMessage = "Wrong password!";
constexpr std::string_view readFailedMessage = "Failed to read skin file!";

// The value of the first line "NAME=VALUE" whose name matches, if any.
std::optional<std::string_view> FindValue(const std::vector<std::string>& lines, std::string_view name)
{
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && NamesEqualIgnoringCase(std::string_view(line).substr(0, equals), name))
            return std::string_view(line).substr(equals + 1);
    }
    return std::nullopt;
}

std::optional<std::int32_t> ParseValue(const std::vector<std::string>& lines, std::string_view name)
{
    const auto value = FindValue(lines, name);
    if (!value)
        return std::nullopt;
    return TryStrToInt(*value);
}

} // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::filesystem::path& packagePath, const std::string& password)
{
    LoadSkinFile(packagePath, password);
}

void Tsk2SkinFileReader::LoadSkinFile(const std::filesystem::path& packagePath, const std::string& password)
{
    std::optional<std::vector<std::uint8_t>> skinFile;
    {
        // The extracted record file lives only inside this block: the
        // temporary file goes whether extraction and reading succeed or not.
        TemporaryFile temporary;
        switch (ExtractSkinEntry(packagePath, skinEntryName, temporary.Path(), password)) {
        case ExtractResult::Extracted:
            break;
        case ExtractResult::WrongPassword:
            throw Exception(std::string(wrongPasswordMessage));
        case ExtractResult::ReadFailed:
            throw Exception(std::string(readFailedMessage));
        }
        skinFile = ReadFileBytes(temporary.Path());
    }
    if (!skinFile)
        throw Exception(std::string(readFailedMessage));
    auto entries = ReadSk2File(*skinFile);
    if (!entries)
        throw Exception(std::string(readFailedMessage));

    for (Sk2Entry& entry : *entries) {
        switch (entry.type) {
        case Sk2EntryType::Image: {
            auto bitmap = DecodeWindowsBitmap(entry.data);
            if (!bitmap)
                throw Exception(std::string(readFailedMessage));
            images.push_back({std::move(entry.name), std::make_unique<Bitmap>(std::move(*bitmap))});
            break;
        }
        case Sk2EntryType::Integer:
            integers.push_back(entry.name + "=" + std::to_string(ReadI32LE(entry.data, 0)));
            break;
        case Sk2EntryType::Bool:
            bools.push_back(entry.name + "=" + std::to_string(unsigned(entry.data[0])));
            break;
        case Sk2EntryType::String:
            strings.push_back(entry.name + "=" + std::string(entry.data.begin(), entry.data.end()));
            break;
        }
    }
}

Bitmap* Tsk2SkinFileReader::GetImage(std::string_view name) const
{
    for (const ImageEntry& image : images) {
        if (NamesEqualIgnoringCase(image.name, name))
            return image.bitmap.get();
    }
    return nullptr;
}

std::int32_t Tsk2SkinFileReader::GetInteger(std::string_view name) const
{
    return ParseValue(integers, name).value_or(-1);
}

bool Tsk2SkinFileReader::GetBool(std::string_view name) const
{
    return (ParseValue(bools, name).value_or(0) & 0xFF) != 0;
}

void Tsk2SkinFileReader::SetImagesTransparentColor(Color color)
{
    for (ImageEntry& image : images) {
        image.bitmap->Transparent = true;
        image.bitmap->TransparentColor = color;
    }
}

} // namespace orvane
