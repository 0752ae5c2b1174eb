// Valve-setting speed: one variable and one target (the valve stem for equal leads at
// normal forward, from a stem 0.06 too long), and four variables for four targets (the
// stem, both eccentric rods and the lifting link for equal leads at full forward and full
// reverse and equal cut-offs at normal forward and normal reverse).
#include "analysis/ValveSetting.h"
#include "model/Dimensions.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

vt::SettingResult Run(const vt::State& s, std::vector<const char*> targets,
                      std::vector<const char*> names) {
    std::vector<vt::SettingTarget> t;
    for (const char* text : targets) t.push_back(*vt::ParseTarget(text).target);
    std::vector<vt::SettingVariable> v;
    for (const char* name : names)
        v.push_back(vt::DefaultVariable(s, *vt::FindDimensionByName(name)));
    return vt::SetValve(s, t, v);
}

void Report(benchmark::State& st, const vt::SettingResult& r) {
    st.counters["evaluations"] = r.Evaluations;
    st.counters["met"] = r.Status == vt::SettingStatus::Met;
}

void BM_SettingOneVariableOneTarget(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->ValveStemLen += 0.06f;
    vt::SettingResult r;
    for (auto _ : st) r = Run(*c, {"lead-equal@normal-fwd"}, {"ValveStemLen"});
    Report(st, r);
}
BENCHMARK(BM_SettingOneVariableOneTarget)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SettingFourVariablesFourTargets(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    vt::SettingResult r;
    for (auto _ : st)
        r = Run(*c, {"lead-equal@full-fwd", "lead-equal@full-rev", "cutoff-equal@normal-fwd",
                     "cutoff-equal@normal-rev"},
                {"ValveStemLen", "EccRodFwdLen", "EccRodRevLen", "LiftingLinkLen"});
    Report(st, r);
}
BENCHMARK(BM_SettingFourVariablesFourTargets)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
