#include "import/ringtone_reader.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

namespace tw {
namespace {

// What a ringtone without its own settings plays, as the format defines it.
constexpr int kDefaultLength = 4;
constexpr int kDefaultOctave = 6;
constexpr int kDefaultBpm = 63;
constexpr int kMaxBpm = 900;
constexpr std::array kLengths{1, 2, 4, 8, 16, 32};
// The names listed when a choice matches none.
constexpr int kNamesListed = 10;

struct TuneLine {
    int lineNumber;
    QString name;
    QString settings;
    QString notes;
};

struct Settings {
    int length = kDefaultLength;
    int octave = kDefaultOctave;
    int bpm = kDefaultBpm;
};

bool isLength(int value) { return std::ranges::find(kLengths, value) != kLengths.end(); }

std::expected<std::vector<TuneLine>, QString> tuneLines(const QByteArray& bytes)
{
    std::vector<TuneLine> tunes;
    const QStringList lines = QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype first = line.indexOf(u':');
        const qsizetype second = first < 0 ? -1 : line.indexOf(u':', first + 1);
        if (second < 0)
            return std::unexpected(QStringLiteral("line %1 is no ringtone: RTTTL reads "
                                                  "name:d=4,o=5,b=100:notes").arg(i + 1));
        tunes.push_back({int(i) + 1, line.first(first).trimmed(), line.sliced(first + 1, second - first - 1),
                         line.sliced(second + 1)});
    }
    if (tunes.empty())
        return std::unexpected(QStringLiteral("it holds no ringtone"));
    return tunes;
}

std::expected<std::size_t, QString> chooseTune(const std::vector<TuneLine>& tunes, const std::optional<QString>& choice)
{
    if (!choice)
        return 0;
    for (std::size_t i = 0; i < tunes.size(); ++i)
        if (tunes[i].name.compare(*choice, Qt::CaseInsensitive) == 0)
            return i;
    bool isNumber = false;
    const int place = choice->toInt(&isNumber);
    if (isNumber && place >= 1 && place <= int(tunes.size()))
        return std::size_t(place - 1);
    QStringList names;
    for (std::size_t i = 0; i < tunes.size() && i < kNamesListed; ++i)
        names.append(tunes[i].name);
    if (tunes.size() > kNamesListed)
        names.append(QStringLiteral("…"));
    return std::unexpected(QStringLiteral("no tune is named %1 and none is number %1; it holds %2 (%3)")
                               .arg(*choice).arg(tunes.size()).arg(names.join(QStringLiteral(", "))));
}

std::expected<Settings, QString> readSettings(const TuneLine& tune)
{
    Settings settings;
    const auto where = [&] { return QStringLiteral("line %1 (%2)").arg(tune.lineNumber).arg(tune.name); };
    for (const QString& part : tune.settings.split(u',', Qt::SkipEmptyParts)) {
        const QStringList pair = part.split(u'=');
        bool isNumber = false;
        const int value = pair.size() == 2 ? pair[1].trimmed().toInt(&isNumber) : 0;
        const QString key = pair[0].trimmed().toLower();
        if (!isNumber)
            return std::unexpected(QStringLiteral("%1: the setting \"%2\" is no key=number").arg(where(), part.trimmed()));
        if (key == u"d" && isLength(value))
            settings.length = value;
        else if (key == u"o" && value >= 0 && value <= 9)
            settings.octave = value;
        else if (key == u"b" && value >= 1 && value <= kMaxBpm)
            settings.bpm = value;
        else if (key == u"d" || key == u"o" || key == u"b")
            return std::unexpected(QStringLiteral("%1: %2=%3 is out of range (d 1 to 32, o 0 to 9, b 1 to %4)")
                                       .arg(where(), key).arg(value).arg(kMaxBpm));
        // Other settings (some phones add their own) change nothing that plays.
    }
    return settings;
}

int semitoneOf(QChar letter)
{
    switch (letter.unicode()) {
    case u'c': return 0;
    case u'd': return 2;
    case u'e': return 4;
    case u'f': return 5;
    case u'g': return 7;
    case u'a': return 9;
    default: return 11;  // b, and h as German names it
    }
}

std::expected<Tune, QString> readTune(const TuneLine& line)
{
    const auto settings = readSettings(line);
    if (!settings)
        return std::unexpected(settings.error());
    // Some tunes put the dot after the octave, as in 8c#6.; both places mean the same.
    static const QRegularExpression note(QStringLiteral("^(\\d*)([a-hp])(#?)(\\.?)(\\d?)(\\.?)$"));
    Tune tune;
    tune.title = line.name;
    tune.sourceBpm = settings->bpm;
    // A whole note lasts four beats.
    const std::int64_t wholeUs = 4 * std::int64_t(60000000) / settings->bpm;
    std::int64_t at = 0;
    const QStringList notes = line.notes.split(u',');
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const QString text = notes[i].trimmed().toLower();
        if (text.isEmpty() && i == notes.size() - 1)
            break;  // a comma after the last note
        const QRegularExpressionMatch match = note.match(text);
        const int length = match.hasMatch() && !match.capturedView(1).isEmpty() ? match.capturedView(1).toInt()
                                                                                : settings->length;
        if (!match.hasMatch() || !isLength(length))
            return std::unexpected(QStringLiteral("line %1 (%2), note %3 \"%4\" is no RTTTL note")
                                       .arg(line.lineNumber).arg(line.name).arg(i + 1).arg(notes[i].trimmed()));
        const bool dotted = !match.capturedView(4).isEmpty() || !match.capturedView(6).isEmpty();
        const std::int64_t duration = wholeUs / length * (dotted ? 3 : 2) / 2;
        const QChar letter = match.capturedView(2).front();
        if (letter != u'p') {
            const int octave = match.capturedView(5).isEmpty() ? settings->octave : match.capturedView(5).toInt();
            const int sharp = match.capturedView(3).isEmpty() ? 0 : 1;
            tune.notes.push_back({at, at + duration, 12 * (octave + 1) + semitoneOf(letter) + sharp});
        }
        at += duration;
    }
    tune.endUs = at;
    return tune;
}

} // namespace

std::expected<Ringtone, QString> readRingtone(const QByteArray& bytes, const std::optional<QString>& choice)
{
    const auto tunes = tuneLines(bytes);
    if (!tunes)
        return std::unexpected(tunes.error());
    const auto chosen = chooseTune(*tunes, choice);
    if (!chosen)
        return std::unexpected(chosen.error());
    auto tune = readTune((*tunes)[*chosen]);
    if (!tune)
        return std::unexpected(tune.error());
    return Ringtone{std::move(*tune), int(*chosen) + 1, int(tunes->size())};
}

} // namespace tw
