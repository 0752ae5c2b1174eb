// The three setting dialogs ("Reverse Arm Position", "Driver Angle", "Step Angle"): one
// dialog class driven by a table of facts per dialog (title, place of every text, the key
// filter, what Enter does, the entry's text on activation and the rule OK runs).
#pragma once

#include "model/Controls.h"

#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace vt {

class NumberEdit;

enum class SettingKind { RevArmPosition, DriverAngle, StepAngle };

class SettingDialog final : public QDialog {
    Q_OBJECT
public:
    SettingDialog(SettingKind kind, State& s, Controls& c, QWidget* parent);

    NumberEdit* Edit() const { return edit_; }
    QPushButton* OkButton() const { return ok_; }
    QString FixedText(int i) const;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    SettingKind kind_;
    State& s_;
    Controls& c_;
    NumberEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::array<QLabel*, 5> values_{}; // the reverse arm dialog's value texts
};

} // namespace vt
