#pragma once

#include "cli/CliCommon.h"

namespace qv::cli {

// One function per command; each parses its own arguments and returns the exit code.
int RunDrawsImport(const Command& command, const QStringList& args);
int RunDrawsList(const Command& command, const QStringList& args);
int RunSlipShow(const Command& command, const QStringList& args);
int RunSlipsFromText(const Command& command, const QStringList& args);
int RunEvaluate(const Command& command, const QStringList& args);
int RunFilter(const Command& command, const QStringList& args);
int RunCombos(const Command& command, const QStringList& args);
int RunSearch(const Command& command, const QStringList& args);
// Needs a QGuiApplication: it draws the sheets with the program's fonts.
int RunPrint(const Command& command, const QStringList& args);
int RunStats(const Command& command, const QStringList& args);
int RunNOverK(const Command& command, const QStringList& args);
int RunVersionInfo(const Command& command, const QStringList& args);
int RunTips(const Command& command, const QStringList& args);
int RunBacktest(const Command& command, const QStringList& args);
int RunOdds(const Command& command, const QStringList& args);
int RunWheel(const Command& command, const QStringList& args);

} // namespace qv::cli
