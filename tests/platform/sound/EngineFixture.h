#pragma once

#include "Listening.h"
#include "PulseCapture.h"

#include "platform/SdlSoundService.h"

#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace av::test {

// The sixteen sounds of the data tree, by name.
extern const char* const ShippedSounds[16];

// A shipped sound read from the data tree by its plain layout.
Signal reference(const QString& name);
bool silent(const Signal& s, std::size_t from, std::size_t to);
// Every 20 ms of the file that carries sound arrives at about its own level, from the first
// sample to the last, and nothing follows it; what is wrong, or empty.
std::string wholeness(const Signal& heard, const Signal& file);
void expectWhole(const Signal& heard, const Signal& file);

// A private sound server, a program folder holding the shipped sounds, and the engine over it.
class SoundEngineTest : public ::testing::Test {
  protected:
    void SetUp() override;

    QString file(const QString& name) const;
    static QString path(const QString& name);
    void write(const QString& name, const QByteArray& bytes) const;
    void openCard();

    // Runs `act` and gives back everything that arrived from then on, for `span`.
    template <class F> Signal listen(F act, std::chrono::milliseconds span) {
        const std::size_t mark = capture.frames();
        act();
        EXPECT_TRUE(capture.waitFor(mark, span)) << "the sink stopped";
        return Signal{capture.since(mark), PulseCapture::Rate};
    }
    Signal listenTo(const QString& name, std::chrono::milliseconds span);

    PulseCapture capture; // first: it points the sound library at its server
    QTemporaryDir dir;
    std::unique_ptr<SdlSoundService> service;
};

} // namespace av::test
