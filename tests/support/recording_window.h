// A window without widgets for the controller: it records every call made on it.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "controller/calculation_window.h"

namespace quadrix::testing {

// A window without widgets that logs every change ("caption &Stop", "out1 ShootCount: 10").
// An open box runs `insideBox`, as a toolkit's nested event loop runs ticks.
class RecordingWindow : public CalculationWindow {
  public:
    std::string StepsText() const override { return steps; }
    void LockSteps(bool lock) override {
        locked = lock;
        log.emplace_back(lock ? "lock" : "unlock");
    }
    void SetStartStopCaption(const std::string& text) override {
        caption = text;
        log.push_back("caption " + text);
    }
    // Logs the line that holds the count ("ShootCount: 10", "Count:      16").
    void SetOutputText(Method method, const std::string& text) override {
        outputs.at(SlotOf(method)) = text;
        const std::size_t count = text.find("Count:");
        const std::size_t line = text.rfind('\n', count) + 1;
        log.push_back("out" + std::to_string(IndexOf(method)) + " " +
                      text.substr(line, text.find('\r', count) - line));
    }
    void BringPageToFront(Method method) override {
        log.push_back("front" + std::to_string(IndexOf(method)));
    }
    Long SelectedTabIndex() const override { return tab; }
    // The log keeps a prompt's first line, `prompts` the whole of it.
    void ShowMessage(const std::string& prompt) override {
        log.push_back("box " + prompt.substr(0, prompt.find('\n')));
        prompts.push_back(prompt);
        mostOpenBoxes = std::max(mostOpenBoxes, ++openBoxes);
        if (insideBox) {
            insideBox();
        }
        --openBoxes;
    }
    void ShowState(Method method, const EstimatorState& state) override {
        const auto* shots = std::get_if<ShootState>(&state);
        const Long count =
            shots != nullptr ? shots->shootCount : std::get<StripeState>(state).count;
        log.push_back("draw" + std::to_string(IndexOf(method)) + " " + std::to_string(count));
    }
    void ForgetRun(Method method) override {
        log.push_back("forget" + std::to_string(IndexOf(method)));
    }

    std::string steps = "Steps per Tick (100 ms)";
    Long tab = 1;
    std::string caption = "&Start";
    bool locked = false;
    std::array<std::string, kMethodCount> outputs;
    std::vector<std::string> log;
    std::vector<std::string> prompts;
    std::function<void()> insideBox;
    int openBoxes = 0;
    int mostOpenBoxes = 0;
};

}  // namespace quadrix::testing
