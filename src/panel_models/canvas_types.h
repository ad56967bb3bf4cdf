// The plain values a canvas draws with: points, rectangles, colours, pens, brushes, fonts.
#pragma once

#include <cstdint>
#include <optional>

namespace quadrix {

// In logical pixels, x to the right and y downwards.
struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct Rect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    // Each edge moved by its own amount, right and down positive.
    Rect Adjusted(double dLeft, double dTop, double dRight, double dBottom) const {
        return {left + dLeft, top + dTop, width + dRight - dLeft, height + dBottom - dTop};
    }
};

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Colour&) const = default;
};

// How lines and outlines are drawn; without a colour none are.
struct Pen {
    std::optional<Colour> colour;
    double width = 1.0;
    bool dashed = false;
};

// How areas are filled; without a colour they stay empty.
struct Brush {
    std::optional<Colour> colour;
};

// The panel's font scaled: 1 is the panel's own.
struct Font {
    double scale = 1.0;
};

// Where a text lies in its rectangle.
struct Alignment {
    enum class Across { kLeft, kCentre, kRight };
    enum class Down { kTop, kCentre, kBottom };
    Across across = Across::kLeft;
    Down down = Down::kTop;
};

}  // namespace quadrix
