#pragma once

#include "core/skinmodel/TvelSkinReader.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace orvane::skin {

// A further skin stored in the layout beside the engine's own: its file name
// and password as the layout gives them, the stored package, and a reader
// of its own into which the package is loaded when the layout sets it.
class TvelSkinCollectionItem {
public:
    TvelSkinCollectionItem() = default;
    TvelSkinCollectionItem(const TvelSkinCollectionItem& other);
    TvelSkinCollectionItem& operator=(const TvelSkinCollectionItem& other);

    const std::wstring& SkinFile() const { return skinFile; }
    void SetSkinFile(const std::wstring& value) { skinFile = value; }
    const std::wstring& Password() const { return password; }
    void SetPassword(const std::wstring& value) { password = value; }
    const std::vector<std::uint8_t>& SkinData() const { return skinData; }
    // Stores the package and loads it into the item's reader through a
    // temporary "VELSKNT.ssk", deleted again at once. A package that cannot
    // be read raises; the item's reader is then not ready.
    void SetSkinData(std::span<const std::uint8_t> package);
    const TvelSkinReader& Reader() const { return reader; }

private:
    std::wstring skinFile;
    std::wstring password;
    std::vector<std::uint8_t> skinData;
    TvelSkinReader reader;
};

class TvelSkinCollection {
public:
    int Count() const { return int(items.size()); }
    TvelSkinCollectionItem& Items(int index) { return *items[std::size_t(index)]; }
    const TvelSkinCollectionItem& Items(int index) const { return *items[std::size_t(index)]; }
    TvelSkinCollectionItem& Add();
    void Clear() { items.clear(); }
    // Copies every item of another collection.
    void Assign(const TvelSkinCollection& other);

private:
    std::vector<std::unique_ptr<TvelSkinCollectionItem>> items;
};

} // namespace orvane::skin
