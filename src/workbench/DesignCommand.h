// One change of a workbench's design on its undo stack: the whole design before and after,
// so a dimension, a drag and a change of unit undo alike. The steps of one drag merge into
// one.
#pragma once

#include "gears/Gear.h"

#include <QUndoCommand>

#include <functional>

namespace vt::wb {

class DesignCommand final : public QUndoCommand {
  public:
    using Apply = std::function<void(const gears::GearDesign&)>;
    // `drag` numbers the drag this step belongs to; 0 for a step of its own.
    DesignCommand(const QString& text, gears::GearDesign before, gears::GearDesign after,
                  Apply apply, int drag = 0);

    void undo() override { apply_(before_); }
    void redo() override { apply_(after_); }
    int id() const override { return drag_ ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override;

  private:
    gears::GearDesign before_, after_;
    Apply apply_;
    int drag_;
};

} // namespace vt::wb
