// Every open workbench, and the ways to open one: a new design of a kind chosen from the
// registry, a gear file (.vgear) or a classic design file (.dvt) as a classic gear.
#pragma once

#include "gears/Gear.h"
#include "widgets/FileDialogs.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace vt::wb {

class Workbench;

// A design read from a file, or the message that says why it could not be.
struct OpenedDesign {
    gears::GearDesign Design;
    QString Error; // empty when the design was read
};
// A ".dvt" file is read as a classic design; any other as a gear file.
OpenedDesign ReadDesign(const QString& path);

class Workbenches final : public QObject {
    Q_OBJECT
  public:
    explicit Workbenches(QObject* parent = nullptr);
    ~Workbenches() override;
    void SetFileUi(FileUi ui) { fileUi_ = std::move(ui); }

    // A window on the design; shown.
    Workbench* Open(gears::GearDesign design, const QString& path);
    // Opens a file in a new window; the error is reported and null returned.
    Workbench* OpenPath(const QString& path);
    // "New Gear Design...": asks for the kind among every registered gear, opens its sample.
    Workbench* NewDesign(QWidget* parent);
    // "Open Gear Design...": asks for a file and opens it.
    Workbench* OpenDesign(QWidget* parent);
    // The open windows, in opening order.
    std::vector<Workbench*> Windows() const;

  private:
    std::vector<QPointer<Workbench>> windows_;
    FileUi fileUi_;
};

} // namespace vt::wb
