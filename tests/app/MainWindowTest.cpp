// The main window as a user drives it: its controls, menus and tool bar, the timer tick,
// and the screen data toggle.
#include "support/MainFormTest.h"

#include "app/Main.h"

#include "model/Defaults.h"
#include "widgets/ScrollBar.h"

#include <QAction>
#include <QEventLoop>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include <QKeySequence>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace vt {
namespace {

using MainWindowTest = test::MainFormTest;

TEST_F(MainWindowTest, StartsTurningTenDegreesPerTick) {
    form->show();
    EXPECT_EQ(form->centralWidget()->size(), QSize(632, 380));
    EXPECT_EQ(Button("Run")->text(), "Stop");
    EXPECT_FALSE(Button("Step10")->isEnabled());
    EXPECT_FALSE(Button("Center")->isEnabled());
    EXPECT_NEAR(s->RevArmSet[0], 6.0226f, 0.00005f);
    EXPECT_EQ(Bar("SBRevArm")->minimum(), -1300);
    EXPECT_EQ(Bar("SBRevArm")->maximum(), 1300);
    form->Timer1Timer();
    EXPECT_EQ(s->DriverAngle, 10.0f);
    form->Timer1Timer();
    EXPECT_EQ(s->DriverAngle, 20.0f);
    EXPECT_TRUE(form->windowTitle().startsWith("VALVETRACE            Nominal     "));
    EXPECT_TRUE(form->windowTitle().endsWith("   Version 2.5.2"));
}

TEST_F(MainWindowTest, RunStopAndTheDriverAngleBar) {
    s->DriverAngle = 123.456f;
    Button("Run")->click();
    EXPECT_EQ(Button("Run")->text(), "Run");
    EXPECT_EQ(Bar("SBDrvAng")->value(), 12346);
    EXPECT_FLOAT_EQ(s->DriverAngle, 123.46f);
    EXPECT_TRUE(Bar("SBDrvAng")->isEnabled());

    Bar("SBDrvAng")->setValue(4500); // as a drag would
    EXPECT_FLOAT_EQ(s->DriverAngle, 45.0f);
    Button("Run")->click();
    EXPECT_EQ(Button("Run")->text(), "Stop");
    EXPECT_FALSE(Bar("SBDrvAng")->isEnabled());
}

TEST_F(MainWindowTest, ReverseArmBarAndButtons) {
    Bar("SBRevArm")->setValue(1040);
    EXPECT_FLOAT_EQ(s->RevArmPos, s->RevArmSet[0] + 1.04f);
    EXPECT_EQ(s->DirectionText, "Fwd");
    EXPECT_TRUE(Button("Center")->isEnabled());
    Bar("SBRevArm")->setValue(-1);
    EXPECT_EQ(s->DirectionText, "Rev");
    const float before = s->DriverAngle;
    form->Timer1Timer();
    EXPECT_FLOAT_EQ(s->DriverAngle, before - 10.0f + (before < 10.0f ? 360.0f : 0.0f));

    // The keys move the bar the way its arrows point.
    Bar("SBRevArm")->setFocus();
    QTest::keyClick(Bar("SBRevArm"), Qt::Key_Right);
    EXPECT_EQ(Bar("SBRevArm")->value(), 0);
    QTest::keyClick(Bar("SBRevArm"), Qt::Key_Left);
    QTest::keyClick(Bar("SBRevArm"), Qt::Key_Left);
    EXPECT_EQ(Bar("SBRevArm")->value(), -2);

    Button("Fwd")->click();
    EXPECT_FALSE(Button("Fwd")->isEnabled());
    EXPECT_TRUE(Button("Rev")->isEnabled());
    EXPECT_TRUE(Button("Center")->isEnabled());
    EXPECT_EQ(Bar("SBRevArm")->value(), 1040);
}

TEST_F(MainWindowTest, StepAngleBarAndButtons) {
    Bar("SBStepAng")->setValue(11612);
    EXPECT_EQ(s->StepAngle, 5.0f);
    EXPECT_EQ(Bar("SBDrvAng")->singleStep(), 500);
    Bar("SBStepAng")->setValue(11613);
    EXPECT_EQ(s->StepAngle, 10.0f);
    Button("Deg00")->click();
    EXPECT_EQ(Button("Run")->text(), "Run");
    Button("Step45")->click();
    EXPECT_EQ(s->RunStep, 0.0f);
    EXPECT_EQ(s->StepAngle, 45.0f);
    EXPECT_FALSE(Button("Step45")->isEnabled());
    EXPECT_EQ(Bar("SBStepAng")->value(), 14613);
}

TEST_F(MainWindowTest, ScreenDataToggleHidesAndDisables) {
    form->show();
    s->RefPointsOn = s->DynVarsOn = s->UndoOn = s->PivotDataOn = true;
    form->MenuAction(Cmd::SetScreenData)->trigger();
    EXPECT_FALSE(s->ScreenDataOn);
    EXPECT_FALSE(s->RefPointsOn || s->DynVarsOn || s->UndoOn || s->PivotDataOn);
    EXPECT_EQ(form->MenuAction(Cmd::SetScreenData)->text(), "SetScree&nData On");
    for (const char* name : {"Rev", "Center", "Fwd", "Deg180", "Run", "Deg00", "Step1", "Step10", "Step45"})
        EXPECT_FALSE(Button(name)->isVisible()) << name;
    for (const char* name : {"SBRevArm", "SBDrvAng", "SBStepAng"})
        EXPECT_FALSE(Bar(name)->isVisible()) << name;
    EXPECT_FALSE(form->findChild<QToolBar*>("ToolBar1")->isVisible());
    for (Cmd cmd : {Cmd::SetDriverAng, Cmd::CalcCentRevArm, Cmd::DynamicVari, Cmd::ReferPoints,
                    Cmd::UnDo, Cmd::PivotData, Cmd::DrawLinesCircles})
        EXPECT_FALSE(form->MenuAction(cmd)->isEnabled());
    EXPECT_FALSE(form->MenuAction(Cmd::SetRefPoints)->isVisible());
    EXPECT_TRUE(form->MenuAction(Cmd::SetPanZoom)->isEnabled());

    form->MenuAction(Cmd::SetScreenData)->trigger();
    EXPECT_TRUE(s->ScreenDataOn);
    EXPECT_TRUE(Button("Run")->isVisible());
    EXPECT_TRUE(Bar("SBStepAng")->isVisible());
    EXPECT_TRUE(form->findChild<QToolBar*>("ToolBar1")->isVisible());
    for (Cmd cmd : {Cmd::SetDriverAng, Cmd::CalcCentRevArm, Cmd::DynamicVari, Cmd::ReferPoints,
                    Cmd::UnDo, Cmd::PivotData})
        EXPECT_TRUE(form->MenuAction(cmd)->isEnabled());
    EXPECT_FALSE(form->MenuAction(Cmd::DrawLinesCircles)->isEnabled());
    EXPECT_TRUE(form->MenuAction(Cmd::SetRefPoints)->isVisible());
    EXPECT_FALSE(form->MenuAction(Cmd::SetPanZoom)->isEnabled());
    EXPECT_EQ(form->MenuAction(Cmd::SetPanZoom)->text(), "SetP&anZoom On");
}

TEST_F(MainWindowTest, SetUpTogglesRenameThemselves) {
    QAction* beep = form->MenuAction(Cmd::SetErrorBeep);
    EXPECT_EQ(beep->text(), "Set&ErrorBeep Off");
    beep->trigger();
    EXPECT_FALSE(s->ErrorBeepOn);
    EXPECT_EQ(beep->text(), "Set&ErrorBeep On");
    form->MenuAction(Cmd::SetLineWidth)->trigger();
    EXPECT_EQ(s->LineWidth, 2);
    EXPECT_EQ(form->MenuAction(Cmd::SetLineWidth)->text(), "Set&LineWidth 1");
    form->MenuAction(Cmd::SetFont)->trigger();
    EXPECT_EQ(s->FontScaleX, 1.27f);
    EXPECT_EQ(s->FontScaleY, 1.22f);
    EXPECT_EQ(form->MenuAction(Cmd::SetFont)->text(), "SetSmall&Font");
    form->MenuAction(Cmd::SetSteamDisp)->trigger();
    EXPECT_TRUE(s->SteamDispOn);
    EXPECT_EQ(form->MenuAction(Cmd::SetSteamDisp)->text(), "SetS&teamDisp Off");
}

TEST_F(MainWindowTest, ResetAndMidGearFromTheMenu) {
    Bar("SBRevArm")->setValue(700);
    s->LiftingArmLen = 2.0f;
    s->DataSetName = "Edited";
    form->MenuAction(Cmd::CalcCentRevArm)->trigger();
    EXPECT_NE(s->RevArmSet[0], 0.0f);
    EXPECT_EQ(s->RevArmPos, s->RevArmSet[0]);
    EXPECT_EQ(Bar("SBRevArm")->value(), 0);
    EXPECT_FALSE(Button("Center")->isEnabled());

    s->RevArmCentMax = 2.0f;
    test::AnswerMessageBox(Qt::Key_D); // the changed design is discarded
    form->MenuAction(Cmd::ResetAllDimensions)->trigger();
    EXPECT_EQ(s->LiftingArmLen, 1.812f);
    EXPECT_EQ(s->DataSetName, "Nominal");
    EXPECT_EQ(Bar("SBRevArm")->maximum(), 1300);
    EXPECT_NEAR(s->RevArmPos, 6.0226f, 0.00005f);
}

TEST_F(MainWindowTest, MenuCaptionsInOrder) {
    QStringList seen;
    for (QAction* top : form->menuBar()->actions()) {
        seen << top->text();
        if (QMenu* m = top->menu()) {
            for (QAction* a : m->actions()) seen << (a->isSeparator() ? QString("-") : a->text());
        }
    }
    const QStringList expected = {
        "&File", "&OpenDimensions", "Open&DosVersionDim", "Save&AsDimensions", "-",
        "&New Gear Design...", "Open &Gear Design...", "-", "E&xit",
        "&SetUp", "Set&RevArmPos", "Set&DriverAng", "Set&StepAng", "SetRef&Points", "-",
        "SetLarge&Font", "&CalcCentRevArm", "SetS&teamDisp On", "Set&ErrorBeep Off",
        "Set&LineWidth 2", "SetScree&nData Off", "SetP&anZoom On", "Fit&GearToWindow",
        "&EditDimen", "&FrameDimensions", "&CylinderDimensions", "-", "Set&GraphicZoom", "-",
        "&ResetAllDimensions",
        "&ReferPoints", "&DrawLinesCircles", "Pi&votData", "D&ynamicVari", "&UnDo",
        "Draw&Graphs", "&SineDiagram", "&OvalDiagram", "S&teamDiagram", "&PortOpenClose",
        "&EventsTable", "&ValveSetting", "Se&nsitivity", "&Help", "&Instructions", "Instructions&Special", "-", "&About"};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(form->MenuAction(Cmd::DrawLinesCircles)->isEnabled());
    EXPECT_FALSE(form->MenuAction(Cmd::SetPanZoom)->isEnabled());
}

// Within the menu bar and within each menu, every access key leads to one item, also
// after the screen data toggle has renamed its items.
TEST_F(MainWindowTest, NoMenuHasTwoItemsWithOneAccessKey) {
    const auto check = [](const QList<QAction*>& items, const QString& where) {
        std::map<QChar, QString> seen;
        for (QAction* a : items) {
            const qsizetype amp = a->text().indexOf(QChar('&'));
            if (a->isSeparator() || amp < 0) continue;
            const QChar key = a->text().at(amp + 1).toUpper();
            EXPECT_FALSE(seen.count(key)) << where.toStdString() << ": " << a->text().toStdString()
                                          << " and " << seen[key].toStdString();
            seen[key] = a->text();
        }
    };
    for (int round = 0; round < 2; ++round) {
        check(form->menuBar()->actions(), "menu bar");
        for (QAction* top : form->menuBar()->actions())
            if (QMenu* m = top->menu()) check(m->actions(), top->text());
        for (int i = 0; i < 2; ++i) form->MenuAction(Cmd::SetScreenData)->trigger();
    }
}

TEST_F(MainWindowTest, StandardShortcutsOpenSaveAndQuit) {
    EXPECT_EQ(form->MenuAction(Cmd::OpenDimensions)->shortcut(), QKeySequence::fromString("Ctrl+O"));
    EXPECT_EQ(form->MenuAction(Cmd::SaveAsDimensions)->shortcut(), QKeySequence::fromString("Ctrl+S"));
    EXPECT_EQ(form->MenuAction(Cmd::Exit)->shortcut(), QKeySequence::fromString("Ctrl+Q"));
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
    // Every menu title carries an access key.
    for (QAction* top : form->menuBar()->actions())
        EXPECT_TRUE(top->text().contains('&')) << top->text().toStdString();
}

TEST_F(MainWindowTest, ToolBarHintsInOrder) {
    QStringList seen;
    for (QAction* a : form->findChild<QToolBar*>("ToolBar1")->actions()) {
        seen << (a->isSeparator() ? QString("|") : a->toolTip());
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
        }
    }
    const QStringList expected = {
        "Open File: Dimension Data", "Save As: Dimension Data", "|", "Change Frame Dimensions",
        "Change Cylinder Dimensions", "|", "Set Driver Angle to Desired Position",
        "Set Step Angle to Desired Amount", "Set Reverse Arm to Desired Position", "|",
        "Calculate Mid Gear Position if Necessary", "|", "Turn On Steam Display and Sound", "|",
        "Turn On Reference Points", "Draw Lines and Circles", "Turn On Pivot Data",
        "Turn On Dynamic Variables", "Turn On UnDo", "|", "View Sine Diagram",
        "View Oval Diagram", "View Steam Diagram", "View Port Events vs Reverse Arm Position",
        "View Valve Events Table", "Set the Valve Gear", "Sensitivity and Wear of the Valve Events",
        "|", "Fit the Gear to the Window"};
    EXPECT_EQ(seen, expected);
}

TEST_F(MainWindowTest, ControlHintsAndGeometry) {
    struct Facts {
        const char* name;
        QRect geometry;
        const char* hint;
    } facts[] = {
        {"Run", {277, 39, 36, 14}, "Start / Stop Driver Rotation"},
        {"Deg180", {252, 39, 25, 14}, "Set Driver Angle to 180 Deg"},
        {"Step45", {306, 53, 29, 14}, "Set Driver Step Angle to 45 Deg"},
        {"Center", {280, 25, 27, 14}, "Set Reverse Arm to Mid Gear"},
        {"SBDrvAng", {336, 40, 121, 12}, "Set Driver Angle From 0 to 360 Deg"},
        {"SBRevArm", {336, 26, 121, 12}, "Set Reverse Arm Between Max & Min"},
    };
    for (const Facts& f : facts) {
        const QWidget* w = form->findChild<QWidget*>(f.name);
        ASSERT_NE(w, nullptr) << f.name;
        EXPECT_EQ(w->geometry(), f.geometry) << f.name;
        EXPECT_EQ(w->toolTip(), f.hint) << f.name;
    }
}

TEST_F(MainWindowTest, TickIsNotReenteredByANestedEventLoop) {
    s->RockerLowerLen = 0; // every solve beeps
    int nestedLoops = 0;
    uint64_t ticksInside = 0;
    s->hooks.Beep = [&] {
        if (nestedLoops++) return;
        // What a modal dialog opened from inside the tick does: run the event loop while
        // the timer keeps firing.
        form->Timer().start();
        QEventLoop loop;
        QTimer::singleShot(30, &loop, &QEventLoop::quit);
        loop.exec();
        ticksInside = form->TickCount();
        form->Timer().stop();
    };
    const uint64_t before = form->TickCount();
    form->Timer1Timer();
    EXPECT_GE(nestedLoops, 1);
    EXPECT_EQ(ticksInside, before + 1); // the timer fired inside but did not tick again
    EXPECT_EQ(form->TickCount(), before + 1);
}

} // namespace
} // namespace vt

namespace vt {
namespace {

TEST_F(MainWindowTest, ViewControlsPanZoomAndPresets) {
    form->show();
    EXPECT_FALSE(Button("NormVHZ")->isEnabled());
    Bar("SBPanHorz")->setValue(1); // an arrow click
    EXPECT_FLOAT_EQ(s->ViewOffsetX, 110.1f);
    EXPECT_EQ(Bar("SBPanHorz")->value(), 0); // sprang back
    EXPECT_TRUE(Button("NormVHZ")->isEnabled());
    Button("NormVHZ")->click();
    EXPECT_EQ(s->ViewOffsetX, 110.0f);
    EXPECT_FALSE(Button("NormVHZ")->isEnabled());
    Button("Preset0")->click();
    EXPECT_FALSE(Button("Preset0")->isEnabled());
    Button("Preset4")->click(); // stores the current view under 4
    EXPECT_EQ(s->PresetView[4].Scale, 28.5f);
    Button("Preset1")->click();
    EXPECT_EQ(s->ViewScale, 62.0f);
}

TEST_F(MainWindowTest, ReferencePointsShowTheirRows) {
    form->show();
    EXPECT_FALSE(Bar("SBRef1Vert")->isVisible());
    EXPECT_FALSE(Button("RefPt1")->isEnabled());
    form->MenuAction(Cmd::ReferPoints)->trigger();
    EXPECT_TRUE(s->RefPointsOn);
    EXPECT_TRUE(Bar("SBRef1Vert")->isVisible());
    EXPECT_TRUE(form->findChild<QFrame*>("Panel11")->isVisible());
    EXPECT_TRUE(Button("RefPt1")->isEnabled());
    EXPECT_TRUE(form->MenuAction(Cmd::DrawLinesCircles)->isEnabled());
    EXPECT_FALSE(Button("RefPt1Zero")->isEnabled());
    Bar("SBRef1Horz")->setValue(25); // a page click
    EXPECT_FLOAT_EQ(s->PivotX[19], 0.025f);
    EXPECT_TRUE(Button("RefPt1Zero")->isEnabled());
    Button("RefPt1Zero")->click();
    EXPECT_EQ(s->PivotX[19], 0.0f);
    form->MenuAction(Cmd::ReferPoints)->trigger();
    EXPECT_FALSE(Bar("SBRef1Vert")->isVisible());
    EXPECT_FALSE(form->MenuAction(Cmd::DrawLinesCircles)->isEnabled());
}

TEST_F(MainWindowTest, PanZoomBarsOnTheirOwnWhileTheScreenDataIsOff) {
    form->show();
    form->MenuAction(Cmd::SetScreenData)->trigger();
    EXPECT_FALSE(Bar("SBZoom")->isVisible());
    form->MenuAction(Cmd::SetPanZoom)->trigger();
    EXPECT_TRUE(Bar("SBZoom")->isVisible());
    EXPECT_EQ(form->MenuAction(Cmd::SetPanZoom)->text(), "SetP&anZoom Off");
    EXPECT_FALSE(Button("NormVHZ")->isVisible());
    form->MenuAction(Cmd::SetPanZoom)->trigger();
    EXPECT_FALSE(Bar("SBZoom")->isVisible());
}

} // namespace
} // namespace vt

#include "model/DynVars.h"

namespace vt {
namespace {

TEST_F(MainWindowTest, DynamicVariableBarsAndUndo) {
    ShowActive();
    EXPECT_FALSE(Bar("SBDynVar1")->isVisible());
    form->MenuAction(Cmd::DynamicVari)->trigger();
    EXPECT_TRUE(s->DynVarsOn);
    EXPECT_TRUE(Bar("SBDynVar1")->isVisible());
    EXPECT_TRUE(form->findChild<QFrame*>("Panel8")->isVisible());
    EXPECT_FALSE(Bar("SBDynVar1")->isEnabled()); // no dimension in the slot yet
    VisitDimension(*s, 2);                        // as a dimension field's exit will
    form->Timer1Timer();
    form->MenuAction(Cmd::UnDo)->trigger(); // shows the undo button; refreshes
    EXPECT_TRUE(Bar("SBDynVar1")->isEnabled());
    EXPECT_FALSE(Bar("SBDynVar2")->isEnabled());

    Bar("SBDynVar1")->setFocus();
    QTest::keyPress(Bar("SBDynVar1"), Qt::Key_Right); // an arrow step
    EXPECT_FLOAT_EQ(s->StrokeLen, 3.001f);
    EXPECT_EQ(Bar("SBDynVar1")->value(), 0);
    EXPECT_EQ(s->UndoCount, 0); // the gesture ends with the key's release
    QTest::keyRelease(Bar("SBDynVar1"), Qt::Key_Right);
    EXPECT_EQ(s->UndoCount, 1);
    EXPECT_EQ(QApplication::focusWidget(), Bar("SBRevArm"));
    QPushButton* undo = Button("UnDoDn");
    EXPECT_TRUE(undo->isVisible());
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->y(), 127); // below the dynamic-variable rows
    undo->click();
    EXPECT_FLOAT_EQ(s->StrokeLen, 3.0f);
    EXPECT_FALSE(undo->isEnabled());
}

// Tab passes over a dynamic-variable bar: only a key that moved a bar ends a gesture.
TEST_F(MainWindowTest, TabPassesOverADynamicVariableBar) {
    ShowActive();
    form->MenuAction(Cmd::DynamicVari)->trigger();
    VisitDimension(*s, 2);
    form->SharedStateChanged();
    const auto tab = [] {
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab); // where the focus went
    };
    Bar("SBStepAng")->setFocus();
    tab();
    EXPECT_EQ(QApplication::focusWidget(), Bar("SBDynVar1"));
    tab();
    EXPECT_NE(QApplication::focusWidget(), Bar("SBRevArm"));
    EXPECT_EQ(s->UndoCount, 0);
}

// A click, a turn of the wheel (until it rests) and the bar's own menu are one gesture
// each: one undo entry each.
TEST_F(MainWindowTest, EveryWayADynamicVariableBarMovesIsOneUndoableGesture) {
    ShowActive();
    form->MenuAction(Cmd::DynamicVari)->trigger();
    VisitDimension(*s, 2); // "Stroke", 3.0
    form->SharedStateChanged();
    ScrollBar* bar = Bar("SBDynVar1");
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
    EXPECT_FLOAT_EQ(s->StrokeLen, 3.001f); // the right arrow
    EXPECT_EQ(s->UndoCount, 1);
    ASSERT_TRUE(test::Wheel(bar, 1));
    ASSERT_TRUE(test::Wheel(bar, 1));
    const float turned = s->StrokeLen;
    EXPECT_GT(turned, 3.001f); // turned away from the user: up
    EXPECT_EQ(s->UndoCount, 1); // not before the wheel rests
    EXPECT_TRUE(QTest::qWaitFor([this] { return s->UndoCount == 2; }));
    EXPECT_EQ(s->UndoOld[1], 3.001f);
    EXPECT_EQ(s->UndoNew[1], turned);
    test::ChooseFromContextMenu(bar, "Page right");
    EXPECT_FLOAT_EQ(s->StrokeLen, turned + 0.01f);
    EXPECT_EQ(s->UndoCount, 3);
    EXPECT_EQ(bar->value(), 0);
}

// The spring-loaded bars stand at 0 after every input, and a wheel turn they took goes
// no further (it would zoom the drawing under them).
TEST_F(MainWindowTest, SpringBarsStandAtZeroAfterEveryInput) {
    ShowActive();
    form->MenuAction(Cmd::ReferPoints)->trigger();
    for (const char* name : {"SBPanVert", "SBPanHorz", "SBZoom", "SBRef1Vert", "SBRef1Horz",
                             "SBRef2Vert", "SBRef2Horz"}) {
        ScrollBar* bar = Bar(name);
        EXPECT_TRUE(test::Wheel(bar, 1)) << name;
        EXPECT_EQ(bar->value(), 0) << name;
        test::ChooseFromContextMenu(bar, "Left edge");
        EXPECT_EQ(bar->value(), 0) << name;
        QTest::mouseClick(bar, Qt::MiddleButton, {}, QPoint(20, bar->height() / 2));
        EXPECT_EQ(bar->value(), 0) << name;
    }
    EXPECT_NE(s->ViewOffsetX, 110.0f);
    EXPECT_NE(s->PivotX[20], 0.0f);
}

} // namespace
} // namespace vt
