// The graphic zoom dialog; see GraphicZoom.h.
#include "dialogs/GraphicZoom.h"

#include "model/Format.h"
#include "model/ViewControls.h"
#include "widgets/NumberEdit.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vt {

GraphicZoomDialog::GraphicZoomDialog(State& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("TGraphZoom");
    setWindowTitle("Set Zoom of Dimensional Graphic Position");
    auto* box = new QVBoxLayout(this);
    for (const char* text : {"Min = 0.5", "Max = 2000.0",
                             "Approximate Factor = Locomotive Gauge in Units Used", "Enter"})
        box->addWidget(new QLabel(text, this));
    edit_ = new NumberEdit(false, this);
    edit_->setObjectName("Edit1");
    edit_->DiscardEnter();
    box->addWidget(edit_);
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    ok->setObjectName("OK");
    cancel->setObjectName("Cancel");
    box->addWidget(ok);
    box->addWidget(cancel);
    connect(ok, &QPushButton::clicked, this, [this] {
        GraphicZoomOk(s_, edit_->text().toStdString());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void GraphicZoomDialog::showEvent(QShowEvent* e) {
    edit_->setText(QString::fromStdString(FormatFixed(s_.GraphicZoom, 4, 2)));
    QDialog::showEvent(e);
}

} // namespace vt
