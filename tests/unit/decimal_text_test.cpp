#include "base/DecimalText.h"

#include <gtest/gtest.h>

#include <string>

// printf's texts under locales whose point is not '.', as the module may meet
// them in the C runtime it shares: the point becomes '.', a comma as well as
// one of several bytes (ps_AF writes U+066B, two bytes in UTF-8), and texts
// without a point stay as they are.
TEST(DecimalText, ThePointOfAnyLocaleBecomesADot) {
    struct Case { const char* printed; const char* text; };
    const Case cases[] = {
        {"1,5", "1.5"}, {"-0,000", "-0.000"}, {"1,000e-05", "1.000e-05"},
        {"2\xD9\xAB" "5", "2.5"}, {"-1\xD9\xAB" "25e+06", "-1.25e+06"}, {"0\xD9\xAB" "001", "0.001"},
        {"1.5", "1.5"}, {"100", "100"}, {"1e+06", "1e+06"}, {"-inf", "-inf"}, {"nan", "nan"},
    };
    for (const Case& c : cases) {
        std::string text = c.printed;
        text.resize(PointToDot(&text[0], text.size()));
        EXPECT_EQ(c.text, text) << c.printed;
    }
}
