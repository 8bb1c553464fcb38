#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "geometry/core/GeometryFile.h"
#include "geometry/core/PanelLayout.h"
#include "geometry/core/Placement.h"
#include "tests/PosixOnly.h"
#include "tests/TestSupport.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The six components at their start places in the bins, and the field image.
struct Panel {
    Panel() {
        for (int i = 1; i <= kSlotCount; ++i) {
            const ItemPlace& p = kComponentStart[i - 1];
            items[i] = {p.Left, p.Top, p.Width, p.Height, i};
            pointers[i] = &items[i];
        }
    }
    ComponentTable Table() const { return MakeComponentTable(pointers); }
    // Puts slot i's top-left corner at field (x, y).
    void PutAt(int i, std::int32_t x, std::int32_t y) {
        items[i].Left = field.Left + x;
        items[i].Top = field.Top + y;
    }
    bool Collides(int i, std::int32_t x, std::int32_t y) const {
        return ComponentCollides(Table(), field, x, y, items[i]);
    }

    PanelItem field{kExperimentPlace.Left, kExperimentPlace.Top, kExperimentPlace.Width,
                    kExperimentPlace.Height, 0};
    IndexedArray<PanelItem, 1, kSlotCount> items{};
    IndexedArray<PanelItem*, 1, kSlotCount> pointers{};
};

TEST(DropWindow, BoundsAreInclusive) {
    EXPECT_TRUE(ComponentDropAllowed(450, 100));
    EXPECT_TRUE(ComponentDropAllowed(1000, 100));
    EXPECT_FALSE(ComponentDropAllowed(449, 100));
    EXPECT_FALSE(ComponentDropAllowed(1001, 100));
    EXPECT_TRUE(ComponentDropAllowed(600, 310));
    EXPECT_FALSE(ComponentDropAllowed(600, 311));
    // No lower bound on y.
    EXPECT_TRUE(ComponentDropAllowed(600, std::int64_t{kMin} - 100));
}

TEST(ComponentCollides, SharedEdgesAllowedOnePixelOverlapRefused) {
    Panel p;
    p.PutAt(1, 500, 100);  // mercury target covers x 500..556, y 100..156
    EXPECT_FALSE(p.Collides(3, 557, 100));
    EXPECT_TRUE(p.Collides(3, 556, 100));
    EXPECT_FALSE(p.Collides(3, 500 - 26, 120));
    EXPECT_TRUE(p.Collides(3, 500 - 25, 120));
    EXPECT_FALSE(p.Collides(3, 520, 157));
    EXPECT_TRUE(p.Collides(3, 520, 156));
    EXPECT_FALSE(p.Collides(3, 520, 100 - 57));
    EXPECT_TRUE(p.Collides(3, 520, 100 - 56));
}

TEST(ComponentCollides, SkipsTheComponentsOwnSlot) {
    Panel p;
    p.PutAt(1, 500, 100);
    EXPECT_FALSE(p.Collides(1, 510, 110));  // overlaps only its own current place
    PanelItem stranger = p.items[3];
    stranger.Tag = 1;  // whatever item carries slot 1's Tag is tested as slot 1
    EXPECT_FALSE(ComponentCollides(p.Table(), p.field, 510, 110, stranger));
}

TEST(ComponentCollides, RightLimitDependsOnWidth) {
    Panel p;
    EXPECT_FALSE(p.Collides(3, 1049, 100));  // lead shield, 26 wide
    EXPECT_TRUE(p.Collides(3, 1050, 100));
    EXPECT_FALSE(p.Collides(1, 1018, 100));  // mercury target, 57 wide
    EXPECT_TRUE(p.Collides(1, 1019, 100));
    EXPECT_TRUE(p.Collides(1, 1105, 109));  // shown for the target at its start place
    // No bound on the left, above or below.
    EXPECT_FALSE(p.Collides(1, kMin, kMin));
    EXPECT_FALSE(p.Collides(1, -5000, kMax));
}

TEST(ComponentCollides, ComponentsInTheBinsNeverCollide) {
    Panel p;
    for (int i = 1; i <= kSlotCount; ++i) {
        const std::int32_t x = kFieldRightLimit - p.items[i].Width;
        for (std::int32_t y = -100; y <= 500; ++y) {
            ASSERT_FALSE(p.Collides(i, x, y)) << "slot " << i << " y " << y;
        }
    }
}

TEST(ComponentCollides, ExtremeValuesDoNotWrap) {
    Panel p;
    // Slot 2 spans field x from below INT32_MIN to -17 and y to -11 (both exclusive).
    p.items[2] = {kMin, kMin, kMax, kMax, 2};
    EXPECT_TRUE(p.Collides(3, -18, -12));
    EXPECT_FALSE(p.Collides(3, -17, -12));
    EXPECT_FALSE(p.Collides(3, -18, -11));
    EXPECT_TRUE(p.Collides(3, kMin, kMin));

    // Slot 4 lies at the very bottom; a candidate there reaches beyond the 32-bit range.
    p.items[4] = {p.field.Left, kMax, 26, kMax, 4};
    EXPECT_TRUE(p.Collides(3, 0, kMax));
    EXPECT_FALSE(p.Collides(3, 26, kMax));

    // An item that is itself enormous on the right still compares correctly.
    p.items[5] = {kMax, kMax, kMax, kMax, 5};
    EXPECT_FALSE(p.Collides(3, 1049, kMax));

    // A candidate with an extreme width: the right limit is computed without wrapping.
    PanelItem wide{0, 0, kMax, 10, 6};
    EXPECT_TRUE(ComponentCollides(p.Table(), p.field, 0, 0, wide));
    EXPECT_FALSE(ComponentCollides(p.Table(), p.field, kMin, 0, wide));
}

TEST(DragRules, PointOverItselfIsConvertedToFieldCoordinates) {
    Panel p;
    p.PutAt(1, 600, 100);
    const FieldPoint self = DragPointInField(p.field, p.items[1], p.items[1], 12, 30);
    EXPECT_EQ(self.X, 612);
    EXPECT_EQ(self.Y, 130);
    const FieldPoint overField = DragPointInField(p.field, p.field, p.items[1], 612, 140);
    EXPECT_EQ(overField.X, 612);
    EXPECT_EQ(overField.Y, 140);
    EXPECT_EQ(DragReadout(overField), "612, 140");
    EXPECT_EQ(DragReadout({-3, -40}), "-3, -40");
    // Over another component the point stays local and so never passes.
    const FieldPoint overOther = DragPointInField(p.field, p.items[3], p.items[1], 20, 20);
    EXPECT_EQ(overOther.X, 20);
    EXPECT_FALSE(ComponentDragAccepted(p.Table(), p.field, overOther, p.items[1]));
}

TEST(DragRules, AcceptanceNeedsAComponentTheWindowAndNoCollision) {
    Panel p;
    p.PutAt(1, 600, 100);
    const ComponentTable t = p.Table();
    EXPECT_TRUE(ComponentDragAccepted(t, p.field, {450, 0}, p.items[3]));
    EXPECT_TRUE(ComponentDragAccepted(t, p.field, {1000, 310}, p.items[3]));
    EXPECT_FALSE(ComponentDragAccepted(t, p.field, {449, 0}, p.items[3]));
    EXPECT_FALSE(ComponentDragAccepted(t, p.field, {1000, 311}, p.items[3]));
    EXPECT_FALSE(ComponentDragAccepted(t, p.field, {590, 100}, p.items[3]));  // onto slot 1
    EXPECT_TRUE(ComponentDragAccepted(t, p.field, {657, 100}, p.items[3]));   // edge to edge
    PanelItem source{1104, 45, 32, 32, 0};
    EXPECT_FALSE(ComponentDragAccepted(t, p.field, {700, 100}, source));
}

TEST(DragRules, ExtremeItemPositionsAreRefusedWithoutOverflow) {
    Panel p;
    p.items[3].Left = p.field.Left + 490;
    p.items[3].Top = kMin;
    // Grabbed 5 px down: the field y lies below the 32-bit range, so it is refused.
    const FieldPoint below = DragPointInField(p.field, p.items[3], p.items[3], 10, 5);
    EXPECT_EQ(below.X, 500);
    EXPECT_EQ(below.Y, std::int64_t{kMin} - 5);
    EXPECT_FALSE(ComponentDragAccepted(p.Table(), p.field, below, p.items[3]));
    // Grabbed 10 px down: representable, and nothing is in the way.
    const FieldPoint edge = DragPointInField(p.field, p.items[3], p.items[3], 10, 10);
    EXPECT_EQ(edge.Y, kMin);
    EXPECT_TRUE(ComponentDragAccepted(p.Table(), p.field, edge, p.items[3]));
}

TEST(PlacementMoves, DropsPutTheCornerAtTheReleasePoint) {
    Panel p;
    PanelItem& hg = p.items[1];
    DropOnField(hg, p.field, 600, 140);
    EXPECT_EQ(hg.Left, 616);
    EXPECT_EQ(hg.Top, 150);
    DropOnItself(hg, 20, 30);
    EXPECT_EQ(hg.Left, 636);
    EXPECT_EQ(hg.Top, 180);
    PlaceAtField(hg, p.field, -40, 5000);
    EXPECT_EQ(hg.Left, -24);
    EXPECT_EQ(hg.Top, 5010);
    hg.Left = 100;
    hg.Top = -100;
    DropOnItself(hg, kMax, kMin);  // clamped, not wrapped
    EXPECT_EQ(hg.Left, kMax);
    EXPECT_EQ(hg.Top, kMin);
}

TEST(PlacementMoves, PutBackGoesToTheHomePlaceOfTheTag) {
    Panel p;
    for (int i = 1; i <= kSlotCount; ++i) {
        p.PutAt(i, 500, 10 * i);
        MoveToHomePlace(p.items[i]);
        EXPECT_EQ(p.items[i].Left, kHomePlace[i - 1].Left);
        EXPECT_EQ(p.items[i].Top, kHomePlace[i - 1].Top);
    }
    PanelItem stray{700, 80, 26, 57, 0};
    MoveToHomePlace(stray);
    EXPECT_EQ(stray.Left, 700);
    EXPECT_EQ(stray.Top, 80);
}

TEST(PlacementMoves, SourceTakesTheMarkersPlaceAndIndex) {
    PanelItem source{1104, 45, 32, 32, 0};
    const PanelItem marker{200, 19, 33, 33, 9};
    DropSourceOnMarker(source, marker);
    EXPECT_EQ(source.Left, 200);
    EXPECT_EQ(source.Top, 19);
    EXPECT_EQ(source.Tag, 9);
}

TEST(PlacementMoves, PanelPlaceMustFitIn32Bits) {
    Panel p;
    const PanelItem& hg = p.items[1];  // 57 high, field top 10
    EXPECT_TRUE(PanelPlaceFits(p.field, 0, kMax - 10 - 57, hg));
    EXPECT_FALSE(PanelPlaceFits(p.field, 0, kMax - 10 - 56, hg));
    EXPECT_TRUE(PanelPlaceFits(p.field, kMin, kMin, hg));
    EXPECT_FALSE(PanelPlaceFits(p.field, 0, std::int64_t{kMin} - 1, hg));
}

TEST(PlacementMoves, KindTextByTag) {
    EXPECT_EQ(ComponentKindText(1), "Higany");
    EXPECT_EQ(ComponentKindText(2), "Detektor");
    for (int tag = 3; tag <= 6; ++tag) {
        EXPECT_EQ(ComponentKindText(tag), "Ólom");
    }
    EXPECT_FALSE(ComponentKindText(0));
    EXPECT_FALSE(ComponentKindText(7));
    EXPECT_TRUE(LiesOnField(1079));
    EXPECT_FALSE(LiesOnField(1080));
}

class GeometryFileTest : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<unsigned char> ReadBytes(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) {
            names.push_back(e.path().filename().string());
        }
        return names;
    }

    testing::ScratchFolder scratch_{"geomtest"};
    fs::path dir_ = scratch_.Path();
};

const GeometryValues kSample{1121, 119, 1123, 215, kMin, kMax, -1, 0, 600, 310, 16, 10};

TEST_F(GeometryFileTest, RoundTripIsLittleEndianAnd48Bytes) {
    const std::string path = PathOf("geo.Brk2017_A");
    ASSERT_FALSE(SaveGeometryFile(path, kSample));
    const std::vector<unsigned char> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes[0], 0x61);  // 1121 = 0x461
    EXPECT_EQ(bytes[1], 0x04);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[16], 0x00);  // INT32_MIN
    EXPECT_EQ(bytes[19], 0x80);
    EXPECT_EQ(bytes[20], 0xFF);  // INT32_MAX
    EXPECT_EQ(bytes[23], 0x7F);
    EXPECT_EQ(bytes[24], 0xFF);  // -1
    EXPECT_EQ(bytes[27], 0xFF);

    const LoadedGeometry loaded = LoadGeometryFile(path);
    ASSERT_TRUE(loaded.Values) << loaded.Error;
    EXPECT_EQ(*loaded.Values, kSample);
    EXPECT_EQ(Entries(), std::vector<std::string>{"geo.Brk2017_A"});  // no temporary left
}

TEST_F(GeometryFileTest, ShortFilesFailWithReadBeyondEndOfFile) {
    for (std::size_t size : {std::size_t{0}, std::size_t{47}}) {
        const std::string path = PathOf("short" + std::to_string(size));
        WriteBytes(path, std::vector<unsigned char>(size, 0x11));
        const LoadedGeometry loaded = LoadGeometryFile(path);
        EXPECT_FALSE(loaded.Values) << size;
        EXPECT_EQ(loaded.Error, "Read beyond end of file") << size;
    }
}

TEST_F(GeometryFileTest, BytesBeyondTheFirst48AreIgnored) {
    std::vector<unsigned char> bytes(100, 0xEE);
    for (std::size_t i = 0; i < 48; ++i) {
        bytes[i] = 0;
    }
    bytes[0] = 5;
    bytes[44] = 7;
    const std::string path = PathOf("long");
    WriteBytes(path, bytes);
    const LoadedGeometry loaded = LoadGeometryFile(path);
    ASSERT_TRUE(loaded.Values) << loaded.Error;
    GeometryValues expected{};
    expected[0] = 5;
    expected[11] = 7;
    EXPECT_EQ(*loaded.Values, expected);
}

TEST_F(GeometryFileTest, LoadFailuresNameTheFileAndTheReason) {
    const LoadedGeometry missing = LoadGeometryFile(PathOf("nincs"));
    EXPECT_FALSE(missing.Values);
    EXPECT_NE(missing.Error.find(PathOf("nincs")), std::string::npos);
    EXPECT_NE(missing.Error.find("(nem létezik)"), std::string::npos) << missing.Error;

    const LoadedGeometry folder = LoadGeometryFile(dir_.string());
    EXPECT_FALSE(folder.Values);
    EXPECT_FALSE(folder.Error.empty());
    EXPECT_NE(folder.Error, "Read beyond end of file");

    // Neither waits for a writer: a pipe, on Windows a device (NUL is one in every folder).
    const std::string fifo = platform::kWindows ? PathOf("NUL") : PathOf("cso");
    ASSERT_EQ(platform::kWindows || ::mkfifo(fifo.c_str(), 0600) == 0, true);
    const LoadedGeometry pipe = LoadGeometryFile(fifo);
    EXPECT_FALSE(pipe.Values);
}

TEST_F(GeometryFileTest, KeyIsAlwaysAppended) {
    EXPECT_EQ(GeometryFileName("x", "Brk2017_K"), "x.Brk2017_K");
    const std::string chosen = PathOf("x.Brk2017_K");
    const std::string name = GeometryFileName(chosen, "Brk2017_K");
    EXPECT_EQ(name, chosen + ".Brk2017_K");
    ASSERT_FALSE(SaveGeometryFile(name, kSample));
    EXPECT_TRUE(fs::exists(name));
    EXPECT_FALSE(fs::exists(chosen));
}

TEST_F(GeometryFileTest, SaveOverwritesAnEarlierFile) {
    const std::string path = PathOf("g.K");
    WriteBytes(path, std::vector<unsigned char>(100, 0xAB));
    ASSERT_FALSE(SaveGeometryFile(path, kSample));
    EXPECT_EQ(ReadBytes(path).size(), 48u);
    EXPECT_EQ(*LoadGeometryFile(path).Values, kSample);
}

TEST_F(GeometryFileTest, FailedSavesReportAndLeaveNothingBehind) {
    const std::string folderMissing = PathOf("nincs/g.K");
    const auto error = SaveGeometryFile(folderMissing, kSample);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(folderMissing), std::string::npos);

    // The name taken by a folder: the folder and its content stay as they were.
    const std::string taken = PathOf("mappa.K");
    fs::create_directory(taken);
    WriteBytes(taken + "/benne", {1, 2, 3});
    EXPECT_TRUE(SaveGeometryFile(taken, kSample));
    EXPECT_TRUE(fs::is_directory(taken));
    EXPECT_EQ(ReadBytes(taken + "/benne").size(), 3u);
    // A pipe (on Windows the device NUL) in its place is refused as it stands, not replaced.
    const std::string pipe = platform::kWindows ? "NUL" : PathOf("cso.K");
    ASSERT_TRUE(platform::kWindows || ::mkfifo(pipe.c_str(), 0644) == 0);
    EXPECT_EQ(SaveGeometryFile(pipe, kSample),
              "A fájl nem hozható létre: " + pipe +
                  (platform::kWindows ? " (ez egy eszköz, nem közönséges fájl)"
                                      : " (ez egy csővezeték (FIFO), nem közönséges fájl)"));
    EXPECT_TRUE(platform::kWindows || fs::is_fifo(pipe));
    EXPECT_EQ(Entries().size(), platform::kWindows ? 1u : 2u) << "no temporary left";
}

TEST_F(GeometryFileTest, FailedWriteKeepsThePreviousFile) {
    const std::string path = PathOf("g.K");
    const GeometryValues before{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_FALSE(SaveGeometryFile(path, before));

    // Let no file grow beyond 10 bytes, so the write itself fails (as root too).
    SIM_SKIP_ON_WINDOWS("no file size limit of a process to make a write fail");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = SaveGeometryFile(path, kSample);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(error);
    EXPECT_NE(error->find(path), std::string::npos);
    const LoadedGeometry loaded = LoadGeometryFile(path);
    ASSERT_TRUE(loaded.Values) << loaded.Error;
    EXPECT_EQ(*loaded.Values, before);
    EXPECT_EQ(Entries(), std::vector<std::string>{"g.K"});
}

TEST_F(GeometryFileTest, SaveReplacesALinkInsteadOfWritingThroughIt) {
    SIM_SKIP_ON_WINDOWS("std::filesystem of MinGW-w64 makes no links");
    const std::string elsewhere = PathOf("masik");
    WriteBytes(elsewhere, {9, 9, 9});
    const std::string path = PathOf("g.K");
    fs::create_symlink(elsewhere, path);
    ASSERT_FALSE(SaveGeometryFile(path, kSample));
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(ReadBytes(elsewhere), (std::vector<unsigned char>{9, 9, 9}));
    EXPECT_EQ(*LoadGeometryFile(path).Values, kSample);
}

// Replacing a geometry once turned a private 0600 file into 0644.
TEST_F(GeometryFileTest, ReplacingAFileKeepsItsPermissions) {
    SIM_SKIP_ON_WINDOWS("no permission bits; a file takes its folder's access rules");
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
        const std::string path = PathOf("g.K");
        WriteBytes(path, {1});
        fs::permissions(path, mode);
        ASSERT_FALSE(SaveGeometryFile(path, kSample));
        EXPECT_EQ(fs::status(path).permissions(), mode);
        EXPECT_EQ(*LoadGeometryFile(path).Values, kSample);
    }
}

TEST(GeometryValuesTest, SaveLoadApplyKeepsPlacesAndMarksOnlyFieldComponents) {
    Panel p;
    p.PutAt(1, 600, 100);
    p.PutAt(3, -50, 9000);  // applied as it stands, though outside the working area
    IndexedArray<ComponentSlot, 1, kSlotCount> slots{};
    const GeometryValues values = CollectGeometry(p.pointers);
    EXPECT_EQ(values[0], 616);
    EXPECT_EQ(values[1], 110);
    EXPECT_EQ(values[2], kComponentStart[1].Left);

    for (ComponentSlot& s : slots) {
        s.Placed = true;  // placed before; the bin components lose it
    }
    Panel other;
    ApplyGeometry(values, other.pointers, slots);
    for (int i = 1; i <= kSlotCount; ++i) {
        EXPECT_EQ(other.items[i].Left, p.items[i].Left);
        EXPECT_EQ(other.items[i].Top, p.items[i].Top);
        EXPECT_EQ(slots[i].Placed, i == 1 || i == 3) << i;
    }
}

}  // namespace
}  // namespace sim
