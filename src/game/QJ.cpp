#include "game/QJ.h"

namespace orvane::game {

namespace {

constexpr int PositionPanelExtent = 35;

} // namespace

const framework::TClassInfo TQJ::ClassInfo{L"TQJ", &framework::TPanel::ClassInfo, {}};

TQJ::TQJ(framework::TComponent* owner) : TPanel(owner)
{
    SetVisible(false);
    SetBounds(0, 0, PositionPanelExtent, PositionPanelExtent);
}

} // namespace orvane::game
