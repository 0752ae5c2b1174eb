// Window titles; see Titles.h.
#include "model/Titles.h"

#include "model/DesignChanges.h"

namespace vt {

namespace {

const char* Prefix(TitledWindow w) {
    switch (w) {
    case TitledWindow::Main: return "VALVETRACE            ";
    case TitledWindow::Sine: return "VALVETRACE      Sine Diagram    ";
    case TitledWindow::Oval: return "VALVETRACE      Oval Diagram    ";
    case TitledWindow::Steam: return "VALVETRACE      Steam Diagram    ";
    case TitledWindow::Ports: return "VALVETRACE      Port Open/Closed    ";
    case TitledWindow::DataTable: return "VALVETRACE  Data Table  ";
    }
    return "";
}

std::string Call(const std::function<std::string()>& f) { return f ? f() : std::string(); }

} // namespace

std::string WindowTitle(TitledWindow w, const std::string& dataSetName, const std::string& date,
                        const std::string& time, bool modified) {
    std::string title = modified ? "*" : "";
    title.append(Prefix(w)).append(dataSetName).append("     ").append(date).append("   ");
    return title.append(time).append("   Version 2.5.2");
}

std::string WindowTitleNow(TitledWindow w, const State& s) {
    return WindowTitle(w, s.DataSetName, Call(s.hooks.DateText), Call(s.hooks.TimeText),
                       DesignModified(s));
}

} // namespace vt
