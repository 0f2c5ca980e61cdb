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
    const QByteArray bytes = cp932::encode(melodyText(title, tempoText, rows));
    errno = 0;
    if (device.write(bytes) != bytes.size())
        return std::unexpected(writeErrorOf(device));
    // A file device holds back what it was given; the disk may still turn out to be full.
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && !file->flush())
        return std::unexpected(writeErrorOf(device));
    return {};
}

} // namespace tw
