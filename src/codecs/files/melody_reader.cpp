#include "codecs/files/melody_file.h"

#include "codecs/files/cp932.h"
#include "codecs/files/note_text.h"
#include "codecs/files/title.h"

#include <algorithm>
#include <utility>
#include <variant>

namespace tw {
namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Deduced by C++20 from the aggregate alone, but clang before 17 needs the guide.
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

constexpr qint64 kPieceSize = 64 * 1024;

// A file without line ends is one line. Past this length the rest of a line is skipped, so
// such a file of any size cannot exhaust memory; no line a melody needs comes near it.
constexpr qsizetype kMaxLineLength = 4 * 1024 * 1024;

// Cuts decoded text into lines. CR LF and a lone CR end a line; a lone LF stays in the line.
// Text arrives in pieces, so a CR at the end of one piece may meet its LF in the next.
class LineSplitter {
public:
    // Hands each finished line to `take`, which answers whether to go on.
    template <typename Take>
    bool feed(QStringView text, Take&& take)
    {
        qsizetype pos = 0;
        if (afterCr_ && !text.isEmpty()) {
            afterCr_ = false;
            if (text.front() == u'\n')
                pos = 1;
        }
        for (;;) {
            const qsizetype cr = text.indexOf(u'\r', pos);
            if (cr < 0) {
                keep(text.sliced(pos));
                return true;
            }
            keep(text.sliced(pos, cr - pos));
            if (!take(std::exchange(line_, {})))
                return false;
            pos = cr + 1;
            if (pos == text.size())
                afterCr_ = true;
            else if (text[pos] == u'\n')
                ++pos;
        }
    }

    // The end of the text: a last line without line end still counts, but a line end at the
    // very end makes no further empty line.
    template <typename Take>
    void finish(Take&& take)
    {
        if (!line_.isEmpty())
            take(std::exchange(line_, {}));
    }

private:
    void keep(QStringView part)
    {
        line_.append(part.first(std::min(part.size(), kMaxLineLength - line_.size())));
    }

    QString line_;
    bool afterCr_ = false;
};

// Acts on the verdict of each line as the open command does, and collects its messages.
class MelodyCollector {
public:
    // Answers whether reading goes on.
    bool take(const QString& line)
    {
        return std::visit(
            Overloaded{
                [this](const line::EmptyRow&) { return addRow(kEmptyRow); },
                [this](const line::Row& row) { return addRow(row.code); },
                [this](const line::Tempo& tempo) {
                    result_.tempo = tempo.bpm;
                    return true;
                },
                [this](const line::Title& title) {
                    takeTitle(title.text);
                    return true;
                },
                [this, &line](const line::Invalid&) {
                    result_.lastInvalidLine = line;
                    return true;
                },
                [](const line::Comment&) { return true; },
            },
            ParseMmlLine(line));
    }

    MelodyReadResult finish() && { return std::move(result_); }

private:
    void takeTitle(QStringView title)
    {
        if (titleTooWide(title))
            result_.titleCut = true;
        result_.title = cutTitleToLimit(title);
    }

    bool addRow(RowCode code)
    {
        result_.rows.push_back(code);
        if (result_.rows.size() < std::size_t(kMaxRows))
            return true;
        result_.truncated = true;
        return false;
    }

    MelodyReadResult result_;
};

std::expected<MelodyReadResult, QString> readLines(QIODevice& device)
{
    cp932::Decoder decoder;
    LineSplitter lines;
    MelodyCollector melody;
    const auto take = [&melody](const QString& line) { return melody.take(line); };

    QByteArray piece(kPieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 count = device.read(piece.data(), piece.size());
        if (count < 0)
            return std::unexpected(device.errorString());
        if (count == 0)
            break;
        if (!lines.feed(decoder.decode(QByteArrayView(piece.data(), count)), take))
            return std::move(melody).finish();
    }
    if (lines.feed(decoder.finish(), take))
        lines.finish(take);
    return std::move(melody).finish();
}

} // namespace

std::expected<MelodyReadResult, QString> readMelodyFile(QIODevice& device)
{
    // Text mode would drop every CR, and with it the line ends the file is split at.
    const bool textMode = device.isTextModeEnabled();
    device.setTextModeEnabled(false);
    auto result = readLines(device);
    device.setTextModeEnabled(textMode);
    return result;
}

} // namespace tw
