#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace quadrix::testing {

// Switches LC_NUMERIC to a German locale for the test, or skips the test when
// the machine has none generated.
class GermanNumericLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_NUMERIC, name) != nullptr) {
                return;
            }
        }
        GTEST_SKIP() << "no German locale on this machine";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, saved_.c_str()); }

  private:
    std::string saved_;
};

}  // namespace quadrix::testing
