#pragma once

#include <QColor>

namespace quadrix {

// The colours of the panels' drawings, from the Okabe-Ito palette: blue against
// orange stays distinct with the common colour-vision deficiencies, where red
// against green does not. The ground is always white, so the ink is dark.
class PanelColours {
  public:
    static QColor Ground() { return Qt::white; }
    static QColor Text() { return {0x20, 0x20, 0x20}; }
    static QColor Curve() { return {0x20, 0x20, 0x20}; }
    static QColor Outline() { return {0xA0, 0xA0, 0xA0}; }
    static QColor Grid() { return {0xE4, 0xE4, 0xE4}; }
    static QColor Reference() { return {0x80, 0x80, 0x80}; }

    static QColor Hit() { return {0x00, 0x72, 0xB2}; }   // blue
    static QColor Miss() { return {0xE6, 0x9F, 0x00}; }  // orange
    static QColor PlotPoint() { return {0x00, 0x72, 0xB2}; }

    static QColor Above() { return {0xF3, 0xCF, 0x80}; }  // light orange: the excess
    static QColor AboveEdge() { return {0xE6, 0x9F, 0x00}; }
    static QColor Below() { return {0x9C, 0xC8, 0xE2}; }  // light blue: inside
    static QColor BelowEdge() { return {0x00, 0x72, 0xB2}; }
    static QColor Band() { return {0xE6, 0x9F, 0x00}; }
};

}  // namespace quadrix
