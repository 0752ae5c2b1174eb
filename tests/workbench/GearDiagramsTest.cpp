// The workbench's diagrams and figures without Qt: a turn's curves checked against the
// events engine and the port face, the port events diagram's traces against the table,
// the compared design drawn beneath in lighter colours, and the figures' compared texts.
#include "workbench/GearDiagrams.h"
#include "workbench/EventFigures.h"

#include "analysis/GearTurn.h"
#include "gears/PortFace.h"
#include "gears/kinds/Walschaerts.h"
#include "render/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vt::wb {
namespace {

const gears::GearDesign kSample = gears::Walschaerts().Sample();

TEST(Diagrams, ATurnsCurvesAgreeWithTheEventsEngineAndThePortFace) {
    const double setting = gears::SettingOf(kSample, gears::NamedPosition::NormalForward);
    const TurnCurves t = CurvesOf(kSample, setting, 720);
    ASSERT_TRUE(t.Failed.empty());
    ASSERT_EQ(t.Valve.size(), 721u);
    const auto [lo, hi] = std::minmax_element(t.Valve.begin(), t.Valve.end());
    const PositionEvents e = FindEvents(kSample, setting, true);
    EXPECT_NEAR(*hi - *lo, e.FullTravel, 1e-3); // sampled every half degree
    EXPECT_NEAR(*std::min_element(t.Piston.begin(), t.Piston.end()), 0, 1e-3);
    EXPECT_NEAR(*std::max_element(t.Piston.begin(), t.Piston.end()), 100, 1e-3);
    EXPECT_LT(t.Piston.front(), 1); // the crank towards the cylinder: near front dead centre
    // Each port's edge: its opening is zero with the valve there.
    const gears::PortFace face = kSample.Kind->Face(kSample);
    const auto open = [&](int k) {
        const gears::Openings o = gears::OpeningsAt(face, t.PortEdge[std::size_t(k)]);
        return std::array{o.FrontSteam, o.FrontExhaust, o.RearSteam, o.RearExhaust}[std::size_t(k)];
    };
    for (int k = 0; k < kOpeningCount; ++k)
        EXPECT_NEAR(open(k), 0, 1e-12) << k;
    // With the crank on the front dead centre the front port is open by the lead.
    const double frontSteamOpen = gears::OpeningsAt(face, t.Valve.front()).FrontSteam;
    EXPECT_NEAR(frontSteamOpen, e.Front.Lead, 0.01);
}

// The pens of the diagram's lines, in the order drawn.
std::vector<Color> LinePens(const PortsDiagram& d) {
    RecordingCanvas c(kDiagramWidth, kDiagramHeight);
    DrawPorts(c, d);
    std::vector<Color> pens;
    for (const CanvasCall& call : c.Calls(CanvasCall::Line))
        pens.push_back(call.pen);
    return pens;
}

TEST(Diagrams, PortEventsTraceEveryEventAndDrawTheComparedDesignFirstAndLighter) {
    PortsDiagram d{ComputeEventsTable(kSample, DefaultEventRows(kSample)), std::nullopt, 7};
    const std::vector<Color> alone = LinePens(d);
    const Color teal{0, 128, 128};
    // Front cut-off, admission, release and compression forward: 18 segments each.
    EXPECT_EQ(std::count(alone.begin(), alone.end(), teal), 4 * (kSweepRows - 1));
    gears::GearDesign other = kSample;
    other.Set("EccRodLen", 73);
    d.Compared = ComputeEventsTable(other, DefaultEventRows(other));
    const std::vector<Color> both = LinePens(d);
    const auto firstTeal = std::find(both.begin(), both.end(), teal);
    const auto firstLight = std::find(both.begin(), both.end(), Lighter(teal));
    ASSERT_NE(firstLight, both.end());
    EXPECT_LT(firstLight, firstTeal); // beneath: drawn before
    EXPECT_EQ(std::count(both.begin(), both.end(), Lighter(teal)), 4 * (kSweepRows - 1));
}

TEST(Figures, ComparedTextsGiveBothAndTheDifferenceAndTheNearestNotch) {
    const EventQuantity& lead = EventQuantities()[0];
    const EventQuantity& cutOff =
        *std::find_if(EventQuantities().begin(), EventQuantities().end(),
                      [](const EventQuantity& q) { return std::string(q.Caption) == "Cut-off"; });
    EXPECT_EQ(FigureText(lead, 0.25, std::nullopt, false), "+0.250");
    EXPECT_EQ(FigureText(lead, 0.25, 0.1875, true), "+0.250 / +0.188 (+0.062)");
    EXPECT_EQ(FigureText(cutOff, 25.04, 27.0, true), "25.0 / 27.0 (-2.0)");
    EXPECT_EQ(FigureText(cutOff, std::nullopt, 27.0, true), "none / 27.0");
    EXPECT_EQ(MeasureUnit(lead.Unit, kSample), "in");
    const EventsTable t = ComputeEventsTable(kSample, DefaultEventRows(kSample));
    const double full = gears::SettingOf(kSample, gears::NamedPosition::FullForward);
    EXPECT_EQ(NearestRow(t, full * 0.5 + 0.01), 9);      // F9, half of full gear
    EXPECT_EQ(NearestRow(t, -full), 2 * kSweepRows - 1); // R18
    EXPECT_EQ(MatchingRow(t, t.Rows[5].Spec), &t.Rows[5]);
}

} // namespace
} // namespace vt::wb
