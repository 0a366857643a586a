#include "QtServices.h"

#include "Fonts.h"
#include "KeptPicture.h"
#include "ProgramFolder.h"
#include "RasterDecoder.h"
#include "RuntimeError.h"
#include "Twips.h"
#include "wmf/Metafile.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <chrono>

namespace av {

MessageBoxService::Answer QtMessageBoxService::show(const QString& text, const QString& title,
                                                    Buttons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    buttons == Buttons::Ok ? QMessageBox::Ok
                                           : QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

FilePictureService::FilePictureService(const ProgramFolder& folder, qsizetype drawnBudget)
    : m_folder(folder), m_metafile([](const QByteArray& bytes) {
          return wmf::decodePicture(bytes, &fonts::familyFor);
      }),
      m_drawn(std::make_shared<DrawnCopies>(drawnBudget)) {}

bool looksLikeMetafile(const QByteArray& bytes) {
    if (bytes.size() < 4) return false;
    const auto b = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    const bool placeable = b(0) == 0xD7 && b(1) == 0xCD && b(2) == 0xC6 && b(3) == 0x9A;
    const bool plain = (b(0) == 1 || b(0) == 2) && b(1) == 0 && b(2) == 9 && b(3) == 0;
    return placeable || plain;
}

namespace {
// A picture decoded ahead at its own size, fitted to the box it is shown in.
QImage fitted(const QImage& image, QSize box, bool crop) {
    if (!box.isValid() || box.isEmpty() ||
        (image.width() <= box.width() && image.height() <= box.height()))
        return image;
    if (crop) return image.copy(QRect(QPoint(0, 0), image.size().boundedTo(box)));
    return image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
} // namespace

void FilePictureService::decodeAhead(const QString& path, QSize box, bool crop,
                                     const QObject* holder) {
    letGoOfOrphans();
    QString full;
    try {
        full = m_folder.resolve(path);
    } catch (const RuntimeError&) {
        return;
    }
    if (const auto known = m_prefetched.find(full);
        known != m_prefetched.end() && known->box == box && known->crop == crop) {
        known->held = holder != nullptr;
        known->holder = holder;
        return;
    }
    auto image = std::async(std::launch::async, [full, box, crop] {
        QFile file(full);
        if (!file.open(QIODevice::ReadOnly)) return DecodedRaster();
        return looksLikeMetafile(file.peek(4)) ? DecodedRaster() : decodeRasterFor(file, box, crop);
    });
    m_prefetched.insert(full, Ahead{image.share(), box, crop, holder != nullptr, holder});
}

bool FilePictureService::decodedAhead(const QString& path) const {
    try {
        const auto ahead = m_prefetched.constFind(m_folder.resolve(path));
        return ahead != m_prefetched.cend() &&
               ahead->image.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    } catch (const RuntimeError&) {
        return false;
    }
}

void FilePictureService::letGoOfOrphans() {
    // An orphan still decoding is waited for here: its decode is bounded and soon done.
    m_prefetched.removeIf([](const auto& entry) { return entry->held && !entry->holder; });
}

PicturePtr FilePictureService::loadFitting(const QString& path, QSize box, bool crop) {
    letGoOfOrphans();
    const QString full = m_folder.resolve(path);
    if (const auto ready = m_prefetched.constFind(full); ready != m_prefetched.cend()) {
        const bool whole = !ready->box.isValid();
        const bool asAsked = ready->box == box && ready->crop == crop;
        const DecodedRaster decoded = ready->image.get();
        m_prefetched.erase(ready);
        if (!decoded.image.isNull() && (whole || asAsked))
            return std::make_shared<RasterPicture>(asAsked ? decoded.image
                                                           : fitted(decoded.image, box, crop),
                                                   crop ? decoded.natural : QSize());
    }
    QFile file(full);
    if (!file.open(QIODevice::ReadOnly)) throw RuntimeError(RuntimeError::FileNotFound, path);
    if (looksLikeMetafile(file.peek(4))) {
        const QByteArray bytes = file.readAll();
        PicturePtr picture = m_metafile ? m_metafile(bytes) : nullptr;
        if (!picture) throw RuntimeError(RuntimeError::InvalidPicture, path);
        // A file that changes is a new picture, so the key holds its time and size too.
        const QFileInfo info(file);
        const QString key = info.absoluteFilePath() + QLatin1Char('|') +
                            QString::number(info.lastModified().toMSecsSinceEpoch()) +
                            QLatin1Char('|') + QString::number(bytes.size());
        return std::make_shared<KeptPicture>(std::move(picture), key, m_drawn);
    }
    // Read from the file as decoded: a picture refused from its header is never read whole.
    DecodedRaster decoded = decodeRasterFor(file, box, crop);
    if (decoded.image.isNull()) throw RuntimeError(RuntimeError::InvalidPicture, path);
    // Cropped, the picture keeps its whole size and is cut off where the box ends.
    return std::make_shared<RasterPicture>(std::move(decoded.image),
                                           crop ? decoded.natural : QSize());
}

void FilePictureService::keepDrawnOnly(const std::vector<PicturePtr>& pictures) {
    QStringList keys;
    for (const PicturePtr& picture : pictures)
        if (const auto* kept = dynamic_cast<const KeptPicture*>(picture.get()))
            keys.append(kept->key());
    m_drawn->keepOnly(keys);
}

ClockRandomService::ClockRandomService()
    : m_engine(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

float ClockRandomService::next() {
    // 24 random bits make every float in [0, 1) equally likely and never 1 itself.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

QSizeF QtDisplayService::screenSizeTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize px = screen ? screen->geometry().size() : QSize(1024, 768);
    return QSizeF(px.width() * TwipsPerPixel, px.height() * TwipsPerPixel);
}

void QtDisplayService::setHourglass(bool busy) {
    if (busy == m_busy) return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtDisplayService::quit() {
    QCoreApplication::quit();
}

} // namespace av
