// Ten simulated hours of a contestant's use on the virtual clock: every quarter hour the same
// round of placing, saving and loading the geometry, closing the lid, pumping down, spinning
// the rotor up, a timed count, a speed series, an error answered, run-down and venting, with
// the pump ticking through the idle time in between (3.6 million 10 ms pump ticks in all). The
// process's memory and open files at the end of the first hour must equal those at the last.

#include <gtest/gtest.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "tests/TestSupport.h"
#include "tests/apparatus/TestForm.h"

#if defined(__SANITIZE_ADDRESS__)
#define SIM_SOAK_UNDER_ASAN 1
// The sanitizer's allocator knows what is allocated and not freed; its quarantine of freed
// blocks is not counted.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#define SIM_SOAK_UNDER_ASAN 0
// Without the sanitizer, the live bytes of every C++ allocation of this test binary are counted
// here: the C library's own figure counts its per-thread cache of freed blocks as in use.
namespace {
std::atomic<std::int64_t> liveHeapBytes{0};

void* CountedAllocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    liveHeapBytes += static_cast<std::int64_t>(::malloc_usable_size(p));
    return p;
}
void CountedFree(void* p) noexcept {
    if (p != nullptr) {
        liveHeapBytes -= static_cast<std::int64_t>(::malloc_usable_size(p));
        std::free(p);
    }
}
}  // namespace

void* operator new(std::size_t size) {
    return CountedAllocate(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocate(size);
}
void operator delete(void* p) noexcept {
    CountedFree(p);
}
void operator delete[](void* p) noexcept {
    CountedFree(p);
}
void operator delete(void* p, std::size_t) noexcept {
    CountedFree(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    CountedFree(p);
}
#endif

namespace sim {
namespace {

namespace fs = std::filesystem;
using testing::TestForm;

constexpr std::int64_t kMinute = 60 * 1000;
constexpr std::int64_t kRound = 15 * kMinute;
constexpr int kRoundsPerHour = 4;

// Ten hours; SIM_SOAK_HOURS asks for a longer (or shorter) soak.
int SoakHours() {
    if (const char* hours = std::getenv("SIM_SOAK_HOURS")) {
        return std::max(2, std::atoi(hours));
    }
    return 10;
}

struct Footprint {
    std::int64_t ResidentKiB = 0;
    std::int64_t HeapBytes = 0;  // allocated and not yet freed
    int OpenFiles = 0;
};

Footprint Measure() {
    Footprint f;
    std::ifstream statm("/proc/self/statm");
    std::int64_t size = 0;
    std::int64_t resident = 0;
    statm >> size >> resident;
    f.ResidentKiB = resident * (::sysconf(_SC_PAGESIZE) / 1024);
#if SIM_SOAK_UNDER_ASAN
    f.HeapBytes = static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#else
    f.HeapBytes = liveHeapBytes.load();
#endif
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        ++f.OpenFiles;
    }
    return f;
}

class Soak : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TestForm>(clock, scratch.WithSlash());
        form->Model.ParticipantId = "Brk2017_soak";
        form->Answer = 1;
    }
    void TearDown() override { form.reset(); }

    void WriteFactorFile(const std::string& content) const {
        std::ofstream(dir / "faktor.txt", std::ios::binary) << content;
    }
    std::string ResultFile() const {
        std::ifstream in(dir / "Brk2017_soak.txt", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A component dragged onto the field with its corner at field (x, y), as the window does.
    bool Drag(FieldItem& component, int x, int y) const {
        if (!form->DragOver(form->Experiment, component, x, y)) {
            return false;
        }
        form->DragDrop(form->Experiment, component, x, y);
        return true;
    }
    void RunUntil(const std::function<bool()>& done) { clock.RunUntil(done, 10'000'000); }

    // One quarter hour; returns how many messages were answered.
    std::size_t Round(int round) {
        TestForm& f = *form;
        const std::int64_t end = clock.NowMs() + kRound;
        f.Messages.clear();

        // Places by dragging (the components may still be where the last round left them, so
        // each one first goes back to its bin through the position dialog).
        for (FieldItem* c : {&f.HgF, &f.Shape7, &f.Shape8}) {
            f.KompResult = 3;
            f.Answers.push_back(kMsgYes);
            f.HgFMouseUp(*c, true);
        }
        EXPECT_TRUE(Drag(f.HgF, 470 + 10 * (round % 3), 150));
        EXPECT_TRUE(Drag(f.Shape7, 600, 150));
        EXPECT_TRUE(Drag(f.Shape8, 450, 47));
        f.DragDrop(f.Shape2, f.Image2, 3, 3);
        f.DragDrop(f.Shape3, f.Image3, 3, 3);

        // The geometry saved over the last round's file (the question answered) and loaded.
        f.FileAnswers.push_back((dir / "soak").string());
        f.Answers.push_back(kMsgYes);
        f.Button1Click();
        f.FileAnswers.push_back((dir / "soak.Brk2017_soak").string());
        f.Button2Click();

        // Lid, pump, rotor to a set point chosen with the arrows.
        f.BitBtn8Click();
        f.BitBtn1Click();
        RunUntil([&] { return f.BitBtn3.Enabled; });
        f.MaskEdit1.Text = "100";
        for (int k = 0; k <= round % 4; ++k) {
            f.UpDown1Click(true);
        }
        f.Model.SpeedReached = false;
        f.BitBtn3Click();
        RunUntil([&] { return f.Model.SpeedReached; });

        // A 10-second count, then the counter cleared.
        WriteFactorFile("200\n0\n");
        f.CheckBox1.Checked = true;
        f.Edit5.Text = "10";
        f.CheckBox1Click();
        f.BitBtn5Click();
        RunUntil([&] { return !f.Model.MeasurementOn; });
        f.BitBtn7Click();

        // A speed series of three 10-second points into the result file.
        WriteFactorFile("200\n950\n");
        f.BitBtn5Click();
        const std::string results = ResultFile();
        EXPECT_EQ(std::count(results.begin(), results.end(), '\n'), 4) << results;

        // The detector put back, a count started without it (its error answered), and the
        // detector placed again by typed coordinates.
        f.KompResult = 3;
        f.Answers.push_back(kMsgYes);
        f.HgFMouseUp(f.Shape7, true);
        WriteFactorFile("200\n0\n");
        f.BitBtn5Click();
        RunUntil([&] { return !f.Model.MeasurementOn; });
        f.KompResult = 1;
        f.KompX = 600;
        f.KompY = 150;
        f.HgFMouseUp(f.Shape7, true);

        // Run-down, the pump kept on through the idle time, then vented and the lid opened.
        f.BitBtn4Click();
        RunUntil([&] { return !f.Timer2->Enabled(); });
        clock.Advance(end - clock.NowMs() - kMinute);
        f.BitBtn2Click();
        clock.Advance(30 * 1000);
        f.BitBtn8Click();
        EXPECT_FALSE(f.Model.LidClosed);
        clock.Advance(end - clock.NowMs());
        return f.Messages.size();
    }

    testing::ScratchFolder scratch{"soak"};
    fs::path dir = scratch.Path();
    VirtualClock clock;
    std::unique_ptr<TestForm> form;
};

TEST_F(Soak, MemoryAndOpenFilesStaySteadyOverHoursOfUse) {
    const int hours = SoakHours();
    // Printed first, so that the output's buffer exists before the first measurement.
    std::printf("soak: %d simulated hours of use on the virtual clock\n", hours);
    std::fflush(stdout);
    std::vector<Footprint> atHourEnd;
    atHourEnd.reserve(static_cast<std::size_t>(hours));
    std::int64_t pumpTicksBefore = 0;
    for (int hour = 1; hour <= hours; ++hour) {
        for (int r = 0; r < kRoundsPerHour; ++r) {
            const int round = (hour - 1) * kRoundsPerHour + r;
            // Three position questions, the overwrite question, the put-back question and the
            // missing detector (the first round's save has no file to overwrite).
            const std::size_t expected = round == 0 ? 5 : 6;
            ASSERT_EQ(Round(round), expected) << "round " << round;
        }
        atHourEnd.push_back(Measure());
        const Footprint& m = atHourEnd.back();
        std::printf("soak hour %2d: resident %lld KiB, heap in use %lld B, open files %d\n", hour,
                    static_cast<long long>(m.ResidentKiB), static_cast<long long>(m.HeapBytes),
                    m.OpenFiles);
        if (hour == 1) {
            pumpTicksBefore = clock.EventsRun();
        }
    }
    EXPECT_EQ(clock.NowMs(), hours * 60 * kMinute);

    const Footprint& first = atHourEnd.front();
    const Footprint& last = atHourEnd.back();
    RecordProperty("hours", hours);
    RecordProperty("events", std::to_string(clock.EventsRun()));
    RecordProperty("resident_kib_hour1", std::to_string(first.ResidentKiB));
    RecordProperty("resident_kib_last", std::to_string(last.ResidentKiB));
    RecordProperty("heap_bytes_hour1", std::to_string(first.HeapBytes));
    RecordProperty("heap_bytes_last", std::to_string(last.HeapBytes));
    std::printf("soak: %d simulated hours, %lld timer ticks (%lld after hour 1)\n", hours,
                static_cast<long long>(clock.EventsRun()),
                static_cast<long long>(clock.EventsRun() - pumpTicksBefore));

    EXPECT_EQ(last.OpenFiles, first.OpenFiles);
    // Every round is the same work, so what is allocated at the end of an hour is the same too.
    EXPECT_EQ(last.HeapBytes, first.HeapBytes);
#if !SIM_SOAK_UNDER_ASAN
    // Under the sanitizer the resident size grows while its quarantine of freed blocks fills.
    EXPECT_LE(last.ResidentKiB - first.ResidentKiB, 256);
#endif
}

}  // namespace
}  // namespace sim
