#include <QApplication>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BuildInfo.h"
#include "apparatus/Main.h"
#include "apparatus/QtClock.h"
#include "apparatus/Startup.h"
#include "apparatus/core/ProgramMode.h"
#include "apparatus/core/ProgramOptions.h"
#include "assets/Pictures.h"
#include "common/Platform.h"
#include "common/SpeedClock.h"
#include "common/Translate.h"
#include "translations/Language.h"
#include "widgets/MessageDialog.h"

namespace {

constexpr sim::TrText kNoDisplay =
    SIM_TR("Program",
           "Nincs grafikus kijelző: a program ablakot nyit, ehhez X vagy Wayland kijelző kell.");
constexpr sim::TrText kNoDisplayVariable = SIM_TR("Program", "DISPLAY nincs beállítva");

// The toolkit aborts when it cannot open the display; say why and end with an error instead.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n%s\n", sim::Tr(kNoDisplay).c_str(), qPrintable(message));
        std::_Exit(1);
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

}  // namespace

int main(int argc, char** argv) {
    sim::platform::UseParentConsole();
    sim::platform::Utf8Arguments(argc, argv);
    sim::SetUpLanguage(argc, argv, std::cerr);
    const sim::ParsedProgramOptions parsed =
        sim::ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.Options) {
        std::fprintf(stderr, "%s: %s\n", sim::kProgramName, parsed.Error.c_str());
        return sim::kProgramBadOption;
    }
    const sim::ProgramOptions& options = *parsed.Options;
    if (options.Help) {
        std::fputs(sim::ProgramHelpText().c_str(), stdout);
        return 0;
    }
    if (options.Version) {
        std::printf("%s %s\n", sim::kProgramName, sim::kProgramVersion);
        return 0;
    }

    sim::WorkFolderRequest request;
    request.ExecutableDir = sim::platform::ExecutableFolder(argv[0]);
    request.Option = options.WorkFolder;
    request.Environment = Environment(sim::kWorkFolderVariable);
    // On Windows the known folders: Documents for the home, Program Files for the installed.
    const auto documents = sim::platform::DocumentsFolder();
    request.Home = documents ? documents : Environment("HOME");
    request.InstalledDir = sim::platform::ProgramFilesFolder().value_or(sim::kInstalledProgramDir);
    const sim::WorkFolder folder = sim::ChooseWorkFolder(request);
    if (folder.Error) {
        // Also for a terminal: the window may not be able to show it.
        std::string lines = *folder.Error;
        std::replace(lines.begin(), lines.end(), '\r', '\n');
        std::fprintf(stderr, "%s\n", lines.c_str());
    }
    sim::ModeRequest modeRequest;
    modeRequest.ClassOption = options.Class;
    modeRequest.Environment = Environment(sim::kModeVariable);
    if (!folder.Error) {
        modeRequest.WorkFolderFile = folder.Path + sim::kModeFileName;
    }
    modeRequest.SystemFile = sim::SystemSettingsFolder() + sim::kModeFileName;
    const sim::ModeChoice mode = sim::ChooseProgramMode(modeRequest);
    if (mode.Problem) {
        std::fprintf(stderr, "%s: %s\n", sim::kProgramName, mode.Problem->c_str());
    }
    if (!sim::platform::HasDisplay()) {
        std::fprintf(stderr, "%s (%s)\n", sim::Tr(kNoDisplay).c_str(),
                     sim::Tr(kNoDisplayVariable).c_str());
        return 1;
    }
    // The X library garbles the old window title without a UTF-8 character type (no locale at
    // all, as on a fresh server, or C, or Latin-2), for every window manager, task bar or screen
    // reader that reads only that title.
    sim::platform::UseUtf8CharacterType();
    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    // The toolkit adopts the user's locale; numbers are always written with ".".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(sim::AppIcon());

    // A translated caption may need more room than the Hungarian one the dialog is made for.
    sim::FitCaptionsInTitleBar(sim::LanguageInUse() != sim::kSourceLanguage);

    sim::QtClock clock;
    // The class edition's time runs through a clock whose speed can be chosen; the
    // competition's runs straight on the toolkit's timers.
    const bool lesson = mode.Mode == sim::ProgramMode::Class;
    std::optional<sim::SpeedClock> speed;
    if (lesson) {
        speed.emplace(clock);
    }
    const std::unique_ptr<sim::TForm1> form1 = sim::OpenMainWindow(
        lesson ? static_cast<sim::Clock&>(*speed) : static_cast<sim::Clock&>(clock), folder,
        {sim::SystemFactorFile(), sim::SystemDocumentFolder()});
    int result = 1;
    if (form1 != nullptr) {
        if (lesson) {
            form1->EnableClassMode(*speed);
        }
        form1->FitToScreen();
        form1->show();
        result = QApplication::exec();
    }
    sim::DestroyMessageDialog();
    return result;
}
