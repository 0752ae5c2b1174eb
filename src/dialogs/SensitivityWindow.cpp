// The "Sensitivity and Wear" window: inputs read and checked, the work on the background
// job, the results into the two tables and the chart, cleared when the design changed.
#include "dialogs/SensitivityWindow.h"

#include "gears/kinds/ClassicGear.h"

#include "diagrams/InfluenceChart.h"
#include "graphs/DiagramMenu.h"
#include "model/Format.h"
#include "widgets/BackgroundJob.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace vt {

namespace {

constexpr int kNameCol = 0, kValueCol = 1, kTolCol = 2, kFirstFigureCol = 3;
constexpr int kDimensionRole = Qt::UserRole;     // the row's index into the kind's dimensions
constexpr int kSortRole = Qt::UserRole + 1;      // a figure cell's place in the sort
constexpr const char* kPositions[] = {"normal-fwd", "full-fwd", "mid", "normal-rev", "full-rev"};

QString UnitOf(std::size_t k, bool perUnit) {
    const char* unit = Figure(k).Percent ? "% stroke" : "units";
    return QString(unit) + (perUnit ? "/unit" : "");
}

// A tolerance as a designer types it: up to 5 decimals, no trailing zeros ("0.002").
QString ToleranceText(double t) {
    QString text = QString::fromStdString(FormatFixed(t, 0, 5));
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.'))) text.chop(1);
    return text;
}

// A figure cell: its text, and a sort key that puts the largest contribution first.
class FigureItem final : public QTableWidgetItem {
public:
    FigureItem(const std::string& text, double sortKey) : QTableWidgetItem(text.c_str()) {
        setData(kSortRole, std::isnan(sortKey) ? std::numeric_limits<double>::infinity() : sortKey);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setFlags(flags() & ~Qt::ItemIsEditable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(kSortRole).toDouble() < other.data(kSortRole).toDouble();
    }
};

QTableWidgetItem* Number(double v, int decimals) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole,
                  std::round(v * std::pow(10, decimals)) / std::pow(10, decimals));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// The tolerance column: shown and edited as text to 0.00001, so no tolerance a designer
// types is cut to a spin box's decimals; the window judges what is typed.
class ToleranceDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override {
        return ToleranceText(value.toDouble());
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        return new QLineEdit(parent);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(ToleranceText(index.data().toDouble()));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QLineEdit*>(editor)->text());
    }
};

int RowIndex(const QTableWidget* t, int row) {
    return t->item(row, kNameCol)->data(kDimensionRole).toInt();
}

// The row's dimension of the design's kind, which the tools evaluate.
const gears::Dimension& RowGearDimension(const gears::GearDesign& d, const QTableWidget* t,
                                         int row) {
    return d.Kind->Dimensions()[std::size_t(RowIndex(t, row))];
}

double RowValue(const gears::GearDesign& d, const QTableWidget* t, int row) {
    return d.Values[std::size_t(RowIndex(t, row))];
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
    : SensitivityWindow(ClassicReader(s), std::move(ui), parent) {}

SensitivityWindow::SensitivityWindow(DesignHost host, FileUi ui, QWidget* parent)
    : QDialog(parent), host_(std::move(host)), ui_(std::move(ui)), job_(new BackgroundJob(this)),
      chart_(kInfluenceChartWidth, kInfluenceChartHeight) {
    setObjectName("TSensitivity");
    setWindowTitle("Sensitivity and Wear");
    BuildInputs();
    BuildResults();
    resize(1500, 900);
}

// An editor still open commits into the table as it closes: not into a window going away.
SensitivityWindow::~SensitivityWindow() { disconnect(influences_, nullptr, this, nullptr); }

bool SensitivityWindow::Running() const { return job_->Running(); }

void SensitivityWindow::BuildInputs() {
    position_ = new QComboBox(this);
    position_->setObjectName("Position");
    position_->setEditable(true);
    for (const char* p : kPositions) position_->addItem(p);
    position_->setToolTip(
        "A named position, or an offset from mid gear in model units (+ towards forward)");
    lengthTol_ = new QLineEdit(ToleranceText(kDefaultLengthTolerance), this);
    lengthTol_->setObjectName("LengthTolerance");
    angleTol_ = new QLineEdit(ToleranceText(kDefaultAngleTolerance), this);
    angleTol_->setObjectName("AngleTolerance");
    designs_ = new QSpinBox(this);
    designs_->setObjectName("Designs");
    designs_->setRange(0, kMostMonteCarloDesigns);
    designs_->setValue(1000);
    designs_->setToolTip(QString("Random designs made within the tolerances and solved fully, "
                                 "on every core; at most %1")
                             .arg(kMostMonteCarloDesigns));
    wear_ = new QLineEdit("0, 0.005, 0.01, 0.02", this);
    wear_->setObjectName("LostMotions");
    compute_ = new QPushButton("&Compute", this);
    compute_->setObjectName("Compute");
    cancelButton_ = new QPushButton("Ca&ncel", this);
    cancelButton_->setObjectName("Cancel");
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("Progress");
    progress_->setRange(0, 1000);
    status_ = new QLabel(this);
    status_->setObjectName("Status");
    status_->setWordWrap(true);
    connect(job_, &BackgroundJob::Progressed, this, &SensitivityWindow::ShowProgress);
    connect(job_, &BackgroundJob::Finished, this, &SensitivityWindow::Finished);
    connect(compute_, &QPushButton::clicked, this, &SensitivityWindow::ComputeClick);
    connect(cancelButton_, &QPushButton::clicked, this, &SensitivityWindow::CancelClick);
    connect(lengthTol_, &QLineEdit::editingFinished, this, &SensitivityWindow::ShowTolerances);
    connect(angleTol_, &QLineEdit::editingFinished, this, &SensitivityWindow::ShowTolerances);
}

void SensitivityWindow::BuildResults() {
    influences_ = FigureTable(this, {"Dimension", "Value", "Tolerance +-\n(units or deg)"}, true);
    influences_->setObjectName("Influences");
    influences_->setItemDelegateForColumn(kTolCol, new ToleranceDelegate(influences_));
    influences_->setRowCount(host_.Listed);
    for (int i = 0; i < host_.Listed; ++i) {
        auto* name = new QTableWidgetItem(QString::fromStdString(host_.Caption(i)));
        name->setData(kDimensionRole, i);
        name->setToolTip(QString::fromStdString(host_.Tip(i)));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        influences_->setItem(i, kNameCol, name);
    }
    for (std::size_t k = 0; k < kFigureCount; ++k)
        influences_->horizontalHeaderItem(kFirstFigureCol + int(k))
            ->setToolTip("Click to sort by the contribution |derivative| x tolerance to this "
                         "figure, largest first");
    influences_->setSortingEnabled(true);
    influences_->sortByColumn(kNameCol, Qt::AscendingOrder);
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
    chartView_->setMinimumSize(kInfluenceChartWidth, kInfluenceChartHeight);
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
    chartPick->addWidget(new QLabel("Ten largest contributions to:", this));
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

    const auto note = [this](const char* text) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        return label;
    };
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(note(
        "Change of each figure per unit increase of the dimension (per degree for the "
        "eccentric angles); mid gear recalculated for each changed design. Leads: opening at "
        "the dead centre, > 0 open. Events: % of stroke from that end's dead centre. A click "
        "on a figure's heading sorts by the contribution |derivative| x tolerance to it, "
        "largest first; hover a dimension for its field name."));
    layout->addLayout(top, 5);
    layout->addWidget(note(
        "A tolerance +-t is 3 standard deviations of a normal spread. Spread it allows: +- worst "
        "case (sum of |derivative| x t), +- statistical (root sum of squares of |derivative| "
        "x t), least and greatest change in random designs drawn with standard deviation t/3 "
        "(near linear, within about 1.1 x statistical); then the events of the new and of "
        "the worn gear, at the same recalculated position:"));
    layout->addWidget(rows_, 3);
    layout->addLayout(buttons);
}

void SensitivityWindow::showEvent(QShowEvent* e) {
    if (report_ && !SameDesign(computedOn_, host_.Design())) {
        ClearResults();
        status_->setText("The design has changed since the last Compute: its results were "
                         "cleared. Compute to see today's.");
    }
    ShowTolerances();
    QDialog::showEvent(e);
}

// The design's values and each dimension's tolerance into the table.
void SensitivityWindow::ShowTolerances() {
    for (auto [edit, target] :
         {std::pair{lengthTol_, &tolerances_.Length}, std::pair{angleTol_, &tolerances_.Angle}}) {
        double t = 0;
        if (ParseDecimal(edit->text().toStdString(), t) && std::isfinite(t) && t >= 0) *target = t;
        else status_->setText("A tolerance must be a number of at least 0; the last one is kept.");
    }
    lengthTol_->setText(ToleranceText(tolerances_.Length));
    angleTol_->setText(ToleranceText(tolerances_.Angle));
    const QSignalBlocker quiet(influences_);
    influences_->setSortingEnabled(false); // rows stay put while they are filled
    const gears::GearDesign design = host_.Design();
    for (int row = 0; row < influences_->rowCount(); ++row) {
        influences_->setItem(row, kValueCol, Number(RowValue(design, influences_, row), 4));
        auto* tol = new QTableWidgetItem;
        tol->setData(Qt::DisplayRole, tolerances_.Of(RowGearDimension(design, influences_, row)));
        tol->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        influences_->setItem(row, kTolCol, tol);
    }
    influences_->setSortingEnabled(true);
}

void SensitivityWindow::ToleranceEdited(QTableWidgetItem* item) {
    if (item->column() != kTolCol) return;
    const gears::GearDesign design = host_.Design();
    const gears::Dimension& g = RowGearDimension(design, influences_, item->row());
    const std::string caption = host_.Caption(RowIndex(influences_, item->row()));
    double t = 0;
    const std::string typed = item->text().trimmed().toStdString();
    const std::string why = ParseDecimal(typed, t)
                                ? ToleranceRefusal(g, RowValue(design, influences_, item->row()), t)
                                                   : "it is not a number";
    if (why.empty()) {
        tolerances_.Overrides[g.Name] = t;
        status_->setText(QString::fromStdString("The tolerance of " + caption + " is now +-" +
                                                ToleranceText(t).toStdString() +
                                                "; Compute to see its spread."));
    } else {
        status_->setText(QString::fromStdString("The tolerance " + typed + " of " + caption +
                                                " was refused: " + why + ". It keeps +-" +
                                                ToleranceText(tolerances_.Of(g)).toStdString() +
                                                "."));
    }
    ShowTolerances();
}

std::optional<SensitivityRequest> SensitivityWindow::ReadRequest() {
    SensitivityRequest q;
    q.Position = position_->currentText().trimmed().toStdString();
    if (!ParseGearPlace(host_.Design(), q.Position)) {
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
    job_->Start([this, design = host_.Design(), request = *q](JobProgress& p) {
        auto report = ComputeSensitivityReport(design, request, [&p](int done, int total) {
            p.Done = done;
            p.Total = total;
            return !p.Cancelled();
        });
        return BackgroundJob::Delivery(
            [this, report = std::move(report), design] { Delivered(report, design); });
    });
    compute_->setEnabled(false);
    cancelButton_->setEnabled(true);
    progress_->setValue(0);
    status_->setText("Computing on a copy of the design...");
}

void SensitivityWindow::CancelClick() { job_->Cancel(); }

void SensitivityWindow::ShowProgress() {
    const JobProgress& p = job_->Progress();
    progress_->setValue(int(1000.0 * p.Done / std::max(1, int(p.Total))));
}

void SensitivityWindow::Delivered(std::optional<SensitivityReport> report,
                                  const gears::GearDesign& design) {
    compute_->setEnabled(true);
    cancelButton_->setEnabled(false);
    if (!report || report->Result.Cancelled) {
        progress_->setValue(0);
        status_->setText(report_ ? "Cancelled; the results shown are the last ones computed."
                                 : "Cancelled; nothing was computed.");
        return;
    }
    progress_->setValue(progress_->maximum());
    if (!report->Result.Failure.empty()) {
        ClearResults();
        status_->setText(QString::fromStdString(FailureText(*report)).trimmed());
        return;
    }
    report_ = std::move(report);
    computedOn_ = design;
    status_->setText(QString::fromStdString("Computed: " + ReportPlace(*report_) + "."));
    ShowReport();
}

// Closing cancels the work; its end is delivered as a cancel.
void SensitivityWindow::done(int result) {
    job_->Cancel();
    QDialog::done(result);
}

void SensitivityWindow::ShowReport() {
    FillInfluences();
    FillRows();
    DrawChart();
}

void SensitivityWindow::ClearResults() {
    report_.reset();
    const QSignalBlocker quiet(influences_);
    for (int row = 0; row < influences_->rowCount(); ++row) {
        influences_->item(row, kNameCol)->setBackground(QBrush());
        for (int col = kFirstFigureCol; col < influences_->columnCount(); ++col)
            delete influences_->takeItem(row, col);
    }
    rows_->setRowCount(0);
    chart_.Clear();
    chartView_->setPixmap(QPixmap::fromImage(chart_.Image()));
}

bool SensitivityWindow::HasResults() {
    if (report_) return true;
    status_->setText("Nothing computed for this design yet: Compute first.");
    return false;
}

void SensitivityWindow::FillInfluences() {
    influences_->setSortingEnabled(false);
    const QSignalBlocker quiet(influences_);
    const ToleranceSet& t = *report_->Tolerances;
    for (int row = 0; row < influences_->rowCount(); ++row) {
        const QString tip = QString::fromStdString(host_.Tip(RowIndex(influences_, row)));
        for (const InfluenceRow& r : report_->Result.Rows) {
            if (r.Index != RowIndex(influences_, row)) continue;
            QTableWidgetItem* label = influences_->item(row, kNameCol);
            label->setToolTip(tip +
                              (r.Assembles ? "" : ": the gear cannot be assembled when this "
                                                  "dimension changes by its step"));
            label->setBackground(r.Assembles ? QBrush() : QBrush(QColor(255, 200, 200)));
            for (std::size_t k = 0; k < kFigureCount; ++k) {
                const double share = Contribution(r, t, k);
                auto* cell = new FigureItem(DerivativeText(r.Derivative[k]), -std::abs(share));
                cell->setToolTip(QString::fromStdString(
                    "Contribution of its tolerance: " + DerivativeText(share) + " " +
                    (Figure(k).Percent ? "% of stroke" : "units")));
                influences_->setItem(row, kFirstFigureCol + int(k), cell);
            }
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
        lines.push_back({"Statistical +- (3 sigma)", report_->Spread.Statistical});
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
        for (std::size_t k = 0; k < kFigureCount; ++k) {
            const std::string text = FigureText(lines[i].values[k], k);
            rows_->setItem(int(i), 1 + int(k), new FigureItem(text, 0));
        }
    }
}

void SensitivityWindow::DrawChart() {
    if (!report_) return;
    const std::size_t k = std::size_t(chartFigure_->currentIndex());
    const ToleranceSet& t = *report_->Tolerances;
    std::vector<InfluenceBar> bars;
    for (const InfluenceRow* row : LargestContributions(report_->Result, t, k)) {
        const double share = Contribution(*row, t, k);
        bars.push_back({host_.Caption(row->Index), share,
                        DerivativeText(share)});
    }
    const std::string title = std::string(Figure(k).Title) + " at " + report_->Position +
                              ": change for each dimension's tolerance +-t, in " +
                              (Figure(k).Percent ? "% of stroke" : "model units");
    DrawInfluenceChart(chart_, title, bars);
    chartView_->setPixmap(QPixmap::fromImage(chart_.Image()));
}

void SensitivityWindow::CopyClick() {
    if (HasResults())
        QApplication::clipboard()->setText(QString::fromStdString(FormatSensitivityText(*report_)));
}

void SensitivityWindow::SaveCsvClick() {
    if (!HasResults()) return;
    const QString path = ui_.choose ? ui_.choose(kSaveSensitivityCsvDialog) : QString();
    if (path.isEmpty()) return;
    if (const QString error = SaveTextFile(path, FormatSensitivityCsv(*report_)); !error.isEmpty())
        ui_.report("The sensitivity and wear table could not be saved as " + path + ": " + error +
                   "; any file of that name is as it was.");
}

} // namespace vt
