// The pivot data table window: built on opening, Select All and Copy put it on the
// clipboard, and the button that opens it comes with the pivot data.
#include "app/Main.h"
#include "dialogs/DatTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace vt {
namespace {

TEST(DataTable, BuiltOnOpeningAndCopiedWhole) {
    auto s = std::make_unique<State>();
    MainForm form(*s);
    form.Timer().stop();
    DataTableWindow table(*s, &form);
    s->StepAngle = 45;
    table.show();
    EXPECT_TRUE(table.Text().startsWith("Pivot Data   Nominal     "));
    EXPECT_EQ(table.Text().count('\n'), 4 + 9); // 4 head lines and 9 rows, each ended
    EXPECT_FALSE(table.EditAction("Copy")->isEnabled());
    table.EditAction("SelectAll")->trigger();
    EXPECT_TRUE(table.EditAction("Copy")->isEnabled());
    EXPECT_FALSE(table.EditAction("SelectAll")->isEnabled());
    table.EditAction("Copy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), table.Text());
    // Numbers are cut to ten characters.
    s->StepAngle = 1234567;
    s->PivotSel[1] = 19;
    s->PivotX[19] = 123456789.0f;
    table.hide();
    table.show();
    EXPECT_TRUE(table.Text().contains("Step Angle 1234567.00\n"));
    EXPECT_TRUE(table.Text().contains("  123456792.   "));
}

TEST(DataTable, ButtonComesWithThePivotData) {
    auto s = std::make_unique<State>();
    MainForm form(*s);
    form.Timer().stop();
    form.show();
    QPushButton* button = form.findChild<QPushButton*>("DataTableBut");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isVisible());
    form.MenuAction(Cmd::PivotData)->trigger();
    EXPECT_TRUE(button->isVisible());
    EXPECT_TRUE(s->RefPointsOn);
    form.MenuAction(Cmd::ReferPoints)->trigger(); // the points off: the pivot data too
    EXPECT_FALSE(s->PivotDataOn);
    EXPECT_FALSE(button->isVisible());
}

} // namespace
} // namespace vt
