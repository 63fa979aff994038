#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Numeros.h"

using namespace lumacord;

TEST(LumacordNumberText, ReadsTypedNumbersWithTheGivenSeparatorOnly) {
    EXPECT_DOUBLE_EQ(StrToFloat(" 1,5 ", ','), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("-2.25", '.'), -2.25);
    EXPECT_DOUBLE_EQ(StrToFloat("+1E3", '.'), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat("2,5e-1", ','), 0.25);
    EXPECT_DOUBLE_EQ(StrToFloat(",5", ','), 0.5);
    for (const char *ruim : {"", " ", "abc", "1.5", "1.234,5", "1,2,3", "1e", "e5", "inf", "nan",
                             "-", "--1", "1-", "1 2", "1e999", "0x10"}) {
        try {
            StrToFloat(ruim, ',');
            ADD_FAILURE() << "accepted '" << ruim << "'";
        } catch (const EConvertError &e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(ruim) + "' is not a valid floating point value");
        }
    }
}

TEST(LumacordNumberText, GeneralFormatWith15SignificantDigits) {
    EXPECT_EQ(FloatToStr(0.0, ','), "0");
    EXPECT_EQ(FloatToStr(2.5, ','), "2,5");
    EXPECT_EQ(FloatToStr(2.5, '.'), "2.5");
    EXPECT_EQ(FloatToStr(-0.125, ','), "-0,125");
    EXPECT_EQ(FloatToStr(1.0 / 3.0, '.'), "0.333333333333333");
    EXPECT_EQ(FloatToStr(100.0, '.'), "100");
    EXPECT_EQ(FloatToStr(123456789012345.0, '.'), "123456789012345");
    EXPECT_EQ(FloatToStr(1e15, '.'), "1E15");
    EXPECT_EQ(FloatToStr(-2.5e20, ','), "-2,5E20");
    EXPECT_EQ(FloatToStr(0.00001, '.'), "0.00001");
    EXPECT_EQ(FloatToStr(1.5e-7, ','), "1,5E-7");
    EXPECT_THROW(FloatToStr(std::numeric_limits<double>::quiet_NaN(), '.'), EInvalidOp);
    EXPECT_THROW(FloatToStr(std::numeric_limits<double>::infinity(), '.'), EOverflow);
}

TEST(LumacordNumberText, RoundsThroughA64BitIntegerWithTiesToEven) {
    // Nine decimals shown with eight, in either separator.
    EXPECT_EQ(TextoArredondado(1.123456789, 8, ','), "1,12345679");
    EXPECT_EQ(TextoArredondado(-1.123456781, 8, '.'), "-1.12345678");
    EXPECT_EQ(TextoArredondado(0.999999999, 5, ','), "1");
    EXPECT_EQ(TextoArredondado(2.0, 8, ','), "2");
    EXPECT_EQ(TextoArredondado(-1e-10, 8, '.'), "0");
    // Exact binary ties go to the even neighbour.
    EXPECT_DOUBLE_EQ(Arredonda(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(Arredonda(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(Arredonda(2.5, 0), 2.0);
    EXPECT_DOUBLE_EQ(Arredonda(-3.5, 0), -4.0);

    // Scaled values outside the signed 64-bit range cannot be rounded.
    EXPECT_NO_THROW(Arredonda(9.2e10, 8));
    EXPECT_THROW(Arredonda(9.3e10, 8), EInvalidOp);
    EXPECT_THROW(Arredonda(-9.3e10, 8), EInvalidOp);
    // Shown unrounded instead: a double holds no eighth decimal there anyway.
    EXPECT_EQ(TextoArredondado(-9.3e10, 8, ','), "-93000000000");
    EXPECT_EQ(TextoArredondado(123456789012.345, 8, ','), "123456789012,345");
    EXPECT_NO_THROW(Arredonda(9.2e13, 5));
    EXPECT_THROW(Arredonda(9.3e13, 5), EInvalidOp);
    EXPECT_THROW(Arredonda(std::nan(""), 8), EInvalidOp);
    try {
        Arredonda(1e300, 8);
        ADD_FAILURE();
    } catch (const EMathError &e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}
