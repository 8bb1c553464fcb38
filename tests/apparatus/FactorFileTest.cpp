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

}  // namespace
}  // namespace sim
