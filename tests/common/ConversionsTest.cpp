#include "common/Conversions.h"
#include "common/FileNames.h"
#include "common/Format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace sim {
namespace {

TEST(WholeNumber, AcceptsDecimalWithLeadingBlanksAndSign) {
    EXPECT_EQ(ParseWholeNumber("12"), 12);
    EXPECT_EQ(ParseWholeNumber("   12"), 12);
    EXPECT_EQ(ParseWholeNumber("-7"), -7);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    EXPECT_EQ(ParseWholeNumber("007"), 7);
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(WholeNumber, AcceptsHexadecimalAfterEachPrefix) {
    EXPECT_EQ(ParseWholeNumber("$1F"), 31);
    EXPECT_EQ(ParseWholeNumber("x1f"), 31);
    EXPECT_EQ(ParseWholeNumber("X1F"), 31);
    EXPECT_EQ(ParseWholeNumber("0x1F"), 31);
    EXPECT_EQ(ParseWholeNumber("0X1f"), 31);
    EXPECT_EQ(ParseWholeNumber("  $10"), 16);
    EXPECT_EQ(ParseWholeNumber("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseWholeNumber("$80000000"), std::numeric_limits<std::int32_t>::min());
}

TEST(WholeNumber, RefusesEverythingElse) {
    for (const char* bad : {"",           "   ", "12 ", "1 2",        "-",
                            "+",          "$",   "0x",  "x",          "-$1F",
                            "$-1",        "1.5", "1e3", "2147483648", "-2147483649",
                            "$100000000", "abc", "12a", "\t12",       "99999999999999999999"}) {
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(RealNumber, AcceptsPointAndExponent) {
    EXPECT_EQ(ParseReal("980"), 980.0);
    EXPECT_EQ(ParseReal(" 1.5 "), 1.5);
    EXPECT_EQ(ParseReal("1e-6"), 1e-6);
    EXPECT_EQ(ParseReal("-2.5E+2"), -250.0);
    EXPECT_EQ(ParseReal("+.5"), 0.5);
    EXPECT_EQ(ParseReal("5."), 5.0);
}

TEST(RealNumber, RefusesCommaGarbageAndOverflow) {
    for (const char* bad : {"", "1,5", "1.5x", "e5", "1e", "inf", "nan", "0x10", "1e999", "."}) {
        EXPECT_FALSE(ParseReal(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(RealNumber, IgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    // The last is the Windows C runtime's name.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "hu_HU.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "Hungarian_Hungary") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(ParseReal("1.25"), 1.25);
    EXPECT_EQ(Format("%8.1f", 2.5), "     2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Saturation, ClampsAtThe32BitLimits) {
    EXPECT_EQ(SaturateToInt32(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(SaturateToInt32(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(SaturateToInt32(-3.9), -3);
    EXPECT_EQ(SaturateToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(SaturatingAdd(2147483000, 1000), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(SaturatingAdd(-2147483000, -1000), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(SaturatingAdd(5, -7), -2);
}

TEST(FormatText, FollowsPrintfWidths) {
    EXPECT_EQ(Format("%10d", 0), "         0");
    EXPECT_EQ(Format("%10.2f", 0.0), "      0.00");
    EXPECT_EQ(Format("%10.0f, %10d", 2000.0, 123), "      2000,        123");
    EXPECT_EQ(Format("Faktor= %10d", 200), "Faktor=        200");
}

TEST(ShownText, EscapesWhatATerminalWouldObeyAndCutsBetweenCharacters) {
    EXPECT_EQ(ShownText("Kovács Anna"), "Kovács Anna");
    EXPECT_EQ(ShownText("a\x1b[31mb\r\n\x7f"), "a\\x1B[31mb\\x0D\\x0A\\x7F");
    EXPECT_EQ(ShownText(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(ShownText("\xC3(\xFF\xE2\x82"), "\\xC3(\\xFF\\xE2\\x82") << "not UTF-8";
    EXPECT_EQ(ShownText("\xED\xA0\x80"), "\\xED\\xA0\\x80") << "a surrogate is no character";
    // What would hide or reorder the text around it: "abc\u202Etxt.exe" shows as "abcexe.txt".
    EXPECT_EQ(ShownText("abc\u202Etxt.exe"), "abc\\u202Etxt.exe");
    EXPECT_EQ(ShownText("a\u200Bb\xC2\x85" "c\uFEFF"), "a\\u200Bb\\u0085c\\uFEFF");
    EXPECT_EQ(ShownName("a\\x41"), "a\\\\x41") << "never shown as another name's escape";
    EXPECT_EQ(ShownText("őőő", 3), "ő…") << "two bytes each";
    EXPECT_EQ(ShownText("őőő", 4), "őő…");
    EXPECT_EQ(ShownText("őőő", 6), "őőő");
    EXPECT_EQ(ShownText("€x", 2), "…");
}

TEST(FileNamePart, RefusesWhatCouldLeaveTheFolderOrBreakTheName) {
    for (const char* good : {"", "abc", "Kovács Anna", "a.b", "x-1_2", "ő"}) {
        EXPECT_TRUE(IsSafeFileNamePart(good)) << good;
    }
    for (const char* bad : {"a/b", "..", "a..b", "../x", "a\\b", "a:b", "a*", "?", "a\"b", "<", ">",
                            "a|b", "tab\there", "nl\n", "\x7f"}) {
        EXPECT_FALSE(IsSafeFileNamePart(bad)) << bad;
    }
    // What Windows takes for a device or shortens into another name, refused everywhere.
    for (const char* fine : {"abc", "CONx", "COM0", "COM10", "LPT", "a.con", "nula", ".b", "a b"}) {
        EXPECT_EQ(WindowsNameProblem(fine), std::nullopt) << fine;
    }
    for (const char* device : {"CON", "con", "Nul.txt", "aux.tar.gz", "COM1", "lpt9", "PRN .x"}) {
        EXPECT_NE(WindowsNameProblem(device).value_or("").find("egy eszköz neve"),
                  std::string::npos)
            << device;
    }
    for (const char* shortened : {"abc.", "abc ", "."}) {
        EXPECT_NE(WindowsNameProblem(shortened).value_or("").find("a pontot és a szóközt"),
                  std::string::npos)
            << shortened;
    }
}

}  // namespace
}  // namespace sim
