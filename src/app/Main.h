// TMainForm, the main window: the animation timer, the driver, step angle and reverse
// arm controls, the menus and tool bar. Handlers write the state; only the tick draws.
#pragma once

#include "app/Commands.h"
#include "app/ExhaustSound.h"
#include "canvas/QtCanvas.h"
#include "model/Controls.h"
#include "model/State.h"
#include "model/Titles.h"
#include "render/Marker.h"
#include "widgets/FileDialogs.h"
#include "widgets/FrameTimer.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QFrame;
class QPushButton;
class QToolBar;

namespace vt {

class SceneView;
class ScrollBar;

class MainForm final : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up sequence on the state, which must outlive the window.
    explicit MainForm(State& s, QWidget* parent = nullptr);
    ~MainForm() override;

    // The windows whose titles the tick rewrites (sine, oval, steam, ports, data table).
    void SetTitledWindows(std::array<QWidget*, kTitledWindows - 1> windows);
    // The dialogs the menus open, created after the main window.
    struct Dialogs {
        QDialog* refPoints = nullptr;
        QDialog* graphicZoom = nullptr;
        QDialog* revArmPosition = nullptr;
        QDialog* driverAngle = nullptr;
        QDialog* stepAngle = nullptr;
        QDialog* instructions = nullptr;
        QDialog* specialInstructions = nullptr;
        QDialog* about = nullptr;
        QDialog* dataTable = nullptr;
        QDialog* frameDimensions = nullptr;
        QDialog* cylDimensions = nullptr;
        QDialog* drawLines = nullptr;
        QDialog* eventsTable = nullptr;
        QDialog* valveSetting = nullptr;
        QDialog* sensitivity = nullptr;
    };
    void SetDialogs(Dialogs dialogs) { dialogs_ = dialogs; }
    // The graph windows "Draw&Graphs" opens.
    struct GraphWindows {
        QDialog* sine = nullptr;
        QDialog* oval = nullptr;
        QDialog* steam = nullptr;
        QDialog* ports = nullptr;
    };
    void SetGraphWindows(GraphWindows graphs) { graphs_ = graphs; }
    // "New Gear Design..." and "Open Gear Design...": the gear workbench stands above this
    // window's library, so the program binds what they do; unbound, they do nothing.
    struct GearDesignOpeners {
        std::function<void()> create, open;
    };
    void SetGearDesignOpeners(GearDesignOpeners o) { gearOpeners_ = std::move(o); }
    // A graph window changed the shared state: the controls show it, a beep sounds.
    void SharedStateChanged();

    // One timer tick: solve, convert, step the angle, draw, show. Never re-entered. The
    // timer fires once for every frame the screen shows.
    void Timer1Timer();
    void Command(Cmd cmd);

    Controls& controls() { return ctl_; }
    const QImage& SceneImage() const { return canvas_.Image(); }
    QAction* MenuAction(Cmd cmd) const;
    uint64_t TickCount() const { return ticks_; }
    FrameTimer& Timer() { return timer1_; }
    void SetFileUi(FileUi ui) { fileUi_ = std::move(ui); }

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildMenus();
    void BuildToolBar(QWidget* client);
    void BuildControls(QWidget* client);

    // Runs a control rule, then shows its outcome.
    template <typename Rule> void Apply(Rule rule) {
        rule(s_, ctl_);
        Refresh();
    }
    // Mirrors the state and the control record into every widget, menu item and tool.
    void Refresh();
    void RefreshMenus();
    void ResetAllDimensionsClick();
    void FourEventsClick();
    void CalcCentRevArmClick();
    // The file commands (MainFiles.cpp). A save says whether it wrote the file.
    bool SaveAsDimensionsClick();
    // Before the design is replaced or the program ends: a changed design is saved,
    // discarded or kept as the user answers; false when it must stay.
    bool MayPutDesignAside();
    void OpenDimensionsClick();
    void OpenDosVersionDimClick();
    void UpdateTitles();
    void SoundPendingBeep();
    void ShowModal(QDialog* dialog);
    // Closes and reopens the editors as a running dimension marker asks.
    void FollowMarker(const MarkerOutcome& marker);
    QDialog* EditorOf(MarkerEditor e) const;
    void MousePressed(Qt::MouseButton button, QPoint pos);
    void DrawLinesCirclesClick();
    void ConnectNavigation();
    void SceneResized(QSize size);

    State& s_;
    Controls ctl_;
    QtCanvas canvas_;
    SceneView* view_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    FrameTimer timer1_{this};
    bool inTick_ = false;
    bool markerCursor_ = false; // the hourglass cursor of a running marker is set
    uint64_t ticks_ = 0;
    bool beepPending_ = false;
    int64_t lastBeepMs_ = -1'000'000;
    int64_t titleSecond_ = -1; // the second and name the titles were last written for
    std::string titleName_;
    bool titleModified_ = false;

    QPushButton* run_ = nullptr;
    QPushButton* undo_ = nullptr;
    // Parallel to the control tables.
    std::vector<QPushButton*> buttons_;
    std::vector<ScrollBar*> bars_;
    std::vector<QFrame*> panels_;
    std::array<QAction*, 64> menuActions_{};
    QAction* drawLinesTool_ = nullptr;
    std::array<QWidget*, kTitledWindows - 1> titled_{};
    Dialogs dialogs_;
    GraphWindows graphs_;
    ExhaustSound sound_;
    FileUi fileUi_;
    GearDesignOpeners gearOpeners_;
};

} // namespace vt
