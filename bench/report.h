#pragma once
// The benchmark's one table: headings, figures, and for each figure with a
// target a line ending in "target …: met" or "target …: missed".

#include <string>

namespace tw::bench {

void printHeading(const std::string& heading);
//! A figure without a target (a comparison, or a part of another figure).
void printFigure(const std::string& label, const std::string& figures);
void printTarget(const std::string& label, const std::string& figures, const std::string& target, bool met);
//! Why a part was skipped, or what a reader should know about a figure.
void printNote(const std::string& note);

//! printf into a std::string.
std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

} // namespace tw::bench
