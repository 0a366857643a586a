#include "DisplayScale.h"

#include "SettingsFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace av {

std::optional<double> parseScale(const QString& text) {
    bool ok = false;
    const double factor = text.trimmed().toDouble(&ok);
    if (!ok || !(factor >= MinScale && factor <= MaxScale)) return std::nullopt;
    return factor;
}

std::optional<QString> scaleSetting(const QByteArray& settings) {
    return SettingsFile::fromText(settings).value(QStringLiteral("scale"));
}

ScaleChoice chooseScale(const QStringList& arguments, const QByteArray& settings) {
    return chooseScaleWith(arguments, scaleSetting(settings));
}

ScaleChoice chooseScaleWith(const QStringList& arguments, const std::optional<QString>& setting) {
    std::optional<QString> given;
    QString source;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--scale")) {
            given = i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
            source = QStringLiteral("--scale");
        } else if (arg.startsWith(QLatin1String("--scale="))) {
            given = arg.mid(8);
            source = QStringLiteral("--scale");
        }
    }
    if (!given) {
        given = setting;
        source = QStringLiteral("the settings file");
    }
    ScaleChoice choice;
    if (!given) return choice;
    if (const auto factor = parseScale(*given))
        choice.factor = *factor;
    else
        choice.problem = QStringLiteral("Ancient Velmora: the scale \"%1\" from %2 is not a number "
                                        "from 1 to 3; the screens are drawn at their own size.")
                             .arg(*given, source);
    return choice;
}

QString settingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ancient-velmora/settings.ini");
}

namespace {
// Set for the program started again at a smaller factor, so it never starts itself again.
constexpr char FittedMark[] = "VELMORA_SCALE_FITTED";
// The scale the user gave Qt itself, before this program multiplied it.
QByteArray outerScale;
bool outerScaleSet = false;
} // namespace

double applyDisplayScale(int argc, char** argv) {
    outerScaleSet = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
    outerScale = qgetenv("QT_SCALE_FACTOR");
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const SettingsFile file = SettingsFile::read(settingsFilePath());
    if (!file.problem().isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(file.problem()));
    const ScaleChoice choice = chooseScaleWith(arguments, file.value(QStringLiteral("scale")));
    if (!choice.problem.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(choice.problem));
    if (choice.factor == 1) return 1;
    // A factor the user already gives Qt stays, and this one multiplies it.
    bool ok = false;
    double outer = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || outer <= 0) outer = 1;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(outer * choice.factor));
    return choice.factor;
}

double fittingScale(double applied, QSize available) {
    if (applied <= MinScale || available.isEmpty()) return 0;
    const double room = std::min(double(available.width()) / LargestScreen.width(),
                                 double(available.height()) / LargestScreen.height());
    if (room >= 1) return 0;
    return std::max(MinScale, std::floor(applied * room * 100) / 100);
}

void fitScaleToDisplay(double applied, const QStringList& arguments) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || qEnvironmentVariableIsSet(FittedMark)) return;
    const QSize available = screen->availableGeometry().size();
    const double fitting = fittingScale(applied, available);
    if (fitting <= 0 || fitting >= applied) return;
    const QSize device = available * applied;
    std::fprintf(stderr,
                 "Ancient Velmora: at the scale %s the screens do not fit on this display "
                 "(%d x %d); they are drawn at the scale %s instead.\n",
                 qPrintable(QString::number(applied)), device.width(), device.height(),
                 qPrintable(QString::number(fitting)));
    std::fflush(stderr);
    // The same program, with the user's own Qt scale and the factor that fits.
    if (outerScaleSet)
        qputenv("QT_SCALE_FACTOR", outerScale);
    else
        qunsetenv("QT_SCALE_FACTOR");
    qputenv(FittedMark, "1");
    std::vector<QByteArray> kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--scale")) {
            ++i;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--scale="))) kept.push_back(arg.toLocal8Bit());
    }
    kept.push_back("--scale=" + QByteArray::number(fitting));
    std::vector<char*> argv;
    for (QByteArray& arg : kept)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv("/proc/self/exe", argv.data());
    qunsetenv(FittedMark); // not started again: go on at the factor applied
}

} // namespace av
