#include "shell/gui/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace tw::gui {
namespace {

//! Runs the dialog; the chosen file's full path, or the empty text for cancel.
QString chosenPath(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString path = dialog.selectedFiles().value(0);
    if (!path.isEmpty())
        QDir::setCurrent(QFileInfo(path).absolutePath());
    return path;
}

} // namespace

QString startFolder(const QString& programFolder)
{
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void FileDialogs::makeProgramFolderCurrent()
{
    QDir::setCurrent(startFolder(QCoreApplication::applicationDirPath()));
}

QString FileDialogs::currentFolder() const { return QDir::currentPath(); }

QString FileDialogs::showOpenDialog(const QString& filter, const QString& initialFolder)
{
    QFileDialog dialog(window_, {}, initialFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenPath(dialog);
}

QString FileDialogs::showSaveDialog(const QString& filter, const QString& initialFolder,
                                    const QString& initialName)
{
    QFileDialog dialog(window_, {}, initialFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The save command adds the extension and then asks its own question about overwriting.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(initialName);
    return chosenPath(dialog);
}

} // namespace tw::gui
