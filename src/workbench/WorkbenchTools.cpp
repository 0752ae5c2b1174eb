// The design tools on a workbench's design: the Valve Setting and the Sensitivity and Wear
// windows read the design as it is and name their rows by the gear's own dimension
// captions; "Apply" writes each found value through Workbench::SetDimension, one undo
// step a dimension.
#include "dialogs/SensitivityWindow.h"
#include "dialogs/ValveSetting.h"
#include "workbench/Workbench.h"

namespace vt::wb {

namespace {

DesignHost HostOf(Workbench& bench) {
    const auto caption = [&bench](int dim) {
        return std::string(bench.Design().Kind->Dimensions()[std::size_t(dim)].Caption);
    };
    return {
        [&bench] { return bench.Design(); }, caption,
        [&bench](int dim) {
            return std::string(bench.Design().Kind->Dimensions()[std::size_t(dim)].Name);
        },
        [&bench, caption](const SettingResult& r) {
            int written = 0;
            for (const VariableOutcome& v : r.Variables)
                if (v.After != v.Before)
                    written +=
                        bench
                            .SetDimension(
                                v.Variable.Index, v.After,
                                QString("Valve setting: %1").arg(caption(v.Variable.Index).c_str()))
                            .isEmpty();
            return written;
        },
        int(bench.Design().Kind->Dimensions().size())};
}

} // namespace

void Workbench::OpenValveSetting() {
    if (!valveSetting_) {
        valveSetting_ = new ValveSettingWindow(HostOf(*this), this);
        valveSetting_->setWindowTitle(QString("Valve Setting - %1").arg(design_.Name.c_str()));
    }
    valveSetting_->show();
    valveSetting_->raise();
}

void Workbench::OpenSensitivity() {
    if (!sensitivity_) {
        sensitivity_ = new SensitivityWindow(HostOf(*this), Files(), this);
        sensitivity_->setWindowTitle(
            QString("Sensitivity and Wear - %1").arg(design_.Name.c_str()));
    }
    sensitivity_->show();
    sensitivity_->raise();
}

} // namespace vt::wb
