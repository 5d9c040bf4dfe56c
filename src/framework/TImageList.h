#pragma once

#include "framework/TCanvas.h"
#include "framework/TComponent.h"
#include "framework/UserOwners.h"

#include <windows.h>
#include <commctrl.h>

namespace orvane::framework {

// A list of images of one size over a system image list. 32-bit images keep
// their alpha channel, so anti-aliased edges blend with what is behind them.
// A second system list holds each image greyed, for disabled buttons.
class TCustomImageList : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomImageList(TComponent* owner) : TComponent(owner) {}
    ~TCustomImageList() override;

    int Width() const { return width; }
    int Height() const { return height; }
    // Changing the size empties the list.
    void SetWidth(int value);
    void SetHeight(int value);

    HIMAGELIST Handle();
    // The greyed images, index for index, as a disabled tool button shows
    // them; the system tool bar takes it as its list of disabled images.
    HIMAGELIST DisabledHandle();
    int Count() const;

    // Adds the images of a bitmap: a strip of Width-wide images, left to right.
    // Returns the index of the first, or -1.
    int Add(HBITMAP image, HBITMAP mask);
    // The same from a bitmap resource of the program.
    int AddFromResource(const wchar_t* resourceName);

    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

private:
    void Recreate();
    // Adds the images of a bitmap greyed to the greyed list; false when
    // they cannot be read.
    bool AddGreyed(HBITMAP image, HBITMAP mask);

    int width = 16;
    int height = 16;
    TImageListHandle handle;
    TImageListHandle disabledHandle;
};

class TImageList : public TCustomImageList {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};

} // namespace orvane::framework
