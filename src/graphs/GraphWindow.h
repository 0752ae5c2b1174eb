// The graph window every analysis diagram shares, built from its GraphFacts: a modal
// tool window that stops the main window's animation while open, shows its diagram from
// a backing image (so it survives being covered), and carries the Close button, four
// dynamic-variable bars and an "UnDo" button bound to the shared slots and undo stack;
// the right mouse button over the diagram opens the menu that copies or saves it.
// The diagram is drawn in its layout's units, scaled to fill the client area and centred;
// the controls stand at their layout places under the same scale, at their own size.
#pragma once

#include "canvas/QtCanvas.h"
#include "graphs/DiagramFile.h"
#include "graphs/GraphFacts.h"
#include "model/State.h"

#include <QDialog>

#include <array>
#include <functional>

class QAction;
class QMenuBar;
class QPushButton;

namespace vt {

class DiagramMenu;
class SceneView;
class ScrollBar;

// What a graph window asks of the main window.
struct GraphHost {
    std::function<void(bool)> setAnimation; // the main window's timer on or off
    std::function<void()> sharedChanged;    // it shows what changed in the shared state
};

class GraphWindow final : public QDialog {
    Q_OBJECT
public:
    // `positions` is the Set Reverse Arm Positions dialog (may be null for the port window).
    GraphWindow(const GraphFacts& facts, State& s, GraphHost host, QDialog* positions,
                QWidget* parent);

    // The handlers of the window's events, named as the window's controls and events.
    void FormActivate();
    void SetRevArmPosClick();
    void ReDrawClick() { Redraw(); }
    void FormMouseMove();
    void DynamicVariClick();
    void OwnMenuClick(int i); // item i of the window's own menu
    void UnDoMenuClick();
    void UnDoButtonClick();
    void BarChange(int k, int position);
    void BarEnter(int k);
    void BarEndScroll(int k);

    const QImage& Image() const { return canvas_.Image(); }
    QAction* MenuAction(int i) const { return menu_[std::size_t(i)]; } // in the menu's order
    QAction* OwnMenuAction(int i) const { return own_[std::size_t(i)]; }
    int Drawings() const { return drawings_; } // runs of the drawing routine so far
    DiagramMenu* ContextMenu() const { return contextMenu_; }

    // The diagram alone, as the image files hold it: without the dynamic-variable block
    // and the undo line, drawn from the shared state as it is at each use.
    DiagramPicture Picture() const;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void done(int result) override;

private:
    void BuildMenus(QMenuBar* bar);
    void BuildOwnMenu(QMenuBar* bar);
    void SetAnimation(bool on);
    void BuildControls(QWidget* client);
    void BuildContextMenu();
    // Clears the backing image and runs the drawing routine, `times` times, then shows
    // the picture and mirrors the shared state into the controls.
    void Redraw(int times = 1);
    void Mirror();
    // A new size of the client area: the image follows, the diagram is drawn again at the
    // new scale from a copy of the state (no run of the routine counts, nothing changes).
    void ViewResized(QSize size);
    // The diagram of a copy of the state on `c`; `footer` keeps the block and the undo line.
    void DrawCopy(Canvas& c, bool footer) const;
    void PlaceControls();
    void ShowPicture();
    void FitTitle(); // the least width that shows the whole title

    const GraphFacts& facts_;
    State& s_;
    GraphHost host_;
    QDialog* positions_;
    QtCanvas canvas_;
    SceneView* view_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* undo_ = nullptr;
    DiagramMenu* contextMenu_ = nullptr;
    std::array<ScrollBar*, 4> bars_{};
    std::array<QAction*, 4> menu_{};
    std::array<QAction*, kGraphMenuItems> own_{};
    int drawings_ = 0;
    bool activatePending_ = false;
};

} // namespace vt
