#include "core/model/Stream.h"

#include <QBuffer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {
QByteArray Written(const std::function<void(TStream&)>& write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStream stream(buffer);
    write(stream);
    return bytes;
}

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

// A stream over a copy of bytes, for reading.
struct TReader {
    explicit TReader(const QByteArray& bytes) : Bytes(bytes), Buffer(&Bytes), Stream(Buffer) {
        Buffer.open(QIODevice::ReadOnly);
    }
    QByteArray Bytes;
    QBuffer Buffer;
    TStream Stream;
};

QByteArray ExtendedHex(Extended value) {
    const TExtendedBytes bytes = EncodeExtended(value);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()).toHex(' ');
}

constexpr bool ExtendedIsX87 = std::numeric_limits<Extended>::digits == 64;
} // namespace

TEST(Stream, IntegersColoursBooleansAndBytesAreLittleEndian) {
    const QByteArray bytes = Written([](TStream& s) {
        s.WriteInteger(3276);
        s.WriteInteger(-2);
        s.WriteColor(clNone);
        s.WriteBoolean(true);
        s.WriteBoolean(false);
        s.WriteByte(0xA5);
    });
    EXPECT_EQ(bytes, Hex("cc0c0000 feffffff ffffff1f 01 00 a5"));

    TReader reader(bytes);
    EXPECT_EQ(reader.Stream.ReadInteger(), 3276);
    EXPECT_EQ(reader.Stream.ReadInteger(), -2);
    EXPECT_EQ(reader.Stream.ReadColor(), clNone);
    EXPECT_TRUE(reader.Stream.ReadBoolean());
    EXPECT_FALSE(reader.Stream.ReadBoolean());
    EXPECT_EQ(reader.Stream.ReadByte(), 0xA5);
}

TEST(Stream, AnyNonZeroByteReadsAsTrue) {
    TReader reader(Hex("00 02 ff"));
    EXPECT_FALSE(reader.Stream.ReadBoolean());
    EXPECT_TRUE(reader.Stream.ReadBoolean());
    EXPECT_TRUE(reader.Stream.ReadBoolean());
}

TEST(Stream, ExtendedHasTheTenByteLayout) {
    EXPECT_EQ(ExtendedHex(1.0L), "00 00 00 00 00 00 00 80 ff 3f");
    EXPECT_EQ(ExtendedHex(100.0L), "00 00 00 00 00 00 00 c8 05 40");
    EXPECT_EQ(ExtendedHex(0.0L), "00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(ExtendedHex(-0.0L), "00 00 00 00 00 00 00 00 00 80");
    EXPECT_EQ(ExtendedHex(-2.5L), "00 00 00 00 00 00 00 a0 00 c0");
    EXPECT_EQ(ExtendedHex(0.1L),
              ExtendedIsX87 ? "cd cc cc cc cc cc cc cc fb 3f" : "00 d0 cc cc cc cc cc cc fb 3f");
    EXPECT_EQ(ExtendedHex(HUGE_VALL), "00 00 00 00 00 00 00 80 ff 7f");
    EXPECT_EQ(ExtendedHex(-HUGE_VALL), "00 00 00 00 00 00 00 80 ff ff");

    TReader reader(Hex("0000000000000080ff3f 00000000000000a000c0"));
    EXPECT_EQ(reader.Stream.ReadExtended(), 1.0L);
    EXPECT_EQ(reader.Stream.ReadExtended(), -2.5L);
}

TEST(Stream, ExtendedDecodesSpecialValues) {
    EXPECT_TRUE(std::isinf(DecodeExtended(EncodeExtended(HUGE_VALL))));
    EXPECT_TRUE(std::isnan(DecodeExtended(EncodeExtended(std::nanl("")))));
    EXPECT_TRUE(std::signbit(DecodeExtended(EncodeExtended(-0.0L))));
}

TEST(Stream, ExtendedRoundTripsManyValuesExactly) {
    std::mt19937_64 random(20240601);
    std::uniform_int_distribution<int> exponents(-1000, 1000);
    for (int i = 0; i < 20000; ++i) {
        const auto significand = static_cast<Extended>(random() >> 11) + 1;
        Extended value = std::ldexp(significand, exponents(random) - 53);
        if (i % 2)
            value = -value;
        ASSERT_EQ(DecodeExtended(EncodeExtended(value)), value) << ExtendedHex(value).data();
    }
}

TEST(Stream, EveryNormalX87BitPatternSurvivesDecodingAndEncoding) {
    if (!ExtendedIsX87)
        GTEST_SKIP() << "long double holds fewer than 64 significand bits here";
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t significand = random() | 0x8000000000000000ULL;
        const auto exponent = static_cast<std::uint16_t>(1 + random() % 0x7FFE) |
                              static_cast<std::uint16_t>(i % 2 ? 0x8000 : 0);
        TExtendedBytes bytes{};
        for (int b = 0; b < 8; ++b)
            bytes[b] = static_cast<std::uint8_t>(significand >> (8 * b));
        bytes[8] = static_cast<std::uint8_t>(exponent);
        bytes[9] = static_cast<std::uint8_t>(exponent >> 8);
        ASSERT_EQ(EncodeExtended(DecodeExtended(bytes)), bytes);
    }
    const Extended smallestDenormal = std::ldexp(1.0L, -16445);
    EXPECT_EQ(ExtendedHex(smallestDenormal), "01 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(DecodeExtended(EncodeExtended(smallestDenormal)), smallestDenormal);
}

TEST(Stream, StringsAreUtf16CodeUnitsWithoutTerminator) {
    EXPECT_EQ(Written([](TStream& s) { s.WriteString(QStringLiteral("Arial")); }),
              Hex("05000000 4100 7200 6900 6100 6c00"));
    EXPECT_EQ(Written([](TStream& s) { s.WriteString(QString()); }), Hex("00000000"));

    const QString text = QString::fromUtf8("Ä€\xF0\x9F\x98\x80");
    const QByteArray bytes = Written([&](TStream& s) { s.WriteString(text); });
    EXPECT_EQ(bytes.left(4), Hex("04000000"));
    TReader reader(bytes);
    EXPECT_EQ(reader.Stream.ReadString(), text);
}

TEST(Stream, ZeroOrNegativeStringLengthReadsEmptyAndConsumesOnlyTheCount) {
    TReader reader(Hex("00000000 2a000000 fbffffff 2b000000"));
    EXPECT_EQ(reader.Stream.ReadString(), QString());
    EXPECT_EQ(reader.Stream.ReadInteger(), 42);
    EXPECT_EQ(reader.Stream.ReadString(), QString());
    EXPECT_EQ(reader.Stream.ReadInteger(), 43);
}

TEST(Stream, StringLongerThanTheRestIsAnError) {
    TReader huge(Hex("ffffff7f 41004200"));
    EXPECT_THROW(huge.Stream.ReadString(), TStreamError);
    TReader oneShort(Hex("03000000 41004200"));
    EXPECT_THROW(oneShort.Stream.ReadString(), TStreamError);
}

TEST(Stream, BitmapRowsAreTopDownBgrWithoutPadding) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(1, 2, 3));
    const QImage original = image;
    const QByteArray bytes = Written([&](TStream& s) { s.WriteBitmap(image); });
    EXPECT_EQ(bytes, Hex("02000000 02000000 0000ff 00ff00 ff0000 030201"));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);

    TReader reader(bytes);
    const QImage read = reader.Stream.ReadBitmap();
    EXPECT_EQ(read.format(), QImage::Format_RGB888);
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), original);
}

TEST(Stream, WritingABitmapDropsItsAlphaInMemory) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    EXPECT_EQ(Written([&](TStream& s) { s.WriteBitmap(image); }), Hex("01000000 01000000 1e140a"));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_FALSE(image.hasAlphaChannel());
}

TEST(Stream, EmptyBitmapTakesEightBytes) {
    TReader reader(Hex("00000000 05000000 2a000000"));
    EXPECT_TRUE(reader.Stream.ReadBitmap().isNull());
    EXPECT_EQ(reader.Stream.ReadInteger(), 42);

    QImage none;
    EXPECT_EQ(Written([&](TStream& s) { s.WriteBitmap(none); }), Hex("00000000 00000000"));
}

TEST(Stream, ImpossibleBitmapSizesAreErrors) {
    for (const char* header : {"ffffffff 01000000", "01000000 00000080", "ffffff7f ffffff7f",
                               "02000000 02000000 0000ff00ff00ff000003"}) {
        TReader reader(Hex(header));
        EXPECT_THROW(reader.Stream.ReadBitmap(), TStreamError) << header;
    }
}

TEST(Stream, DefaultPropsTake57Bytes) {
    const QByteArray bytes = Written([](TStream& s) { s.WriteProps(TProps()); });
    EXPECT_EQ(bytes, Hex("ffffff1f 00000000 00 01 ffffff1f 01000000 00 01"
                         "05000000 4100720069006100 6c00 18000000 00"
                         "00000000000000c8 0540 ffffff1f 00000000"));
}

TEST(Stream, PropsRoundTripEveryField) {
    const TProps props =
        MakeProps(0x102030, 0x405060, 3, MASK_XOR, 0x00FF00, 37.25L, fsBold | fsUnderline, 13,
                  QStringLiteral("Liberation Sans"), 7, 2, QStringLiteral("Muster"));
    TProps changed = props;
    changed.BrushShow = false;
    const QByteArray bytes = Written([&](TStream& s) { s.WriteProps(changed); });
    EXPECT_EQ(bytes.size(), 47 + 2 * (6 + 15));
    TReader reader(bytes);
    TProps read;
    reader.Stream.ReadProps(read);
    EXPECT_EQ(read, changed);
}

TEST(Stream, ReadingPastTheEndIsAnErrorAtEveryLength) {
    const QByteArray props = Written([](TStream& s) { s.WriteProps(TProps()); });
    for (int length = 0; length < props.size(); ++length) {
        TReader reader(props.left(length));
        TProps read;
        EXPECT_THROW(reader.Stream.ReadProps(read), TStreamError) << length;
    }
    TReader shortExtended(Hex("00000000000000 80 ff"));
    EXPECT_THROW(shortExtended.Stream.ReadExtended(), TStreamError);
}

TEST(Stream, CountsAreCheckedAgainstTheRest) {
    TReader fits(Hex("02000000 0000000000000000"));
    EXPECT_EQ(fits.Stream.ReadCount(4), 2);
    TReader tooMany(Hex("03000000 0000000000000000"));
    EXPECT_THROW(tooMany.Stream.ReadCount(4), TStreamError);
    TReader negative(Hex("ffffffff"));
    EXPECT_THROW(negative.Stream.ReadCount(1), TStreamError);
}

TEST(Stream, FailedWriteIsAnError) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TStream stream(buffer);
    EXPECT_THROW(stream.WriteInteger(1), TStreamError);
}
