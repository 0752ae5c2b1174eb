// The reference points dialog; see RefPoint.h.
#include "dialogs/RefPoint.h"

#include "model/Format.h"
#include "widgets/NumberEdit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vt {

RefPointsDialog::RefPointsDialog(State& s, Controls& c, QWidget* parent)
    : QDialog(parent), s_(s), c_(c) {
    setObjectName("TRefPnts");
    setWindowTitle("Reference Points");
    auto* grid = new QGridLayout(this);
    const char* labels[] = {"RefPt V1", "RefPt H1", "RefPt V2", "RefPt H2"};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(labels[i], this), i, 0);
        edits_[std::size_t(i)] = new NumberEdit(true, this);
        edits_[std::size_t(i)]->setObjectName(QString("Edit%1").arg(i + 1));
        edits_[std::size_t(i)]->DiscardEnter();
        grid->addWidget(edits_[std::size_t(i)], i, 1);
    }
    auto* ok = new QPushButton("OK", this);
    cancel_ = new QPushButton("Cancel", this);
    auto* zero = new QPushButton("Zero", this);
    ok->setObjectName("OK");
    cancel_->setObjectName("Cancel");
    zero->setObjectName("Zero");
    grid->addWidget(ok, 4, 0);
    grid->addWidget(cancel_, 4, 1);
    grid->addWidget(zero, 5, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, [this] {
        const auto text = [this](int i) { return edits_[std::size_t(i)]->text().toStdString(); };
        RefPointsDialogOk(s_, c_.View, {text(0), text(1), text(2), text(3)});
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        RefPointsDialogCancel(s_, c_.View);
        reject();
    });
    connect(zero, &QPushButton::clicked, this, [this] {
        RefPointsDialogZero(s_, c_.View);
        accept();
    });
}

void RefPointsDialog::showEvent(QShowEvent* e) {
    const float values[] = {s_.PivotY[19], s_.PivotX[19], s_.PivotY[20], s_.PivotX[20]};
    for (int i = 0; i < 4; ++i)
        edits_[std::size_t(i)]->setText(QString::fromStdString(FormatFixed(values[i], 5, 3)));
    cancel_->setFocus();
    QDialog::showEvent(e);
}

void RefPointsDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape)
        cancel_->click();
    else
        QDialog::keyPressEvent(e);
}

} // namespace vt
