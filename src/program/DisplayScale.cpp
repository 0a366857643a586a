#include "DisplayScale.h"

#include "SettingsFile.h"

#include <QStandardPaths>
#include <cstdio>

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

void applyDisplayScale(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const SettingsFile file = SettingsFile::read(settingsFilePath());
    if (!file.problem().isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(file.problem()));
    const ScaleChoice choice = chooseScaleWith(arguments, file.value(QStringLiteral("scale")));
    if (!choice.problem.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(choice.problem));
    if (choice.factor == 1) return;
    // A factor the user already gives Qt stays, and this one multiplies it.
    bool ok = false;
    double outer = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || outer <= 0) outer = 1;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(outer * choice.factor));
}

} // namespace av
