#include "DataTree.h"

#include "Pictures.h"
#include "Sounds.h"
#include "Wave.h"
#include "WriteIfChanged.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace av::datatree {

using tools::writeIfChanged;

namespace {

QByteArray jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", kJpegQuality);
    return bytes;
}

} // namespace

QStringList writeDataTree(const QString& root) {
    QStringList problems;
    const QDir dir(root);
    const QString images = dir.filePath(QStringLiteral("Images"));
    const QString sounds = dir.filePath(QStringLiteral("wav"));
    if (!QDir().mkpath(images) || !QDir().mkpath(sounds))
        return {QStringLiteral("cannot create folders under %1").arg(root)};

    for (const PictureSpec& spec : pictureCatalogue()) {
        const QString path = QDir(images).filePath(QString::fromLatin1(spec.fileName));
        const QByteArray bytes = jpegBytes(renderPicture(spec));
        if (bytes.isEmpty() || !writeIfChanged(path, bytes))
            problems << QStringLiteral("cannot write %1").arg(path);
    }
    for (const SoundSpec& spec : soundCatalogue()) {
        const QString path = QDir(sounds).filePath(QString::fromLatin1(spec.fileName));
        if (!writeIfChanged(path, encodeWave(spec.make())))
            problems << QStringLiteral("cannot write %1").arg(path);
    }
    return problems;
}

} // namespace av::datatree
