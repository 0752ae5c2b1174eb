// The "Sensitivity and Wear" window: at a chosen gear position, the derivative of every
// valve event figure with respect to each dimension (a table of the dimensions by their
// captions, sortable by each figure's contribution, the tolerance of each dimension
// editable in it), the spreads those tolerances allow, the events of the gear worn by a
// series of lost motions, and a bar chart of the ten largest contributions to one figure
// that copies and saves like the diagrams. The work runs on the shared background job on
// a copy of the design, with progress and Cancel; nothing of the design changes. Results
// belong to the design they were computed on: a changed design clears them.
#pragma once

#include "analysis/SensitivityRun.h"
#include "canvas/QtCanvas.h"
#include "dialogs/DesignHost.h"
#include "widgets/FileDialogs.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace vt {

class BackgroundJob;
class DiagramMenu;

inline constexpr FileDialogFacts kSaveSensitivityCsvDialog{
    "Save Sensitivity and Wear", "CSV File (*.csv);;All Files (*.*)", "csv", true, false};

class SensitivityWindow final : public QDialog {
    Q_OBJECT
public:
    // On the main window's classic design.
    SensitivityWindow(const State& s, FileUi ui, QWidget* parent);
    // On the host's design, its rows named by the host; "Apply" is not used.
    SensitivityWindow(DesignHost host, FileUi ui, QWidget* parent);
    ~SensitivityWindow() override;

    void ComputeClick();
    void CancelClick();
    void CopyClick();
    void SaveCsvClick();
    bool Running() const;
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
    void Delivered(std::optional<SensitivityReport> report, const gears::GearDesign& design);
    void ShowProgress();
    void ShowReport();
    void ClearResults();
    bool HasResults();
    void FillInfluences();
    void FillRows();
    void DrawChart();
    void ToleranceEdited(QTableWidgetItem* item);
    void ShowTolerances();

    DesignHost host_;
    FileUi ui_;
    ToleranceSet tolerances_;
    std::optional<SensitivityReport> report_;
    gears::GearDesign computedOn_; // the design report_ belongs to
    BackgroundJob* job_ = nullptr;
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
    QLabel* status_ = nullptr;
    QTableWidget* influences_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QComboBox* chartFigure_ = nullptr;
    QLabel* chartView_ = nullptr;
};

} // namespace vt
