// The design's undo step.
#include "workbench/DesignCommand.h"

namespace vt::wb {

DesignCommand::DesignCommand(const QString& text, gears::GearDesign before, gears::GearDesign after,
                             Apply apply, int drag)
    : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
      apply_(std::move(apply)), drag_(drag) {}

// Later steps of the same drag extend this one: it keeps its start and takes their end.
bool DesignCommand::mergeWith(const QUndoCommand* other) {
    const auto* o = static_cast<const DesignCommand*>(other);
    if (o->drag_ != drag_) return false;
    after_ = o->after_;
    return true;
}

} // namespace vt::wb
