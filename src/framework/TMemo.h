#pragma once

#include "framework/TWinControl.h"

#include <string>
#include <vector>

namespace orvane::framework {

// An edit control over the system's EDIT window.
class TCustomEdit : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomEdit(TComponent* owner);

    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle value) { borderStyle = value; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TBorderStyle borderStyle = TBorderStyle::bsSingle;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text control. Its lines are its text split at line breaks; a
// break at the very end starts no further line.
class TMemo : public TCustomEdit {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TMemo(TComponent* owner);

    std::vector<std::wstring> Lines() const;
    // Replaces the text with these lines, each ended by CR LF.
    void SetLines(const std::vector<std::wstring>& lines);
    int LineCount() const { return int(Lines().size()); }

    bool WordWrap() const { return wordWrap; }
    void SetWordWrap(bool value) { wordWrap = value; }
    // The scroll bars the memo shows (set before its window is made).
    TScrollStyle ScrollBars() const { return scrollBars; }
    void SetScrollBars(TScrollStyle value) { scrollBars = value; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool wordWrap = true;
    TScrollStyle scrollBars = TScrollStyle::ssNone;
};

// Splits text into lines at CR LF, CR or LF.
std::vector<std::wstring> SplitTextLines(const std::wstring& text);

} // namespace orvane::framework
