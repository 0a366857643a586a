#pragma once

#include "DrawnCopies.h"
#include "RasterDecoder.h"
#include "Services.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <future>
#include <random>

namespace av {

class QtMessageBoxService : public MessageBoxService {
  public:
    Answer show(const QString& text, const QString& title, Buttons buttons) override;
};

class FilePictureService : public PictureService {
  public:
    using MetafileDecoder = std::function<PicturePtr(const QByteArray&)>;

    // Room for every page of the program packed, at its size on a plain screen (a page of
    // 700 x 520 pixels packs to about 100 KB); the page on show comes on top.
    static constexpr qsizetype DrawnBudget = 2 * 1024 * 1024;

    explicit FilePictureService(const ProgramFolder& folder, qsizetype drawnBudget = DrawnBudget);
    PicturePtr load(const QString& path) override { return loadFitting(path, QSize(), false); }
    PicturePtr loadFitting(const QString& path, QSize box, bool crop) override;
    // Starts reading and decoding a raster picture on another thread, kept until it is loaded.
    void prefetch(const QString& path) { decodeAhead(path, QSize(), false, nullptr); }
    void decodeAhead(const QString& path, QSize box, bool crop, const QObject* holder) override;
    void keepDrawnOnly(const std::vector<PicturePtr>& pictures) override;
    // Whether a picture decoded ahead is done and waits for its load.
    bool decodedAhead(const QString& path) const;
    void setMetafileDecoder(MetafileDecoder decoder) { m_metafile = std::move(decoder); }
    // Metafiles drawn on screen, kept by file.
    const DrawnCopies& drawnCopies() const { return *m_drawn; }

  private:
    const ProgramFolder& m_folder;
    MetafileDecoder m_metafile;
    std::shared_ptr<DrawnCopies> m_drawn;
    struct Ahead {
        std::shared_future<DecodedRaster> image;
        QSize box; // none: decoded whole, fitted when loaded
        bool crop = false;
        bool held = false; // let go once the holder is gone
        QPointer<const QObject> holder;
    };
    // Pictures decoded ahead whose holders have gone.
    void letGoOfOrphans();

    QHash<QString, Ahead> m_prefetched;
};

class ClockRandomService : public RandomService {
  public:
    ClockRandomService();
    float next() override;

  private:
    std::mt19937 m_engine;
};

class QtDisplayService : public DisplayService {
  public:
    QSizeF screenSizeTwips() const override;
    void setHourglass(bool busy) override;
    void quit() override;

  private:
    bool m_busy = false;
};

bool looksLikeMetafile(const QByteArray& bytes);

} // namespace av
