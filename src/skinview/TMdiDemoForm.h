#pragma once

#include "framework/TForm.h"
#include "framework/TMenu.h"
#include "skin/TvelSkinEngine.h"

#include <string>

namespace orvane::skinview {

// The gallery's MDI demonstration, a program's main window of its own (an
// MDI frame is always the main window): a frame whose menu has a File
// (group 0) and a Window menu (group 9, listing the children), and children
// whose Edit menu (group 1) merges in between while one is active. A
// maximized child's buttons stand on the frame's menu bar.
class TMdiDemoForm : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TMdiDemoForm(framework::TComponent* owner);

    void LoadPackage(const std::wstring& path);
    // A new child with its own menu; the engine skins it.
    framework::TForm* NewChild();

    skin::TvelSkinEngine* Engine = nullptr;

private:
    int childCount = 0;
};

} // namespace orvane::skinview
