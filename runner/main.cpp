// trelko-runner: the experiment's window logic without a window, for organisers who need the
// counts and the curve behind a contestant's saved geometry. See --help.

#include <QGuiApplication>
#include <QtGlobal>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "common/Platform.h"
#include "runner/PngPlot.h"
#include "runner/core/Runner.h"
#include "runner/core/StopSignal.h"
#include "translations/Language.h"

namespace {

// Qt's own diagnostics (missing runtime folders and the like) are not the runner's output.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << message.toStdString() << "\n";
    }
}

// Without a session's runtime folder Qt makes one of its own under the temporary folder; the
// run's own private folder serves instead, so the runner writes nothing outside --out. (Qt on
// Windows needs none.)
void KeepRuntimeFolderInside(const std::string& scratchFolder) {
    const char* given = std::getenv("XDG_RUNTIME_DIR");
    if (sim::platform::kWindows || (given != nullptr && *given != '\0')) {
        return;
    }
    std::error_code error;
    const std::string folder = sim::platform::TextOf(std::filesystem::absolute(
        sim::platform::PathOf(scratchFolder) / "runtime", error));
    if (!error && sim::platform::MakeFolder(folder, true) == 0) {
        sim::platform::SetEnvironment("XDG_RUNTIME_DIR", folder);
    }
}

}  // namespace

int main(int argc, char** argv) {
    sim::platform::UseParentConsole();
    sim::platform::Utf8Arguments(argc, argv);
    sim::SetUpLanguage(argc, argv, std::cerr);
    const std::vector<std::string> args(argv + 1, argv + argc);

    // The painter's text needs an application; it is made only for a PNG plot, on the
    // offscreen platform, so the runner never needs a display.
    std::unique_ptr<QGuiApplication> app;
    int appArgc = 3;
    char appName[] = "trelko-runner";
    char platformOption[] = "-platform";
    // Windows' Qt has no offscreen platform (it needs FreeType); its minimal one paints images
    // as well, and with its fonts switched on, the plot's text in the system's fonts.
    char offscreen[] = "offscreen";
    char minimal[] = "minimal:enable_fonts";
    char* platform = sim::platform::kWindows ? minimal : offscreen;
    char* appArgv[] = {appName, platformOption, platform, nullptr};
    const sim::PngRenderer png = [&](const sim::PlotData& data, const std::string& scratch) {
        if (app == nullptr) {
            KeepRuntimeFolderInside(scratch);
            qInstallMessageHandler(QuietQtMessages);
            app = std::make_unique<QGuiApplication>(appArgc, appArgv);
            std::setlocale(LC_NUMERIC, "C");
        }
        return sim::RenderPngPlot(data);
    };
    sim::CatchStopSignals();
    return sim::RunnerMain(args, std::cout, std::cerr, png, sim::CaughtStopSignal);
}
