// The diagrams dock; see DiagramsDock.h.
#include "workbench/DiagramsDock.h"

#include "canvas/PainterCanvas.h"
#include "graphs/DiagramMenu.h"
#include "render/Placement.h"
#include "workbench/GearDiagrams.h"
#include "workbench/LiveEvents.h"
#include "workbench/Workbench.h"

#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace vt::wb {

namespace {

// A diagram's picture over its own copy of the data, so a file written later draws what
// the window showed.
template <class Data> DiagramPicture PictureOf(Data data, void (*draw)(Canvas&, const Data&)) {
    auto held = std::make_shared<const Data>(std::move(data));
    return {kDiagramWidth, kDiagramHeight, [held, draw](Canvas& c) { draw(c, *held); }, {}};
}

// The workbench's file dialogs as they are at each use (a test answers them).
FileUi FilesOf(Workbench& bench) {
    return {[&bench](const FileDialogFacts& f) { return bench.Files().choose(f); },
            [&bench](const QString& m) { bench.Files().report(m); }};
}

double CompareSetting(const gears::GearDesign& d, double setting) {
    const double full = std::fabs(gears::SettingOf(d, gears::NamedPosition::FullForward));
    return std::clamp(setting, -full, full);
}

} // namespace

// The menu draws the picture shown at the time it is used.
DiagramView::DiagramView(Workbench& bench)
    : menu_(new DiagramMenu(
          {kDiagramWidth,
           kDiagramHeight,
           [this](Canvas& c) {
               if (picture_.draw) picture_.draw(c);
           },
           {}},
          [this] { return Scale(); }, FilesOf(bench), this)) {
    setMinimumSize(kDiagramWidth / 2, kDiagramHeight / 2);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { menu_->popup(mapToGlobal(at)); });
}

void DiagramView::SetPicture(DiagramPicture picture) {
    picture_ = std::move(picture);
    update();
}

double DiagramView::Scale() const {
    return FitInto(kDiagramWidth, kDiagramHeight, width(), height()).scale;
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.draw) return;
    const Placement p = FitInto(kDiagramWidth, kDiagramHeight, width(), height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(p.x, p.y);
    painter.scale(p.scale, p.scale);
    PainterCanvas c(painter, kDiagramWidth, kDiagramHeight);
    picture_.draw(c);
}

} // namespace vt::wb

namespace vt::wb {

namespace {
struct Tab {
    const char* Caption;
    const char* Name;
};
constexpr Tab kTabs[] = {
    {"Sine", "sineDiagram"}, {"Oval", "ovalDiagram"}, {"Port Events", "portsDiagram"}};
} // namespace

DiagramsDock::DiagramsDock(Workbench& bench, LiveEvents& events)
    : QDockWidget("Diagrams", &bench), bench_(bench), events_(events), tabs_(new QTabWidget) {
    setObjectName("diagramsDock");
    for (const Tab& t : kTabs) {
        auto* view = new DiagramView(bench);
        view->setObjectName(t.Name);
        views_.push_back(view);
        tabs_->addTab(view, t.Caption);
    }
    auto* box = new QWidget;
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->addWidget(tabs_, 1);
    auto* save = new QPushButton("Save Image As...");
    save->setObjectName("saveDiagram");
    save->setToolTip("Writes the diagram shown as PNG, SVG or PDF");
    connect(save, &QPushButton::clicked, this,
            [this] { View(tabs_->currentIndex()).Menu().SaveImageAsClick(); });
    rows->addWidget(save, 0, Qt::AlignRight);
    setWidget(box);
    connect(&bench, &Workbench::designChanged, this, &DiagramsDock::ShowTurn);
    connect(&bench, &Workbench::settingChanged, this, &DiagramsDock::ShowTurn);
    connect(&bench, &Workbench::comparisonChanged, this, &DiagramsDock::ShowTurn);
    connect(&events, &LiveEvents::tableChanged, this, &DiagramsDock::ShowPorts);
    ShowTurn();
    ShowPorts();
}

// The sine and oval diagrams at the reverser's setting.
void DiagramsDock::ShowTurn() {
    const gears::GearDesign& d = bench_.Design();
    const double s = bench_.Setting();
    TurnDiagram turn{CurvesOf(d, s), std::nullopt, std::string(gears::UnitName(d.Unit)),
                     "Setting " + QString::number(s, 'f', 3).toStdString() +
                         (s >= 0 ? " forward" : " reverse")};
    if (const gears::GearDesign* other = bench_.Compared())
        turn.Compared = CurvesOf(*other, CompareSetting(*other, s));
    views_[0]->SetPicture(PictureOf(turn, &DrawSine));
    views_[1]->SetPicture(PictureOf(std::move(turn), &DrawOval));
}

// The port events diagram once the notch table answers the design.
void DiagramsDock::ShowPorts() {
    if (!events_.TableReady()) return;
    PortsDiagram ports{events_.Table(), events_.ComparedTable(),
                       gears::SettingOf(bench_.Design(), gears::NamedPosition::NormalForward)};
    views_[2]->SetPicture(PictureOf(std::move(ports), &DrawPorts));
}

} // namespace vt::wb
