#include "main_window/program_icon.h"

namespace quadrix {

QIcon ProgramIcon::Make() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/quadrix-16x16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/quadrix-32x32.png"), QSize(32, 32));
    // Used for other sizes where an SVG icon engine is installed, ignored elsewhere.
    icon.addFile(QStringLiteral(":/icons/quadrix.svg"));
    return icon;
}

}  // namespace quadrix
