// The setting dialogs; see SettingDialog.h.
#include "dialogs/SettingDialog.h"

#include "model/SettingRules.h"
#include "widgets/NumberEdit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace vt {

namespace {

struct Placed {
    const char* text;
    int x, y;
};

struct SettingFacts {
    const char* name;
    const char* title;
    int height;
    std::vector<Placed> texts;
    QRect entry, ok, cancel;
    bool allowMinus;
    bool enterPressesOk; // otherwise Enter does nothing
    std::string (*entryText)(const State&);
    void (*apply)(State&, Controls&, const std::string&);
};

const SettingFacts& FactsOf(SettingKind kind) {
    static const SettingFacts kFacts[] = {
        {"TRevPos", "Reverse Arm Position", 64, {{"Enter", 5, 35}}, {34, 32, 50, 21},
         {94, 33, 52, 21}, {152, 33, 52, 21}, true, false, RevArmEntryText, RevArmPositionOk},
        {"TDrivAng", "Driver Angle", 47,
         {{"Min = 0.00", 10, 0}, {"Max = 360.00", 100, 0}, {"Enter", 5, 19}}, {34, 16, 50, 21},
         {94, 17, 52, 21}, {152, 17, 52, 21}, false, true, DriverAngleEntryText, DriverAngleOk},
        {"TStpAng", "Step Angle", 47,
         {{"Min = 0.01", 10, 0}, {"Max = 45.00", 100, 0}, {"Enter", 5, 19}}, {34, 16, 50, 21},
         {94, 17, 52, 21}, {152, 17, 52, 21}, false, true, StepAngleEntryText, StepAngleOk},
    };
    return kFacts[static_cast<int>(kind)];
}

// The reverse arm dialog's five value texts.
constexpr QPoint kValuePlaces[5] = {{2, 0}, {71, 0}, {141, 0}, {2, 15}, {141, 15}};

} // namespace

SettingDialog::SettingDialog(SettingKind kind, State& s, Controls& c, QWidget* parent)
    : QDialog(parent), kind_(kind), s_(s), c_(c) {
    const SettingFacts& f = FactsOf(kind);
    setObjectName(f.name);
    setWindowTitle(f.title);
    setFixedSize(208, f.height);
    for (const Placed& t : f.texts) (new QLabel(t.text, this))->move(t.x, t.y);
    if (kind == SettingKind::RevArmPosition) {
        for (std::size_t i = 0; i < values_.size(); ++i) {
            values_[i] = new QLabel(this);
            values_[i]->move(kValuePlaces[i]);
        }
    }
    edit_ = new NumberEdit(f.allowMinus, this);
    edit_->setObjectName("Edit1");
    edit_->setGeometry(f.entry);
    ok_ = new QPushButton("OK", this);
    ok_->setGeometry(f.ok);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setGeometry(f.cancel);
    for (QPushButton* b : {ok_, cancel_}) b->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] {
        FactsOf(kind_).apply(s_, c_, edit_->text().toStdString());
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QString SettingDialog::FixedText(int i) const {
    return values_[std::size_t(i)] ? values_[std::size_t(i)]->text() : QString();
}

void SettingDialog::showEvent(QShowEvent* e) {
    if (kind_ == SettingKind::RevArmPosition) {
        const auto texts = RevArmPositionTexts(s_);
        for (std::size_t i = 0; i < values_.size(); ++i) {
            values_[i]->setText(QString::fromStdString(texts[i]));
            values_[i]->adjustSize();
        }
    }
    edit_->setText(QString::fromStdString(FactsOf(kind_).entryText(s_)));
    cancel_->setFocus();
    QDialog::showEvent(e);
}

void SettingDialog::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter) {
        // A focused button takes Enter; from the field it presses "OK". The reverse arm
        // dialog discards it.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (FactsOf(kind_).enterPressesOk) (focused ? focused : ok_)->click();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        cancel_->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace vt
