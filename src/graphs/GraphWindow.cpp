// The graph window framework; see GraphWindow.h.
//
// Text is drawn without a background box, so a run of the drawing routine "without
// clearing" would write the new undo line over the old one; every run clears the
// backing image first, which leaves the picture the stated sequence shows.
#include "graphs/GraphWindow.h"

#include "graphs/DiagramMenu.h"
#include "model/DynVars.h"
#include "widgets/Look.h"
#include "widgets/SceneView.h"
#include "widgets/ScrollBar.h"

#include <QAction>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vt {

namespace {

void Call(const std::function<void()>& f) {
    if (f) f();
}

BarState DynVarBar(const State& s, int k) {
    return {0, -200, 200, 1, 10, s.DynVarName[k] != kEmptyDynVarName};
}

} // namespace

GraphWindow::GraphWindow(const GraphFacts& facts, State& s, GraphHost host, QDialog* positions,
                         QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      facts_(facts), s_(s), host_(std::move(host)), positions_(positions),
      canvas_(facts.clientWidth, facts.clientHeight) {
    setObjectName(facts.name);
    auto* bar = new QMenuBar(this);
    view_ = new SceneView(canvas_.Image(), this);
    QPalette white = view_->palette();
    white.setColor(QPalette::Window, Qt::white); // the client area is white throughout
    view_->setPalette(white);
    view_->setMinimumSize(facts.clientWidth, facts.clientHeight); // the layout at scale 1
    view_->setMouseTracking(true);
    connect(view_, &SceneView::mouseMoved, this, &GraphWindow::FormMouseMove);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->setMenuBar(bar);
    box->addWidget(view_);
    BuildMenus(bar);
    BuildControls(view_);
    BuildContextMenu();
    connect(view_, &SceneView::resized, this, &GraphWindow::ViewResized);
    if (facts.opening == GraphOpening::Maximized) setWindowState(Qt::WindowMaximized);
    if (facts.opening == GraphOpening::Minimized) setWindowState(Qt::WindowMinimized);
    canvas_.Image(); // a white picture until the first drawing
}

void GraphWindow::BuildMenus(QMenuBar* bar) {
    const struct {
        const char* caption;
        void (GraphWindow::*handler)();
    } items[] = {{facts_.setRevArmCaption, &GraphWindow::SetRevArmPosClick},
                 {facts_.reDrawCaption, &GraphWindow::ReDrawClick},
                 {facts_.unDoCaption, &GraphWindow::UnDoMenuClick},
                 {facts_.dynVarsCaption, &GraphWindow::DynamicVariClick}};
    for (std::size_t i = 0; i < std::size(items); ++i) {
        if (i == 0 && facts_.ownMenu) {
            BuildOwnMenu(bar);
            continue;
        }
        if (!items[i].caption) continue;
        menu_[i] = bar->addAction(items[i].caption);
        connect(menu_[i], &QAction::triggered, this, items[i].handler);
    }
    menu_[2]->setObjectName(facts_.unDoMenuName);
}

void GraphWindow::BuildOwnMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(facts_.ownMenu->caption);
    menu_[0] = menu->menuAction();
    for (std::size_t i = 0; i < own_.size(); ++i) {
        own_[i] = menu->addAction(facts_.ownMenu->items[i].caption);
        own_[i]->setObjectName(facts_.ownMenu->items[i].handler);
        connect(own_[i], &QAction::triggered, this, [this, i] { OwnMenuClick(int(i)); });
    }
}

void GraphWindow::BuildControls(QWidget* client) {
    for (int k = 1; k <= 4; ++k) {
        auto* bar = new ScrollBar(client);
        bar->setObjectName(facts_.barNames[std::size_t(k - 1)]);
        bar->resize(121, 10);
        bar->Mirror(DynVarBar(s_, k));
        bar->hide();
        connect(bar, &ScrollBar::changed, this, [this, k](int p) { BarChange(k, p); });
        connect(bar, &ScrollBar::entered, this, [this, k] { BarEnter(k); });
        connect(bar, &ScrollBar::endScroll, this, [this, k] { BarEndScroll(k); });
        bars_[std::size_t(k - 1)] = bar;
    }
    undo_ = new QPushButton("UnDo", client);
    undo_->setObjectName(facts_.undoName);
    undo_->resize(40, 16);
    undo_->setFont(QFont(kSerifFace, 8, QFont::Bold));
    undo_->setFocusPolicy(Qt::TabFocus);
    undo_->setEnabled(false);
    undo_->hide();
    connect(undo_, &QPushButton::clicked, this, &GraphWindow::UnDoButtonClick);
    // Made last, as it stands to the right of the bars and UnDo: it comes last in the tab order.
    close_ = new QPushButton("Close", client);
    close_->setObjectName(facts_.closeName);
    close_->resize(75, 25);
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    PlaceControls();
}

void GraphWindow::BuildContextMenu() {
    contextMenu_ = new DiagramMenu(
        Picture(), [this] { return canvas_.GetPlacement().scale; }, StandardFileUi(this), this);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { contextMenu_->popup(view_->mapToGlobal(at)); });
}

void GraphWindow::Redraw(int times) {
    for (int i = 0; i < times; ++i) {
        canvas_.Clear();
        facts_.draw(canvas_, s_);
        ++drawings_;
    }
    ShowPicture();
    Mirror();
}

// The layout's box only, as at its own size; then the view shows the finished picture.
void GraphWindow::ShowPicture() {
    const Placement& p = canvas_.GetPlacement();
    const auto units = [&p](int n) { return int(std::lround(n * p.scale)); };
    canvas_.WhitenOutside(
        QRect(int(p.x), int(p.y), units(facts_.clientWidth), units(facts_.clientHeight)));
    canvas_.Image(); // ends the painter
    view_->update();
}

DiagramPicture GraphWindow::Picture() const {
    const auto draw = [this](Canvas& c) { DrawCopy(c, false); };
    return {facts_.clientWidth, facts_.clientHeight, draw, {}};
}

void GraphWindow::DrawCopy(Canvas& c, bool footer) const {
    State copy = s_;
    copy.hooks = {}; // no beeps from a picture
    if (!footer) copy.DynVarsOn = copy.UndoOn = false;
    facts_.draw(c, copy);
}

void GraphWindow::ViewResized(QSize size) {
    const Placement p =
        FitInto(facts_.clientWidth, facts_.clientHeight, size.width(), size.height());
    canvas_.Resize(size.width(), size.height());
    canvas_.SetPlacement(p);
    PlaceControls();
    canvas_.Clear();
    if (drawings_ > 0) DrawCopy(canvas_, true);
    ShowPicture();
}

// Each control at its layout place under the diagram's placement, keeping its own size.
void GraphWindow::PlaceControls() {
    const Placement& p = canvas_.GetPlacement();
    const auto place = [&p](QWidget* w, int x, int y) {
        w->move(int(std::lround(x * p.scale + p.x)), int(std::lround(y * p.scale + p.y)));
    };
    for (int k = 1; k <= 4; ++k) place(bars_[std::size_t(k - 1)], 112, 3 + 12 * (k - 1));
    place(undo_, 110, 54);
    place(close_, facts_.closeX, facts_.closeY);
}

void GraphWindow::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::WindowTitleChange) FitTitle();
}

// The window manager draws the title in its own face, most often the platform's title
// font in bold, beside the window's icon and its three buttons; the room for those is
// generous, so that a wider face than Qt's guess still fits.
void GraphWindow::FitTitle() {
    constexpr int kTitleButtonsRoom = 100;
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const int title = QFontMetrics(font).horizontalAdvance(windowTitle()) + kTitleButtonsRoom;
    setMinimumWidth(std::max(facts_.clientWidth, title));
}

void GraphWindow::Mirror() {
    for (int k = 1; k <= 4; ++k) {
        ScrollBar* bar = bars_[std::size_t(k - 1)];
        bar->Mirror(DynVarBar(s_, k));
        bar->setVisible(s_.DynVarsOn);
    }
    undo_->setVisible(s_.UndoOn);
    undo_->setEnabled(s_.UndoEnabled);
}

// The window is shown first; the positions dialog then opens over it.
void GraphWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    close_->setFocus();
    if (e->spontaneous() || activatePending_) return; // restored from the task bar
    activatePending_ = true;
    QTimer::singleShot(0, this, [this] {
        activatePending_ = false;
        if (isVisible()) FormActivate();
    });
}

void GraphWindow::SetAnimation(bool on) {
    if (host_.setAnimation) host_.setAnimation(on);
}

void GraphWindow::FormActivate() {
    SetAnimation(false);
    if (facts_.asksPositions && positions_) positions_->exec();
    Redraw();
}

void GraphWindow::done(int result) {
    SetAnimation(true); // FormClose
    QDialog::done(result);
}

void GraphWindow::SetRevArmPosClick() {
    if (positions_) positions_->exec();
}

void GraphWindow::FormMouseMove() {
    if (!facts_.asksPositions || !s_.RevArmSetChanged) return;
    Redraw();
    s_.RevArmSetChanged = false;
}

// The main window's bars and their panels follow, before or after the redraw.
void GraphWindow::DynamicVariClick() {
    s_.DynVarsOn = !s_.DynVarsOn;
    if (facts_.barsBeforeRedraw) Call(host_.sharedChanged);
    Redraw();
    if (!facts_.barsBeforeRedraw) Call(host_.sharedChanged);
}

void GraphWindow::OwnMenuClick(int i) {
    facts_.ownMenu->items[std::size_t(i)].apply(s_);
    Redraw();
}

// Off: the line goes with a clearing redraw. On: two runs, the second showing the line
// the first built.
void GraphWindow::UnDoMenuClick() {
    s_.UndoOn = !s_.UndoOn;
    Redraw(s_.UndoOn ? 2 : 1);
}

void GraphWindow::UnDoButtonClick() {
    Undo(s_); // with nothing recorded it only disables the UnDo buttons
    Redraw(facts_.undoRedraws);
    Call(host_.sharedChanged);
}

void GraphWindow::BarChange(int k, int position) {
    DynVarBarChange(s_, k, position);
    Redraw();
}

void GraphWindow::BarEnter(int k) { DynVarBarFocus(s_, k); }

void GraphWindow::BarEndScroll(int k) {
    DynVarBarEndScroll(s_, k);
    close_->setFocus(); // the next gesture starts with a fresh focus event
    Redraw();
    Call(host_.sharedChanged);
}

} // namespace vt
