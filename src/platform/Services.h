#pragma once

#include "Picture.h"
#include "PrinterService.h"

#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace av {

class ProgramFolder;

class MessageBoxService {
  public:
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };
    virtual ~MessageBoxService() = default;
    // Modal; returns when the user has answered.
    virtual Answer show(const QString& text, const QString& title, Buttons buttons) = 0;
};

class SoundService {
  public:
    virtual ~SoundService() = default;
    // Starts the wave file and returns at once; a file that cannot be played plays nothing.
    virtual void play(const QString& path) = 0;
};

class PictureService {
  public:
    virtual ~PictureService() = default;
    // Throws RuntimeError when the file is missing or is no picture it can read.
    virtual PicturePtr load(const QString& path) = 0;
    // The same for a box of `box` pixels: a raster picture larger than the box is decoded at
    // the box's size, scaled down to fit or, with crop, only its top-left part, so an oversized
    // file costs no more memory than the box shows. An empty box sets no limit.
    virtual PicturePtr loadFitting(const QString& path, QSize box, bool crop) {
        Q_UNUSED(box);
        Q_UNUSED(crop);
        return load(path);
    }
    // Starts decoding a raster picture, for a box as loadFitting takes it, that the holder may
    // soon load, so that the load only waits for what is left. What was decoded is let go once
    // the holder is gone; a picture that fails shows its failure when it is loaded.
    virtual void decodeAhead(const QString& path, QSize box, bool crop, const QObject* holder) {
        Q_UNUSED(path);
        Q_UNUSED(box);
        Q_UNUSED(crop);
        Q_UNUSED(holder);
    }
    // Copies of pictures drawn for the screen are kept for a return to them. A screen that
    // shows none itself names those it may open next; the others are let go.
    virtual void keepDrawnOnly(const std::vector<PicturePtr>& pictures) { Q_UNUSED(pictures); }
};

class RandomService {
  public:
    virtual ~RandomService() = default;
    // Uniform in [0, 1).
    virtual float next() = 0;
};

// The screen the windows are centred on, and its pointer.
class DisplayService {
  public:
    virtual ~DisplayService() = default;
    virtual QSizeF screenSizeTwips() const = 0;
    virtual void setHourglass(bool busy) = 0;
    // Ends the run: called once every window is closed.
    virtual void quit() = 0;
};

// Every outside service a screen may use; the application owns the implementations.
struct Services {
    ProgramFolder& folder;
    MessageBoxService& messages;
    SoundService& sound;
    PictureService& pictures;
    RandomService& random;
    DisplayService& display;
    PrinterService& printer;
};

} // namespace av
