// The valve-setting window: widgets to and from the rules of analysis/SettingTasks.h.
#include "dialogs/ValveSetting.h"

#include "analysis/DesignVariant.h"
#include "gears/kinds/ClassicGear.h"

#include "analysis/SettingText.h"
#include "model/Format.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vt {

namespace {

constexpr const char* kPositions[] = {"full-fwd", "normal-fwd", "mid", "normal-rev", "full-rev"};
enum TargetColumn { kKind, kPosition, kValue, kWeight };
enum DimensionColumn { kDimension, kNow, kLow, kHigh };

QPushButton* MakeButton(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QTableWidget* MakeTable(const QStringList& header, const char* name, QWidget* parent) {
    auto* t = new QTableWidget(0, int(header.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(header);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

QTableWidgetItem* Item(const std::string& text, bool editable) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

std::string Cell(const QTableWidget* t, int row, int column) {
    if (const auto* combo = qobject_cast<const QComboBox*>(t->cellWidget(row, column)))
        return combo->currentText().trimmed().toStdString();
    const QTableWidgetItem* item = t->item(row, column);
    return item ? item->text().trimmed().toStdString() : std::string();
}

void Fill(QTableWidget* t, const TextTable& text) {
    t->clear();
    t->setColumnCount(int(text.Header.size()));
    QStringList header;
    for (const std::string& h : text.Header) header << QString::fromStdString(h);
    t->setHorizontalHeaderLabels(header);
    t->setRowCount(int(text.Rows.size()));
    for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c)
            t->setItem(r, c, Item(text.Rows[std::size_t(r)][std::size_t(c)], false));
}

} // namespace

ValveSettingWindow::ValveSettingWindow(State& s, Controls& c, QWidget* parent)
    : ValveSettingWindow(ClassicHost(s, c), parent) {}

ValveSettingWindow::ValveSettingWindow(DesignHost host, QWidget* parent)
    : QDialog(parent), host_(std::move(host)) {
    setObjectName("TValveSetting");
    setWindowTitle("Valve Setting");
    choices_ = DimensionChoices(host_.Design());
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(BuildInputs());
    split->addWidget(BuildResults());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
    connect(&job_, &BackgroundJob::Progressed, this, &ValveSettingWindow::ShowProgress);
    connect(&job_, &BackgroundJob::Finished, this, [this] { SetBusy(false); });
    ShowTargets();
    ShowChoices();
    SetBusy(false);
    resize(1240, 860);
}

QPushButton* ValveSettingWindow::Button(const char* name) const {
    return findChild<QPushButton*>(name);
}

QWidget* ValveSettingWindow::BuildInputs() {
    auto* box = new QWidget(this);
    auto* tasks = new QHBoxLayout;
    auto* setValve = MakeButton("Set the valve", "SetTheValve", box);
    auto* balance = MakeButton("Balance the cut-offs", "BalanceCutOffs", box);
    auto* add = MakeButton("Add target", "AddTarget", box);
    auto* remove = MakeButton("Remove target", "RemoveTarget", box);
    connect(setValve, &QPushButton::clicked, this, [this] { TaskClick(SettingTask::SetTheValve); });
    connect(balance, &QPushButton::clicked, this,
            [this] { TaskClick(SettingTask::BalanceCutOffs); });
    connect(add, &QPushButton::clicked, this, [this] { AddTargetRow({}); });
    connect(remove, &QPushButton::clicked, this, [this] {
        targetTable_->removeRow(targetTable_->currentRow() >= 0 ? targetTable_->currentRow()
                                                                 : targetTable_->rowCount() - 1);
    });
    tasks->addWidget(new QLabel("Ready tasks:", box));
    for (QPushButton* b : {setValve, balance}) tasks->addWidget(b);
    tasks->addStretch();
    for (QPushButton* b : {add, remove}) tasks->addWidget(b);
    inputButtons_ = {setValve, balance, add, remove};

    targetTable_ = MakeTable({"Kind", "Position (or offset from mid gear, + forward)",
                              "Value (lead: units, + open; cut-off: % stroke)", "Weight"},
                             "Targets", box);
    dimensionTable_ = MakeTable({"Vary  Dimension", "Now (units/deg)", "Low", "High"},
                                "Dimensions", box);
    auto* tables = new QHBoxLayout;
    tables->addWidget(targetTable_, 1);
    tables->addWidget(dimensionTable_, 1);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(tasks);
    layout->addLayout(tables);
    return box;
}

QWidget* ValveSettingWindow::BuildResults() {
    auto* box = new QWidget(this);
    auto* solve = MakeButton("Solve", "Solve", box);
    auto* cancel = MakeButton("Cancel", "Cancel", box);
    auto* apply = MakeButton("Apply", "Apply", box);
    auto* close = MakeButton("Close", "Close", box);
    connect(solve, &QPushButton::clicked, this, &ValveSettingWindow::SolveClick);
    connect(cancel, &QPushButton::clicked, &job_, &BackgroundJob::Cancel);
    connect(apply, &QPushButton::clicked, this, &ValveSettingWindow::ApplyClick);
    connect(close, &QPushButton::clicked, this, &ValveSettingWindow::reject);
    progress_ = new QLabel(box);
    progress_->setObjectName("Progress");
    status_ = new QLabel(box);
    status_->setObjectName("Status");
    status_->setWordWrap(true);
    targetResults_ = MakeTable({}, "TargetResults", box);
    variableResults_ = MakeTable({}, "VariableResults", box);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {solve, cancel}) buttons->addWidget(b);
    buttons->addWidget(progress_, 1);
    for (QPushButton* b : {apply, close}) buttons->addWidget(b);
    inputButtons_.push_back(solve);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    layout->addWidget(targetResults_);
    layout->addWidget(variableResults_);
    return box;
}

void ValveSettingWindow::showEvent(QShowEvent* e) {
    if (!Solving()) { // the design may have changed since: values and default bounds anew
        std::vector<DimensionChoice> fresh = DimensionChoices(host_.Design());
        for (std::size_t i = 0; i < fresh.size(); ++i) fresh[i].Vary = choices_[i].Vary;
        choices_ = fresh;
        ShowChoices();
        DropStaleResult();
    }
    QDialog::showEvent(e);
}

void ValveSettingWindow::DropStaleResult() {
    if (!result_ || ResultFits(*result_, host_.Design())) return;
    result_.reset();
    targetResults_->setRowCount(0);
    variableResults_->setRowCount(0);
    Button("Apply")->setEnabled(false);
    status_->setText("The design has changed since that search; its result was cleared. "
                     "Press Solve to search this design.");
}

void ValveSettingWindow::TaskClick(SettingTask task) {
    FillTask(task, host_.Design(), targets_, choices_);
    ShowTargets();
    ShowChoices();
}

void ValveSettingWindow::AddTargetRow(const SettingTarget& t) {
    const int row = targetTable_->rowCount();
    targetTable_->insertRow(row);
    auto* kind = new QComboBox(targetTable_);
    for (TargetKind k : {TargetKind::LeadEqual, TargetKind::Lead, TargetKind::CutOffEqual,
                         TargetKind::CutOff, TargetKind::DieSlipMin})
        kind->addItem(KindName(k));
    kind->setCurrentText(KindName(t.Kind));
    auto* position = new QComboBox(targetTable_);
    position->setEditable(true);
    for (const char* p : kPositions) position->addItem(p);
    position->setCurrentText(QString::fromStdString(t.Position));
    targetTable_->setCellWidget(row, kKind, kind);
    targetTable_->setCellWidget(row, kPosition, position);
    targetTable_->setItem(row, kValue,
                          Item(KindHasValue(t.Kind) ? FormatFixed(t.Value, 0, 4) : "", true));
    targetTable_->setItem(row, kWeight, Item(FormatFixed(t.Weight, 0, 2), true));
}

void ValveSettingWindow::ShowTargets() {
    targetTable_->setRowCount(0);
    for (const SettingTarget& t : targets_) AddTargetRow(t);
}

void ValveSettingWindow::ShowChoices() {
    const gears::GearDesign design = host_.Design();
    dimensionTable_->setRowCount(int(choices_.size()));
    for (int r = 0; r < dimensionTable_->rowCount(); ++r) {
        const DimensionChoice& c = choices_[std::size_t(r)];
        auto* name = Item(host_.Caption(c.Variable.Index), false);
        name->setToolTip(QString::fromStdString(host_.Tip(c.Variable.Index)));
        name->setFlags(name->flags() | Qt::ItemIsUserCheckable);
        name->setCheckState(c.Vary ? Qt::Checked : Qt::Unchecked);
        dimensionTable_->setItem(r, kDimension, name);
        dimensionTable_->setItem(r, kNow,
                                 Item(FormatFixed(design.Values[std::size_t(c.Variable.Index)], 0, 5), false));
        dimensionTable_->setItem(r, kLow, Item(FormatFixed(c.Variable.Low, 0, 5), true));
        dimensionTable_->setItem(r, kHigh, Item(FormatFixed(c.Variable.High, 0, 5), true));
    }
}

std::string ValveSettingWindow::ReadTables() {
    targets_.clear();
    for (int r = 0; r < targetTable_->rowCount(); ++r) {
        const ParsedTarget p =
            TargetFromCells(Cell(targetTable_, r, kKind), Cell(targetTable_, r, kPosition),
                            Cell(targetTable_, r, kValue), Cell(targetTable_, r, kWeight));
        if (!p.target) return "Target " + std::to_string(r + 1) + ": " + p.error + ".";
        targets_.push_back(*p.target);
    }
    for (int r = 0; r < dimensionTable_->rowCount(); ++r) {
        DimensionChoice& c = choices_[std::size_t(r)];
        c.Vary = dimensionTable_->item(r, kDimension)->checkState() == Qt::Checked;
        if (!ParseDecimal(Cell(dimensionTable_, r, kLow), c.Variable.Low) ||
            !ParseDecimal(Cell(dimensionTable_, r, kHigh), c.Variable.High))
            return "The bounds of " + host_.Caption(c.Variable.Index) + " are not numbers.";
    }
    return {};
}

void ValveSettingWindow::SolveClick() {
    if (Solving()) return;
    std::string error = ReadTables();
    SettingProblem problem = CheckProblem(host_.Design(), targets_, choices_);
    if (error.empty()) error = problem.Error;
    if (!error.empty()) {
        status_->setText(QString::fromStdString(error));
        return;
    }
    job_.Start([this, gear = host_.Design(), targets = targets_,
                variables = std::move(problem.Variables)](JobProgress& p) {
        SettingOptions o;
        p.Total = o.MaxEvaluations;
        o.Cancelled = [&p] { return p.Cancelled(); };
        o.Progress = [&p](const SearchStatus& now) {
            p.Done = now.Evaluations;
            p.SetNote("restart " + std::to_string(now.Restarts) + "   objective " +
                      FormatFixed(now.Best, 0, 3));
        };
        return [this, found = SetValve(gear, targets, variables, o)] {
            result_ = found;
            ShowResult();
        };
    });
    status_->setText("Solving...");
    progress_->clear();
    SetBusy(true);
}

void ValveSettingWindow::ShowProgress() {
    const JobProgress& p = job_.Progress();
    progress_->setText(QString("Evaluations: %1 of %2   %3")
                           .arg(p.Done.load())
                           .arg(p.Total.load())
                           .arg(QString::fromStdString(p.Note())));
}

void ValveSettingWindow::ShowResult() {
    Fill(targetResults_, TargetTable(*result_));
    Fill(variableResults_, VariableTable(*result_));
    for (int r = 0; r < variableResults_->rowCount(); ++r) { // named as in the inputs
        const SettingVariable& v = result_->Variables[std::size_t(r)].Variable;
        variableResults_->item(r, 0)->setText(QString::fromStdString(host_.Caption(v.Index)));
        variableResults_->item(r, 0)->setToolTip(QString::fromStdString(host_.Tip(v.Index)));
    }
    status_->setText(QString::fromStdString(StatusLines(*result_)).trimmed());
    Button("Apply")->setEnabled(result_->Status != SettingStatus::CannotAssemble);
}

void ValveSettingWindow::ApplyClick() {
    DropStaleResult();
    if (!result_ || Solving()) return;
    const int written = host_.Apply(*result_);
    result_.reset();
    Button("Apply")->setEnabled(false);
    ShowChoices();
    status_->setText(QString("Applied: %1 dimensions written, one UnDo entry each.").arg(written));
}

void ValveSettingWindow::SetBusy(bool busy) {
    for (QPushButton* b : inputButtons_) b->setEnabled(!busy);
    targetTable_->setEnabled(!busy);
    dimensionTable_->setEnabled(!busy);
    Button("Cancel")->setEnabled(busy);
    Button("Apply")->setEnabled(!busy && result_ &&
                                result_->Status != SettingStatus::CannotAssemble);
}

void ValveSettingWindow::reject() {
    job_.Cancel(); // its best point still arrives, for this design only
    QDialog::reject();
}

} // namespace vt
