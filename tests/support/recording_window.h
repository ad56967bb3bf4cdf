#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "main_window/controller/calculation_window.h"

namespace quadrix::testing {

// A window without widgets: it holds what the controller set and notes every
// change as a line of a log ("caption &Stop", "out1 ShootCount: 10", ...).
// While a box is open it runs `insideBox`, as a toolkit's nested event loop
// runs ticks, and counts how deeply boxes were nested.
class RecordingWindow : public CalculationWindow {
  public:
    std::string StepsText() const override { return steps; }
    void LockSteps(bool locked) override {
        this->locked = locked;
        log.emplace_back(locked ? "lock" : "unlock");
    }
    void SetStartStopCaption(const std::string& text) override {
        caption = text;
        log.push_back("caption " + text);
    }
    void SetOutputText(Long method, const std::string& text) override {
        outputs.at(static_cast<std::size_t>(method - 1)) = text;
        log.push_back("out" + std::to_string(method) + " " + CountLine(text));
    }
    void BringPageToFront(Long method) override { log.push_back("front" + std::to_string(method)); }
    Long SelectedTabIndex() const override { return tab; }
    // The log keeps a prompt's first line, `prompts` the whole of it.
    void ShowMessage(const std::string& prompt) override {
        log.push_back("box " + prompt.substr(0, prompt.find('\n')));
        prompts.push_back(prompt);
        ++openBoxes;
        mostOpenBoxes = std::max(mostOpenBoxes, openBoxes);
        if (insideBox) {
            insideBox();
        }
        --openBoxes;
    }
    void ShowState(Long method, const EstimatorState& state) override {
        const Long count = std::visit(
            [](const auto& values) {
                if constexpr (requires { values.shootCount; }) {
                    return values.shootCount;
                } else {
                    return values.count;
                }
            },
            state);
        log.push_back("draw" + std::to_string(method) + " " + std::to_string(count));
    }
    void ForgetRun(Long method) override { log.push_back("forget" + std::to_string(method)); }

    // The line of a state text that holds the count ("ShootCount: 10", "Count:      16").
    static std::string CountLine(const std::string& text) {
        for (const char* label : {"\r\nShootCount:", "\r\nCount:"}) {
            const std::size_t at = text.find(label);
            if (at != std::string::npos) {
                return text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
            }
        }
        return text;
    }

    std::string steps = "Steps per Tick (100 ms)";
    Long tab = 1;
    std::string caption = "&Start";
    bool locked = false;
    std::array<std::string, 2> outputs;
    std::vector<std::string> log;
    std::vector<std::string> prompts;
    std::function<void()> insideBox;
    int openBoxes = 0;
    int mostOpenBoxes = 0;
};

}  // namespace quadrix::testing
