// The live events; see LiveEvents.h.
#include "workbench/LiveEvents.h"

#include "workbench/Workbench.h"

#include <algorithm>
#include <cmath>

namespace vt::wb {

namespace {

// The compared design's setting: the same, within its own full gear.
double ClampedSetting(const gears::GearDesign& d, double setting) {
    const double full = std::fabs(gears::SettingOf(d, gears::NamedPosition::FullForward));
    return std::clamp(setting, -full, full);
}

} // namespace

LiveEvents::LiveEvents(Workbench& bench) : QObject(&bench), bench_(bench) {
    connect(&bench, &Workbench::designChanged, this, &LiveEvents::Restart);
    connect(&bench, &Workbench::comparisonChanged, this, &LiveEvents::Restart);
    connect(&bench, &Workbench::settingChanged, this, &LiveEvents::FindCurrent);
    connect(&job_, &BackgroundJob::Finished, this, [this] {
        if (pending_) StartTable();
    });
    Restart();
}

// The driver turns forward on the forward side of mid gear and at it.
void LiveEvents::FindCurrent() {
    const double s = bench_.Setting();
    current_ = FindEvents(bench_.Design(), s, s >= 0);
    comparedCurrent_.reset();
    if (const gears::GearDesign* other = bench_.Compared()) {
        const double cs = ClampedSetting(*other, s);
        comparedCurrent_ = FindEvents(*other, cs, cs >= 0);
    }
    emit currentChanged();
}

void LiveEvents::Restart() {
    FindCurrent();
    ++generation_;
    ready_ = false;
    emit tableChanged();
    job_.Cancel();
    pending_ = true;
    if (!job_.Running()) StartTable();
}

// The work holds its own copies; its result is taken only if no change came after it.
void LiveEvents::StartTable() {
    pending_ = false;
    const int generation = generation_;
    const gears::GearDesign design = bench_.Design();
    std::optional<gears::GearDesign> other;
    if (bench_.Compared()) other = *bench_.Compared();
    job_.Start([this, generation, design, other](JobProgress& progress) -> BackgroundJob::Delivery {
        progress.Total = other ? 2 : 1;
        auto table =
            std::make_shared<EventsTable>(ComputeEventsTable(design, DefaultEventRows(design)));
        progress.Done = 1;
        auto compared = std::make_shared<std::optional<EventsTable>>();
        if (other && !progress.Cancelled())
            *compared = ComputeEventsTable(*other, DefaultEventRows(*other));
        if (progress.Cancelled()) return {};
        return [this, generation, table, compared] {
            if (generation != generation_) return;
            table_ = std::move(*table);
            comparedTable_ = std::move(*compared);
            ready_ = true;
            emit tableChanged();
        };
    });
}

} // namespace vt::wb
