// The valve-setting window as a designer drives it: a ready task, "Solve" on its worker
// while the main window ticks, "Cancel", "Apply" with one undo entry a dimension, the
// main window's "UnDo" taking them back, and a result kept from another design.
#include "dialogs/ValveSetting.h"

#include "model/MidGear.h"
#include "support/MainFormTest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vt {
namespace {

struct ValveSettingTest : test::MainFormTest {
    std::unique_ptr<ValveSettingWindow> window;
    void SetUp() override {
        MainFormTest::SetUp();
        window = std::make_unique<ValveSettingWindow>(*s, form->controls(), form.get());
        MainForm::Dialogs d;
        d.valveSetting = window.get();
        form->SetDialogs(d);
    }
    void Click(const char* name) { QTest::mouseClick(window->Button(name), Qt::LeftButton); }
    QString Text(const char* label) const { return window->findChild<QLabel*>(label)->text(); }
    void WaitForTheSearch() {
        while (window->Solving()) QTest::qWait(5);
    }
    // Opens the window from its menu item and runs `steps` inside its modal loop.
    template <typename Steps> void Open(Steps steps) {
        QTimer::singleShot(0, window.get(), [this, steps] {
            steps();
            Click("Close");
        });
        form->MenuAction(Cmd::ValveSetting)->trigger();
    }
};

TEST_F(ValveSettingTest, ApplyWritesOneUndoEntryADimensionAndUnDoTakesThemBack) {
    s->ValveStemLen += 0.06f;
    const float stem = s->ValveStemLen, fwdRod = s->EccRodFwdLen, revRod = s->EccRodRevLen;
    Open([this] {
        Click("SetTheValve");
        Click("Solve");
        WaitForTheSearch();
        EXPECT_TRUE(Text("Status").startsWith("Status: met")) << Text("Status").toStdString();
        Click("Apply");
    });
    ASSERT_TRUE(!window->Result()); // applied
    EXPECT_EQ(s->UndoCount, 3);
    EXPECT_NEAR(s->ValveStemLen, stem - 0.06f, 0.05);
    EXPECT_NE(s->EccRodFwdLen, fwdRod);
    State g = *s; // mid gear was found for the new design
    FindRevArmCent(g);
    EXPECT_EQ(s->RevArmSet[0], g.RevArmSet[0]);

    form->MenuAction(Cmd::UnDo)->trigger(); // shows the UnDo button
    QPushButton* undo = Button("UnDoDn");
    for (int i = 0; i < 3; ++i) QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(s->ValveStemLen, stem);
    EXPECT_EQ(s->EccRodFwdLen, fwdRod);
    EXPECT_EQ(s->EccRodRevLen, revRod);
    EXPECT_EQ(s->UndoCount, 0);
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(ValveSettingTest, AResultIsNeverAppliedToADesignItWasNotComputedOn) {
    s->ValveStemLen += 0.06f;
    Open([this] {
        Click("SetTheValve");
        Click("Solve");
        WaitForTheSearch();
        ASSERT_TRUE(window->Result());
    });
    test::AnswerMessageBox(Qt::Key_D); // the changed design is discarded
    form->MenuAction(Cmd::ResetAllDimensions)->trigger();
    const float stem = s->ValveStemLen, fwdRod = s->EccRodFwdLen, revRod = s->EccRodRevLen;
    Open([this] {
        Click("Apply");
        EXPECT_FALSE(window->Result());
        EXPECT_FALSE(window->Button("Apply")->isEnabled());
        EXPECT_EQ(Text("Status"), "The design has changed since that search; its result was "
                                  "cleared. Press Solve to search this design.");
    });
    EXPECT_EQ(s->ValveStemLen, stem);
    EXPECT_EQ(s->EccRodFwdLen, fwdRod);
    EXPECT_EQ(s->EccRodRevLen, revRod);
    EXPECT_EQ(s->UndoCount, 0);
}

TEST_F(ValveSettingTest, TheMainWindowTicksWhileSolveRestartsAndCancelStopsIt) {
    form->Timer().start();
    Open([this] {
        Click("BalanceCutOffs"); // out of reach within the default bounds: it restarts
        Click("Solve");
        EXPECT_TRUE(window->Solving());
        EXPECT_FALSE(window->Button("Solve")->isEnabled());
        const uint64_t ticks = form->TickCount();
        const QRegularExpression secondDescent(
            "^Evaluations: [0-9]+ of 3000   restart 1   objective [0-9.]+$");
        while (window->Solving() && !Text("Progress").contains(secondDescent)) QTest::qWait(5);
        EXPECT_TRUE(Text("Progress").contains(secondDescent)) << Text("Progress").toStdString();
        Click("Cancel");
        WaitForTheSearch();
        EXPECT_GT(form->TickCount(), ticks);
        EXPECT_TRUE(Text("Status").startsWith("Status: cancelled")) << Text("Status").toStdString();
        ASSERT_TRUE(window->Result());
        EXPECT_GT(window->Result()->Evaluations, 10);
    });
    form->Timer().stop();
    // One name per dimension in both tables: the editors' caption, the field name its tip.
    const auto* inputs = window->findChild<QTableWidget*>("Dimensions");
    const auto* results = window->findChild<QTableWidget*>("VariableResults");
    ASSERT_EQ(results->rowCount(), 3);
    const char* const names[][2] = {{"Link Cent Pivot Back Set", "LinkCentPivotBackSet"},
                                    {"Link Cent Pivot Vert", "LinkCentPivotVert"},
                                    {"Lifting Link Length", "LiftingLinkLen"}};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(results->item(r, 0)->text(), names[r][0]);
        EXPECT_EQ(results->item(r, 0)->toolTip(), names[r][1]);
        const auto same = inputs->findItems(names[r][0], Qt::MatchExactly);
        ASSERT_EQ(same.size(), 1) << names[r][0];
        EXPECT_EQ(same[0]->toolTip(), names[r][1]);
        EXPECT_EQ(same[0]->checkState(), Qt::Checked);
    }
}

TEST_F(ValveSettingTest, SolveSaysWhatIsMissingOrOutOfRangeAndSearchesNothing) {
    const float stem = s->ValveStemLen;
    Open([this] {
        Click("AddTarget");
        Click("Solve");
        EXPECT_FALSE(window->Solving());
        EXPECT_EQ(Text("Status"), "Tick at least one dimension that may vary.");
        // A position beyond full gear, typed into the target's cell, is named before any
        // search: not called a design that cannot assemble.
        auto* targets = window->findChild<QTableWidget*>("Targets");
        auto* position = qobject_cast<QComboBox*>(targets->cellWidget(0, 1));
        ASSERT_NE(position, nullptr);
        position->lineEdit()->selectAll();
        QTest::keyClicks(position->lineEdit(), "5");
        Click("Solve");
        EXPECT_FALSE(window->Solving());
        EXPECT_TRUE(Text("Status").startsWith(
            "Target 1: the position 5 lies outside the reverser's range"))
            << Text("Status").toStdString();
    });
    EXPECT_EQ(s->ValveStemLen, stem);
    EXPECT_EQ(s->UndoCount, 0);
}

} // namespace
} // namespace vt
