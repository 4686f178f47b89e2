#include "core/model/NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, FormatsWithCommaAndWithoutNeedlessDigits) {
    EXPECT_EQ(FormatNumber(0), QStringLiteral("0"));
    EXPECT_EQ(FormatNumber(-0.0L), QStringLiteral("0"));
    EXPECT_EQ(FormatNumber(22.5L), QStringLiteral("22,5"));
    EXPECT_EQ(FormatNumber(1.5L), QStringLiteral("1,5"));
    EXPECT_EQ(FormatNumber(-150), QStringLiteral("-150"));
    EXPECT_EQ(FormatNumber(0.1L), QStringLiteral("0,1"));
    EXPECT_EQ(FormatNumber(1e20L), QStringLiteral("1e+20"));
}

TEST(NumberText, ParsesEitherSeparatorAndIgnoresStrayCharacters) {
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("22,5")), 22.5);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("22.5")), 22.5);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("  45° ")), 45);
    // A point anywhere makes it the separator; the comma is then just a stray character.
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("1.234,5")), 1.2345);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("1,2,3")), 1.23);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("x-5")), -5);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("5-3")), 53);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral(",5")), 0.5);
}

TEST(NumberText, TakesAnExponentOnlyWithASign) {
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("3e5")), 35);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("-1.5e+002")), -150);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("25E-1")), 2.5);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("2e+")), 2);
    // Exponent digits that are all zeros leave the mantissa as typed.
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("-1.5e+000")), -1.5);
}

TEST(NumberText, TextWithoutAUsableNumberGivesZero) {
    for (const char* text : {"", "abc", "+", "-", ".", ",", "-.", "e+5", "1e+999"})
        EXPECT_EQ(ParseNumber(QString::fromLatin1(text)), 0) << text;
}

TEST(NumberText, FormattedValuesParseBack) {
    for (const Extended value : {0.0L, 22.5L, -3.25L, 1e-7L, 123456.789L})
        EXPECT_NEAR(static_cast<double>(ParseNumber(FormatNumber(value))),
                    static_cast<double>(value), 1e-12)
            << static_cast<double>(value);
}
