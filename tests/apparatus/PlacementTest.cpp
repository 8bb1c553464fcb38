#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/TestSupport.h"
#include "tests/apparatus/TestForm.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using testing::TestForm;

class Placement : public ::testing::Test {
  protected:
    // Pointer position over the field image, in field pixels.
    bool OverField(FieldItem& dragged, int x, int y) {
        return form.Shape6DragOver(form.Experiment, dragged, x, y);
    }

    VirtualClock clock;
    TestForm form{clock};
};

TEST_F(Placement, ThePlacementWindowIsInclusive) {
    EXPECT_TRUE(OverField(form.HgF, 450, 100));
    EXPECT_TRUE(OverField(form.HgF, 1000, 100));
    EXPECT_FALSE(OverField(form.HgF, 449, 100));
    EXPECT_FALSE(OverField(form.HgF, 1001, 100));
    EXPECT_TRUE(OverField(form.HgF, 600, 310));
    EXPECT_FALSE(OverField(form.HgF, 600, 311));
    EXPECT_TRUE(OverField(form.HgF, 600, -40)) << "no lower bound on y";
    EXPECT_FALSE(OverField(form.Image2, 600, 100)) << "only components";
    EXPECT_EQ(form.Label8Text, "600, 100") << "the readout follows every drag";
}

TEST_F(Placement, ComponentsMayShareAnEdgeButNotAPixel) {
    form.PlaceComponent(1, 500, 100);  // covers x 500..556
    EXPECT_TRUE(OverField(form.Shape7, 557, 100));
    EXPECT_FALSE(OverField(form.Shape7, 556, 100));
    EXPECT_TRUE(OverField(form.Shape7, 500, 157));
    EXPECT_FALSE(OverField(form.Shape7, 500, 156));
    // Over another component the coordinates are local to it: never in the window.
    EXPECT_FALSE(form.Shape6DragOver(form.HgF, form.Shape7, 10, 10));
}

TEST_F(Placement, DropsPutTheTopLeftCornerAtTheReleasePoint) {
    form.ExperimentDragDrop(form.Experiment, form.Shape8, 600, 150);
    EXPECT_EQ(form.Shape8.Left, 616);
    EXPECT_EQ(form.Shape8.Top, 160);
    EXPECT_TRUE(form.Model.Slots[3].Placed);

    // Grabbed in its middle and released a little further over itself.
    EXPECT_TRUE(form.Shape6DragOver(form.Shape8, form.Shape8, 13, 28));
    EXPECT_EQ(form.Label8Text, "613, 178");
    form.Shape6DragDrop(form.Shape8, form.Shape8, 13, 28);
    EXPECT_EQ(form.Shape8.Left, 629);
    EXPECT_EQ(form.Shape8.Top, 188);
    EXPECT_EQ(form.Stacking().back(), &form.Shape8);

    // A drop meant for the field does nothing elsewhere.
    form.ExperimentDragDrop(form.HgF, form.Shape9, 600, 150);
    EXPECT_EQ(form.Shape9.Left, 1125);
    EXPECT_FALSE(form.Model.Slots[4].Placed);
}

TEST_F(Placement, SourcesGoOnlyOntoMarkers) {
    EXPECT_TRUE(form.Shape2DragOver(form.Shape2, form.Image2, 3, 3));
    EXPECT_TRUE(form.Shape2DragOver(form.Shape4, form.Image2, 3, 3));
    EXPECT_FALSE(form.Shape2DragOver(form.Shape2, form.HgF, 3, 3));
    EXPECT_FALSE(form.DragOver(form.Experiment, form.Image2, 300, 100));
    EXPECT_FALSE(form.DragOver(form.Fedel, form.Image2, 3, 3));
    EXPECT_FALSE(form.DragOver(form.Shape12, form.HgF, 3, 3)) << "home places take nothing";

    form.DragDrop(form.Shape3, form.Image2, 5, 5);
    form.DragDrop(form.Shape3, form.Image3, 5, 5);
    EXPECT_EQ(form.Image2.Tag, 9);
    EXPECT_EQ(form.Image3.Tag, 9);
    EXPECT_EQ(form.Image3.Left, form.Shape3.Left);
    form.DragDrop(form.Shape1, form.Image2, 5, 5);
    EXPECT_EQ(form.Image2.Tag, 0);
}

TEST_F(Placement, RightClickPlacesByCoordinatesOrPutsBack) {
    form.KompResult = 1;
    form.KompX = -30;
    form.KompY = 500;
    form.HgFMouseUp(form.Shape7, true);
    EXPECT_EQ(form.Shape7.Left, -14);
    EXPECT_EQ(form.Shape7.Top, 510);
    EXPECT_TRUE(form.Model.Slots[2].Placed);

    form.KompResult = 3;
    form.Answer = 7;
    form.HgFMouseUp(form.Shape7, true);
    ASSERT_EQ(form.Messages.size(), 1U);
    EXPECT_EQ(form.Messages[0].Text, "        Visszateszed a helyére?");
    EXPECT_EQ(form.Messages[0].Caption, "*** MEGERŐSÍTÉS ***");
    EXPECT_EQ(form.Messages[0].Flags, 4);
    EXPECT_EQ(form.Shape7.Left, -14) << "No keeps it";

    form.Answer = 6;
    form.HgFMouseUp(form.Shape7, true);
    EXPECT_EQ(form.Shape7.Left, 1123);
    EXPECT_EQ(form.Shape7.Top, 216);
    EXPECT_FALSE(form.Model.Slots[2].Placed);

    form.KompResult = 1;
    form.HgFMouseUp(form.Shape7, false);
    form.Model.MeasurementOn = true;
    form.RefreshApparatus();
    form.HgFMouseUp(form.Shape7, true);
    EXPECT_EQ(form.Shape7.Left, 1123) << "left button or a running count: nothing";
}

class GeometryFiles : public Placement {
  protected:
    void SetUp() override {
        form.Model.ParticipantId = "Brk2017_K";
        form.Model.ProgramDir = scratch.WithSlash();
    }

    testing::ScratchFolder scratch{"geometry"};
    fs::path dir = scratch.Path();
};

TEST_F(GeometryFiles, SaveThenLoadRestoresPlacesAndPlacedFlags) {
    form.PlaceComponent(1, 500, 100);
    form.PlaceComponent(3, 700, 200);
    form.FileAnswers.push_back((dir / "x.Brk2017_K").string());
    form.Button1Click();
    EXPECT_TRUE(fs::exists(dir / "x.Brk2017_K.Brk2017_K")) << "the key is always appended";
    EXPECT_EQ(fs::file_size(dir / "x.Brk2017_K.Brk2017_K"), 48U);
    EXPECT_EQ(form.SaveDialogInitialDir, form.Model.ProgramDir);

    form.Components[1]->Left = 1120;
    form.Model.Slots[2].Placed = true;  // placed before the load, stored in its bin
    form.FileAnswers.push_back((dir / "x.Brk2017_K.Brk2017_K").string());
    form.Button2Click();
    EXPECT_EQ(form.LastFilter, "Brk2017_K fájlok|*.Brk2017_K|Minden fájl|*.*");
    EXPECT_EQ(form.HgF.Left, 516);
    EXPECT_EQ(form.Shape8.Top, 210);
    EXPECT_TRUE(form.Model.Slots[1].Placed);
    EXPECT_TRUE(form.Model.Slots[3].Placed);
    EXPECT_FALSE(form.Model.Slots[2].Placed);
    EXPECT_TRUE(form.Messages.empty());
}

TEST_F(GeometryFiles, ReplacingTheWrittenFileAsksFirst) {
    form.FileAnswers.push_back((dir / "g").string());
    form.Button1Click();
    const fs::path written = dir / "g.Brk2017_K";
    ASSERT_TRUE(fs::exists(written));
    EXPECT_TRUE(form.Messages.empty()) << "a new file needs no question";

    form.PlaceComponent(1, 500, 100);
    form.Answer = 7;
    form.FileAnswers.push_back((dir / "g").string());
    form.Button1Click();
    ASSERT_EQ(form.Messages.size(), 1U);
    EXPECT_EQ(form.Messages[0].Text, "A(z) g.Brk2017_K fájl már létezik.\rFelülírjam?");
    // Read and closed: Windows replaces no file that is open without sharing its removal.
    const std::string bytes = testing::ReadFile(written);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 1121 & 0xFF) << "No keeps the old file";

    form.Answer = 6;
    form.FileAnswers.push_back((dir / "g").string());
    form.Button1Click();
    const std::string replaced = testing::ReadFile(written);
    EXPECT_EQ(static_cast<unsigned char>(replaced[0]), 516 & 0xFF);

    // A name Windows would take for the console is refused before anything is written.
    form.Messages.clear();
    form.FileAnswers.push_back((dir / "con").string());
    form.Button1Click();
    ASSERT_EQ(form.Messages.size(), 1U);
    EXPECT_EQ(form.Messages[0].Text,
              "A(z) „con” név nem használható:\rWindowson a(z) con egy eszköz neve (ilyen a CON, "
              "PRN, AUX, NUL, COM1–COM9 és LPT1–LPT9, bármilyen kiterjesztéssel).");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(GeometryFiles, AShortFileMovesNothing) {
    std::ofstream(dir / "short.bin", std::ios::binary) << std::string(47, '\x01');
    form.FileAnswers.push_back((dir / "short.bin").string());
    form.Button2Click();
    ASSERT_EQ(form.Messages.size(), 1U);
    EXPECT_EQ(form.Messages[0].Text, "Read beyond end of file");
    EXPECT_EQ(form.HgF.Left, 1121);

    form.FileAnswers.push_back(std::nullopt);
    form.Button2Click();
    EXPECT_EQ(form.Messages.size(), 1U) << "a cancelled dialog does nothing";
    EXPECT_TRUE(form.OpenDialogInitialDir.size() > 0);
}

}  // namespace
}  // namespace sim
