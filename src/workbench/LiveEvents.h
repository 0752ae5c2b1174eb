// The valve events that follow a workbench's design: the current reverser setting's
// at once (one search, well under a millisecond), the whole notch table after, on a
// worker thread, so an update never holds the window. A newer change cancels the table
// still being computed for an older one. The compared design's are kept beside them.
#pragma once

#include "analysis/EventsTable.h"
#include "widgets/BackgroundJob.h"

#include <QObject>

#include <optional>

namespace vt::wb {

class Workbench;

class LiveEvents final : public QObject {
    Q_OBJECT
  public:
    explicit LiveEvents(Workbench& bench);

    const PositionEvents& Current() const { return current_; }
    const std::optional<PositionEvents>& ComparedCurrent() const { return comparedCurrent_; }
    const EventsTable& Table() const { return table_; }
    const std::optional<EventsTable>& ComparedTable() const { return comparedTable_; }
    // Whether the table answers the design as it is now.
    bool TableReady() const { return ready_; }

  signals:
    void currentChanged();
    void tableChanged(); // also when a newer change makes the table stale

  private:
    void FindCurrent();
    void Restart();
    void StartTable();

    Workbench& bench_;
    BackgroundJob job_;
    PositionEvents current_;
    std::optional<PositionEvents> comparedCurrent_;
    EventsTable table_;
    std::optional<EventsTable> comparedTable_;
    bool ready_ = false, pending_ = false;
    int generation_ = 0; // of the design the table is wanted for
};

} // namespace vt::wb
