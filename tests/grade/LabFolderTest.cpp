#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/Platform.h"
#include "common/VirtualClock.h"
#include "geometry/core/GeometryFile.h"
#include "grade/core/GradeMain.h"
#include "runner/core/Runner.h"
#include "tests/TestSupport.h"
#include "tests/grade/GeneratedClass.h"
#include "tests/reliability/ChildProcess.h"
#include "tests/runner/RunnerTestSupport.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

// A class folder as organisers collect it from a lab, one folder per machine, with the files
// the window's logic and the runner really leave there.
class Lab {
  public:
    explicit Lab(const fs::path& root) : root_(root) {}

    fs::path Machine(const std::string& name) const {
        fs::create_directories(root_ / name);
        return root_ / name;
    }
    // A series as the runner measures it, exact mode, step 300: its geometry (whose key names
    // the contestant) and result file in the machine's folder.
    void Runner(const std::string& machine, const std::string& id,
                std::vector<std::string> options = {"--factor", "200", "--exact"}) const {
        const fs::path folder = Machine(machine);
        const std::string geometry =
            platform::TextOf(folder / platform::PathOf("minta.Brk2017_" + id));
        EXPECT_FALSE(SaveGeometryFile(geometry, testing::kDipClose));
        std::vector<std::string> args = {geometry, "--sources", "1,9",          "--step",
                                         "300",    "--out",     folder.string()};
        args.insert(args.end(), options.begin(), options.end());
        const testing::Invocation run = testing::Invoke(args);
        EXPECT_EQ(run.Status, 0) << run.Err;
    }
    // A contestant in the window: the login's claim, a saved geometry loaded, the sources on
    // the rotor, then Start as many times as series are wanted.
    void Window(const std::string& machine, const std::string& id, int series) const {
        const fs::path folder = Machine(machine);
        testing::WriteFile(folder / "faktor.txt", "-200\n300\n1e-6\n");
        const std::string geometry = (folder / ("minta.Brk2017_" + id)).string();
        EXPECT_FALSE(SaveGeometryFile(geometry, testing::kDipClose));
        VirtualClock clock;
        testing::WindowForm form(clock, folder.string() + "/");
        EXPECT_FALSE(form.ClaimIdentifier(id));
        form.OpenAnswer = geometry;
        form.Button2Click();
        form.Shape2DragDrop(form.Shape2, form.Image2, 0, 0);
        form.Shape2DragDrop(form.Shape3, form.Image3, 0, 0);
        for (int n = 0; n < series; ++n) {
            form.BitBtn5Click();
        }
        EXPECT_EQ(form.Messages, std::vector<std::string>{});
    }

  private:
    fs::path root_;
};

struct Row {
    const char* Name;
    std::function<void(const Lab&, const fs::path& root)> Make;
    std::vector<std::string> Said;    // lines of the report: the CSV, what is printed
    std::vector<std::string> Unsaid;  // and what it must not say
    std::string Out = "jelentes";     // the report folder, under the scratch folder
    bool Unprivileged = false;        // graded by a user without root's rights
    const char* PosixOnly = nullptr;  // why the folder cannot be made on Windows
};

TEST(LabFolder, EachHostileFolderGradesToTheRightContestantsOnce) {
    const std::vector<Row> rows = {
        {"lock files and earlier series of the window and the runner",
         [](const Lab& lab, const fs::path&) {
             lab.Window("m01", "abc", 2);
             lab.Runner("m02", "def");
             lab.Runner("m02", "def");
         },
         {"2 versenyző, 2 rendben\n", "abc,rendben,minta.Brk2017_abc,1,-200,300,8,igen,",
          "Korábbi sorozat megőrzött fájlja, nem értékelve: m01/Brk2017_abc.txt.1.",
          "Korábbi sorozat megőrzött fájlja, nem értékelve: m02/Brk2017_def.txt.1."},
         {"abc.lock", "def.lock", "nem olvasott"}},
        {"a machine's folder that the grader may not read",
         [](const Lab& lab, const fs::path&) {
             lab.Runner("m01", "abc");
             lab.Runner("m02", "xyz");
             fs::permissions(lab.Machine("m02"), fs::perms(0700));
         },
         {"1 versenyző, 1 rendben, 1 nem olvasott mappa vagy fájl\n",
          "trelko-grade: nem olvasott: m02 (a mappa nem olvasható: nincs hozzá jogosultság)\n"},
         {"xyz"},
         "jelentes",
         true,
         "no fork for a grader without root's rights"},
        {"the report written into a contestant's folder",
         [](const Lab& lab, const fs::path&) { lab.Runner("m01", "abc"); },
         {"1 versenyző, 1 rendben\n", "A fájlok a jelentés mappájában vannak; értékeltük őket."},
         {},
         "osztaly/m01"},
        {"an empty identifier",
         [](const Lab& lab, const fs::path&) { lab.Window("m01", "", 1); },
         {"1 versenyző, 1 rendben\n", "<üres azonosító>,rendben,minta.Brk2017_,",
          "Üres azonosító: a bejelentkezéskor nem írtak be semmit (Brk2017_.txt)."},
         {}},
        {"another machine's file under a victim's identifier",
         [](const Lab& lab, const fs::path&) {
             lab.Runner("m07", "victim");
             testing::WriteFile(lab.Machine("m12") / "Brk2017_victim.txt", "semmi\r\n");
         },
         {"1 versenyző, 1 rendben\n", "victim,rendben,minta.Brk2017_victim,",
          "Ez az azonosító más mappában is szerepel eredményfájllal: m12.",
          "Mappa: m12 <span class=\"v v-hibas\">hibás fájl</span>"},
         {}},
        {"identifiers and names a spreadsheet would evaluate",
         [](const Lab& lab, const fs::path&) {
             for (const char* id : {"=1+1", "+A1", "@SUM(A1)", "-2+3", "-5"}) {
                 lab.Runner("m01", id);
             }
             const fs::path link = lab.Machine("m02") / "=HYPERLINK(x,y).Brk2017_h";
             ASSERT_FALSE(SaveGeometryFile(link.string(), testing::kDipClose));
             ASSERT_EQ(
                 testing::Invoke({link.string(), "--sources", "1,9", "--step", "300", "--factor",
                                  "200", "--exact", "--out", lab.Machine("m02").string()})
                     .Status,
                 0);
         },
         {"\r\n'+A1,rendben,", "\r\n'-2+3,rendben,", "\r\n-5,rendben,", "\r\n'=1+1,rendben,",
          "\r\n'@SUM(A1),rendben,", "\r\nh,rendben,\"'=HYPERLINK(x,y).Brk2017_h\","},
         {"\r\n=", "\r\n+", "\r\n@"}},
        {"characters that hide or reorder the text around them",
         [](const Lab& lab, const fs::path&) { lab.Runner("m01", "a\u202Etxt.exe"); },
         {"\r\na\\u202Etxt.exe,rendben,"},
         {"\u202E"}},
        {"bytes that are no text, and control characters, in names",
         [](const Lab& lab, const fs::path&) {
             lab.Runner("m01", "a\xFF" "b");
             testing::WriteFile(lab.Machine("m01") / "Brk2017_a\x01" "b.txt", "");
         },
         {"\r\na\\xFFb,rendben,",
          "nem olvasott: m01/Brk2017_a\\x01b.txt (versenyzői fájlnak látszik, de ilyen nevű "
          "fájlt a programok nem írnak)"},
         {"\xFF"},
         "jelentes",
         false,
         "its file names are UTF-16: no bytes that are not UTF-8, no control characters"},
        {"a geometry the window refuses to load",
         [](const Lab& lab, const fs::path&) {
             lab.Runner("m01", "abc");
             GeometryValues outside = testing::kDipClose;
             outside[0] = -5;
             ASSERT_FALSE(
                 SaveGeometryFile((lab.Machine("m01") / "minta.Brk2017_abc").string(), outside));
         },
         {"abc,nincs geometria,",
          "m01/minta.Brk2017_abc: a program sem tölti be: „A geometria "
          "nem tölthető be, mert egy elem a panelen kívülre kerülne”."},
         {}},
        {"counts saturated, or all zero",
         [](const Lab& lab, const fs::path&) {
             lab.Runner("m01", "max", {"--factor", "2147483647", "--time", "1"});
             lab.Runner("m01", "min", {"--factor", "-2147483648"});
             lab.Runner("m01", "zero", {"--factor", "0", "--time", "1"});
         },
         {"3 versenyző, 3 nem értékelhető\n", "max,nem értékelhető,",
          "8 pontban a számláló elérte a felső határát (2147483647): ezek nem mért "
          "beütésszámok, a sorozat nem értékelhető.",
          "Minden beütésszám 0: a sorozatból nem dönthető el, melyik geometrián mérték."},
         {"egyezik", "nem illik", "Ez sem illik"}},
        {"a killed run's folder and names the programs never write",
         [](const Lab& lab, const fs::path&) {
             lab.Runner("m01", "abc");
             const fs::path killed = lab.Machine("m01") / ".trelko-runner-Ab12Cd";
             fs::create_directory(killed);
             testing::WriteFile(killed / "Brk2017_k.txt", "Faktor=        200\r\n");
             testing::WriteFile(lab.Machine("m01") / "Brk2017_abc.txt.bak", "");
         },
         {"1 versenyző, 1 rendben, 2 nem olvasott mappa vagy fájl\n",
          "nem olvasott: m01/.trelko-runner-Ab12Cd (egy megszakadt trelko-runner futás saját "
          "mappája, benne a részeredménye: Brk2017_k.txt",
          "nem olvasott: m01/Brk2017_abc.txt.bak (versenyzői fájlnak látszik"},
         {"\r\nk,"}},
        {"links in and out of the class folder",
         [](const Lab& lab, const fs::path& root) {
             lab.Runner("m01", "abc");
             fs::create_directories(root.parent_path() / "mashol");
             fs::create_directory_symlink("../mashol", root / "kulso");
             fs::create_symlink("m01/Brk2017_abc.txt", root / "Brk2017_abc.txt");
         },
         {"1 versenyző, 1 rendben, 2 nem olvasott mappa vagy fájl\n",
          "nem olvasott: kulso (link a beadások mappáján kívülre (../mashol); nem követtük)",
          "nem olvasott: Brk2017_abc.txt (link a beadások mappáján belülre (m01/Brk2017_abc.txt)"},
         {},
         "jelentes",
         false,
         "MinGW's std::filesystem makes no links"},
    };
    std::string notRun;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        if (platform::kWindows && row.PosixOnly != nullptr) {
            notRun += std::string("; ") + row.Name + " (" + row.PosixOnly + ")";
            continue;
        }
        testing::ScratchFolder scratch("lab");
        const fs::path root = scratch.Path() / "osztaly";
        const fs::path report = scratch.Path() / row.Out;
        fs::create_directories(root);
        fs::create_directories(report);
        fs::permissions(report, fs::perms(0777));
        row.Make(Lab(root), root);
        const std::vector<std::string> args = {root.string(), "--out", report.string(), "--quiet"};
        std::string said;
        if (row.Unprivileged) {
            const testing::ChildResult child = testing::RunInChild(
                testing::ChildOptions::AsUnprivileged(scratch.Path().string()), [&] {
                    const testing::Invocation run = testing::InvokeMain(GradeMain, args);
                    return std::to_string(run.Status) + run.Out + run.Err;
                });
            if (child.Skipped) {
                notRun += std::string("; ") + row.Name + " (" + child.SkipReason + ")";
                continue;
            }
            said = child.Output;
        } else {
            const testing::Invocation run = testing::InvokeMain(GradeMain, args);
            said = std::to_string(run.Status) + run.Out + run.Err;
        }
        ASSERT_EQ(said.substr(0, 1), "0") << said;
        said +=
            testing::ReadFile(report / "osszesito.csv") + testing::ReadFile(report / "index.html");
        for (const std::string& line : row.Said) {
            EXPECT_NE(said.find(line), std::string::npos) << line << "\n---\n" << said;
        }
        for (const std::string& line : row.Unsaid) {
            EXPECT_EQ(said.find(line), std::string::npos) << line << "\n---\n" << said;
        }
    }
    if (!notRun.empty()) {
        GTEST_SKIP() << "rows not run here" << notRun;
    }
}

}  // namespace
}  // namespace sim
