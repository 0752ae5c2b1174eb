// TRefPnts, "Reference Points": the two reference points' coordinates typed exactly.
#pragma once

#include "model/Controls.h"

#include <QDialog>

#include <array>

class QPushButton;

namespace vt {

class NumberEdit;

class RefPointsDialog final : public QDialog {
    Q_OBJECT
public:
    RefPointsDialog(State& s, Controls& c, QWidget* parent);

    NumberEdit* Edit(int i) const { return edits_[std::size_t(i)]; } // V1, H1, V2, H2

protected:
    void showEvent(QShowEvent* e) override; // refills the fields from the state
    void keyPressEvent(QKeyEvent* e) override; // Esc is "Cancel"

private:
    State& s_;
    Controls& c_;
    std::array<NumberEdit*, 4> edits_{};
    QPushButton* cancel_ = nullptr;
};

} // namespace vt
