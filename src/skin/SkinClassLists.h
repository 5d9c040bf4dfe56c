#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::skin {

// Process-wide lists of window and control class names that the engines
// share, compared without regard to case.
//
//   auto-skin          forms of these classes are skinned when they activate
//                      ("TSelectDirDlg", "TForm", "TfrmRegBrowser", then every
//                      engine's AutoSkinWndClassNames); names are never removed
//   border exclusion   controls that keep their own sunken border
//   control exclusion  controls that are not skinned at all
class TSkinClassList {
public:
    explicit TSkinClassList(std::vector<std::wstring> initial) : names(std::move(initial)) {}

    bool Contains(std::wstring_view name) const;
    // Adds a name unless the list has it already.
    void Add(std::wstring_view name);
    const std::vector<std::wstring>& Names() const { return names; }

private:
    std::vector<std::wstring> names;
};

TSkinClassList& AutoSkinClassNames();
TSkinClassList& BorderExclusionClassNames();
TSkinClassList& ControlExclusionClassNames();

} // namespace orvane::skin
