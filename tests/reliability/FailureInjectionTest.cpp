// Faults of the disk and of hand-made files, driven through the window's own handlers: each must
// end in a clear message through the program's message dialog, with nothing already on disk
// lost. The tests run as root in CI, where permissions do not stop writes; a read-only folder is
// therefore tested from a child process that has given up root's rights, and a full disk by a
// file size limit (the write fails as with no space left).

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "geometry/core/GeometryFile.h"
#include "tests/TestSupport.h"
#include "tests/apparatus/TestForm.h"
#include "tests/reliability/ChildProcess.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using testing::ChildOptions;
using testing::ChildResult;
using testing::RunInChild;
using testing::TestForm;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr const char* kParticipant = "Brk2017_abc";
constexpr const char* kNoUnprivilegedChild =
    "a child cannot give up root's rights here, or the temporary folder is closed to other "
    "users (set TMPDIR to an open one)";

// The window's logic on its own virtual clock, logged in.
struct Session {
    explicit Session(const std::string& programDir) : form(clock, programDir) {
        form.Model.ParticipantId = kParticipant;
    }
    // Both sources on the rotor, the target and the detector on the field.
    void BuildField() {
        form.MountSource(form.Image2, form.Shape2);
        form.MountSource(form.Image3, form.Shape3);
        form.PlaceComponent(1, 470, 150);
        form.PlaceComponent(2, 600, 150);
    }
    // Every message the dialog was asked to show, one per line.
    std::string Shown() const {
        std::string out;
        for (const testing::RecordedMessage& m : form.Messages) {
            out += "[" + m.Caption + "] " + m.Text + "\n";
        }
        return out;
    }
    std::string StartState() const {
        return std::string("measuring=") + (form.Model.MeasurementOn ? "1" : "0") +
               " start=" + (form.BitBtn5.Enabled ? "1" : "0");
    }

    VirtualClock clock;
    TestForm form;
};

std::string Bytes(const std::vector<std::int32_t>& values) {
    std::string out;
    for (std::int32_t v : values) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int b = 0; b < 4; ++b) {
            out += static_cast<char>((u >> (8 * b)) & 0xFFu);
        }
    }
    return out;
}

class FailureInjection : public ::testing::Test {
  protected:
    std::string ProgramDir() const { return dir.string() + "/"; }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    std::string ResultPath() const { return PathOf(std::string(kParticipant) + ".txt"); }
    void Write(const std::string& name, const std::string& content) const {
        std::ofstream(dir / name, std::ios::binary) << content;
        fs::permissions(dir / name, fs::perms(0644));
    }
    // Everything in the folder: regular files with their bytes, anything else by its kind, so
    // that a pipe or a device is never opened.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> entries;
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir)) {
            const fs::path name = fs::relative(e.path(), dir);
            const fs::file_status link = e.symlink_status();
            if (fs::is_symlink(link)) {
                entries[name] = "link to " + fs::read_symlink(e.path()).string();
            } else if (fs::is_regular_file(link)) {
                entries[name] = testing::ReadFile(e.path());
            } else {
                entries[name] = "kind " + std::to_string(static_cast<int>(link.type()));
            }
        }
        return entries;
    }

    // Start pressed with the factor file as the test left it; run in a child (guarded against
    // a hang) with the given options.
    ChildResult StartInChild(ChildOptions options) const {
        return RunInChild(options, [this] {
            Session s(ProgramDir());
            s.BuildField();
            s.form.BitBtn5Click();
            return s.Shown() + s.StartState();
        });
    }
    std::string FactorUnreadable() const {
        return "[*** HIBA ***] A faktor.txt fájl nem olvasható:\r" + PathOf("faktor.txt") +
               "\nmeasuring=0 start=1";
    }

    testing::ScratchFolder scratch{"reliability"};
    fs::path dir = scratch.Path();
};

// ---------------------------------------------------------------- the result file

TEST_F(FailureInjection, ResultFileInAReadOnlyFolderIsReportedAndNothingIsTouched) {
    Write("faktor.txt", "-200\n950\n1e-6\n");
    Write("g.Brk2017_abc", Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    fs::permissions(dir, fs::perms(0555));
    const auto before = Snapshot();

    const ChildResult child = RunInChild(ChildOptions::AsUnprivileged(ProgramDir()), [this] {
        Session s(ProgramDir());
        s.BuildField();
        s.form.BitBtn5Click();
        return s.Shown();
    });
    if (child.Skipped) {
        GTEST_SKIP() << kNoUnprivilegedChild;
    }
    ASSERT_TRUE(child.Exited) << child.Output;
    EXPECT_EQ(child.Output, "[*** HIBA ***] Az eredményfájl nem hozható létre:\r" + ResultPath() +
                                " (nincs hozzá jogosultság)\n");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(FailureInjection, ResultFileNameTakenByAFolderLeavesTheFolderAlone) {
    Write("faktor.txt", "-200\n950\n1e-6\n");
    fs::create_directory(ResultPath());
    Write(std::string(kParticipant) + ".txt/korabbi.txt", "régi mérés\r\n");
    const auto before = Snapshot();

    Session s(ProgramDir());
    s.BuildField();
    s.form.BitBtn5Click();
    EXPECT_EQ(s.Shown(), "[*** HIBA ***] Az eredményfájl nem hozható létre:\r" + ResultPath() +
                             " (ez egy mappa, nem közönséges fájl)\n");
    EXPECT_EQ(Snapshot(), before);
}

// A disk that fills up in the middle of a series: the points measured before stay in the file
// line by line, and no half line is left that could be read as a point.
TEST_F(FailureInjection, FullDiskDuringASeriesKeepsEveryWholeLine) {
    Write("faktor.txt", "-200\n950\n1e-6\n");  // set points 100, 1050 and 2000
    std::string complete;
    {
        Session s(ProgramDir());
        s.BuildField();
        s.form.BitBtn5Click();
        ASSERT_EQ(s.Shown(), "");
        complete = testing::ReadFile(ResultPath());
    }
    const std::size_t factorEnd = complete.find("\r\n") + 2;
    const std::size_t firstPointEnd = complete.find("\r\n", factorEnd) + 2;
    ASSERT_EQ(complete.size(), factorEnd + 3 * (firstPointEnd - factorEnd)) << complete;
    fs::remove(ResultPath());

    // Room for the factor line, the first point and a part of the second.
    const ChildResult child = StartInChild(ChildOptions::WithFileSizeLimit(firstPointEnd + 7));
    ASSERT_TRUE(child.Exited) << child.Output;
    EXPECT_EQ(child.Output,
              "[*** HIBA ***] Az eredményfájl írása nem sikerült:\r" + ResultPath() +
                  " (a fájl elérte a megengedett legnagyobb méretet)\nmeasuring=0 start=1");
    EXPECT_EQ(testing::ReadFile(ResultPath()), complete.substr(0, firstPointEnd));
    EXPECT_EQ(testing::ReadFile(PathOf("faktor.txt")), "-200\n950\n1e-6\n");
}

// ---------------------------------------------------------------- two windows, one folder

// Started twice on one folder, both windows once wrote the same result file and the second
// replaced the first's series. Now the identifier is claimed at login, through the real lock.
TEST_F(FailureInjection, ASecondLoginWithTheSameIdentifierInTheFolderIsRefused) {
    Session first(ProgramDir());
    Session second(ProgramDir());
    first.form.Model.ParticipantId.clear();
    second.form.Model.ParticipantId.clear();
    EXPECT_EQ(first.form.ClaimIdentifier("abc"), std::nullopt);
    EXPECT_EQ(first.form.Model.ParticipantId, kParticipant);

    const std::optional<std::string> refused = second.form.ClaimIdentifier("abc");
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused,
              "A(z) \"abc\" azonosítót ebben a mappában már egy másik\rfutó program "
              "használja:\r" +
                  ProgramDir() + "\rAdj meg másik azonosítót!");
    EXPECT_EQ(second.form.Model.ParticipantId, "");
    EXPECT_EQ(second.form.ClaimIdentifier("abcd"), std::nullopt) << "another identifier";

    testing::ScratchFolder elsewhere("reliability-other");
    Session third(elsewhere.WithSlash());
    EXPECT_EQ(third.form.ClaimIdentifier("abc"), std::nullopt) << "another folder";
}

// The lock dies with its holder, also when the holder is killed: no stale lock can keep a
// contestant out after a crash.
TEST_F(FailureInjection, AKilledWindowLeavesItsIdentifierFree) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Session holder(ProgramDir());
        const bool claimed = !holder.form.ClaimIdentifier("abc").has_value();
        const char byte = claimed ? '1' : '0';
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(byte, '1');

    Session later(ProgramDir());
    EXPECT_TRUE(later.form.ClaimIdentifier("abc").has_value()) << "held by the child";
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(later.form.ClaimIdentifier("abc"), std::nullopt) << "free once it was killed";
}

// ---------------------------------------------------------------- the factor file

TEST_F(FailureInjection, FactorFileWithoutReadPermissionAbandonsStart) {
    Write("faktor.txt", "-200\n950\n1e-6\n");
    fs::permissions(dir / "faktor.txt", fs::perms::none);
    const auto before = Snapshot();
    const ChildResult child = StartInChild(ChildOptions::AsUnprivileged(ProgramDir()));
    if (child.Skipped) {
        GTEST_SKIP() << kNoUnprivilegedChild;
    }
    ASSERT_TRUE(child.Exited) << child.Output;
    EXPECT_EQ(child.Output, FactorUnreadable());
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(fs::exists(ResultPath()));
}

TEST_F(FailureInjection, FactorFileThatLinksToItselfAbandonsStart) {
    fs::create_symlink("faktor.txt", dir / "faktor.txt");
    const ChildResult child = StartInChild({});
    ASSERT_TRUE(child.Exited) << child.Output;
    EXPECT_EQ(child.Output, FactorUnreadable());
}

// A pipe or a device in the factor file's place: reading it would wait for a writer that never
// comes, or never end.
TEST_F(FailureInjection, FactorFileThatIsAPipeOrADeviceAbandonsStart) {
    ASSERT_EQ(::mkfifo(PathOf("faktor.txt").c_str(), 0644), 0);
    ChildResult child = StartInChild(ChildOptions::WithHangGuard(30));
    EXPECT_FALSE(child.Hung) << "Start waited on the pipe";
    EXPECT_EQ(child.Output, FactorUnreadable());

    fs::remove(dir / "faktor.txt");
    fs::create_symlink("/dev/zero", dir / "faktor.txt");
    child = StartInChild(ChildOptions::WithHangGuard(30));
    EXPECT_FALSE(child.Hung) << "Start read the endless device";
    EXPECT_EQ(child.Output, FactorUnreadable());
}

// ---------------------------------------------------------------- saving a geometry

class GeometrySaveFault : public FailureInjection {
  protected:
    const std::string previous = Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});

    // The save of a moved target over the existing g.Brk2017_abc, confirmed.
    ChildResult SaveInChild(ChildOptions options) const {
        return RunInChild(options, [this] {
            Session s(ProgramDir());
            s.form.PlaceComponent(1, 500, 100);
            s.form.FileAnswers.push_back(PathOf("g"));
            s.form.Answer = kMsgYes;
            s.form.Button1Click();
            return s.Shown();
        });
    }
    // The overwrite question, then the failure naming the file and the system's reason.
    std::string Expected(const std::string& failure, const std::string& reason) const {
        return "[*** MEGERŐSÍTÉS ***] A(z) g.Brk2017_abc fájl már létezik.\rFelülírjam?\n"
               "[*** HIBA ***] " +
               failure + PathOf("g.Brk2017_abc") + " (" + reason + ")\n";
    }
};

TEST_F(GeometrySaveFault, ReadOnlyFolderKeepsThePreviousFile) {
    Write("g.Brk2017_abc", previous);
    fs::permissions(dir, fs::perms(0555));
    const auto before = Snapshot();
    const ChildResult child = SaveInChild(ChildOptions::AsUnprivileged(ProgramDir()));
    if (child.Skipped) {
        GTEST_SKIP() << kNoUnprivilegedChild;
    }
    ASSERT_TRUE(child.Exited) << child.Output;
    EXPECT_EQ(child.Output, Expected("A fájl nem hozható létre: ", "nincs hozzá jogosultság"));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(GeometrySaveFault, FullDiskKeepsThePreviousFile) {
    Write("g.Brk2017_abc", previous);
    const auto before = Snapshot();
    const ChildResult child = SaveInChild(ChildOptions::WithFileSizeLimit(10));
    ASSERT_TRUE(child.Exited) << child.Output;
    EXPECT_EQ(child.Output,
              Expected("A fájl nem írható: ", "a fájl elérte a megengedett legnagyobb méretet"));
    EXPECT_EQ(Snapshot(), before) << "the previous file is intact and no temporary is left";
}

// Three valid lines and then 100 MB of empty lines: Start once read it all and kept every
// line (gigabytes, half a minute). Now the size alone refuses it.
TEST_F(FailureInjection, AHugeFactorFileIsRefusedWithoutBeingRead) {
    {
        std::ofstream out(dir / "faktor.txt", std::ios::binary);
        out << "200\n50\n1e-6\n";
        const std::string blanks(1 << 20, '\n');
        for (int mb = 0; mb < 100; ++mb) {
            out << blanks;
        }
    }
    Session s(ProgramDir());
    s.BuildField();
    struct rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
    s.form.BitBtn5Click();
    struct rusage after {};
    ::getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(s.Shown() + s.StartState(),
              "[*** HIBA ***] A faktor.txt fájl túl nagy (legfeljebb 64 KiB lehet):\r" +
                  PathOf("faktor.txt") + "\nmeasuring=0 start=1");
    EXPECT_TRUE(s.form.Model.FactorLines.empty());
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "KiB of peak memory added";
}

// ---------------------------------------------------------------- loading a geometry

class GeometryLoad : public FailureInjection {
  protected:
    void SetUp() override {
        FailureInjection::SetUp();
        s = std::make_unique<Session>(ProgramDir());
        s->form.PlaceComponent(1, 470, 150);
        s->form.PlaceComponent(2, 600, 150);
    }
    void TearDown() override {
        s.reset();
        FailureInjection::TearDown();
    }
    void Load(const std::string& name, const std::string& content) {
        Write(name, content);
        s->form.FileAnswers.push_back(PathOf(name));
        s->form.Button2Click();
    }
    std::vector<std::int32_t> Places() const {
        const GeometryValues v = CollectGeometry(s->form.Components);
        return {v.begin(), v.end()};
    }
    std::vector<bool> PlacedFlags() const {
        std::vector<bool> flags;
        for (const ComponentSlot& slot : s->form.Model.Slots) {
            flags.push_back(slot.Placed);
        }
        return flags;
    }

    std::unique_ptr<Session> s;
};

// The 47-byte file is in tests/apparatus/PlacementTest.cpp (AShortFileMovesNothing).
TEST_F(GeometryLoad, EmptyFileMovesNothing) {
    const auto places = Places();
    const auto flags = PlacedFlags();
    Load("empty", "");
    EXPECT_EQ(s->Shown(), "[*** HIBA ***] Read beyond end of file\n");
    EXPECT_EQ(Places(), places);
    EXPECT_EQ(PlacedFlags(), flags);
}

TEST_F(GeometryLoad, HundredByteFileUsesItsFirst48Bytes) {
    const std::vector<std::int32_t> wanted{486, 160, 616,  160, 466,  100,
                                           466, 230, 1154, 312, 1183, 312};
    Load("long", Bytes(wanted) + std::string(52, '\xEE'));
    EXPECT_EQ(s->Shown(), "");
    EXPECT_EQ(Places(), wanted);
    EXPECT_EQ(PlacedFlags(), (std::vector<bool>{true, true, true, true, false, false}));
}

// Places that would put a component outside the panel (random bytes, the 32-bit extremes)
// would leave it where nobody can drag it back: the load is refused and nothing moves. The
// panel is 1217 x 393 pixels; the target is 57 x 57, a lead shield 26 x 57.
TEST_F(GeometryLoad, PlacesOutsideThePanelAreRefusedAndNothingMoves) {
    const auto places = Places();
    const auto flags = PlacedFlags();
    const std::vector<std::int32_t> atTheEdges{0,   0,   1160, 336, 466,  100,
                                               466, 230, 1191, 336, 1183, 312};
    const std::vector<std::vector<std::int32_t>> outside{
        {kMin, kMax, kMin, kMin, kMin, kMax, kMin, kMin, kMin, kMax, kMin, kMin},
        {-1, 0, 1160, 336, 466, 100, 466, 230, 1191, 336, 1183, 312},
        {0, 0, 1161, 336, 466, 100, 466, 230, 1191, 336, 1183, 312},
        {0, 0, 1160, 336, 466, 100, 466, 230, 1191, 337, 1183, 312},
        {0, 0, 1160, 336, 466, 100, 466, 230, 1192, 336, 1183, 312},
    };
    for (const auto& values : outside) {
        Load("kint.Brk2017_abc", Bytes(values));
        EXPECT_EQ(s->Shown(),
                  "[*** HIBA ***] A geometria nem tölthető be, mert egy elem a panelen kívülre "
                  "kerülne:\r" +
                      PathOf("kint.Brk2017_abc") + "\n");
        EXPECT_EQ(Places(), places);
        EXPECT_EQ(PlacedFlags(), flags);
        s->form.Messages.clear();
    }
    Load("szelen.Brk2017_abc", Bytes(atTheEdges));
    EXPECT_EQ(s->Shown(), "");
    EXPECT_EQ(Places(), atTheEdges);
}

}  // namespace
}  // namespace sim
