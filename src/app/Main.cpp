// The main window: construction of its controls from tables, the handlers, and the tick.
#include "app/Main.h"

#include "app/ControlTable.h"
#include "app/Toggles.h"
#include "app/ToolIcons.h"
#include "model/Defaults.h"
#include "model/DesignChanges.h"
#include "model/EditorRules.h"
#include "model/MidGear.h"
#include "model/MouseDown.h"
#include "model/PivotData.h"
#include "model/ViewNavigation.h"
#include "render/Readouts.h"
#include "render/Scene.h"
#include "widgets/DataFiles.h"
#include "widgets/Look.h"
#include "widgets/SceneView.h"
#include "widgets/ScrollBar.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QKeySequence>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>

#include <algorithm>
#include <optional>
#include <string_view>

namespace vt {

namespace {

constexpr QSize kClientSize{632, 380};
constexpr int kToolBarHeight = 24;
constexpr int kBeepIntervalMs = 150; // beeps closer than this merge into one sound
constexpr uint32_t kHalfVolume = 0x80008000u; // both channels at half, at start and close

std::size_t Index(Cmd cmd) { return static_cast<std::size_t>(cmd); }

// Which picture each tool button shows.
ToolIcon IconOf(Cmd cmd) {
    switch (cmd) {
    case Cmd::OpenDimensions: return ToolIcon::OpenFile;
    case Cmd::SaveAsDimensions: return ToolIcon::SaveAs;
    case Cmd::FrameDimensions: return ToolIcon::FrameDimensions;
    case Cmd::CylinderDimensions: return ToolIcon::CylinderDimensions;
    case Cmd::SetDriverAng: return ToolIcon::DriverAngle;
    case Cmd::SetStepAng: return ToolIcon::StepAngle;
    case Cmd::SetRevArmPos: return ToolIcon::ReverseArm;
    case Cmd::CalcCentRevArm: return ToolIcon::MidGear;
    case Cmd::SetSteamDisp: return ToolIcon::SteamDisplay;
    case Cmd::ReferPoints: return ToolIcon::ReferencePoints;
    case Cmd::DrawLinesCircles: return ToolIcon::DrawLines;
    case Cmd::PivotData: return ToolIcon::PivotData;
    case Cmd::DynamicVari: return ToolIcon::DynamicVariables;
    case Cmd::UnDo: return ToolIcon::Undo;
    case Cmd::SineDiagram: return ToolIcon::SineDiagram;
    case Cmd::OvalDiagram: return ToolIcon::OvalDiagram;
    case Cmd::SteamDiagram: return ToolIcon::SteamDiagram;
    case Cmd::EventsTable: return ToolIcon::EventsTable;
    case Cmd::ValveSetting: return ToolIcon::ValveSetting;
    case Cmd::Sensitivity: return ToolIcon::Sensitivity;
    case Cmd::FitGearToWindow: return ToolIcon::FitToWindow;
    default: return ToolIcon::PortEvents;
    }
}

// Menu items that the screen data toggle disables while the data is off.
constexpr Cmd kScreenDataItems[] = {Cmd::SetDriverAng, Cmd::CalcCentRevArm, Cmd::DynamicVari,
                                    Cmd::ReferPoints,  Cmd::UnDo,           Cmd::PivotData};

// The platform's short date or long time, without a time zone.
std::string ClockText(bool time) {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    if (!time) return locale.toString(now.date(), QLocale::ShortFormat).toStdString();
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(now.time(), format.trimmed()).toStdString();
}

} // namespace

MainForm::MainForm(State& s, QWidget* parent)
    : QMainWindow(parent), s_(s), canvas_(kSceneWidth, kSceneHeight),
      sound_(FindDataFile("Exhaust.wav")) {
    s_.hooks.Beep = [this] { beepPending_ = true; };
    s_.hooks.RandomSeed = [] { return uint32_t(QDateTime::currentMSecsSinceEpoch()); };
    s_.hooks.SetWaveVolume = [this](uint32_t word) { sound_.SetVolume(word); };
    s_.hooks.PlayExhaust = [this] { sound_.Play(); };
    sound_.SetVolume(kHalfVolume);
    s_.hooks.DateText = [] { return ClockText(false); };
    s_.hooks.TimeText = [] { return ClockText(true); };
    StartUp(s_);
    InitRevArmBar(s_, ctl_);
    fileUi_ = StandardFileUi(this);

    view_ = new SceneView(canvas_.Image(), this);
    view_->setObjectName("TMainForm");
    setCentralWidget(view_);
    connect(view_, &SceneView::mousePressed, this,
            [this](Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers) {
                MousePressed(button, pos);
            });
    ConnectNavigation();
    BuildMenus();
    BuildToolBar(view_);
    BuildControls(view_);
    Refresh();

    resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(&timer1_, &QTimer::timeout, this, &MainForm::Timer1Timer);
    timer1_.start();
}

MainForm::~MainForm() = default;

// Beside the clicks: the wheel zooms about the cursor, a middle-button drag pans, and
// the scene image follows the drawing area's size.
void MainForm::ConnectNavigation() {
    connect(view_, &SceneView::wheelTurned, this, [this](QPointF pos, double notches) {
        Apply([&](State& s, Controls& c) { WheelZoom(s, c.View, pos.x(), pos.y(), notches); });
    });
    connect(view_, &SceneView::middleDragged, this, [this](QPoint delta) {
        Apply([&](State& s, Controls& c) { DragPan(s, c.View, delta.x(), delta.y()); });
    });
    connect(view_, &SceneView::resized, this, &MainForm::SceneResized);
}

// A new image starts white; the next tick draws into it.
void MainForm::SceneResized(QSize size) {
    const int w = std::min(size.width(), kMaxSceneSide), h = std::min(size.height(), kMaxSceneSide);
    if (w != canvas_.Width() || h != canvas_.Height()) canvas_.Resize(w, h);
}

void MainForm::SetTitledWindows(std::array<QWidget*, kTitledWindows - 1> windows) {
    titled_ = windows;
}

QAction* MainForm::MenuAction(Cmd cmd) const { return menuActions_[Index(cmd)]; }

void MainForm::BuildMenus() {
    QMenu* current = nullptr;
    for (const MenuRow& row : MainMenuTable()) {
        if (row.depth == 0 && row.cmd == Cmd::None) {
            current = menuBar()->addMenu(row.caption);
            continue;
        }
        if (row.depth == 1 && *row.caption == '\0') {
            current->addSeparator();
            continue;
        }
        QAction* a = row.depth == 0 ? menuBar()->addAction(row.caption) : current->addAction(row.caption);
        a->setEnabled(row.enabledAtStart);
        if (row.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        menuActions_[Index(row.cmd)] = a;
        connect(a, &QAction::triggered, this, [this, cmd = row.cmd] { Command(cmd); });
    }
}

void MainForm::BuildToolBar(QWidget* client) {
    toolBar_ = new QToolBar(client);
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setGeometry(0, 0, kClientSize.width(), kToolBarHeight);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(false);
    for (const ToolRow& row : MainToolTable()) {
        if (row.cmd == Cmd::None) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = toolBar_->addAction(MakeToolIcon(IconOf(row.cmd)), row.hint);
        a->setToolTip(row.hint);
        connect(a, &QAction::triggered, this, [this, cmd = row.cmd] { Command(cmd); });
        if (row.cmd == Cmd::DrawLinesCircles) drawLinesTool_ = a;
    }
}

void MainForm::BuildControls(QWidget* client) {
    const auto place = [](QWidget* w, const char* name, const Rect& r) {
        w->setObjectName(name);
        w->setGeometry(r.x, r.y, r.w, r.h);
    };
    for (const PanelFacts& p : MainPanels()) {
        auto* f = new QFrame(client);
        f->setFrameStyle(QFrame::Panel | QFrame::Raised);
        place(f, p.name, p.geometry);
        panels_.push_back(f);
    }
    for (const ButtonFacts& b : MainButtons()) {
        auto* button = new QPushButton(b.caption, client);
        place(button, b.name, b.geometry);
        button->setToolTip(b.hint);
        button->setFocusPolicy(Qt::TabFocus);
        if (b.click)
            connect(button, &QPushButton::clicked, this, [this, click = b.click] { Apply(click); });
        else
            connect(button, &QPushButton::clicked, this, [this, cmd = b.command] { Command(cmd); });
        if (std::string_view(b.name) == "Run") run_ = button;
        if (std::string_view(b.name) == "UnDoDn" || std::string_view(b.name) == "DataTableBut") {
            if (std::string_view(b.name) == "UnDoDn") undo_ = button;
            button->setFont(QFont(kSerifFace, 8, QFont::Bold));
        }
        buttons_.push_back(button);
    }
    for (const BarFacts& b : MainBars()) {
        auto* bar = new ScrollBar(client);
        place(bar, b.name, b.geometry);
        bar->setToolTip(b.hint);
        connect(bar, &ScrollBar::changed, this, [this, change = b.change](int pos) {
            Apply([&](State& s, Controls& c) { change(s, c, pos); });
        });
        if (b.focus)
            connect(bar, &ScrollBar::entered, this, [this, focus = b.focus] { focus(s_); });
        if (b.endScroll) {
            connect(bar, &ScrollBar::endScroll, this, [this, end = b.endScroll] {
                end(s_);
                // The next gesture starts with a fresh focus event.
                findChild<QWidget*>("SBRevArm")->setFocus();
                Refresh();
            });
        }
        bars_.push_back(bar);
    }
    const auto order = MainTabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(client->findChild<QWidget*>(order[i - 1]), client->findChild<QWidget*>(order[i]));
}

void MainForm::Refresh() {
    const auto buttons = MainButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons_[i]->setVisible(IsShown(buttons[i].shown, s_, ctl_));
        buttons_[i]->setEnabled(!buttons[i].enabled || buttons[i].enabled(s_, ctl_));
    }
    run_->setText(RunCaption(ctl_));
    if (const std::optional<int> top = UndoButtonTop(s_)) undo_->move(undo_->x(), *top);
    const auto bars = MainBars();
    for (std::size_t i = 0; i < bars.size(); ++i) {
        bars_[i]->Mirror(bars[i].state(s_, ctl_));
        bars_[i]->setVisible(IsShown(bars[i].shown, s_, ctl_));
    }
    const auto panels = MainPanels();
    for (std::size_t i = 0; i < panels.size(); ++i)
        panels_[i]->setVisible(IsShown(panels[i].shown, s_, ctl_));
    RefreshMenus();
}

void MainForm::RefreshMenus() {
    for (Cmd cmd : {Cmd::SetErrorBeep, Cmd::SetSteamDisp, Cmd::SetLineWidth, Cmd::SetFont,
                    Cmd::SetScreenData})
        MenuAction(cmd)->setText(ToggleCaption(cmd, s_));
    const bool on = s_.ScreenDataOn;
    for (Cmd cmd : kScreenDataItems) MenuAction(cmd)->setEnabled(on);
    MenuAction(Cmd::SetRefPoints)->setVisible(on);
    MenuAction(Cmd::SetPanZoom)->setEnabled(!on);
    MenuAction(Cmd::SetPanZoom)->setText(QString::fromStdString(ctl_.View.PanZoomCaption));
    MenuAction(Cmd::DrawLinesCircles)->setEnabled(ctl_.View.DrawLinesEnabled);
    drawLinesTool_->setEnabled(ctl_.View.DrawLinesEnabled);
    toolBar_->setVisible(on);
    UpdateTitles(); // a change made while the graph windows hold the timer shows at once
}

void MainForm::Command(Cmd cmd) {
    if (IsToggle(cmd)) {
        Apply([cmd](State& s, Controls& c) { Toggle(cmd, s, c); });
        return;
    }
    switch (cmd) {
    case Cmd::Exit: close(); break;
    case Cmd::SaveAsDimensions: SaveAsDimensionsClick(); break;
    case Cmd::OpenDimensions: OpenDimensionsClick(); break;
    case Cmd::OpenDosVersionDim: OpenDosVersionDimClick(); break;
    case Cmd::NewGearDesign: if (gearOpeners_.create) gearOpeners_.create(); break;
    case Cmd::OpenGearDesign: if (gearOpeners_.open) gearOpeners_.open(); break;
    case Cmd::CalcCentRevArm: CalcCentRevArmClick(); break;
    case Cmd::ResetAllDimensions: ResetAllDimensionsClick(); break;
    case Cmd::ReferPoints: Apply([](State& s, Controls& c) { RefPointsClick(s, c.View); }); break;
    case Cmd::SetPanZoom: Apply([](State&, Controls& c) { SetPanZoomClick(c.View); }); break;
    case Cmd::SetRefPoints: ShowModal(dialogs_.refPoints); break;
    case Cmd::DynamicVari: Apply([](State& s, Controls&) { s.DynVarsOn = !s.DynVarsOn; }); break;
    case Cmd::UnDo: Apply([](State& s, Controls&) { s.UndoOn = !s.UndoOn; }); break;
    case Cmd::SetGraphicZoom: ShowModal(dialogs_.graphicZoom); break;
    case Cmd::SetRevArmPos: ShowModal(dialogs_.revArmPosition); break;
    case Cmd::SetDriverAng: ShowModal(dialogs_.driverAngle); break;
    case Cmd::SetStepAng: ShowModal(dialogs_.stepAngle); break;
    case Cmd::Instructions: ShowModal(dialogs_.instructions); break;
    case Cmd::InstructionsSpecial: ShowModal(dialogs_.specialInstructions); break;
    case Cmd::About: ShowModal(dialogs_.about); break;
    case Cmd::DataTable: ShowModal(dialogs_.dataTable); break;
    case Cmd::DrawLinesCircles: DrawLinesCirclesClick(); break;
    case Cmd::FrameDimensions: ShowModal(dialogs_.frameDimensions); break;
    case Cmd::CylinderDimensions: ShowModal(dialogs_.cylDimensions); break;
    case Cmd::PivotData: Apply([](State& s, Controls& c) { SetPivotDataClick(s, c.View); }); break;
    case Cmd::SineDiagram: ShowModal(graphs_.sine); break;
    case Cmd::OvalDiagram: ShowModal(graphs_.oval); break;
    case Cmd::SteamDiagram: ShowModal(graphs_.steam); break;
    case Cmd::PortOpenClose: FourEventsClick(); break;
    case Cmd::EventsTable: ShowModal(dialogs_.eventsTable); break;
    case Cmd::ValveSetting: ShowModal(dialogs_.valveSetting); break;
    case Cmd::Sensitivity: ShowModal(dialogs_.sensitivity); break;
    case Cmd::FitGearToWindow:
        Apply([this](State& s, Controls& c) { FitGearClick(s, c.View, view_->width(), view_->height()); });
        break;
    default: break; // the windows these open are not part of the program yet
    }
}

void MainForm::SharedStateChanged() {
    Refresh();
    SoundPendingBeep();
}

// The port events window always opens on the forward graph.
void MainForm::FourEventsClick() {
    s_.PortGraphMode = 'F';
    ShowModal(graphs_.ports);
}

void MainForm::CalcCentRevArmClick() {
    FindRevArmCent(s_);
    Apply(CenterClick);
}

// The reset clears the undo stack too, so a changed design is asked about first.
void MainForm::ResetAllDimensionsClick() {
    if (MayPutDesignAside()) Apply(ResetAllDimensions);
}

// A dialog runs modally while the timer keeps ticking underneath; what it changed shows
// in the controls when it closes.
void MainForm::ShowModal(QDialog* dialog) {
    if (!dialog) return;
    dialog->exec();
    Refresh();
}

void MainForm::MousePressed(Qt::MouseButton button, QPoint pos) {
    const MouseButton which = button == Qt::LeftButton    ? MouseButton::Left
                              : button == Qt::RightButton ? MouseButton::Right
                                                          : MouseButton::Other;
    Apply([&](State& s, Controls& c) {
        FormMouseDown(s, c, which, pos.x(), pos.y(), [this] { DrawLinesCirclesClick(); });
        EndMarkerOnClick(s); // the last step of the press, after every pick
    });
}

// With both reference points still at the origin there is nothing to draw from: a beep.
void MainForm::DrawLinesCirclesClick() {
    if (s_.PivotX[19] == 0 && s_.PivotY[19] == 0 && s_.PivotX[20] == 0 && s_.PivotY[20] == 0 && s_.hooks.Beep)
        s_.hooks.Beep();
    ShowModal(dialogs_.drawLines);
}

// Ctrl+Q, "E&xit" and the close box all come here; a changed design is asked about.
void MainForm::closeEvent(QCloseEvent* e) {
    if (!MayPutDesignAside()) return e->ignore();
    sound_.SetVolume(kHalfVolume);
    QMainWindow::closeEvent(e);
}

void MainForm::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Apply([](State&, Controls& c) { MainWindowActivated(c); });
}

// The titles change once a second (or with the design's name or its modified mark):
// formatting the clock at every tick would only repeat the same text.
void MainForm::UpdateTitles() {
    const int64_t second = QDateTime::currentSecsSinceEpoch();
    const bool modified = DesignModified(s_);
    if (second == titleSecond_ && s_.DataSetName == titleName_ && modified == titleModified_)
        return;
    titleSecond_ = second;
    titleName_ = s_.DataSetName;
    titleModified_ = modified;
    const std::string date = s_.hooks.DateText(), time = s_.hooks.TimeText();
    const auto title = [&](TitledWindow w) {
        return QString::fromStdString(WindowTitle(w, s_.DataSetName, date, time, modified));
    };
    setWindowTitle(title(TitledWindow::Main));
    for (std::size_t i = 0; i < titled_.size(); ++i)
        if (titled_[i]) titled_[i]->setWindowTitle(title(static_cast<TitledWindow>(i + 1)));
}

// The solver may beep many times within one tick; the user hears one beep, and beeps
// closer together than a beep lasts merge into one.
void MainForm::SoundPendingBeep() {
    if (!beepPending_) return;
    beepPending_ = false;
    const int64_t now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastBeepMs_ < kBeepIntervalMs) return;
    lastBeepMs_ = now;
    QApplication::beep();
}

void MainForm::Timer1Timer() {
    if (inTick_) return; // a modal dialog opened from inside a tick runs the event loop
    inTick_ = true;
    ++ticks_;
    TickModel(s_);
    const MarkerOutcome marker = DrawScene(canvas_, s_);
    UpdateTitles();
    view_->update(canvas_.ChangedRect());
    SoundPendingBeep();
    FollowMarker(marker);
    inTick_ = false;
}

QDialog* MainForm::EditorOf(MarkerEditor e) const {
    return e == MarkerEditor::Cylinder ? dialogs_.cylDimensions
           : e == MarkerEditor::Frame  ? dialogs_.frameDimensions
                                       : nullptr;
}

// The editor closes while its dimension is shown; it opens again after the frame, so its
// modal loop never runs inside a tick.
void MainForm::FollowMarker(const MarkerOutcome& marker) {
    if (QDialog* editor = EditorOf(marker.close); editor && editor->isVisible())
        editor->done(QDialog::Rejected);
    if (marker.close != MarkerEditor::None && !markerCursor_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        markerCursor_ = true;
    }
    if (marker.reopen == MarkerEditor::None) return;
    if (markerCursor_) QApplication::restoreOverrideCursor();
    markerCursor_ = false;
    QTimer::singleShot(0, this, [this, editor = EditorOf(marker.reopen)] { ShowModal(editor); });
}

} // namespace vt
