#include "common/Translate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace sim {
namespace {

TEST(Compose, FillsEachMarkerOnceAndLeavesWhatIsNoMarker) {
    EXPECT_EQ(Compose("A(z) %1 fájl már létezik.", {"x.Brk2017_a"}),
              "A(z) x.Brk2017_a fájl már létezik.");
    EXPECT_EQ(Compose("%2 és %1, újra %1", {"egy", "kettő"}), "kettő és egy, újra egy");
    // An argument is never read as a pattern: a typed "%2" stays as typed.
    EXPECT_EQ(Compose("\"%1\" (%2)", {"%2%1", "ok"}), "\"%2%1\" (ok)");
    // A marker without its argument, %0, a lone % and one at the end stay.
    EXPECT_EQ(Compose("%1 %3 %0 100% 5%", {"a"}), "a %3 %0 100% 5%");
    EXPECT_EQ(Compose("", {"a"}), "");
    EXPECT_EQ(Compose("%9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "9");
}

// A translator of the kind a program installs, for two known texts.
std::string TestTranslator(const char* context, const char* source) {
    if (std::strcmp(context, "Test") != 0) {
        return source;
    }
    if (std::strcmp(source, "Nincs forrás elhelyezve") == 0) {
        return "No source has been placed";
    }
    if (std::strcmp(source, "%1: nem olvasható (%2)") == 0) {
        return "%1: cannot be read (%2)";
    }
    if (std::strcmp(source, "%1 fájlok") == 0) {
        return "files";  // a faulty translation that lost its marker
    }
    return source;
}

class Translator : public ::testing::Test {
  protected:
    void TearDown() override { SetTranslator(nullptr); }
};

TEST_F(Translator, WithoutOneTheHungarianSourceIsShown) {
    EXPECT_EQ(Tr(SIM_TR("Test", "Nincs forrás elhelyezve")), "Nincs forrás elhelyezve");
    EXPECT_EQ(Tr(SIM_TR("Test", "%1: nem olvasható (%2)"), {"a.txt", "Permission denied"}),
              "a.txt: nem olvasható (Permission denied)");
}

TEST_F(Translator, AnInstalledOneTranslatesTextsAndTemplates) {
    SetTranslator(&TestTranslator);
    EXPECT_EQ(Tr(SIM_TR("Test", "Nincs forrás elhelyezve")), "No source has been placed");
    EXPECT_EQ(Tr(SIM_TR("Test", "%1: nem olvasható (%2)"), {"a.txt", "Permission denied"}),
              "a.txt: cannot be read (Permission denied)");
    // Another context, or a text it does not know, stays Hungarian.
    EXPECT_EQ(Tr(SIM_TR("Other", "Nincs forrás elhelyezve")), "Nincs forrás elhelyezve");
    EXPECT_EQ(Tr(SIM_TR("Test", "Mentés")), "Mentés");
}

TEST_F(Translator, ATranslationThatLostAMarkerGivesWayToTheSource) {
    SetTranslator(&TestTranslator);
    EXPECT_EQ(Tr(SIM_TR("Test", "%1 fájlok"), {"Brk2017_abc"}), "Brk2017_abc fájlok");
}

}  // namespace
}  // namespace sim
