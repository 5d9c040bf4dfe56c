// Entry point of the Windows test programs: one application object for the
// whole run, as a program has.
#include "framework/TApplication.h"
#include "framework/WindowDpi.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // As the programs do: windows at the screen's DPI, never stretched.
    orvane::framework::DeclareDpiAwareness();
    orvane::framework::TApplication application;
    application.SetTitle(L"Orvane Test");
    return RUN_ALL_TESTS();
}
