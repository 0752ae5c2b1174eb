// One full driver turn, every degree, of the built-in design at mid gear, normal forward,
// full forward and normal reverse, against the committed table of pivots and openings.
// VT_UPDATE_REFERENCE=1 rewrites the table; a mismatch writes the actual table beside
// the test program for comparison.
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vt {
namespace {

constexpr const char* kTable = VT_TEST_DATA_DIR "/reference_trace.csv";
constexpr int kTracedPivots[] = {2, 3, 4, 5, 8, 9, 10, 11, 14, 15};

std::string Header() {
    std::string h = "gear,angle";
    for (int p : kTracedPivots) h += ",X" + std::to_string(p) + ",Y" + std::to_string(p);
    return h + ",ValveTravel,FrontSteam,FrontExh,RearSteam,RearExh,PistonPos";
}

std::vector<double> Row(const State& s) {
    std::vector<double> v;
    for (int p : kTracedPivots) {
        v.push_back(s.PivotX[p]);
        v.push_back(s.PivotY[p]);
    }
    for (float f : {s.ValveTravel, s.FrontSteamOpening, s.FrontExhOpening, s.RearSteamOpening,
                    s.RearExhOpening, s.PistonPos})
        v.push_back(f);
    return v;
}

std::string Trace() {
    auto c = test::BuiltIn();
    const float cent = c->RevArmSet[0];
    const struct {
        const char* name;
        float pos;
    } gears[] = {{"mid", cent},
                 {"normal-forward", c->RevArmSet[2]},
                 {"full-forward", cent + c->RevArmCentMax},
                 {"normal-reverse", c->RevArmSet[3]}};
    std::ostringstream out;
    out << Header() << '\n';
    char buf[32];
    for (const auto& g : gears) {
        c->RevArmPos = g.pos;
        for (int a = 0; a < 360; ++a) {
            c->DriverAngle = float(a);
            SolveLinkage(*c);
            ComputeValveEvents(*c);
            out << g.name << ',' << a;
            for (double v : Row(*c)) {
                std::snprintf(buf, sizeof buf, ",%.7g", v);
                out << buf;
            }
            out << '\n';
        }
    }
    EXPECT_EQ(c.beeps(), 0);
    return out.str();
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream ss(line);
    for (std::string cell; std::getline(ss, cell, ',');) cells.push_back(cell);
    return cells;
}

TEST(ReferenceTrace, BuiltInDesignMatchesTheCommittedTable) {
    const std::string actual = Trace();
    if (std::getenv("VT_UPDATE_REFERENCE")) {
        std::ofstream(kTable) << actual;
        GTEST_SKIP() << "reference table rewritten";
    }
    std::ifstream in(kTable);
    ASSERT_TRUE(in) << "missing " << kTable;
    std::stringstream expectedText;
    expectedText << in.rdbuf();

    std::istringstream exp(expectedText.str()), act(actual);
    std::string e, a;
    int line = 0, mismatches = 0;
    while (std::getline(exp, e)) {
        ASSERT_TRUE(std::getline(act, a)) << "trace ends early at line " << line;
        ++line;
        const auto ec = Split(e), ac = Split(a);
        ASSERT_EQ(ec.size(), ac.size()) << "line " << line;
        for (std::size_t i = 0; i < ec.size(); ++i) {
            if (line == 1 || i < 2) {
                EXPECT_EQ(ec[i], ac[i]) << "line " << line;
                continue;
            }
            const double ev = std::stod(ec[i]), av = std::stod(ac[i]);
            if (std::abs(ev - av) > 2e-5 && ++mismatches <= 10)
                ADD_FAILURE() << "line " << line << " ("
                              << Split(Header())[i] << "): expected " << ev << ", got " << av;
        }
    }
    EXPECT_FALSE(std::getline(act, a)) << "trace longer than the table";
    EXPECT_EQ(line, 1 + 4 * 360);
    if (mismatches) {
        std::ofstream("reference_trace.actual.csv") << actual;
        ADD_FAILURE() << mismatches << " values differ; actual table in reference_trace.actual.csv";
    }
}

} // namespace
} // namespace vt
