#include <QApplication>
#include <QDir>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "apparatus/Main.h"
#include "apparatus/QtClock.h"
#include "assets/Pictures.h"
#include "widgets/MessageDialog.h"

namespace {

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
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "Nincs grafikus kijelző: a program ablakot nyit, ehhez X vagy Wayland "
                     "kijelző kell (DISPLAY nincs beállítva).\n");
        return 1;
    }
    QApplication app(argc, argv);
    // The toolkit adopts the user's locale; numbers are always written with ".".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(sim::AppIcon());

    sim::QtClock clock;
    const std::string programDir =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/").toStdString();
    sim::TForm1 form1(clock, programDir);
    sim::CreateMessageDialog(&form1);
    form1.CreateDialogs();
    form1.show();
    const int result = QApplication::exec();
    sim::DestroyMessageDialog();
    return result;
}
