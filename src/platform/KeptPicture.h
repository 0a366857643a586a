#pragma once

#include "DrawnCopies.h"
#include "Picture.h"

#include <QPainter>
#include <memory>
#include <optional>

namespace av {

// A picture that is costly to draw (a metafile replays all its records) drawn once for the
// screen at the size and pixel ratio asked, on the worker when a window paints it, and
// repainted from that copy after. Printing and any scaled drawing still play the picture itself.
class KeptPicture final : public Picture {
  public:
    KeptPicture(PicturePtr picture, QString key, std::shared_ptr<DrawnCopies> copies)
        : m_picture(std::move(picture)), m_key(std::move(key)), m_copies(std::move(copies)) {}

    QSizeF sizeTwips() const override { return m_picture->sizeTwips(); }
    void draw(QPainter& painter, const QRectF& target) const override;
    void drawOnScreen(QPainter& painter, const QRectF& target) const override;
    bool paintOnScreen(QPainter& painter, const QRectF& target,
                       std::function<void()> drawn) const override;
    bool isWhole() const override { return m_picture->isWhole(); }
    void prepareOnScreen(const QSizeF& size, qreal ratio) const override;
    PictureText text() const override { return m_picture->text(); }

    const Picture& original() const { return *m_picture; }
    const QString& key() const { return m_key; }

  private:
    // Where painting from a copy gives the same pixels: no scaling, whole device pixels.
    static bool copyFits(const QPainter& painter, const QRectF& target);
    QImage copyFor(const QSizeF& size, qreal ratio,
                   std::optional<QPainter::RenderHints> hints) const;

    PicturePtr m_picture;
    QString m_key;
    std::shared_ptr<DrawnCopies> m_copies;
};

} // namespace av
