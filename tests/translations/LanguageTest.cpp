#include <gtest/gtest.h>

#include <QCoreApplication>

#include <algorithm>
#include <string>
#include <vector>

#include "apparatus/core/Form1Logic.h"
#include "common/Translate.h"
#include "tests/translations/LanguageTestSupport.h"
#include "translations/Language.h"

namespace sim {
namespace {

using testing::ScopedLanguage;

// A command line as main gets it, which ChooseLanguage may shorten.
class CommandLine {
  public:
    explicit CommandLine(std::vector<std::string> args) : args_(std::move(args)) {
        for (std::string& arg : args_) {
            argv_.push_back(arg.data());
        }
        argv_.push_back(nullptr);
        argc_ = static_cast<int>(args_.size());
    }
    LanguageChoice Choose(const char* environment = nullptr) {
        return ChooseLanguage(argc_, argv_.data(), environment);
    }
    // What the program's own parser gets afterwards.
    std::vector<std::string> Left() const {
        EXPECT_EQ(argv_[static_cast<std::size_t>(argc_)], nullptr);
        return {argv_.begin(), argv_.begin() + argc_};
    }

  private:
    std::vector<std::string> args_;
    std::vector<char*> argv_;
    int argc_ = 0;
};

TEST(LanguageChoice, TheProgramsSpeakHungarianAndTheBuiltInTranslations) {
    const std::vector<std::string> available = AvailableLanguages();
    ASSERT_FALSE(available.empty());
    EXPECT_EQ(available.front(), "hu");
    for (const char* code : {"en", "de"}) {
        EXPECT_NE(std::find(available.begin(), available.end(), code), available.end()) << code;
    }
}

TEST(LanguageChoice, HungarianUnlessTheOptionOrTheVariableAsks) {
    CommandLine plain({"trelko", "--dir", "x"});
    const LanguageChoice none = plain.Choose();
    EXPECT_EQ(none.Code, "hu");
    EXPECT_FALSE(none.Problem);
    EXPECT_EQ(plain.Left(), (std::vector<std::string>{"trelko", "--dir", "x"}));

    CommandLine fromVariable({"trelko"});
    EXPECT_EQ(fromVariable.Choose("en").Code, "en");
    CommandLine emptyVariable({"trelko"});
    EXPECT_EQ(emptyVariable.Choose("").Code, "hu");
}

TEST(LanguageChoice, TheOptionIsTakenOutOfTheCommandLineAndBeatsTheVariable) {
    CommandLine separate({"trelko-runner", "g.Brk2017_a", "--lang", "en", "--sources", "1,9"});
    EXPECT_EQ(separate.Choose("de").Code, "en");
    EXPECT_EQ(separate.Left(),
              (std::vector<std::string>{"trelko-runner", "g.Brk2017_a", "--sources", "1,9"}));

    CommandLine joined({"trelko-grade", "--lang=DE", "beadasok", "--lang=en", "--out", "j"});
    EXPECT_EQ(joined.Choose().Code, "en") << "the last one counts, whatever the case";
    EXPECT_EQ(joined.Left(), (std::vector<std::string>{"trelko-grade", "beadasok", "--out", "j"}));

    // After "--" everything is the program's own: a file may be called --lang.
    CommandLine ended({"trelko-runner", "--", "--lang", "en"});
    EXPECT_EQ(ended.Choose().Code, "hu");
    EXPECT_EQ(ended.Left(), (std::vector<std::string>{"trelko-runner", "--", "--lang", "en"}));
}

TEST(LanguageChoice, AnUnknownOrMissingCodeIsSaidInBothLanguagesAndGivesHungarian) {
    CommandLine unknown({"trelko", "--lang", "fr"});
    const LanguageChoice french = unknown.Choose("en");
    EXPECT_EQ(french.Code, "hu");
    ASSERT_TRUE(french.Problem);
    EXPECT_NE(french.Problem->find("ismeretlen nyelv (--lang): \"fr\""), std::string::npos)
        << *french.Problem;
    EXPECT_NE(french.Problem->find("unknown language (--lang): \"fr\""), std::string::npos);
    EXPECT_NE(french.Problem->find("hu, "), std::string::npos) << "names the choices";
    EXPECT_EQ(unknown.Left(), (std::vector<std::string>{"trelko"}));

    CommandLine variable({"trelko"});
    const LanguageChoice fromVariable = variable.Choose("english");
    EXPECT_EQ(fromVariable.Code, "hu");
    ASSERT_TRUE(fromVariable.Problem);
    EXPECT_NE(fromVariable.Problem->find("(TRELKO_LANG): \"english\""), std::string::npos);

    // An option straight after --lang is no code: the code was left out, the option stays.
    CommandLine missing({"trelko", "--lang", "--dir", "x"});
    const LanguageChoice none = missing.Choose();
    EXPECT_EQ(none.Code, "hu");
    ASSERT_TRUE(none.Problem);
    EXPECT_NE(none.Problem->find("the --lang option needs a value"), std::string::npos);
    EXPECT_EQ(missing.Left(), (std::vector<std::string>{"trelko", "--dir", "x"}));

    CommandLine last({"trelko", "--lang"});
    EXPECT_TRUE(last.Choose().Problem);
    EXPECT_EQ(last.Left(), (std::vector<std::string>{"trelko"}));
    CommandLine empty({"trelko", "--lang="});
    EXPECT_TRUE(empty.Choose().Problem);
}

TEST(LanguageInUse, EnglishReachesTheCoresAndHungarianIsTheSourceAgain) {
    {
        ScopedLanguage english("en");
        EXPECT_EQ(LanguageInUse(), "en");
        EXPECT_EQ(Tr(kErrorCaption), "*** ERROR! ***");
        EXPECT_EQ(Tr(kLidOpenCaption), "Open lid");
        EXPECT_EQ(QCoreApplication::translate("sim::TForm1", "Vége"), "Exit");
    }
    EXPECT_EQ(LanguageInUse(), "hu");
    EXPECT_EQ(Tr(kErrorCaption), "*** HIBA! ***");
    EXPECT_EQ(QCoreApplication::translate("sim::TForm1", "Vége"), "Vége");
}

TEST(LanguageInUse, GermanFallsBackToHungarianWhereItHasNoTranslation) {
    ScopedLanguage german("de");
    EXPECT_EQ(LanguageInUse(), "de");
    EXPECT_EQ(QCoreApplication::translate("sim::TForm1", "Vége"), "Beenden");
    EXPECT_EQ(Tr(kLidCloseCaption), "Deckel zu");
    // The grading tool's texts have no German yet.
    EXPECT_EQ(Tr(SIM_TR("Grade", "rendben")), "rendben");
}

}  // namespace
}  // namespace sim
