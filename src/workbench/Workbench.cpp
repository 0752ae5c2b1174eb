// The workbench window: its layout, the animation, the reverser and the dimension edits.
#include "workbench/Workbench.h"

#include "dialogs/HelpWindow.h"
#include "workbench/DesignCommand.h"
#include "workbench/DiagramsDock.h"
#include "workbench/DimensionRules.h"
#include "workbench/DimensionTable.h"
#include "workbench/EventsDock.h"
#include "workbench/GearCanvas.h"
#include "workbench/LiveEvents.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QUndoView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vt::wb {

using gears::GearDesign;
using gears::GearPose;
using gears::NamedPosition;

namespace {

constexpr double kFrameStep = 3; // degrees of crank per shown frame while running
constexpr double kStep = 5;      // degrees of one step
constexpr int kSliderSteps = 1000;

struct Notch {
    NamedPosition Position;
    const char* Caption;
};
constexpr Notch kNotches[] = {
    {NamedPosition::FullReverse, "Full Reverse"},
    {NamedPosition::NormalReverse, "Normal Reverse"},
    {NamedPosition::Mid, "Mid Gear"},
    {NamedPosition::NormalForward, "Normal Forward"},
    {NamedPosition::FullForward, "Full Forward"},
};

struct Motion {
    const char* Caption;
    const char* Name;
    int Run;     // the running sense it sets
    double Step; // the degrees it steps
};
constexpr Motion kMotions[] = {
    {"Run Back", "runBack", -1, 0}, {"Step Back", "stepBack", 0, -kStep},
    {"Stop", "stop", 0, 0},         {"Step Forward", "stepForward", 0, kStep},
    {"Run", "run", 1, 0},
};

double FullSetting(const GearDesign& d) {
    return std::fabs(d.Values[std::size_t(d.Kind->Reverser().FullDim)]);
}

} // namespace

Workbench::Workbench(GearDesign design, QString path, Workbenches* benches, QWidget* parent)
    : QMainWindow(parent), design_(std::move(design)), saved_(design_), path_(std::move(path)),
      benches_(benches), fileUi_(StandardFileUi(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_ = new GearCanvas;
    auto* centre = new QWidget;
    auto* column = new QVBoxLayout(centre);
    column->addWidget(canvas_, 1);
    column->addWidget(BuildControls());
    setCentralWidget(centre);
    auto* dock = new QDockWidget("Dimensions", this);
    dock->setObjectName("dimensionsDock");
    dock->setWidget(BuildSidePanel());
    addDockWidget(Qt::RightDockWidgetArea, dock);
    auto* historyDock = new QDockWidget("History", this);
    historyDock->setObjectName("historyDock");
    history_ = new QUndoView(&undo_);
    history_->setEmptyLabel("Opened");
    historyDock->setWidget(history_);
    addDockWidget(Qt::RightDockWidgetArea, historyDock);
    resizeDocks({dock, historyDock}, {3, 1}, Qt::Vertical);
    BuildMenus();
    connect(&undo_, &QUndoStack::indexChanged, this, &Workbench::UpdateTitle);
    connect(&timer_, &QTimer::timeout, this, &Workbench::Tick);
    resize(1400, 860);
    Apply(design_);
    AddPanels();
    FitGear();
}

// The panels that follow the design, once it is in place: the events and the diagrams
// side by side below the drawing.
void Workbench::AddPanels() {
    events_ = new LiveEvents(*this);
    auto* events = new EventsDock(*this, *events_);
    auto* diagrams = new DiagramsDock(*this, *events_);
    addDockWidget(Qt::BottomDockWidgetArea, events);
    splitDockWidget(events, diagrams, Qt::Horizontal);
    resizeDocks({events, diagrams}, {3, 2}, Qt::Horizontal);
    resizeDocks({events}, {height() * 2 / 5}, Qt::Vertical);
    QMenu* view = menuBar()->findChild<QMenu*>("viewMenu");
    for (QDockWidget* d : findChildren<QDockWidget*>())
        view->addAction(d->toggleViewAction());
}

Workbench::~Workbench() = default;

QWidget* Workbench::BuildControls() {
    auto* box = new QWidget;
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* motion = new QHBoxLayout;
    for (const Motion& m : kMotions) {
        auto* b = new QPushButton(m.Caption);
        b->setObjectName(m.Name);
        connect(b, &QPushButton::clicked, this, [this, m] {
            running_ = m.Run;
            if (running_)
                timer_.start();
            else
                timer_.stop();
            if (m.Step != 0) Step(m.Step);
        });
        motion->addWidget(b);
    }
    crankText_ = new QLabel;
    motion->addWidget(crankText_, 1);
    rows->addLayout(motion);
    auto* reverser = new QHBoxLayout;
    reverser->addWidget(new QLabel(QString::fromUtf8(design_.Kind->Reverser().Caption)));
    reverser_ = new QSlider(Qt::Horizontal);
    reverser_->setObjectName("reverser");
    reverser_->setRange(-kSliderSteps, kSliderSteps);
    reverser_->setTickPosition(QSlider::TicksBelow);
    reverser_->setTickInterval(kSliderSteps / 2);
    connect(reverser_, &QSlider::valueChanged, this,
            [this](int v) { SetSetting(FullSetting(design_) * v / kSliderSteps); });
    reverser->addWidget(reverser_, 1);
    rows->addLayout(reverser);
    auto* notches = new QHBoxLayout;
    AddNotches(notches);
    rows->addLayout(notches);
    return box;
}

void Workbench::AddNotches(QLayout* row) {
    for (const Notch& n : kNotches) {
        auto* b = new QPushButton(n.Caption);
        connect(b, &QPushButton::clicked, this,
                [this, n] { SetSetting(SettingOf(design_, n.Position)); });
        row->addWidget(b);
    }
    // The design's own stored settings; a change of unit rescales them, so each is read
    // when it is clicked.
    for (std::size_t i = 0; i < design_.Positions.size(); ++i) {
        auto* b = new QPushButton(
            QString("Position %1").arg(QString::fromStdString(design_.Positions[i].Name)));
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (i < design_.Positions.size()) SetSetting(design_.Positions[i].Setting);
        });
        row->addWidget(b);
    }
}

QWidget* Workbench::BuildSidePanel() {
    auto* box = new QWidget;
    auto* rows = new QVBoxLayout(box);
    table_ = new DimensionTable;
    rows->addWidget(table_, 1);
    connect(table_, &DimensionTable::valueTyped, this, &Workbench::ValueTyped);
    connect(table_, &DimensionTable::dimensionSelected, this, &Workbench::Selected);
    markText_ = new QLabel("Select a dimension to mark it in the drawing.");
    markText_->setWordWrap(true);
    rows->addWidget(markText_);
    drag_ = new QSlider(Qt::Horizontal);
    drag_->setObjectName("dragValue");
    drag_->setRange(0, kSliderSteps);
    drag_->setEnabled(false);
    drag_->setToolTip("Drag to change the selected dimension live");
    connect(drag_, &QSlider::sliderPressed, this, [this] { dragging_ = ++dragCount_; });
    connect(drag_, &QSlider::sliderReleased, this, [this] { dragging_ = 0; });
    connect(drag_, &QSlider::valueChanged, this, &Workbench::DragMoved);
    rows->addWidget(drag_);
    fractions_ = new QCheckBox("Inches as fractions (to 1/64)");
    fractions_->setObjectName("fractions");
    connect(fractions_, &QCheckBox::toggled, this,
            [this] { table_->Show(design_, fractions_->isChecked()); });
    rows->addWidget(fractions_);
    box->setMinimumWidth(520);
    return box;
}

void Workbench::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&Save", QKeySequence::Save, this, [this] { Save(); });
    file->addAction("Save &As...", QKeySequence::SaveAs, this, [this] { SaveAs(); });
    file->addSeparator();
    file->addAction("Export &DXF...", this, [this] { ExportDxf(); });
    QMenu* paths = file->addMenu("DXF &Paths");
    const auto pins = design_.Kind->Pins();
    for (std::size_t i = 0; i < pins.size(); ++i) {
        if (pins[i].Fixed) continue;
        QAction* a = paths->addAction(QString::fromUtf8(pins[i].Name));
        a->setCheckable(true);
        a->setData(int(i));
        pathPins_.push_back(a);
    }
    file->addSeparator();
    file->addAction("Compare &With...", this, &Workbench::CompareCommand);
    file->addAction("Clear &Comparison", this, &Workbench::ClearComparison);
    file->addSeparator();
    file->addAction("&Close", QKeySequence::Close, this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu("&Edit");
    QAction* undo = undo_.createUndoAction(this, "&Undo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_.createRedoAction(this, "&Redo");
    redo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    edit->addAction("Change &Unit...", this, &Workbench::ChangeUnit);
    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->addAction("&Valve Setting...", this, &Workbench::OpenValveSetting);
    tools->addAction("&Sensitivity and Wear...", this, &Workbench::OpenSensitivity);
    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("viewMenu");
    view->addAction("&Fit Gear To Window", QKeySequence("Ctrl+0"), this, &Workbench::FitGear);
    view->addSeparator();
    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("&Gear Workbench", this, [this] {
        if (!help_) help_ = new HelpWindow(kWorkbenchHelp, this);
        help_->show();
    });
}

QAction* Workbench::Action(const QString& text) const {
    for (QAction* a : findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

// Every path that changes the design comes here, from the undo stack.
void Workbench::Apply(const GearDesign& d) {
    design_ = d;
    solver_ = design_.Kind->MakeSolver(design_);
    setting_ = std::clamp(setting_, -FullSetting(design_), FullSetting(design_));
    fractions_->setEnabled(design_.Unit == gears::LengthUnit::Inch);
    table_->Show(design_, fractions_->isChecked());
    Resweep();
    Redraw();
    UpdateTitle();
    emit designChanged();
}

void Workbench::Change(const QString& text, GearDesign after, int drag) {
    if (after == design_) return;
    undo_.push(new DesignCommand(
        text, design_, std::move(after), [this](const GearDesign& d) { Apply(d); }, drag));
}

void Workbench::Refuse(const QString& message) {
    QMessageBox::warning(this, windowTitle().remove("[*]"), message);
    table_->Show(design_, fractions_->isChecked());
}

void Workbench::ValueTyped(int dim, const QString& text) {
    const auto value = ParseValue(design_, dim, text.trimmed().toStdString());
    const char* caption = design_.Kind->Dimensions()[std::size_t(dim)].Caption;
    const QString refusal =
        value ? SetDimension(dim, *value, QString("%1 = %2").arg(caption, text.trimmed()))
              : QString("\"%1\" is not a value for %2. The design was not changed.")
                    .arg(text, caption);
    if (!refusal.isEmpty()) return Refuse(refusal);
    if (table_->SelectedDimension() == dim) Selected(dim);
}

QString Workbench::SetDimension(int dim, double value, const QString& step) {
    if (auto why = RefusalOf(design_, dim, value)) return QString::fromStdString(*why);
    GearDesign after = design_;
    after.Values[std::size_t(dim)] = value;
    Change(step, std::move(after));
    return {};
}

// The selected row's mark in the drawing and the drag slider's range about its value.
void Workbench::Selected(int dim) {
    const bool length =
        dim >= 0 && design_.Kind->Dimensions()[std::size_t(dim)].Unit != gears::UnitKind::Choice;
    drag_->setEnabled(length);
    const DimensionMark mark = dim >= 0 ? MarkOf(*design_.Kind, dim) : DimensionMark{};
    if (dim < 0)
        markText_->setText("Select a dimension to mark it in the drawing.");
    else if (mark.Marked())
        markText_->setText(
            QString("Marked in the drawing: the length of the %1.")
                .arg(QString::fromUtf8(design_.Kind->Bodies()[std::size_t(mark.Body)].Name)
                         .toLower()));
    else
        markText_->setText("This dimension is not a rod's length; the drawing does not mark it.");
    Redraw();
    if (!length) return;
    const Bounds b = BoundsOf(design_, dim);
    const double v = design_.Values[std::size_t(dim)];
    dragLow_ = std::max(std::min(b.Low, v), b.HardLow);
    dragHigh_ = std::min(std::max(b.High, v), b.HardHigh);
    const QSignalBlocker quiet(drag_);
    drag_->setValue(dragHigh_ > dragLow_
                        ? int(std::lround((v - dragLow_) / (dragHigh_ - dragLow_) * kSliderSteps))
                        : 0);
}

void Workbench::DragMoved(int position) {
    const int dim = table_->SelectedDimension();
    if (dim < 0) return;
    const double v = dragLow_ + (dragHigh_ - dragLow_) * position / kSliderSteps;
    if (RefusalOf(design_, dim, v)) return;
    GearDesign after = design_;
    after.Values[std::size_t(dim)] = v;
    const char* caption = design_.Kind->Dimensions()[std::size_t(dim)].Caption;
    Change(QString("Drag %1").arg(caption), std::move(after), dragging_);
}

void Workbench::ChangeUnit() {
    const QStringList units{"in", "mm", "units"};
    bool ok = false;
    const QString to = QInputDialog::getItem(
        this, "Change Unit", "Lengths in:", units,
        int(units.indexOf(QString::fromUtf8(gears::UnitName(design_.Unit)))), false, &ok);
    const auto unit = gears::ParseUnit(to.toStdString());
    if (!ok || !unit || *unit == design_.Unit) return;
    Change(QString("Unit %1").arg(to), InUnit(design_, *unit));
}

void Workbench::Tick() {
    if (running_) Step(running_ * kFrameStep);
}

void Workbench::Step(double deg) {
    SetCrank(crank_ + deg);
}

void Workbench::SetCrank(double deg) {
    crank_ = std::fmod(std::fmod(deg, 360.0) + 360.0, 360.0);
    Redraw();
}

void Workbench::SetSetting(double setting) {
    const double full = FullSetting(design_);
    setting_ = std::clamp(setting, -full, full);
    {
        const QSignalBlocker quiet(reverser_);
        reverser_->setValue(full > 0 ? int(std::lround(setting_ / full * kSliderSteps)) : 0);
    }
    Resweep();
    Redraw();
    emit settingChanged(setting_);
}

// The turn at this setting: the section's frame and the box that Ctrl+0 fits.
void Workbench::Resweep() {
    turn_ = SweepTurn(design_, setting_, 120);
    frame_ = FrameOf(design_, turn_);
    if (compared_) comparedFrame_ = FrameOf(*compared_, SweepTurn(*compared_, setting_, 120));
}

void Workbench::FitGear() {
    Box b = turn_.Pins;
    for (std::size_t i = 0; i < turn_.Poses.size();
         i += std::max<std::size_t>(1, turn_.Poses.size() / 4))
        b.Add(PictureOf(design_, turn_.Poses[i], frame_).Extent());
    canvas_->Fit(b);
}

// The crosshead's motion as the crank turns forward, from a pose half a degree on: the
// steam in each cylinder end follows it.
void Workbench::Redraw() {
    GearPose next, ahead;
    solver_->Solve(crank_ + 0.5, setting_, ahead);
    solver_->Solve(crank_, setting_, next);
    const int motion = !ahead.Ok() ? 0 : ahead.Crosshead > next.Crosshead ? 1 : -1;
    crankText_->setText(QString("Crank %1 deg").arg(crank_, 0, 'f', 1));
    if (!next.Ok()) {
        statusBar()->showMessage(
            QString("The %1 cannot be assembled here.").arg(QString::fromUtf8(next.Failed)));
        canvas_->SetPicture({});
        return;
    }
    if (turn_.Failed)
        statusBar()->showMessage(
            QString("The %1 cannot be assembled over the whole turn at this setting.")
                .arg(QString::fromUtf8(turn_.Failed)));
    else
        statusBar()->clearMessage();
    pose_ = next;
    canvas_->SetPicture(PictureOf(design_, pose_, frame_, motion));
    const DimensionMark mark = MarkOf(*design_.Kind, table_->SelectedDimension());
    canvas_->SetMark(mark.Marked()
                         ? std::optional(std::pair(pose_.Pin(mark.PinA), pose_.Pin(mark.PinB)))
                         : std::nullopt);
    std::optional<GearPicture> ghost;
    if (compared_) {
        const GearPose p = comparedSolver_->Solve(
            crank_, std::clamp(setting_, -FullSetting(*compared_), FullSetting(*compared_)));
        if (p.Ok()) ghost = PictureOf(*compared_, p, comparedFrame_);
    }
    canvas_->SetGhost(std::move(ghost));
}

void Workbench::UpdateTitle() {
    const QString name =
        path_.isEmpty() ? QString::fromStdString(design_.Name) : QFileInfo(path_).fileName();
    setWindowTitle(QString("%1[*] - %2 - Gear Workbench")
                       .arg(name, QString::fromUtf8(design_.Kind->Caption())));
    setWindowModified(Modified());
}

} // namespace vt::wb
