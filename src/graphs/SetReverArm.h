// TSetRevArm, "Set Reverse Arm Positions": the nine reverse arm positions the sine, oval
// and steam diagrams plot and their vertical scale, above a reference scale of the arm's
// range. The fields grow as the user types; a position beyond the arm's travel is refused
// with a line that says the range; closing the dialog marks the set changed.
#pragma once

#include "model/RevArmSets.h"
#include "model/State.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace vt {

class NumberEdit;

class SetRevArmDialog final : public QDialog {
    Q_OBJECT
public:
    SetRevArmDialog(State& s, QWidget* parent);

    // Field k: positions 1 to 9, 10 the vertical scale.
    NumberEdit* Field(int k) const { return fields_[std::size_t(k)]; }
    QLabel* PositionLabel(int k) const { return labels_[std::size_t(k)]; }
    QLabel* ScaleLabel(int i) const { return scale_[std::size_t(i)]; }
    QPushButton* CloseButton() const { return close_; }
    QLabel* Refusal() const { return refusal_; }

    // Esc and the close box act as "Close": the field being edited is left first.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormActivate();
    void Close1Click();
    // The dialog's drawing: the rules, then the widgets mirror them.
    void Draw();
    void FieldExit(int k);
    int FieldOf(const QObject* o) const;

    State& s_;
    RevArmSetForm form_;
    std::array<NumberEdit*, 11> fields_{};
    std::array<QLabel*, 10> labels_{};
    std::array<QLabel*, 5> scale_{};
    QPushButton* close_ = nullptr;
    QLabel* refusal_ = nullptr; // why the last position entered was refused
};

} // namespace vt
