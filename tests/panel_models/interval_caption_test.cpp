// The caption claims only the digits of pi both ends of its interval carry.
#include "panel_models/interval_caption.h"

#include <gtest/gtest.h>

namespace quadrix {

TEST(IntervalCaption, ClaimsOnlyDigitsBothShownEndsCarry) {
    EXPECT_EQ(IntervalCaption("95%: ", 3.1321, 3.1499, "."),
              "95%: [3.132, 3.149]  \u03c0 = 3.1\u2026");
    EXPECT_EQ(IntervalCaption("", 2.49570906810244, 3.49570906810244, "."),
              "[2.49, 3.49]  no digit sure yet");
    EXPECT_EQ(IntervalCaption("", 1.02, 10.2, "."), "[1.02, 10.20]  no digit sure yet");
}

TEST(IntervalCaption, PartsTheEndsWithASemicolonAfterADecimalComma) {
    EXPECT_EQ(IntervalCaption("", 3.1415926, 3.1415929, ","),
              "[3,14159260; 3,14159290]  \u03c0 = 3,141592\u2026");
}

}  // namespace quadrix
