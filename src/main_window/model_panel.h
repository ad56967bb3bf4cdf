#pragma once

#include <optional>

#include "main_window/method_panel.h"

namespace quadrix {

// A method panel that draws one Qt-free model: the model owns the run's plot
// and reference line, the concrete panel says how to read a state into it and
// how to draw the square.
template <class PanelModel>
class ModelPanel : public MethodPanel {
  public:
    void ForgetRun() override { model_.ForgetRun(); }

    const PanelModel& Model() const { return model_; }

  protected:
    explicit ModelPanel(QWidget* parent) : MethodPanel(parent) {}

    const ConvergencePlot& Plot() const override { return model_.Plot(); }
    std::optional<ConvergencePlot::Line> ReferenceLine() const override {
        return model_.ReferenceLine();
    }

    PanelModel model_;
};

}  // namespace quadrix
