#include "csvmidi.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace tw::test {
namespace {

QByteArray run(const QString& program, const QByteArray& input)
{
    QProcess process;
    process.start(program, {QStringLiteral("-"), QStringLiteral("-")});
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString() << " (tools/install-deps installs it)";
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

} // namespace

QByteArray csvMidi(const QString& header, const QString& records)
{
    const QString csv = QStringLiteral("0, 0, Header, %1\n").arg(header) + records.trimmed()
        + QStringLiteral("\n0, 0, End_of_file\n");
    return run(QStringLiteral("csvmidi"), csv.toUtf8());
}

QString midiCsv(const QByteArray& file) { return QString::fromUtf8(run(QStringLiteral("midicsv"), file)); }

} // namespace tw::test
