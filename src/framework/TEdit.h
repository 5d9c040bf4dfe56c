#pragma once

#include "framework/TMemo.h"

namespace orvane::framework {

// A single-line edit box.
class TEdit : public TCustomEdit {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TEdit(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
};

} // namespace orvane::framework
