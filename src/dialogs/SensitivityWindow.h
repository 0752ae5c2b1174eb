// The "Sensitivity and Wear" window: at a chosen gear position, the derivative of every
// valve event figure with respect to each dimension (a table sortable by any column, the
// tolerance of each dimension editable in it), the spreads those tolerances allow, the
// events of the gear worn by a series of lost motions, and a bar chart of the ten largest
// influences on one figure that copies and saves like the diagrams. The work runs on a
// worker thread on a copy of the design, with progress and Cancel; nothing of the design
// changes.
#pragma once

#include "analysis/SensitivityRun.h"
#include "canvas/QtCanvas.h"
#include "widgets/FileDialogs.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class QThread;
class QTimer;

namespace vt {

class DiagramMenu;

inline constexpr FileDialogFacts kSaveSensitivityCsvDialog{
    "Save Sensitivity and Wear", "CSV File (*.csv);;All Files (*.*)", "csv", true, false};

class SensitivityWindow final : public QDialog {
    Q_OBJECT
public:
    SensitivityWindow(const State& s, FileUi ui, QWidget* parent);
    ~SensitivityWindow() override;

    void ComputeClick();
    void CancelClick();
    void CopyClick();
    void SaveCsvClick();
    bool Running() const { return worker_ != nullptr; }
    const std::optional<SensitivityReport>& Report() const { return report_; }
    const QtCanvas& Chart() const { return chart_; }

signals:
    void Finished(); // the work ended: done, cancelled or refused

protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;

private:
    void BuildInputs();
    void BuildResults();
    std::optional<SensitivityRequest> ReadRequest();
    void WorkFinished();
    void ShowReport();
    void FillInfluences();
    void FillRows();
    void DrawChart();
    void ToleranceEdited(QTableWidgetItem* item);
    void ShowTolerances();
    void StopWork();

    const State& s_;
    FileUi ui_;
    ToleranceSet tolerances_;
    std::optional<SensitivityReport> report_, pending_;
    std::unique_ptr<QThread> worker_;
    std::atomic<int> done_{0}, total_{1};
    std::atomic<bool> cancel_{false};
    QtCanvas chart_;
    DiagramMenu* chartMenu_ = nullptr;
    QComboBox* position_ = nullptr;
    QLineEdit* lengthTol_ = nullptr;
    QLineEdit* angleTol_ = nullptr;
    QSpinBox* designs_ = nullptr;
    QLineEdit* wear_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer* poll_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* influences_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QComboBox* chartFigure_ = nullptr;
    QLabel* chartView_ = nullptr;
};

} // namespace vt
