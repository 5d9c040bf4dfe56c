#pragma once

#include "framework/TForm.h"
#include "framework/TMemo.h"

namespace orvane::game {

// An auxiliary window with one text control; the program creates it at
// start-up and never uses it.
class Tmyfun : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit Tmyfun(framework::TComponent* owner);

    framework::TMemo* Memo1 = nullptr;
};

extern Tmyfun* myfun;

} // namespace orvane::game
