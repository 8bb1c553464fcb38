// A person's session with the real program: log in, drag the sources and two components into
// place, run an exact speed series from a factor file beside the program, close through the
// close question. Real X events (xdotool) on a private Xvfb display.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "apparatus/core/Form1Logic.h"
#include "common/Format.h"
#include "common/VirtualClock.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

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

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

pid_t Spawn(const std::vector<std::string>& args, const std::string& display) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        std::vector<char*> argv;
        for (const auto& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
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

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (Shell("command -v Xvfb").empty() || Shell("command -v xdotool").empty()) {
            GTEST_SKIP() << "Xvfb or xdotool missing";
        }
        dir = fs::temp_directory_path() / ("trelko-e2e-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy_file(TRELKO_BINARY, dir / "trelko");
        std::ofstream(dir / "faktor.txt") << "-200\r\n950\r\n1e-6\r\n";
        display = ":" + std::to_string(90 + getpid() % 9);
        xvfb =
            Spawn({"Xvfb", display, "-noreset", "-screen", "0", "1600x1000x24", "-nolisten", "tcp"},
                  display);
        for (int i = 0; i < 100 && Xdo("getmouselocation").empty(); ++i) {
            std::this_thread::sleep_for(50ms);
        }
    }

    void TearDown() override {
        if (program > 0) {
            kill(program, SIGKILL);
            waitpid(program, nullptr, 0);
        }
        if (xvfb > 0) {
            kill(xvfb, SIGTERM);
            waitpid(xvfb, nullptr, 0);
        }
        fs::remove_all(dir);
    }

    std::string Xdo(const std::string& args) {
        return Shell("DISPLAY=" + display + " xdotool " + args + " 2>/dev/null");
    }

    std::string WaitForWindow(const std::string& name) {
        for (int i = 0; i < 200; ++i) {
            const std::string id = Xdo("search --name '" + name + "'");
            if (!id.empty()) {
                return id.substr(0, id.find('\n'));
            }
            std::this_thread::sleep_for(50ms);
        }
        return {};
    }

    // Screen position of a point of a panel, from the main window's client origin.
    void MoveTo(int x, int y) {
        Xdo("mousemove --sync " + std::to_string(originX + x) + " " + std::to_string(originY + y));
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
        Xdo("mouseup 1");
        std::this_thread::sleep_for(100ms);
    }

    fs::path dir;
    std::string display;
    pid_t xvfb = -1;
    pid_t program = -1;
    int originX = 0;
    int originY = 0;
};

TEST_F(EndToEnd, LoginPlaceItemsRunASeriesAndClose) {
    program = Spawn({(dir / "trelko").string()}, display);

    const std::string login = WaitForWindow(" Bejelentkezés");
    ASSERT_FALSE(login.empty()) << "the login shows at start-up";
    Xdo("windowfocus --sync " + login);
    Xdo("type --delay 20 e2e");
    Xdo("key Return");

    const std::string title = "Trelko kísérlet szimulációja Brenn Verseny 2017  (Brk2017_e2e)";
    const std::string main = WaitForWindow("Brk2017_e2e");
    ASSERT_FALSE(main.empty());
    EXPECT_EQ(Xdo("getwindowname " + main), title);

    // The client area is 701 pixels high below the menu bar.
    std::istringstream geometry(Xdo("getwindowgeometry --shell " + main));
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
    originY += height - 701;

    DragPanel3(1120, 61, 216, 41);    // a source onto the top marker
    DragPanel3(1177, 61, 216, 355);   // the other onto the bottom marker
    DragPanel3(1151, 243, 616, 160);  // the detector: its corner at field (600, 150)
    DragPanel3(1149, 147, 496, 160);  // the target: its corner at field (480, 150)

    // Start: panel 1 at (488, 4), the measurement box at (576, 9), Start at (12, 242).
    MoveTo(488 + 576 + 12 + 26, 4 + 9 + 242 + 12);
    Xdo("click 1");

    const fs::path result = dir / "Brk2017_e2e.txt";
    std::string content;
    for (int i = 0; i < 900; ++i) {
        content = ReadFile(result);
        if (std::count(content.begin(), content.end(), '\n') >= 4) {
            break;
        }
        std::this_thread::sleep_for(100ms);
    }
    std::string expected = "Faktor=       -200\r\n";
    for (const double setpoint : {100.0, 1050.0, 2000.0}) {
        expected += Format("%10.0f, %10d\r\n", setpoint, ExpectedCounts(setpoint));
    }
    EXPECT_EQ(content, expected);

    const std::string memory = Shell("grep VmHWM /proc/" + std::to_string(program) + "/status");
    std::printf("peak resident memory of the session: %s\n", memory.c_str());

    // "Vége" on the menu bar, then Enter on the close question (Yes has the focus).
    MoveTo(20, -(height - 701) / 2);
    Xdo("click 1");
    const std::string question = WaitForWindow("MEGERŐSÍTÉS");
    ASSERT_FALSE(question.empty()) << "closing asks first";
    Xdo("windowfocus --sync " + question);
    Xdo("key Return");

    int status = -1;
    for (int i = 0; i < 100; ++i) {
        if (waitpid(program, &status, WNOHANG) == program) {
            program = -1;
            break;
        }
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_EQ(program, -1) << "the program ended after Yes";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

}  // namespace
}  // namespace sim
