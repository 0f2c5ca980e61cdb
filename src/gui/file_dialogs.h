#pragma once
// The file dialog port: Qt's file dialogs, one filter, cancel as the empty text. A chosen file's
// folder becomes the process's current folder, where the next dialog of either kind starts.

#include "core/ports.h"

class QFileDialog;
class QWidget;

namespace tw::gui {

class FileDialogs final : public FileDialogPort {
public:
    explicit FileDialogs(QWidget* window) : window_(window) {}

    void makeProgramFolderCurrent() override;
    QString currentFolder() const override;
    QString showOpenDialog(const QString& filter, const QString& initialFolder) override;
    QString showSaveDialog(const QString& filter, const QString& initialFolder,
                           const QString& initialName) override;

private:
    QWidget* window_;
};

//! The folder the program starts in: its own, where the user may write there; otherwise (an
//! installed program) the user's documents folder, else the home folder, so that the first
//! save dialog does not offer a place where saving can only fail.
QString startFolder(const QString& programFolder);

} // namespace tw::gui
