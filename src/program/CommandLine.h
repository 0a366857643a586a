#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace av {

// What the command line asks for. Options are declared in CommandLine.cpp; add new ones there.
struct CommandLine {
    QString worksheets;               // --worksheets DIR; empty when not given
    QString scale;                    // --scale FACTOR, 1 to 3; empty when not given (applied
                                      // before the application starts, by applyDisplayScale)
    bool quitAfterFirstFrame = false; // --quit-after-first-frame, for timing starts
    std::optional<bool> results;      // --results on|off; unset when not given
    QString exportResults;            // --export-results FILE; empty when not given

    // Set when the program ends here: 0 after --help or --version, 2 after a mistake.
    std::optional<int> exitCode;
    // Printed before ending: to standard output on success, to standard error otherwise.
    QString message;
};

// Reads the arguments, the program's own name first, as QCoreApplication::arguments() gives
// them (Qt's own options already taken out).
CommandLine parseCommandLine(const QStringList& arguments);

// "on" or "off" (or true/false, yes/no, 1/0), in any case; nothing for any other text.
std::optional<bool> onOffValue(const QString& text);

// Whether an argument may be one of Qt's own options, which are single-dash words.
bool mayHoldQtOptions(int argc, char** argv);

// Prints the message where it belongs; returns the exit code.
int finishCommandLine(const CommandLine& line);

} // namespace av
