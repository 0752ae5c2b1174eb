// Help windows; see HelpWindow.h.
#include "dialogs/HelpWindow.h"

#include "widgets/DataFiles.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>

namespace vt {

HelpText LoadHelpText(const QString& path, const QString& name) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {{}, "Error Loading " + name + ": Cannot open file " + name};
    QTextStream in(&file);
    return {in.readAll(), {}};
}

HelpWindow::HelpWindow(const HelpFacts& facts, QWidget* parent, const QStringList& folders)
    : QDialog(parent) {
    setObjectName(facts.name);
    setWindowTitle(facts.title);
    setFixedSize(427, 273);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setGeometry(0, 0, facts.textWidth, 273);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QString name = facts.file;
    const HelpText loaded = LoadHelpText(FindDataFile(name, folders), name);
    text_->setPlainText(loaded.text);
    error_ = loaded.error;
}

QString HelpWindow::Text() const { return text_->toPlainText(); }

} // namespace vt
