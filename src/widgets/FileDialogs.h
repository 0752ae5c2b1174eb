// The standard file dialogs of the dimension files and the message box of a file error:
// the facts of each dialog, and the window's seam that tests replace; the atomic save of a
// window's text.
#pragma once

#include "model/DesignChanges.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QFileDialog;
class QWidget;

namespace vt {

struct FileDialogFacts {
    const char* title; // empty: the platform's default title
    const char* filter;
    const char* suffix; // added to a name typed without an extension, unless the chosen
                        // filter names another
    bool save;          // a save dialog, which asks before overwriting
    bool mustExist;
};

inline constexpr FileDialogFacts kSaveDimensionsDialog{
    "Save As.....", "Data File (*.dvt);;All Files (*.*)", "dvt", true, false};
inline constexpr FileDialogFacts kOpenDimensionsDialog{
    "", "Data File (*.dvt);;All Files (*.*)", "dvt", false, true};
inline constexpr FileDialogFacts kOpenOlderDialog{
    "", "Data File (*.ovt);;All Files (*.*)", "ovt", false, false};

std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogFacts& f, QWidget* parent);

// How the main window asks for a file and reports a failure; tests put in their own.
struct FileUi {
    std::function<QString(const FileDialogFacts&)> choose; // empty when cancelled
    std::function<void(const QString&)> report;
};
// The standard dialogs and a message box with the error icon and "OK".
FileUi StandardFileUi(QWidget* parent);

// Writes the text through QSaveFile, so a failure leaves any file there as it was.
// Returns the error text, empty on success.
QString SaveTextFile(const QString& path, const std::string& text);

// The question before a changed design is put aside: "&Save", "&Discard" and "Cancel"
// (also Esc and the close box); Enter saves.
SaveAnswer AskSaveChanges(QWidget* parent, const QString& question);

} // namespace vt
