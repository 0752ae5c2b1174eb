// The tab order of every window and dialog follows what the user sees: along a row to the
// right, down a column, or on to a column further right, never back up or to the left.
#include "support/MainFormTest.h"

#include "app/ControlTable.h"
#include "dialogs/DatTable.h"
#include "dialogs/DimensionEditor.h"
#include "dialogs/EventsTableWindow.h"
#include "dialogs/GraphicZoom.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/Line.h"
#include "dialogs/RefPoint.h"
#include "dialogs/SettingDialog.h"
#include "dialogs/ValveSetting.h"
#include "graphs/GraphWindow.h"
#include "graphs/Oval.h"
#include "graphs/Ports.h"
#include "graphs/SetReverArm.h"
#include "graphs/Steam.h"
#include "widgets/FileDialogs.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vt {
namespace {

// The controls Tab reaches when enabled, in the order it reaches them, in the window's
// coordinates.
std::vector<std::pair<QWidget*, QRect>> TabStops(QWidget* window) {
    std::vector<std::pair<QWidget*, QRect>> stops;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) // disabled ones too
            stops.emplace_back(w, QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
    return stops;
}

// Next in reading order: wholly to the right (the next in a row, or a further column),
// or lower down (its middle below the previous control's foot).
bool FollowsVisually(const QRect& a, const QRect& b) {
    return b.left() > a.right() || b.center().y() > a.bottom();
}

// Checks the order and returns how many stops there are.
std::size_t ExpectVisualTabOrder(QWidget* window) {
    window->show();
    QApplication::processEvents();
    const auto stops = TabStops(window);
    for (std::size_t i = 1; i < stops.size(); ++i) {
        const auto& [a, ra] = stops[i - 1];
        const auto& [b, rb] = stops[i];
        EXPECT_TRUE(FollowsVisually(ra, rb))
            << window->objectName().toStdString() << ": " << b->objectName().toStdString()
            << " at (" << rb.x() << "," << rb.y() << ") follows "
            << a->objectName().toStdString() << " at (" << ra.x() << "," << ra.y() << ")";
    }
    window->hide();
    return stops.size();
}

using FocusOrderTest = test::MainFormTest;

// Every control shown at once: each button and bar is a stop, in visual order.
TEST_F(FocusOrderTest, MainWindowAndGraphWindows) {
    s->ScreenDataOn = s->RefPointsOn = s->DynVarsOn = s->UndoOn = s->PivotDataOn = true;
    form->SharedStateChanged();
    EXPECT_EQ(ExpectVisualTabOrder(form.get()), MainButtons().size() + MainBars().size());
    const GraphHost host{[](bool) {}, [] {}};
    for (const GraphFacts& facts : {OvalDiaFacts(), SteamDiaFacts(), PortDiaFacts()}) {
        GraphWindow window(facts, *s, host, nullptr, form.get());
        window.FormActivate(); // draws, then shows the bars and UnDo
        EXPECT_EQ(ExpectVisualTabOrder(&window), 6u); // Close, four bars, UnDo
    }
}

TEST_F(FocusOrderTest, Dialogs) {
    const auto make = [this]() -> std::vector<std::unique_ptr<QWidget>> {
        std::vector<std::unique_ptr<QWidget>> d;
        Controls& c = form->controls();
        QWidget* p = form.get();
        d.push_back(std::make_unique<SetRevArmDialog>(*s, p));
        d.push_back(std::make_unique<RefPointsDialog>(*s, c, p));
        for (SettingKind k : {SettingKind::RevArmPosition, SettingKind::DriverAngle, SettingKind::StepAngle})
            d.push_back(std::make_unique<SettingDialog>(k, *s, c, p));
        d.push_back(std::make_unique<GraphicZoomDialog>(*s, p));
        d.push_back(std::make_unique<DimensionEditor>(FrameEditorLayout(), *s, c, p));
        d.push_back(std::make_unique<DimensionEditor>(CylEditorLayout(), *s, c, p));
        d.push_back(std::make_unique<LinesDialog>(*s, c, p));
        d.push_back(std::make_unique<EventsTableWindow>(*s, StandardFileUi(p), p));
        d.push_back(std::make_unique<ValveSettingWindow>(*s, c, p));
        d.push_back(std::make_unique<DataTableWindow>(*s, p));
        d.push_back(std::make_unique<HelpWindow>(kInstructions, p));
        return d;
    };
    for (const auto& dialog : make()) EXPECT_GE(ExpectVisualTabOrder(dialog.get()), 1u);
}

} // namespace
} // namespace vt
