// The dimension table's rules: bounds, refusals, value texts, unit changes and marks.
#include "workbench/DimensionRules.h"

#include "gearfile/GearFile.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vt::wb {

using gears::Dimension;
using gears::GearDesign;
using gears::UnitKind;

namespace {

const Dimension& Dim(const GearDesign& d, int dim) {
    return d.Kind->Dimensions()[std::size_t(dim)];
}

double LengthFactor(const GearDesign& d, int dim) {
    if (Dim(d, dim).Unit != UnitKind::Length) return 1;
    return gears::UnitFactor(d.Kind->Sample().Unit, d.Unit);
}

std::string Decimal(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    std::string s = buf;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

// An inch value to the nearest 1/64: whole inches and the fraction in lowest terms.
std::string Sixtyfourths(double v) {
    const long n = std::lround(std::fabs(v) * 64);
    const long whole = n / 64;
    long num = n % 64, den = 64;
    while (num && num % 2 == 0)
        num /= 2, den /= 2;
    const char* sign = n && v < 0 ? "-" : "";
    char buf[64];
    if (!num)
        std::snprintf(buf, sizeof buf, "%s%ld", sign, whole);
    else if (!whole)
        std::snprintf(buf, sizeof buf, "%s%ld/%ld", sign, num, den);
    else
        std::snprintf(buf, sizeof buf, "%s%ld %ld/%ld", sign, whole, num, den);
    return buf;
}

bool Fractional(const GearDesign& d, int dim, bool fractions) {
    return fractions && d.Unit == gears::LengthUnit::Inch && Dim(d, dim).Unit == UnitKind::Length;
}

std::optional<double> Number(std::string_view t) {
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    if (t.empty()) return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return v;
}

// "a b/c" or "b/c", a leading "-" for the whole.
std::optional<double> Fraction(std::string_view t) {
    const auto slash = t.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    std::string_view head = t.substr(0, slash);
    const bool negative = head.find('-') != std::string_view::npos;
    const auto space = head.find_last_of(' ');
    const auto whole =
        space == std::string_view::npos ? std::optional<double>(0) : Number(head.substr(0, space));
    const auto num = Number(space == std::string_view::npos ? head : head.substr(space + 1));
    const auto den = Number(t.substr(slash + 1));
    if (!whole || !num || !den || *den == 0) return std::nullopt;
    const double part = std::fabs(*num) / std::fabs(*den);
    return negative ? -(std::fabs(*whole) + part) : *whole + part;
}

} // namespace

Bounds BoundsOf(const GearDesign& d, int dim) {
    const Dimension& x = Dim(d, dim);
    const double f = LengthFactor(d, dim);
    return {x.Low * f, x.High * f, x.HardLow * f, x.HardHigh * f};
}

std::string UnitText(const GearDesign& d, int dim) {
    switch (Dim(d, dim).Unit) {
    case UnitKind::Length:
        return std::string(gears::UnitName(d.Unit));
    case UnitKind::Angle:
        return "deg";
    case UnitKind::Choice:
        break;
    }
    return "";
}

std::optional<std::string> RefusalOf(const GearDesign& d, int dim, double value) {
    const Dimension& x = Dim(d, dim);
    if (!std::isfinite(value))
        return std::string(x.Caption) + " must be a finite number. The design was not changed.";
    const Bounds b = BoundsOf(d, dim);
    if (value >= b.HardLow && value <= b.HardHigh) return std::nullopt;
    const std::string unit = UnitText(d, dim);
    return std::string(x.Caption) + " must lie between " + Decimal(b.HardLow) + " and " +
           Decimal(b.HardHigh) + (unit.empty() ? "" : " " + unit) + "; " + Decimal(value) +
           " is outside. The design was not changed.";
}

std::string ValueText(const GearDesign& d, int dim, double value, bool fractions) {
    if (Dim(d, dim).Unit == UnitKind::Choice) return ChoiceText(Dim(d, dim), value);
    return Fractional(d, dim, fractions) ? Sixtyfourths(value) : Decimal(value);
}

std::optional<double> ParseValue(const GearDesign& d, int dim, std::string_view text) {
    const Dimension& x = Dim(d, dim);
    if (x.Unit == UnitKind::Choice) {
        const auto texts = ChoiceTexts(x);
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i] == text) return double(i);
        return std::nullopt;
    }
    if (auto v = Number(text)) return v;
    return Fraction(text);
}

std::string BoundsText(const GearDesign& d, int dim, bool fractions) {
    if (Dim(d, dim).Unit == UnitKind::Choice) return "";
    const Bounds b = BoundsOf(d, dim);
    return ValueText(d, dim, b.Low, fractions) + " to " + ValueText(d, dim, b.High, fractions);
}

GearDesign InUnit(const GearDesign& d, gears::LengthUnit to) {
    GearDesign out = d;
    const double f = gears::UnitFactor(d.Unit, to);
    const auto dims = d.Kind->Dimensions();
    for (std::size_t i = 0; i < dims.size(); ++i)
        if (dims[i].Unit == UnitKind::Length) out.Values[i] *= f;
    if (d.Kind->Reverser().Unit == UnitKind::Length)
        for (auto& p : out.Positions)
            p.Setting *= f;
    out.Unit = to;
    return out;
}

DimensionMark MarkOf(const gears::GearKind& kind, int dim) {
    if (dim < 0) return {};
    const auto bodies = kind.Bodies();
    for (std::size_t i = 0; i < bodies.size(); ++i)
        if (bodies[i].LengthDim == dim && bodies[i].Pins.size() >= 2)
            return {int(i), bodies[i].Pins[0], bodies[i].Pins[1]};
    return {};
}

} // namespace vt::wb
