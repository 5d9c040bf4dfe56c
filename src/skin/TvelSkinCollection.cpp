#include "skin/TvelSkinCollection.h"

#include "core/text/Utf8Text.h"
#include "skin/StoredSkinPackage.h"

namespace orvane::skin {

TvelSkinCollectionItem::TvelSkinCollectionItem(const TvelSkinCollectionItem& other) { *this = other; }

TvelSkinCollectionItem& TvelSkinCollectionItem::operator=(const TvelSkinCollectionItem& other)
{
    if (this == &other)
        return *this;
    skinFile = other.skinFile;
    password = other.password;
    skinData.clear();
    if (!other.skinData.empty())
        SetSkinData(other.skinData);
    return *this;
}

void TvelSkinCollectionItem::SetSkinData(std::span<const std::uint8_t> package)
{
    skinData.assign(package.begin(), package.end());
    const TStoredSkinPackage stored(skinData, L"VELSKNT", L".ssk");
    reader.Load(stored.Path(), Utf8FromWide(password));
}

TvelSkinCollectionItem& TvelSkinCollection::Add()
{
    items.push_back(std::make_unique<TvelSkinCollectionItem>());
    return *items.back();
}

void TvelSkinCollection::Assign(const TvelSkinCollection& other)
{
    if (this == &other)
        return;
    items.clear();
    for (const auto& item : other.items)
        items.push_back(std::make_unique<TvelSkinCollectionItem>(*item));
}

} // namespace orvane::skin
