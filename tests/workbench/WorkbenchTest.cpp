// The gear workbench as a user works it: a sample opened, a value typed and undone, a
// refused value, a drag that moves the gear, the wheel's zoom about the cursor, the save
// question on close, the DXF file read back by ezdxf, a comparison, and the main window's
// File menu opening a design.
#include "workbench/WorkbenchFixture.h"

#include "gears/Gears.h"
#include "workbench/DimensionTable.h"
#include "workbench/GearCanvas.h"
#include "workbench/Workbench.h"
#include "workbench/Workbenches.h"

#include <QDir>
#include <QInputDialog>
#include <QProcess>
#include <QSlider>
#include <QStyle>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace vt::wb {
namespace {

TEST_F(WorkbenchTest, OpensASampleWithItsTableGroupedAndUnmodified) {
    EXPECT_TRUE(w->windowTitle().startsWith("Walschaerts.vgear[*]"));
    EXPECT_FALSE(w->isWindowModified());
    const auto dims = w->Design().Kind->Dimensions();
    DimensionTable* t = Table();
    QTreeWidgetItem* stroke = t->Row(Dim("StrokeLen"));
    ASSERT_TRUE(stroke);
    EXPECT_EQ(stroke->parent()->text(0), "Crank and rods");
    EXPECT_EQ(stroke->text(DimensionTable::Value), "26");
    EXPECT_EQ(stroke->text(DimensionTable::Unit), "in");
    EXPECT_EQ(stroke->text(DimensionTable::Bounds), "10 to 40");
    int rows = 0;
    for (int g = 0; g < t->topLevelItemCount(); ++g)
        rows += t->topLevelItem(g)->childCount();
    EXPECT_EQ(rows, int(dims.size()));
    EXPECT_TRUE(w->Pose().Ok());
}

TEST_F(WorkbenchTest, ATypedValueIsOneUndoStepThatCtrlZTakesBack) {
    Type("MainRodLen", "125");
    EXPECT_DOUBLE_EQ(Value("MainRodLen"), 125);
    EXPECT_TRUE(w->isWindowModified());
    EXPECT_EQ(w->Undo().count(), 1);
    const double crosshead = w->Pose().Crosshead;
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(Value("MainRodLen"), 120);
    EXPECT_FALSE(w->isWindowModified()); // back to the design as opened
    EXPECT_NEAR(w->Pose().Crosshead, crosshead - 5,
                1e-6); // crank on the dead centre: the rod's change
    EXPECT_EQ(Table()->Row(Dim("MainRodLen"))->text(DimensionTable::Value), "120");
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(Value("MainRodLen"), 125);
}

TEST_F(WorkbenchTest, ARefusedValueSaysWhyAndChangesNothing) {
    const gears::GearDesign before = w->Design();
    for (const char* bad : {"-5", "inf", "twelve"}) {
        const auto asked = test::AnswerMessageBox(Qt::Key_Return);
        Type("MainRodLen", bad);
        EXPECT_FALSE(asked->isEmpty()) << bad;
        EXPECT_TRUE(asked->contains("was not changed")) << asked->toStdString();
        EXPECT_TRUE(w->Design() == before) << bad;
        EXPECT_EQ(w->Undo().count(), 0);
        EXPECT_EQ(Table()->Row(Dim("MainRodLen"))->text(DimensionTable::Value), "120");
    }
    EXPECT_FALSE(w->isWindowModified());
}

TEST_F(WorkbenchTest, DraggingTheValueMovesTheGearLiveInOneUndoStep) {
    Table()->SelectDimension(Dim("CombLeverValve"));
    auto* slider = w->findChild<QSlider*>("dragValue");
    ASSERT_TRUE(slider && slider->isEnabled());
    auto at = [slider](int v) { return SliderPoint(slider, v); };
    w->SetCrank(90);
    const double valve = w->Pose().Valve, lever = Value("CombLeverValve");
    QTest::mousePress(slider, Qt::LeftButton, {}, at(slider->value()));
    std::vector<double> seen;
    for (int step = 1; step <= 4; ++step) {
        QTest::mouseMove(slider, at(slider->value()) + QPoint(15, 0));
        seen.push_back(w->Pose().Valve);
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, at(slider->value()));
    EXPECT_GT(Value("CombLeverValve"), lever);
    for (std::size_t i = 1; i < seen.size(); ++i)
        EXPECT_NE(seen[i], seen[i - 1]); // live, every move
    EXPECT_NE(w->Pose().Valve, valve);
    EXPECT_EQ(w->Undo().count(), 1);
    w->Undo().undo();
    EXPECT_DOUBLE_EQ(Value("CombLeverValve"), lever);
    EXPECT_NEAR(w->Pose().Valve, valve, 1e-9);
}

TEST_F(WorkbenchTest, TheWheelZoomsAboutTheCursorAndCtrl0FitsAgain) {
    GearCanvas& c = w->Drawing();
    const GearView fitted = c.View();
    const QPointF cursor(c.width() * 0.3, c.height() * 0.6);
    const Vec2 under = ToModel(fitted, {cursor.x(), cursor.y()});
    QWheelEvent e(cursor, c.mapToGlobal(cursor), QPoint(), QPoint(0, 240), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&c, &e);
    EXPECT_NEAR(c.View().Scale, fitted.Scale * 1.44, 1e-9);
    EXPECT_LT((ToPixel(c.View(), under) - Vec2(cursor.x(), cursor.y())).norm(), 1e-6);
    const GearView zoomed = c.View();
    QTest::mousePress(&c, Qt::MiddleButton, {}, QPoint(100, 100));
    QTest::mouseMove(&c, QPoint(130, 90));
    QTest::mouseRelease(&c, Qt::MiddleButton, {}, QPoint(130, 90));
    EXPECT_DOUBLE_EQ(c.View().X, zoomed.X + 30); // the middle drag pans with the mouse
    EXPECT_DOUBLE_EQ(c.View().Y, zoomed.Y - 10);
    QTest::keyClick(w, Qt::Key_0, Qt::ControlModifier);
    EXPECT_NEAR(c.View().Scale, fitted.Scale, 1e-9);
    EXPECT_NEAR(c.View().X, fitted.X, 1e-9);
    w->resize(w->width() + 300, w->height());
    QApplication::processEvents();
    EXPECT_GT(c.View().Scale, fitted.Scale); // a fitted view fills the larger window
}

TEST_F(WorkbenchTest, ClosingAChangedDesignAsksAndSavesAtomicallyOrDiscardsOrStays) {
    QFile::copy(QDir(VT_DATA_DIR).filePath("Walschaerts.vgear"), dir.filePath("W.vgear"));
    QPointer<Workbench> mine = benches->OpenPath(dir.filePath("W.vgear"));
    Activate(mine);
    Type("StrokeLen", "28");
    auto asked = test::AnswerMessageBox(Qt::Key_Escape);
    EXPECT_FALSE(mine->close());
    EXPECT_EQ(*asked, "Save changes to W.vgear?");
    test::AnswerMessageBox(Qt::Key_S);
    EXPECT_TRUE(mine->close());
    const OpenedDesign saved = ReadDesign(dir.filePath("W.vgear"));
    ASSERT_TRUE(saved.Error.isEmpty());
    EXPECT_DOUBLE_EQ(saved.Design.Value("StrokeLen"), 28);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{"W.vgear"}); // no file left aside

    Workbench* other = Open("Walschaerts.vgear");
    Activate(other);
    Type("StrokeLen", "30");
    test::AnswerMessageBox(Qt::Key_D);
    EXPECT_TRUE(other->close());
    EXPECT_DOUBLE_EQ(
        ReadDesign(QDir(VT_DATA_DIR).filePath("Walschaerts.vgear")).Design.Value("StrokeLen"), 26);
}

TEST_F(WorkbenchTest, TheDxfFileReadsBackInEzdxfWithTheGearAndThePinPaths) {
    w->SetCrank(30);
    for (const char* pin : {"Die", "ValvePin"})
        w->Action(pin)->trigger();
    answer = dir.filePath("gear.dxf");
    ASSERT_TRUE(w->ExportDxf());
    QProcess python;
    python.start("/usr/bin/python3", {QString(VT_TESTS_DIR) + "/workbench/read_dxf.py", answer});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const auto doc = nlohmann::json::parse(python.readAllStandardOutput().toStdString());
    EXPECT_EQ(doc["insunits"], 1); // inches
    const gears::GearPose& p = w->Pose();
    ASSERT_EQ(doc["circles"].size(), std::size_t(p.PinCount));
    for (int i = 0; i < p.PinCount; ++i) {
        EXPECT_NEAR(doc["circles"][std::size_t(i)][0].get<double>(), p.Pin(i).x(), 1e-9);
        EXPECT_NEAR(doc["circles"][std::size_t(i)][1].get<double>(), p.Pin(i).y(), 1e-9);
    }
    const int crank = w->Design().Kind->PinIndex("CrankPin"),
              axle = w->Design().Kind->PinIndex("Axle");
    bool crankLine = false;
    for (const auto& l : doc["lines"])
        crankLine |= l[4] == "BODIES" &&
                     std::hypot(l[0].get<double>() - p.Pin(axle).x(),
                                l[1].get<double>() - p.Pin(axle).y()) < 1e-9 &&
                     std::hypot(l[2].get<double>() - p.Pin(crank).x(),
                                l[3].get<double>() - p.Pin(crank).y()) < 1e-9;
    EXPECT_TRUE(crankLine);
    const auto& die = doc["polylines"]["PATH-Die"];
    ASSERT_EQ(doc["polylines"].size(), 2u);
    EXPECT_TRUE(die["closed"].get<bool>());
    ASSERT_EQ(die["points"].size(), 360u);
    const gears::GearPose start = w->Design().Kind->MakeSolver(w->Design())->Solve(0, w->Setting());
    const int diePin = w->Design().Kind->PinIndex("Die");
    EXPECT_NEAR(die["points"][0][0].get<double>(), start.Pin(diePin).x(), 1e-9);
    EXPECT_NEAR(die["points"][0][1].get<double>(), start.Pin(diePin).y(), 1e-9);
}

// Pixels of the drawing that are neither white nor a body's full colour: the ghost's.
int PaleDots(QWidget& drawing) {
    const QImage image = drawing.grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::min({c.red(), c.green(), c.blue()}) > 150 && c != Qt::white;
        }
    return n;
}

TEST_F(WorkbenchTest, CompareWithAnotherOpenDesignOrAFileDrawsItsGhostBeneath) {
    Workbench* inside = Open("Walschaerts Inside.vgear");
    Activate(w);
    const int alone = PaleDots(w->Drawing());
    Choose(inside->windowTitle().remove("[*]"));
    w->Action("Compare &With...")->trigger();
    ASSERT_TRUE(w->Compared());
    EXPECT_EQ(w->Compared()->Name, inside->Design().Name);
    w->Action("Clear &Comparison")->trigger();
    EXPECT_FALSE(w->Compared());
    answer = QDir(VT_DATA_DIR).filePath("Gooch.vgear");
    Choose("A design from a file...");
    w->Action("Compare &With...")->trigger();
    ASSERT_TRUE(w->Compared());
    EXPECT_EQ(w->Compared()->Kind->Name(), "gooch");
    EXPECT_GT(PaleDots(w->Drawing()), alone + 200);
}

TEST_F(WorkbenchTest, TheMainWindowsFileMenuOpensGearFilesAndClassicDesigns) {
    State s;
    MainForm form(s);
    form.Timer().stop();
    form.SetGearDesignOpeners({[this, &form] { benches->NewDesign(&form); },
                               [this, &form] { benches->OpenDesign(&form); }});
    answer = QDir(VT_DATA_DIR).filePath("Nominal.dvt");
    form.MenuAction(Cmd::OpenGearDesign)->trigger();
    const auto open = benches->Windows();
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open.back()->Design().Kind->Name(), "classic");
    EXPECT_TRUE(open.back()->Path().isEmpty()); // saved as a gear file under a new name
    EXPECT_TRUE(open.back()->Pose().Ok());
    QTimer::singleShot(50, [] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog)
            dialog->setTextValue(QString::fromUtf8(gears::AllGears().back()->Caption())),
                dialog->accept();
    });
    form.MenuAction(Cmd::NewGearDesign)->trigger();
    ASSERT_EQ(benches->Windows().size(), 3u);
    EXPECT_EQ(benches->Windows().back()->Design().Kind, gears::AllGears().back());
    answer = QDir(VT_DATA_DIR).filePath("instruct.doc");
    form.MenuAction(Cmd::OpenGearDesign)->trigger();
    EXPECT_EQ(benches->Windows().size(), 3u);
    EXPECT_EQ(reports.size(), 1);
}

} // namespace
} // namespace vt::wb
