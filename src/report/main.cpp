// valvetrace-report: the valve events table, a dimension sweep and the diagrams of a
// saved design, for scripts. Qt is started only to draw the diagrams.
#include "report/DiagramFiles.h"
#include "report/Report.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

// The diagrams need fonts, so a QGuiApplication, on the offscreen platform unless the
// caller chose one: the tool opens no window.
std::string DrawDiagrams(vt::State& s, const std::string& dir, int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    return vt::WriteDiagramPngs(s, dir);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vt::ParsedArgs parsed = vt::ParseReportArgs(args);
    if (!parsed.ok) {
        std::cerr << "valvetrace-report: " << parsed.error << "\nTry valvetrace-report --help.\n";
        return vt::kExitUsage;
    }
    const auto diagrams = [&](vt::State& s, const std::string& dir) {
        return DrawDiagrams(s, dir, argc, argv);
    };
    return vt::RunReport(parsed.options, std::cout, std::cerr, diagrams);
}
