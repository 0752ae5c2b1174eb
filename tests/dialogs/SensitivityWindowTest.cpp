// The "Sensitivity and Wear" window as a user drives it: opened from its menu item and
// tool button, computed by the Compute button on a worker thread, sorted by a click on a
// heading, cancelled by Cancel, a wrong tolerance refused with its reason, the CSV saved.
#include "dialogs/SensitivityWindow.h"

#include "diagrams/InfluenceChart.h"
#include "support/MainFormTest.h"

#include <QClipboard>
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
#include <functional>

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
    EXPECT_EQ(table->item(0, 0)->text(), "Bridge Width Front"); // by caption until sorted
    EXPECT_EQ(table->item(0, 0)->toolTip(), "BridgeWidthFront");
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
    // A click on the front lead's heading sorts by each tolerance's contribution to it,
    // largest first; the table keeps showing the derivatives.
    const int column = 3;
    QHeaderView* heading = table->horizontalHeader();
    const QPoint at(heading->sectionViewportPosition(column) + 5, heading->height() / 2);
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, at);
    std::vector<double> shares;
    for (int row = 0; row < table->rowCount(); ++row)
        shares.push_back(std::abs(table->item(row, column)->text().toDouble() *
                                  table->item(row, 2)->data(Qt::DisplayRole).toDouble()));
    EXPECT_TRUE(std::is_sorted(shares.rbegin(), shares.rend()));
    EXPECT_GT(shares.front(), 0.0);
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

    // A design that cannot be assembled at the position is said so, not shown as dashes.
    s->LiftingLinkLen = 60;
    Type("Position", "mid");
    Compute();
    EXPECT_TRUE(Status().contains("cannot be assembled: ")) << Status().toStdString();
    EXPECT_FALSE(window->Report().has_value());
    EXPECT_EQ(Find<QTableWidget>("Influences")->item(0, 3), nullptr);
}

// Opens the window through its menu item, runs `inside` while it shows, then closes it.
void OpenAndLook(MainForm& form, SensitivityWindow& w, const std::function<void()>& inside) {
    QTimer::singleShot(0, &w, [&] {
        inside();
        QTest::mouseClick(w.findChild<QPushButton*>("CloseSensitivity"), Qt::LeftButton);
    });
    form.MenuAction(Cmd::Sensitivity)->trigger();
}

TEST_F(SensitivityWindowTest, AnEarlierDesignsFiguresNeverShowBesideTodaysValues) {
    s->ValveStemLen += 0.05f; // a design of its own, not the built-in one
    s->DataSetName = "Long Stem";
    OpenAndLook(*form, *window, [&] {
        Type("Position", "full-fwd");
        Type("Designs", "20");
        Type("LostMotions", "0.01");
        Compute();
    });
    ASSERT_TRUE(window->Report().has_value());
    test::AnswerMessageBox(Qt::Key_D); // the changed design is discarded
    form->MenuAction(Cmd::ResetAllDimensions)->trigger();
    QApplication::clipboard()->setText("before");
    OpenAndLook(*form, *window, [&] {
        auto* table = Find<QTableWidget>("Influences");
        int stale = 0;
        for (int row = 0; row < table->rowCount(); ++row)
            stale += table->item(row, 3) && !table->item(row, 3)->text().isEmpty();
        EXPECT_EQ(stale, 0);
        EXPECT_EQ(Find<QTableWidget>("SpreadAndWear")->rowCount(), 0);
        QTest::mouseClick(Find<QPushButton>("CopySensitivity"), Qt::LeftButton);
        EXPECT_EQ(QApplication::clipboard()->text(), "before");
        EXPECT_TRUE(Status().contains("Compute")) << Status().toStdString();
    });
    EXPECT_FALSE(window->Report().has_value());
    // Computed again, the copy and the CSV name today's design and the position.
    OpenAndLook(*form, *window, [&] {
        Compute();
        QTest::mouseClick(Find<QPushButton>("CopySensitivity"), Qt::LeftButton);
    });
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(QString::fromStdString("\"" + s->DataSetName + "\"")));
    EXPECT_TRUE(copied.contains("full-fwd"));
    const std::string csv = FormatSensitivityCsv(*window->Report());
    EXPECT_NE(csv.find("," + s->DataSetName + ",full-fwd,"), std::string::npos);
}

// Double-clicks the tolerance cell of `row`, types `text` into its editor and presses Enter.
QLineEdit* EditTolerance(QTableWidget* table, int row, const QString& text, QString* shown) {
    table->scrollToItem(table->item(row, 2));
    const QPoint at = table->visualItemRect(table->item(row, 2)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!editor) return nullptr;
    if (shown) *shown = editor->text();
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the view commits the editor's text on its next turn
    return editor;
}

TEST_F(SensitivityWindowTest, ATolerancesCellTakesFineValuesAndRefusesImpossibleOnes) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* table = Find<QTableWidget>("Influences");
    int stem = -1;
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0)->toolTip() == "ValveStemLen") stem = row;
    ASSERT_GE(stem, 0);
    EXPECT_EQ(table->item(stem, 0)->text(), "Valve Stem");
    QString shown;
    ASSERT_NE(EditTolerance(table, stem, "0.0005", &shown), nullptr);
    EXPECT_EQ(shown, "0.002"); // the default, not cut to two decimals
    EXPECT_DOUBLE_EQ(table->item(stem, 2)->data(Qt::DisplayRole).toDouble(), 0.0005);
    EditTolerance(table, stem, "0.00001", &shown);
    EXPECT_EQ(shown, "0.0005");
    EXPECT_DOUBLE_EQ(table->item(stem, 2)->data(Qt::DisplayRole).toDouble(), 0.00001);
    const struct {
        const char* typed;
        const char* why;
    } refused[] = {{"-0.001", "negative"}, {"inf", "not a finite number"}, {"abc", "not a number"},
                   {"5", "larger than"}};
    for (const auto& r : refused) {
        EditTolerance(table, stem, r.typed, nullptr);
        EXPECT_TRUE(Status().contains(r.why)) << r.typed << ": " << Status().toStdString();
        EXPECT_DOUBLE_EQ(table->item(stem, 2)->data(Qt::DisplayRole).toDouble(), 0.00001);
    }
}

} // namespace
} // namespace vt
