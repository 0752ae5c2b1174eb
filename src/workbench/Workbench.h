// The gear workbench: one window for one gear design of any kind. The gear animated at
// the crank angle, paced by the screen; the reverser with its named notches; the
// dimension table edited in place, every change one step of the window's own undo stack;
// its own file, "modified" mark and save question; the DXF export and the comparison
// with a second design drawn as a ghost.
//
// A panel that follows the design (the events, the diagrams) docks into the window with
// addDockWidget and reads Design(), Setting() and Compared(), refreshed on designChanged,
// settingChanged and comparisonChanged.
#pragma once

#include "gears/Gear.h"
#include "widgets/FileDialogs.h"
#include "widgets/FrameTimer.h"
#include "workbench/GearPicture.h"

#include <QMainWindow>
#include <QPointer>
#include <QUndoStack>

#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QSlider;
class QUndoView;

namespace vt {
class HelpWindow;
class SensitivityWindow;
class ValveSettingWindow;
} // namespace vt

namespace vt::wb {

class DimensionTable;
class LiveEvents;
class GearCanvas;
class Workbenches;

inline constexpr FileDialogFacts kSaveGearDialog{
    "Save Gear Design", "Gear Design (*.vgear);;All Files (*.*)", "vgear", true, false};
inline constexpr FileDialogFacts kOpenGearDialog{
    "Open Gear Design",
    "Gear Design (*.vgear *.dvt);;Gear Design (*.vgear);;Classic Design (*.dvt);;All Files (*.*)",
    "vgear", false, true};
inline constexpr FileDialogFacts kExportDxfDialog{
    "Export DXF", "DXF Drawing (*.dxf);;All Files (*.*)", "dxf", true, false};

class Workbench final : public QMainWindow {
    Q_OBJECT
  public:
    // `path` is the design's file, empty for a new design. `benches` lists the other open
    // designs for "Compare With..."; may be null.
    Workbench(gears::GearDesign design, QString path, Workbenches* benches = nullptr,
              QWidget* parent = nullptr);
    ~Workbench() override;

    const gears::GearDesign& Design() const { return design_; }
    double Setting() const { return setting_; }
    const gears::GearPose& Pose() const { return pose_; }
    const gears::GearDesign* Compared() const { return compared_ ? &*compared_ : nullptr; }
    const QString& Path() const { return path_; }
    bool Modified() const { return design_ != saved_; }
    QUndoStack& Undo() { return undo_; }
    GearCanvas& Drawing() { return *canvas_; }
    void SetFileUi(FileUi ui) { fileUi_ = std::move(ui); }
    const FileUi& Files() const { return fileUi_; }
    LiveEvents& Events() const { return *events_; }
    // The window's menu item of this text ("&Save", "Export &DXF..."), or null.
    QAction* Action(const QString& text) const;

    // Writes to the design's file (asking for a name when it has none) or another.
    bool Save();
    bool SaveAs();
    bool ExportDxf();
    // The design tools' windows on this design (one of each, kept while the window is).
    void OpenValveSetting();
    void OpenSensitivity();
    // One dimension changed as one undo step named `step`; the design tools' "Apply" comes
    // here too. Returns why the value was refused (the design then unchanged), or nothing.
    QString SetDimension(int dim, double value, const QString& step);
    void CompareWith(const gears::GearDesign& other);
    void ClearComparison();
    void SetCrank(double deg);
    void SetSetting(double setting);
    void FitGear();

  signals:
    void designChanged();
    void settingChanged(double setting);
    void comparisonChanged();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void BuildMenus();
    QWidget* BuildControls();
    QWidget* BuildSidePanel();
    void AddNotches(QLayout* row);
    void AddPanels();

    void Apply(const gears::GearDesign& d); // the undo stack's way in
    void Change(const QString& text, gears::GearDesign after, int drag = 0);
    void ValueTyped(int dim, const QString& text);
    void Selected(int dim);
    void DragMoved(int position);
    void ChangeUnit();
    void CompareCommand();
    void Tick();
    void Step(double deg);
    void Redraw();
    void Resweep();
    void UpdateTitle();
    void Refuse(const QString& message);
    bool WriteTo(const QString& path);

    gears::GearDesign design_, saved_;
    QString path_;
    Workbenches* benches_;
    FileUi fileUi_;
    QUndoStack undo_;

    std::unique_ptr<gears::GearSolver> solver_;
    gears::GearPose pose_;
    TurnSweep turn_;
    SectionFrame frame_;
    double crank_ = 0, setting_ = 0;
    int running_ = 0; // +1 forward, -1 backwards, 0 stopped

    std::optional<gears::GearDesign> compared_;
    std::unique_ptr<gears::GearSolver> comparedSolver_;
    SectionFrame comparedFrame_;

    LiveEvents* events_ = nullptr;
    QPointer<ValveSettingWindow> valveSetting_;
    QPointer<HelpWindow> help_;
    QPointer<SensitivityWindow> sensitivity_;
    GearCanvas* canvas_ = nullptr;
    DimensionTable* table_ = nullptr;
    QSlider* reverser_ = nullptr;
    QSlider* drag_ = nullptr;
    QCheckBox* fractions_ = nullptr;
    QLabel* crankText_ = nullptr;
    QLabel* markText_ = nullptr;
    QUndoView* history_ = nullptr;
    FrameTimer timer_{this};
    std::vector<QAction*> pathPins_; // "Export DXF" paths: one checkable item per moving pin

    int dragCount_ = 0, dragging_ = 0;  // the drag in progress, 0 for none
    double dragLow_ = 0, dragHigh_ = 0; // the range the drag slider covers
};

} // namespace vt::wb
