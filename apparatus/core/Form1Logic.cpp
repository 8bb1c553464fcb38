#include "apparatus/core/Form1Logic.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "apparatus/core/FactorFile.h"
#include "apparatus/core/ResultFiles.h"
#include "common/Conversions.h"
#include "common/ErrorText.h"
#include "common/FileNames.h"
#include "common/Format.h"
#include "common/Platform.h"
#include "geometry/core/GeometryFile.h"
#include "geometry/core/PanelLayout.h"
#include "geometry/core/Placement.h"

namespace sim {

namespace {

constexpr double kRotorStartPressure = 5e-5;  // mbar; the rotor may start only below it
constexpr double kPumpFloorSpan = 5e-5;
constexpr double kPumpRate = 0.99;
constexpr double kVentRate = 0.8;
constexpr double kLidMargin = 10.0;  // mbar below ambient at which the lid locks
constexpr double kImbalanceSpeed = 10.0;
constexpr std::int32_t kImbalanceDistance = 60;
constexpr double kSeriesFirstSetpoint = kRotorSpeedMin;
constexpr double kSeriesLastSetpoint = kRotorSpeedMax;
constexpr TrText kImbalanceText =
    SIM_TR("Apparatus", "Kiegyensúlyozatlan a rotor!\r    Automatikus leállás!");
constexpr TrText kResultFileNotWritten =
    SIM_TR("Apparatus", "Az eredményfájl írása nem sikerült:\r%1 (%2)");

// The reason of a failed system call (a negative error: not a regular file, of this kind), as
// the other file messages give it in parentheses.
std::string Reason(int error, platform::Kind kind = platform::Kind::Other) {
    return error < 0 ? FileKindReason(kind) : SystemReason(error);
}

void Place(FieldItem& item, const ItemPlace& place, std::int32_t tag = 0) {
    item.Left = place.Left;
    item.Top = place.Top;
    item.Width = place.Width;
    item.Height = place.Height;
    item.Tag = tag;
}

}  // namespace

// The result file of a speed series: every line goes through to the disk as it is written, so
// a killed program keeps the points already measured.
struct TForm1Logic::SeriesFile {
    platform::File File;
    std::uint64_t Written = 0;  // bytes of whole lines

    platform::Kind Refused = platform::Kind::Other;  // what stood at the path, when refused (-1)

    // Creates the file anew: an earlier series' file is kept under the next earlier-series
    // name first, a link in its place is replaced, never written through, and anything else
    // that is not a regular file is refused untouched. Returns 0, the error number, or -1 for
    // "not a regular file".
    int Open(const std::string& folder, const std::string& participantId) {
        const std::string path = folder + ResultFileName(participantId);
        int error = 0;
        switch (Refused = platform::KindOf(path, &error)) {
            case platform::Kind::Link:
                if (error = platform::RemoveFile(path); error != 0) {
                    return error;
                }
                break;
            case platform::Kind::Missing:
                break;
            case platform::Kind::Regular:
                if (error = KeepEarlierResult(folder, participantId).Error; error != 0) {
                    return error;
                }
                break;
            default:
                return error != 0 ? error : -1;
        }
        // Never an existing file: whatever appeared meanwhile is not this series' to empty.
        // Without following a link that appeared meanwhile, and without waiting on a pipe.
        File = platform::OpenForWriting(path, true, false, error);
        return File.IsOpen() ? 0 : error;
    }
    // Each line goes straight to the file, so nothing of a failed line stays behind to be
    // written later. Returns 0 or the error number.
    int WriteLine(const std::string& line) {
        const std::string withEnd = line + "\r\n";
        const int error = File.WriteAll(withEnd);
        if (error == 0) {
            Written += withEnd.size();
            return 0;
        }
        // A part of a line (the disk full) could be read as another point: cut it off again.
        File.Truncate(Written);
        return error;
    }
    bool Close() { return File.Close() == 0; }
    ~SeriesFile() { Close(); }
};

TForm1Logic::TForm1Logic(Clock& clock, std::string programDir) : clock_(clock) {
    Model.ProgramDir = std::move(programDir);
    Components[1] = &HgF;
    Components[2] = &Shape7;
    Components[3] = &Shape8;
    Components[4] = &Shape9;
    Components[5] = &Shape10;
    Components[6] = &Shape11;
    HomePlaces[1] = &Shape12;
    HomePlaces[2] = &Shape13;
    HomePlaces[3] = &Shape14;
    HomePlaces[4] = &Shape15;
    HomePlaces[5] = &Shape16;
    HomePlaces[6] = &Shape17;

    auto tick = [this](void (TForm1Logic::*handler)()) {
        return [this, handler] {
            (this->*handler)();
            ControlsChanged();
        };
    };
    Timer1 = clock_.CreateTimer(kPumpTickMs, tick(&TForm1Logic::Timer1Timer));
    Timer2 = clock_.CreateTimer(kRotorTickMs, tick(&TForm1Logic::Timer2Timer));
    Timer3 = clock_.CreateTimer(kMeasureTickMs, tick(&TForm1Logic::Timer3Timer));
}

TForm1Logic::~TForm1Logic() = default;

void TForm1Logic::InitialisePanelItems() {
    Place(Experiment, kExperimentPlace);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        Place(*Components[slot], kComponentStart[slot - 1], slot);
        Place(*HomePlaces[slot], kHomePlace[slot - 1]);
    }
    Place(Image2, kImage2Start);
    Place(Image3, kImage3Start);
    Image2.Draggable = true;
    Image3.Draggable = true;

    const RotorLayout layout =
        ComputeRotorLayout(Model.RotorCenterX, Model.RotorCenterY, Model.RotorRadius,
                           kRotorMarkerSize, kLidSymbolSize);
    Place(Shape1, kShape1Place, 0);
    Place(Shape4, kShape4Place, 0);
    Place(Shape2, layout.TopMarker, 1);
    Place(Shape3, layout.BottomMarker, 9);
    Place(Fedel, layout.Lid);
    Fedel.Visible = false;
    Place(Image4, layout.LidSymbol);
    Label8.Left = kLabel8Left;
    Label8.Top = kLabel8Top;

    // The panel's creation order; the lid and the field are rearranged by FormCreate.
    stacking_ = {&Image4,  &Experiment, &Shape2,  &Shape3,  &Shape13, &Shape12, &HgF,     &Shape7,
                 &Shape14, &Shape15,    &Shape16, &Shape17, &Shape8,  &Shape9,  &Shape10, &Shape11,
                 &Shape1,  &Shape4,     &Image2,  &Image3,  &Label8,  &Fedel};
}

void TForm1Logic::FormCreate() {
    Model.ErrorText.clear();
    Model.ParticipantId.clear();
    Model.FactorLines.clear();
    IndexedArray<const PanelItem*, 1, kSlotCount> shapes;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        shapes[slot] = Components[slot];
    }
    Model.Experiment = &Experiment;
    Model.Image2 = &Image2;
    Model.Image3 = &Image3;
    Model.SetDefaults(shapes, kRotorMarkerSize);
    InitialisePanelItems();

    RefreshApparatus();
    BringToFront(Fedel);
    SendToBack(Experiment);
    SendToBack(Image4);
}

void TForm1Logic::BringToFront(FieldItem& item) {
    auto it = std::find(stacking_.begin(), stacking_.end(), &item);
    if (it != stacking_.end()) {
        stacking_.erase(it);
    }
    stacking_.push_back(&item);
    ++stackingGeneration_;
}

void TForm1Logic::SendToBack(FieldItem& item) {
    auto it = std::find(stacking_.begin(), stacking_.end(), &item);
    if (it != stacking_.end()) {
        stacking_.erase(it);
    }
    stacking_.insert(stacking_.begin(), &item);
    ++stackingGeneration_;
}

int TForm1Logic::ShowMessageDialog(const std::string& text, const std::string& caption, int flags) {
    (void)text;
    (void)caption;
    (void)flags;
    return kMsgOk;
}

// ---------------------------------------------------------------- lid, pump, rotor

void TForm1Logic::BitBtn8Click() {
    if (Model.LidClosed) {
        // Also while the drive is on at rest (the first tick after a rotor start), and for a
        // whole speed series (its next point starts the rotor): the rotor would go on to turn
        // under the open lid.
        if (Model.RotorSpeed >= 1.0 || Model.RotorDriveOn || seriesRunning_) {
            return;
        }
        BitBtn8.Caption = Tr(kLidCloseCaption);
        Fedel.Visible = false;
        SendToBack(Image4);
        Model.LidClosed = false;
        BitBtn1.Enabled = false;
        BitBtn2.Enabled = false;
        Timer1->SetEnabled(false);
        // The pump stops with its tick (its buttons already say so): otherwise the next
        // measurement Start would take it for running and never start it.
        Model.PumpOn = false;
        Model.Pressure = Model.AmbientPressure;
        Image2.Draggable = true;
        Image3.Draggable = true;
        RefreshApparatus();
    } else {
        BitBtn8.Caption = Tr(kLidOpenCaption);
        Fedel.Visible = true;
        BringToFront(Image4);
        Model.LidClosed = true;
        BitBtn1.Enabled = true;
        Image2.Draggable = false;
        Image3.Draggable = false;
    }
}

void TForm1Logic::BitBtn1Click() {
    BitBtn2.Enabled = true;
    BitBtn1.Enabled = false;
    BitBtn8.Enabled = false;
    Timer1->SetEnabled(true);
    Model.PumpOn = true;
}

void TForm1Logic::BitBtn2Click() {
    BitBtn2.Enabled = false;
    BitBtn1.Enabled = true;
    Model.PumpOn = false;
}

void TForm1Logic::Timer1Timer() {
    if (Model.PumpOn) {
        Model.PumpFloor = static_cast<double>(Model.Random.UniformRandom()) * kPumpFloorSpan;
        Model.Pressure = (Model.Pressure - Model.PumpFloor) * kPumpRate + Model.PumpFloor;
    } else {
        Model.Pressure =
            Model.AmbientPressure - (Model.AmbientPressure - Model.Pressure) * kVentRate;
    }
    RefreshApparatus();
}

void TForm1Logic::BitBtn3Click() {
    BitBtn3.Enabled = false;
    BitBtn4.Enabled = true;
    BitBtn2.Enabled = false;
    Model.RotorDriveOn = true;
    if (const auto setpoint = ParseReal(MaskEdit1.Text)) {
        Model.RotorSpeedSetpoint = *setpoint;
    }
    Timer2->SetEnabled(true);
}

void TForm1Logic::BitBtn4Click() {
    Model.RotorDriveOn = false;
    BitBtn4.Enabled = false;
    // Under the refresh's rule, not simply enabled: after an error switched the drive off, Stop
    // stays enabled while the lid opens, and a Start enabled here would turn the rotor under it.
    BitBtn3.Enabled = RotorMayStart();
}

void TForm1Logic::Timer2Timer() {
    if (const auto setpoint = ParseReal(MaskEdit1.Text)) {
        Model.RotorSpeedSetpoint = *setpoint;
    }
    if (Model.RotorDriveOn) {
        const std::int64_t apart =
            static_cast<std::int64_t>(Image2.Left) - static_cast<std::int64_t>(Image3.Left);
        if (std::fabs(Model.RotorSpeed - kImbalanceSpeed) < 2 &&
            std::llabs(apart) > kImbalanceDistance) {
            BitBtn4Click();
            Model.ErrorText = Tr(kImbalanceText);
            Model.SpeedReached = true;
            RefreshApparatus();
            return;
        }
        if (Model.RotorSpeed < Model.RotorSpeedSetpoint) {
            Model.RotorSpeed += 1;
            return;
        }
        Model.SpeedReached = Model.RotorSpeed == Model.RotorSpeedSetpoint;
        if (Model.SpeedReached) {
            RefreshApparatus();
            return;
        }
    }
    Model.RotorSpeed -= 1;
    if (Model.RotorSpeed >= 2) {
        RefreshApparatus();
    } else {
        Model.RotorSpeed = 0;
        Model.RotorDriveOn = false;
        BitBtn2.Enabled = true;
        Timer2->SetEnabled(false);
    }
}

void TForm1Logic::UpDown1Click(bool up) {
    // The arrows step from what the speed field shows, which a series may have rewritten.
    std::int32_t position = UpDown1.Position;
    if (const auto shown = ParseWholeNumber(MaskEdit1.Text)) {
        position = std::clamp(*shown, UpDown1.Min, UpDown1.Max);
    }
    const std::int64_t next =
        static_cast<std::int64_t>(position) + (up ? UpDown1.Increment : -UpDown1.Increment);
    UpDown1.Position =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(next, UpDown1.Min, UpDown1.Max));
    MaskEdit1.Text = std::to_string(UpDown1.Position);
}

void TForm1Logic::RefreshApparatus() {
    UpdateMeters();
    BitBtn8.Enabled = Model.AmbientPressure - kLidMargin < Model.Pressure && !seriesRunning_;
    // The lid too: with an ambient pressure below the limit (faktor.txt's third line, an
    // evacuated chamber) the pressure alone would let the rotor start under the open lid.
    BitBtn3.Enabled = RotorMayStart();
    if (!Model.ErrorText.empty()) {
        const std::string text = std::move(Model.ErrorText);
        Model.ErrorText.clear();
        Model.SeriesAborted = true;
        BitBtn6Click();
        Model.RotorDriveOn = false;
        ShowMessageDialog(text, Tr(kErrorCaption), kMsgOkOnly);
    }
    // Start stays disabled for a whole series, also while the rotor moves between points:
    // a second run inside the first would share its open result file.
    const bool counting = Model.MeasurementOn;
    FixComponents(counting);
    BitBtn5.Enabled = !counting && !seriesRunning_;
}

bool TForm1Logic::RotorMayStart() const {
    return Model.LidClosed && Model.Pressure < kRotorStartPressure && !Model.RotorDriveOn;
}

void TForm1Logic::FixComponents(bool fixed) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        Components[slot]->Draggable = !fixed;
    }
}

// ---------------------------------------------------------------- measurement run

std::string TForm1Logic::FactorFilePath() const {
    return Model.ProgramDir + "faktor.txt";
}

std::optional<std::string> TForm1Logic::ClaimIdentifier(const std::string& identifier) {
    const std::string participantId = kParticipantPrefix + identifier;
    auto taken = IdentifierClaim::Take(Model.ProgramDir, participantId);
    if (auto* refused = std::get_if<IdentifierClaim::Refused>(&taken)) {
        if (refused->InUse) {
            return Tr(SIM_TR("Apparatus",
                             "A(z) \"%1\" azonosítót ebben a mappában már egy másik\rfutó program "
                             "használja:\r%2\rAdj meg másik azonosítót!"),
                      {ShownText(identifier), ShownText(Model.ProgramDir)});
        }
        claim_.reset();
    } else {
        claim_ = std::move(std::get<IdentifierClaim>(taken));
    }
    Model.ParticipantId = participantId;
    return std::nullopt;
}

std::string TForm1Logic::ResultFilePath() const {
    return Model.ProgramDir + ResultFileName(Model.ParticipantId);
}

void TForm1Logic::ReportFailure(const std::string& text) {
    ShowMessageDialog(text, Tr(kInputErrorCaption), kMsgOkOnly);
}

bool TForm1Logic::ReadFactorFile() {
    Model.FactorLines.clear();
    std::string path = FactorFilePath();
    SettingsFile file = ReadSettingsFile(path);
    if (file.Status == TextFileStatus::Missing && !SystemFactorFilePath.empty()) {
        path = SystemFactorFilePath;
        file = ReadSettingsFile(path);
    }
    switch (file.Status) {
        case TextFileStatus::Missing:
            break;
        case TextFileStatus::Unreadable:
            ReportFailure(Tr(SIM_TR("Apparatus", "A faktor.txt fájl nem olvasható:\r%1"), {path}));
            return false;
        case TextFileStatus::TooLarge:
            ReportFailure(
                Tr(SIM_TR("Apparatus", "A faktor.txt fájl túl nagy (legfeljebb %1 KiB lehet):\r%2"),
                   {std::to_string(kMaxSettingsFileBytes / 1024), path}));
            return false;
        case TextFileStatus::Read:
            Model.FactorLines = SplitTextLines(file.Content, kFactorLineCount);
            break;
    }
    const FactorSettings settings = ParseFactorLines(Model.FactorLines);
    if (settings.FailedLine == 1) {
        ReportFailure(settings.Error);
        return false;
    }
    Model.CountFactor = settings.CountFactor.value_or(kDefaultCountFactor);
    if (settings.FailedLine == 2) {
        ReportFailure(settings.Error);
        return false;
    }
    Model.SpeedStep = settings.SpeedStep.value_or(kDefaultSpeedStep);
    if (settings.FailedLine == 3) {
        ReportFailure(settings.Error);
        return false;
    }
    Model.AmbientPressure = settings.AmbientPressure.value_or(kDefaultAmbientPressure);
    if (settings.AmbientPressure) {
        Model.Pressure = *settings.AmbientPressure;
    }
    return true;
}

bool TForm1Logic::ReadMeasureLimit() {
    const auto limit = ParseWholeNumber(Edit5.Text);
    if (!limit) {
        ReportFailure(Tr(SIM_TR("Apparatus", "A mérési idő nem egész szám: \"%1\""), {Edit5.Text}));
        return false;
    }
    Model.MeasureLimit = *limit;
    return true;
}

void TForm1Logic::BitBtn5Click() {
    Model.MeasureElapsed = 0;
    Model.SeriesAborted = false;
    if (!ReadFactorFile() || !ReadMeasureLimit()) {
        return;
    }
    Edit5.Enabled = false;
    BitBtn5.Enabled = false;
    BitBtn6.Enabled = true;
    Model.MeasurementOn = true;
    // The exact mode replaces the counter instead of adding to it.
    countBase_ = Model.CountFactor > 0 ? Model.CounterValue : 0;
    // Fixed at once, not at the next refresh: a click before it would move a component that
    // the count already measures.
    FixComponents(true);
    Model.DetectorRate = 0;
    HideForm2();
    if (!Model.LidClosed) {
        BitBtn8Click();
    }
    if (!Model.PumpOn) {
        BitBtn1Click();
    }
    if (Model.SpeedStep == 0) {
        Timer3->SetEnabled(true);
        return;
    }
    RunSpeedSeries();
}

void TForm1Logic::WaitUntil(const std::function<bool()>& done) {
    // Show what the series changed before the person can click again: until the next tick the
    // buttons would still look as they were (a disabled Start, say, still enabled).
    ControlsChanged();
    while (!done() && !shuttingDown_) {
        clock_.ProcessPendingEvents();
    }
}

int TForm1Logic::SeriesPoints(std::int32_t step) {
    if (step <= 0) {
        return 0;
    }
    const std::int64_t span = kRotorSpeedMax - kRotorSpeedMin;
    return static_cast<int>((span + step - 1) / step) + 1;
}

std::optional<SeriesProgress> TForm1Logic::Progress() const {
    if (!seriesRunning_ || Model.SpeedStep <= 0) {
        return std::nullopt;
    }
    const double done = (Model.RotorSpeedSetpoint - kSeriesFirstSetpoint) / Model.SpeedStep;
    return SeriesProgress{std::max(1, static_cast<int>(std::floor(done)) + 1),
                          SeriesPoints(Model.SpeedStep),
                          Model.RotorSpeedSetpoint};
}

void TForm1Logic::RunSpeedSeries() {
    seriesRunning_ = true;
    SeriesFile file;
    auto finish = [&](bool enableButtons) {
        if (!file.Close()) {
            ReportFailure(Tr(SIM_TR("Apparatus", "Az eredményfájl lezárása nem sikerült:\r%1"),
                             {ResultFilePath()}));
        }
        if (enableButtons) {
            BitBtn5.Enabled = true;
            BitBtn7.Enabled = true;
        }
        seriesRunning_ = false;
    };

    Model.RotorSpeedSetpoint = kSeriesFirstSetpoint - Model.SpeedStep;
    if (const int error = file.Open(Model.ProgramDir, Model.ParticipantId); error != 0) {
        seriesRunning_ = false;
        ReportFailure(Tr(SIM_TR("Apparatus", "Az eredményfájl nem hozható létre:\r%1 (%2)"),
                         {ResultFilePath(), Reason(error, file.Refused)}));
        return;
    }
    if (const int error = file.WriteLine(Format("Faktor= %10d", Model.CountFactor)); error != 0) {
        ReportFailure(Tr(kResultFileNotWritten, {ResultFilePath(), Reason(error)}));
        finish(false);
        return;
    }
    int point = 0;
    while (true) {
        BitBtn5.Enabled = false;
        BitBtn7.Enabled = false;
        Model.RotorSpeedSetpoint += Model.SpeedStep;
        MaskEdit1.Text = Format("%.0f", std::trunc(Model.RotorSpeedSetpoint));
        Model.SpeedReached = false;
        BitBtn3Click();
        WaitUntil([this] { return Model.SpeedReached; });
        if (Model.SeriesAborted || shuttingDown_) {
            Model.SeriesAborted = false;
            finish(true);
            return;
        }
        Model.DetectorRate = 0;
        Model.MeasureElapsed = 0;
        BitBtn7Click();
        Model.MeasurementOn = true;
        FixComponents(true);
        Timer3->SetEnabled(true);
        WaitUntil([this] { return !Model.MeasurementOn; });
        if (shuttingDown_) {
            finish(true);
            return;
        }
        const std::string line = Format("%10.0f, %10d", Model.RotorSpeedSetpoint, Model.CounterValue);
        if (const int error = file.WriteLine(line); error != 0) {
            ReportFailure(Tr(kResultFileNotWritten, {ResultFilePath(), Reason(error)}));
            finish(true);
            return;
        }
        ++point;
        SeriesPointMeasured(
            {Model.RotorSpeedSetpoint, Model.MeasureElapsed, Model.CounterValue, point});
        if (Model.RotorSpeedSetpoint >= kSeriesLastSetpoint) {
            finish(true);
            return;
        }
    }
}

// ---------------------------------------------------------------- placement

bool TForm1Logic::IsSourceMarker(const FieldItem& item) const {
    return &item == &Shape1 || &item == &Shape2 || &item == &Shape3 || &item == &Shape4;
}

bool TForm1Logic::IsComponent(const FieldItem& item) const {
    return sim::IsComponent(MakeComponentTable(Components), &item);
}

bool TForm1Logic::ComponentCollides(std::int32_t x, std::int32_t y,
                                    const FieldItem& component) const {
    return sim::ComponentCollides(MakeComponentTable(Components), Experiment, x, y, component);
}

bool TForm1Logic::Shape2DragOver(const FieldItem& target, const FieldItem& dragged, int X,
                                 int Y) const {
    (void)X;
    (void)Y;
    return IsSource(dragged) && IsSourceMarker(target);
}

// Not const, though the compiler would let it be: the source it moves is this window's item.
// NOLINTNEXTLINE(readability-make-member-function-const)
void TForm1Logic::Shape2DragDrop(const FieldItem& target, FieldItem& dragged, int X, int Y) {
    (void)X;
    (void)Y;
    if (IsSourceMarker(target) && IsSource(dragged)) {
        DropSourceOnMarker(dragged, target);
    }
}

bool TForm1Logic::Shape6DragOver(const FieldItem& target, const FieldItem& dragged, int X, int Y) {
    const FieldPoint point = DragPointInField(Experiment, target, dragged, X, Y);
    Label8Text = DragReadout(point);
    return ComponentDragAccepted(MakeComponentTable(Components), Experiment, point, dragged);
}

void TForm1Logic::ExperimentDragDrop(const FieldItem& target, FieldItem& dragged, int X, int Y) {
    if (&target != &Experiment || !IsComponent(dragged)) {
        return;
    }
    DropOnField(dragged, Experiment, X, Y);
    Model.Slots[dragged.Tag].Placed = true;
}

void TForm1Logic::Shape6DragDrop(FieldItem& target, FieldItem& dragged, int X, int Y) {
    if (&target != &dragged || !IsComponent(dragged)) {
        return;
    }
    DropOnItself(dragged, X, Y);
    BringToFront(dragged);
    Model.Slots[dragged.Tag].Placed = true;
}

bool TForm1Logic::DragOver(const FieldItem& target, const FieldItem& dragged, int X, int Y) {
    if (IsSourceMarker(target)) {
        return Shape2DragOver(target, dragged, X, Y);
    }
    if (&target == &Experiment || IsComponent(target)) {
        return Shape6DragOver(target, dragged, X, Y);
    }
    return false;
}

void TForm1Logic::DragDrop(FieldItem& target, FieldItem& dragged, int X, int Y) {
    if (IsSourceMarker(target)) {
        Shape2DragDrop(target, dragged, X, Y);
    } else if (&target == &Experiment) {
        ExperimentDragDrop(target, dragged, X, Y);
    } else if (IsComponent(target)) {
        Shape6DragDrop(target, dragged, X, Y);
    }
}

void TForm1Logic::HgFMouseUp(FieldItem& component, bool rightButton) {
    if (!rightButton || !component.Draggable || !IsComponent(component)) {
        return;
    }
    std::int32_t x = 0;
    std::int32_t y = 0;
    switch (ExecuteKompDlg(component, x, y)) {
        case kKompOk:
            PlaceAtField(component, Experiment, x, y);
            Model.Slots[component.Tag].Placed = true;
            break;
        case kKompPutBack:
            if (ShowMessageDialog(Tr(kPutBackQuestion), Tr(kPutBackCaption), kMsgYesNo) ==
                kMsgYes) {
                Model.Slots[component.Tag].Placed = false;
                MoveToHomePlace(component);
            }
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------- geometry file

std::string TForm1Logic::GeometryFilter() const {
    return Tr(SIM_TR("Apparatus", "%1 fájlok"), {Model.ParticipantId}) + "|*." +
           Model.ParticipantId + "|" + Tr(kAllFiles) + "|*.*";
}

void TForm1Logic::Button1Click() {
    const std::optional<std::string> chosen = ExecuteSaveDialog();
    if (!chosen) {
        return;
    }
    if (SaveDialogInitialDir.empty()) {
        SaveDialogInitialDir = Model.ProgramDir;
    }
    // "con" would become con.Brk2017_..., the console on Windows: no name that means another
    // thing there, on any system.
    const std::string name = platform::TextOf(platform::PathOf(*chosen).filename());
    if (const std::optional<std::string> problem = WindowsNameProblem(name)) {
        ReportFailure(Tr(SIM_TR("Apparatus", "A(z) „%1” név nem használható:\r%2."),
                         {ShownText(name), *problem}));
        return;
    }
    const GeometryValues values = CollectGeometry(Components);
    const std::string path = GeometryFileName(*chosen, Model.ParticipantId);
    // The dialog asked about the chosen name; the file written carries the key as well, so
    // ask about that one.
    if (platform::KindBehind(path) != platform::Kind::Missing &&
        ShowMessageDialog(Tr(SIM_TR("Apparatus", "A(z) %1 fájl már létezik.\rFelülírjam?"),
                             {platform::TextOf(platform::PathOf(path).filename())}),
                          Tr(SIM_TR("Apparatus", "*** MEGERŐSÍTÉS ***")), kMsgYesNo) != kMsgYes) {
        return;
    }
    if (const std::optional<std::string> failure = SaveGeometryFile(path, values)) {
        ReportFailure(*failure);
    }
}

void TForm1Logic::Button2Click() {
    const std::optional<std::string> chosen = ExecuteOpenDialog(GeometryFilter());
    if (!chosen) {
        return;
    }
    if (OpenDialogInitialDir.empty()) {
        OpenDialogInitialDir = Model.ProgramDir;
    }
    const LoadedGeometry loaded = LoadGeometryFile(*chosen);
    if (!loaded.Values) {
        ReportFailure(loaded.Error);
        return;
    }
    if (!GeometryFitsPanel(*loaded.Values)) {
        ReportFailure(Tr(kGeometryOutsidePanel, {ShownText(*chosen)}));
        return;
    }
    ApplyGeometry(*loaded.Values, Components, Model.Slots);
}

void TForm1Logic::BeginShutdown() {
    shuttingDown_ = true;
    Timer3->SetEnabled(false);
    Model.MeasurementOn = false;
}

void TForm1Logic::Timer3Timer() {
    Model.MeasureElapsed += kMeasureTickSeconds;
    Edit7.Text = Format("%8.1f", Model.MeasureElapsed);
    if (!Model.EvaluateApparatus()) {
        RefreshApparatus();  // shows ErrorText: the count stops, the message opens
    }
    RefreshApparatus();
    const double expected = static_cast<double>(Model.CountFactor) * Model.DetectorRate;
    if (Model.CountFactor > 0) {
        Model.CounterValue = SaturatingAdd(Model.CounterValue, Model.Random.RandomCount(expected));
    } else {
        // The exact mode: -CountFactor formed in double, so the most negative factor is safe.
        Model.CounterValue = SaturateToInt32(-expected);
    }
    Edit6.Text = Format("%10d", Model.CounterValue);
    if ((CheckBox1.Checked && Model.MeasureElapsed >= Model.MeasureLimit) ||
        Model.CountFactor < 0) {
        BitBtn6Click();
    }
}

void TForm1Logic::BitBtn6Click() {
    const bool counted = Model.MeasurementOn && Model.MeasureElapsed > 0;
    Timer3->SetEnabled(false);
    BitBtn5.Enabled = true;
    Edit5.Enabled = true;
    BitBtn6.Enabled = false;
    Model.MeasurementOn = false;
    RefreshApparatus();
    // A series point is logged with its line, once the series has written it.
    if (counted && !seriesRunning_) {
        const std::int64_t own = std::int64_t{Model.CounterValue} - countBase_;
        CountFinished({Model.RotorSpeed, Model.MeasureElapsed,
                       SaturateToInt32(static_cast<double>(own)), 0});
    }
}

void TForm1Logic::BitBtn7Click() {
    countBase_ = 0;
    Model.MeasureElapsed = 0;
    Model.CounterValue = 0;
    Edit7.Text = Format("%10.2f", 0.0);
    Edit6.Text = Format("%10d", 0);
}

void TForm1Logic::Edit5Exit() {
    if (!CheckBox1.Checked) {
        return;
    }
    const auto limit = ParseWholeNumber(Edit5.Text);
    if (!limit) {
        ShowMessageDialog(Tr(SIM_TR("Apparatus", "Érvénytelen számformátum")),
                          Tr(kInputErrorCaption), kMsgOkOnly);
    } else if (*limit < 1) {
        ShowMessageDialog(Tr(SIM_TR("Apparatus", "Érvénytelen mérési idő")), Tr(kInputErrorCaption),
                          kMsgOkOnly);
    } else {
        return;
    }
    SelectAllAndFocus(Edit5);
}

void TForm1Logic::CheckBox1Click() {
    if (CheckBox1.Checked) {
        Edit5Exit();
    }
}

}  // namespace sim
