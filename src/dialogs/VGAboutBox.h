// TAboutBox, "About These Programs": eight fixed lines about the program; no buttons.
#pragma once

#include <QDialog>

namespace vt {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);
};

} // namespace vt
