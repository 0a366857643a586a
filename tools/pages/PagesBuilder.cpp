#include "PagesBuilder.h"

#include "Logo.h"
#include "PageLayout.h"
#include "WriteIfChanged.h"

#include <QDir>
#include <QFile>

namespace av::pages {

using tools::writeIfChanged;

namespace {

void writePage(const PageSpec& spec, const QString& contentDir, const QDir& root,
               QStringList& problems) {
    const QString sourcePath = QDir(contentDir).filePath(spec.stem + QStringLiteral(".txt"));
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        problems << QStringLiteral("cannot read %1").arg(sourcePath);
        return;
    }
    QString error;
    const PageSource page = parsePageSource(QString::fromUtf8(source.readAll()), &error);
    if (!error.isEmpty()) problems << sourcePath + QStringLiteral(": ") + error;
    for (const Medium medium : {Medium::Screen, Medium::Print}) {
        QStringList pageProblems;
        const QByteArray bytes = drawPage(page, *spec.theme, medium, pageProblems);
        for (const QString& p : pageProblems)
            problems << spec.stem + QStringLiteral(": ") + p;
        const QString folder =
            medium == Medium::Screen ? QStringLiteral("wmf") : QStringLiteral("wmf2");
        const QString path =
            root.filePath(folder + QLatin1Char('/') + spec.stem + QStringLiteral(".wmf"));
        if (!writeIfChanged(path, bytes)) problems << QStringLiteral("cannot write %1").arg(path);
    }
}

void writeLogo(const QDir& root, QStringList& problems) {
    const QString dir = root.filePath(QStringLiteral("logo"));
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        if (bytes.isEmpty() || !writeIfChanged(QDir(dir).filePath(name), bytes))
            problems << QStringLiteral("cannot write logo/%1").arg(name);
    };
    write(QStringLiteral("marlowind2.bmp"), bmpBytes(staticLogo()));
    const std::vector<QByteArray> frames = logoFrameGifs();
    for (std::size_t i = 0; i < frames.size(); ++i)
        write(QStringLiteral("marl%1.gif").arg(int(i), 4, 10, QLatin1Char('0')), frames[i]);
}

} // namespace

QStringList writePages(const QString& contentDir, const QString& programDir) {
    const QDir root(programDir);
    for (const char* folder : {"wmf", "wmf2", "logo"})
        if (!root.mkpath(QString::fromLatin1(folder)))
            return {
                QStringLiteral("cannot create %1 under %2").arg(QLatin1String(folder), programDir)};
    QStringList problems;
    for (const PageSpec& spec : pageCatalogue())
        writePage(spec, contentDir, root, problems);
    writeLogo(root, problems);
    return problems;
}

} // namespace av::pages
