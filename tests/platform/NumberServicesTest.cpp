#include "platform/NumberServices.h"

#include <gtest/gtest.h>

#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace NumberServices = tarvolin::NumberServices;

namespace {

struct ParseCase
{
    std::string text;
    std::optional<std::int32_t> value;
};

class NumberFromText : public testing::TestWithParam<ParseCase>
{
};

TEST_P(NumberFromText, FollowsTheSizeFieldRules)
{
    EXPECT_EQ(NumberServices::numberFromText(GetParam().text, "."), GetParam().value)
        << "'" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFromText,
    testing::Values(ParseCase{"1024", 1024}, ParseCase{"  1024  ", 1024}, ParseCase{"\t7\t", 7},
                    ParseCase{"+5", 5}, ParseCase{"-5", -5}, ParseCase{"0", 0}, ParseCase{"007", 7},
                    // halves to the even neighbour, anything above a half up
                    ParseCase{"1.5", 2}, ParseCase{"2.5", 2}, ParseCase{"3.5", 4},
                    ParseCase{"1025.5", 1026}, ParseCase{"2.50001", 3}, ParseCase{"2.4999", 2},
                    ParseCase{"-2.5", -2}, ParseCase{"-3.5", -4}, ParseCase{"-0.4", 0},
                    ParseCase{"2147483647", INT32_MAX}, ParseCase{"-2147483648", INT32_MIN},
                    ParseCase{"2147483646.5", 2147483646}, ParseCase{"2147483647.4", INT32_MAX},
                    ParseCase{"2147483647.5", std::nullopt}, ParseCase{"2147483648", std::nullopt},
                    ParseCase{"-2147483649", std::nullopt},
                    ParseCase{"99999999999999999999", std::nullopt}, ParseCase{"", std::nullopt},
                    ParseCase{"   ", std::nullopt}, ParseCase{"abc", std::nullopt},
                    ParseCase{"12abc", std::nullopt}, ParseCase{"1 2", std::nullopt},
                    ParseCase{"-", std::nullopt}, ParseCase{"1,5", std::nullopt},
                    ParseCase{"1.2.3", std::nullopt}));

// Chinese input methods type full-width digits; they are the same digits.
// Every other full-width character is still not part of a number.
INSTANTIATE_TEST_SUITE_P(
    FullWidthDigits, NumberFromText,
    testing::Values(ParseCase{"０１２３４５６７８９", 123456789}, ParseCase{"１０２４", 1024},
                    ParseCase{" -１２.５ ", -12}, ParseCase{"1０2４", 1024},
                    ParseCase{"２１４７４８３６４８", std::nullopt},
                    ParseCase{"１２ａ", std::nullopt}, ParseCase{"＋５", std::nullopt},
                    ParseCase{"１２．５", std::nullopt}, ParseCase{"\xEF\xBC", std::nullopt},
                    ParseCase{"\xEF\xBC\x9A", std::nullopt},
                    ParseCase{"\xEF\xBC\x8F", std::nullopt}, ParseCase{"１\xEF", std::nullopt}));

// Every Unicode blank around the number is a blank: the ideographic space
// that Chinese input methods type, no-break and typographic spaces, line
// ends. Inside the number, or a broken sequence, it is still no number.
INSTANTIATE_TEST_SUITE_P(
    UnicodeBlanks, NumberFromText,
    testing::Values(ParseCase{"\u3000100000", 100000}, ParseCase{"１２\u3000\u3000", 12},
                    ParseCase{"\u00A0\u2003-7\u202F\u205F\r\n", -7},
                    ParseCase{"\u30001\u30002", std::nullopt}, ParseCase{"\u3000", std::nullopt},
                    ParseCase{"\u200B5", std::nullopt}, ParseCase{"5\xE3\x80", std::nullopt},
                    ParseCase{"\x80\x80\x80"
                              "5",
                              std::nullopt},
                    // each of the other blanks, before and after
                    ParseCase{"\v1\f", 1}, ParseCase{"\u00852\u0085", 2},
                    ParseCase{"\u16803\u1680", 3}, ParseCase{"\u20004\u2000", 4},
                    ParseCase{"\u20015\u2001", 5}, ParseCase{"\u20026\u2002", 6},
                    ParseCase{"\u20047\u2004", 7}, ParseCase{"\u20058\u2005", 8},
                    ParseCase{"\u20069\u2006", 9}, ParseCase{"\u200710\u2007", 10},
                    ParseCase{"\u200811\u2008", 11}, ParseCase{"\u200912\u2009", 12},
                    ParseCase{"\u200A13\u200A", 13}, ParseCase{"\u202814\u2028", 14},
                    ParseCase{"\u202915\u2029", 15}));

TEST(NumberServices, DecimalSeparatorIsTheCallersOrTheLocales)
{
    EXPECT_EQ(NumberServices::numberFromText("1,5", ","), 2);
    EXPECT_EQ(NumberServices::numberFromText("1.5", ","), std::nullopt);
    EXPECT_EQ(NumberServices::decimalSeparator(), "."); // the tests run in C.UTF-8
}

TEST(NumberServices, PercentTextHasTwoDecimalsAndTheSeparator)
{
    EXPECT_EQ(NumberServices::percentText(1.0 / 3, "."), "33.33%");
    EXPECT_EQ(NumberServices::percentText(2.0 / 3, "."), "66.67%");
    EXPECT_EQ(NumberServices::percentText(1.0, "."), "100.00%");
    EXPECT_EQ(NumberServices::percentText(1.0 / 32767, "."), "0.00%");
    EXPECT_EQ(NumberServices::percentText(0.5, ","), "50,00%");
}

#ifdef _WIN32
// The captions follow the user's number settings: their decimals and
// leading zero, not only their separator.
TEST(NumberServices, PercentTextFollowsTheUsersNumberSettings)
{
    struct Case
    {
        const wchar_t *digits, *leadingZero;
        double fraction;
        std::string shown;
    };
    wchar_t digits[8], leadingZero[8];
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDIGITS, digits, 8);
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ILZERO, leadingZero, 8);
    for (const Case& c : {Case{L"2", L"1", 1.0 / 3, "33.33%"}, Case{L"0", L"1", 1.0 / 3, "33%"},
                          Case{L"2", L"0", 0.005, ".50%"}, Case{L"1", L"1", 1.0, "100.0%"}}) {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDIGITS, c.digits);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ILZERO, c.leadingZero);
        EXPECT_EQ(NumberServices::percentText(c.fraction), c.shown);
    }
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDIGITS, digits);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ILZERO, leadingZero);
}
#endif

TEST(NumberServices, DecimalTextIsPlainDigits)
{
    EXPECT_EQ(NumberServices::decimalText(32767), "32767");
    EXPECT_EQ(NumberServices::decimalText(-12), "-12");
    EXPECT_EQ(NumberServices::decimalText(0), "0");
}

} // namespace
