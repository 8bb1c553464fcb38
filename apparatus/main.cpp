#include <QApplication>
#include <QDir>

#include <langinfo.h>
#include <strings.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

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

// The toolkit treats all 8-bit text as UTF-8, but the X library converts the old window title
// (WM_NAME, Latin-1) from the C library's character type: without a UTF-8 one (no locale at all,
// as on a fresh server, or C, or Latin-2) it takes the UTF-8 bytes for Latin-1 and garbles the
// title for every window manager, task bar or screen reader that reads only WM_NAME. Newer
// toolkit versions switch by themselves; this one does not. Only the character type changes, and
// through the environment, since the application object applies the environment's locale anew.
void ChooseUtf8CharacterType() {
    if (std::setlocale(LC_ALL, "") != nullptr && strcasecmp(nl_langinfo(CODESET), "UTF-8") == 0) {
        return;
    }
    std::string language = std::setlocale(LC_CTYPE, nullptr);
    language = language.substr(0, language.find_first_of(".@"));
    std::string chosen = language + ".UTF-8";
    if (language == "C" || language == "POSIX" ||
        std::setlocale(LC_CTYPE, chosen.c_str()) == nullptr) {
        chosen = "C.UTF-8";
        if (std::setlocale(LC_CTYPE, chosen.c_str()) == nullptr) {
            return;
        }
    }
    // LC_ALL outranks LC_CTYPE: hand its value to each of the other categories instead.
    if (const char* all = std::getenv("LC_ALL"); all != nullptr && *all != '\0') {
        const std::string value = all;
        for (const char* category :
             {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME", "LC_ADDRESS",
              "LC_IDENTIFICATION", "LC_MEASUREMENT", "LC_NAME", "LC_PAPER", "LC_TELEPHONE"}) {
            setenv(category, value.c_str(), 1);
        }
        unsetenv("LC_ALL");
    }
    setenv("LC_CTYPE", chosen.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    sim::SetUpLanguage(argc, argv, std::cerr);
    if (!HasDisplay()) {
        std::fprintf(stderr, "%s (%s)\n", sim::Tr(kNoDisplay).c_str(),
                     sim::Tr(kNoDisplayVariable).c_str());
        return 1;
    }
    ChooseUtf8CharacterType();
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
