#pragma once
// What an import did, as the command-line companion tells it on standard error.

#include "import/melody_import.h"

#include <QStringList>

namespace tw::cli {

//! One line per fact: where the line came from, what the fitting chose and changed.
QStringList importReportLines(const ImportedMelody& melody, const QString& title);

} // namespace tw::cli
