// The Set Reverse Arm Positions dialog as a user drives it: the list that a 0 ends, the
// fields that appear as the user types, the storing rules on leaving a field, and the
// key filter.
#include "graphs/SetReverArm.h"

#include "model/Real.h"
#include "support/Designs.h"
#include "widgets/NumberEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vt {
namespace {

struct SetRevArmTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    SetRevArmDialog d{*c, nullptr};
    void Open() {
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    }
    // Clicks into field k, types the text and leaves the field for the Close button.
    void Enter(int k, const QString& text) {
        NumberEdit* f = d.Field(k);
        f->setFocus();
        f->clear();
        for (QChar ch : text) QTest::keyClick(f, ch.toLatin1());
        d.CloseButton()->setFocus();
    }
};

TEST_F(SetRevArmTest, LayoutAtOpening) {
    Open();
    EXPECT_EQ(d.size(), QSize(409, 172)); // a line for a refusal below the classic layout
    EXPECT_EQ(d.Field(10)->geometry(), QRect(138, 31, 49, 15));
    EXPECT_EQ(d.Field(9)->geometry(), QRect(333, 95, 49, 15));
    EXPECT_EQ(d.CloseButton()->geometry(), QRect(158, 114, 92, 31));
    EXPECT_TRUE(d.CloseButton()->hasFocus());
    EXPECT_EQ(d.ScaleLabel(0)->text(), "Min 4.723");
    EXPECT_EQ(d.ScaleLabel(4)->text(), "Max 7.323");
    EXPECT_EQ(d.Field(10)->text(), "1.500");
    EXPECT_EQ(d.Field(2)->text(), "7.063");
    EXPECT_TRUE(d.Field(4)->isVisible()); // the next entry of the three in use
    EXPECT_FALSE(d.Field(5)->isVisible());
    EXPECT_EQ(d.PositionLabel(4)->text(), "Rev Arm Position  4");
    // Each label on the row of its field.
    for (int k = 1; k <= 4; ++k)
        EXPECT_LE(std::abs(d.PositionLabel(k)->y() - d.Field(k)->y()), 2) << k;
}

TEST_F(SetRevArmTest, ZeroForPositionThreeOfFiveEndsTheListAtTheNextDrawing) {
    for (int k = 4; k <= 5; ++k) c->RevArmSet[k] = c->RevArmSet[0] + 0.2f * float(k);
    Open();
    EXPECT_EQ(c->RevArmCount, 5);
    Enter(3, "0");
    EXPECT_EQ(c->RevArmSet[3], 0.0f);
    EXPECT_NE(c->RevArmSet[4], 0.0f); // until the next drawing
    d.CloseButton()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(c->RevArmSetChanged);
    EXPECT_EQ(c->RevArmCount, 2);
    EXPECT_EQ(c->RevArmSet[4], 0.0f);
    EXPECT_EQ(c->RevArmSet[5], 0.0f);
    EXPECT_FALSE(d.Field(4)->isVisibleTo(&d));
    EXPECT_FALSE(d.Field(5)->isVisibleTo(&d));
}

TEST_F(SetRevArmTest, StoringRulesOnLeavingAField) {
    Open();
    const float first = c->RevArmSet[1], second = c->RevArmSet[2];
    Enter(1, "0"); // 0.001, beyond the travel from mid gear - Max
    EXPECT_EQ(c->RevArmSet[1], first);
    Enter(2, "99");
    EXPECT_EQ(c->RevArmSet[2], second);
    Enter(2, "7.3");
    EXPECT_EQ(c->RevArmSet[2], 7.3f);
    Enter(10, "0.05");
    EXPECT_EQ(c->VertScale, 0.1f);
    Enter(10, "2.5");
    EXPECT_EQ(c->VertScale, 2.5f);
}

// Framed fields that stand apart; Ctrl+A selects a field's text; a position beyond the
// travel is refused with the beep, the field shows the kept value and a line the range.
TEST_F(SetRevArmTest, FieldsSelectAllAndRefuseAPositionBeyondTheTravel) {
    Open();
    for (int k = 1; k < 4; ++k) {
        EXPECT_TRUE(d.Field(k)->hasFrame());
        EXPECT_LT(d.Field(k)->geometry().bottom(), d.Field(k + 1)->y());
    }
    const float kept = c->RevArmSet[2];
    NumberEdit* f = d.Field(2);
    QTest::mouseClick(f, Qt::LeftButton);
    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f->selectedText(), f->text());
    QTest::keyClicks(f, "0.0073");
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_EQ(c->RevArmSet[2], kept);
    EXPECT_EQ(f->text(), "7.063");
    EXPECT_EQ(c.beeps(), 1);
    EXPECT_EQ(d.Refusal()->text(), "Refused 0.007: a position lies from 4.723 to 7.323");
    Enter(2, "5");
    EXPECT_EQ(c->RevArmSet[2], 5.0f);
    EXPECT_TRUE(d.Refusal()->text().isEmpty());
}

TEST_F(SetRevArmTest, EscapeClosesLikeCloseKeepingWhatWasTyped) {
    Open();
    NumberEdit* f = d.Field(10);
    f->setFocus();
    f->clear();
    QTest::keyClicks(f, "2.5");
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(c->VertScale, 2.5f);
    EXPECT_TRUE(c->RevArmSetChanged);
}

TEST_F(SetRevArmTest, KeyFilterAndTheListGrowingAsTheUserTypes) {
    Open();
    NumberEdit* f = d.Field(4);
    f->setFocus();
    f->clear();
    for (char ch : std::string("-1.2.5-x+ ")) QTest::keyClick(f, ch);
    EXPECT_EQ(f->text(), "-1.25");
    EXPECT_TRUE(d.Field(5)->isVisible()); // revealed by the typing
    EXPECT_TRUE(d.PositionLabel(5)->isVisible());
    QTest::keyClick(f, Qt::Key_Return); // Enter leaves for the Close button
    EXPECT_TRUE(d.CloseButton()->hasFocus());
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(c->RevArmSet[4], 0.0f); // -1.25 is beyond the travel
    // Even a refused key reveals the next field.
    d.Field(5)->setFocus();
    QTest::keyClick(d.Field(5), 'x');
    EXPECT_TRUE(d.Field(6)->isVisible());
}

} // namespace
} // namespace vt
