#include "core/text/IntegerText.h"

#include "core/base/Exception.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(StrToInt, AcceptsDecimalTextWithOptionalBlanksAndSign)
{
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"0", 0}, {"7", 7}, {"42", 42}, {"-3", -3}, {"+12", 12}, {"  5", 5},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsEverythingElseWithTheConversionMessage)
{
    for (const char* text : {"", " ", "a", "A", "-", "+", "5 ", "1a", "0x10", "2147483648", "-2147483649"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace orvane
