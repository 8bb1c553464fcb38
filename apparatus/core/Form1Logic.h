#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "apparatus/core/Controls.h"
#include "common/Clock.h"
#include "common/DialogCodes.h"
#include "common/IdentifierClaim.h"
#include "common/IndexedArray.h"
#include "common/Translate.h"
#include "physics/ApparatusModel.h"

namespace sim {

// Every participant's identifier begins with this; it names the result and geometry files.
inline constexpr const char* kParticipantPrefix = "Brk2017_";
inline constexpr TrText kErrorCaption = SIM_TR("Apparatus", "*** HIBA! ***");
inline constexpr TrText kInputErrorCaption = SIM_TR("Apparatus", "*** HIBA ***");

// Captions of the controls; the lid's button shows what it will do.
inline constexpr TrText kLidCloseCaption = SIM_TR("Apparatus", "Fedél zár");
inline constexpr TrText kLidOpenCaption = SIM_TR("Apparatus", "Fedél nyit");
inline constexpr TrText kStartCaption = SIM_TR("Apparatus", "Start");
inline constexpr TrText kStopCaption = SIM_TR("Apparatus", "Stop");
inline constexpr TrText kSaveCaption = SIM_TR("Apparatus", "Mentés");
inline constexpr TrText kLoadCaption = SIM_TR("Apparatus", "Betöltés");
inline constexpr TrText kAutoStopCaption = SIM_TR("Apparatus", "Mérés leáll (s)");
inline constexpr TrText kClearCaption = SIM_TR("Apparatus", "Törlés");
// A geometry that would put a component outside the panel is not loaded (%1: the file).
inline constexpr TrText kGeometryOutsidePanel = SIM_TR(
    "Apparatus", "A geometria nem tölthető be, mert egy elem a panelen kívülre kerülne:\r%1");
// The file dialogs' filter that lists every file.
inline constexpr TrText kAllFiles = SIM_TR("Apparatus", "Minden fájl");

inline constexpr int kPumpTickMs = 10;
inline constexpr int kRotorTickMs = 10;
inline constexpr int kMeasureTickMs = 500;
// Counting time advances by exactly one tick's length per tick, whatever the wall clock did.
inline constexpr double kMeasureTickSeconds = kMeasureTickMs / 1000.0;

// One finished count as a log of the counts keeps it: its own counts, not the counter's sum
// (a second Start without "Törlés" adds to the counter but restarts the time).
struct FinishedCount {
    double Speed = 0;         // 1/s: a series point's set point, else the rotor's speed at the end
    double Seconds = 0;       // counting time
    std::int32_t Counts = 0;  // of this count alone
    int SeriesPoint = 0;      // 1, 2, ... within a speed series; 0 for a single count
};

// Where a running series is: its point being approached or counted, of how many.
struct SeriesProgress {
    int Point = 0;
    int Points = 0;
    double Setpoint = 0;
};

// The main window's state and handlers without any toolkit: the apparatus model, a plain record
// of every control the handlers touch, the three timers, and the few hooks a window overrides.
// A handler runs whether or not its button is enabled, as when other code performs it.
class TForm1Logic {
  public:
    TForm1Logic(Clock& clock, std::string programDir);
    virtual ~TForm1Logic();
    TForm1Logic(const TForm1Logic&) = delete;
    TForm1Logic& operator=(const TForm1Logic&) = delete;

    // The creation handler: model defaults, field layout, lid, stacking, one refresh. Call once,
    // once all that its hooks reach is built: a subclass at the end of its constructor, a
    // window that owns the logic after its widgets and dialogs.
    void FormCreate();

    // --- vacuum pump, rotor drive and lid ---
    void BitBtn8Click();  // lid
    void BitBtn1Click();  // pump start
    void BitBtn2Click();  // pump stop
    void Timer1Timer();
    void BitBtn3Click();  // rotor start
    void BitBtn4Click();  // rotor stop
    void Timer2Timer();
    void UpDown1Click(bool up);
    void RefreshApparatus();

    // --- measurement run ---
    void BitBtn5Click();  // start (a single count or a whole speed series)
    void BitBtn6Click();  // stop
    void BitBtn7Click();  // clear
    void Timer3Timer();
    void Edit5Exit();
    void CheckBox1Click();

    // --- placement of sources and components (drag and drop within the panel) ---
    // X, Y are the pointer's position in the target item's own pixels.
    bool Shape2DragOver(const FieldItem& target, const FieldItem& dragged, int X, int Y) const;
    void Shape2DragDrop(const FieldItem& target, FieldItem& dragged, int X, int Y);
    bool Shape6DragOver(const FieldItem& target, const FieldItem& dragged, int X, int Y);
    void ExperimentDragDrop(const FieldItem& target, FieldItem& dragged, int X, int Y);
    void Shape6DragDrop(FieldItem& target, FieldItem& dragged, int X, int Y);
    void HgFMouseUp(FieldItem& component, bool rightButton);
    bool ComponentCollides(std::int32_t x, std::int32_t y, const FieldItem& component) const;
    // The accept query and the drop of whatever item lies under the pointer; items without a
    // drag handler accept nothing.
    bool DragOver(const FieldItem& target, const FieldItem& dragged, int X, int Y);
    void DragDrop(FieldItem& target, FieldItem& dragged, int X, int Y);

    bool IsSource(const FieldItem& item) const { return &item == &Image2 || &item == &Image3; }
    bool IsSourceMarker(const FieldItem& item) const;
    bool IsComponent(const FieldItem& item) const;

    // --- geometry file ---
    void Button1Click();  // save
    void Button2Click();  // load
    std::string GeometryFilter() const;
    // Initial folders of the two file dialogs; set to the program's folder after the first
    // confirmed dialog.
    std::string SaveDialogInitialDir;
    std::string OpenDialogInitialDir;

    // Ends every wait of a running series so the program can close; the series closes its file.
    void BeginShutdown();
    bool ShuttingDown() const { return shuttingDown_; }
    bool SeriesRunning() const { return seriesRunning_; }
    // Only while a series runs.
    std::optional<SeriesProgress> Progress() const;
    // The set points a series with this step measures: 100, 100 + step, ... up to the first
    // at or above 2000.
    static int SeriesPoints(std::int32_t step);

    // Stacking order of the panel's items, bottom first.
    void BringToFront(FieldItem& item);
    void SendToBack(FieldItem& item);
    const std::vector<FieldItem*>& Stacking() const { return stacking_; }
    std::uint64_t StackingGeneration() const { return stackingGeneration_; }

    // Claims a typed identifier's files in the program's folder for as long as this window
    // lives, so that a second window cannot write the same result file; sets ParticipantId.
    // Returns the message to show instead when another program already uses the identifier
    // there. Where no lock file can be made (a read-only folder) the login goes on unclaimed:
    // nothing can be written there anyway.
    std::optional<std::string> ClaimIdentifier(const std::string& identifier);

    std::string ResultFilePath() const;
    std::string FactorFilePath() const;
    // Read instead when the program's folder has no faktor.txt; none when empty.
    std::string SystemFactorFilePath;

    ApparatusModel Model;

    // Panel2: lid, pump, rotor, geometry buttons.
    ButtonControl BitBtn8{Tr(kLidCloseCaption), true};
    ButtonControl BitBtn1{Tr(kStartCaption), false};
    ButtonControl BitBtn2{Tr(kStopCaption), false};
    EditControl MaskEdit1{std::to_string(kRotorSpeedMin), true};
    UpDownControl UpDown1;
    ButtonControl BitBtn3{Tr(kStartCaption), false};
    ButtonControl BitBtn4{Tr(kStopCaption), false};
    ButtonControl Button1{Tr(kSaveCaption), true};
    ButtonControl Button2{Tr(kLoadCaption), true};

    // Panel4: the measurement box.
    CheckBoxControl CheckBox1{Tr(kAutoStopCaption), false};
    EditControl Edit5{"10", true};
    EditControl Edit6{"0", true};
    EditControl Edit7{"0", true};
    ButtonControl BitBtn7{Tr(kClearCaption), true};
    ButtonControl BitBtn5{Tr(kStartCaption), true};
    ButtonControl BitBtn6{Tr(kStopCaption), false};

    // Panel3: the field, markers, home places, components, sources, lid.
    FieldItem Experiment;
    FieldItem Shape1, Shape2, Shape3, Shape4;  // source markers (bin, rotor top, bottom, bin)
    FieldItem Shape12, Shape13, Shape14, Shape15, Shape16, Shape17;  // home places
    FieldItem HgF, Shape7, Shape8, Shape9, Shape10, Shape11;         // components, slots 1..6
    FieldItem Image2, Image3;                                        // gold sources
    FieldItem Image4;                                                // lid symbol
    FieldItem Fedel;                                                 // lid
    FieldItem Label8;
    std::string Label8Text = "Label8";

    IndexedArray<FieldItem*, 1, kSlotCount> Components{};
    IndexedArray<FieldItem*, 1, kSlotCount> HomePlaces{};

    std::unique_ptr<Timer> Timer1;
    std::unique_ptr<Timer> Timer2;
    std::unique_ptr<Timer> Timer3;

  protected:
    // The one road for messages and questions; returns the pressed button's code.
    virtual int ShowMessageDialog(const std::string& text, const std::string& caption, int flags);
    // The file dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> ExecuteSaveDialog() { return std::nullopt; }
    virtual std::optional<std::string> ExecuteOpenDialog(const std::string& filter) {
        (void)filter;
        return std::nullopt;
    }
    virtual void UpdateMeters() {}
    virtual void HideForm2() {}
    virtual void SelectAllAndFocus(EditControl& edit) { (void)edit; }
    // The component position dialog: returns kKompOk (with the field position in x, y),
    // kKompCancel or kKompPutBack.
    virtual int ExecuteKompDlg(FieldItem& component, std::int32_t& x, std::int32_t& y) {
        (void)component;
        (void)x;
        (void)y;
        return kKompCancel;
    }
    // After every timer tick, and before a handler waits for events, so a window can show what
    // changed.
    virtual void ControlsChanged() {}
    // A single count has ended: by Stop, by its time, in the exact mode or by an error.
    virtual void CountFinished(const FinishedCount& count) { (void)count; }
    // A series point has been measured and its line written; the point has the line's numbers.
    virtual void SeriesPointMeasured(const FinishedCount& point) { (void)point; }

    Clock& clock_;

  private:
    struct SeriesFile;
    void InitialisePanelItems();
    bool ReadFactorFile();
    bool ReadMeasureLimit();
    void RunSpeedSeries();
    void WaitUntil(const std::function<bool()>& done);
    void FixComponents(bool fixed);
    // The rotor's Start may be pressed: lid closed, chamber evacuated, drive off.
    bool RotorMayStart() const;
    void ReportFailure(const std::string& text);

    std::optional<IdentifierClaim> claim_;
    std::vector<FieldItem*> stacking_;
    std::uint64_t stackingGeneration_ = 0;
    bool seriesRunning_ = false;
    bool shuttingDown_ = false;
    // The counter when the running count began, so that its own counts are known.
    std::int32_t countBase_ = 0;
};

}  // namespace sim
