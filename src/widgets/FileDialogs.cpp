// The file dialogs and the file error box; see FileDialogs.h.
#include "widgets/FileDialogs.h"

#include "files/FileNames.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

namespace vt {

std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogFacts& f, QWidget* parent) {
    auto d = std::make_unique<QFileDialog>(parent, QString::fromLatin1(f.title));
    d->setNameFilter(QString::fromLatin1(f.filter));
    d->setDefaultSuffix(QString::fromLatin1(f.suffix));
    d->setAcceptMode(f.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(f.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    d->setSizeGripEnabled(true);
    // A name typed without an extension gets the one of the filter chosen last.
    QObject::connect(d.get(), &QFileDialog::filterSelected, d.get(),
                     [dialog = d.get(), f](const QString& filter) {
                         const std::string suffix = FilterSuffix(filter.toStdString());
                         dialog->setDefaultSuffix(QString::fromStdString(suffix.empty() ? f.suffix : suffix));
                     });
    return d;
}

FileUi StandardFileUi(QWidget* parent) {
    return {
        [parent](const FileDialogFacts& f) {
            const auto d = MakeFileDialog(f, parent);
            if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
            return d->selectedFiles().front();
        },
        [parent](const QString& message) {
            QMessageBox box(QMessageBox::Critical, "VALVETRACE", message, QMessageBox::Ok, parent);
            box.exec();
        },
    };
}

QString SaveTextFile(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return file.errorString();
    const auto size = qint64(text.size());
    if (file.write(text.data(), size) != size) return file.errorString();
    if (!file.commit()) return file.errorString();
    return {};
}

SaveAnswer AskSaveChanges(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, "VALVETRACE", question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText("&Save");
    box.button(QMessageBox::Discard)->setText("&Discard");
    box.button(QMessageBox::Cancel)->setText("Cancel");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    return clicked == QMessageBox::Save      ? SaveAnswer::Save
           : clicked == QMessageBox::Discard ? SaveAnswer::Discard
                                             : SaveAnswer::Cancel;
}

} // namespace vt
