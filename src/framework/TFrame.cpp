#include "framework/TFrame.h"

namespace orvane::framework {

namespace {

constexpr int DefaultFrameWidth = 320;
constexpr int DefaultFrameHeight = 240;
constexpr int DefaultCoolBarHeight = 25;

} // namespace

const TClassInfo TCustomFrame::ClassInfo{L"TCustomFrame", &TCustomControl::ClassInfo, {}};
const TClassInfo TFrame::ClassInfo{L"TFrame", &TCustomFrame::ClassInfo, {}};
const TClassInfo TCoolBar::ClassInfo{L"TCoolBar", &TCustomControl::ClassInfo, {}};

TCustomFrame::TCustomFrame(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, DefaultFrameWidth, DefaultFrameHeight);
}

TCoolBar::TCoolBar(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, DefaultFrameWidth, DefaultCoolBarHeight);
    SetAlign(TAlign::alTop);
}

} // namespace orvane::framework
