#pragma once

#include "core/skinmodel/TvelSkinReader.h"

namespace orvane {

// Base of the prepared image sets: bitmaps cut, turned and recoloured once
// per skin from the reader's images, so that painting only copies them. A set
// owns its bitmaps; the reader is not owned.
class TvelSkinRes {
public:
    virtual ~TvelSkinRes() = default;

    // Stores the reader and rebuilds the set from it. The engine calls this on
    // each of its sets after every skin load.
    void SetReader(const TvelSkinReader* newReader);
    const TvelSkinReader* Reader() const { return reader; }

    // Frees the set's bitmaps and, when the reader is present and ready (the
    // tab set asks only for a reader), builds them anew.
    virtual void Reload() = 0;

protected:
    bool ReaderReady() const { return reader != nullptr && reader->Ready(); }

    // Empty bitmap returned for an index outside a set.
    static const Bitmap& NoBitmap();

    const TvelSkinReader* reader = nullptr;
};

} // namespace orvane
