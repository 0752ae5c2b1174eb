// Window titles carry the design's name and the clock.
#include "model/Titles.h"

#include "support/Designs.h"

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
