// The classic design as a design tool's host; see DesignHost.h.
#include "dialogs/DesignHost.h"

#include "analysis/DesignVariant.h"
#include "analysis/SettingTasks.h"
#include "gears/kinds/ClassicGear.h"
#include "model/ApplySetting.h"

namespace vt {

namespace {

// The classic kind's first dimensions are the classic ones with an id, in the same order.
const DimensionInfo& ClassicDimension(int dim) {
    return *IdDimensions()[std::size_t(dim)];
}

} // namespace

DesignHost ClassicReader(const State& s) {
    return {[&s] { return gears::ClassicDesign(s); },
            [](int dim) { return DimensionCaption(ClassicDimension(dim)); },
            [](int dim) { return std::string(ClassicDimension(dim).Name); },
            [](const SettingResult&) { return 0; }, kIdDimensions};
}

DesignHost ClassicHost(State& s, Controls& c) {
    DesignHost host = ClassicReader(s);
    host.Apply = [&s, &c](const SettingResult& r) { return ApplySetting(s, c, FoundValues(r)); };
    return host;
}

} // namespace vt
