// The design tools on a workbench: the Valve Setting window opened from the Tools menu
// names the gear's own dimensions, solves on its worker and applies its result as one
// undo step a dimension, which Ctrl+Z takes back one by one; Sensitivity and Wear lists
// the gear's own dimensions and changes nothing; the help menu's page.
#include "workbench/WorkbenchFixture.h"

#include "dialogs/HelpWindow.h"
#include "dialogs/SensitivityWindow.h"
#include "dialogs/ValveSetting.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace vt::wb {
namespace {

using ToolsTest = WorkbenchTest;

// Ticks a dimension's "Vary" box with the keyboard, as a user toggles a check box.
void Vary(QTableWidget& t, const QString& caption) {
    const auto found = t.findItems(caption, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << caption.toStdString();
    t.setFocus();
    t.setCurrentItem(found[0]);
    QTest::keyClick(&t, Qt::Key_Space);
    ASSERT_EQ(found[0]->checkState(), Qt::Checked);
}

TEST_F(ToolsTest, ValveSettingAppliesOneUndoStepPerDimensionThatCtrlZTakesBack) {
    w->Action("&Valve Setting...")->trigger();
    auto* tool = w->findChild<ValveSettingWindow*>();
    ASSERT_TRUE(tool && tool->isVisible());
    QTest::mouseClick(tool->Button("SetTheValve"), Qt::LeftButton); // equal leads, both gears
    auto& dims = *tool->findChild<QTableWidget*>("Dimensions");
    EXPECT_EQ(dims.rowCount(), int(DimensionChoices(w->Design()).size()));
    Vary(dims, "Eccentric rod");
    Vary(dims, "Valve pin to valve centre");
    const gears::GearDesign before = w->Design();
    QTest::mouseClick(tool->Button("Solve"), Qt::LeftButton);
    for (int i = 0; i < 6000 && tool->Solving(); ++i)
        QTest::qWait(10);
    ASSERT_TRUE(tool->Result());
    int changed = 0;
    for (const VariableOutcome& v : tool->Result()->Variables)
        changed += v.After != v.Before;
    ASSERT_EQ(changed, 2);
    const std::vector<VariableOutcome> found = tool->Result()->Variables;
    QTest::mouseClick(tool->Button("Apply"), Qt::LeftButton);
    EXPECT_EQ(w->Undo().count(), 2);
    for (const VariableOutcome& v : found)
        EXPECT_DOUBLE_EQ(w->Design().Values[std::size_t(v.Variable.Index)], v.After);
    EXPECT_TRUE(w->Undo().text(0).startsWith("Valve setting: "));
    QTest::mouseClick(tool->Button("Close"), Qt::LeftButton);
    Activate(w);
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->Undo().index(), 1);
    EXPECT_FALSE(w->Design() == before); // one dimension back, the other still applied
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->Undo().index(), 0);
    EXPECT_TRUE(w->Design() == before);
    EXPECT_FALSE(w->isWindowModified());
}

TEST_F(ToolsTest, SensitivityRowsAreTheGearsOwnDimensionsAndChangeNothing) {
    w->Action("&Sensitivity and Wear...")->trigger();
    auto* tool = w->findChild<SensitivityWindow*>();
    ASSERT_TRUE(tool && tool->isVisible());
    auto& rows = *tool->findChild<QTableWidget*>("Influences");
    ASSERT_EQ(rows.rowCount(), int(w->Design().Kind->Dimensions().size()));
    const auto radius = rows.findItems("Radius rod", Qt::MatchExactly);
    ASSERT_EQ(radius.size(), 1);
    EXPECT_EQ(rows.item(radius[0]->row(), 1)->text(), "60"); // its value in this design
    auto* designs = tool->findChild<QSpinBox*>("Designs");
    designs->selectAll();
    QTest::keyClicks(designs, "0"); // no Monte Carlo check: the derivatives alone
    const gears::GearDesign before = w->Design();
    QTest::mouseClick(tool->findChild<QPushButton*>("Compute"), Qt::LeftButton);
    for (int i = 0; i < 6000 && tool->Running(); ++i)
        QTest::qWait(10);
    ASSERT_TRUE(tool->Report());
    EXPECT_FALSE(rows.item(radius[0]->row(), 3)->text().isEmpty()); // a derivative shown
    EXPECT_TRUE(w->Design() == before);
    EXPECT_EQ(w->Undo().count(), 0);
}

TEST_F(ToolsTest, TheHelpMenuExplainsTheWorkbench) {
    w->Action("&Gear Workbench")->trigger();
    auto* help = w->findChild<HelpWindow*>();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_TRUE(help->LoadError().isEmpty()) << help->LoadError().toStdString();
    for (const char* topic : {"THE VALVE EVENTS", "COMPARING TWO DESIGNS", "Valve Setting"})
        EXPECT_TRUE(help->Text().contains(topic)) << topic;
}

} // namespace
} // namespace vt::wb
