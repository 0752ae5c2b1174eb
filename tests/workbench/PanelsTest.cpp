// The workbench's panels as a user works them: a dragged value and the reverser's notch
// buttons move the live events and the notch table; a compared design stands beside the
// design in both; a diagram saved through its button is written as PNG and SVG.
#include "workbench/WorkbenchFixture.h"

#include "workbench/DiagramsDock.h"
#include "workbench/EventsDock.h"

#include <QImage>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

namespace vt::wb {
namespace {

struct PanelsTest : WorkbenchTest {
    QTableWidget& Current() const { return w->findChild<EventsDock*>()->CurrentTable(); }
    QTableWidget& Notches() const { return w->findChild<EventsDock*>()->NotchTable(); }
    // The panel's text of a quantity ("Lead") at one end (0 front, 1 rear).
    QString Now(const char* caption, int end) const {
        for (int r = 0; r < Current().rowCount(); ++r)
            if (Current().verticalHeaderItem(r)->text().startsWith(caption))
                return Current().item(r, end)->text();
        return {};
    }
    int NotchColumn(const QString& header) const {
        for (int c = 0; c < Notches().columnCount(); ++c)
            if (Notches().horizontalHeaderItem(c)->text().startsWith(header)) return c;
        return -1;
    }
    QString SelectedNotch(const QString& header) const {
        const auto rows = Notches().selectionModel()->selectedRows();
        if (rows.size() != 1) return "no one row selected";
        return Notches().item(rows[0].row(), NotchColumn(header))->text();
    }
    void Click(const char* caption) {
        for (auto* b : w->findChildren<QPushButton*>())
            if (b->text() == caption) return QTest::mouseClick(b, Qt::LeftButton);
        FAIL() << caption;
    }
};

TEST_F(PanelsTest, ADraggedValueAndTheReverserMoveTheLiveEventsAndTheNotchTable) {
    Click("Full Forward");
    WaitForTable();
    EXPECT_TRUE(SelectedNotch("Row") == "F18");
    EXPECT_EQ(SelectedNotch("F lead"), Now("Lead", 0)); // the panel and the table agree
    EXPECT_EQ(SelectedNotch("R cut-off"), Now("Cut-off", 1));
    const QString fullCutOff = Now("Cut-off", 0);
    Click("Mid Gear");
    EXPECT_TRUE(SelectedNotch("Row") == "F0");
    EXPECT_NE(Now("Cut-off", 0), fullCutOff); // mid gear cuts off earlier than full gear
    Click("Full Forward");

    Table()->SelectDimension(Dim("CombLeverValve"));
    auto* slider = w->findChild<QSlider*>("dragValue");
    ASSERT_TRUE(slider && slider->isEnabled());
    auto at = [slider](int v) { return SliderPoint(slider, v); };
    QStringList leads{Now("Lead", 0)};
    QTest::mousePress(slider, Qt::LeftButton, {}, at(slider->value()));
    for (int step = 1; step <= 3; ++step) {
        QTest::mouseMove(slider, at(slider->value()) + QPoint(20, 0));
        leads << Now("Lead", 0); // at once, before any table
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, at(slider->value()));
    for (int i = 1; i < leads.size(); ++i)
        EXPECT_NE(leads[i], leads[i - 1]);
    EXPECT_FALSE(w->Events().TableReady()); // the notches follow after
    WaitForTable();
    EXPECT_EQ(SelectedNotch("F lead"), leads.back());
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Now("Lead", 0), leads.front());
}

TEST_F(PanelsTest, AComparedDesignStandsBesideTheDesignWithTheDifference) {
    Click("Full Forward");
    WaitForTable();
    const QString alone = SelectedNotch("F cut-off"), nowAlone = Now("Cut-off", 0);
    Workbench* inside = Open("Walschaerts Inside.vgear");
    Activate(w);
    Choose(inside->windowTitle().remove("[*]"));
    w->Action("Compare &With...")->trigger();
    WaitForTable();
    const QString both = SelectedNotch("F cut-off");
    EXPECT_TRUE(both.startsWith(alone + " / ")) << both.toStdString();
    const QStringList parts = both.split(' ');
    ASSERT_EQ(parts.size(), 4);
    const double difference = parts[0].toDouble() - parts[2].toDouble();
    EXPECT_NEAR(parts[3].mid(1, parts[3].size() - 2).toDouble(), difference, 0.051);
    EXPECT_TRUE(Now("Cut-off", 0).startsWith(nowAlone + " / "));
    w->Action("Clear &Comparison")->trigger();
    WaitForTable();
    EXPECT_EQ(SelectedNotch("F cut-off"), alone);
}

TEST_F(PanelsTest, ADiagramSavesAsPngAndSvgThroughItsButton) {
    auto* dock = w->findChild<DiagramsDock*>();
    ASSERT_TRUE(dock);
    WaitForTable();
    QTabBar* tabs = dock->Tabs().tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    ASSERT_EQ(dock->Tabs().currentIndex(), 2);
    auto* save = dock->findChild<QPushButton*>("saveDiagram");
    answer = dir.filePath("ports.svg");
    QTest::mouseClick(save, Qt::LeftButton);
    QSvgRenderer svg(answer);
    ASSERT_TRUE(svg.isValid());
    EXPECT_GT(QFileInfo(answer).size(), 10000); // the traces of every notch, as shapes
    answer = dir.filePath("ports.png");
    QTest::mouseClick(save, Qt::LeftButton);
    const QImage png(answer);
    ASSERT_FALSE(png.isNull());
    int coloured = 0; // the traces' pixels: red, teal, green
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QColor c = png.pixelColor(x, y);
            coloured += c.red() != c.green() || c.green() != c.blue();
        }
    EXPECT_GT(coloured, 2000);
    EXPECT_TRUE(reports.isEmpty());
}

} // namespace
} // namespace vt::wb
