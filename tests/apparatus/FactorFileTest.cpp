#include "apparatus/core/FactorFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/TestSupport.h"

namespace sim {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLines, SplitOnEveryLineEndWithoutATrailingEmptyLine) {
    EXPECT_EQ(SplitTextLines(""), Lines{});
    EXPECT_EQ(SplitTextLines("a"), Lines{"a"});
    EXPECT_EQ(SplitTextLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines("a\nb\rc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(SplitTextLines("\r\n\r\nx"), (Lines{"", "", "x"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\n"), (Lines{"a", ""}));
}

TEST(TextLines, MissingFileAndDirectoryAreToldApart) {
    const testing::ScratchFolder scratch("textlines");
    const std::filesystem::path& dir = scratch.Path();
    std::filesystem::create_directories(dir / "sub");
    Lines lines{"old"};
    EXPECT_EQ(ReadTextLines((dir / "none.txt").string(), lines), TextFileStatus::Missing);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(ReadTextLines((dir / "sub").string(), lines), TextFileStatus::Unreadable);
    std::ofstream(dir / "f.txt") << "1\n2\n";
    EXPECT_EQ(ReadTextLines((dir / "f.txt").string(), lines), TextFileStatus::Read);
    EXPECT_EQ(lines, (Lines{"1", "2"}));
}

TEST(FactorLines, MissingLinesStayEmptyForTheirDefaults) {
    const FactorSettings none = ParseFactorLines({});
    EXPECT_EQ(none.FailedLine, 0);
    EXPECT_FALSE(none.CountFactor);
    EXPECT_FALSE(none.SpeedStep);
    EXPECT_FALSE(none.AmbientPressure);

    const FactorSettings all = ParseFactorLines({"0x10", " -5e0", "", "more"});
    EXPECT_EQ(all.CountFactor, 16);
    EXPECT_EQ(all.FailedLine, 2);

    const FactorSettings full = ParseFactorLines({"200", "50", "1.5e-5", "ignored"});
    EXPECT_EQ(full.FailedLine, 0);
    EXPECT_EQ(full.SpeedStep, 50);
    EXPECT_EQ(full.AmbientPressure, 1.5e-5);
}

TEST(FactorLines, FirstBadLineIsNamedAndLongLinesAreCut) {
    const FactorSettings bad = ParseFactorLines({std::string(500, '7')});
    EXPECT_EQ(bad.FailedLine, 1);
    EXPECT_LT(bad.Error.size(), 120U);
    EXPECT_EQ(ParseFactorLines({"1", "2", "x"}).FailedLine, 3);
    EXPECT_EQ(ParseFactorLines({"", "2"}).FailedLine, 1);
}

// Editors may start a UTF-8 file with a byte-order mark; it is no part of the factor.
TEST(FactorLines, ALeadingByteOrderMarkIsSkipped) {
    const FactorSettings marked = ParseFactorLines({"\xEF\xBB\xBF" "200", "50"});
    EXPECT_EQ(marked.FailedLine, 0);
    EXPECT_EQ(marked.CountFactor, 200);
    EXPECT_EQ(ParseFactorLines({"200", "\xEF\xBB\xBF" "50"}).FailedLine, 2) << "only at the start";
}

// Set points run 100, 100 + step, ... up to the first at or above 2000: a step of 1900 still
// gives 100 and 2000; a larger one would send the rotor past its highest speed.
TEST(FactorLines, TheSpeedStepIsBoundedByTheRotorsRange) {
    EXPECT_EQ(ParseFactorLines({"200", "1900"}).SpeedStep, 1900);
    const FactorSettings tooLarge = ParseFactorLines({"200", "1901"});
    EXPECT_EQ(tooLarge.FailedLine, 2);
    EXPECT_EQ(tooLarge.Error, "A faktor.txt 2. sorában a lépésköz legfeljebb 1900 lehet: \"1901\"");
    EXPECT_EQ(ParseFactorLines({"200", "1000000000"}).FailedLine, 2);
}

// What a message quotes from the file is cut between characters and shows no control byte.
TEST(FactorLines, QuotedLinesAreCutBetweenCharactersAndShowNoControlBytes) {
    const FactorSettings accents = ParseFactorLines({std::string(39, 'x') + "őő"});
    EXPECT_EQ(accents.Error, "A faktor.txt 1. sora nem egész szám: \"" + std::string(39, 'x') + "…\"");
    const FactorSettings escape = ParseFactorLines({"2\x1b[2J\x07"});
    EXPECT_EQ(escape.Error, "A faktor.txt 1. sora nem egész szám: \"2\\x1B[2J\\x07\"");
}

TEST(SettingsFile, OnlyTheFirstLinesOfAFileWithinTheLimitAreKept) {
    const testing::ScratchFolder scratch("settings");
    const std::filesystem::path path = scratch.Path() / "faktor.txt";
    std::string content = "200\n50\n1e-6\n";
    content.resize(kMaxSettingsFileBytes, '\n');
    testing::WriteFile(path, content);
    const SettingsFile atTheLimit = ReadSettingsFile(path.string());
    ASSERT_EQ(atTheLimit.Status, TextFileStatus::Read);
    EXPECT_EQ(SplitTextLines(atTheLimit.Content, kFactorLineCount), (Lines{"200", "50", "1e-6"}));

    testing::WriteFile(path, content + "\n");
    const SettingsFile above = ReadSettingsFile(path.string());
    EXPECT_EQ(above.Status, TextFileStatus::TooLarge);
    EXPECT_TRUE(above.Content.empty());
}

}  // namespace
}  // namespace sim
