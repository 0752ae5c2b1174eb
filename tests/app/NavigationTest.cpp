// The main window on a large screen: the scene image follows the window's size, "Fit"
// shows the whole gear, the wheel zooms about the cursor and a middle drag pans, each
// through real events to the real widgets.
#include "support/MainFormTest.h"

#include "model/ViewNavigation.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>

namespace vt {
namespace {

constexpr QColor kSilver(192, 192, 192);

struct Navigation : test::MainFormTest {
    QWidget* View() const { return form->centralWidget(); }
    void ShowAt(QSize size) {
        form->show();
        form->resize(size);
        QApplication::processEvents();
    }
    void Wheel(QPointF at, int delta) {
        QWheelEvent e(at, View()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(View(), &e);
    }
    void MiddleMove(QPoint to) {
        QMouseEvent e(QEvent::MouseMove, to, View()->mapToGlobal(to), Qt::NoButton,
                      Qt::MiddleButton, Qt::NoModifier);
        QApplication::sendEvent(View(), &e);
    }
};

TEST_F(Navigation, TheSceneImageTakesTheDrawingAreasSize) {
    ShowAt({1600, 1000});
    ASSERT_EQ(form->size(), QSize(1600, 1000));
    EXPECT_EQ(form->SceneImage().size(), View()->size());
    EXPECT_EQ(View()->width(), 1600);
    form->Timer1Timer();
    const QImage shown = View()->grab().toImage();
    EXPECT_NE(shown.pixelColor(1590, View()->height() - 10), kSilver); // no grey beyond 1280 x 1024
    EXPECT_EQ(form->findChild<QWidget*>("Run")->geometry(),
              QRect(277, 39, 36, 14)); // the band stays
}

TEST_F(Navigation, FitShowsEveryPivotOfATurnLargeInTheDrawingArea) {
    ShowAt({1600, 1000});
    Button("Fwd")->click();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_TRUE(Button("NormVHZ")->isEnabled());

    // Every pivot stays inside the area below the control band over a whole turn.
    const Extent area = FitArea(View()->width(), View()->height());
    for (int tick = 0; tick < 36; ++tick) { // a whole turn at 10 degrees
        form->Timer1Timer();
        for (int i = 1; i <= 24; ++i) {
            if (i == 19 || i == 20) continue; // the reference points
            const int x = s->PivotScrX[i], y = s->PivotScrY[i];
            EXPECT_TRUE(x >= area.x0 && x <= area.x1 && y >= area.y0 && y <= area.y1)
                << "pivot " << i << " at " << x << ", " << y;
        }
    }
    // The drawn gear, wheel to cylinder, fills that area's width or height.
    const QImage image = form->SceneImage();
    const int top = int(area.y0) - 12;
    int x0 = image.width(), y0 = image.height(), x1 = -1, y1 = -1;
    for (int y = top; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y),
                y1 = std::max(y1, y);
    EXPECT_TRUE(x1 - x0 >= 0.8 * image.width() || y1 - y0 >= 0.8 * (image.height() - top))
        << x1 - x0 << " x " << y1 - y0 << " of " << image.width() << " x " << image.height() - top;

    // The fitted view is a view like any other: stored under a preset and recalled.
    const float fitted = s->ViewScale;
    Button("Preset0")->click();
    Button("Preset3")->click();
    Button("NormVHZ")->click();
    EXPECT_EQ(s->ViewScale, 28.5f);
    Button("Preset3")->click();
    EXPECT_EQ(s->ViewScale, fitted);

    // The tool button does the same as the menu item.
    Button("NormVHZ")->click();
    auto* bar = form->findChild<QToolBar*>("ToolBar1");
    QAction* fit = bar->actions().back();
    ASSERT_EQ(fit->toolTip(), "Fit the Gear to the Window");
    QTest::mouseClick(bar->widgetForAction(fit), Qt::LeftButton);
    EXPECT_EQ(s->ViewScale, fitted);
}

// Panned up by a middle drag, the gear stays in its own area: the menu bar and the tool
// bar read as before, while the gear still shows below the control band.
TEST_F(Navigation, APannedGearCrossesNeitherMenuBarNorToolBar) {
    ShowAt({1000, 800});
    form->Timer1Timer();
    QApplication::processEvents();
    const int barsBottom = View()->mapTo(form.get(), QPoint(0, 24)).y();
    const QRect bars(0, 0, form->width(), barsBottom);
    const QImage before = form->grab(bars).toImage();
    QTest::mousePress(View(), Qt::MiddleButton, {}, QPoint(500, 400));
    for (int y = 380; y >= 200; y -= 20) MiddleMove({500, y});
    QTest::mouseRelease(View(), Qt::MiddleButton, {}, QPoint(500, 200));
    form->Timer1Timer();
    QApplication::processEvents();
    EXPECT_EQ(form->grab(bars).toImage(), before);
    const QImage scene = View()->grab(QRect(0, 138, 632, 100)).toImage();
    int drawn = 0;
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < scene.width(); ++x) drawn += scene.pixelColor(x, y) != Qt::white;
    EXPECT_GT(drawn, 100); // the gear moved up to the band, not out of sight
}

TEST_F(Navigation, TheWheelZoomsAboutTheCursorUpToTheLimits) {
    ShowAt({1200, 800});
    const QPointF at(700, 420);
    const double mx = (at.x() - s->ViewOffsetX) / s->ViewScale,
                 my = -(at.y() - s->ViewOffsetY) / s->ViewScale;
    const auto stays = [&] {
        EXPECT_NEAR(mx * s->ViewScale + s->ViewOffsetX, at.x(), 1.0);
        EXPECT_NEAR(-my * s->ViewScale + s->ViewOffsetY, at.y(), 1.0);
    };
    Wheel(at, 120);
    EXPECT_FLOAT_EQ(s->ViewScale, 28.5f * 1.2f);
    stays();
    EXPECT_TRUE(Button("NormVHZ")->isEnabled());
    Wheel(at, -360);
    stays();
    for (int i = 0; i < 60; ++i) Wheel(at, 120);
    EXPECT_EQ(s->ViewScale, 3000.0f);
    stays();
    for (int i = 0; i < 80; ++i) Wheel(at, -120);
    EXPECT_EQ(s->ViewScale, 0.5f);
    stays();
}

TEST_F(Navigation, AMiddleDragPansAndLeavesTheReferencePointsAlone) {
    ShowAt({1200, 800});
    form->MenuAction(Cmd::ReferPoints)->trigger();
    const float x = s->ViewOffsetX, y = s->ViewOffsetY;
    QTest::mousePress(View(), Qt::MiddleButton, {}, QPoint(800, 500));
    MiddleMove({830, 480});
    MiddleMove({850, 470});
    QTest::mouseRelease(View(), Qt::MiddleButton, {}, QPoint(850, 470));
    EXPECT_FLOAT_EQ(s->ViewOffsetX, x + 50);
    EXPECT_FLOAT_EQ(s->ViewOffsetY, y - 30);
    EXPECT_EQ(s->PivotX[19], 0.0f);
    EXPECT_EQ(s->PivotX[20], 0.0f);

    QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(850, 470)); // still places point 1
    EXPECT_FLOAT_EQ(s->PivotX[19], float((850 - s->ViewOffsetX) / double(s->ViewScale)));
}

} // namespace
} // namespace vt
