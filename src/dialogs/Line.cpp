// The "Draw Lines" dialog; see Line.h. Every widget comes from a table of its facts; the
// 80 number fields are one routine over the rows and the four field columns.
#include "dialogs/Line.h"

#include "widgets/NumberEdit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace vt {

namespace {

constexpr QSize kClientSize{616, 344};
constexpr int kRowTop = 36, kRowStep = 15, kRowHeight = 14;
constexpr int kNumberX = 4, kNumberWidth = 20;
constexpr int kLabelX[3] = {26, 66, 108}, kLabelWidth[3] = {38, 40, 52};
constexpr int kFieldX[kLineFields] = {162, 218, 274, 330}, kFieldWidth = 52;
constexpr QColor kCurrentRow{0, 255, 255}, kOtherRow{255, 255, 255};

struct Placed {
    const char* text;
    int x, y;
};
constexpr Placed kTitles[] = {
    {"Item", 4, 4},
    {"No.", 4, 18},
    {"Type     Color     Ref to", 28, 18},
    {"Line1Vert   Line1Horz     Line2Vert   Line2Horz", 166, 4},
    {"CirCentV    CirCentH                        CirRadius", 166, 18},
};

struct GroupFacts {
    const char* title;
    QRect box;
    std::vector<const char*> choices;
};
const GroupFacts kGroups[] = {
    {"  Type    ", {400, 4, 96, 60}, {"Line", "Circle"}},
    {"  Color  ", {400, 70, 96, 128}, {"Black", "Red", "Green", "Yellow", "Blue", "Gray"}},
    {"  Referenced to  ", {506, 4, 104, 96}, {"0,0", "Pivot1", "Piv1/0,0", "Piv1/Piv2"}},
};

struct ButtonFacts {
    const char* caption;
    QRect place;
};
constexpr ButtonFacts kDrawClose{"Draw Close", {506, 112, 104, 25}};
constexpr ButtonFacts kClearLine{"Clear Line", {506, 142, 104, 25}};
constexpr ButtonFacts kClose{"Close", {506, 172, 104, 25}};

QString NumberText(int r) { return r < 10 ? QString("%1  ").arg(r) : QString::number(r); }

void SetBackground(QWidget* w, QPalette::ColorRole role, QColor colour) {
    QPalette p = w->palette();
    if (p.color(role) == colour) return;
    p.setColor(role, colour);
    w->setPalette(p);
}

// The fields take their colour from a style sheet: under the program's style sheet a
// line edit's palette base is not what it paints.
void SetFieldBackground(QWidget* w, QColor colour) {
    const QString sheet = QString("background-color: %1").arg(colour.name());
    if (w->styleSheet() != sheet) w->setStyleSheet(sheet);
}

void SetChecked(QButtonGroup* g, int id) {
    if (g->checkedId() == id) return;
    g->setExclusive(false); // an exclusive group cannot uncheck its last button
    for (QAbstractButton* b : g->buttons()) b->setChecked(g->id(b) == id);
    g->setExclusive(true);
}

void SetText(QLabel* l, const std::string& text) { l->setText(QString::fromStdString(text)); }

} // namespace

LinesDialog::LinesDialog(State& s, Controls& c, QWidget* parent) : QDialog(parent), s_(s), c_(c) {
    setObjectName("TLinesDia");
    setWindowTitle("Draw Lines");
    setFixedSize(kClientSize);
    BuildTitles();
    for (int r = 1; r < kLineEntries; ++r) BuildRow(r);
    BuildGroups();
    BuildButtons();
    Mirror();
}

void LinesDialog::BuildTitles() {
    for (const Placed& t : kTitles) {
        auto* l = new QLabel(t.text, this);
        l->setTextFormat(Qt::PlainText);
        l->move(t.x, t.y);
    }
}

void LinesDialog::BuildGroups() {
    using Rule = void (*)(LinesDialog*, State&, Controls&, int);
    static constexpr Rule kRules[] = {
        [](LinesDialog* d, State& s, Controls& c, int id) { d->Finish(LineTypeClick(s, c.Lines, id)); },
        [](LinesDialog* d, State& s, Controls& c, int id) {
            LineColorClick(s, c.Lines, id);
            d->Finish(LinesOutcome::Stay);
        },
        [](LinesDialog* d, State& s, Controls& c, int id) { d->Finish(LineRefClick(s, c.Lines, id)); },
    };
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        auto* box = new QGroupBox(kGroups[g].title, this);
        box->setGeometry(kGroups[g].box);
        groups_[g] = new QButtonGroup(this);
        for (std::size_t i = 0; i < kGroups[g].choices.size(); ++i) {
            auto* radio = new QRadioButton(kGroups[g].choices[i], box);
            radio->move(8, 16 + 18 * int(i));
            groups_[g]->addButton(radio, int(i));
        }
        connect(groups_[g], &QButtonGroup::idClicked, this,
                [this, rule = kRules[g]](int id) { rule(this, s_, c_, id); });
    }
}

void LinesDialog::BuildButtons() {
    const auto make = [this](const ButtonFacts& f) {
        auto* b = new QPushButton(f.caption, this);
        b->setGeometry(f.place);
        b->setAutoDefault(false);
        return b;
    };
    drawClose_ = make(kDrawClose);
    connect(drawClose_, &QPushButton::clicked, this, [this] { Finish(DrawCloseClick(s_, c_.Lines)); });
    connect(make(kClearLine), &QPushButton::clicked, this, [this] {
        ClearLineClick(s_, c_.Lines);
        Finish(LinesOutcome::Stay);
    });
    close_ = make(kClose);
    connect(close_, &QPushButton::clicked, this, [this] { Finish(LinesCloseClick(s_, c_.Lines)); });
}

// Row r: the clickable number, the type, colour and reference labels, the four fields.
void LinesDialog::BuildRow(int r) {
    Row& row = rows_[std::size_t(r)];
    row.panel = new QWidget(this);
    row.panel->setGeometry(0, kRowTop + kRowStep * (r - 1), kFieldX[0], kRowHeight);
    row.panel->setAutoFillBackground(true);
    row.number = new QLabel(NumberText(r), row.panel);
    row.number->setTextFormat(Qt::PlainText);
    row.number->setGeometry(kNumberX, 0, kNumberWidth, kRowHeight);
    row.number->installEventFilter(this);
    for (std::size_t i = 0; i < row.labels.size(); ++i) {
        row.labels[i] = new QLabel(row.panel);
        row.labels[i]->setGeometry(kLabelX[i], 0, kLabelWidth[i], kRowHeight);
    }
    for (int f = 0; f < kLineFields; ++f) {
        auto* e = new NumberEdit(true, this);
        e->setObjectName(QString("Line%1Field%2").arg(r).arg(f + 1));
        e->setGeometry(kFieldX[f], kRowTop + kRowStep * (r - 1), kFieldWidth, kRowHeight);
        e->setFrame(false);
        e->SetKeyFilter([this, r, f](const std::string& text, char key) {
            return AcceptLineFieldKey(c_.Lines, r, f, text, key);
        });
        // The row keeps what was typed; leaving the field takes it as the value.
        connect(e, &QLineEdit::textEdited, this,
                [this, r, f](const QString& text) { c_.Lines.Rows[r].Field[f] = text.toStdString(); });
        connect(e, &NumberEdit::exited, this, [this, r, f, e] {
            LineFieldExit(s_, c_.Lines, r, f, e->text().toStdString());
        });
        row.fields[std::size_t(f)] = e;
    }
}

bool LinesDialog::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        for (int r = 1; r < kLineEntries; ++r) {
            if (watched != rows_[std::size_t(r)].number) continue;
            LineRowClick(s_, c_.Lines, r);
            Mirror();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void LinesDialog::Finish(LinesOutcome outcome) {
    Mirror();
    if (outcome == LinesOutcome::Close) accept();
}

void LinesDialog::reject() {
    close_->setFocus(Qt::OtherFocusReason); // the field being edited is left first
    LinesCloseClick(s_, c_.Lines);
    Mirror();
    QDialog::reject();
}

void LinesDialog::showEvent(QShowEvent* e) {
    LinesFormActivate(s_, c_.Lines);
    Mirror();
    QDialog::showEvent(e);
}

void LinesDialog::Mirror() {
    const LinesDialogState& d = c_.Lines;
    for (int r = 1; r < kLineEntries; ++r) {
        const Row& row = rows_[std::size_t(r)];
        const LineRowTexts& t = d.Rows[r];
        const QColor back = r == s_.CurLineNo ? kCurrentRow : kOtherRow;
        SetBackground(row.panel, QPalette::Window, back);
        SetText(row.labels[0], t.Type);
        SetText(row.labels[1], t.Color);
        SetText(row.labels[2], t.Ref);
        for (int f = 0; f < kLineFields; ++f) {
            NumberEdit* e = row.fields[std::size_t(f)];
            SetFieldBackground(e, back);
            const QString text = QString::fromStdString(t.Field[f]);
            if (e->text() != text) e->setText(text);
        }
    }
    SetChecked(groups_[0], d.TypeChoice);
    SetChecked(groups_[1], d.ColorChoice);
    SetChecked(groups_[2], s_.LineRefChoice);
    drawClose_->setEnabled(d.DrawCloseEnabled);
}

} // namespace vt
