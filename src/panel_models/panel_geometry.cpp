// Where a method panel's square, error plot and caption line lie.
#include "panel_models/panel_geometry.h"

namespace quadrix {
namespace {

constexpr double kMargin = 5.0;
constexpr double kCaptionGap = 2.0;

}  // namespace

PanelGeometry PanelGeometryIn(const Rect& contents, double captionLineHeight) {
    PanelGeometry parts;
    parts.caption = {contents.left + kMargin, contents.Bottom() - kMargin - captionLineHeight,
                     contents.width - 2.0 * kMargin, captionLineHeight};
    const double side = contents.height - 2.0 * kMargin - parts.caption.height - kCaptionGap;
    parts.square = {contents.left + kMargin, contents.top + kMargin, side, side};
    const double plotLeft = parts.square.Right() + 2.0 * kMargin;
    parts.plot = {plotLeft, parts.square.top, contents.Right() - kMargin - plotLeft,
                  parts.square.height};
    return parts;
}

Point InSquare(const Rect& square, double x, double y) {
    return {square.left + x * square.width, square.Bottom() - y * square.height};
}

}  // namespace quadrix
