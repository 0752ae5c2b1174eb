// The setting result as text tables.
#include "analysis/SettingText.h"

#include "model/Format.h"

#include <algorithm>

namespace vt {

namespace {

// Leads to 5 decimals (the tolerance is 0.0005), cut-offs to 2 (0.1 %).
int Decimals(TargetKind k) {
    return k == TargetKind::CutOffEqual || k == TargetKind::CutOff ? 2 : 5;
}

const char* Measures(TargetKind k) {
    switch (k) {
    case TargetKind::LeadEqual:
    case TargetKind::Lead: return "lead, units, + open";
    case TargetKind::CutOffEqual:
    case TargetKind::CutOff: return "cut-off, % stroke";
    case TargetKind::DieSlipMin: return "die slip, units";
    }
    return "";
}

std::string Number(double v, int decimals) { return FormatFixed(v, 0, decimals); }

// Front and rear of one reading; a die slip has no rear, an unmeasured reading no values.
void AddReading(std::vector<std::string>& row, const SettingTarget& t, const TargetReading& r) {
    if (!r.Measured) {
        row.insert(row.end(), {"-", "-"});
        return;
    }
    row.push_back(Number(r.Front, Decimals(t.Kind)));
    row.push_back(t.Kind == TargetKind::DieSlipMin ? "" : Number(r.Rear, Decimals(t.Kind)));
}

std::string Signed(double v, int decimals) {
    const std::string number = Number(v, decimals);
    return v > 0 ? std::string(1, '+').append(number) : number;
}

void AppendAligned(std::string& out, const TextTable& t) {
    std::vector<std::size_t> width(t.Header.size());
    for (std::size_t c = 0; c < width.size(); ++c) {
        width[c] = t.Header[c].size();
        for (const auto& row : t.Rows) width[c] = std::max(width[c], row[c].size());
    }
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const std::size_t pad = width[c] - cells[c].size();
            if (c > 0) text.append(2, ' ');
            if (c > 0) text.append(pad, ' ');
            text += cells[c];
            if (c == 0) text.append(pad, ' ');
        }
        out += text.substr(0, text.find_last_not_of(' ') + 1) + "\n";
    };
    line(t.Header);
    for (const auto& row : t.Rows) line(row);
}

} // namespace

TextTable TargetTable(const SettingResult& r) {
    TextTable t{{"Target", "Measures", "Front before", "Rear before", "Front after", "Rear after",
                 "Met"},
                {}};
    for (const TargetOutcome& o : r.Targets) {
        std::vector<std::string> row{TargetText(o.Target), Measures(o.Target.Kind)};
        AddReading(row, o.Target, o.Before);
        AddReading(row, o.Target, o.After);
        row.push_back(o.MetAfter ? "yes" : "no");
        t.Rows.push_back(std::move(row));
    }
    return t;
}

TextTable VariableTable(const SettingResult& r) {
    TextTable t{{"Dimension", "Unit", "Low", "High", "Before", "After", "Change"}, {}};
    for (const VariableOutcome& v : r.Variables) {
        const bool angle = v.Variable.Dimension->Unit == gears::UnitKind::Angle;
        const std::string unit(angle ? "degrees" : gears::UnitName(r.Design.Unit));
        t.Rows.push_back({v.Variable.Dimension->Caption, unit,
                          Number(v.Variable.Low, 5), Number(v.Variable.High, 5),
                          Number(v.Before, 5), Number(v.After, 5),
                          Signed(double(v.After) - v.Before, 5)});
    }
    return t;
}

std::string StatusLines(const SettingResult& r) {
    std::string text = "Status: ";
    text += StatusText(r);
    text += '\n';
    text += std::to_string(r.Evaluations) + " evaluations, " + std::to_string(r.Restarts);
    text += (r.Restarts == 1 ? " restart" : " restarts");
    text += " in " + Number(r.Seconds, 2) +
            " s; objective (sum of weighted squared residuals in tolerances) " +
            Number(r.ObjectiveBefore, 3) + " before, " + Number(r.ObjectiveAfter, 3) + " after\n";
    return text;
}

std::string FormatSettingText(const SettingResult& r) {
    std::string out;
    AppendAligned(out, TargetTable(r));
    out += "\n";
    AppendAligned(out, VariableTable(r));
    out += '\n';
    out += StatusLines(r);
    return out;
}

} // namespace vt
