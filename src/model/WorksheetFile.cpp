#include "WorksheetFile.h"

#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QDir>

namespace av {
namespace {

const QString Folder = worksheetFolderName();
const QString Extension = QStringLiteral(".txt");

[[noreturn]] void refuse(const QString& title) {
    throw RuntimeError(RuntimeError::BadFileName, QStringLiteral("worksheet title ") + title);
}

bool isForbidden(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("\\/:*?\"<>|").contains(c);
}

// Names that open a device instead of a file on Windows, whatever follows the first dot.
bool isDeviceName(const QString& title) {
    static const QStringList devices{
        QStringLiteral("CON"),  QStringLiteral("PRN"),  QStringLiteral("AUX"),
        QStringLiteral("NUL"),  QStringLiteral("COM1"), QStringLiteral("COM2"),
        QStringLiteral("COM3"), QStringLiteral("COM4"), QStringLiteral("COM5"),
        QStringLiteral("COM6"), QStringLiteral("COM7"), QStringLiteral("COM8"),
        QStringLiteral("COM9"), QStringLiteral("LPT1"), QStringLiteral("LPT2"),
        QStringLiteral("LPT3"), QStringLiteral("LPT4"), QStringLiteral("LPT5"),
        QStringLiteral("LPT6"), QStringLiteral("LPT7"), QStringLiteral("LPT8"),
        QStringLiteral("LPT9")};
    const QString stem = title.section(QLatin1Char('.'), 0, 0).trimmed();
    return devices.contains(stem, Qt::CaseInsensitive);
}

// Files in "multiple" that are not worksheets of the register.
bool isReservedName(const QString& title) {
    const QString file = title + Extension;
    return file.compare(QStringLiteral("track.txt"), Qt::CaseInsensitive) == 0 ||
           shippedQuestionFiles().contains(file, Qt::CaseInsensitive);
}

// Another file whose name matches only without regard to case would be opened instead.
bool clashesInCase(const ProgramFolder& folder, const QString& title) {
    const QString wanted = title + Extension;
    const QStringList entries = QDir(folder.resolve(Folder)).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry != wanted && entry.compare(wanted, Qt::CaseInsensitive) == 0) return true;
    return false;
}

} // namespace

const QStringList& shippedQuestionFiles() {
    static const QStringList files{QStringLiteral("The Pyramids.txt"),
                                   QStringLiteral("Words and Numbers.txt")};
    return files;
}

QString worksheetPath(const QString& title) {
    for (QChar c : title)
        if (isForbidden(c)) refuse(title);
    return Folder + QLatin1Char('/') + title + Extension;
}

QString titleRefusal(const ProgramFolder& folder, const QString& title) {
    for (QChar c : title)
        if (isForbidden(c)) return {};
    if (isReservedName(title))
        return QStringLiteral(
            "That title is kept for the program's own quizzes; please choose another.");
    if (isDeviceName(title))
        return QStringLiteral("Computers keep that name for their own devices, so no file can be "
                              "called it; please choose another title.");
    if (clashesInCase(folder, title))
        return QStringLiteral("There is already a worksheet whose title differs from this one "
                              "only in capital letters; please choose another title.");
    return {};
}

QString worksheetPathForSaving(const ProgramFolder& folder, const QString& title) {
    const QString path = worksheetPath(title);
    if (isDeviceName(title) || isReservedName(title) || clashesInCase(folder, title)) refuse(title);
    return path;
}

} // namespace av
