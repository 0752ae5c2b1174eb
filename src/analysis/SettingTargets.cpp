// Setting targets: their readings off the events, their scaled residuals and their text.
#include "analysis/SettingTargets.h"

#include "model/Format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vt {

namespace {

constexpr std::array<const char*, 5> kKindNames{"lead-equal", "lead", "cutoff-equal", "cutoff",
                                                "dieslip-min"};

std::optional<double> Number(std::string_view text) {
    double v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, err] = std::from_chars(first, last, v);
    if (first == last || err != std::errc() || end != last || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<TargetKind> KindNamed(std::string_view name) {
    for (std::size_t k = 0; k < kKindNames.size(); ++k)
        if (name == kKindNames[k]) return TargetKind(k);
    return std::nullopt;
}

// The shortest text that reads back as the same double.
std::string Shortest(double v) {
    std::array<char, 32> buf{};
    const auto [end, err] = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return err == std::errc() ? std::string(buf.data(), end) : FormatFixed(v, 0, 6);
}

// Parses "KIND" or "KIND=VALUE" into t.
std::string TakeKind(std::string_view text, SettingTarget& t) {
    const auto eq = text.find('=');
    const std::string_view name = text.substr(0, eq);
    const std::optional<TargetKind> kind = KindNamed(name);
    if (!kind) return "unknown target kind \"" + std::string(name) + "\"";
    t.Kind = *kind;
    if (!KindHasValue(t.Kind)) {
        if (eq == std::string_view::npos) return {};
        return std::string(name) + " takes no value";
    }
    if (eq == std::string_view::npos)
        return std::string(name) + " needs a value, as " + std::string(name) + "=" +
               (t.Kind == TargetKind::Lead ? "0.02" : "75");
    const std::optional<double> v = Number(text.substr(eq + 1));
    if (!v) return "the value of " + std::string(name) + " is not a number: " +
                   std::string(text.substr(eq + 1));
    t.Value = *v;
    return {};
}

} // namespace

double TargetTolerance(TargetKind k) {
    switch (k) {
    case TargetKind::LeadEqual:
    case TargetKind::Lead: return 0.0005;
    case TargetKind::CutOffEqual:
    case TargetKind::CutOff: return 0.1;
    case TargetKind::DieSlipMin: return 0;
    }
    return 0;
}

const char* KindName(TargetKind k) { return kKindNames.at(std::size_t(k)); }

bool KindHasValue(TargetKind k) { return k == TargetKind::Lead || k == TargetKind::CutOff; }

TargetReading ReadTarget(TargetKind k, const PositionEvents& e) {
    if (!e.Ok()) return {};
    switch (k) {
    case TargetKind::LeadEqual:
    case TargetKind::Lead: return {true, e.Front.Lead, e.Rear.Lead};
    case TargetKind::CutOffEqual:
    case TargetKind::CutOff:
        if (!e.Front.CutOff || !e.Rear.CutOff) return {};
        return {true, e.Front.CutOff->Percent, e.Rear.CutOff->Percent};
    case TargetKind::DieSlipMin: return {true, e.DieSlip, 0};
    }
    return {};
}

void AppendResiduals(const SettingTarget& t, const TargetReading& r, double stroke,
                     std::vector<double>& out) {
    const double tol = TargetTolerance(t.Kind);
    switch (t.Kind) {
    case TargetKind::LeadEqual:
    case TargetKind::CutOffEqual: out.push_back((r.Front - r.Rear) / tol); break;
    case TargetKind::Lead:
        out.push_back((r.Front - t.Value) / tol);
        out.push_back((r.Rear - t.Value) / tol);
        break;
    case TargetKind::CutOff: out.push_back(((r.Front + r.Rear) / 2 - t.Value) / tol); break;
    case TargetKind::DieSlipMin:
        out.push_back(r.Front / (kDieSlipUnit * std::max(std::abs(stroke), 1e-6)));
        break;
    }
}

bool TargetMet(const SettingTarget& t, const TargetReading& r) {
    if (!r.Measured) return false;
    if (t.Kind == TargetKind::DieSlipMin) return true;
    std::vector<double> residuals;
    AppendResiduals(t, r, 1, residuals);
    for (double e : residuals)
        if (!(std::abs(e) <= 1 + 1e-9)) return false;
    return true;
}

std::string TargetText(const SettingTarget& t) {
    // Piece by piece: GCC 12 warns falsely about a literal + a string here.
    std::string text = KindName(t.Kind);
    if (KindHasValue(t.Kind)) {
        text += '=';
        text += Shortest(t.Value);
    }
    text += '@';
    text += t.Position;
    if (t.Weight != 1) {
        text += '*';
        text += Shortest(t.Weight);
    }
    return text;
}

ParsedTarget ParseTarget(std::string_view text) {
    ParsedTarget p;
    const auto at = text.find('@');
    if (at == std::string_view::npos)
        return p.error = "a target is KIND@POSITION: " + std::string(text), p;
    SettingTarget t;
    if (std::string e = TakeKind(text.substr(0, at), t); !e.empty()) return p.error = e, p;
    std::string_view position = text.substr(at + 1);
    if (const auto star = position.find('*'); star != std::string_view::npos) {
        const std::optional<double> w = Number(position.substr(star + 1));
        if (!w || *w <= 0)
            return p.error = "the weight must be a number above 0: " +
                             std::string(position.substr(star + 1)), p;
        t.Weight = *w;
        position = position.substr(0, star);
    }
    t.Position = std::string(position);
    if (!IsGearPositionText(t.Position))
        return p.error = "unknown gear position \"" + t.Position +
                         "\": full-fwd, normal-fwd, mid, normal-rev, full-rev or an offset", p;
    p.target = t;
    return p;
}

} // namespace vt
