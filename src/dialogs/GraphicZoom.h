// TGraphZoom, "Set Zoom of Dimensional Graphic Position": the zoom factor used when a
// dimension's position is shown on the gear.
#pragma once

#include "model/State.h"

#include <QDialog>

namespace vt {

class NumberEdit;

class GraphicZoomDialog final : public QDialog {
    Q_OBJECT
public:
    GraphicZoomDialog(State& s, QWidget* parent);
    NumberEdit* Edit() const { return edit_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    State& s_;
    NumberEdit* edit_ = nullptr;
};

} // namespace vt
