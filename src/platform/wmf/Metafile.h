#pragma once

#include "Picture.h"
#include "wmf/FaceMap.h"
#include "wmf/Player.h"
#include "wmf/RecordReader.h"

#include <QByteArray>
#include <memory>
#include <optional>

namespace av::wmf {

// A Windows metafile, kept as its bytes and played as vector drawing each time
// it is drawn, so it stays sharp at any scale and on a printer.
class Metafile final : public Picture {
  public:
    // nullptr when the bytes are no metafile we can play. faces maps Windows face
    // names to installed families (defaultFace when empty).
    static std::shared_ptr<const Metafile> load(const QByteArray& bytes, FaceMapper faces = {});

    QSizeF sizeTwips() const override { return m_twips; }
    void draw(QPainter& painter, const QRectF& target) const override;
    bool isWhole() const override { return m_whole; }
    // Read from the text records, once.
    PictureText text() const override;

    bool isPlaceable() const { return m_header.placeable; }
    // The picture's extent in the device units its records are mapped to.
    QRectF deviceFrame() const { return m_frame.device; }

  private:
    Metafile(QByteArray bytes, const FileHeader& header, FaceMapper faces);
    bool setUpFrame();

    QByteArray m_bytes;
    FileHeader m_header;
    FaceMapper m_faces;
    Frame m_frame;
    QSizeF m_twips;
    bool m_whole = true;
    mutable std::optional<PictureText> m_text;
};

// The pictures service's entry point for metafiles.
PicturePtr decodePicture(const QByteArray& bytes);
PicturePtr decodePicture(const QByteArray& bytes, FaceMapper faces);

} // namespace av::wmf
