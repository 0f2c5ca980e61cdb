#include "core/files/file_commands.h"

#include "codecs/files/melody_file.h"
#include "codecs/midi/midi_file_writer.h"
#include "codecs/files/read_failure.h"
#include "codecs/files/save_file.h"
#include "codecs/files/title.h"
#include "core/message_catalogue.h"
#include "import/melody_import.h"

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
const QString kImportFilter = QStringLiteral("MIDI, RTTTL (*.mid *.midi *.kar *.txt *.rtttl)");
const QString kMidiFilter = QStringLiteral("MIDI (*.mid)");
const QString kMidiExtension = QStringLiteral(".mid");

//! The whole of a file to import, or why it could not be read. Larger files than any
//! tune needs are refused before they are read.
std::expected<QByteArray, ReadFailure> readImportFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return std::unexpected(ReadFailure{ReadFailure::Kind::Folder});
    if (!info.isFile())
        return std::unexpected(ReadFailure{ReadFailure::Kind::NotAFile});
    if (info.size() > kMaxImportBytes)
        return std::unexpected(ReadFailure{ReadFailure::Kind::System, EFBIG});
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return std::unexpected(ReadFailure{ReadFailure::Kind::System, errno ? errno : EIO});
    QByteArray bytes = file.read(kMaxImportBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return std::unexpected(ReadFailure{ReadFailure::Kind::System, EIO});
    if (bytes.size() > kMaxImportBytes)
        return std::unexpected(ReadFailure{ReadFailure::Kind::System, EFBIG});
    return bytes;
}

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

FileCommands::FileCommands(Document& document, ScoreView& view, NoteEntry& entry, ScoreEdits& edits,
                           CommandStates& commands, const Ports& ports)
    : document_(document), view_(view), entry_(entry), edits_(edits), commands_(commands), ports_(ports)
{
}

// ---- Save -------------------------------------------------------------------------

void FileCommands::save()
{
    // A title or a tempo alone is never saved.
    if (document_.EndRow == 1) {
        ports_.messages.tell(msg::kNoData, MessageIcon::Error);
        return;
    }
    const QString title = ports_.controls.titleText();
    // The dialog offers the file the melody came from or went to, so Enter saves where the
    // user is working; a melody without one is offered its title as a file name. A cancel
    // leaves the file the melody belongs to as it was.
    QString& path = document_.FilePath;
    const bool hasFile = path != kUntitled && !path.isEmpty();
    const QFileInfo file(path);
    const QString chosen = ports_.dialogs.showSaveDialog(
        kMelodyFilter, hasFile ? file.absolutePath() : ports_.dialogs.currentFolder(),
        hasFile ? file.fileName() : MakeFileName(title));
    if (chosen.isEmpty())
        return;
    path = chosen;
    // Case-sensitive on purpose: song.TUN is saved as song.TUN.tun.
    if (!path.endsWith(kMelodyExtension))
        path += kMelodyExtension;
    if (QFileInfo::exists(path) && ports_.messages.ask(msg::kOverwriteQuestion) == MessageAnswer::Cancel)
        return;

    // The file is replaced only once the new content is complete: a failure at any point
    // leaves the old melody on disk as it was.
    const QString tempoText = text(TempoItems[std::size_t(ports_.controls.tempoIndex())].text);
    const std::vector<RowCode> rows = document_.rowCodes();
    const auto saved = saveFile(path, [&](QIODevice& device) {
        return writeMelodyFile(device, title, tempoText, rows);
    });
    if (!saved) {
        ports_.messages.show(msg::writeFailure(saved.error()));
        return;
    }

    document_.Saved = true;
    view_.selectCurrentRow();
    commands_.set(after::Save);
}

// ---- Open -------------------------------------------------------------------------

void FileCommands::open()
{
    // Title and tempo changes alone are not worth the question.
    if (!document_.Saved && document_.EndRow > 1
        && ports_.messages.ask(msg::kDiscardQuestion) == MessageAnswer::Cancel)
        return;
    const QString path = ports_.dialogs.showOpenDialog(kMelodyFilter, ports_.dialogs.currentFolder());
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        ports_.messages.tell(msg::kMissingFile);
        return;
    }
    // The file is read to its end before the document is reset: a file that cannot be read
    // leaves the document as it was, unsaved changes included.
    const auto melody = readMelody(path);
    if (!melody) {
        ports_.messages.show(msg::readFailure(path, melody.error()));
        return;
    }

    edits_.resetDocument();
    document_.FilePath = path;
    std::ranges::transform(melody->rows, document_.ScoreData.begin() + 1,
                           [](RowCode code) { return Row{code}; });
    document_.EndRow = int(melody->rows.size()) + 1;
    if (melody->tempo) {
        ports_.controls.setTempoIndex(tempoIndexOf(*melody->tempo));
        edits_.tempoChosen();
    }
    if (melody->title) {
        // Already cut to the limit: the reader has told the title box's message. A lone LF
        // stays in the title: the box shows a blank for it and the save writes it back.
        ports_.controls.setTitleText(*melody->title);
        edits_.titleChanged();
    }
    ports_.list.clear();
    view_.rebuild();
    // What reading met is told once the rows are in the list, before the choice, selection
    // and command states are settled: the title limit, then the row limit. The closing
    // message comes at the very end.
    const msg::ReadingReport report = msg::readingReport(*melody);
    for (const Message& message : report.whileReading)
        ports_.messages.show(message);

    document_.CurrentRow = 1;
    entry_.clearKeySelection();
    entry_.clearLengthSelection();
    view_.selectRow(document_.CurrentRow);
    commands_.set(after::Open);
    // The title and tempo handlers marked the document modified; it is the file's melody.
    document_.Saved = true;
    if (report.closing)
        ports_.messages.show(*report.closing);
}

// ---- Import and export ---------------------------------------------------------------

void FileCommands::importMelody()
{
    if (!document_.Saved && document_.EndRow > 1
        && ports_.messages.ask(msg::kDiscardQuestion) == MessageAnswer::Cancel)
        return;
    const QString path = ports_.dialogs.showOpenDialog(kImportFilter, ports_.dialogs.currentFolder());
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        ports_.messages.tell(msg::kMissingFile);
        return;
    }
    // As with Open, nothing of the document changes unless the whole file could be used.
    const auto bytes = readImportFile(path);
    if (!bytes) {
        ports_.messages.show(msg::readFailure(path, bytes.error()));
        return;
    }
    const auto imported = tw::importMelody(*bytes);
    if (!imported) {
        ports_.messages.show(msg::importFailure(path, imported.error()));
        return;
    }

    // The melody is new: it belongs to no file yet and has not been saved.
    edits_.resetDocument();
    const std::vector<RowCode>& rows = imported->fitted.rows;
    std::ranges::transform(rows, document_.ScoreData.begin() + 1, [](RowCode code) { return Row{code}; });
    document_.EndRow = int(rows.size()) + 1;
    ports_.controls.setTempoIndex(tempoIndexOf(imported->fitted.tempo));
    edits_.tempoChosen();
    if (!imported->title.isEmpty()) {
        // A name from another program may be longer than a title can be, or hold characters
        // a melody file cannot: it is made a title at once, rather than told character by
        // character as typing is.
        ports_.controls.setTitleText(cutTitleToLimit(titleAsStored(imported->title)));
        edits_.titleChanged();
    }
    ports_.list.clear();
    view_.rebuild();
    if (imported->fitted.report.rowsCut)
        ports_.messages.tell(msg::kReadRowLimit, MessageIcon::Error);

    document_.CurrentRow = 1;
    entry_.clearKeySelection();
    entry_.clearLengthSelection();
    view_.selectRow(document_.CurrentRow);
    commands_.set(after::Open);
    document_.Saved = false;
    commands_.set(after::TitleOrTempo);
    ports_.messages.show(msg::importReport(*imported));
}

std::optional<QString> FileCommands::chooseSavePath(const QString& filter, const QString& extension,
                                                    const QString& offeredName)
{
    QString path = ports_.dialogs.showSaveDialog(filter, ports_.dialogs.currentFolder(), offeredName);
    if (path.isEmpty())
        return std::nullopt;
    if (!path.endsWith(extension))
        path += extension;
    if (QFileInfo::exists(path) && ports_.messages.ask(msg::kOverwriteQuestion) == MessageAnswer::Cancel)
        return std::nullopt;
    return path;
}

void FileCommands::exportMidi(int program)
{
    if (document_.EndRow == 1) {
        ports_.messages.tell(msg::kNoData, MessageIcon::Error);
        return;
    }
    const QString title = ports_.controls.titleText();
    const auto path = chooseSavePath(kMidiFilter, kMidiExtension, MakeFileName(title));
    if (!path)
        return;
    // The tempo the player would play at now: the one the list shows.
    const int index = ports_.controls.tempoIndex();
    const int tempo = index >= 0 && index < int(TempoItems.size()) ? TempoItems[std::size_t(index)].bpm
                                                                   : document_.Tempo;
    const std::vector<RowCode> rows = document_.rowCodes();
    const auto saved = saveFile(*path, [&](QIODevice& device) {
        return writeMidiFile(device, title, tempo, program, rows);
    });
    if (!saved)
        ports_.messages.show(msg::writeFailure(saved.error()));
}

} // namespace tw
