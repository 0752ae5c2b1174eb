// The "Sensitivity and Wear" window: inputs read and checked, the work on a worker thread,
// the results into the two tables and the chart.
#include "dialogs/SensitivityWindow.h"

#include "diagrams/InfluenceChart.h"
#include "dialogs/EventsTableWindow.h"
#include "graphs/DiagramMenu.h"
#include "model/Format.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace vt {

namespace {

constexpr int kNameCol = 0, kValueCol = 1, kTolCol = 2, kFirstFigureCol = 3;
constexpr const char* kPositions[] = {"normal-fwd", "full-fwd", "mid", "normal-rev", "full-rev"};

QString UnitOf(std::size_t k, bool perUnit) {
    const char* unit = Figure(k).Percent ? "% stroke" : "units";
    return QString(unit) + (perUnit ? "/unit" : "");
}

QTableWidgetItem* Number(double v, int decimals) {
    auto* item = new QTableWidgetItem;
    if (std::isnan(v)) item->setText("-");
    else
        item->setData(Qt::DisplayRole,
                      std::round(v * std::pow(10, decimals)) / std::pow(10, decimals));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// The dimension of a table row, by the field name it shows.
const DimensionInfo& NamedDimension(const QString& name) {
    for (const DimensionInfo* d : IdDimensions())
        if (name == d->Name) return *d;
    return *IdDimensions()[0];
}

QTableWidget* FigureTable(QWidget* parent, const QStringList& lead, bool perUnit) {
    QStringList headers = lead;
    for (std::size_t k = 0; k < kFigureCount; ++k)
        headers << QString(Figure(k).Title) + "\n(" + UnitOf(k, perUnit) + ")";
    auto* t = new QTableWidget(0, int(headers.size()), parent);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

} // namespace

SensitivityWindow::SensitivityWindow(const State& s, FileUi ui, QWidget* parent)
    : QDialog(parent), s_(s), ui_(std::move(ui)),
      chart_(kInfluenceChartWidth, kInfluenceChartHeight) {
    setObjectName("TSensitivity");
    setWindowTitle("Sensitivity and Wear");
    BuildInputs();
    BuildResults();
    resize(1500, 900);
}

SensitivityWindow::~SensitivityWindow() { StopWork(); }

void SensitivityWindow::BuildInputs() {
    position_ = new QComboBox(this);
    position_->setObjectName("Position");
    position_->setEditable(true);
    for (const char* p : kPositions) position_->addItem(p);
    position_->setToolTip(
        "A named position, or an offset from mid gear in model units (+ towards forward)");
    lengthTol_ = new QLineEdit(FormatFixed(kDefaultLengthTolerance, 0, 3).c_str(), this);
    lengthTol_->setObjectName("LengthTolerance");
    angleTol_ = new QLineEdit(FormatFixed(kDefaultAngleTolerance, 0, 2).c_str(), this);
    angleTol_->setObjectName("AngleTolerance");
    designs_ = new QSpinBox(this);
    designs_->setObjectName("Designs");
    designs_->setRange(0, 100000);
    designs_->setValue(1000);
    wear_ = new QLineEdit("0, 0.005, 0.01, 0.02", this);
    wear_->setObjectName("LostMotions");
    compute_ = new QPushButton("&Compute", this);
    compute_->setObjectName("Compute");
    cancelButton_ = new QPushButton("Ca&ncel", this);
    cancelButton_->setObjectName("Cancel");
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("Progress");
    status_ = new QLabel(this);
    status_->setObjectName("Status");
    poll_ = new QTimer(this);
    poll_->setInterval(100);
    connect(poll_, &QTimer::timeout, this,
            [this] { progress_->setValue(int(1000.0 * done_ / std::max(1, int(total_)))); });
    progress_->setRange(0, 1000);
    connect(compute_, &QPushButton::clicked, this, &SensitivityWindow::ComputeClick);
    connect(cancelButton_, &QPushButton::clicked, this, &SensitivityWindow::CancelClick);
    connect(lengthTol_, &QLineEdit::editingFinished, this, &SensitivityWindow::ShowTolerances);
    connect(angleTol_, &QLineEdit::editingFinished, this, &SensitivityWindow::ShowTolerances);
}

void SensitivityWindow::BuildResults() {
    influences_ = FigureTable(this, {"Dimension", "Value", "Tolerance +-\n(units or deg)"}, true);
    influences_->setObjectName("Influences");
    influences_->setRowCount(kIdDimensions);
    for (int i = 0; i < kIdDimensions; ++i) {
        auto* name = new QTableWidgetItem(IdDimensions()[std::size_t(i)]->Name);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        influences_->setItem(i, kNameCol, name);
    }
    influences_->horizontalHeader()->setSortIndicator(kNameCol, Qt::AscendingOrder);
    influences_->setSortingEnabled(true);
    connect(influences_, &QTableWidget::itemChanged, this, &SensitivityWindow::ToleranceEdited);
    rows_ = FigureTable(this, {"Row"}, false);
    rows_->setObjectName("SpreadAndWear");
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    chartFigure_ = new QComboBox(this);
    chartFigure_->setObjectName("ChartFigure");
    for (std::size_t k = 0; k < kFigureCount; ++k) chartFigure_->addItem(Figure(k).Title);
    chartFigure_->setCurrentIndex(int(kFrontCutOff));
    connect(chartFigure_, &QComboBox::currentIndexChanged, this, &SensitivityWindow::DrawChart);
    chartView_ = new QLabel(this);
    chartView_->setObjectName("Chart");
    chartView_->setContextMenuPolicy(Qt::CustomContextMenu);
    chartView_->setToolTip("Right-click to copy or save the chart");
    chartMenu_ = new DiagramMenu(chart_, ui_, this);
    connect(chartView_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { chartMenu_->popup(chartView_->mapToGlobal(at)); });

    auto* inputs = new QHBoxLayout;
    const auto field = [&](const char* label, QWidget* w) {
        inputs->addWidget(new QLabel(label, this));
        inputs->addWidget(w);
    };
    field("Gear position:", position_);
    field("Tolerance +- lengths (units):", lengthTol_);
    field("angles (deg):", angleTol_);
    field("Monte Carlo designs:", designs_);
    field("Lost motions S (units at the valve):", wear_);
    inputs->addWidget(compute_);
    inputs->addWidget(cancelButton_);
    inputs->addWidget(progress_, 1);

    auto* chartBox = new QVBoxLayout;
    auto* chartPick = new QHBoxLayout;
    chartPick->addWidget(new QLabel("Ten largest influences on:", this));
    chartPick->addWidget(chartFigure_, 1);
    chartBox->addLayout(chartPick);
    chartBox->addWidget(chartView_);
    chartBox->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(influences_, 1);
    top->addLayout(chartBox);

    auto* copy = new QPushButton("Copy", this);
    copy->setObjectName("CopySensitivity");
    auto* save = new QPushButton("Save CSV...", this);
    save->setObjectName("SaveCsv");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("CloseSensitivity");
    connect(copy, &QPushButton::clicked, this, &SensitivityWindow::CopyClick);
    connect(save, &QPushButton::clicked, this, &SensitivityWindow::SaveCsvClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(
        new QLabel("Change of each figure per unit increase of the dimension (per degree for "
                   "the eccentric angles); mid gear recalculated for each changed design. "
                   "Leads: opening at the dead centre, > 0 open. Events: % of stroke from that "
                   "end's dead centre. Click a heading to sort.",
                   this));
    layout->addLayout(top, 5);
    layout->addWidget(
        new QLabel("Spread the tolerances allow (+- worst case, +- statistical, least and "
                   "greatest change in the random designs), then the events of the new and "
                   "of the worn gear:",
                   this));
    layout->addWidget(rows_, 3);
    layout->addLayout(buttons);
}

void SensitivityWindow::showEvent(QShowEvent* e) {
    ShowTolerances();
    QDialog::showEvent(e);
}

// The design's values and each dimension's tolerance into the table.
void SensitivityWindow::ShowTolerances() {
    for (auto [edit, target] :
         {std::pair{lengthTol_, &tolerances_.Length}, std::pair{angleTol_, &tolerances_.Angle}}) {
        double t = 0;
        if (ParseDecimal(edit->text().toStdString(), t) && t >= 0) *target = t;
        else status_->setText("A tolerance must be a number of at least 0; the last one is kept.");
    }
    lengthTol_->setText(FormatFixed(tolerances_.Length, 0, 4).c_str());
    angleTol_->setText(FormatFixed(tolerances_.Angle, 0, 3).c_str());
    const QSignalBlocker quiet(influences_);
    influences_->setSortingEnabled(false); // rows stay put while they are filled
    Mechanism design = s_;
    for (int row = 0; row < influences_->rowCount(); ++row) {
        const DimensionInfo& d = NamedDimension(influences_->item(row, kNameCol)->text());
        influences_->setItem(row, kValueCol, Number(d.Ref(design), 4));
        auto* tol = new QTableWidgetItem;
        tol->setData(Qt::DisplayRole, tolerances_.Of(d));
        tol->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        influences_->setItem(row, kTolCol, tol);
    }
    influences_->setSortingEnabled(true);
}

void SensitivityWindow::ToleranceEdited(QTableWidgetItem* item) {
    if (item->column() != kTolCol) return;
    const std::string name = influences_->item(item->row(), kNameCol)->text().toStdString();
    double t = 0;
    if (ParseDecimal(item->text().toStdString(), t) && t >= 0) {
        tolerances_.Overrides[name] = t;
        status_->setText(QString::fromStdString("The tolerance of " + name + " is now +-" +
                                                FormatFixed(t, 0, 4) +
                                                "; Compute to see its spread."));
    } else {
        status_->setText(QString::fromStdString("A tolerance must be a number of at least 0; " +
                                                name + " keeps its tolerance."));
    }
    ShowTolerances();
}

std::optional<SensitivityRequest> SensitivityWindow::ReadRequest() {
    SensitivityRequest q;
    q.Position = position_->currentText().trimmed().toStdString();
    if (!ParseGearPlace(s_, q.Position)) {
        status_->setText(
            "The gear position must be full-fwd, normal-fwd, mid, normal-rev, full-rev or an "
            "offset from mid gear in model units; nothing was computed.");
        return std::nullopt;
    }
    const auto wear = ParseLostMotions(wear_->text().toStdString());
    if (!wear) {
        status_->setText(
            "Each lost motion must be a number from 0 to 1 (model units), separated by "
            "commas; nothing was computed.");
        return std::nullopt;
    }
    ShowTolerances();
    q.Wear = *wear;
    q.Tolerances = tolerances_;
    q.MonteCarloDesigns = designs_->value();
    return q;
}

void SensitivityWindow::ComputeClick() {
    if (Running()) return;
    const std::optional<SensitivityRequest> q = ReadRequest();
    if (!q) {
        emit Finished();
        return;
    }
    done_ = 0;
    total_ = 1;
    cancel_ = false;
    pending_.reset();
    worker_.reset(QThread::create([this, design = Mechanism(s_), request = *q] {
        pending_ = ComputeSensitivityReport(design, request, [this](int done, int total) {
            done_ = done;
            total_ = total;
            return !cancel_;
        });
    }));
    connect(worker_.get(), &QThread::finished, this, &SensitivityWindow::WorkFinished);
    compute_->setEnabled(false);
    cancelButton_->setEnabled(true);
    status_->setText("Computing on a copy of the design...");
    poll_->start();
    worker_->start();
}

void SensitivityWindow::CancelClick() { cancel_ = true; }

void SensitivityWindow::WorkFinished() {
    worker_->wait();
    worker_.reset();
    poll_->stop();
    compute_->setEnabled(true);
    cancelButton_->setEnabled(false);
    if (pending_ && !pending_->Result.Cancelled) {
        report_ = std::move(pending_);
        progress_->setValue(progress_->maximum());
        status_->setText(QString::fromStdString("Computed at " + report_->Position + "."));
        ShowReport();
    } else {
        progress_->setValue(0);
        status_->setText(report_ ? "Cancelled; the results shown are the last ones computed."
                                 : "Cancelled; nothing was computed.");
    }
    emit Finished();
}

void SensitivityWindow::StopWork() {
    if (!worker_) return;
    cancel_ = true;
    worker_->wait();
}

void SensitivityWindow::done(int result) {
    StopWork();
    QDialog::done(result);
}

void SensitivityWindow::ShowReport() {
    FillInfluences();
    FillRows();
    DrawChart();
}

void SensitivityWindow::FillInfluences() {
    influences_->setSortingEnabled(false);
    const QSignalBlocker quiet(influences_);
    for (int row = 0; row < influences_->rowCount(); ++row) {
        const QString name = influences_->item(row, kNameCol)->text();
        for (const InfluenceRow& r : report_->Result.Rows) {
            if (name != r.Dimension->Name) continue;
            QTableWidgetItem* label = influences_->item(row, kNameCol);
            label->setToolTip(
                r.Assembles
                    ? ""
                    : "The gear cannot be assembled when this dimension changes by its step");
            label->setBackground(r.Assembles ? QBrush() : QBrush(QColor(255, 200, 200)));
            for (std::size_t k = 0; k < kFigureCount; ++k)
                influences_->setItem(row, kFirstFigureCol + int(k), Number(r.Derivative[k], 4));
        }
    }
    influences_->setSortingEnabled(true);
}

void SensitivityWindow::FillRows() {
    struct Line {
        QString label;
        Figures values;
    };
    std::vector<Line> lines;
    if (report_->Tolerances) {
        const MonteCarloRange& mc = report_->MonteCarlo;
        const QString seen =
            QString(" in %1 designs (%2 not assembled)").arg(mc.Designs).arg(mc.Failed);
        lines.push_back({"Worst case +-", report_->Spread.WorstCase});
        lines.push_back({"Statistical +-", report_->Spread.Statistical});
        lines.push_back({"Least change" + seen, mc.Low});
        lines.push_back({"Greatest change" + seen, mc.High});
    }
    lines.push_back({"New gear", FiguresOf(report_->Result.Nominal)});
    for (const WearRow& w : report_->Wear)
        lines.push_back({QString::fromStdString("Worn, S = " + FormatFixed(w.LostMotion, 0, 4)),
                         FiguresOf(w.Events)});
    rows_->setRowCount(int(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        rows_->setItem(int(i), 0, new QTableWidgetItem(lines[i].label));
        for (std::size_t k = 0; k < kFigureCount; ++k)
            rows_->setItem(int(i), 1 + int(k), Number(lines[i].values[k], 4));
    }
}

void SensitivityWindow::DrawChart() {
    if (!report_) return;
    const std::size_t k = std::size_t(chartFigure_->currentIndex());
    std::vector<InfluenceBar> bars;
    for (const InfluenceRow* row : LargestInfluences(report_->Result, k))
        bars.push_back({row->Dimension->Name, row->Derivative[k]});
    const std::string title = std::string(Figure(k).Title) + " at " + report_->Position + ": " +
                              (Figure(k).Percent ? "% of stroke" : "model units") +
                              " per unit increase (per degree for the angles)";
    DrawInfluenceChart(chart_, title, bars);
    chartView_->setPixmap(QPixmap::fromImage(chart_.Image()));
}

void SensitivityWindow::CopyClick() {
    if (report_)
        QApplication::clipboard()->setText(QString::fromStdString(FormatSensitivityText(*report_)));
}

void SensitivityWindow::SaveCsvClick() {
    if (!report_) {
        status_->setText("Nothing to save yet: Compute first.");
        return;
    }
    const QString path = ui_.choose ? ui_.choose(kSaveSensitivityCsvDialog) : QString();
    if (path.isEmpty()) return;
    if (const QString error = SaveTextFile(path, FormatSensitivityCsv(*report_)); !error.isEmpty())
        ui_.report("The sensitivity and wear table could not be saved as " + path + ": " + error +
                   "; any file of that name is as it was.");
}

} // namespace vt
