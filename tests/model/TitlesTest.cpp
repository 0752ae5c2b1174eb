// Window titles carry the design's name and the clock.
#include "model/Titles.h"

#include "model/DesignChanges.h"
#include "model/Dimensions.h"
#include "support/Designs.h"

#include <functional>

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(Titles, PrefixNameClockAndVersion) {
    EXPECT_EQ(WindowTitle(TitledWindow::Main, "Nominal", "08/12/2026", "01:02:03"),
              "VALVETRACE            Nominal     08/12/2026   01:02:03   Version 2.5.2");
    EXPECT_EQ(WindowTitle(TitledWindow::Ports, "A4", "d", "t"),
              "VALVETRACE      Port Open/Closed    A4     d   t   Version 2.5.2");
    EXPECT_EQ(WindowTitle(TitledWindow::DataTable, "x", "", ""),
              "VALVETRACE  Data Table  x           Version 2.5.2");
}

TEST(Titles, ClockComesFromTheHooks) {
    auto c = test::BuiltIn();
    EXPECT_EQ(WindowTitleNow(TitledWindow::Sine, *c),
              "VALVETRACE      Sine Diagram    Nominal           Version 2.5.2");
    c->hooks.DateText = [] { return std::string("1.2.26"); };
    c->hooks.TimeText = [] { return std::string("10:11:12"); };
    c->DataSetName = "Mogul";
    EXPECT_EQ(WindowTitleNow(TitledWindow::Steam, *c),
              "VALVETRACE      Steam Diagram    Mogul     1.2.26   10:11:12   Version 2.5.2");
}

} // namespace
} // namespace vt

namespace vt {
namespace {

// Every kind of design change marks the titles; saving (the baseline) clears the mark,
// and looking at the gear from elsewhere is no change.
TEST(Titles, ModifiedDesignLeadsWithAStar) {
    auto c = test::BuiltIn();
    EXPECT_FALSE(DesignModified(*c));
    const std::function<void(State&)> changes[] = {
        [](State& s) { WriteDimension(s, 109, s.ValveStemToCylCL + 0.001f); },
        [](State& s) { s.RevArmCentMax += 1; },
        [](State& s) { s.RevArmSet[9] = 4.5f; },
        [](State& s) { s.VertScale = 2; },
        [](State& s) { s.LineColor[20] = 255; },
    };
    for (const auto& change : changes) {
        change(*c);
        EXPECT_TRUE(DesignModified(*c));
        EXPECT_EQ(WindowTitleNow(TitledWindow::Main, *c).substr(0, 11), "*VALVETRACE");
        SetDesignBaseline(*c);
        EXPECT_FALSE(DesignModified(*c));
    }
    c->ViewScale *= 2, c->RevArmPos += 0.5f, c->DriverAngle = 90, c->CurLineNo = 4;
    EXPECT_FALSE(DesignModified(*c));
    EXPECT_EQ(SaveQuestion(*c), "Save changes to Nominal?");
}

} // namespace
} // namespace vt
