// The workbench's dimension table: the kind's dimensions under their groups, columns
// caption, value, unit and bounds; only the value is edited, in place. It reports what
// was typed and which row is selected; the window decides.
#pragma once

#include "gears/Gear.h"

#include <QTreeWidget>

namespace vt::wb {

class DimensionTable final : public QTreeWidget {
    Q_OBJECT
  public:
    enum Column { Caption, Value, Unit, Bounds };

    explicit DimensionTable(QWidget* parent = nullptr);
    // Builds the rows for the design's kind (when it changed) and writes every text.
    void Show(const gears::GearDesign& d, bool fractions);
    // The selected dimension, -1 for a group row or none.
    int SelectedDimension() const;
    void SelectDimension(int dim);
    QTreeWidgetItem* Row(int dim) const;

  signals:
    void valueTyped(int dim, const QString& text);
    void dimensionSelected(int dim);

  protected:
    // Any edit of a row edits its value.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

  private:
    void Build(const gears::GearKind& kind);

    const gears::GearKind* kind_ = nullptr;
    std::vector<QTreeWidgetItem*> rows_; // by dimension
    bool writing_ = false;               // texts written by Show are not typed
};

} // namespace vt::wb
