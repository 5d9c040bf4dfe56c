#include "SkinArt.h"

#include "core/base/Exception.h"

namespace orvane::art {

Color ManifestColors::operator()(std::string_view key) const
{
    const ManifestEntry* entry = manifest.Find(key);
    if (entry == nullptr || entry->kind != ManifestKind::Colour)
        throw Exception("the manifest has no colour " + std::string(key));
    return Color(entry->number);
}

} // namespace orvane::art
