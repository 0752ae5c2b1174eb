// The events dock; see EventsDock.h.
#include "workbench/EventsDock.h"

#include "analysis/EventsText.h"
#include "workbench/EventFigures.h"
#include "workbench/LiveEvents.h"
#include "workbench/Workbench.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vt::wb {

namespace {

// The cell's item, made on first use and reused after, so a refresh only sets texts.
void SetCell(QTableWidget& t, int row, int column, const QString& text) {
    QTableWidgetItem* item = t.item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t.setItem(row, column, item);
    }
    if (item->text() != text) item->setText(text);
}

// A header's item, made on first use; the unit in its text follows a change of unit.
void SetHeader(QTableWidget& t, Qt::Orientation o, int i, const QString& text, const char* tip) {
    const bool across = o == Qt::Horizontal;
    QTableWidgetItem* item = across ? t.horizontalHeaderItem(i) : t.verticalHeaderItem(i);
    if (!item) {
        item = new QTableWidgetItem;
        item->setToolTip(tip ? QString(tip) : QString());
        across ? t.setHorizontalHeaderItem(i, item) : t.setVerticalHeaderItem(i, item);
    }
    if (item->text() != text) item->setText(text);
}

QTableWidget* ReadOnlyTable() {
    auto* t = new QTableWidget;
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->setDefaultSectionSize(20);
    return t;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A panel with its heading line above it.
QWidget* Titled(QLabel* heading, QWidget* body) {
    auto* box = new QWidget;
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->addWidget(heading);
    rows->addWidget(body, 1);
    return box;
}

} // namespace

EventsDock::EventsDock(Workbench& bench, LiveEvents& events)
    : QDockWidget("Valve Events", &bench), bench_(bench), events_(events), heading_(new QLabel),
      state_(new QLabel), current_(ReadOnlyTable()), notches_(ReadOnlyTable()) {
    setObjectName("eventsDock");
    current_->setObjectName("currentEvents");
    notches_->setObjectName("notchEvents");
    const auto quantities = EventQuantities();
    current_->setRowCount(int(quantities.size()));
    current_->setColumnCount(2);
    current_->setHorizontalHeaderLabels({"Front", "Rear"});
    current_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    notches_->setColumnCount(int(NotchColumns().size()));
    notches_->verticalHeader()->hide();
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(Titled(heading_, current_));
    split->addWidget(Titled(state_, notches_));
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 5);
    split->setSizes({400, 760}); // room for a compared figure and its difference
    setWidget(split);
    connect(&events, &LiveEvents::currentChanged, this, &EventsDock::ShowCurrent);
    connect(&events, &LiveEvents::tableChanged, this, &EventsDock::ShowNotches);
    connect(&bench, &Workbench::settingChanged, this, &EventsDock::MarkNearest);
    ShowCurrent();
    ShowNotches();
}

void EventsDock::ShowCurrent() {
    const PositionEvents& e = events_.Current();
    const auto& other = events_.ComparedCurrent();
    QString head = QString("At setting %1 (%2)")
                       .arg(e.Setting, 0, 'f', 3)
                       .arg(e.Forward ? "forward" : "reverse");
    if (other) head += QString("; this design / the compared (difference)");
    if (!e.Ok() && e.FailedBody) head += QString(": the %1 cannot be assembled").arg(e.FailedBody);
    heading_->setText(head);
    const auto quantities = EventQuantities();
    for (std::size_t i = 0; i < quantities.size(); ++i) {
        const EventQuantity& q = quantities[i];
        SetHeader(*current_, Qt::Vertical, int(i),
                  QString("%1, %2").arg(q.Caption, Q(MeasureUnit(q.Unit, bench_.Design()))), q.Tip);
        for (End end : {End::Front, End::Rear}) {
            const bool shown = q.BothEnds() || end == End::Front;
            const auto figure = [&](const PositionEvents& p) { return FigureOf(q, p, end); };
            SetCell(*current_, int(i), end == End::Front ? 0 : 1,
                    shown ? Q(FigureText(q, figure(e), other ? figure(*other) : std::nullopt,
                                         bool(other)))
                          : QString());
        }
    }
}

void EventsDock::ShowNotches() {
    if (!events_.TableReady()) {
        state_->setText("Every notch: computing...");
        return;
    }
    const EventsTable& t = events_.Table();
    const auto& other = events_.ComparedTable();
    state_->setText(other ? "Every notch: this design / the compared (difference)"
                          : "Every notch, forward and reverse, then the stored positions");
    const std::vector<NotchColumn> columns = NotchColumns();
    for (std::size_t c = 0; c < columns.size(); ++c)
        SetHeader(*notches_, Qt::Horizontal, int(c), Q(NotchHeader(columns[c], bench_.Design())),
                  columns[c].Quantity ? columns[c].Quantity->Tip : nullptr);
    notches_->setRowCount(int(t.Rows.size()));
    for (std::size_t r = 0; r < t.Rows.size(); ++r) {
        const EventsRow& row = t.Rows[r];
        const EventsRow* match = other ? MatchingRow(*other, row.Spec) : nullptr;
        SetCell(*notches_, int(r), 0, Q(RowLabel(row.Spec)));
        SetCell(*notches_, int(r), 1, QString::number(row.Setting, 'f', 3));
        for (std::size_t c = 2; c < columns.size(); ++c) {
            const EventQuantity& q = *columns[c].Quantity;
            const auto b = match ? FigureOf(q, *match, columns[c].Side) : std::nullopt;
            SetCell(*notches_, int(r), int(c),
                    Q(FigureText(q, FigureOf(q, row, columns[c].Side), b, bool(other))));
        }
    }
    notches_->resizeColumnsToContents();
    MarkNearest();
}

// The notch nearest the reverser's setting stays selected and in view.
void EventsDock::MarkNearest() {
    if (!events_.TableReady()) return;
    const int row = NearestRow(events_.Table(), bench_.Setting());
    if (row < 0) return;
    notches_->selectRow(row);
    notches_->scrollToItem(notches_->item(row, 0));
}

} // namespace vt::wb
