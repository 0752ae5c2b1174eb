// The about box; see VGAboutBox.h.
#include "dialogs/VGAboutBox.h"

#include <QLabel>

namespace vt {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TAboutBox");
    setWindowTitle("About These Programs");
    setFixedSize(340, 143);
    const char* lines[] = {
        "VALVETRACE  Version 2.5.2",
        "A simulator of the shifting-link valve gear of a steam locomotive.",
        "It solves the linkage for every driver angle and reverse arm position,",
        "shows the slide valve over its ports and the steam in the cylinder,",
        "and reads the cut-off, lead, laps and port events of one design.",
        "For the designers, builders and students of valve gears,",
        "full size and model alike.",
        "Questions and reports: the VALVETRACE developers.",
    };
    int y = 8;
    for (const char* line : lines) {
        auto* label = new QLabel(line, this);
        label->move(8, y);
        y += 16;
    }
}

} // namespace vt
