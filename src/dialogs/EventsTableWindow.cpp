// The valve events table window: recomputed from the design each time it opens; the
// buttons copy the listing and save the CSV, a failed save said with its reason.
#include "dialogs/EventsTableWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vt {

EventsTableWindow::EventsTableWindow(const State& s, FileUi ui, QWidget* parent)
    : QDialog(parent), s_(s), ui_(std::move(ui)) {
    setObjectName("TEventsTable");
    setWindowTitle("Valve Events Table");
    notes_ = new QLabel(this);
    notes_->setObjectName("EventsNotes");
    notes_->setWordWrap(true);
    const auto fixedText = [this](const char* name) {
        auto* t = new QPlainTextEdit(this);
        t->setObjectName(name);
        t->setReadOnly(true);
        t->setLineWrapMode(QPlainTextEdit::NoWrap);
        t->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        return t;
    };
    columns_ = fixedText("EventsColumns");
    columns_->setFocusPolicy(Qt::NoFocus);
    columns_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    columns_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_ = fixedText("EventsText");
    auto* copy = new QPushButton("Copy", this);
    copy->setObjectName("CopyTable");
    auto* save = new QPushButton("Save CSV...", this);
    save->setObjectName("SaveCsv");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("CloseTable");
    connect(copy, &QPushButton::clicked, this, &EventsTableWindow::CopyClick);
    connect(save, &QPushButton::clicked, this, &EventsTableWindow::SaveCsvClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notes_);
    layout->addWidget(columns_);
    layout->setSpacing(0);
    layout->addWidget(text_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    resize(940, 640);
}

QString EventsTableWindow::Text() const { return listing_; }

void EventsTableWindow::Recompute() {
    table_ = ComputeEventsTable(s_, DefaultEventRows(s_));
    const EventsListing l = FormatEventsListing(table_);
    listing_ = QString::fromStdString(l.Notes + l.Columns + l.Body);
    notes_->setText(QString::fromStdString(l.Notes).trimmed());
    columns_->setPlainText(QString::fromStdString(l.Columns).chopped(1));
    text_->setPlainText(QString::fromStdString(l.Body));
    FitWholeLines(l);
}

// Both panes as wide as the longest line, with the rows' scroll bar beside it, so that no
// line is cut; the column names one line high.
void EventsTableWindow::FitWholeLines(const EventsListing& l) {
    const QFontMetrics metrics(text_->font());
    int widest = metrics.horizontalAdvance(QString::fromStdString(l.Columns).chopped(1));
    for (const QString& line : QString::fromStdString(l.Body).split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * (int(text_->document()->documentMargin()) + text_->frameWidth());
    const int scrollBar = text_->verticalScrollBar()->sizeHint().width();
    text_->setMinimumWidth(widest + margins + scrollBar + metrics.averageCharWidth());
    columns_->setFixedHeight(metrics.lineSpacing() + margins);
}

void EventsTableWindow::showEvent(QShowEvent* e) {
    Recompute();
    QDialog::showEvent(e);
}

void EventsTableWindow::CopyClick() { QApplication::clipboard()->setText(Text()); }

void EventsTableWindow::SaveCsvClick() {
    const QString path = ui_.choose ? ui_.choose(kSaveEventsCsvDialog) : QString();
    if (path.isEmpty()) return;
    if (const QString error = SaveTextFile(path, FormatEventsCsv(table_)); !error.isEmpty())
        ui_.report("The valve events table could not be saved as " + path + ": " + error +
                   "; any file of that name is as it was.");
}

} // namespace vt
