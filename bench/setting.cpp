// Valve-setting speed: one variable and one target (the valve stem for equal leads at
// normal forward, from a stem 0.06 too long); four variables for four targets (the stem,
// both eccentric rods and the lifting link for equal leads at full forward and full
// reverse and equal cut-offs at normal forward and normal reverse); and a hard task, the
// same four targets by both rods and the link's three pivots over wide bounds, where one
// descent from the design stops at a poor local minimum and the restarts spend the budget.
#include "analysis/ValveSetting.h"
#include "gears/kinds/ClassicGear.h"
#include "model/Dimensions.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

#include <iterator>
#include <span>

namespace {

constexpr const char* kFourTargets[] = {"lead-equal@full-fwd", "lead-equal@full-rev",
                                        "cutoff-equal@normal-fwd", "cutoff-equal@normal-rev"};

std::vector<vt::SettingTarget> Targets(std::span<const char* const> texts) {
    std::vector<vt::SettingTarget> t;
    for (const char* text : texts) t.push_back(*vt::ParseTarget(text).target);
    return t;
}

vt::SettingResult Run(const vt::State& s, std::vector<const char*> targets,
                      std::vector<const char*> names) {
    std::vector<vt::SettingVariable> v;
    for (const char* name : names)
        v.push_back(vt::DefaultVariable(vt::test::Classic(s), vt::test::ClassicDim(name)));
    return vt::SetValve(vt::test::Classic(s), Targets(targets), v);
}

void Report(benchmark::State& st, const vt::SettingResult& r) {
    st.counters["evaluations"] = r.Evaluations;
    st.counters["restarts"] = r.Restarts;
    st.counters["objective_before"] = r.ObjectiveBefore;
    st.counters["objective_after"] = r.ObjectiveAfter;
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
        r = Run(*c, {std::begin(kFourTargets), std::end(kFourTargets)},
                {"ValveStemLen", "EccRodFwdLen", "EccRodRevLen", "LiftingLinkLen"});
    Report(st, r);
}
BENCHMARK(BM_SettingFourVariablesFourTargets)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_SettingHardTaskWithRestarts(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    const auto vary = [](const char* name, double low, double high) {
        const int i = vt::test::ClassicDim(name);
        return vt::SettingVariable{i, &vt::gears::ClassicGear().Dimensions()[std::size_t(i)], low,
                                   high};
    };
    const vt::SettingVariable v[] = {
        vary("EccRodFwdLen", 6.975, 8.525), vary("EccRodRevLen", 6.975, 8.525),
        vary("LinkCentPivotBackSet", -0.5, 0.5), vary("LinkCentPivotVert", -0.5, 0.5),
        vary("LinkEccRodPivotBackSet", 0.2, 0.8)};
    vt::SettingResult r;
    for (auto _ : st) r = vt::SetValve(vt::test::Classic(*c), Targets(kFourTargets), v);
    Report(st, r);
}
BENCHMARK(BM_SettingHardTaskWithRestarts)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
