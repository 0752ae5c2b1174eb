// TFrameDi "Frame Dimensions" and TCylDimen "Cylinder Dimensions": one dialog class built
// from an editor layout. A field writes its dimension when the focus moves from it to
// another control of the dialog; a small button asks the main window to show where the
// dimension lies on the gear.
#pragma once

#include "dialogs/EditorLayout.h"
#include "model/Controls.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

namespace vt {

class NumberEdit;

class DimensionEditor final : public QDialog {
    Q_OBJECT
public:
    DimensionEditor(const EditorLayout& layout, State& s, Controls& c, QWidget* parent);

    NumberEdit* Field(int i) const { return fields_[std::size_t(i)]; }
    QPushButton* SmallButton(int i) const { return buttons_[std::size_t(i)]; }
    QPushButton* ResetButton() const { return reset_; }
    QPushButton* CloseButton() const { return close_; }

    // "Close", also for Esc and the window's close box: the field being edited is left
    // first, so nothing typed is lost.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Fill();
    void PlaceLabels();
    // The field with the focus, left: its exit handling runs once.
    void LeaveField();
    void ExitField(int i);
    void Reset(bool click);
    void CloseClick();
    int IndexOf(QObject* o) const;

    const EditorLayout& layout_;
    State& s_;
    Controls& c_;
    struct PlacedLabel {
        QLabel* label;
        int x, y;    // before the font factors
        bool scaleX; // the help lines keep their x
    };
    std::vector<PlacedLabel> labels_;
    std::vector<NumberEdit*> fields_;
    std::vector<QPushButton*> buttons_;
    QPushButton* reset_ = nullptr;
    QPushButton* close_ = nullptr;
    int current_ = -1; // the field that has the focus and has not been left yet
};

} // namespace vt
