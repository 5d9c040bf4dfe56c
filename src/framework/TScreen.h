#pragma once

#include "framework/TComponent.h"

#include <vector>

namespace orvane::framework {

class TCustomForm;

// The screen: every form of the program in creation order, the active form,
// and the screen's size.
class TScreen : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int FormCount() const { return int(forms.size()); }
    TCustomForm* Forms(int index) const { return forms[std::size_t(index)]; }
    TCustomForm* ActiveForm() const { return activeForm; }

    int Width() const;
    int Height() const;

    // Kept up to date by the forms.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form) { activeForm = form; }

private:
    std::vector<TCustomForm*> forms;
    TCustomForm* activeForm = nullptr;
};

// The program's one screen object; made by the application object.
extern TScreen* Screen;

} // namespace orvane::framework
