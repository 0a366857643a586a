#include "CommandLine.h"

#include "DisplayScale.h"

#include <QCommandLineParser>
#include <cstdio>
#include <cstring>

namespace av {
namespace {

const QString ProgramName = QStringLiteral("ancient-velmora");

QString usageMistake(const QString& what) {
    return ProgramName + QStringLiteral(": ") + what + QStringLiteral("\nTry '") + ProgramName +
           QStringLiteral(" --help' for more information.\n");
}

} // namespace

std::optional<bool> onOffValue(const QString& text) {
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("on") || word == QLatin1String("true") ||
        word == QLatin1String("yes") || word == QLatin1String("1"))
        return true;
    if (word == QLatin1String("off") || word == QLatin1String("false") ||
        word == QLatin1String("no") || word == QLatin1String("0"))
        return false;
    return std::nullopt;
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ancient Velmora: a learning program about the ancient land of Velmora, "
                       "with quizzes, activities and pages for pupils and worksheets for "
                       "teachers."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption worksheets(
        QStringLiteral("worksheets"),
        QStringLiteral("Keep the teachers' worksheets in <folder>, for example a folder the "
                       "whole school shares."),
        QStringLiteral("folder"));
    parser.addOption(worksheets);
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QStringLiteral("Draw every screen, picture and page <factor> times larger, from 1 to 3; "
                       "the same as scale=<factor> in ~/.config/ancient-velmora/settings.ini."),
        QStringLiteral("factor"));
    parser.addOption(scale);
    const QCommandLineOption quitAfterFirstFrame(
        QStringLiteral("quit-after-first-frame"),
        QStringLiteral("End once the title screen's first frame is on the display (for timing "
                       "starts)."));
    parser.addOption(quitAfterFirstFrame);
    const QCommandLineOption results(
        QStringLiteral("results"),
        QStringLiteral("Keep pupils' results (on) or not (off) for this start; the same as "
                       "results=on in ~/.config/ancient-velmora/settings.ini."),
        QStringLiteral("on|off"));
    parser.addOption(results);
    const QCommandLineOption exportResults(
        QStringLiteral("export-results"),
        QStringLiteral("Write the pupils' results kept in the worksheet folder to <file> as "
                       "comma-separated values, and end."),
        QStringLiteral("file"));
    parser.addOption(exportResults);

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.exitCode = 2;
        line.message = usageMistake(parser.errorText());
        return line;
    }
    if (parser.isSet(help)) {
        line.exitCode = 0;
        // The usage line names the program as it is installed, not by the path it was run as.
        const QString text = parser.helpText();
        line.message = QStringLiteral("Usage: ") + ProgramName + QStringLiteral(" [options]") +
                       text.mid(text.indexOf(QLatin1Char('\n')));
        if (!line.message.endsWith(QLatin1Char('\n'))) line.message += QLatin1Char('\n');
        return line;
    }
    if (parser.isSet(version)) {
        line.exitCode = 0;
        line.message =
            ProgramName + QLatin1Char(' ') + QStringLiteral(VELMORA_VERSION) + QLatin1Char('\n');
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.exitCode = 2;
        line.message = usageMistake(
            QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));
        return line;
    }
    line.scale = parser.value(scale);
    if (parser.isSet(scale) && !parseScale(line.scale)) {
        line.exitCode = 2;
        line.message = usageMistake(QStringLiteral("--scale needs a number from 1 to 3."));
        return line;
    }
    line.worksheets = parser.value(worksheets);
    line.quitAfterFirstFrame = parser.isSet(quitAfterFirstFrame);
    if (parser.isSet(results)) {
        line.results = onOffValue(parser.value(results));
        if (!line.results) {
            line.exitCode = 2;
            line.message = usageMistake(QStringLiteral("--results needs on or off."));
            return line;
        }
    }
    line.exportResults = parser.value(exportResults);
    if (parser.isSet(exportResults) && line.exportResults.isEmpty()) {
        line.exitCode = 2;
        line.message = usageMistake(QStringLiteral("--export-results needs a file."));
        return line;
    }
    if (parser.isSet(worksheets) && line.worksheets.isEmpty()) {
        line.exitCode = 2;
        line.message = usageMistake(QStringLiteral("--worksheets needs a folder."));
    }
    return line;
}

bool mayHoldQtOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-' && argv[i][1] != '-' && std::strlen(argv[i]) > 2) return true;
    return false;
}

int finishCommandLine(const CommandLine& line) {
    const int code = line.exitCode.value_or(0);
    std::fputs(line.message.toLocal8Bit().constData(), code == 0 ? stdout : stderr);
    return code;
}

} // namespace av
