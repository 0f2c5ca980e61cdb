#include "report.h"

#include <cstdarg>
#include <cstdio>

namespace tw::bench {
namespace {

constexpr int kLabelWidth = 38;
constexpr int kFiguresWidth = 40;

} // namespace

void printHeading(const std::string& heading)
{
    std::printf("\n%s\n", heading.c_str());
    std::fflush(stdout);
}

void printFigure(const std::string& label, const std::string& figures)
{
    std::printf("  %-*s %s\n", kLabelWidth, label.c_str(), figures.c_str());
    std::fflush(stdout);
}

void printTarget(const std::string& label, const std::string& figures, const std::string& target, bool met)
{
    std::printf("  %-*s %-*s target %s: %s\n", kLabelWidth, label.c_str(), kFiguresWidth, figures.c_str(),
                target.c_str(), met ? "met" : "missed");
    std::fflush(stdout);
}

void printNote(const std::string& note)
{
    std::printf("  (%s)\n", note.c_str());
    std::fflush(stdout);
}

std::string format(const char* pattern, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

} // namespace tw::bench
