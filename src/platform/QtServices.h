#pragma once

#include "Services.h"

#include <QHash>
#include <QObject>
#include <random>

class QSoundEffect;

namespace av {

class QtMessageBoxService : public MessageBoxService {
public:
    Answer show(const QString& text, const QString& title, Buttons buttons) override;
};

// One sound at a time: a new sound cuts the one playing, as a single loudspeaker voice would.
class QtSoundService : public QObject, public SoundService {
    Q_OBJECT
public:
    explicit QtSoundService(const ProgramFolder& folder);
    void play(const QString& path) override;

private:
    const ProgramFolder& m_folder;
    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_playing = nullptr;
};

class FilePictureService : public PictureService {
public:
    using MetafileDecoder = std::function<PicturePtr(const QByteArray&)>;

    explicit FilePictureService(const ProgramFolder& folder);
    PicturePtr load(const QString& path) override;
    void setMetafileDecoder(MetafileDecoder decoder) { m_metafile = std::move(decoder); }

private:
    const ProgramFolder& m_folder;
    MetafileDecoder m_metafile;
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
