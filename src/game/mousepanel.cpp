#include "game/mousepanel.h"

namespace orvane::game {

const framework::TClassInfo Tmousepanel::ClassInfo{L"Tmousepanel", &framework::TPanel::ClassInfo, {}};

void Tmousepanel::WndProc(framework::TMessage& message)
{
    TPanel::WndProc(message);
    if (message.Msg == framework::CM_MOUSEENTER && OnMouseEnter)
        OnMouseEnter(this);
    else if (message.Msg == framework::CM_MOUSELEAVE && OnMouseLeave)
        OnMouseLeave(this);
}

} // namespace orvane::game
