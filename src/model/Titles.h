// The window titles: a prefix per window, the design's name, the date and the time.
#pragma once

#include "model/State.h"

#include <string>

namespace vt {

enum class TitledWindow { Main, Sine, Oval, Steam, Ports, DataTable };
inline constexpr int kTitledWindows = 6;

// prefix + name + 5 blanks + date + 3 blanks + time + 3 blanks + "Version 2.5.2", with a
// leading "*" while the design has changes that are not saved.
std::string WindowTitle(TitledWindow w, const std::string& dataSetName, const std::string& date,
                        const std::string& time, bool modified = false);

// The title of a window now, with the date and time from the state's clock hooks and the
// modified mark from the state.
std::string WindowTitleNow(TitledWindow w, const State& s);

} // namespace vt
