// The dimension editors; see DimensionEditor.h. The rules live in EditorRules; this class
// places the widgets from the layout and turns focus changes into field exits.
#include "dialogs/DimensionEditor.h"

#include "model/EditorRules.h"
#include "model/Rounding.h"
#include "widgets/Look.h"
#include "widgets/NumberEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <optional>
#include <string>

namespace vt {

namespace {

int Scaled(double v, float factor) { return ToPixel(v * factor); }

constexpr int kLabelStretch = 92; // per cent

bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

} // namespace

DimensionEditor::DimensionEditor(const EditorLayout& layout, State& s, Controls& c,
                                 QWidget* parent)
    : QDialog(parent), layout_(layout), s_(s), c_(c) {
    setObjectName(layout.ObjectName);
    setWindowTitle(layout.Title);
    setFixedSize(layout.Width, layout.Height);
    setFont(QFont(kSansFace, 8));
    // The stand-in face runs a little wider than the classic dialog font; narrowed, the
    // longest labels end before their fields as they were laid out to.
    QFont labelFont(kSansFace, 8);
    labelFont.setStretch(kLabelStretch);
    const auto label = [this, &labelFont](const char* text, int x, int y, bool scaleX) {
        auto* l = new QLabel(text, this);
        l->setTextFormat(Qt::PlainText); // the blanks that line the words up stay
        l->setFont(labelFont);
        l->adjustSize();
        labels_.push_back({l, x, y, scaleX});
    };
    for (const EditorField& f : layout.Fields) {
        for (const EditorLabel& l : f.Labels)
            if (l.Text) label(l.Text, l.X, kEditorRowPitch * l.Row, true);
        auto* edit = new NumberEdit(true, this);
        edit->setObjectName(f.Edit);
        edit->setFrame(false);
        edit->setGeometry(f.Column ? kRightFieldX : kLeftFieldX, kEditorRowPitch * f.Row, kFieldW, kFieldH);
        edit->setTextMargins(0, 0, 0, 0);
        // The application's style sheet rules the look, so the field colour is one too.
        edit->setStyleSheet(f.Rule == FieldRule::Dimension ? "QLineEdit { background: silver; }"
                                                           : "QLineEdit { background: white; }");
        edit->installEventFilter(this);
        connect(edit, &NumberEdit::keyAccepted, this, [this, &f] {
            if (f.Rule == FieldRule::Dimension) s_.EditChanged = true;
        });
        fields_.push_back(edit);

        auto* button = new QPushButton(this);
        button->setObjectName(f.Button);
        button->setGeometry(f.Column ? kRightButtonX : kLeftButtonX, kEditorRowPitch * f.ButtonRow,
                            kSmallButtonW, kFieldH);
        button->setFocusPolicy(Qt::ClickFocus); // clicked, it takes the focus: the field is left
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, marker = f.Marker] { s_.MarkerNo = marker; });
        buttons_.push_back(button);
    }
    label(layout.HelpLines[0], kHelpLineX, kHelpLine1Y, false);
    label(layout.HelpLines[1], kHelpLineX, kHelpLine2Y, false);
    const auto button = [this](const ButtonPlace& b) {
        auto* w = new QPushButton(b.Caption, this);
        w->setObjectName(b.Name);
        w->setGeometry(b.X, b.Y, b.W, b.H);
        return w;
    };
    reset_ = button(layout.Reset);
    close_ = button(layout.Close);
    reset_->installEventFilter(this);
    connect(reset_, &QPushButton::clicked, this, [this] { Reset(true); });
    connect(close_, &QPushButton::clicked, this, &DimensionEditor::CloseClick);
}

int DimensionEditor::IndexOf(QObject* o) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i] == o) return int(i);
    return -1;
}

void DimensionEditor::Fill() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const EditorField& f = layout_.Fields[i];
        const float v = layout_.Dimensions[std::size_t(f.Dimension)].Ref(s_);
        fields_[i]->setText(QString::fromStdString(EditorFieldText(v)));
    }
}

// Label positions follow the font factors, which the user may switch between openings;
// the help lines move only down.
void DimensionEditor::PlaceLabels() {
    for (const PlacedLabel& p : labels_)
        p.label->move(p.scaleX ? Scaled(p.x, s_.FontScaleX) : p.x, Scaled(p.y, s_.FontScaleY));
}

void DimensionEditor::showEvent(QShowEvent* e) {
    current_ = -1;
    PlaceLabels();
    Fill();
    close_->setFocus();
    QDialog::showEvent(e);
}

// The text counts only when the user changed it since the field was filled or last left.
void DimensionEditor::ExitField(int i) {
    const EditorField& f = layout_.Fields[std::size_t(i)];
    NumberEdit* field = fields_[std::size_t(i)];
    const std::string text = field->text().toStdString();
    std::optional<std::string_view> edited;
    if (field->isModified()) edited = text;
    field->setModified(false);
    const DimensionInfo& d = layout_.Dimensions[std::size_t(f.Dimension)];
    const FieldOutcome outcome = f.Rule == FieldRule::Dimension ? DimensionFieldExit(s_, d, edited)
                                 : f.Rule == FieldRule::Norm    ? NormFieldExit(s_, edited)
                                                                : MaxFieldExit(s_, c_, edited);
    // An emptied or refused field shows the value it keeps.
    if (outcome != FieldOutcome::Stored)
        field->setText(QString::fromStdString(EditorFieldText(d.Ref(s_))));
}

void DimensionEditor::LeaveField() {
    const int i = current_;
    current_ = -1;
    if (i >= 0) ExitField(i);
}

// Focus moving between the dialog's controls leaves a field; the window losing activation
// (another window, a context menu) does not.
bool DimensionEditor::eventFilter(QObject* watched, QEvent* e) {
    if (watched == reset_ && e->type() == QEvent::MouseButtonPress) {
        LeaveField();
        Reset(false);
        return false;
    }
    const int i = IndexOf(watched);
    if (i < 0) return QDialog::eventFilter(watched, e);
    if (e->type() == QEvent::FocusIn) {
        if (current_ != i) LeaveField();
        current_ = i;
    } else if (e->type() == QEvent::FocusOut) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) LeaveField();
    }
    return QDialog::eventFilter(watched, e);
}

void DimensionEditor::keyPressEvent(QKeyEvent* e) {
    if (IsEnter(e) && current_ >= 0) {
        // Enter is an accepted key: it stores the value and moves on to "Close".
        if (layout_.Fields[std::size_t(current_)].Rule == FieldRule::Dimension) s_.EditChanged = true;
        close_->setFocus(Qt::OtherFocusReason);
        LeaveField();
        return;
    }
    QDialog::keyPressEvent(e);
}

void DimensionEditor::Reset(bool click) {
    if (layout_.Frame)
        ResetFrameDimensions(s_, c_, click);
    else
        ResetCylDimensions(s_, click);
    Fill();
}

void DimensionEditor::CloseClick() {
    LeaveField();
    EditorCloseClick(s_, c_);
    done(QDialog::Accepted);
}

void DimensionEditor::reject() { CloseClick(); }

} // namespace vt
