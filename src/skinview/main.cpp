#include "skinview/SkinView.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return orvane::skinview::RunSkinView(); }
