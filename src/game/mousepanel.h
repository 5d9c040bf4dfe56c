#pragma once

#include "framework/TPanel.h"

namespace orvane::game {

using framework::TNotifyEvent;

// A panel that tells when the pointer enters or leaves it. It does not track
// the pointer itself: the framework sends CM_MOUSEENTER and CM_MOUSELEAVE to
// the control under the pointer when that control changes.
class Tmousepanel : public framework::TPanel {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit Tmousepanel(framework::TComponent* owner) : TPanel(owner) {}

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void WndProc(framework::TMessage& message) override;
};

} // namespace orvane::game
