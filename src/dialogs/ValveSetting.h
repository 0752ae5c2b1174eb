// "Valve Setting": the designer's targets and the dimensions that may vary, two ready
// tasks, "Solve" on a worker thread with its progress (evaluations, restarts, the best
// objective) and "Cancel", the before-and-after tables, and "Apply" through the editors'
// write path (or the host's: a workbench's undo steps). A result is shown and applied only on the design it was computed on. The
// rules are in analysis/SettingTasks.h; this window only connects its widgets to them.
#pragma once

#include "analysis/SettingTasks.h"
#include "dialogs/DesignHost.h"
#include "widgets/BackgroundJob.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vt {

class ValveSettingWindow final : public QDialog {
    Q_OBJECT
public:
    // On the main window's classic design, applied through the editors' write path.
    ValveSettingWindow(State& s, Controls& c, QWidget* parent);
    ValveSettingWindow(DesignHost host, QWidget* parent);

    bool Solving() const { return job_.Running(); }
    const std::optional<SettingResult>& Result() const { return result_; }
    QPushButton* Button(const char* name) const;

    // "Close", also for Esc and the close box: a running search is cancelled first.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* BuildInputs();
    QWidget* BuildResults();
    void TaskClick(SettingTask task);
    void AddTargetRow(const SettingTarget& t);
    void ShowTargets();
    void ShowChoices();
    std::string ReadTables(); // the tables into targets_ and choices_; an error text or ""
    void SolveClick();
    void ShowProgress();
    void ApplyClick();
    void ShowResult();
    void DropStaleResult(); // a result of another design than today's is cleared
    void SetBusy(bool busy);

    DesignHost host_;
    std::vector<SettingTarget> targets_;
    std::vector<DimensionChoice> choices_;
    std::optional<SettingResult> result_;

    QTableWidget* targetTable_ = nullptr;
    QTableWidget* dimensionTable_ = nullptr;
    QTableWidget* targetResults_ = nullptr;
    QTableWidget* variableResults_ = nullptr;
    QLabel* progress_ = nullptr;
    QLabel* status_ = nullptr;
    std::vector<QPushButton*> inputButtons_; // disabled while the search runs

    BackgroundJob job_; // the search, on its own copy of the gear
};

} // namespace vt
