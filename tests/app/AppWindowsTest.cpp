// The program's set of windows: each menu command opens its own window, and every window
// and dialog opened and closed 200 times leaves no object
// behind; the sanitizer build's leak check at exit covers what the rounds allocated.
#include "app/AppWindows.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace vt {
namespace {

constexpr int kRounds = 200;
constexpr int kWaitRounds = 2000; // 1 ms waits for a graph window's first drawing
constexpr int kDialogs = 16;

struct AppWindowsTest : ::testing::Test {
    AppWindows w;
    // Closes the modal dialog that runs (or only `target` when one is set) once two
    // polls 1 ms apart found it, so that what its opening posted has run; notes it.
    QTimer closer;
    QWidget* target = nullptr;
    QWidget* seen = nullptr;
    std::vector<QWidget*> closed;

    void SetUp() override {
        w.main.Timer().stop(); // the test ticks nothing; a graph window starts it on closing
        w.main.show();
        closer.setInterval(1);
        QObject::connect(&closer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (target && modal != target) modal = nullptr;
            if (modal && modal == seen) {
                closed.push_back(modal);
                modal->close();
                modal = nullptr;
            }
            seen = modal;
        });
    }
    std::size_t Objects() const { return std::size_t(w.main.findChildren<QObject*>().size()); }

    // Runs `round` `rounds` times; the first opening may create what later ones reuse, so
    // the counts are taken after it.
    void Repeat(const std::function<void()>& round, int rounds = kRounds) {
        round();
        const std::size_t objects = Objects();
        const qsizetype windows = QApplication::topLevelWidgets().size();
        for (int i = 1; i < rounds && !HasFailure(); ++i) round();
        EXPECT_EQ(Objects(), objects);
        EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    }

    // A dialog opened modally without a blocking loop, then closed as by its title bar.
    static void OpenAndClose(QDialog& d) {
        d.open();
        QApplication::processEvents();
        ASSERT_TRUE(d.isVisible());
        d.close();
        QApplication::processEvents();
        ASSERT_FALSE(d.isVisible());
    }

    // A graph window draws once it is up (after the positions dialog it opens, which the
    // closer ends), with the animation stopped; closing it starts the animation again.
    void OpenAndCloseGraph(GraphWindow& g) {
        const int drawings = g.Drawings();
        w.main.Timer().start();
        target = &w.positions;
        closer.start();
        g.open();
        for (int i = 0; i < kWaitRounds && g.Drawings() == drawings; ++i) QTest::qWait(1);
        closer.stop();
        target = nullptr;
        ASSERT_EQ(g.Drawings(), drawings + 1);
        ASSERT_TRUE(g.isVisible());
        ASSERT_FALSE(w.positions.isVisible());
        ASSERT_FALSE(w.main.Timer().isActive());
        g.close();
        ASSERT_FALSE(g.isVisible());
        ASSERT_TRUE(w.main.Timer().isActive());
        w.main.Timer().stop();
    }
};

TEST_F(AppWindowsTest, EachMenuCommandOpensItsWindow) {
    const std::vector<std::pair<Cmd, std::vector<QWidget*>>> opens = {
        {Cmd::SetRefPoints, {&w.refPoints}},
        {Cmd::SetGraphicZoom, {&w.graphicZoom}},
        {Cmd::SetRevArmPos, {&w.revArmPosition}},
        {Cmd::SetDriverAng, {&w.driverAngle}},
        {Cmd::SetStepAng, {&w.stepAngle}},
        {Cmd::Instructions, {&w.instructions}},
        {Cmd::InstructionsSpecial, {&w.special}},
        {Cmd::About, {&w.about}},
        {Cmd::DataTable, {&w.dataTable}},
        {Cmd::DrawLinesCircles, {&w.drawLines}},
        {Cmd::FrameDimensions, {&w.frameDimensions}},
        {Cmd::CylinderDimensions, {&w.cylDimensions}},
        {Cmd::EventsTable, {&w.eventsTable}},
        {Cmd::ValveSetting, {&w.valveSetting}},
        {Cmd::Sensitivity, {&w.sensitivity}},
        {Cmd::SineDiagram, {&w.positions, &w.sine}}, // the positions dialog over the window
        {Cmd::OvalDiagram, {&w.positions, &w.oval}},
        {Cmd::SteamDiagram, {&w.positions, &w.steam}},
        {Cmd::PortOpenClose, {&w.ports}},
    };
    closer.start();
    for (const auto& [cmd, windows] : opens) {
        closed.clear();
        w.main.Command(cmd); // returns once the closer has ended every modal loop
        EXPECT_EQ(closed, windows) << int(cmd);
        w.main.Timer().stop(); // a graph window started it on closing
    }
}

// One dialog of the set per case, in the order of the table.
struct DialogRounds : AppWindowsTest, ::testing::WithParamInterface<int> {
    QDialog* Dialog() {
        const std::array<QDialog*, kDialogs> dialogs = {
            &w.refPoints,     &w.graphicZoom, &w.revArmPosition, &w.driverAngle, &w.stepAngle,
            &w.instructions,  &w.special,     &w.about,          &w.dataTable,   &w.frameDimensions,
            &w.cylDimensions, &w.drawLines,   &w.eventsTable,    &w.positions,   &w.valveSetting,
            &w.sensitivity};
        return dialogs.at(std::size_t(GetParam()));
    }
};

TEST_P(DialogRounds, OpenedAndClosedRepeatedly) {
    QDialog* d = Dialog();
    const QString name = QString("%1 %2").arg(d->metaObject()->className(), d->windowTitle());
    SCOPED_TRACE(name.toStdString());
    Repeat([d] { OpenAndClose(*d); }, kRounds);
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogRounds, ::testing::Range(0, kDialogs));

TEST_F(AppWindowsTest, EveryGraphWindowOpenedAndClosedRepeatedly) {
    for (GraphWindow* g : {&w.sine, &w.oval, &w.steam, &w.ports}) {
        SCOPED_TRACE(g->windowTitle().toStdString());
        Repeat([this, g] { OpenAndCloseGraph(*g); });
    }
}

TEST_F(AppWindowsTest, MainWindowShownAndClosedRepeatedly) {
    Repeat([this] {
        w.main.show();
        QApplication::processEvents();
        ASSERT_TRUE(w.main.isVisible());
        w.main.close();
        QApplication::processEvents();
        ASSERT_FALSE(w.main.isVisible());
    });
}

} // namespace
} // namespace vt
