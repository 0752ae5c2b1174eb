// The valve events table window: recomputed from the design each time it opens; the
// buttons copy the listing and save the CSV, a failed save said with its reason.
#include "dialogs/EventsTableWindow.h"

#include "analysis/EventsText.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vt {

EventsTableWindow::EventsTableWindow(const State& s, FileUi ui, QWidget* parent)
    : QDialog(parent), s_(s), ui_(std::move(ui)) {
    setObjectName("TEventsTable");
    setWindowTitle("Valve Events Table");
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("EventsText");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
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
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(940, 640);
}

QString EventsTableWindow::Text() const { return text_->toPlainText(); }

void EventsTableWindow::Recompute() {
    table_ = ComputeEventsTable(s_, DefaultEventRows(s_));
    text_->setPlainText(QString::fromStdString(FormatEventsText(table_)));
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
