#include "core/skinpackage/Sk2SkinFileReader.h"

#include "core/base/Exception.h"

namespace orvane {

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::filesystem::path& packagePath, const std::string& password)
{
    LoadSkinFile(packagePath, password);
}

void Tsk2SkinFileReader::LoadSkinFile(const std::filesystem::path&, const std::string&)
{
    throw Exception("Failed to read skin file!");
}

Bitmap* Tsk2SkinFileReader::GetImage(std::string_view) const { return nullptr; }
std::int32_t Tsk2SkinFileReader::GetInteger(std::string_view) const { return -1; }
bool Tsk2SkinFileReader::GetBool(std::string_view) const { return false; }
void Tsk2SkinFileReader::SetImagesTransparentColor(Color) {}

} // namespace orvane
