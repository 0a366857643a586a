// The player's wave reader: what it takes, what it refuses, and that no damaged file can make it
// read out of bounds (run under the sanitizers in the sanitized build).
#include "BuildFolders.h"
#include "WaveBuilder.h"

#include "platform/WaveFile.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace av;
using namespace av::test;

namespace {

QByteArray goodFile() {
    WaveBuilder w;
    w.samples = tone(300);
    return w.bytes();
}

TEST(WaveFile, ReadsSixteenBitMonoAtTheCardsRate) {
    WaveBuilder w;
    w.samples = {0, 1, -1, 32767, -32768, 1234};
    const WavePtr samples = decodeWave(w.bytes());
    ASSERT_TRUE(samples);
    EXPECT_EQ(*samples, w.samples);
}

TEST(WaveFile, FindsItsChunksPastOthersAndTheirPadding) {
    WaveBuilder w;
    w.samples = tone(50);
    w.before = WaveBuilder::chunk("LIST", QByteArray("odd", 3));
    w.between = WaveBuilder::chunk("fact", QByteArray(4, '\0')) +
                WaveBuilder::chunk("junk", QByteArray(7, 'x'));
    const WavePtr samples = decodeWave(w.bytes());
    ASSERT_TRUE(samples);
    EXPECT_EQ(*samples, w.samples);
}

TEST(WaveFile, TakesTheExtensibleFormWhenItHoldsPlainPcm) {
    WaveBuilder w;
    w.samples = tone(10);
    QByteArray bytes = w.bytes();
    // Rewrite the format chunk as 40 bytes of the extensible form with the PCM sub-format.
    const int fmt = int(bytes.indexOf("fmt "));
    QByteArray ext = bytes.mid(fmt + 8, 16);
    ext[0] = char(0xFE);
    ext[1] = char(0xFF);
    ext += QByteArray::fromHex("1600100004000000") + QByteArray::fromHex("01000000000010008000"
                                                                         "00aa00389b71");
    bytes = bytes.left(fmt) + WaveBuilder::chunk("fmt ", ext) + bytes.mid(fmt + 24);
    const WavePtr samples = decodeWave(bytes);
    ASSERT_TRUE(samples);
    EXPECT_EQ(*samples, w.samples);
    ext[24] = 3; // float sub-format
    EXPECT_FALSE(
        decodeWave(bytes.left(fmt) + WaveBuilder::chunk("fmt ", ext) + bytes.mid(fmt + 48)));
}

TEST(WaveFile, RefusesEveryOtherFormat) {
    const auto with = [](auto change) {
        WaveBuilder w;
        w.samples = tone(100);
        change(w);
        return decodeWave(w.bytes());
    };
    EXPECT_FALSE(with([](WaveBuilder& w) { w.bits = 8; })) << "8-bit";
    EXPECT_FALSE(with([](WaveBuilder& w) { w.channels = 2; })) << "stereo";
    EXPECT_FALSE(with([](WaveBuilder& w) { w.rate = 44100; })) << "another rate";
    EXPECT_FALSE(with([](WaveBuilder& w) { w.format = 3; })) << "float samples";
    EXPECT_FALSE(with([](WaveBuilder& w) { w.samples.clear(); })) << "zero frames";
    EXPECT_FALSE(decodeWave(QByteArray("This is no sound at all, only some words.")));
    EXPECT_FALSE(decodeWave(QByteArray()));
}

TEST(WaveFile, AHeaderCutShortIsRefusedAndCutDataPlaysItsWholeFrames) {
    const QByteArray good = goodFile();
    for (int cut = 0; cut <= 44; ++cut)
        EXPECT_FALSE(decodeWave(good.left(cut))) << "cut at " << cut;
    const WavePtr oneAndAHalf = decodeWave(good.left(44 + 3));
    ASSERT_TRUE(oneAndAHalf);
    EXPECT_EQ(oneAndAHalf->size(), 1u);
    const WavePtr all = decodeWave(good + QByteArray("trailing"));
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), 300u);
}

TEST(WaveFile, ChunkSizesThatLieStayInsideTheFile) {
    QByteArray bytes = goodFile();
    for (const std::uint32_t size : {0xFFFFFFFFu, 0xFFFFFFF0u, 0x80000000u, 17u, 1u}) {
        for (const int at : {4, 16, 40}) {
            QByteArray lies = bytes;
            std::memcpy(lies.data() + at, &size, 4);
            const WavePtr samples = decodeWave(lies);
            if (samples) {
                EXPECT_LE(samples->size(), 300u) << size << " at " << at;
            }
        }
    }
}

// Thousands of damaged versions of a good file: every one is read or refused without a fault.
TEST(WaveFile, HammeredWithDamagedFilesNeverReadsOutOfBounds) {
    const QByteArray good = goodFile();
    std::mt19937 random(12);
    int played = 0;
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes = good.left(int(random() % (good.size() + 1)));
        const int flips = int(random() % 6);
        for (int f = 0; f < flips && !bytes.isEmpty(); ++f)
            bytes[int(random() % bytes.size())] = char(random());
        if (random() % 4 == 0) bytes += QByteArray(int(random() % 64), char(random()));
        const WavePtr samples = decodeWave(bytes);
        if (!samples) continue;
        ++played;
        EXPECT_FALSE(samples->empty());
        EXPECT_LE(samples->size() * 2 + 44, std::size_t(bytes.size()));
    }
    EXPECT_GT(played, 0);
}

TEST(WaveFile, EveryShippedSoundIsReadWhole) {
    const char* names[] = {"click",    "typekey", "thud3", "fanf2", "fanf3", "crowd",
                           "cheer2",   "klaxon",  "flute", "gong",  "clap2", "clap3",
                           "drumroll", "laser2",  "whizz", "clown"};
    for (const char* name : names) {
        QFile file(built::programDir() + QStringLiteral("/wav/") + QLatin1String(name) +
                   QStringLiteral(".wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        const WavePtr samples = decodeWave(bytes);
        ASSERT_TRUE(samples) << name;
        EXPECT_EQ(samples->size(), std::size_t(bytes.size() - 44) / 2) << name;
    }
}

} // namespace
