#include "Wave.h"
#include "WaveReader.h"

#include <gtest/gtest.h>

namespace av::datatree {
namespace {

TEST(WaveEncoding, WritesSixteenBitMonoPcmThatReadsBack) {
    const std::vector<float> samples = {0.0f, 0.5f, -0.5f, 1.0f, -1.0f};
    const QByteArray bytes = encodeWave(samples, 8000);
    const test::WaveInfo wave = test::readWave(bytes);
    ASSERT_TRUE(wave.valid);
    EXPECT_EQ(wave.format, 1);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_EQ(wave.sampleRate, 8000);
    EXPECT_EQ(bytes.size(), 44 + 2 * qsizetype(samples.size()));
    ASSERT_EQ(wave.samples.size(), samples.size());
    EXPECT_EQ(wave.samples[0], 0);
    EXPECT_EQ(wave.samples[1], 16384);
    EXPECT_EQ(wave.samples[2], -16384);
    EXPECT_EQ(wave.samples[3], 32767);
    EXPECT_EQ(wave.samples[4], -32767);
}

TEST(WaveEncoding, ClipsOutOfRangeSamplesInsteadOfWrappingAround) {
    const test::WaveInfo wave = test::readWave(encodeWave({1.7f, -3.0f}));
    ASSERT_TRUE(wave.valid);
    ASSERT_EQ(wave.samples.size(), 2u);
    EXPECT_EQ(wave.samples[0], 32767);
    EXPECT_EQ(wave.samples[1], -32767);
}

TEST(WaveEncoding, EmptySoundIsStillAWellFormedFile) {
    const test::WaveInfo wave = test::readWave(encodeWave({}));
    EXPECT_TRUE(wave.valid);
    EXPECT_TRUE(wave.samples.empty());
}

} // namespace
} // namespace av::datatree
