// The program's look; see Look.h.
#include "widgets/Look.h"

#include <QApplication>
#include <QFont>

namespace vt {

void ApplyLook(QApplication& app) {
    QApplication::setStyle("Fusion");
    QFont font(kSansFace, 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    // Every top-level menu fits the 632-pixel window, as on the classic desktop.
    app.setStyleSheet("QMenuBar::item { padding: 2px 4px; }");
}

} // namespace vt
