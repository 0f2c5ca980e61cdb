#include "gui/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>

namespace tw::gui {
namespace {

//! Big enough for the detail view's size, type and date to be read whole beside the name.
constexpr QSize kDialogSize{760, 480};
constexpr int kSidebarWidth = 150;

//! Qt's own dialog opens so small that its columns end in "157...tes" and "pla...ent" and the
//! sidebar's places are cut: it is given room, the columns take the width their contents
//! need and the name the rest. (A desktop's native dialog has none of these parts.)
void makeReadable(QFileDialog& dialog)
{
    dialog.resize(kDialogSize);
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({kSidebarWidth, kDialogSize.width() - kSidebarWidth});
}

//! Runs the dialog; the chosen file's full path, or the empty text for cancel.
QString chosenPath(QFileDialog& dialog)
{
    makeReadable(dialog);
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
