#include "codecs/files/melody_file.h"
#include "codecs/files/read_failure.h"
#include "codecs/files/save_file.h"
#include "codecs/files/title.h"
#include "core/editor.h"
#include "core/message_catalogue.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <span>

namespace tw {
namespace {

const QString kMelodyFilter = QStringLiteral("(*.tun)");
const QString kMelodyExtension = QStringLiteral(".tun");

//! The whole melody of a file, or why it could not be read.
std::expected<MelodyReadResult, ReadFailure> readMelody(const QString& path)
{
    // A folder cannot be opened, and a device or a pipe may block the open or never end.
    const QFileInfo info(path);
    if (info.isDir())
        return std::unexpected(ReadFailure{ReadFailure::Kind::Folder});
    if (!info.isFile())
        return std::unexpected(ReadFailure{ReadFailure::Kind::NotAFile});

    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return std::unexpected(ReadFailure{ReadFailure::Kind::System, errno ? errno : EIO});
    errno = 0;
    auto melody = readMelodyFile(file);
    if (!melody)
        return std::unexpected(ReadFailure{ReadFailure::Kind::System, errno ? errno : EIO});
    return *std::move(melody);
}

} // namespace

// ---- Save -------------------------------------------------------------------------

void Editor::imgSave_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Save, PictureStore::Save, button);
}

void Editor::imgSave_MouseUp(int button, int, double x, double y)
{
    if (!releaseTool(ToolImage::Save, PictureStore::Save, button, x, y))
        return;
    // A title or a tempo alone is never saved.
    if (EndRow == 1) {
        showMessage(msg::kNoData, MessageIcon::Error);
        return;
    }
    const QString title = ports_.controls.titleText();
    // The dialog offers the file the melody came from or went to, so Enter saves where the
    // user is working; a melody without one is offered its title as a file name. A cancel
    // leaves the file the melody belongs to as it was.
    const bool hasFile = FilePath != kUntitled && !FilePath.isEmpty();
    const QFileInfo file(FilePath);
    const QString chosen = ports_.dialogs.showSaveDialog(
        kMelodyFilter, hasFile ? file.absolutePath() : ports_.dialogs.currentFolder(),
        hasFile ? file.fileName() : MakeFileName(title));
    if (chosen.isEmpty())
        return;
    FilePath = chosen;
    // Case-sensitive on purpose: song.TUN is saved as song.TUN.tun.
    if (!FilePath.endsWith(kMelodyExtension))
        FilePath += kMelodyExtension;
    if (QFileInfo::exists(FilePath) && ask(msg::kOverwriteQuestion) == MessageAnswer::Cancel)
        return;

    // The file is replaced only once the new content is complete: a failure at any point
    // leaves the old melody on disk as it was.
    const QString tempoText = text(TempoItems[std::size_t(ports_.controls.tempoIndex())].text);
    const std::vector<RowCode> rows = codesOf(std::span(ScoreData).subspan(1, std::size_t(EndRow - 1)));
    const auto saved = saveFile(FilePath, [&](QIODevice& file) {
        return writeMelodyFile(file, title, tempoText, rows);
    });
    if (!saved) {
        ports_.messages.show(msg::writeFailure(saved.error()));
        return;
    }

    Saved = true;
    selectCurrentRow();
    SetCommandStates(after::Save);
}

void Editor::mnuSave_Click()
{
    imgSave_MouseUp(kLeftButton, 0, 1.0, 1.0);
}

// ---- Open -------------------------------------------------------------------------

void Editor::imgOpen_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Open, PictureStore::Open, button);
}

void Editor::imgOpen_MouseUp(int button, int, double x, double y)
{
    if (!releaseTool(ToolImage::Open, PictureStore::Open, button, x, y))
        return;
    // Title and tempo changes alone are not worth the question.
    if (!Saved && EndRow > 1 && ask(msg::kDiscardQuestion) == MessageAnswer::Cancel)
        return;
    const QString path = ports_.dialogs.showOpenDialog(kMelodyFilter, ports_.dialogs.currentFolder());
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        showMessage(msg::kMissingFile);
        return;
    }
    // The file is read to its end before the document is reset: a file that cannot be read
    // leaves the document as it was, unsaved changes included.
    const auto melody = readMelody(path);
    if (!melody) {
        ports_.messages.show(msg::readFailure(path, melody.error()));
        return;
    }

    ResetDocument();
    FilePath = path;
    std::ranges::transform(melody->rows, ScoreData.begin() + 1, [](RowCode code) { return Row{code}; });
    EndRow = int(melody->rows.size()) + 1;
    if (melody->tempo) {
        ports_.controls.setTempoIndex(tempoIndexOf(*melody->tempo));
        cmbTempo_Click();
    }
    if (melody->title) {
        // Already cut to the limit: the reader has told the title box's message. A lone LF
        // stays in the title: the box shows a blank for it and the save writes it back.
        ports_.controls.setTitleText(*melody->title);
        txtTitle_Change();
    }
    ports_.list.clear();
    RebuildScoreList();
    // What reading met is told once the rows are in the list, before the choice, selection
    // and command states are settled: the title limit, then the row limit. The closing
    // message comes at the very end.
    const msg::ReadingReport report = msg::readingReport(*melody);
    for (const Message& message : report.whileReading)
        ports_.messages.show(message);

    CurrentRow = 1;
    ClearKeySelection();
    ClearLengthSelection();
    EntryOpen = false;
    SelectRow(CurrentRow);
    SetCommandStates(after::Open);
    // The title and tempo handlers marked the document modified; it is the file's melody.
    Saved = true;
    if (report.closing)
        ports_.messages.show(*report.closing);
}

void Editor::mnuOpen_Click()
{
    imgOpen_MouseUp(kLeftButton, 0, 1.0, 1.0);
}

} // namespace tw
