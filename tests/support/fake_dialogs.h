#pragma once
// The file dialogs as a script: each dialog returns the next scripted path of
// its kind (the empty text, i.e. cancel, when none is left) and records what it
// was opened with. As the real dialogs do, a chosen file's folder becomes the
// current folder, where the next dialog starts.

#include "core/ports.h"

#include <QFileInfo>
#include <deque>
#include <vector>

namespace tw::test {

class FakeDialogs final : public FileDialogPort {
public:
    struct Shown {
        QString filter;
        QString initialFolder;
        QString initialName;  //!< save dialog only
    };

    void makeProgramFolderCurrent() override
    {
        ++programFolderCalls;
        folder = programFolder;
    }
    QString currentFolder() const override { return folder; }

    QString showOpenDialog(const QString& filter, const QString& initialFolder) override
    {
        openShown.push_back({filter, initialFolder, {}});
        return answer(openAnswers);
    }
    QString showSaveDialog(const QString& filter, const QString& initialFolder,
                           const QString& initialName) override
    {
        saveShown.push_back({filter, initialFolder, initialName});
        return answer(saveAnswers);
    }

    QString programFolder = QStringLiteral("/opt/tunewright");
    QString folder;  //!< the process's current folder as the dialogs see it
    int programFolderCalls = 0;
    std::deque<QString> openAnswers;  //!< full paths; "" cancels
    std::deque<QString> saveAnswers;
    std::vector<Shown> openShown;
    std::vector<Shown> saveShown;

private:
    QString answer(std::deque<QString>& answers)
    {
        if (answers.empty())
            return {};
        QString path = answers.front();
        answers.pop_front();
        if (!path.isEmpty())
            folder = QFileInfo(path).absolutePath();
        return path;
    }
};

} // namespace tw::test
