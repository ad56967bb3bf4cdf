// The message after a tick error: the error, which method stopped, why, and what to do.
#include "controller/tick_error_prompt.h"

#include <gtest/gtest.h>

#include <exception>
#include <memory>

namespace quadrix {
namespace {

struct Case {
    Method method;
    TickStage stage;
    std::shared_ptr<Error> error;
    const char* prompt;
};

TEST(TickErrorPrompt, NamesTheCauseAndWhatToDo) {
    const Case cases[] = {
        {Method::kStripes, TickStage::kStep, std::make_shared<Overflow>(),
         "Overflow\n\nPi per stripe stopped: the number of stripes cannot double beyond "
         "1073741824.\nPress Reset to start again from 4 stripes."},
        {Method::kShooting, TickStage::kStep, std::make_shared<Overflow>(),
         "Overflow\n\nPi per shoot stopped: the shots cannot go past 2147483647.\nPress Reset to "
         "start again from no shots."},
        {Method::kShooting, TickStage::kState, std::make_shared<Overflow>(),
         "Overflow\n\nPi per shoot stopped: the hits times 4 no longer fit a Long (after about 684 "
         "million shots).\nPress Reset to start again from no shots."},
        {Method::kStripes, TickStage::kReadSteps, std::make_shared<Overflow>(),
         "Overflow\n\nPi per stripe stopped: the steps per tick spell a number beyond "
         "-2147483648..2147483647.\nFix the steps per tick, then press Start."},
        {Method::kShooting, TickStage::kReadSteps, std::make_shared<ConversionError>(),
         "Type mismatch\n\nPi per shoot stopped: the steps per tick no longer spell a number.\nFix "
         "the steps per tick, then press Start."},
        {Method::kShooting, TickStage::kState, std::make_shared<InvalidOperation>(),
         "Invalid floating-point operation\n\nPi per shoot stopped: it has no estimate yet (0/0): "
         "it was stepped by 0 or fewer shots before its first shot.\nEnter a positive number of "
         "steps per tick, then press Start."},
        {Method::kStripes, TickStage::kState, std::make_shared<DivisionByZero>(),
         "Division by zero\n\nPi per stripe stopped. Press Reset to start it again."},
        {Method::kStripes, TickStage::kStep, std::make_shared<InvalidOperation>(),
         "Invalid floating-point operation\n\nPi per stripe stopped. Press Reset to start it "
         "again."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TickErrorPrompt(c.method, c.stage, *c.error), c.prompt);
    }
}

}  // namespace
}  // namespace quadrix
