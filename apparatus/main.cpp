#include <QApplication>
#include <QDir>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "apparatus/Main.h"
#include "apparatus/QtClock.h"
#include "assets/Pictures.h"
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

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    sim::SetUpLanguage(argc, argv, std::cerr);
    if (!HasDisplay()) {
        std::fprintf(stderr, "%s (%s)\n", sim::Tr(kNoDisplay).c_str(),
                     sim::Tr(kNoDisplayVariable).c_str());
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    // The toolkit adopts the user's locale; numbers are always written with ".".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(sim::AppIcon());

    sim::QtClock clock;
    const std::string programDir =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/").toStdString();
    sim::TForm1 form1(clock, programDir);
    form1.show();
    const int result = QApplication::exec();
    sim::DestroyMessageDialog();
    return result;
}
