#pragma once
// Running tunewright-cli as a script runs it: its exit status and both streams.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace tw {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline QString cliProgram() { return QStringLiteral(TUNEWRIGHT_BINARY_DIR "/bin/tunewright-cli"); }

//! Runs the program to its end in `environment` (by default this process's).
inline CliRun runCli(const QStringList& args,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(cliProgram(), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace tw
