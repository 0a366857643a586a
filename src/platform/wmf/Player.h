#pragma once

#include "wmf/DcState.h"
#include "wmf/FaceMap.h"
#include "wmf/RecordReader.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <functional>
#include <vector>

namespace av::wmf {

// Where the picture's device space lies and how the drawing state starts.
struct Frame {
    QRectF device;     // device units, mapped onto the caller's target
    QPointF windowOrg; // initial window, logical units
    QPointF windowExt{1, 1};
    double twipsPerDevice = 1; // physical size of one device unit
};

// A piece of text as a record draws it: where its baseline starts, in device units, and its
// width and em height there.
struct TextRun {
    QPointF start;
    double width = 0;
    double em = 0;
    QString text;
};

// Plays a metafile's records onto a painter. One Player per playback.
class Player {
  public:
    Player(QPainter& painter, const Frame& frame, const QRectF& target, FaceMapper faces);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void play(const char* data, std::size_t size, const FileHeader& header);
    // Hands every piece of text to reader instead of drawing anything.
    void readTextOnly(std::function<void(const TextRun&)> reader) { m_reader = std::move(reader); }

  private:
    void dispatch(const Record& r);
    bool state(const Record& r);
    bool mapping(const Record& r);
    bool objects(const Record& r);
    bool clipping(const Record& r);
    bool shapes(const Record& r);
    bool arcs(const Record& r);
    bool text(const Record& r);
    bool bitmaps(const Record& r);
    bool regions(const Record& r);

    // Mapping between logical and device units.
    QTransform logicalToDevice() const;
    QPointF map(double x, double y) const;
    QRectF mapRect(double left, double top, double right, double bottom) const;
    double scaleX() const;
    double scaleY() const;

    // Object table.
    void addObject(GdiObject object);
    const GdiObject* object(int index) const;
    void selectObject(int index);

    // Painter set-up for the current state.
    QColor color(const char* colorRef) const;
    QPen pen() const;
    QBrush brush(const BrushSpec& spec) const;
    QBrush brush() const { return brush(m_dc.brush); }
    bool beginDraw();
    void endDraw();
    void applyClip();
    void setClip(std::optional<QPainterPath> clip);
    void drawShape(const QPainterPath& path, bool fill);
    void drawPolygon(const QPolygonF& polygon, bool closed);
    // Work bounds on raster output: the outline's length in output pixels is what filling and
    // stroking cost. False when the page has spent its share and the shape is left out; a long
    // outline is drawn without antialiasing, which on self-crossing shapes costs far more.
    bool affordOutline(double pixels);
    double outlineLength(const QPolygonF& device) const;
    double outlineLength(const QPainterPath& device) const;
    bool outOfTime() const;

    // Text and bitmaps.
    void drawText(QPointF reference, const char* bytes, int length, const std::int16_t* dx,
                  int options, const QRectF& box);
    QFont font(double* emDevice) const;
    void blit(const QImage& image, const QRectF& dest, QRectF source, std::uint32_t rop);
    void patternFill(const QRectF& dest, std::uint32_t rop);
    QPainterPath regionPath(const Record& r) const;

    QPainter& m_painter;
    Frame m_frame;
    FaceMapper m_faces;
    DcState m_dc;
    std::vector<DcState> m_saved;
    std::vector<GdiObject> m_objects;
    QPainterPath m_outerClip;
    bool m_clipDirty = true;
    double m_pixelsPerDevice = 1; // output pixels per device unit, for hairlines
    bool m_rasterOps = false;
    bool m_blendModes = false;
    bool m_bounded = false; // drawing onto pixels, where work is capped
    QTransform m_toPixels;
    double m_work = 0;
    QElapsedTimer m_clock;
    std::function<void(const TextRun&)> m_reader;
};

} // namespace av::wmf
