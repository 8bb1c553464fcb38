#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "apparatus/core/ResultFiles.h"
#include "common/IdentifierClaim.h"
#include "common/Platform.h"
#include "common/ReplaceFile.h"
#include "tests/TestSupport.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        names.push_back(platform::TextOf(e.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The same on both systems: the file operations behind the platform seam, with the names a
// Hungarian class types.
TEST(Files, AClaimIsOneProgramsUntilItEnds) {
    const testing::ScratchFolder scratch("claim");
    auto first = IdentifierClaim::Take(scratch.WithSlash(), "Brk2017_Kovács");
    ASSERT_TRUE(std::holds_alternative<IdentifierClaim>(first));
    const auto second = IdentifierClaim::Take(scratch.WithSlash(), "Brk2017_Kovács");
    ASSERT_TRUE(std::holds_alternative<IdentifierClaim::Refused>(second));
    EXPECT_TRUE(std::get<IdentifierClaim::Refused>(second).InUse);
    EXPECT_TRUE(std::holds_alternative<IdentifierClaim>(
        IdentifierClaim::Take(scratch.WithSlash(), "Brk2017_Kovacs")))
        << "another identifier is free";
    first = IdentifierClaim::Refused{};  // the first claim ends
    EXPECT_TRUE(std::holds_alternative<IdentifierClaim>(
        IdentifierClaim::Take(scratch.WithSlash(), "Brk2017_Kovács")));
    EXPECT_EQ(Names(scratch.Path()),
              (std::vector<std::string>{".Brk2017_Kovacs.lock", ".Brk2017_Kovács.lock"}));
}

TEST(Files, AccentedNamesReplaceAndKeepTheirFiles) {
    const testing::ScratchFolder scratch("accents");
    const std::string result = scratch.WithSlash() + "Brk2017_Kovács.txt";
    ASSERT_FALSE(ReplaceFile(result, "első\r\n"));
    {
        // Held open by another program: Linux replaces it under the reader; Windows refuses
        // and keeps the file as it was, with no temporary left.
        int error = 0;
        const platform::File reader = platform::OpenForReading(result, error);
        ASSERT_TRUE(reader.IsOpen()) << error;
        EXPECT_EQ(ReplaceFile(result, "második\r\n").has_value(), platform::kWindows);
        EXPECT_EQ(Names(scratch.Path()), std::vector<std::string>{"Brk2017_Kovács.txt"});
    }
    ASSERT_FALSE(ReplaceFile(result, "második\r\n"));
    EXPECT_EQ(testing::ReadFile(platform::PathOf(result)), "második\r\n");
    const KeptResult kept = KeepEarlierResult(scratch.WithSlash(), "Brk2017_Kovács");
    EXPECT_EQ(kept.Error, 0);
    EXPECT_EQ(kept.KeptAs, scratch.WithSlash() + "Brk2017_Kovács.txt.1");
    EXPECT_EQ(Names(scratch.Path()), std::vector<std::string>{"Brk2017_Kovács.txt.1"});
    EXPECT_EQ(testing::ReadFile(platform::PathOf(*kept.KeptAs)), "második\r\n");
}

}  // namespace
}  // namespace sim
