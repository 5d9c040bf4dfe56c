#pragma once

#include "framework/TComponent.h"

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace orvane::framework {

// The system's file dialogs (window class "#32770"). The filter is written
// as pairs of description and pattern separated by "|", e.g.
// "Standard Sudoku|*.std"; DefaultExt is appended to a name typed without
// an extension.
class TOpenDialog : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

    const std::wstring& Filter() const { return filter; }
    void SetFilter(const std::wstring& value) { filter = value; }
    const std::wstring& DefaultExt() const { return defaultExt; }
    void SetDefaultExt(const std::wstring& value) { defaultExt = value; }
    const std::wstring& InitialDir() const { return initialDir; }
    void SetInitialDir(const std::wstring& value) { initialDir = value; }
    const std::wstring& FileName() const { return fileName; }
    void SetFileName(const std::wstring& value) { fileName = value; }
    const std::wstring& Title() const { return title; }
    void SetTitle(const std::wstring& value) { title = value; }

    // Runs the dialog modally over the active window. True when the player
    // chose a file; FileName then holds its full path.
    bool Execute();

protected:
    virtual BOOL RunDialog(OPENFILENAMEW& dialog);
    virtual DWORD DialogFlags() const { return OFN_HIDEREADONLY | OFN_ENABLESIZING; }

private:
    std::wstring filter;
    std::wstring defaultExt;
    std::wstring initialDir;
    std::wstring fileName;
    std::wstring title;
};

class TSaveDialog : public TOpenDialog {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

protected:
    BOOL RunDialog(OPENFILENAMEW& dialog) override;
};

} // namespace orvane::framework
