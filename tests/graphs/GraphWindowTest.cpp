// The graph window framework as a user drives it, on all four windows: opening (through
// the positions dialog for the sine, oval and steam windows) with the animation stopped,
// the mouse-move redraw after the dialog, the UnDo menu, the dynamic-variable banner and
// bars, the undo button, and the picture kept in the backing image; the port window's
// "SetUp" menu and its mode-aware redraws. Also the main window's items that open them.
#include "graphs/GraphWindow.h"

#include "app/Main.h"
#include "canvas/QtCanvas.h"
#include "diagrams/PortsDraw.h"
#include "graphs/Oval.h"
#include "graphs/Ports.h"
#include "graphs/SetReverArm.h"
#include "graphs/Sine.h"
#include "graphs/Steam.h"
#include "model/DynVars.h"
#include "support/Designs.h"
#include "widgets/SceneView.h"
#include "widgets/ScrollBar.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace vt {
namespace {

// Closes the next modal dialog as soon as it runs.
void CloseNextModal() {
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
}

int RedPixels(const QImage& img, QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += img.pixel(x, y) == qRgb(255, 0, 0);
    return n;
}

struct GraphWindowTest : ::testing::TestWithParam<const GraphFacts*> {
    test::CountingState c = test::BuiltIn();
    std::vector<bool> animation; // what the window asked of the main window's timer
    int sharedChanges = 0;
    SetRevArmDialog positions{*c, nullptr};
    GraphWindow w{*GetParam(), *c,
                  GraphHost{[this](bool on) { animation.push_back(on); }, [this] { ++sharedChanges; }},
                  &positions, nullptr};
    // Shows the window, whose activation runs the positions dialog, closed at once.
    void Open() {
        w.show();
        CloseNextModal();
        for (int i = 0; i < 100 && w.Drawings() == 0; ++i) QTest::qWait(1);
        ASSERT_EQ(w.Drawings(), 1);
    }
    SceneView* View() const { return w.findChild<SceneView*>(); }
    // A layout point where the window shows it: the layout scaled to fit, centred.
    QPoint At(int x, int y) const {
        const double h = GetParam()->clientHeight;
        const double scale = std::min(View()->width() / 632.0, View()->height() / h);
        return {int(std::floor((View()->width() - 632 * scale) / 2)) + int(std::lround(x * scale)),
                int(std::floor((View()->height() - h * scale) / 2)) + int(std::lround(y * scale))};
    }
    ScrollBar* Bar(int k) const { return w.findChild<ScrollBar*>(GetParam()->barNames[std::size_t(k - 1)]); }
    QPushButton* UndoButton() const { return w.findChild<QPushButton*>(GetParam()->undoName); }
    void MoveMouse() {
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), QPointF(300, 200), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(View(), &move);
    }
};

// The controls stand at their layout places under the diagram's scale, at their own size.
TEST_P(GraphWindowTest, OpensThroughThePositionsDialogWithTheAnimationStopped) {
    Open();
    EXPECT_EQ(animation, std::vector<bool>{false});
    EXPECT_EQ(w.Drawings(), 1);
    EXPECT_EQ(w.Image().size(), View()->size());
    EXPECT_GE(View()->width(), 632);
    EXPECT_GE(View()->height(), GetParam()->clientHeight);
    EXPECT_EQ(w.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const auto at = [this](int x, int y) { return At(x, y); };
    auto* close = w.findChild<QPushButton*>(GetParam()->closeName);
    const QPoint closeAt = std::string(GetParam()->name) == "TPortDia" ? at(447, 2) : at(408, 8);
    EXPECT_EQ(close->geometry(), QRect(closeAt, QSize(75, 25)));
    EXPECT_EQ(close->text(), "Close");
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(Bar(k)->geometry(), QRect(at(112, 3 + 12 * (k - 1)), QSize(121, 10)));
        EXPECT_FALSE(Bar(k)->isVisible());
        EXPECT_EQ(Bar(k)->minimum(), -200);
        EXPECT_EQ(Bar(k)->pageStep(), 10);
    }
    EXPECT_EQ(UndoButton()->geometry(), QRect(at(110, 54), QSize(40, 16)));
    EXPECT_FALSE(UndoButton()->isVisible());
    EXPECT_FALSE(UndoButton()->isEnabled());
    // The window paints the picture of its backing image whenever it is exposed (below
    // the controls).
    const QRect below(0, at(0, 80).y(), View()->width(), View()->height() - at(0, 80).y());
    const QImage shown = View()->grab(below).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, w.Image().copy(below));
    close->click();
    EXPECT_EQ(animation, (std::vector<bool>{false, true}));
}

TEST_P(GraphWindowTest, MenuCaptions) {
    const std::map<std::string, std::vector<QString>> captions = {
        {"TSineDia", {"&SetRevArmPos", "&ReDraw", "&UnDo", "&DymamicVariables"}},
        {"TOvalDia", {"SetRevArmPos", "ReDraw", "&UnDo", "DynamicVari"}},
        {"TSteamDia", {"SetRevArmPos", "ReDraw", "&UnDo", "DynamicVari"}},
        {"TPortDia", {"SetUp", "ReDraw", "&UnDo", "DynamicVari"}}};
    const std::vector<QString>& expected = captions.at(GetParam()->name);
    const QList<QAction*> actions = w.findChild<QMenuBar*>()->actions();
    ASSERT_EQ(actions.size(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(actions[i]->text(), expected[std::size_t(i)]);
}

// The windows that plot the stored positions.
using PositionsWindowTest = GraphWindowTest;

TEST_P(PositionsWindowTest, PositionsDialogFromTheMenuRedrawsOnTheNextMouseMoveOnce) {
    Open();
    MoveMouse(); // the flag the opening's dialog set
    const int before = w.Drawings();
    MoveMouse();
    EXPECT_EQ(w.Drawings(), before);
    CloseNextModal();
    w.MenuAction(0)->trigger();
    EXPECT_TRUE(c->RevArmSetChanged);
    EXPECT_EQ(w.Drawings(), before); // not at once
    MoveMouse();
    EXPECT_EQ(w.Drawings(), before + 1);
    EXPECT_FALSE(c->RevArmSetChanged);
    MoveMouse();
    EXPECT_EQ(w.Drawings(), before + 1);
}

TEST_P(GraphWindowTest, UnDoMenuToggledTwiceReturnsToTheFirstState) {
    Open();
    const QImage first = w.Image().copy();
    c->UndoCount = 1;
    c->UndoName[1] = "Stroke";
    w.MenuAction(2)->trigger();
    EXPECT_TRUE(c->UndoOn);
    EXPECT_TRUE(UndoButton()->isVisible());
    EXPECT_NE(w.Image(), first); // the undo line
    w.MenuAction(2)->trigger();
    EXPECT_FALSE(c->UndoOn);
    EXPECT_FALSE(UndoButton()->isVisible());
    EXPECT_EQ(w.Image(), first);
}

TEST_P(GraphWindowTest, BannerInRedWithFourVisibleDisabledBars) {
    Open();
    const QRect banner(At(235, 0), At(405, 40));
    EXPECT_EQ(RedPixels(w.Image(), banner), 0);
    w.MenuAction(3)->trigger();
    EXPECT_TRUE(c->DynVarsOn);
    EXPECT_EQ(sharedChanges, 1); // the main window's bars follow
    EXPECT_GT(RedPixels(w.Image(), banner), 100);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_TRUE(Bar(k)->isVisible()) << k;
        EXPECT_FALSE(Bar(k)->isEnabled()) << k;
    }
}

TEST_P(GraphWindowTest, BarsChangeTheDimensionAndTheUndoButtonRevertsIt) {
    VisitDimension(*c, 2); // "Stroke" into slot 1
    c->DynVarsOn = c->UndoOn = true;
    Open();
    EXPECT_TRUE(Bar(1)->isEnabled());
    EXPECT_FALSE(Bar(2)->isEnabled());
    const float stroke = c->StrokeLen;
    const QImage before = w.Image().copy();
    const int drawings = w.Drawings();
    w.BarEnter(1);
    Bar(1)->setValue(10); // a page click
    EXPECT_FLOAT_EQ(c->StrokeLen, stroke + 0.01f);
    EXPECT_EQ(Bar(1)->value(), 0); // sprung back
    EXPECT_EQ(w.Drawings(), drawings + 1);
    EXPECT_NE(w.Image(), before); // the curves follow the new stroke
    w.BarEndScroll(1);
    EXPECT_EQ(c->UndoCount, 1);
    EXPECT_EQ(c->UndoOld[1], stroke);
    EXPECT_TRUE(UndoButton()->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.findChild<QPushButton*>(GetParam()->closeName));

    const int beforeUndo = w.Drawings();
    UndoButton()->click();
    EXPECT_EQ(c->StrokeLen, stroke);
    EXPECT_EQ(w.Drawings(), beforeUndo + GetParam()->undoRedraws);
    EXPECT_FALSE(UndoButton()->isEnabled()); // nothing left to undo
    UndoButton()->setEnabled(true);
    UndoButton()->click(); // an empty stack only disables the button again and redraws
    EXPECT_FALSE(UndoButton()->isEnabled());
    EXPECT_EQ(c->StrokeLen, stroke);
}

std::string WindowName(const ::testing::TestParamInfo<const GraphFacts*>& p) { return p.param->name; }

INSTANTIATE_TEST_SUITE_P(AllFour, GraphWindowTest,
                         ::testing::Values(&SineDiaFacts(), &OvalDiaFacts(), &SteamDiaFacts(), &PortDiaFacts()),
                         WindowName);
INSTANTIATE_TEST_SUITE_P(SineOvalSteam, PositionsWindowTest,
                         ::testing::Values(&SineDiaFacts(), &OvalDiaFacts(), &SteamDiaFacts()), WindowName);

// The port window: no positions dialog, and every redraw follows PortGraphMode.
struct PortWindowTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    std::vector<bool> animation;
    int drawingsAtShared = -1; // the drawings when the main window was asked to follow
    GraphWindow w{PortDiaFacts(), *c,
                  GraphHost{[this](bool on) { animation.push_back(on); }, [this] { drawingsAtShared = w.Drawings(); }},
                  nullptr, nullptr};
    void Open() {
        w.show();
        for (int i = 0; i < 100 && w.Drawings() == 0; ++i) QTest::qWait(1);
        ASSERT_EQ(w.Drawings(), 1);
    }
    // The diagram of a mode on its own canvas, from the same state.
    QImage Reference(char mode) const {
        State copy = *c;
        copy.PortGraphMode = mode;
        QtCanvas canvas(632, 414);
        DrawPortsDiagram(canvas, copy);
        return canvas.Image().copy();
    }
};

TEST_F(PortWindowTest, OpensWithoutThePositionsDialogAndIgnoresMouseMoves) {
    c->RevArmSetChanged = true;
    Open();
    EXPECT_EQ(animation, std::vector<bool>{false});
    EXPECT_EQ(w.Image(), Reference('F'));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), QPointF(300, 200), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w.findChild<SceneView*>(), &move);
    EXPECT_EQ(w.Drawings(), 1);
    EXPECT_TRUE(c->RevArmSetChanged);
}

TEST_F(PortWindowTest, SetUpMenuChoosesTheGraphAndEveryRedrawFollowsTheMode) {
    Open();
    QMenu* setUp = w.MenuAction(0)->menu();
    ASSERT_NE(setUp, nullptr);
    const QList<QAction*> items = setUp->actions();
    ASSERT_EQ(items.size(), 3);
    const char* captions[] = {"ForwardGraph", "ReverseGraph", "BothGraphs"};
    const char* handlers[] = {"ForwardGraph1Click", "ReverseGraph1Click", "BothGraphs1Click"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(items[i]->text(), captions[i]);
        EXPECT_EQ(items[i]->objectName(), handlers[i]);
    }
    items[1]->trigger();
    EXPECT_EQ(c->PortGraphMode, 'R');
    EXPECT_EQ(w.Image(), Reference('R'));
    const QImage both = Reference('B');
    items[2]->trigger();
    EXPECT_EQ(c->PortGraphMode, 'B');
    EXPECT_TRUE(c->PortCycleNotesOn);
    EXPECT_EQ(w.Image(), both);
    EXPECT_NE(both, Reference('F'));
    EXPECT_NE(both, Reference('R'));

    // ReDraw, the UnDo menu twice and the dynamic-variables menu twice: still both graphs.
    const int drawings = w.Drawings();
    w.MenuAction(1)->trigger();
    EXPECT_EQ(w.Image(), both);
    w.MenuAction(2)->trigger();
    w.MenuAction(2)->trigger();
    EXPECT_EQ(w.Image(), both);
    w.MenuAction(3)->trigger();
    w.MenuAction(3)->trigger();
    EXPECT_EQ(w.Image(), both);
    EXPECT_EQ(w.Drawings(), drawings + 1 + 3 + 2);
    EXPECT_EQ(c->PortGraphMode, 'B');

    // A bar's change redraws both graphs of the changed gear.
    VisitDimension(*c, 2);
    c->DynVarsOn = true;
    w.BarEnter(1);
    w.BarChange(1, 10);
    EXPECT_EQ(w.Image(), Reference('B'));
    EXPECT_EQ(c->PortGraphMode, 'B');

    items[0]->trigger();
    EXPECT_EQ(c->PortGraphMode, 'F');
    EXPECT_EQ(w.Image(), Reference('F'));
}

// The port window shows the main window's bars before it redraws; the others after.
TEST_F(PortWindowTest, DynamicVariablesMenuShowsTheMainWindowsBarsFirst) {
    Open();
    w.MenuAction(3)->trigger();
    EXPECT_EQ(drawingsAtShared, 1);
    EXPECT_EQ(w.Drawings(), 2);
    EXPECT_TRUE(c->DynVarsOn);

    int atShared = -1;
    SetRevArmDialog positions(*c, nullptr);
    GraphWindow steam(SteamDiaFacts(), *c, GraphHost{nullptr, [&] { atShared = steam.Drawings(); }},
                      &positions, nullptr);
    steam.MenuAction(3)->trigger();
    EXPECT_EQ(atShared, 1);
}

struct GraphWindowMain : ::testing::Test {
    State s;
    MainForm form{s};
    SetRevArmDialog positions{s, &form};
    GraphHost host{[this](bool on) { on ? form.Timer().start() : form.Timer().stop(); },
                   [this] { form.SharedStateChanged(); }};
    GraphWindow sine{SineDiaFacts(), s, host, &positions, &form};
    GraphWindow oval{OvalDiaFacts(), s, host, &positions, &form};
    GraphWindow steam{SteamDiaFacts(), s, host, &positions, &form};
    GraphWindow ports{PortDiaFacts(), s, host, nullptr, &form};
    void SetUp() override {
        form.Timer().stop();
        form.SetGraphWindows({&sine, &oval, &steam, &ports});
    }
    QAction* Tool(const char* hint) const {
        for (QAction* a : form.findChild<QToolBar*>("ToolBar1")->actions())
            if (a->toolTip() == hint) return a;
        return nullptr;
    }
    // Runs the command, closes the positions dialog if it is open over the window, then
    // the window; `during` runs while the window is open.
    void Open(QAction* action, GraphWindow& window, const std::function<void()>& during) {
        ASSERT_NE(action, nullptr);
        bool timerWasStopped = false;
        const int before = window.Drawings();
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                timerWasStopped = !form.Timer().isActive();
                during();
                QWidget* modal = QApplication::activeModalWidget();
                if (modal && modal != &window) modal->close();
                QTimer::singleShot(0, [&window] { window.close(); });
            });
        });
        action->trigger();
        EXPECT_TRUE(timerWasStopped);
        EXPECT_TRUE(form.Timer().isActive()); // on again at close
        EXPECT_GE(window.Drawings(), before + 1);
        form.Timer().stop();
    }
};

TEST_F(GraphWindowMain, DrawGraphsItemsAndToolButtonsOpenTheirWindows) {
    const struct {
        Cmd cmd;
        const char* hint;
        GraphWindow* window;
    } rows[] = {{Cmd::SineDiagram, "View Sine Diagram", &sine},
                {Cmd::OvalDiagram, "View Oval Diagram", &oval},
                {Cmd::SteamDiagram, "View Steam Diagram", &steam},
                {Cmd::PortOpenClose, "View Port Events vs Reverse Arm Position", &ports}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.hint);
        Open(form.MenuAction(r.cmd), *r.window, [] {});
        Open(Tool(r.hint), *r.window, [] {});
    }
    EXPECT_EQ(form.MenuAction(Cmd::SteamDiagram)->text(), "S&teamDiagram");
    EXPECT_EQ(form.MenuAction(Cmd::PortOpenClose)->text(), "&PortOpenClose");
}

TEST_F(GraphWindowMain, PortOpenCloseOpensOnTheForwardGraph) {
    for (QAction* action : {form.MenuAction(Cmd::PortOpenClose), Tool("View Port Events vs Reverse Arm Position")}) {
        s.PortGraphMode = 'B';
        char shown = 0;
        Open(action, ports, [&] { shown = s.PortGraphMode; });
        EXPECT_EQ(shown, 'F');
    }
}

} // namespace
} // namespace vt
