// The Set Reverse Arm Positions dialog; see SetReverArm.h.
//
// The fields stand where the dialog's layout puts them; its texts are stated for the
// large font, so they are placed with the large-font factors whatever the font setting,
// which is where they meet their fields.
#include "graphs/SetReverArm.h"

#include "model/Format.h"
#include "model/Rounding.h"
#include "widgets/NumberEdit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vt {

namespace {

constexpr double kTextScaleX = 1.27, kTextScaleY = 1.22;
// Below the classic 409 x 154 layout, one line says why a position was refused.
constexpr int kRefusalLineHeight = 18;
constexpr QSize kClientSize{409, 154 + kRefusalLineHeight};
// Framed fields one pixel short of the rows' 16 pixel pitch, so each stands apart.
constexpr QSize kFieldSize{49, 15};

QPoint TextPlace(int x, int y) {
    return {ToPixel(x * kTextScaleX), ToPixel(y * kTextScaleY)};
}

// Fields 1..9 (positions) and 10 (the vertical scale), 49 x 16 each.
constexpr QPoint kFieldPlaces[11] = {{0, 0},     {138, 47},  {138, 63},  {138, 79},
                                     {138, 95},  {333, 31},  {333, 47},  {333, 63},
                                     {333, 79},  {333, 95},  {138, 31}};
// The labels of positions 1..9.
constexpr QPoint kLabelPlaces[10] = {{0, 0},    {13, 38},  {13, 51},  {13, 64},  {13, 77},
                                     {165, 25}, {165, 38}, {165, 51}, {165, 64}, {165, 77}};

QLabel* Text(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(TextPlace(x, y));
    label->adjustSize();
    return label;
}

} // namespace

SetRevArmDialog::SetRevArmDialog(State& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("TSetRevArm");
    setWindowTitle("Set Reverse Arm Positions");
    setFixedSize(kClientSize);
    for (std::size_t i = 0; i < scale_.size(); ++i) scale_[i] = Text(this, {}, 0, 4);
    Text(this, "Max of 9 Positions", 13, 98);
    Text(this, kListEndNote, 13, 110);
    refusal_ = new QLabel(this);
    refusal_->setObjectName("Refusal");
    refusal_->setGeometry(13, kClientSize.height() - kRefusalLineHeight, 396,
                          kRefusalLineHeight - 2);
    Text(this, "Vertical Scale", 13, 25);
    for (int k = 1; k <= kStoredPositions; ++k) {
        const QPoint p = kLabelPlaces[k];
        labels_[std::size_t(k)] = Text(this, QString("Rev Arm Position  %1").arg(k), p.x(), p.y());
    }
    // The vertical scale's field stands above the positions' fields, so it is made first
    // and comes first in the tab order.
    for (int k : {10, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
        auto* edit = new NumberEdit(true, this);
        edit->setObjectName(QString("Edit%1").arg(k));
        edit->setGeometry(QRect(kFieldPlaces[k], kFieldSize));
        edit->installEventFilter(this);
        fields_[std::size_t(k)] = edit;
    }
    close_ = new QPushButton("Close", this);
    close_->setObjectName("Close1");
    close_->setGeometry(158, 114, 92, 31);
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &SetRevArmDialog::Close1Click);
}

void SetRevArmDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormActivate();
}

void SetRevArmDialog::FormActivate() {
    refusal_->clear();
    Draw();
    Draw();
    close_->setFocus();
}

void SetRevArmDialog::Close1Click() {
    accept();
    Draw();
}

void SetRevArmDialog::reject() {
    close_->setFocus(Qt::OtherFocusReason);
    Close1Click();
}

// FormClose, however the dialog closes.
void SetRevArmDialog::done(int result) {
    s_.RevArmSetChanged = true;
    QDialog::done(result);
}

void SetRevArmDialog::Draw() {
    DrawRevArmSetForm(s_, form_);
    const auto marks = RevArmScaleMarks(s_);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        scale_[i]->setText(QString::fromStdString(marks[i].text));
        scale_[i]->move(TextPlace(marks[i].x, 4));
        scale_[i]->adjustSize();
    }
    for (int k = 1; k <= 10; ++k) {
        const std::size_t i = std::size_t(k);
        fields_[i]->setText(QString::fromStdString(form_.text[i]));
        if (k <= kStoredPositions) {
            fields_[i]->setVisible(form_.shown[i]);
            labels_[i]->setVisible(form_.shown[i]);
        }
    }
    close_->setFocus();
}

int SetRevArmDialog::FieldOf(const QObject* o) const {
    for (int k = 1; k <= 10; ++k)
        if (fields_[std::size_t(k)] == o) return k;
    return 0;
}

// A refused position shows its kept value again, and the line below says the range.
void SetRevArmDialog::FieldExit(int k) {
    NumberEdit* field = fields_[std::size_t(k)];
    const std::string text = field->text().toStdString();
    if (k == 10) return StoreVertScale(s_, text);
    const std::string refusal = StoreRevArmPosition(s_, k, text);
    refusal_->setText(QString::fromStdString(refusal));
    if (!refusal.empty())
        field->setText(QString::fromStdString(FormatFixed(s_.RevArmSet[k], 5, 3)));
}

bool SetRevArmDialog::eventFilter(QObject* watched, QEvent* e) {
    const int k = FieldOf(watched);
    if (k == 0) return QDialog::eventFilter(watched, e);
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            close_->setFocus(); // Enter leaves the field for the Close button
            return true;
        }
        if (k < kStoredPositions && !key->text().isEmpty()) {
            RevArmKeyPressed(form_, k);
            fields_[std::size_t(k + 1)]->setVisible(true);
            labels_[std::size_t(k + 1)]->setVisible(true);
        }
    } else if (e->type() == QEvent::FocusOut) {
        // Leaving the field for another control of the dialog, not the dialog itself.
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) FieldExit(k);
    }
    return QDialog::eventFilter(watched, e);
}

} // namespace vt
