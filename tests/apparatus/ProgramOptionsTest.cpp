#include "apparatus/core/ProgramOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/Platform.h"

namespace sim {
namespace {

TEST(ProgramOptions, TheWorkFolderFollowsItsOptionOrTheEqualsSign) {
    const auto spaced = ParseProgramOptions({"--dir", "/tmp/a b"});
    ASSERT_TRUE(spaced.Options) << spaced.Error;
    EXPECT_EQ(spaced.Options->WorkFolder, "/tmp/a b");
    EXPECT_FALSE(spaced.Options->Help);
    EXPECT_FALSE(spaced.Options->Version);

    const auto joined = ParseProgramOptions({"--dir=x", "--dir=-y"});
    ASSERT_TRUE(joined.Options) << joined.Error;
    EXPECT_EQ(joined.Options->WorkFolder, "-y") << "the last one counts; a value may begin with -";

    const auto none = ParseProgramOptions({});
    ASSERT_TRUE(none.Options);
    EXPECT_EQ(none.Options->WorkFolder, std::nullopt);
}

TEST(ProgramOptions, HelpAndVersionAreSwitches) {
    const auto help = ParseProgramOptions({"--dir", "x", "-h"});
    ASSERT_TRUE(help.Options) << help.Error;
    EXPECT_TRUE(help.Options->Help);
    const auto version = ParseProgramOptions({"--version"});
    ASSERT_TRUE(version.Options) << version.Error;
    EXPECT_TRUE(version.Options->Version);
    EXPECT_FALSE(version.Options->Help);
}

TEST(ProgramOptions, ABadCommandLineIsOneHungarianLine) {
    const std::string see = " (lásd: trelko --help)";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--dir"}, "a(z) --dir opció értéke hiányzik"},
        {{"--dir", ""}, "--dir: üres mappanév"},
        {{"--nincs"}, "ismeretlen opció: --nincs" + see},
        {{"-platform", "xcb"}, "ismeretlen opció: -platform" + see},
        {{"mappa"}, "fölösleges argumentum: \"mappa\"" + see},
        {{"--help", "--\x1b[31m"}, "ismeretlen opció: --\\x1B[31m" + see},
        {{"--help=talán"}, "hibás parancssor" + see},
    };
    for (const auto& [args, error] : cases) {
        SCOPED_TRACE(args.front());
        const auto parsed = ParseProgramOptions(args);
        EXPECT_FALSE(parsed.Options);
        EXPECT_EQ(parsed.Error, error);
    }
}

TEST(ProgramOptions, HelpNamesTheOptionsAndTheFoldersOfTheRule) {
    const std::string help = ProgramHelpText();
    EXPECT_EQ(help.rfind("Használat: trelko [opciók]\n", 0), 0U);
    const bool windows = platform::kWindows;
    for (const char* named :
         {"--dir MAPPA", "--help", "--version", "TRELKO_DIR",
          windows ? "Documents\\Brk2017 mappa" : "~/Brk2017 mappa",
          windows ? "\\trelko\\faktor.txt" : "/etc/trelko/faktor.txt",
          windows ? "\\trelko\\ mappában keresi" : "/usr/share/doc/trelko/ mappában keresi"}) {
        EXPECT_NE(help.find(named), std::string::npos) << named;
    }
    EXPECT_EQ(help.find('{'), std::string::npos) << "every placeholder filled";
}

}  // namespace
}  // namespace sim
