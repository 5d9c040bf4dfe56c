#include "core/skinpackage/Sk2SkinFileReader.h"

#include "core/base/Exception.h"
#include "core/base/LittleEndian.h"
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/ExtractSkinEntry.h"
#include "core/skinpackage/NameCompare.h"
#include "core/skinpackage/Sk2File.h"
#include "core/skinpackage/SkinLimits.h"
#include "core/skinpackage/SkinReadError.h"
#include "core/skinpackage/TemporaryFile.h"
#include "core/text/IntegerText.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace orvane {
namespace {

constexpr std::string_view SkinEntryName = "SKINDATA.SK2";
constexpr std::string_view WrongPasswordMessage = "Wrong password!";
constexpr std::string_view ReadFailedMessage = "Failed to read skin file!";

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
    // Memory can run out anywhere on the way, in the inflater's buffers as in
    // the pixels; that is a package the program cannot load, not a reason to
    // end the program. Unwinding has removed the temporary file by then.
    try {
        LoadSkinFile(packagePath, password);
    } catch (const std::bad_alloc&) {
        throw SkinReadError(std::string(ReadFailedMessage), SkinReadFailure::OutOfMemory);
    } catch (const std::length_error&) {
        throw SkinReadError(std::string(ReadFailedMessage), SkinReadFailure::OutOfMemory);
    }
}

void Tsk2SkinFileReader::LoadSkinFile(const std::filesystem::path& packagePath, const std::string& password)
{
    const auto fail = [](SkinReadFailure failure, std::string detail = {}) {
        return SkinReadError(std::string(ReadFailedMessage), failure, std::move(detail));
    };

    std::optional<std::vector<std::uint8_t>> skinFile;
    {
        // The extracted record file lives only inside this block: the
        // temporary file goes whether extraction and reading succeed or not.
        TemporaryFile temporary;
        if (!temporary.IsOpen())
            throw fail(SkinReadFailure::TemporaryFileFailed, "cannot create " + temporary.Path().string());
        SkinReadFailure failure = SkinReadFailure::None;
        switch (ExtractSkinEntry(packagePath, SkinEntryName, temporary, password, &failure)) {
        case ExtractResult::Extracted:
            break;
        case ExtractResult::WrongPassword:
            throw SkinReadError(std::string(WrongPasswordMessage), failure);
        case ExtractResult::ReadFailed:
            throw fail(failure);
        }
        skinFile = temporary.ReadAll();
        if (!skinFile)
            throw fail(SkinReadFailure::TemporaryFileFailed, "cannot read back " + temporary.Path().string());
    }
    SkinReadFailure failure = SkinReadFailure::None;
    auto entries = ReadSk2File(*skinFile, &failure);
    if (!entries)
        throw fail(failure);
    skinFile.reset();

    std::uint64_t pixelsLeft = MaxSkinTotalPixels;
    for (Sk2Entry& entry : *entries) {
        switch (entry.type) {
        case Sk2EntryType::Image: {
            // The size comes from the header, so that an image over a limit
            // fails before its pixels take memory.
            const auto size = ReadWindowsBitmapSize(entry.data);
            if (!size)
                throw fail(SkinReadFailure::DamagedImage, "image " + entry.name);
            const std::uint64_t pixels = std::uint64_t(size->width) * std::uint64_t(size->height);
            const std::string sizeText = std::to_string(size->width) + " x " + std::to_string(size->height);
            if (pixels > MaxSkinImagePixels)
                throw fail(SkinReadFailure::OverLimit, "image " + entry.name + " has " + sizeText + " pixels");
            if (pixels > pixelsLeft)
                throw fail(SkinReadFailure::OverLimit, "the images up to " + entry.name + " have too many pixels");
            pixelsLeft -= pixels;
            auto bitmap = DecodeWindowsBitmap(entry.data, pixels);
            if (!bitmap)
                throw fail(SkinReadFailure::DamagedImage, "image " + entry.name);
            std::vector<std::uint8_t>().swap(entry.data);
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
