// A person's session with the real program: log in, drag the sources and two components into
// place, run an exact speed series from a factor file beside the program, close through the
// close question. Real X events (xdotool) on a private Xvfb display. With TRELKO_E2E_INSTALLED
// it drives an installed program instead of a copy of the built one. The session runs with no
// locale at all, as on a fresh machine, and in Hungarian, and in the English edition, whose
// result file must be the same bytes; the window titles are read in more locales, also on a
// machine whose own language is English, where the program still speaks Hungarian. The same
// session is run with key presses alone, and through the accessibility bus as a screen reader
// works it; both must leave the same result file.

#include <gtest/gtest.h>

#include <locale.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "apparatus/core/Form1Logic.h"
#include "common/Format.h"
#include "common/VirtualClock.h"
#include "tests/TestSupport.h"

extern char** environ;

namespace sim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The test's own tools run in C.UTF-8 (always there) so that what they match and print does not
// depend on the machine's locale.
constexpr const char* kToolLocale = "LC_ALL=C.UTF-8 ";

std::string Shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        pclose(pipe);
    }
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) {
        output.pop_back();
    }
    return output;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

bool IsLocaleSetting(const char* entry) {
    return std::strncmp(entry, "LANG=", 5) == 0 || std::strncmp(entry, "LANGUAGE=", 9) == 0 ||
           std::strncmp(entry, "LC_", 3) == 0 || std::strncmp(entry, "TRELKO_LANG=", 12) == 0;
}

// Starts the program with the test's environment, less every locale and language setting and
// the offscreen platform, plus the display, the given settings and the program's arguments.
pid_t SpawnProgram(const std::string& program, const std::string& display,
                   const std::vector<std::string>& locale, std::vector<std::string> arguments) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!IsLocaleSetting(*entry) && std::strncmp(*entry, "DISPLAY=", 8) != 0 &&
            std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) {
            env.emplace_back(*entry);
        }
    }
    env.push_back("DISPLAY=" + display);
    env.insert(env.end(), locale.begin(), locale.end());
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (auto& a : arguments) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        // A group of its own, so that whatever it starts (a private bus) ends with it.
        setpgid(0, 0);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

// Starts Xvfb on a display number it picks itself and returns ":N" once the server accepts
// connections, or "" if it did not come up.
std::string StartXvfb(pid_t& pid, const char* screen = "1600x1000x24") {
    int ready[2];
    if (pipe(ready) != 0) {
        return {};
    }
    const std::string fd = std::to_string(ready[1]);
    pid = fork();
    if (pid == 0) {
        close(ready[0]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-screen", "0", screen,
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 20000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(ready[0]);
    return number.empty() || c != '\n' ? std::string() : ":" + number;
}

bool LocaleInstalled(const char* name) {
    if (locale_t locale = newlocale(LC_ALL_MASK, name, nullptr)) {
        freelocale(locale);
        return true;
    }
    return false;
}

// The series the session runs: exact counts, set points 100, 1050 and 2000, already evacuated.
constexpr const char* kFactorFile = "-200\r\n950\r\n1e-6\r\n";

std::optional<std::string> Setting(const char* name) {
    const char* given = std::getenv(name);
    return given == nullptr || *given == '\0' ? std::nullopt : std::optional<std::string>(given);
}

// An installed program to drive instead of a copy of the built one, for a check of the package
// on a machine (see the README): it works in ~/Brk2017 and reads the organisers' factor file
// /etc/trelko/faktor.txt, or in the folder and with the file named beside it (the Windows
// program's Documents\Brk2017 and %ProgramData%\trelko\faktor.txt).
std::optional<fs::path> InstalledProgram() {
    return Setting("TRELKO_E2E_INSTALLED");
}

// The Windows program under Wine instead: the Windows build's wine-run.sh starts it, from a
// copy of the unpacked zip's folder (TRELKO_E2E_WINE_FOLDER), or installed from the MSI.
std::optional<std::string> WineRunner() {
    return Setting("TRELKO_E2E_WINE");
}

// The counts the exact mode gives at a reached set point, from the physics of the same field.
std::int32_t ExpectedCounts(double speed) {
    class Form : public TForm1Logic {
      public:
        explicit Form(Clock& clock) : TForm1Logic(clock, "") { FormCreate(); }
    };
    VirtualClock clock;
    Form form(clock);
    auto mount = [](FieldItem& source, const FieldItem& marker) {
        source.Left = marker.Left;
        source.Top = marker.Top;
        source.Tag = marker.Tag;
    };
    mount(form.Image2, form.Shape2);
    mount(form.Image3, form.Shape3);
    form.Components[2]->Left = 616;
    form.Components[2]->Top = 160;
    form.Model.Slots[2].Placed = true;
    form.Components[1]->Left = 496;
    form.Components[1]->Top = 160;
    form.Model.Slots[1].Placed = true;
    form.Model.RotorDriveOn = true;
    form.Model.RotorSpeed = speed;
    EXPECT_TRUE(form.Model.EvaluateApparatus());
    return static_cast<std::int32_t>(200.0 * form.Model.DetectorRate);
}

// The result file of the session's series, the same bytes in every language and with any input.
std::string ExpectedResult() {
    std::string expected = "Faktor=       -200\r\n";
    for (const double setpoint : {100.0, 1050.0, 2000.0}) {
        expected += Format("%10.0f, %10d\r\n", setpoint, ExpectedCounts(setpoint));
    }
    return expected;
}

// Locale and language settings of one run of the program.
struct LocaleCase {
    const char* name;
    std::vector<std::string> settings;
    const char* needs;  // a locale the case is about, or nullptr
    std::vector<std::string> arguments = {};
    bool english = false;  // the English edition is asked for
    const char* screen = "1600x1000x24";
    double scale = 1;  // the toolkit's scale factor the settings ask for
};

// The words of the windows the session meets, in the language of the case.
struct Words {
    std::string login;
    std::string title;
    std::string question;
};

Words WordsOf(const LocaleCase& locale) {
    if (locale.english) {
        return {" Login", "Simulation of the Trelko experiment, Brenn Competition 2017",
                "***CONFIRMATION***"};
    }
    return {" Bejelentkezés", "Trelko kísérlet szimulációja Brenn Verseny 2017",
            "***MEGERŐSÍTÉS***"};
}

std::string CaseName(const ::testing::TestParamInfo<LocaleCase>& info) {
    return info.param.name;
}

void PrintTo(const LocaleCase& locale, std::ostream* out) {
    *out << locale.name;
}

class ProgramOnXvfb : public ::testing::TestWithParam<LocaleCase> {
  protected:
    void SetUp() override {
        if (Shell("command -v Xvfb").empty() || Shell("command -v xdotool").empty() ||
            Shell("command -v xprop").empty()) {
            GTEST_SKIP() << "Xvfb, xdotool or xprop missing";
        }
        if (GetParam().needs != nullptr && !LocaleInstalled(GetParam().needs)) {
            GTEST_SKIP() << GetParam().needs << " is not generated (scripts/deps.sh does it)";
        }
        if (const auto installed = InstalledProgram()) {
            programPath = *installed;
            const char* home = std::getenv("HOME");
            const auto work = Setting("TRELKO_E2E_INSTALLED_WORK");
            ASSERT_TRUE(home != nullptr || work) << "the installed program works in ~/Brk2017";
            dir = work ? fs::path(*work) : fs::path(home) / "Brk2017";
            const std::string factor =
                Setting("TRELKO_E2E_INSTALLED_FACTOR").value_or("/etc/trelko/faktor.txt");
            ASSERT_EQ(testing::ReadFile(factor), kFactorFile)
                << "the organisers' " << factor << " must hold this test's series";
        } else {
            scratch.emplace("trelko-e2e");
            dir = scratch->Path();
            if (const auto folder = Setting("TRELKO_E2E_WINE_FOLDER")) {
                fs::copy(*folder, dir, fs::copy_options::recursive);
                programPath = dir / "trelko.exe";
            } else {
                programPath = dir / "trelko";
                fs::copy_file(TRELKO_BINARY, programPath);
            }
            std::ofstream(dir / "faktor.txt") << kFactorFile;
        }
        display = StartXvfb(xvfb, GetParam().screen);
        ASSERT_FALSE(display.empty()) << "Xvfb started";
    }

    void TearDown() override {
        if (program > 0) {
            kill(-program, SIGKILL);
            waitpid(program, nullptr, 0);
        }
        if (const auto wine = WineRunner()) {
            Shell("'" + *wine + "' --end");
        }
        if (xvfb > 0) {
            kill(xvfb, SIGTERM);
            waitpid(xvfb, nullptr, 0);
        }
    }

    void StartProgram() {
        std::vector<std::string> arguments = GetParam().arguments;
        std::string started = programPath.string();
        if (const auto wine = WineRunner()) {
            arguments.insert(arguments.begin(), {"--window", started});
            started = *wine;
        }
        program = SpawnProgram(started, display, GetParam().settings, arguments);
    }

    std::string Xdo(const std::string& args) {
        return Shell("DISPLAY=" + display + " " + kToolLocale + "xdotool " + args + " 2>/dev/null");
    }

    // Key presses only, to the window that has the keyboard.
    void Keys(const std::string& keys) { Xdo("key --delay 30 " + keys); }

    // A new window gets the keyboard as a window manager would give it.
    void FocusWindow(const std::string& name) {
        const std::string id = WaitForWindow(name);
        ASSERT_FALSE(id.empty()) << name << " shows";
        Xdo("windowfocus --sync " + id);
    }

    // The series' result file once it holds its fourth line, and what it must hold.
    std::string WaitForResult() {
        const fs::path result = dir / "Brk2017_e2e.txt";
        std::string content;
        WaitUntil(
            [&] {
                content = testing::ReadFile(result);
                return std::count(content.begin(), content.end(), '\n') >= 4;
            },
            90s);
        return content;
    }

    // How xprop shows a window's old (Latin-1) and new (UTF-8) title properties.
    std::string Titles(const std::string& window) {
        return Shell("DISPLAY=" + display + " " + kToolLocale + "xprop -id " + window +
                     " WM_NAME _NET_WM_NAME 2>&1");
    }

    std::string WaitForWindow(const std::string& name) {
        std::string id;
        WaitUntil(
            [&] {
                id = Xdo("search --name '" + name + "'");
                return !id.empty();
            },
            20s);
        return id.substr(0, id.find('\n'));
    }

    // Finds the main window's client origin on the screen; returns the menu bar's height.
    int LocateClientArea(const std::string& window) {
        // The client area is 701 pixels high below the menu bar.
        std::istringstream geometry(Xdo("getwindowgeometry --shell " + window));
        std::string line;
        int height = 0;
        while (std::getline(geometry, line)) {
            if (line.rfind("X=", 0) == 0) {
                originX = std::stoi(line.substr(2));
            } else if (line.rfind("Y=", 0) == 0) {
                originY = std::stoi(line.substr(2));
            } else if (line.rfind("HEIGHT=", 0) == 0) {
                height = std::stoi(line.substr(7));
            }
        }
        const int client = static_cast<int>(std::lround(701 * GetParam().scale));
        originY += height - client;
        return height - client;
    }

    // Screen position of a point of a panel, from the main window's client origin.
    void MoveTo(int x, int y) {
        const double scale = GetParam().scale;
        Xdo("mousemove --sync " + std::to_string(originX + std::lround(x * scale)) + " " +
            std::to_string(originY + std::lround(y * scale)));
    }

    void DragPanel3(int fromX, int fromY, int toX, int toY) {
        constexpr int kPanel3X = 9;
        constexpr int kPanel3Y = 303;
        MoveTo(kPanel3X + fromX, kPanel3Y + fromY);
        Xdo("mousedown 1");
        for (int step = 1; step <= 5; ++step) {
            MoveTo(kPanel3X + fromX + (toX - fromX) * step / 5,
                   kPanel3Y + fromY + (toY - fromY) * step / 5);
        }
        // No wait: the program takes the X server's events in their order, so the next press
        // comes after this drop whenever the program gets to it.
        Xdo("mouseup 1");
    }

    std::optional<testing::ScratchFolder> scratch;
    fs::path programPath;
    fs::path dir;  // the program's work folder
    std::string display;
    pid_t xvfb = -1;
    pid_t program = -1;
    int originX = 0;
    int originY = 0;
    int screenWidth() const;
    int screenHeight() const;
};

class EndToEnd : public ProgramOnXvfb {};
class KeyboardOnly : public ProgramOnXvfb {};
class ScreenReader : public ProgramOnXvfb {};
class WindowTitles : public ProgramOnXvfb {};
class SmallScreen : public ProgramOnXvfb {};

std::string BothTitles(const std::string& oldType, const std::string& title) {
    return "WM_NAME(" + oldType + ") = \"" + title + "\"\n_NET_WM_NAME(UTF8_STRING) = \"" + title +
           "\"";
}

TEST_P(EndToEnd, LoginPlaceItemsRunASeriesAndClose) {
    const Words words = WordsOf(GetParam());
    const auto started = std::chrono::steady_clock::now();
    StartProgram();

    const std::string login = WaitForWindow(words.login);
    ASSERT_FALSE(login.empty()) << "the login shows at start-up";
    std::printf("the login showed %.1f s after the start\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    Xdo("windowfocus --sync " + login);
    Xdo("type --delay 20 e2e");
    Xdo("key Return");

    const std::string title = words.title + "  (Brk2017_e2e)";
    const std::string main = WaitForWindow("Brk2017_e2e");
    ASSERT_FALSE(main.empty());
    EXPECT_EQ(Xdo("getwindowname " + main), title);
    EXPECT_EQ(Titles(main), BothTitles("STRING", title));

    const int menuBar = LocateClientArea(main);

    DragPanel3(1120, 61, 216, 41);    // a source onto the top marker
    DragPanel3(1177, 61, 216, 355);   // the other onto the bottom marker
    DragPanel3(1151, 243, 616, 160);  // the detector: its corner at field (600, 150)
    DragPanel3(1149, 147, 496, 160);  // the target: its corner at field (480, 150)

    // Start: panel 1 at (488, 4), the measurement box at (576, 9), Start at (12, 242).
    MoveTo(488 + 576 + 12 + 26, 4 + 9 + 242 + 12);
    Xdo("click 1");

    EXPECT_EQ(WaitForResult(), ExpectedResult());

    const std::string memory = Shell("grep VmHWM /proc/" + std::to_string(program) + "/status");
    std::printf("peak resident memory of the session: %s\n", memory.c_str());

    // "Vége" on the menu bar, then Enter on the close question (Yes has the focus).
    MoveTo(20, -menuBar / 2);
    Xdo("click 1");
    const std::string question = WaitForWindow(words.question.substr(3, words.question.size() - 6));
    ASSERT_FALSE(question.empty()) << "closing asks first";
    // Not all Latin-1 in Hungarian, so the old property holds the title as compound text.
    EXPECT_EQ(Titles(question),
              BothTitles(GetParam().english ? "STRING" : "COMPOUND_TEXT", words.question));
    Xdo("windowfocus --sync " + question);
    Xdo("key Return");

    int status = -1;
    if (WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; }, 10s)) {
        program = -1;
    }
    EXPECT_EQ(program, -1) << "the program ended after Yes";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;

    // The folder as organisers collect it from this machine: one contestant, whatever else the
    // window left beside the result (its lock file, the program itself, faktor.txt).
    if (scratch) {
        EXPECT_EQ(Shell(std::string(kToolLocale) + "'" + TRELKO_GRADE + "' '" + dir.string() +
                        "' --out '" + (dir / "jelentes").string() + "' --quiet --csv-only"),
                  "1 versenyző, 1 nincs geometria\nÖsszesítő: " +
                      (dir / "jelentes" / "osszesito.csv").string());
    }
}

// The same session with key presses alone: no pointer event at all. Tab's ring runs through
// the panels and then the field's sources and components in their stacking order, so from the
// first control Shift+Tab reaches the topmost source, then the one below it, then the components.
TEST_P(KeyboardOnly, SameSessionSameResultFile) {
    StartProgram();
    FocusWindow(WordsOf(GetParam()).login);
    Keys("e 2 e Return");
    FocusWindow("Brk2017_e2e");  // the lid's button has the focus

    Keys("shift+Tab 9");  // the topmost source onto the bottom marker
    Keys("shift+Tab 1");  // the other onto the top marker
    // Four lead shields below the sources, then the detector: its corner at field (600, 150)
    // through the position dialog that Enter opens, as a right click does.
    Keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Return");
    FocusWindow("Komponens");
    Keys("6 0 0 Tab 1 5 0 Return");
    FocusWindow("Brk2017_e2e");
    // The target below it, at field (480, 150).
    Keys("shift+Tab Return");
    FocusWindow("Komponens");
    Keys("4 8 0 Tab 1 5 0 Return");
    FocusWindow("Brk2017_e2e");
    // The measurement's Start is the control before the field (its Stop is disabled).
    Keys("shift+Tab space");

    EXPECT_EQ(WaitForResult(), ExpectedResult()) << "the mouse session's bytes";

    // Alt opens the menu bar on "Vége"; Yes has the focus in the question.
    Keys("alt Return");
    FocusWindow(WordsOf(GetParam()).question.substr(3, WordsOf(GetParam()).question.size() - 6));
    Keys("Return");
    int status = -1;
    if (WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; }, 10s)) {
        program = -1;
    }
    EXPECT_EQ(program, -1) << "the program ended after Yes";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

// The session as a screen reader's user has it: a script on a private accessibility bus finds
// the controls by role and name and works them through AT-SPI alone (tests/e2e/screen_reader.py).
TEST_P(ScreenReader, WorksTheWindowThroughTheAccessibilityBus) {
    if (Shell("command -v dbus-run-session").empty() ||
        Shell("/usr/bin/python3 -c 'import pyatspi' 2>&1 && echo ok") != "ok" ||
        !fs::exists("/usr/libexec/at-spi-bus-launcher")) {
        GTEST_SKIP() << "dbus-run-session, at-spi2-core or python3-pyatspi missing";
    }
    const fs::path log = dir / "screen_reader.log";
    // The program and the script on one private session bus; the program's own end is waited
    // for once the script has answered the close question.
    const std::string script =
        "\"$1\" & app=$!\n"
        "/usr/bin/python3 \"$2\" \"$app\" \"$3\" \"$4\" >\"$5\" 2>&1; s=$?\n"
        "[ $s -eq 0 ] || kill $app\n"
        "wait $app; a=$?\n"
        "[ $s -eq 0 ] && exit $a; exit $s\n";
    std::vector<std::string> settings = GetParam().settings;
    settings.emplace_back("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1");
    program = SpawnProgram(
        Shell("command -v dbus-run-session"), display, settings,
        {"--", "/bin/sh", "-c", script, "sh", programPath.string(), SCREEN_READER_SCRIPT,
         dir.string(), std::to_string(ExpectedCounts(2000.0)), log.string()});
    int status = -1;
    if (WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; }, 200s)) {
        program = -1;
    }
    const std::string said = testing::ReadFile(log);
    std::printf("%s", said.c_str());
    EXPECT_EQ(program, -1) << "the session ended";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_NE(said.find("ok: answered"), std::string::npos);
    EXPECT_EQ(testing::ReadFile(dir / "Brk2017_e2e.txt"), ExpectedResult());
}

// A school laptop's screen, and a larger one at the scale factor 1.25: the window, placed at
// its specified place, would reach past the screen's edge; it is moved inside, where every
// control can be reached, and the session gives the same result file.
TEST_P(SmallScreen, TheWholeWindowIsOnTheScreenAndWorks) {
    StartProgram();
    FocusWindow(WordsOf(GetParam()).login);
    Keys("e 2 e Return");
    const std::string main = WaitForWindow("Brk2017_e2e");
    ASSERT_FALSE(main.empty());
    std::string shown;
    int width = 0;
    int height = 0;
    // The window is placed once it is shown.
    WaitUntil(
        [&] {
            LocateClientArea(main);
            shown = Xdo("getwindowgeometry --shell " + main);
            width = std::stoi(shown.substr(shown.find("WIDTH=") + 6));
            height = std::stoi(shown.substr(shown.find("HEIGHT=") + 7));
            return originX + width <= screenWidth() && originY + 1 <= screenHeight();
        },
        10s);
    const int top = std::stoi(shown.substr(shown.find("Y=") + 2));
    EXPECT_GE(originX, 0) << shown;
    EXPECT_GE(top, 0) << shown;
    EXPECT_LE(originX + width, screenWidth()) << shown;
    EXPECT_LE(top + height, screenHeight()) << shown;

    DragPanel3(1120, 61, 216, 41);
    DragPanel3(1177, 61, 216, 355);
    DragPanel3(1151, 243, 616, 160);
    DragPanel3(1149, 147, 496, 160);
    MoveTo(488 + 576 + 12 + 26, 4 + 9 + 242 + 12);  // the measurement's Start, bottom right
    Xdo("click 1");
    EXPECT_EQ(WaitForResult(), ExpectedResult());
}

int ScreenSize(const char* screen, bool height) {
    const std::string size = screen;
    return std::stoi(height ? size.substr(size.find('x') + 1) : size);
}

// The two windows shown at start-up, through the old title property (which some window managers,
// task bars and screen readers read alone) and the new one.
TEST_P(WindowTitles, ReadRightThroughBothProperties) {
    StartProgram();
    std::vector<std::string> windows;
    ASSERT_TRUE(WaitUntil(
        [&] {
            std::istringstream ids(Xdo("search --onlyvisible --pid " + std::to_string(program)));
            windows.clear();
            for (std::string id; std::getline(ids, id);) {
                windows.push_back(id);
            }
            return windows.size() >= 2;
        },
        20s))
        << "the main window and the login show at start-up";
    std::vector<std::string> titles;
    titles.reserve(windows.size());
    for (const auto& window : windows) {
        titles.push_back(Titles(window));
    }
    std::sort(titles.begin(), titles.end());  // the login's leading blank sorts it first
    std::string all;
    for (const auto& t : titles) {
        all += t + "\n";
    }
    const Words words = WordsOf(GetParam());
    EXPECT_EQ(all,
              BothTitles("STRING", words.login) + "\n" + BothTitles("STRING", words.title) + "\n");
}

const LocaleCase kNoLocale{"NoLocale", {}, nullptr};
const LocaleCase kHungarian{"Hungarian", {"LANG=hu_HU.UTF-8"}, "hu_HU.UTF-8"};
// The English edition, asked for on the command line or through the variable; its result file
// is held to the same bytes as the Hungarian sessions'.
const LocaleCase kEnglish{"English", {}, nullptr, {"--lang", "en"}, true};
const LocaleCase kEnglishOnHungarian{
    "EnglishOnHungarianMachine", {"LANG=hu_HU.UTF-8", "TRELKO_LANG=en"}, "hu_HU.UTF-8", {}, true};

INSTANTIATE_TEST_SUITE_P(Locales, EndToEnd,
                         ::testing::Values(kNoLocale, kHungarian, kEnglish, kEnglishOnHungarian),
                         CaseName);

int ProgramOnXvfb::screenWidth() const {
    return ScreenSize(GetParam().screen, false);
}

int ProgramOnXvfb::screenHeight() const {
    return ScreenSize(GetParam().screen, true);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, SmallScreen,
    ::testing::Values(
        LocaleCase{"Laptop1366x768", {}, nullptr, {}, false, "1366x768x24"},
        LocaleCase{"Scale125On1600x1000", {"QT_SCALE_FACTOR=1.25"}, nullptr, {}, false,
                   "1600x1000x24", 1.25}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Locales, KeyboardOnly, ::testing::Values(kNoLocale), CaseName);
// Names are looked up in Hungarian, the language of a machine without a setting.
INSTANTIATE_TEST_SUITE_P(Locales, ScreenReader, ::testing::Values(kNoLocale), CaseName);
// On a screen the window must shrink to fit, through the scaled view.
INSTANTIATE_TEST_SUITE_P(Screens, ScreenReader,
                         ::testing::Values(LocaleCase{"Scaled1024x600", {}, nullptr, {}, false,
                                                      "1024x600x24"}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(
    Locales, WindowTitles,
    ::testing::Values(kNoLocale, kHungarian, LocaleCase{"C", {"LANG=C"}, nullptr},
                      LocaleCase{
                          "PosixOverHungarian", {"LANG=hu_HU.UTF-8", "LC_ALL=POSIX"}, nullptr},
                      LocaleCase{"HungarianLatin2", {"LANG=hu_HU"}, "hu_HU.ISO-8859-2"},
                      LocaleCase{"MissingLocale", {"LANG=xx_XX.UTF-8"}, nullptr},
                      // The machine's language is no choice of the program's.
                      LocaleCase{"EnglishMachine", {"LANG=en_US.UTF-8"}, nullptr},
                      LocaleCase{"EnglishEdition", {}, nullptr, {"--lang", "en"}, true}),
    CaseName);

}  // namespace
}  // namespace sim
