// What must hold after every action of the exerciser and around every tick of the program.
// Each check says what it saw when it fails; the engine reports the first one with the step.

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "apparatus/Main.h"
#include "apparatus/core/FactorFile.h"
#include "geometry/DragGhost.h"
#include "common/FileNames.h"
#include "common/Format.h"
#include "tests/TestSupport.h"
#include "tests/exerciser/Engine.h"

namespace sim::exerciser {

namespace fs = std::filesystem;

namespace {

// The rotor's highest speed plus the largest speed step a series may take beyond it.
constexpr double kHighestSpeed = kRotorSpeedMax + kMaxSpeedStep;
// Below this the pump's random floor can lift the pressure a little (it stays below it).
constexpr double kPumpFloorSpan = 5e-5;
constexpr int kTimer3 = 3;

std::string Place(const FieldItem& item) {
    return "(" + std::to_string(item.Left) + ", " + std::to_string(item.Top) + ")";
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A whole number written the way "%d" writes it, and nothing else.
std::optional<long long> WrittenNumber(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) {
        return std::nullopt;
    }
    const std::string digits = text.substr(i);
    char* end = nullptr;
    const long long value = std::strtoll(digits.c_str(), &end, 10);
    if (end == digits.c_str() || *end != '\0') {
        return std::nullopt;
    }
    return value;
}

}  // namespace

Engine::Places Engine::PlacesNow() {
    Places places{};
    const TForm1Logic& logic = Logic();
    for (int slot = 1; slot <= 6; ++slot) {
        places[static_cast<std::size_t>(2 * (slot - 1))] = logic.Components[slot]->Left;
        places[static_cast<std::size_t>(2 * (slot - 1) + 1)] = logic.Components[slot]->Top;
    }
    return places;
}

void Engine::CheckModel(const char* where, int afterTimer) {
    if (Stopping() || !form_) {
        return;
    }
    const TForm1Logic& logic = Logic();
    const ApparatusModel& m = logic.Model;
    const std::string at = std::string(" (") + where + ")";

    if (m.RotorSpeed != 0 && !m.LidClosed) {
        Fail("rotor-with-lid-open",
             Format("the rotor turns at %.0f/s with the lid open", m.RotorSpeed) + at);
        return;
    }
    if (!std::isfinite(m.RotorSpeed) || m.RotorSpeed != std::trunc(m.RotorSpeed) ||
        m.RotorSpeed < 0 || m.RotorSpeed > kHighestSpeed) {
        Fail("speed", Format("RotorSpeed is %.17g", m.RotorSpeed) + at);
        return;
    }

    // A pump that is on pumps: its tick runs.
    if (m.PumpOn && !logic.Timer1->Enabled()) {
        Fail("pump", "the pump is on, but its tick does not run" + at);
        return;
    }

    // The pressure lies between 0 and the ambient pressure (or the pump's floor, if the ambient
    // pressure is lower still). Only a lowered ambient pressure (a faktor.txt without line 3
    // after one with a higher line 3) can leave the chamber above it, and then the pressure
    // only falls back.
    const double ceiling = std::max(m.AmbientPressure, kPumpFloorSpan);
    if (!std::isfinite(m.Pressure) || m.Pressure < 0) {
        Fail("pressure", Format("Pressure is %.17g mbar, ambient %.17g", m.Pressure,
                                m.AmbientPressure) + at);
        return;
    }
    if (m.Pressure > ceiling && lastPressure_ && m.Pressure > *lastPressure_) {
        Fail("pressure", Format("Pressure rose from %.17g to %.17g mbar, above the ambient %.17g",
                                *lastPressure_, m.Pressure, m.AmbientPressure) + at);
        return;
    }
    lastPressure_ = m.Pressure;

    // The counter falls only through "Törlés" (which alone writes "%10.2f" into the time box,
    // and does so until the next tick) and in the exact mode, whose tick replaces it.
    if (m.CounterValue < 0) {
        Fail("counter", "CounterValue is " + std::to_string(m.CounterValue) + at);
        return;
    }
    if (lastCounter_ && m.CounterValue < *lastCounter_) {
        const bool cleared = m.CounterValue == 0 && logic.Edit7.Text == Format("%10.2f", 0.0);
        const bool exact = afterTimer == kTimer3 && m.CountFactor <= 0;
        if (!cleared && !exact) {
            Fail("counter", "the counter fell from " + std::to_string(*lastCounter_) + " to " +
                                std::to_string(m.CounterValue) + at);
            return;
        }
    }
    lastCounter_ = m.CounterValue;
    NoteCoverage();

    // While a count runs the components stay where they were when it began; only a loaded
    // geometry moves them (the load takes no notice of the count).
    if (m.MeasurementOn) {
        const Places places = PlacesNow();
        if (!countPlaces_) {
            countPlaces_ = places;
        } else if (places != *countPlaces_) {
            if (std::find(offeredLoads_.begin(), offeredLoads_.end(), places) ==
                offeredLoads_.end()) {
                std::string moved;
                for (int slot = 1; slot <= 6; ++slot) {
                    const auto k = static_cast<std::size_t>(2 * (slot - 1));
                    if (places[k] != (*countPlaces_)[k] || places[k + 1] != (*countPlaces_)[k + 1]) {
                        moved += " slot " + std::to_string(slot) + " to " +
                                 Place(*logic.Components[slot]);
                    }
                }
                Fail("moved-during-count", "a component moved while a count ran:" + moved + at);
                return;
            }
            countPlaces_ = places;
        }
    } else {
        countPlaces_.reset();
    }
}

void Engine::NoteLoads() {
    const Places places = PlacesNow();
    if (std::find(offeredLoads_.begin(), offeredLoads_.end(), places) != offeredLoads_.end()) {
        if (loadedPlaces_ != places || seen_.Where != places) {
            ++stats_.Loads;
        }
        loadedPlaces_ = places;
    } else if (seen_.Where && places != *seen_.Where) {
        ++stats_.Moves;
    }
    seen_.Where = places;
}

void Engine::NoteCoverage() {
    const TForm1Logic& l = Logic();
    const ApparatusModel& m = l.Model;
    const auto rising = [](bool now, bool& before) {
        const bool rose = now && !before;
        before = now;
        return rose ? 1 : 0;
    };
    stats_.LidClosings += static_cast<std::size_t>(rising(m.LidClosed, seen_.LidClosed));
    stats_.PumpDowns += static_cast<std::size_t>(rising(l.BitBtn3.Enabled, seen_.RotorStartFree));
    stats_.RotorRuns += static_cast<std::size_t>(
        rising(m.SpeedReached && m.RotorSpeed >= 100, seen_.SpeedReached));
    stats_.Counts += static_cast<std::size_t>(rising(m.MeasurementOn, seen_.MeasurementOn));
    const std::int32_t tags = l.Image2.Tag * 100 + l.Image3.Tag;
    if (tags != seen_.Tags && (l.Image2.Tag != 0 || l.Image3.Tag != 0)) {
        ++stats_.Mounts;
    }
    seen_.Tags = tags;
}

void Engine::CheckAll(const std::string& where) {
    if (Stopping() || !form_) {
        return;
    }
    CheckModel(where.c_str(), 0);
    NoteLoads();
    if (QApplication::activeModalWidget() == nullptr) {
        CheckWidgets();
    }
    CheckOverlap();
    CheckFiles();
    if (Stopping() && failure_->Detail.find(where) == std::string::npos) {
        failure_->Detail += " (" + where + ")";
    }
}

// What the widgets show equals the logic's records.
void Engine::CheckWidgets() {
    if (Stopping()) {
        return;
    }
    TForm1& f = Form();
    const TForm1Logic& l = Logic();
    const auto q = [](const std::string& text) { return QString::fromStdString(text); };
    struct Button {
        const QPushButton* Widget;
        const ButtonControl& Record;
        const char* Name;
    };
    const Button buttons[] = {
        {f.BitBtn1Widget, l.BitBtn1, "BitBtn1"}, {f.BitBtn2Widget, l.BitBtn2, "BitBtn2"},
        {f.BitBtn3Widget, l.BitBtn3, "BitBtn3"}, {f.BitBtn4Widget, l.BitBtn4, "BitBtn4"},
        {f.BitBtn5Widget, l.BitBtn5, "BitBtn5"}, {f.BitBtn6Widget, l.BitBtn6, "BitBtn6"},
        {f.BitBtn7Widget, l.BitBtn7, "BitBtn7"}, {f.BitBtn8Widget, l.BitBtn8, "BitBtn8"},
        {f.Button1Widget, l.Button1, "Button1"}, {f.Button2Widget, l.Button2, "Button2"},
    };
    for (const Button& b : buttons) {
        if (b.Widget->isEnabled() != b.Record.Enabled || b.Widget->text() != q(b.Record.Caption)) {
            Fail("widgets", std::string(b.Name) + " shows \"" + b.Widget->text().toStdString() +
                                "\" " + (b.Widget->isEnabled() ? "enabled" : "disabled") +
                                ", its record \"" + b.Record.Caption + "\" " +
                                (b.Record.Enabled ? "enabled" : "disabled"));
            return;
        }
    }
    struct Edit {
        const QLineEdit* Widget;
        const EditControl& Record;
        const char* Name;
    };
    for (const Edit& e : {Edit{f.MaskEdit1Widget, l.MaskEdit1, "MaskEdit1"},
                          Edit{f.Edit5Widget, l.Edit5, "Edit5"}, Edit{f.Edit6Widget, l.Edit6, "Edit6"},
                          Edit{f.Edit7Widget, l.Edit7, "Edit7"}}) {
        if (e.Widget->text() != q(e.Record.Text)) {
            Fail("widgets", std::string(e.Name) + " shows \"" + e.Widget->text().toStdString() +
                                "\", its record \"" + e.Record.Text + "\"");
            return;
        }
    }
    if (f.Edit5Widget->isEnabled() != l.Edit5.Enabled) {
        Fail("widgets", "Edit5's enabled state differs from its record");
        return;
    }
    if (f.CheckBox1Widget->isChecked() != l.CheckBox1.Checked) {
        Fail("widgets", "CheckBox1's tick differs from its record");
        return;
    }
    // Once the mouse button is up no drag goes on: no ghost, the pointer its own shape.
    if (pending_.empty() &&
        (f.Ghost()->isVisible() || QGuiApplication::overrideCursor() != nullptr)) {
        Fail("drag-lingers", "the mouse button is up, but a drag still shows its ghost or pointer");
        return;
    }
    if (f.Label8Widget->text() != q(l.Label8Text)) {
        Fail("widgets", "Label8 shows \"" + f.Label8Widget->text().toStdString() +
                            "\", its record \"" + l.Label8Text + "\"");
        return;
    }
    struct Item {
        const FieldItem& Record;
        const char* Name;
    };
    const Item items[] = {
        {l.Experiment, "Experiment"}, {l.Shape1, "Shape1"},   {l.Shape2, "Shape2"},
        {l.Shape3, "Shape3"},         {l.Shape4, "Shape4"},   {l.Shape12, "Shape12"},
        {l.Shape13, "Shape13"},       {l.Shape14, "Shape14"}, {l.Shape15, "Shape15"},
        {l.Shape16, "Shape16"},       {l.Shape17, "Shape17"}, {l.HgF, "HgF"},
        {l.Shape7, "Shape7"},         {l.Shape8, "Shape8"},   {l.Shape9, "Shape9"},
        {l.Shape10, "Shape10"},       {l.Shape11, "Shape11"}, {l.Image2, "Image2"},
        {l.Image3, "Image3"},         {l.Image4, "Image4"},   {l.Fedel, "Fedel"},
    };
    for (const Item& item : items) {
        const QWidget* widget = f.WidgetOf(item.Record);
        const QRect place(item.Record.Left, item.Record.Top, item.Record.Width, item.Record.Height);
        if (widget->geometry() != place || widget->isHidden() == item.Record.Visible) {
            const QRect shown = widget->geometry();
            Fail("widgets", std::string(item.Name) + Format(" shows %d,%d %dx%d %s", shown.x(),
                                                             shown.y(), shown.width(),
                                                             shown.height(),
                                                             widget->isHidden() ? "hidden" : "shown") +
                                Format(", its record %d,%d %dx%d %s", place.x(), place.y(),
                                       place.width(), place.height(),
                                       item.Record.Visible ? "shown" : "hidden"));
            return;
        }
    }
    // The stacking: the items' widgets lie in the panel in the order of the records.
    const QObjectList& children = f.Panel3->children();
    qsizetype previous = -1;
    for (const FieldItem* item : l.Stacking()) {
        const qsizetype index = children.indexOf(f.WidgetOf(*item));
        if (index <= previous) {
            Fail("widgets", "the panel's stacking differs from the records'");
            return;
        }
        previous = index;
    }
}

// No two components overlap on the field, except where a loaded geometry file put them: the
// load applies a file as it stands.
void Engine::CheckOverlap() {
    if (Stopping()) {
        return;
    }
    const TForm1Logic& l = Logic();
    const QRect field(l.Experiment.Left, l.Experiment.Top, l.Experiment.Width, l.Experiment.Height);
    const Places places = PlacesNow();
    const auto atLoadedPlace = [&](int slot) {
        const auto k = static_cast<std::size_t>(2 * (slot - 1));
        return loadedPlaces_ && (*loadedPlaces_)[k] == places[k] &&
               (*loadedPlaces_)[k + 1] == places[k + 1];
    };
    for (int a = 1; a <= 6; ++a) {
        for (int b = a + 1; b <= 6; ++b) {
            const FieldItem& p = *l.Components[a];
            const FieldItem& r = *l.Components[b];
            // In 64 bits: a place typed far out must not wrap.
            const std::int64_t left = std::max<std::int64_t>({p.Left, r.Left, field.left()});
            const std::int64_t right =
                std::min<std::int64_t>({std::int64_t{p.Left} + p.Width, std::int64_t{r.Left} + r.Width,
                                        std::int64_t{field.left()} + field.width()});
            const std::int64_t top = std::max<std::int64_t>({p.Top, r.Top, field.top()});
            const std::int64_t bottom =
                std::min<std::int64_t>({std::int64_t{p.Top} + p.Height, std::int64_t{r.Top} + r.Height,
                                        std::int64_t{field.top()} + field.height()});
            if (left < right && top < bottom && !(atLoadedPlace(a) && atLoadedPlace(b))) {
                Fail("overlap", "slots " + std::to_string(a) + " at " + Place(p) + " and " +
                                    std::to_string(b) + " at " + Place(r) +
                                    " overlap on the field");
                return;
            }
        }
    }
}

void Engine::CheckFiles() {
    CheckFolder(folder_);
    CheckFolder(folder_ / "sub");
}

// Every file in the program's folder is one the program or the exerciser may make, in its
// form: the result files whole lines, the geometry files 48 bytes (unless the exerciser put a
// damaged one there and the program has not replaced it), and nothing left half-made.
void Engine::CheckFolder(const fs::path& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (Stopping()) {
            return;
        }
        const std::string name = entry.path().filename().string();
        if (entry.is_directory()) {
            if (name != "sub" && name != "faktor.txt") {
                Fail("stray-file", "a folder " + entry.path().string());
            }
            continue;
        }
        if (name == "faktor.txt" || name == "Brenn2017.docx") {
            continue;
        }
        const auto stamp = std::make_pair(entry.file_size(error), entry.last_write_time(error));
        auto& checked = checkedFiles_[entry.path()];
        if (checked == stamp) {
            continue;
        }
        checked = stamp;
        if (StartsWith(name, ".Brk2017_") && EndsWith(name, ".lock")) {
            continue;
        }
        if (StartsWith(name, "Brk2017_") && EndsWith(name, ".txt")) {
            CheckResultFile(entry.path());
            continue;
        }
        // An earlier series kept beside the result file (.txt.1, .txt.2, ...): checked whole
        // while it was the result file, and kept as it was.
        const std::size_t kept = name.rfind(".txt.");
        if (StartsWith(name, "Brk2017_") && kept != std::string::npos && kept + 5 < name.size() &&
            name.find_first_not_of("0123456789", kept + 5) == std::string::npos) {
            const std::string content = testing::ReadFile(entry.path());
            if (!StartsWith(content, "Faktor= ") || !EndsWith(content, "\r\n")) {
                Fail("result-file", entry.path().string() + ": an earlier series not kept whole");
            }
            continue;
        }
        if (name.find(".Brk2017_") != std::string::npos) {
            const std::string content = testing::ReadFile(entry.path());
            const auto planted = planted_.find(entry.path());
            std::string& known = knownFiles_[entry.path()];
            if (known != content && (planted == planted_.end() || planted->second != content)) {
                ++stats_.Saves;
            }
            known = content;
            if (content.size() != 48 && (planted == planted_.end() || planted->second != content)) {
                Fail("geometry-file", entry.path().string() + " holds " +
                                          std::to_string(content.size()) + " bytes");
            }
            continue;
        }
        Fail("stray-file", entry.path().string());
    }
}

// "Faktor= %10d", then "%10.0f, %10d" lines for the set points 100, 100 + step, ..., none
// after the first one at or above 2000; every line ended by CR LF. Where the speed arrows moved
// during the series, the set points are what the arrows made them: whole speeds of the rotor's
// range (or of a series beyond it).
void Engine::CheckResultFile(const fs::path& path) {
    const std::string content = testing::ReadFile(path);
    const auto bad = [&](const std::string& why) {
        Fail("result-file", path.filename().string() + ": " + why + "; the file is \"" +
                                ShownText(content.substr(0, 400)) + "\"");
    };
    if (content.empty() || !EndsWith(content, "\r\n")) {
        bad("not whole lines");
        return;
    }
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t end = content.find("\r\n", start);
        lines.push_back(content.substr(start, end - start));
        start = end + 2;
    }
    const auto factor = StartsWith(lines[0], "Faktor= ") ? WrittenNumber(lines[0].substr(8))
                                                         : std::nullopt;
    if (!factor || *factor < INT32_MIN || *factor > INT32_MAX ||
        Format("Faktor= %10d", static_cast<int>(*factor)) != lines[0]) {
        bad("the first line is not \"Faktor= %10d\"");
        return;
    }
    std::size_t& counted = resultLines_[path];
    if (counted == 0 || lines.size() < counted) {
        ++stats_.Series;  // the file was made anew
        stats_.SeriesPoints += lines.size() - 1;
    } else {
        stats_.SeriesPoints += lines.size() - counted;
    }
    counted = lines.size();
    std::vector<long long> setpoints;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t comma = line.find(", ");
        const auto setpoint = comma == std::string::npos ? std::nullopt : WrittenNumber(line.substr(0, comma));
        const auto count = comma == std::string::npos ? std::nullopt : WrittenNumber(line.substr(comma + 2));
        if (!setpoint || !count || *count < 0 || *count > INT32_MAX ||
            Format("%10.0f, %10d", static_cast<double>(*setpoint), static_cast<int>(*count)) != line) {
            bad("line " + std::to_string(i + 1) + " is not \"%10.0f, %10d\"");
            return;
        }
        setpoints.push_back(*setpoint);
    }
    const auto moved = arrowsMovedInSeries_.find(path);
    if (moved != arrowsMovedInSeries_.end() && moved->second) {
        for (const long long setpoint : setpoints) {
            if (setpoint < 100 || static_cast<double>(setpoint) >= kHighestSpeed) {
                bad("a set point outside the rotor's speeds");
                return;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < setpoints.size(); ++i) {
        const bool rightValue =
            i == 0 ? setpoints[0] == 100
                   : setpoints[i] > setpoints[i - 1] &&
                         (i == 1 || setpoints[i] - setpoints[i - 1] == setpoints[1] - setpoints[0]);
        if (!rightValue || (i > 0 && setpoints[i - 1] >= 2000)) {
            bad("the set points do not go 100, 100 + step, ... up to the first at 2000 or more");
            return;
        }
    }
}

}  // namespace sim::exerciser
