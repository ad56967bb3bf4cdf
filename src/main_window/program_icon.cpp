// The program's icon: a white disc with a thin black outline, at every size it carries.
#include "main_window/program_icon.h"

#include <array>

namespace quadrix {

QIcon ProgramIcon() {
    // The sizes drawn for the hicolor icon theme, the small ones pixel by pixel.
    constexpr std::array kSizes{16, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : kSizes) {
        icon.addFile(QStringLiteral(":/icons/quadrix-%1x%1.png").arg(size), QSize(size, size));
    }
    // Used for other sizes where an SVG icon engine is installed, ignored elsewhere.
    icon.addFile(QStringLiteral(":/icons/quadrix.svg"));
    return icon;
}

}  // namespace quadrix
