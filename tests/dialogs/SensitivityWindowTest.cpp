// The "Sensitivity and Wear" window as a user drives it: opened from its menu item and
// tool button, computed by the Compute button on a worker thread, sorted by a click on a
// heading, cancelled by Cancel, a wrong tolerance refused with its reason, the CSV saved.
#include "dialogs/SensitivityWindow.h"

#include "diagrams/InfluenceChart.h"
#include "support/MainFormTest.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

struct SensitivityWindowTest : test::MainFormTest {
    QString chosen;
    QStringList reports;
    std::unique_ptr<SensitivityWindow> window;
    void SetUp() override {
        MainFormTest::SetUp();
        window = std::make_unique<SensitivityWindow>(
            *s, FileUi{[this](const FileDialogFacts&) { return chosen; },
                       [this](const QString& m) { reports << m; }},
            form.get());
        MainForm::Dialogs d;
        d.sensitivity = window.get();
        form->SetDialogs(d);
    }
    template <class W> W* Find(const char* name) { return window->findChild<W*>(name); }
    void Type(const char* field, const QString& text) {
        QWidget* w = Find<QWidget>(field);
        QLineEdit* edit = qobject_cast<QLineEdit*>(w);
        if (auto* combo = qobject_cast<QComboBox*>(w)) edit = combo->lineEdit();
        if (auto* spin = qobject_cast<QSpinBox*>(w)) edit = spin->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // Clicks Compute and waits for the work to end.
    void Compute() {
        QSignalSpy finished(window.get(), &SensitivityWindow::Finished);
        QTest::mouseClick(Find<QPushButton>("Compute"), Qt::LeftButton);
        ASSERT_TRUE(finished.count() > 0 || finished.wait(60000));
    }
    QString Status() { return Find<QLabel>("Status")->text(); }
};

TEST_F(SensitivityWindowTest, MenuItemAndToolButtonOpenTheWindow) {
    QAction* item = form->MenuAction(Cmd::Sensitivity);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Se&nsitivity");
    const QList<QAction*> tools = form->findChild<QToolBar*>("ToolBar1")->actions();
    const auto tool = std::find_if(tools.begin(), tools.end(), [](const QAction* a) {
        return a->toolTip() == "Sensitivity and Wear of the Valve Events";
    });
    ASSERT_NE(tool, tools.end());
    QTimer::singleShot(0, window.get(), [this] { window->accept(); });
    (*tool)->trigger();
    auto* table = Find<QTableWidget>("Influences");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 48);
    EXPECT_EQ(table->item(0, 0)->text(), "BridgeWidthFront"); // by name until sorted otherwise
    EXPECT_DOUBLE_EQ(table->item(0, 1)->data(Qt::DisplayRole).toDouble(),
                     std::round(double(s->BridgeWidthFront) * 1e4) / 1e4);
}

TEST_F(SensitivityWindowTest, ComputeSortAndSaveWhatItShows) {
    window->show();
    Type("Position", "full-fwd");
    Type("Designs", "40");
    Type("LostMotions", "0.01");
    Compute();
    ASSERT_TRUE(window->Report().has_value()) << Status().toStdString();
    const SensitivityReport& r = *window->Report();
    EXPECT_EQ(r.Position, "full-fwd");
    EXPECT_EQ(r.MonteCarlo.Designs, 40);
    ASSERT_EQ(r.Wear.size(), 1u);
    auto* table = Find<QTableWidget>("Influences");
    // A click on the front lead's heading sorts by it; the stem's -1 comes near an end.
    const int column = 3;
    QHeaderView* heading = table->horizontalHeader();
    const QPoint at(heading->sectionViewportPosition(column) + 5, heading->height() / 2);
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, at);
    std::vector<double> shown;
    for (int row = 0; row < table->rowCount(); ++row)
        shown.push_back(table->item(row, column)->data(Qt::DisplayRole).toDouble());
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()) ||
                std::is_sorted(shown.rbegin(), shown.rend()));
    EXPECT_EQ(std::min(shown.front(), shown.back()), *std::min_element(shown.begin(), shown.end()));
    // Spread rows, the new gear and the worn gear below.
    EXPECT_EQ(Find<QTableWidget>("SpreadAndWear")->rowCount(), 6);
    // The chart shows bars of both colours for the chosen figure.
    const QImage& chart = window->Chart().Image();
    bool blue = false, red = false;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            blue |=
                chart.pixelColor(x, y) == QColor(kRaisesColor.r, kRaisesColor.g, kRaisesColor.b);
            red |= chart.pixelColor(x, y) == QColor(kLowersColor.r, kLowersColor.g, kLowersColor.b);
        }
    EXPECT_TRUE(blue && red);

    QTemporaryDir dir;
    chosen = dir.filePath("sensitivity.csv");
    QTest::mouseClick(Find<QPushButton>("SaveCsv"), Qt::LeftButton);
    QFile saved(chosen);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), FormatSensitivityCsv(r));
    chosen = dir.filePath("missing/sensitivity.csv");
    QTest::mouseClick(Find<QPushButton>("SaveCsv"), Qt::LeftButton);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("could not be saved as " + chosen));
}

TEST_F(SensitivityWindowTest, CancelStopsTheWorkAndWrongEntriesAreRefused) {
    window->show();
    Type("Designs", "100000");
    QSignalSpy finished(window.get(), &SensitivityWindow::Finished);
    QTest::mouseClick(Find<QPushButton>("Compute"), Qt::LeftButton);
    EXPECT_TRUE(window->Running());
    QTest::mouseClick(Find<QPushButton>("Cancel"), Qt::LeftButton);
    ASSERT_TRUE(finished.count() > 0 || finished.wait(60000));
    EXPECT_FALSE(window->Report().has_value());
    EXPECT_TRUE(Status().startsWith("Cancelled")) << Status().toStdString();

    Type("Position", "halfway");
    Compute();
    EXPECT_TRUE(Status().startsWith("The gear position must be")) << Status().toStdString();
    EXPECT_FALSE(window->Report().has_value());

    // A tolerance typed into the table: a number is taken, anything else refused.
    auto* table = Find<QTableWidget>("Influences");
    table->item(0, 2)->setText("abc");
    EXPECT_TRUE(Status().startsWith("A tolerance must be a number")) << Status().toStdString();
    EXPECT_DOUBLE_EQ(table->item(0, 2)->data(Qt::DisplayRole).toDouble(), kDefaultLengthTolerance);
}

} // namespace
} // namespace vt
