// TDataTable, "Pivot Data Table": the paths of the picked pivots over a whole turn, built
// afresh each time the window opens, with Cut, Copy, Paste and Select All.
#pragma once

#include "model/State.h"

#include <QDialog>

class QAction;
class QPlainTextEdit;

namespace vt {

class DataTableWindow final : public QDialog {
    Q_OBJECT
public:
    DataTableWindow(State& s, QWidget* parent);
    QString Text() const;
    QAction* EditAction(const char* name) const; // "Cut", "Copy", "Paste", "SelectAll"

protected:
    void showEvent(QShowEvent* e) override;

private:
    State& s_;
    QPlainTextEdit* memo_ = nullptr;
    QAction *cut_ = nullptr, *copy_ = nullptr, *paste_ = nullptr, *selectAll_ = nullptr;
};

} // namespace vt
