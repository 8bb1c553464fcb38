#include "translations/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string_view>
#include <utility>

#include "common/FileNames.h"
#include "common/Platform.h"
#include "common/Translate.h"

namespace sim {

namespace {

// Where the build puts the compiled translations, as trelko_<code>.qm.
constexpr const char* kTranslationFolder = ":/i18n";
constexpr const char* kTranslationStem = "trelko_";
constexpr const char* kToolkitStem = "qtbase_";
// The folder beside the program that a copy with its own toolkit keeps them in.
constexpr const char* kBesideFolder = "translations";
// What the system's translation of the toolkit lacks, built in beside the program's.
constexpr const char* kSupplementStem = "toolkit_";
// A refused value is shown cut, so a long one stays a readable line.
constexpr std::size_t kShownCodeBytes = 40;

struct Installed {
    std::string Code = kSourceLanguage;
    std::unique_ptr<QTranslator> Program;               // the program's texts; none for Hungarian
    std::vector<std::unique_ptr<QTranslator>> Toolkit;  // Qt's own texts, as far as there are
    bool RegisteredWithApplication = false;
};

Installed& State() {
    static Installed installed;
    return installed;
}

// The cores' translator. The translation is loaded before any thread starts and only read.
std::string TranslateProgramText(const char* context, const char* source) {
    const QString shown = State().Program->translate(context, source);
    return shown.isEmpty() ? std::string(source) : shown.toStdString();
}

void InstallInApplication() {
    if (State().Program != nullptr) {
        QCoreApplication::installTranslator(State().Program.get());
    }
    for (const auto& translator : State().Toolkit) {
        QCoreApplication::installTranslator(translator.get());
    }
}

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Joined(const std::vector<std::string>& codes) {
    std::string text;
    for (const std::string& code : codes) {
        text += (text.empty() ? "" : ", ") + code;
    }
    return text;
}

// Takes argument i (and n - 1 after it) out of argv, keeping argv[argc] a null pointer.
void Remove(int& argc, char** argv, int i, int n) {
    for (int k = i; k + n <= argc; ++k) {
        argv[k] = argv[k + n];
    }
    argc -= n;
}

std::string Refusal(const std::string& where, const std::optional<std::string>& value) {
    const std::string choices = Joined(AvailableLanguages());
    if (!value) {
        return "a(z) " + where + " opció értéke hiányzik (választható: " + choices +
               "); a program magyarul szól\n" + "the " + where +
               " option needs a value (one of: " + choices + "); the program speaks Hungarian";
    }
    const std::string shown = ShownText(*value, kShownCodeBytes);
    return "ismeretlen nyelv (" + where + "): \"" + shown + "\" (választható: " + choices +
           "); a program magyarul szól\n" + "unknown language (" + where + "): \"" + shown +
           "\" (one of: " + choices + "); the program speaks Hungarian";
}

}  // namespace

std::vector<std::string> AvailableLanguages() {
    std::vector<std::string> codes{kSourceLanguage};
    const QString stem = QString::fromLatin1(kTranslationStem);
    const QStringList files = QDir(QString::fromLatin1(kTranslationFolder))
                                  .entryList({stem + "*.qm"}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        codes.push_back(file.mid(stem.size(), file.size() - stem.size() - 3).toStdString());
    }
    return codes;
}

LanguageChoice ChooseLanguage(int& argc, char** argv, const char* environment) {
    const std::string option = kLanguageOption;
    const std::string withValue = option + "=";
    std::optional<std::optional<std::string>> asked;  // outer: given at all; inner: its value
    for (int i = 1; i < argc;) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (arg == option) {
            // An option after it is no code: the code was left out.
            const bool valued = i + 1 < argc && argv[i + 1][0] != '-';
            asked = valued ? std::optional<std::string>(argv[i + 1]) : std::nullopt;
            Remove(argc, argv, i, valued ? 2 : 1);
        } else if (arg.substr(0, withValue.size()) == withValue) {
            asked = std::string(arg.substr(withValue.size()));
            Remove(argc, argv, i, 1);
        } else {
            ++i;
        }
    }
    std::string where = option;
    if (!asked && environment != nullptr && *environment != '\0') {
        asked = std::string(environment);
        where = kLanguageVariable;
    }

    LanguageChoice choice;
    if (!asked) {
        return choice;
    }
    if (!*asked || (*asked)->empty()) {
        choice.Problem = Refusal(where, std::nullopt);
        return choice;
    }
    const std::string code = Lowercase(**asked);
    const std::vector<std::string> available = AvailableLanguages();
    if (std::find(available.begin(), available.end(), code) == available.end()) {
        choice.Problem = Refusal(where, **asked);
        return choice;
    }
    choice.Code = code;
    return choice;
}

void UseLanguage(const std::string& code) {
    Installed& state = State();
    // A translator removes itself from the application when it goes.
    state.Program.reset();
    state.Toolkit.clear();
    state.Code = kSourceLanguage;
    SetTranslator(nullptr);

    if (code != kSourceLanguage) {
        auto program = std::make_unique<QTranslator>();
        if (program->load(QString::fromStdString(kTranslationStem + code),
                          QString::fromLatin1(kTranslationFolder))) {
            state.Program = std::move(program);
            state.Code = code;
            SetTranslator(&TranslateProgramText);
        }
    }
    // The toolkit's dates and sizes (the file dialogs' columns) in the language shown, too, and
    // the system's own dialogs as far as it lets the program choose.
    QLocale::setDefault(QLocale(QString::fromStdString(state.Code)));
    platform::UseSystemLanguage(state.Code);
    // Qt's own texts from beside the program where a copy brings them along (the Windows
    // folder, whose toolkit would look for them above it), else from the toolkit's folder.
    const QString beside =
        QString::fromStdString(platform::ExecutableFolder("")) + QString::fromLatin1(kBesideFolder);
    const std::pair<std::string, QStringList> toolkitFiles[] = {
        {kToolkitStem, {beside, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}},
        {kSupplementStem, {QString::fromLatin1(kTranslationFolder)}},
    };
    for (const auto& [stem, folders] : toolkitFiles) {
        for (const QString& folder : folders) {
            auto toolkit = std::make_unique<QTranslator>();
            if (toolkit->load(QString::fromStdString(stem + state.Code), folder)) {
                state.Toolkit.push_back(std::move(toolkit));
                break;
            }
        }
    }

    if (!state.RegisteredWithApplication) {
        // Runs now if the application object exists, and whenever one is made.
        state.RegisteredWithApplication = true;
        qAddPreRoutine(&InstallInApplication);
    } else if (QCoreApplication::instance() != nullptr) {
        InstallInApplication();
    }
}

std::string LanguageInUse() {
    return State().Code;
}

std::string SetUpLanguage(int& argc, char** argv, std::ostream& err) {
    const LanguageChoice choice = ChooseLanguage(argc, argv, std::getenv(kLanguageVariable));
    if (choice.Problem) {
        const std::string program =
            argc > 0 ? std::filesystem::path(argv[0]).filename().string() : std::string();
        const std::string& text = *choice.Problem;
        const std::size_t end = text.find('\n');
        err << program << ": " << text.substr(0, end) << "\n"
            << program << ": " << text.substr(end + 1) << "\n";
    }
    UseLanguage(choice.Code);
    return LanguageInUse();
}

}  // namespace sim
