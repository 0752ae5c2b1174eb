// The dimension editors as a user drives them: keys typed into real fields, the focus
// moved by Tab, Enter and clicks, the reset pressed and released elsewhere, Close, and a
// small button's marker closing and reopening the editor.
#include "support/MainFormTest.h"

#include "dialogs/DimensionEditor.h"
#include "model/EditorRules.h"
#include "widgets/NumberEdit.h"
#include "widgets/SceneView.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace vt {
namespace {

// Frame editor rows in layout order.
constexpr int kFwdAngle = 5, kEccCircle = 3, kStroke = 1, kRockerVert = 17, kNorm = 26, kMax = 27;
constexpr int kCylCentreLine = 1;

struct DimensionEditorTest : test::MainFormTest {
    std::unique_ptr<DimensionEditor> frame, cyl;
    void SetUp() override {
        MainFormTest::SetUp();
        frame = std::make_unique<DimensionEditor>(FrameEditorLayout(), *s, form->controls(), form.get());
        cyl = std::make_unique<DimensionEditor>(CylEditorLayout(), *s, form->controls(), form.get());
        form->SetDialogs({.frameDimensions = frame.get(), .cylDimensions = cyl.get()});
    }
    void Open(DimensionEditor& d) {
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    }
    // Clicks into a field, replaces its text by typing, and tabs out of it.
    static void TypeAndTab(NumberEdit* field, const char* keys) {
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, keys);
        QTest::keyClick(field, Qt::Key_Tab);
    }
};

TEST_F(DimensionEditorTest, LayoutOfTheFrameEditor) {
    Open(*frame);
    EXPECT_EQ(frame->windowTitle(), "Frame Dimensions");
    EXPECT_EQ(frame->size(), QSize(386, 233));
    EXPECT_EQ(QApplication::focusWidget(), frame->CloseButton());
    EXPECT_EQ(frame->Field(0)->objectName(), "Edit1");
    EXPECT_EQ(frame->Field(11)->objectName(), "Edit28");
    EXPECT_EQ(frame->Field(11)->geometry(), QRect(146, 143, 40, 13));
    EXPECT_EQ(frame->Field(27)->geometry(), QRect(342, 169, 40, 13));
    EXPECT_EQ(frame->SmallButton(14)->geometry(), QRect(194, 0, 8, 13));
    EXPECT_EQ(frame->ResetButton()->geometry(), QRect(288, 183, 89, 25));
    EXPECT_EQ(frame->ResetButton()->text(), "ResetFrameDim");
    EXPECT_EQ(frame->Field(0)->text(), "7.000");
    EXPECT_EQ(frame->Field(kEccCircle)->text(), "0.688");
    int ditto = 0;
    for (const QLabel* l : frame->findChildren<QLabel*>())
        if (l->text() == "\"           \"             Max") {
            ++ditto;
            EXPECT_EQ(l->pos(), QPoint(234, 169));
        }
    EXPECT_EQ(ditto, 1);
}

TEST_F(DimensionEditorTest, LabelsFollowTheFontFactorsAtEachOpening) {
    const auto labelAt = [&](const QString& text) {
        for (const QLabel* l : cyl->findChildren<QLabel*>())
            if (l->text() == text) return l->pos();
        return QPoint(-1, -1);
    };
    Open(*cyl);
    EXPECT_EQ(labelAt("  (Valve Stem)"), QPoint(266, 130));
    cyl->CloseButton()->click();
    s->FontScaleX = 1.27f;
    s->FontScaleY = 1.22f;
    Open(*cyl);
    EXPECT_EQ(labelAt("  (Valve Stem)"), QPoint(338, 159));
    EXPECT_EQ(labelAt("To Select a Dynamic Variable, Click Dimension in Gray Area"), QPoint(1, 248));
}

TEST_F(DimensionEditorTest, TypedAnglesWrapWhenTheFieldIsLeft) {
    Open(*frame);
    NumberEdit* angle = frame->Field(kFwdAngle);
    const struct { const char* keys; float stored; } cases[] = {{"370", 10}, {"-30", 330}, {"720", 0}};
    for (const auto& k : cases) {
        TypeAndTab(angle, k.keys);
        EXPECT_EQ(s->EccFwdAngle, k.stored) << k.keys;
    }
    EXPECT_EQ(s->UndoCount, 3);
    EXPECT_EQ(s->UndoName[1], "Eccentric Forward Angle");
}

// A field shows its value rounded (or in exponent form); tabbing through it without
// typing selects the dimension and leaves its value exactly as it was.
TEST_F(DimensionEditorTest, TabbingThroughWithoutTypingKeepsTheValueAndSelects) {
    s->EccCircleDia = 0.6875f;
    s->StrokeLen = 1e20f;
    Open(*frame);
    EXPECT_EQ(frame->Field(kStroke)->text(), "1.000e+20");
    QTest::mouseClick(frame->Field(kStroke), Qt::LeftButton);
    QTest::keyClick(frame->Field(kStroke), Qt::Key_Tab);
    QTest::keyClick(frame->Field(kStroke + 1), Qt::Key_Tab);
    QTest::keyClick(frame->Field(kEccCircle), Qt::Key_Tab);
    EXPECT_EQ(s->StrokeLen, 1e20f);
    EXPECT_EQ(s->EccCircleDia, 0.6875f);
    EXPECT_EQ(s->DynVarId[1], 4);
    EXPECT_EQ(s->DynVarValue[1], 0.6875f);
    EXPECT_EQ(s->UndoCount, 0);
    EXPECT_EQ(QApplication::focusWidget(), frame->Field(kEccCircle + 1));
}

TEST_F(DimensionEditorTest, KeyFilterRefusesASecondPointOrMinus) {
    Open(*frame);
    NumberEdit* f = frame->Field(kStroke);
    QTest::mouseClick(f, Qt::LeftButton);
    f->clear();
    QTest::keyClicks(f, "1.2.3a");
    EXPECT_EQ(f->text(), "1.23");
    f->clear();
    QTest::keyClicks(f, "5--");
    EXPECT_EQ(f->text(), "5-"); // a minus after digits is text like any other
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_EQ(s->StrokeLen, 5.0f);
}

TEST_F(DimensionEditorTest, EnterStoresAndMovesToCloseWithoutClosing) {
    Open(*frame);
    NumberEdit* f = frame->Field(kStroke);
    QTest::mouseClick(f, Qt::LeftButton);
    f->clear();
    QTest::keyClicks(f, "3.5");
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_EQ(s->StrokeLen, 3.5f);
    EXPECT_EQ(s->UndoCount, 1);
    EXPECT_EQ(QApplication::focusWidget(), frame->CloseButton());
    EXPECT_TRUE(frame->isVisible());
}

// Selected with Ctrl+A, an emptied field keeps its value and a huge one is refused with the
// beep; either way the field shows the value again and nothing changes.
TEST_F(DimensionEditorTest, EmptiedOrHugeFieldKeepsItsValue) {
    int beeps = 0;
    s->hooks.Beep = [&beeps] { ++beeps; };
    Open(*frame);
    for (int field : {kStroke, kMax}) {
        NumberEdit* f = frame->Field(field);
        const QString shown = f->text();
        for (const char* keys : {"", "12345678"}) {
            QTest::mouseClick(f, Qt::LeftButton);
            QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(f, Qt::Key_Backspace);
            QTest::keyClicks(f, keys);
            QTest::keyClick(f, Qt::Key_Tab);
            EXPECT_EQ(f->text(), shown) << keys;
        }
    }
    EXPECT_EQ(s->StrokeLen, 3.0f);
    EXPECT_EQ(s->RevArmCentMax, 1.3f);
    EXPECT_EQ(s->UndoCount, 0);
    EXPECT_EQ(beeps, 2);
}

TEST_F(DimensionEditorTest, LosingActivationIsNoExit) {
    Open(*frame);
    NumberEdit* f = frame->Field(kStroke);
    QTest::mouseClick(f, Qt::LeftButton);
    QTest::keyClicks(f, "9");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f, &away);
    EXPECT_EQ(s->StrokeLen, 3.0f);
    EXPECT_EQ(s->DynVarId[1], 0);
    QTest::mouseClick(frame->Field(kStroke + 1), Qt::LeftButton); // a click elsewhere leaves it
    EXPECT_FLOAT_EQ(s->StrokeLen, ConvertFieldText(f->text().toStdString()));
    EXPECT_EQ(s->UndoCount, 1);
}

TEST_F(DimensionEditorTest, TravelLimitsSetTheBarRangeAndMakeNoUndo) {
    Open(*frame);
    EXPECT_EQ(frame->Field(kNorm)->objectName(), "Edit26");
    TypeAndTab(frame->Field(kMax), "0.5");
    EXPECT_EQ(s->RevArmCentMax, s->RevArmCentNorm);
    EXPECT_EQ(form->controls().RevArm.Max, 1040);
    TypeAndTab(frame->Field(kNorm), "0.25");
    EXPECT_EQ(s->RevArmCentNorm, 0.25f);
    EXPECT_EQ(s->UndoCount, 0);
    EXPECT_EQ(s->DynVarId[1], 0);
}

TEST_F(DimensionEditorTest, RockerPivotFieldMovesBothPivots) {
    Open(*frame);
    TypeAndTab(frame->Field(kRockerVert), "1.5");
    EXPECT_EQ(s->PivotY[7], 1.5f);
    EXPECT_EQ(s->PivotY[6], 1.5f);
}

TEST_F(DimensionEditorTest, CylinderCentreLineMovesTheValveJoint) {
    Open(*cyl);
    EXPECT_EQ(cyl->windowTitle(), "Cylinder Dimensions");
    EXPECT_EQ(cyl->size(), QSize(386, 230));
    EXPECT_EQ(cyl->SmallButton(5)->geometry(), QRect(0, 65, 8, 13));
    EXPECT_EQ(cyl->Field(5)->geometry(), QRect(146, 78, 40, 13));
    TypeAndTab(cyl->Field(kCylCentreLine), "1");
    EXPECT_FLOAT_EQ(s->PivotY[4], 3.062f);
    EXPECT_EQ(s->UndoName[1], "Cyl CL above Driver ctr");
}

TEST_F(DimensionEditorTest, ResetReleasedOutsideKeepsTheUndoHistory) {
    Open(*frame);
    TypeAndTab(frame->Field(kStroke), "4");
    ASSERT_EQ(s->UndoCount, 1);
    QPushButton* reset = frame->ResetButton();
    QTest::mousePress(reset, Qt::LeftButton);
    QTest::mouseRelease(reset, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(s->StrokeLen, 3.0f);
    EXPECT_EQ(frame->Field(kStroke)->text(), "3.000");
    EXPECT_EQ(s->UndoCount, 1);
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(s->UndoCount, 0);
}

TEST_F(DimensionEditorTest, CloseRecalculatesMidGearAndCentresTheBar) {
    Open(*frame);
    form->controls().RevArm.Pos = 700;
    const float cent = s->RevArmSet[0];
    TypeAndTab(frame->Field(kFwdAngle), "80");
    QTest::mouseClick(frame->CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_NE(s->RevArmSet[0], cent);
    EXPECT_EQ(form->controls().RevArm.Pos, 0);
}

TEST_F(DimensionEditorTest, EscapeClosesLikeCloseAndKeepsWhatWasTyped) {
    Open(*frame);
    NumberEdit* f = frame->Field(kStroke);
    QTest::mouseClick(f, Qt::LeftButton);
    f->clear();
    QTest::keyClicks(f, "2.5");
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(s->StrokeLen, 2.5f);
}

TEST_F(DimensionEditorTest, SmallButtonShowsTheMarkerAndTheEditorReturns) {
    bool reopened = false;
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(frame->SmallButton(2), Qt::LeftButton);
        EXPECT_EQ(s->MarkerNo, 3);
        form->Timer1Timer(); // the marker's first frame closes the editor
    });
    form->Command(Cmd::FrameDimensions); // returns when the editor closes
    EXPECT_FALSE(frame->isVisible());
    form->Timer1Timer();
    EXPECT_EQ(s->HighlightFrames, 2);
    QTest::mouseClick(form->findChild<SceneView*>(), Qt::LeftButton, {}, QPoint(300, 300));
    form->Timer1Timer(); // ends the marker; the editor opens after the frame
    EXPECT_EQ(s->MarkerNo, 0);
    EXPECT_FALSE(frame->isVisible());
    QTimer::singleShot(0, [&] {
        reopened = frame->isVisible();
        frame->CloseButton()->click();
    });
    QTest::qWait(50);
    EXPECT_TRUE(reopened);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DimensionEditorTest, ResetAllDimensionsMenuRestoresTheDesign) {
    s->StrokeLen = 4;
    s->UndoCount = 2;
    s->DynVarsOn = true;
    form->controls().RevArm.Max = 5;
    test::AnswerMessageBox(Qt::Key_D); // the changed design is discarded
    form->Command(Cmd::ResetAllDimensions);
    EXPECT_EQ(s->StrokeLen, 3.0f);
    EXPECT_EQ(s->UndoCount, 0);
    EXPECT_FALSE(s->DynVarsOn);
    EXPECT_EQ(form->controls().RevArm.Max, 1300);
    EXPECT_EQ(s->DataSetName, "Nominal");
}

} // namespace
} // namespace vt
