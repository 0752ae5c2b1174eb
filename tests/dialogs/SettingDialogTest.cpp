// The setting dialogs as a user drives them: texts on activation, the key filters, what
// Enter and Esc do, and OK applying the typed value.
#include "support/MainFormTest.h"

#include "app/Main.h"
#include "dialogs/SettingDialog.h"
#include "widgets/NumberEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vt {
namespace {

using SettingDialogTest = test::MainFormTest;

void Key(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

TEST_F(SettingDialogTest, ReverseArmPositionDialog) {
    SettingDialog d(SettingKind::RevArmPosition, *s, form->controls(), form.get());
    d.show();
    EXPECT_EQ(d.windowTitle(), "Reverse Arm Position");
    EXPECT_EQ(d.size(), QSize(208, 64));
    EXPECT_EQ(d.FixedText(1), "Cen = 6.023");
    EXPECT_EQ(d.FixedText(4), "Max = 7.323");
    EXPECT_EQ(d.Edit()->text(), "  6.023");
    d.Edit()->setText("");
    for (QChar ch : QString("-7.1.5")) Key(d.Edit(), 0, ch);
    EXPECT_EQ(d.Edit()->text(), "-7.15");
    Key(&d, Qt::Key_Return); // discarded: the dialog stays open
    EXPECT_TRUE(d.isVisible());
    d.Edit()->setText("7.0");
    d.OkButton()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(form->controls().RevArm.Pos, 977);
    EXPECT_EQ(s->DirectionText, "Fwd");
    s->RevArmPos = 123456789.0f;
    d.show();
    EXPECT_EQ(d.Edit()->text(), "123456792."); // cut to ten characters
}

TEST_F(SettingDialogTest, DriverAngleDialogEnterPressesOk) {
    SettingDialog d(SettingKind::DriverAngle, *s, form->controls(), form.get());
    d.show();
    EXPECT_EQ(d.Edit()->text(), "0.00"); // the motion runs
    QTest::mouseClick(d.Edit(), Qt::LeftButton);
    d.Edit()->setText("");
    for (QChar ch : QString("-45.5")) Key(d.Edit(), 0, ch);
    EXPECT_EQ(d.Edit()->text(), "45.5"); // no minus sign here
    Key(d.Edit(), Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FLOAT_EQ(s->DriverAngle, 45.5f);
    EXPECT_FALSE(form->controls().Running);
}

TEST_F(SettingDialogTest, StepAngleDialogEscapeCancels) {
    SettingDialog d(SettingKind::StepAngle, *s, form->controls(), form.get());
    d.show();
    EXPECT_EQ(d.Edit()->text(), "10.00");
    d.Edit()->setText("2.5");
    Key(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(s->StepAngle, 10.0f);
    d.show();
    d.Edit()->setText("2.5");
    d.OkButton()->click();
    EXPECT_EQ(s->StepAngle, 2.5f);
    EXPECT_EQ(s->RunStep, 2.5f);
}

// Enter on the focused "Cancel" presses "Cancel": the running motion goes on.
TEST_F(SettingDialogTest, EnterPressesTheFocusedButton) {
    for (SettingKind kind : {SettingKind::DriverAngle, SettingKind::StepAngle}) {
        SettingDialog d(kind, *s, form->controls(), form.get());
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        ASSERT_TRUE(focused && focused->text() == "Cancel");
        QTest::keyClick(focused, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(form->controls().Running);
        EXPECT_EQ(s->StepAngle, 10.0f);
    }
}

} // namespace
} // namespace vt
