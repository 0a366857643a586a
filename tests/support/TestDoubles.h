#pragma once

#include "platform/Services.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace av::test {

struct ShownMessage {
    QString text;
    QString title;
    MessageBoxService::Buttons buttons;
};

// Records every message box; answers come from a script, OK when it runs out.
class RecordingMessageBox : public MessageBoxService {
  public:
    Answer show(const QString& text, const QString& title, Buttons buttons) override;
    QStringList texts() const;

    std::vector<ShownMessage> shown;
    std::deque<Answer> answers;
    // Runs as each box is shown, to look at the world the user sees it in.
    std::function<void(const QString& text)> onShow;
};

class RecordingSound : public SoundService {
  public:
    void play(const QString& path) override { played.append(path); }
    QStringList played;
};

// Hands out blank pictures of a chosen size; paths marked missing fail as a missing file does.
class FakePictures : public PictureService {
  public:
    PicturePtr load(const QString& path) override;
    PicturePtr loadFitting(const QString& path, QSize box, bool crop) override {
        asked.push_back({path, box, crop, nullptr});
        return load(path);
    }
    void decodeAhead(const QString& path, QSize box, bool crop, const QObject* holder) override {
        ahead.push_back({path, box, crop, holder});
    }
    void setSize(const QString& path, QSizeF twips) { sizes.insert(key(path), twips); }
    void setMissing(const QString& path) { missing.insert(key(path)); }
    static QString key(const QString& path);

    struct Request {
        QString path;
        QSize box;
        bool crop = false;
        const QObject* holder = nullptr;
    };
    QStringList loaded;
    std::vector<Request> asked; // every load for a box
    std::vector<Request> ahead; // every decode ahead
    QSizeF defaultSize{150, 150};

  private:
    QHash<QString, QSizeF> sizes;
    QSet<QString> missing;
};

// Plays back scripted values, then a fixed sequence.
class ScriptedRandom : public RandomService {
  public:
    float next() override;
    std::deque<float> values;
};

class FakeDisplay : public DisplayService {
  public:
    QSizeF screenSizeTwips() const override { return screen; }
    void setHourglass(bool busy) override { hourglass.push_back(busy); }
    void quit() override { ++quitCalls; }

    QSizeF screen{15360, 11520};
    std::vector<bool> hourglass;
    int quitCalls = 0;
};

} // namespace av::test
