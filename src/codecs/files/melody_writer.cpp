#include "codecs/files/melody_file.h"

#include "codecs/files/cp932.h"
#include "codecs/files/note_text.h"

#include <QFileDevice>
#include <cerrno>

namespace tw {
namespace {

QString melodyText(const QString& title, const QString& tempoText, std::span<const RowCode> rows)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("'title=") + title + lineEnd + QStringLiteral("'tempo=")
        + tempoText + lineEnd;
    for (const RowCode code : rows)
        text += CodeToMml(code) + lineEnd;
    return text;
}

} // namespace

std::expected<void, WriteError> writeMelodyFile(QIODevice& device, const QString& title,
                                                const QString& tempoText,
                                                std::span<const RowCode> rows)
{
    return writeAll(device, cp932::encode(melodyText(title, tempoText, rows)));
}

} // namespace tw
