// The valve events table window: the table of the current design as text, which it
// copies to the clipboard and saves as CSV. Computing it changes nothing of the gear. The
// column names stand above the scrolling rows, and the window is as wide as a whole line.
#pragma once

#include "analysis/EventsTable.h"
#include "analysis/EventsText.h"
#include "model/State.h"
#include "widgets/FileDialogs.h"

#include <QDialog>

class QLabel;
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
    void FitWholeLines(const EventsListing& l);

    const State& s_;
    FileUi ui_;
    EventsTable table_;
    QString listing_;                   // what Copy gives: notes, column names and rows
    QLabel* notes_ = nullptr;           // what the figures are measured from
    QPlainTextEdit* columns_ = nullptr; // the column names, kept in view
    QPlainTextEdit* text_ = nullptr;    // the rows, scrolling
};

} // namespace vt
