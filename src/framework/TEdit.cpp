#include "framework/TEdit.h"

namespace orvane::framework {

namespace {

constexpr int DefaultEditWidth = 121;
constexpr int DefaultEditHeight = 21;

} // namespace

const TClassInfo TEdit::ClassInfo{L"TEdit", &TCustomEdit::ClassInfo, {}};

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, DefaultEditWidth, DefaultEditHeight); }

void TEdit::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style |= ES_AUTOHSCROLL;
}

} // namespace orvane::framework
