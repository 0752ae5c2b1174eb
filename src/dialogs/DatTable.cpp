// The pivot data table window; see DatTable.h.
#include "dialogs/DatTable.h"

#include "model/PivotData.h"
#include "widgets/Look.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vt {

DataTableWindow::DataTableWindow(State& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("TDataTable");
    setGeometry(150, 110, 620, 400);
    auto* menus = new QMenuBar(this);
    menus->addAction("&Close ", this, &QDialog::accept);
    menus->addAction("              "); // a spacer
    QMenu* edit = menus->addMenu("&Edit");
    cut_ = edit->addAction("Cu&t");
    copy_ = edit->addAction("&Copy");
    paste_ = edit->addAction("&Paste");
    edit->addSeparator();
    selectAll_ = edit->addAction("Select&All");
    memo_ = new QPlainTextEdit(this);
    memo_->setFont(QFont(kSerifFace, 9));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setMenuBar(menus);
    box->addWidget(memo_);

    connect(edit, &QMenu::aboutToShow, this, [this] {
        if (memo_->textCursor().hasSelection()) {
            cut_->setEnabled(true);
            copy_->setEnabled(true);
        }
    });
    connect(cut_, &QAction::triggered, this, [this] {
        memo_->cut();
        selectAll_->setEnabled(true);
    });
    connect(copy_, &QAction::triggered, this, [this] {
        memo_->copy();
        selectAll_->setEnabled(true);
    });
    connect(paste_, &QAction::triggered, memo_, &QPlainTextEdit::paste);
    connect(selectAll_, &QAction::triggered, this, [this] {
        memo_->selectAll();
        cut_->setEnabled(true);
        copy_->setEnabled(true);
        selectAll_->setEnabled(false);
    });
}

QString DataTableWindow::Text() const { return memo_->toPlainText(); }

QAction* DataTableWindow::EditAction(const char* name) const {
    const QString n(name);
    return n == "Cut" ? cut_ : n == "Copy" ? copy_ : n == "Paste" ? paste_ : selectAll_;
}

void DataTableWindow::showEvent(QShowEvent* e) {
    cut_->setEnabled(false);
    copy_->setEnabled(false);
    selectAll_->setEnabled(true);
    const auto text = [](const std::function<std::string()>& f) { return f ? f() : std::string(); };
    memo_->setPlainText(QString::fromStdString(
        BuildPivotTable(s_, text(s_.hooks.DateText), text(s_.hooks.TimeText))));
    QDialog::showEvent(e);
}

} // namespace vt
