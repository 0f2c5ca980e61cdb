#include "cli/progress_line.h"

#include "cli/console.h"

#include <cstdio>
#include <unistd.h>

namespace tw::cli {
namespace {

// Back to the start of the line, and after the text clear what a longer text
// before left: counting characters would not do, some of the row texts are wide.
constexpr char kLineStart[] = "\r";
constexpr char kClearToEnd[] = "\x1b[K";

} // namespace

ProgressLine::ProgressLine() : onTerminal_(isatty(STDOUT_FILENO) == 1) {}

void ProgressLine::show(const QString& text)
{
    if (!onTerminal_) {
        printLine(text);
        std::fflush(stdout);
        return;
    }
    const QByteArray bytes = kLineStart + text.toUtf8() + kClearToEnd;
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
    drawn_ = true;
}

void ProgressLine::finish()
{
    if (onTerminal_ && drawn_)
        std::fputc('\n', stdout);
    std::fflush(stdout);
    drawn_ = false;
}

QString minutesSeconds(std::chrono::milliseconds time)
{
    const auto tenths = time.count() / 100;
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

} // namespace tw::cli
