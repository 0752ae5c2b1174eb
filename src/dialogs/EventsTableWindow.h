// The valve events table window: the table of the current design as text, which it
// copies to the clipboard and saves as CSV. Computing it changes nothing of the gear.
#pragma once

#include "analysis/EventsTable.h"
#include "model/State.h"
#include "widgets/FileDialogs.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vt {

inline constexpr FileDialogFacts kSaveEventsCsvDialog{
    "Save Valve Events Table", "CSV File (*.csv);;All Files (*.*)", "csv", true, false};

class EventsTableWindow final : public QDialog {
    Q_OBJECT
public:
    EventsTableWindow(const State& s, FileUi ui, QWidget* parent);

    void CopyClick();
    void SaveCsvClick();
    QString Text() const;
    const EventsTable& Table() const { return table_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Recompute();

    const State& s_;
    FileUi ui_;
    EventsTable table_;
    QPlainTextEdit* text_ = nullptr;
};

} // namespace vt
