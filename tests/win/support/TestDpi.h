#pragma once

#include <cstdlib>

namespace orvane::test {

// The screen DPI the test run's Wine prefix is set to: ORVANE_TEST_DPI, which
// the DPI runs of the tests set (scripts/wine-dpi-test.sh); 96 otherwise.
inline unsigned ExpectedTestDpi()
{
    const char* text = std::getenv("ORVANE_TEST_DPI");
    if (text == nullptr)
        return 96;
    const long dpi = std::strtol(text, nullptr, 10);
    return dpi > 0 ? static_cast<unsigned>(dpi) : 96;
}

} // namespace orvane::test
