// TInst ("Instructions") and TVtoSpInst ("Valvetrace Special Instructions"): a read-only
// text loaded once at start from a help file; a file that cannot be read is reported and
// leaves the window empty.
#pragma once

#include "widgets/DataFiles.h"

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace vt {

struct HelpFacts {
    const char* name;
    const char* title;
    const char* file;
    int textWidth; // the text area may be wider than the client area
};
inline constexpr HelpFacts kInstructions{"TInst", "Instructions", "instruct.doc", 427};
inline constexpr HelpFacts kSpecialInstructions{"TVtoSpInst", "Valvetrace Special Instructions",
                                                "VtoSpIns.doc", 435};
inline constexpr HelpFacts kWorkbenchHelp{"TWorkbenchHelp", "Gear Workbench", "Workbench.doc", 427};

// The text of a help file, or the message that says why it could not be read.
struct HelpText {
    QString text;
    QString error; // empty when the file was read
};
HelpText LoadHelpText(const QString& path, const QString& name);

class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    // The file is looked for in the folders, in order (the data folders by default).
    HelpWindow(const HelpFacts& facts, QWidget* parent, const QStringList& folders = DataFolders());
    QString LoadError() const { return error_; } // shown once, by whoever created it
    QString Text() const;

private:
    QPlainTextEdit* text_ = nullptr;
    QString error_;
};

} // namespace vt
