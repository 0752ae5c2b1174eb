// The workbench's events dock: the events at the current reverser setting, front and
// rear end, and the table of every notch, both following the design and the reverser
// (LiveEvents); with a compared design each figure stands beside the other's and the
// difference. Each header names its unit, and its tooltip what the sign means.
#pragma once

#include <QDockWidget>

class QLabel;
class QTableWidget;

namespace vt::wb {

class LiveEvents;
class Workbench;

class EventsDock final : public QDockWidget {
    Q_OBJECT
  public:
    EventsDock(Workbench& bench, LiveEvents& events);

    QTableWidget& CurrentTable() const { return *current_; }
    QTableWidget& NotchTable() const { return *notches_; }

  private:
    void ShowCurrent();
    void ShowNotches();
    void MarkNearest();

    Workbench& bench_;
    LiveEvents& events_;
    QLabel* heading_;
    QLabel* state_;
    QTableWidget* current_;
    QTableWidget* notches_;
};

} // namespace vt::wb
