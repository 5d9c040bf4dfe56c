#include "framework/TGroupBox.h"

namespace orvane::framework {

namespace {

constexpr int DefaultGroupWidth = 185;
constexpr int DefaultGroupHeight = 105;

} // namespace

const TClassInfo TCustomGroupBox::ClassInfo{L"TCustomGroupBox", &TWinControl::ClassInfo, {}};
const TClassInfo TGroupBox::ClassInfo{L"TGroupBox", &TCustomGroupBox::ClassInfo, {}};

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, DefaultGroupWidth, DefaultGroupHeight);
}

void TCustomGroupBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = L"BUTTON";
    params.Style |= BS_GROUPBOX;
}

} // namespace orvane::framework
