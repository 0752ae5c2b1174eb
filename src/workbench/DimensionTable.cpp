// The dimension table: group rows and value rows, texts from the table's rules.
#include "workbench/DimensionTable.h"

#include "workbench/DimensionRules.h"

#include <QHeaderView>
#include <QTimer>

#include <map>

namespace vt::wb {

namespace {
constexpr int kDimRole = Qt::UserRole;
}

DimensionTable::DimensionTable(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("dimensions");
    setColumnCount(4);
    setHeaderLabels({"Dimension", "Value", "Unit", "Bounds"});
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionMode(SingleSelection);
    setAlternatingRowColors(true);
    header()->setSectionResizeMode(Caption, QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const QVariant dim = item->data(Caption, kDimRole);
        if (writing_ || column != Value || !dim.isValid()) return;
        // Reported once the editor has closed: a refusal's message box would otherwise take
        // the focus from the open editor, which commits it a second time.
        QTimer::singleShot(0, this, [this, d = dim.toInt(), text = item->text(Value)] {
            emit valueTyped(d, text);
        });
    });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this] { emit dimensionSelected(SelectedDimension()); });
}

void DimensionTable::Build(const gears::GearKind& kind) {
    clear();
    rows_.clear();
    kind_ = &kind;
    std::map<std::string, QTreeWidgetItem*> groups;
    for (const auto& dim : kind.Dimensions()) {
        auto& group = groups[dim.Group];
        if (!group) {
            group = new QTreeWidgetItem(this, {QString::fromUtf8(dim.Group)});
            group->setFirstColumnSpanned(true);
            group->setFlags(Qt::ItemIsEnabled);
        }
        auto* row = new QTreeWidgetItem(group, {QString::fromUtf8(dim.Caption)});
        row->setData(Caption, kDimRole, int(rows_.size()));
        row->setToolTip(Caption, QString::fromUtf8(dim.Name));
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        row->setTextAlignment(Value, Qt::AlignRight | Qt::AlignVCenter);
        rows_.push_back(row);
    }
    expandAll();
}

void DimensionTable::Show(const gears::GearDesign& d, bool fractions) {
    writing_ = true;
    if (kind_ != d.Kind) Build(*d.Kind);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const int dim = int(i);
        rows_[i]->setText(Value, QString::fromStdString(ValueText(d, dim, d.Values[i], fractions)));
        rows_[i]->setText(Unit, QString::fromStdString(UnitText(d, dim)));
        rows_[i]->setText(Bounds, QString::fromStdString(BoundsText(d, dim, fractions)));
    }
    writing_ = false;
}

int DimensionTable::SelectedDimension() const {
    const QTreeWidgetItem* item = currentItem();
    const QVariant dim = item ? item->data(Caption, kDimRole) : QVariant();
    return dim.isValid() ? dim.toInt() : -1;
}

void DimensionTable::SelectDimension(int dim) {
    setCurrentItem(Row(dim), Value);
}

QTreeWidgetItem* DimensionTable::Row(int dim) const {
    return dim >= 0 && std::size_t(dim) < rows_.size() ? rows_[std::size_t(dim)] : nullptr;
}

bool DimensionTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!index.isValid() || index.column() == Value)
        return QTreeWidget::edit(index, trigger, event);
    return QTreeWidget::edit(index.siblingAtColumn(Value), trigger, event);
}

} // namespace vt::wb
