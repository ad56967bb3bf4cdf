// Fuzzes the calculation controller through CheckedDesk, which checks every action.
// One byte per action (any other byte is one by its value):
//   t<text>;  types up to ";" or 24 bytes; bytes from 0x80 stand for non-ASCII lookalikes
//   s  Start/Stop   r  Reset   1, 2  selects that tab   .  tick (skipped past 2^16 shots + stripes)
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "support/checked_desk.h"

namespace quadrix::fuzzing {
namespace {

constexpr std::int64_t kTickBudget = std::int64_t{1} << 16;
constexpr std::size_t kLongestText = 24;

// a umlaut, no-break space, Arabic-Indic three, minus sign, fullwidth one, Arabic separator
constexpr std::array<std::string_view, 6> kLookalikes = {"\u00e4", "\u00a0", "\u0663",
                                                         "\u2212", "\uff11", "\u066b"};

std::string TakeTypedText(FuzzInput& input) {
    std::string text;
    for (std::size_t typed = 0; !input.Exhausted() && typed < kLongestText; ++typed) {
        const std::uint8_t byte = input.TakeByte();
        if (byte == ';') {
            break;
        }
        if (byte >= 0x80) {
            text += kLookalikes[byte % kLookalikes.size()];
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

void PerformNextAction(testing::CheckedDesk& desk, FuzzInput& input) {
    static constexpr std::string_view kActions = "tsr12.";
    const std::uint8_t byte = input.TakeByte();
    char action = static_cast<char>(byte);
    if (kActions.find(action) == std::string_view::npos) {
        action = kActions[byte % kActions.size()];
    }
    if (action == 't') {
        desk.TypeSteps(TakeTypedText(input));
    } else if (action == 's') {
        desk.ClickStartStop();
    } else if (action == 'r') {
        desk.ClickReset();
    } else if (action == '1' || action == '2') {
        desk.SelectTab(action - '0');
    } else if (desk.NextTickCost() <= kTickBudget) {
        desk.Tick();
    }
}

}  // namespace
}  // namespace quadrix::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadrix::fuzzing;
    using quadrix::testing::CheckedDesk;
    CheckedDesk desk([](const std::string& fault) {
        Check(false, "the controller keeps what must hold", Escaped(fault));
    });
    FuzzInput input(data, size);
    while (!input.Exhausted()) {
        PerformNextAction(desk, input);
    }
    return 0;
}
