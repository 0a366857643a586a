#include "wmf/Dib.h"
#include "wmf/FaceMap.h"
#include "wmf/Metafile.h"
#include "wmf/TextDecoder.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using namespace av::wmf;

// A BITMAPINFOHEADER DIB with the given colour table and rows (bottom row first
// unless height is negative).
QByteArray dib(int width, int height, int bits, const QList<QRgb>& colors, const QByteArray& rows) {
    QByteArray out(40, '\0');
    qToLittleEndian<quint32>(40, out.data());
    qToLittleEndian<qint32>(width, out.data() + 4);
    qToLittleEndian<qint32>(height, out.data() + 8);
    qToLittleEndian<quint16>(1, out.data() + 12);
    qToLittleEndian<quint16>(static_cast<quint16>(bits), out.data() + 14);
    qToLittleEndian<quint32>(static_cast<quint32>(colors.size()), out.data() + 32);
    for (QRgb c : colors) {
        const char quad[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
        out.append(quad, 4);
    }
    return out + rows;
}

QImage decode(const QByteArray& bytes) {
    return decodeDib(bytes.constData(), bytes.constData() + bytes.size());
}

TEST(WmfDib, DecodesEachDepthTheRightWayUp) {
    // 2 x 2 pixels; rows padded to four bytes; stored bottom row first.
    const QImage mono = decode(dib(2, 2, 1, {qRgb(255, 0, 0), qRgb(0, 0, 255)},
                                   QByteArray::fromHex("40000000"
                                                       "80000000")));
    ASSERT_EQ(mono.size(), QSize(2, 2));
    EXPECT_EQ(mono.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(mono.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(mono.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(mono.pixel(1, 0), qRgb(255, 0, 0));

    const QImage four =
        decode(dib(2, 1, 4, {qRgb(0, 0, 0), qRgb(10, 20, 30)}, QByteArray::fromHex("10000000")));
    EXPECT_EQ(four.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(four.pixel(1, 0), qRgb(0, 0, 0));

    const QImage eight =
        decode(dib(1, 1, 8, {qRgb(1, 2, 3), qRgb(4, 5, 6)}, QByteArray::fromHex("01000000")));
    EXPECT_EQ(eight.pixel(0, 0), qRgb(4, 5, 6));

    // Top-down: the first row stored is the top one.
    const QImage rgb = decode(dib(1, -2, 24, {},
                                  QByteArray::fromHex("0000ff00"
                                                      "ff000000")));
    EXPECT_EQ(rgb.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(rgb.pixel(0, 1), qRgb(0, 0, 255));

    const QImage rgbx = decode(dib(1, 1, 32, {}, QByteArray::fromHex("00ff0000")));
    EXPECT_EQ(rgbx.pixel(0, 0), qRgb(0, 255, 0));
}

TEST(WmfDib, RejectsDataThatDoesNotFit) {
    QByteArray tooShort = dib(100, 100, 24, {}, QByteArray(50, '\0'));
    EXPECT_TRUE(decode(tooShort).isNull());
    EXPECT_TRUE(decode(dib(0, 5, 24, {}, QByteArray(64, '\0'))).isNull());
    EXPECT_TRUE(decode(dib(40000, 40000, 1, {}, QByteArray(64, '\0'))).isNull());
    EXPECT_TRUE(decode(QByteArray(10, '\0')).isNull());
}

TEST(WmfText, DecodesTheFontsCodePage) {
    EXPECT_EQ(decodeText("\x80", 1, 0, false).text, QString(QChar(0x20AC)));   // euro, CP1252
    EXPECT_EQ(decodeText("\xC0", 1, 204, false).text, QString(QChar(0x0410))); // Cyrillic A
    const DecodedText japanese = decodeText("a\x82\xA0", 3, 128, false);       // a, hiragana a
    EXPECT_EQ(japanese.text, QString::fromUtf8("a\xE3\x81\x82"));
    EXPECT_EQ(japanese.bytesPerChar, QVector<int>({1, 2}));
    EXPECT_EQ(decodeText("ap", 2, 2, true).text, QString::fromUtf8("\xCE\xB1\xCF\x80")); // Symbol
}

TEST(WmfFaces, MapsWindowsFacesToMetricCompatibleOnes) {
    EXPECT_EQ(defaultFace(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(defaultFace(QStringLiteral("arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(defaultFace(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
    const QString tahoma = defaultFace(QStringLiteral("Tahoma"));
    EXPECT_TRUE(tahoma == QStringLiteral("Tahoma") || tahoma == QStringLiteral("Liberation Sans"));
    // Dialog text of the time was set in MS Sans Serif; it is drawn in the screens' face.
    EXPECT_EQ(defaultFace(QStringLiteral(" MS Sans Serif ")), tahoma);
    EXPECT_EQ(defaultFace(QStringLiteral("Bodoni")), QStringLiteral("Bodoni"));
}

TEST(WmfDecode, RefusesWhatIsNoMetafile) {
    EXPECT_EQ(decodePicture(QByteArray()), nullptr);
    EXPECT_EQ(decodePicture(QByteArray("GIF89a not a metafile at all")), nullptr);
    // A placeable key with nothing after it.
    EXPECT_EQ(decodePicture(QByteArray::fromHex("d7cdc69a0000")), nullptr);
    // A META header that says it is ten words long.
    EXPECT_EQ(decodePicture(QByteArray::fromHex("01000a0000030c000000000000000000000000000000")),
              nullptr);
}

} // namespace
