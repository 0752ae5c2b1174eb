// The workbench's diagrams dock: the sine, oval and port events diagrams of the design
// (GearDiagrams), one tab each, scaled to their window and redrawn on every change of the
// design, the reverser or the comparison. Each one's context menu copies it or saves it
// as PNG, SVG or PDF, as the classic graph windows' do.
#pragma once

#include "graphs/DiagramFile.h"

#include <QDockWidget>

#include <vector>

class QTabWidget;

namespace vt {
class DiagramMenu;
}

namespace vt::wb {

class LiveEvents;
class Workbench;

// One diagram drawn in its layout's units, as large as the widget allows, centred.
class DiagramView final : public QWidget {
    Q_OBJECT
  public:
    explicit DiagramView(Workbench& bench);
    DiagramMenu& Menu() const { return *menu_; }
    void SetPicture(DiagramPicture picture);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    double Scale() const;

    DiagramPicture picture_;
    DiagramMenu* menu_;
};

class DiagramsDock final : public QDockWidget {
    Q_OBJECT
  public:
    DiagramsDock(Workbench& bench, LiveEvents& events);

    QTabWidget& Tabs() const { return *tabs_; }
    DiagramView& View(int tab) const { return *views_[std::size_t(tab)]; }

  private:
    void ShowTurn();
    void ShowPorts();

    Workbench& bench_;
    LiveEvents& events_;
    QTabWidget* tabs_;
    std::vector<DiagramView*> views_; // sine, oval, port events
};

} // namespace vt::wb
