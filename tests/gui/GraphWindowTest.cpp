// The graph window framework as a user drives it, on the sine and oval windows: opening
// through the positions dialog with the animation stopped, the mouse-move redraw after
// the dialog, the UnDo menu, the dynamic-variable banner and bars, the undo button, and
// the picture kept in the backing image. Also the main window's items that open them.
#include "graphs/GraphWindow.h"

#include "app/Main.h"
#include "app/SceneView.h"
#include "app/ScrollBar.h"
#include "graphs/Oval.h"
#include "graphs/SetReverArm.h"
#include "graphs/Sine.h"
#include "model/DynVars.h"
#include "support/Designs.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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
    ScrollBar* Bar(int k) const { return w.findChild<ScrollBar*>(GetParam()->barNames[std::size_t(k - 1)]); }
    QPushButton* UndoButton() const { return w.findChild<QPushButton*>(GetParam()->undoName); }
    void MoveMouse() {
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), QPointF(300, 200), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(View(), &move);
    }
};

TEST_P(GraphWindowTest, OpensThroughThePositionsDialogWithTheAnimationStopped) {
    Open();
    EXPECT_EQ(animation, std::vector<bool>{false});
    EXPECT_EQ(w.Drawings(), 1);
    EXPECT_EQ(w.Image().size(), QSize(632, GetParam()->clientHeight));
    EXPECT_GE(View()->width(), 632);
    EXPECT_GE(View()->height(), GetParam()->clientHeight);
    EXPECT_EQ(w.maximumSize(), GetParam()->maxWidth ? QSize(640, 479) : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    auto* close = w.findChild<QPushButton*>(GetParam()->closeName);
    EXPECT_EQ(close->geometry(), QRect(408, 8, 75, 25));
    EXPECT_EQ(close->text(), "Close");
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(Bar(k)->geometry(), QRect(112, 3 + 12 * (k - 1), 121, 10));
        EXPECT_FALSE(Bar(k)->isVisible());
        EXPECT_EQ(Bar(k)->minimum(), -200);
        EXPECT_EQ(Bar(k)->pageStep(), 10);
    }
    EXPECT_EQ(UndoButton()->geometry(), QRect(110, 54, 40, 16));
    EXPECT_FALSE(UndoButton()->isVisible());
    EXPECT_FALSE(UndoButton()->isEnabled());
    // The window paints the picture of its backing image whenever it is exposed (below
    // the controls).
    const QRect below(0, 80, 632, GetParam()->clientHeight - 80);
    const QImage shown = View()->grab(below).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, w.Image().copy(below));
    close->click();
    EXPECT_EQ(animation, (std::vector<bool>{false, true}));
}

TEST_P(GraphWindowTest, MenuCaptions) {
    const bool sine = GetParam() == &SineDiaFacts();
    const char* expected[] = {sine ? "&SetRevArmPos" : "SetRevArmPos", sine ? "&ReDraw" : "ReDraw",
                              "&UnDo", sine ? "&DymamicVariables" : "DynamicVari"};
    const QList<QAction*> actions = w.findChild<QMenuBar*>()->actions();
    ASSERT_EQ(actions.size(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(actions[i]->text(), expected[i]);
}

TEST_P(GraphWindowTest, PositionsDialogFromTheMenuRedrawsOnTheNextMouseMoveOnce) {
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
    const QRect banner(235, 0, 170, 40);
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

INSTANTIATE_TEST_SUITE_P(SineAndOval, GraphWindowTest,
                         ::testing::Values(&SineDiaFacts(), &OvalDiaFacts()),
                         [](const auto& p) { return std::string(p.param->name); });

TEST(GraphWindowMain, DrawGraphsOpensTheSineAndOvalWindows) {
    State s;
    MainForm form(s);
    form.Timer().stop();
    SetRevArmDialog positions(s, &form);
    const GraphHost host{[&form](bool on) { on ? form.Timer().start() : form.Timer().stop(); },
                         [&form] { form.SharedStateChanged(); }};
    GraphWindow sine(SineDiaFacts(), s, host, &positions, &form);
    GraphWindow oval(OvalDiaFacts(), s, host, &positions, &form);
    form.SetGraphWindows({&sine, &oval});
    for (auto [cmd, window] : {std::pair{Cmd::SineDiagram, &sine}, {Cmd::OvalDiagram, &oval}}) {
        bool timerWasStopped = false;
        // The positions dialog opens over the window; then the window is closed.
        QTimer::singleShot(0, [&, window = window] {
            QTimer::singleShot(0, [&, window] {
                timerWasStopped = !form.Timer().isActive();
                if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
                QTimer::singleShot(0, [window] { window->close(); });
            });
        });
        form.MenuAction(cmd)->trigger();
        EXPECT_TRUE(timerWasStopped);
        EXPECT_TRUE(form.Timer().isActive()); // on again at close
        EXPECT_GE(window->Drawings(), 1);
        form.Timer().stop();
    }
}

} // namespace
} // namespace vt
