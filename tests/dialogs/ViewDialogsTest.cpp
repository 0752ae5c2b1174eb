// The reference points and graphic zoom dialogs, the numeric key filter, and placing the
// reference points with the mouse.
#include "support/MainFormTest.h"

#include "app/Main.h"
#include "dialogs/GraphicZoom.h"
#include "dialogs/RefPoint.h"
#include "widgets/NumberEdit.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vt {
namespace {

using ViewDialogsTest = test::MainFormTest;

void Type(QWidget* w, const QString& keys) {
    for (QChar ch : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
    }
}

TEST_F(ViewDialogsTest, KeyFilterRefusesASecondPointOrMinus) {
    NumberEdit signedEdit(true, nullptr), plainEdit(false, nullptr);
    Type(&signedEdit, "-1.2.5x-");
    EXPECT_EQ(signedEdit.text(), "-1.25");
    Type(&plainEdit, "-3.5");
    EXPECT_EQ(plainEdit.text(), "3.5");
}

TEST_F(ViewDialogsTest, ReferencePointsDialog) {
    s->PivotX[19] = 1.5f;
    RefPointsDialog dialog(*s, form->controls(), form.get());
    dialog.show();
    EXPECT_EQ(dialog.Edit(1)->text(), "1.500");
    EXPECT_EQ(dialog.Edit(0)->text(), "0.000");
    dialog.Edit(0)->setText("2.25");
    dialog.Edit(2)->setText("-");  // no number: the coordinate keeps its value
    dialog.Edit(3)->setText("0");
    dialog.findChild<QPushButton*>("OK")->click();
    EXPECT_FLOAT_EQ(s->PivotY[19], 2.25f);
    EXPECT_FLOAT_EQ(s->PivotX[19], 1.5f);
    EXPECT_EQ(s->PivotY[20], 0.0f);
    EXPECT_TRUE(s->RefPointsOn);
    EXPECT_TRUE(form->controls().View.RefPtZeroEnabled[0]);
    EXPECT_FALSE(form->controls().View.RefPtZeroEnabled[1]);

    dialog.show();
    dialog.findChild<QPushButton*>("Cancel")->click();
    EXPECT_FALSE(s->RefPointsOn); // Cancel switches the points off

    dialog.show();
    dialog.findChild<QPushButton*>("Zero")->click();
    EXPECT_EQ(s->PivotY[19], 0.0f);
    EXPECT_FALSE(s->RefPointsOn);
    EXPECT_FALSE(form->controls().View.RefPtZeroEnabled[0]);
}

// Enter in a field goes nowhere (neither "Cancel" nor "OK" is pressed); Esc is "Cancel".
TEST_F(ViewDialogsTest, EnterInAFieldDoesNothingAndEscapeCancels) {
    form->MenuAction(Cmd::ReferPoints)->trigger();
    RefPointsDialog refs(*s, form->controls(), form.get());
    refs.show();
    refs.Edit(0)->clear();
    QTest::keyClicks(refs.Edit(0), "2.5");
    QTest::keyClick(refs.Edit(0), Qt::Key_Return);
    EXPECT_TRUE(refs.isVisible());
    EXPECT_TRUE(s->RefPointsOn);
    QTest::keyClick(refs.Edit(0), Qt::Key_Escape);
    EXPECT_FALSE(refs.isVisible());
    EXPECT_EQ(s->PivotY[19], 0.0f);
    EXPECT_FALSE(s->RefPointsOn); // as "Cancel" does

    GraphicZoomDialog zoom(*s, form.get());
    zoom.show();
    zoom.Edit()->clear();
    QTest::keyClicks(zoom.Edit(), "12");
    QTest::keyClick(zoom.Edit(), Qt::Key_Enter);
    EXPECT_TRUE(zoom.isVisible());
    QTest::keyClick(zoom.Edit(), Qt::Key_Escape);
    EXPECT_FALSE(zoom.isVisible());
    EXPECT_EQ(s->GraphicZoom, 7.5f);
}

TEST_F(ViewDialogsTest, GraphicZoomDialogClamps) {
    GraphicZoomDialog dialog(*s, form.get());
    dialog.show();
    EXPECT_EQ(dialog.Edit()->text(), "7.50");
    dialog.Edit()->setText("5000");
    dialog.findChild<QPushButton*>("OK")->click();
    EXPECT_EQ(s->GraphicZoom, 2000.0f);
    dialog.show();
    dialog.Edit()->setText("0.1");
    dialog.findChild<QPushButton*>("OK")->click();
    EXPECT_EQ(s->GraphicZoom, 0.5f);
    dialog.show();
    dialog.Edit()->setText("12");
    dialog.findChild<QPushButton*>("Cancel")->click();
    EXPECT_EQ(s->GraphicZoom, 0.5f);
}

TEST_F(ViewDialogsTest, MousePlacesTheReferencePoints) {
    form->show();
    QWidget* view = form->centralWidget();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(167, 213));
    EXPECT_EQ(s->PivotX[19], 0.0f); // reference points off: nothing happens
    form->MenuAction(Cmd::ReferPoints)->trigger();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(167, 213)); // (2, 2) in the model
    EXPECT_FLOAT_EQ(s->PivotX[19], 2.0f);
    EXPECT_FLOAT_EQ(s->PivotY[19], 2.0f);
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(110, 270));
    EXPECT_EQ(s->PivotX[20], 0.0f);
    EXPECT_TRUE(form->controls().View.RefPtZeroEnabled[1]);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(100, 100)); // the control band
    EXPECT_FLOAT_EQ(s->PivotX[19], 2.0f);
}

// A press on another row's number completes the pending pick and then arms that row.
TEST_F(ViewDialogsTest, PivotPickOnAnotherRowsNumberArmsThatRow) {
    form->show();
    form->MenuAction(Cmd::PivotData)->trigger();
    QWidget* view = form->centralWidget();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(10, 155)); // row 1's number
    EXPECT_EQ(s->PivotPickRow, 1);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(10, 165)); // row 2's number
    EXPECT_GT(s->PivotSel[1], 0.0f);
    EXPECT_EQ(s->PivotPickRow, 2);
    EXPECT_EQ(s->PivotSelOn[2], 1);
}

} // namespace
} // namespace vt
