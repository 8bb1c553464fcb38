#include "tests/exerciser/Actions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <string>

#include "apparatus/Main.h"
#include "geometry/core/PanelLayout.h"
#include "tests/TestSupport.h"
#include "tests/exerciser/Engine.h"
#include "widgets/Shapes.h"

namespace sim::exerciser {

namespace fs = std::filesystem;

namespace {

QPoint PointIn(Rng& r, const QRect& area) {
    return {r.Int(area.left(), area.right()), r.Int(area.top(), area.bottom())};
}

// The panel and a margin around it, in panel coordinates.
QRect PanelWithMargin(int margin) {
    return {-margin, -margin, kPanelWidth + 2 * margin, kPanelHeight + 2 * margin};
}

// Where the mouse can reach an item: the part of it within the screen's reach of the panel. The
// position dialog takes any place far to the left or above, where no pointer goes (and where
// the toolkit's point arithmetic would overflow).
QRect RectOf(const FieldItem& item) {
    const QRect reach = PanelWithMargin(200);
    const QRect place = QRect(item.Left, item.Top, std::max(1, item.Width), std::max(1, item.Height))
                            .intersected(reach);
    return place.isEmpty() ? QRect(reach.left(), reach.top(), 1, 1) : place;
}

// A click at a random point of a widget, away from its edge, as a person aims.
void Click(Engine& e, QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    const QRect inner = widget->rect().adjusted(3, 3, -3, -3);
    QTest::mouseClick(widget, button, {}, inner.isValid() ? PointIn(e.R(), inner) : QPoint(1, 1));
}

template <QPushButton* TForm1::*Button>
void Press(Engine& e) {
    Click(e, e.Form().*Button);
}

// ---------------------------------------------------------------- the panel

// Any item of the field panel, the sources and components more often.
const FieldItem& RandomItem(Engine& e) {
    TForm1Logic& l = e.Logic();
    const std::vector<const FieldItem*> items = {
        &l.Image2,  &l.Image3,  &l.Image2,     &l.Image3,  &l.HgF,     &l.Shape7,  &l.Shape8,
        &l.Shape9,  &l.Shape10, &l.Shape11,    &l.HgF,     &l.Shape7,  &l.Shape8,  &l.Shape9,
        &l.Shape10, &l.Shape11, &l.Experiment, &l.Shape1,  &l.Shape2,  &l.Shape3,  &l.Shape4,
        &l.Shape12, &l.Shape13, &l.Shape14,    &l.Shape15, &l.Shape16, &l.Shape17, &l.Image4,
        &l.Fedel,   &l.Label8};
    return *e.R().Pick(items);
}

const FieldItem& RandomComponent(Engine& e) {
    return *e.Logic().Components[e.R().Int(1, 6)];
}

QPoint AnywhereInPanel(Engine& e, int margin) {
    return PointIn(e.R(), PanelWithMargin(margin));
}

// A press somewhere, a few moves, and a release somewhere: on the rotor's markers for a
// source, on the field's working area or on itself for a component, anywhere at all too.
void RandomDrag(Engine& e, std::int64_t holdMs) {
    Rng& r = e.R();
    TForm1Logic& l = e.Logic();
    const FieldItem* grabbed = nullptr;
    QPoint from;
    if (r.Chance(0.6)) {
        grabbed = &RandomItem(e);
        from = PointIn(r, RectOf(*grabbed));
    } else {
        from = AnywhereInPanel(e, 10);
    }
    QPoint to;
    const int kind = r.Int(0, 99);
    if (grabbed != nullptr && l.IsSource(*grabbed) && kind < 45) {
        const FieldItem* markers[] = {&l.Shape1, &l.Shape2, &l.Shape3, &l.Shape4};
        to = PointIn(r, RectOf(*markers[r.Int(0, 3)]));
    } else if (grabbed != nullptr && l.IsComponent(*grabbed) && kind < 45) {
        to = QPoint(16 + r.Int(430, 1020), 10 + r.Int(-20, 330));
    } else if (grabbed != nullptr && kind < 55) {
        to = PointIn(r, RectOf(*grabbed));  // a click, or a short move over itself
    } else if (kind < 80) {
        to = PointIn(r, RectOf(RandomItem(e)));
    } else {
        to = AnywhereInPanel(e, 100);
    }
    const int moves = r.Int(0, 4);
    const int pick = r.Int(0, 99);
    const Qt::MouseButton button = pick < 95 ? Qt::LeftButton
                                   : pick < 98 ? Qt::RightButton
                                               : Qt::MiddleButton;
    e.MouseDrag(from, to, moves, static_cast<int>(button), holdMs);
}

void Drag(Engine& e) {
    RandomDrag(e, 0);
}

void HoldDrag(Engine& e) {
    RandomDrag(e, e.R().Between(10, 20000));
}

// The drags that build a field: a source onto a marker, a component onto the working area.
void MountSource(Engine& e) {
    Rng& r = e.R();
    TForm1Logic& l = e.Logic();
    const FieldItem& source = r.Chance(0.5) ? l.Image2 : l.Image3;
    const FieldItem* markers[] = {&l.Shape2, &l.Shape3, &l.Shape2, &l.Shape3, &l.Shape1, &l.Shape4};
    e.MouseDrag(PointIn(r, RectOf(source)), PointIn(r, RectOf(*markers[r.Int(0, 5)])),
                r.Int(0, 3), Qt::LeftButton, 0);
}

void PlaceComponent(Engine& e) {
    Rng& r = e.R();
    e.MouseDrag(PointIn(r, RectOf(RandomComponent(e))),
                QPoint(16 + r.Int(440, 1010), 10 + r.Int(-10, 320)), r.Int(0, 3), Qt::LeftButton,
                0);
}

void RightClick(Engine& e) {
    Rng& r = e.R();
    const QPoint at =
        r.Chance(0.8) ? PointIn(r, RectOf(RandomComponent(e))) : AnywhereInPanel(e, 0);
    TForm1& f = e.Form();
    QWidget* widget = e.WidgetAtPanelPoint(at);
    QTest::mouseClick(widget, Qt::RightButton, {}, widget->mapFrom(&f, f.Panel3->mapTo(&f, at)));
}

// ---------------------------------------------------------------- the controls

void SpeedArrows(Engine& e) {
    Rng& r = e.R();
    const int presses = r.Int(1, 4);
    e.NoteSpeedArrows();
    for (int i = 0; i < presses; ++i) {
        auto* arrow = e.Form().UpDown1Widget->findChild<QToolButton*>(r.Chance(0.6) ? "Up" : "Down");
        Click(e, arrow);
    }
}

void AutoStop(Engine& e) {
    QTest::mouseClick(e.Form().CheckBox1Widget, Qt::LeftButton, {}, QPoint(5, 8));
}

std::string TypedNumber(Rng& r) {
    static const std::vector<std::string> typed = {
        "5", "20", "1", "0", "-3", " 7", "7 ", "$A", "0x14", "x1", "abc", "", "2147483647",
        "99999999999", "10", "1.5", "3", "2", "-2147483648", "0x7FFFFFFF", "١"};
    if (r.Chance(0.05)) {
        return std::string(static_cast<std::size_t>(r.Between(30, 300)), '9');
    }
    return r.Pick(typed);
}

void TypeTime(Engine& e) {
    Rng& r = e.R();
    QLineEdit* edit = e.Form().Edit5Widget;
    Click(e, edit);
    if (r.Chance(0.6)) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    }
    TypeText(edit, TypedNumber(r));
    const int then = r.Int(0, 9);
    if (then < 4) {
        QTest::keyClick(edit, Qt::Key_Tab);
    } else if (then < 5) {
        QTest::keyClick(edit, Qt::Key_Backtab);
    }
}

// What a contestant does on purpose, a few clicks and waits in a row, so that the random
// actions around them start from the states a measurement needs.
void ClickIfEnabled(Engine& e, QPushButton* button) {
    if (button->isEnabled()) {
        Click(e, button);
    }
}

void RoutineOpenAndBuild(Engine& e) {
    TForm1& f = e.Form();
    TForm1Logic& l = e.Logic();
    Rng& r = e.R();
    if (l.Model.LidClosed) {
        ClickIfEnabled(e, f.BitBtn6Widget);
        ClickIfEnabled(e, f.BitBtn4Widget);
        e.PassTimeUntil([&l] { return !l.Timer2->Enabled(); }, 30000);
        ClickIfEnabled(e, f.BitBtn2Widget);
        e.PassTimeUntil([&l] { return l.BitBtn8.Enabled; }, 5000);
        ClickIfEnabled(e, f.BitBtn8Widget);
    }
    const int mount = r.Int(0, 9);
    const FieldItem* first = mount < 9 ? &l.Shape2 : &l.Shape1;
    const FieldItem* second = mount < 8 ? &l.Shape3 : &l.Shape2;
    e.MouseDrag(PointIn(r, RectOf(l.Image2)), PointIn(r, RectOf(*first)), 2, Qt::LeftButton, 0);
    e.MouseDrag(PointIn(r, RectOf(l.Image3)), PointIn(r, RectOf(*second)), 2, Qt::LeftButton, 0);
    const FieldItem* const components[] = {&l.Shape7, &l.HgF, &RandomComponent(e)};
    for (const FieldItem* component : components) {
        e.MouseDrag(PointIn(r, RectOf(*component)),
                    QPoint(16 + r.Int(450, 1000), 10 + r.Int(0, 310)), 2, Qt::LeftButton, 0);
    }
}

void RoutineSpinUp(Engine& e) {
    TForm1& f = e.Form();
    TForm1Logic& l = e.Logic();
    if (!l.Model.LidClosed) {
        ClickIfEnabled(e, f.BitBtn8Widget);
    }
    ClickIfEnabled(e, f.BitBtn1Widget);
    e.PassTimeUntil([&l] { return l.BitBtn3.Enabled; }, 25000);
    SpeedArrows(e);
    ClickIfEnabled(e, f.BitBtn3Widget);
    e.PassTimeUntil([&l] { return l.Model.SpeedReached; }, 30000);
}

void RoutineMeasure(Engine& e) {
    TForm1& f = e.Form();
    TForm1Logic& l = e.Logic();
    Rng& r = e.R();
    if (!l.CheckBox1.Checked) {
        AutoStop(e);
    }
    QLineEdit* edit = f.Edit5Widget;
    Click(e, edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    TypeText(edit, std::to_string(r.Int(1, 10)));
    ClickIfEnabled(e, f.BitBtn5Widget);
    e.PassTimeUntil([&l] { return !l.Model.MeasurementOn; }, 30000);
}

// Keys on whatever has the focus.
void Key(Engine& e) {
    Rng& r = e.R();
    struct Press {
        int Key;
        Qt::KeyboardModifiers Modifiers;
    };
    static const std::vector<Press> keys = {
        {Qt::Key_Tab, {}},    {Qt::Key_Tab, {}},       {Qt::Key_Backtab, {}}, {Qt::Key_Left, {}},
        {Qt::Key_Right, {}},  {Qt::Key_Up, {}},        {Qt::Key_Down, {}},    {Qt::Key_Return, {}},
        {Qt::Key_Enter, {}},  {Qt::Key_Space, {}},     {Qt::Key_Space, {}},   {Qt::Key_Space, {}},
        {Qt::Key_Escape, {}}, {Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}},  {Qt::Key_Home, {}},
        {Qt::Key_End, {}},    {Qt::Key_1, {}},         {Qt::Key_9, {}},       {Qt::Key_0, {}},
        {Qt::Key_A, Qt::ControlModifier},              {Qt::Key_Z, Qt::ControlModifier},
    };
    const int count = r.Int(1, 3);
    for (int i = 0; i < count; ++i) {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr || target->window() != &e.Form()) {
            target = &e.Form();
        }
        if (r.Chance(0.25)) {
            QTest::keyClick(target, static_cast<char>('a' + r.Int(0, 25)));
        } else {
            const Press& press = r.Pick(keys);
            QTest::keyClick(target, static_cast<Qt::Key>(press.Key), press.Modifiers);
        }
    }
}

// ---------------------------------------------------------------- menu and closing

void MenuAbout(Engine& e) {
    e.Form().Nvjegy1->trigger();
}

void MenuHelp(Engine& e) {
    const fs::path document = e.Folder() / "Brenn2017.docx";
    if (e.R().Chance(0.5)) {
        std::error_code ignored;
        if (fs::exists(document)) {
            fs::remove(document, ignored);
        } else {
            testing::WriteFile(document, "PK\x03\x04");
        }
    }
    e.Form().Lers1->trigger();
}

void Close(Engine& e) {
    if (e.R().Chance(0.5)) {
        e.Form().Vge1->trigger();
    } else {
        e.Form().close();
    }
}

// ---------------------------------------------------------------- files

std::string LineEnd(Rng& r) {
    static const std::vector<std::string> ends = {"\r\n", "\r\n", "\n", "\r"};
    return r.Pick(ends);
}

// A new faktor.txt, written between two clicks as an organiser might: valid settings of every
// kind (a series among them), damaged ones, none at all, or a folder in its place.
void Faktor(Engine& e) {
    Rng& r = e.R();
    const fs::path path = e.Folder() / "faktor.txt";
    std::error_code ignored;
    fs::remove_all(path, ignored);
    const int kind = r.Int(0, 99);
    if (kind < 12) {
        return;  // none
    }
    if (kind < 16) {
        testing::WriteFile(path, "");
        return;
    }
    if (kind < 20) {
        fs::create_directory(path, ignored);
        return;
    }
    if (kind < 30) {
        std::string bytes(static_cast<std::size_t>(r.Between(1, 300)), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(r.Int(0, 255));
        }
        testing::WriteFile(path, bytes);
        return;
    }
    static const std::vector<std::string> factors = {
        "200", "200", "1000", "50", "1", "-200", "-1", "0", "2147483647", "-2147483648",
        "$C8", "0x10", " 200", "200 ", "abc", "99999999999", "\xEF\xBB\xBF" "200"};
    static const std::vector<std::string> steps = {
        "0", "0", "0", "950", "950", "1900", "1900", "300", "50", "1901", "-50", "$32", "", "x"};
    static const std::vector<std::string> pressures = {
        "980", "980", "1e-6", "1e-6", "5", "0", "2000", "-5", "1e300", "abc", "", "4e-5", "9.5"};
    std::string text = r.Pick(factors);
    const int lines = r.Int(1, 4);
    if (lines >= 2) {
        text += LineEnd(r) + r.Pick(steps);
    }
    if (lines >= 3) {
        text += LineEnd(r) + r.Pick(pressures);
    }
    if (lines >= 4) {
        text += LineEnd(r) + "extra";
    }
    if (r.Chance(0.7)) {
        text += LineEnd(r);
    }
    testing::WriteFile(path, text);
}

void PutInt(std::string& bytes, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int b = 0; b < 4; ++b) {
        bytes += static_cast<char>((v >> (8 * b)) & 0xFF);
    }
}

// A geometry file that is not what the program writes: short, damaged, or places that overlap
// or lie off the panel.
void PlantGeometry(Engine& e) {
    Rng& r = e.R();
    static const std::vector<std::string> names = {"g", "g1", "geo", "kapott"};
    const std::string key = r.Chance(0.8) ? e.ParticipantId() : std::string("Brk2017_b");
    const fs::path path = (r.Chance(0.8) ? e.Folder() : e.Folder() / "sub") / (r.Pick(names) + "." + key);
    std::string content;
    const int kind = r.Int(0, 99);
    if (kind < 10) {
        // empty
    } else if (kind < 35) {
        content.assign(static_cast<std::size_t>(r.Between(1, 47)), '\0');
        for (char& c : content) {
            c = static_cast<char>(r.Int(0, 255));
        }
    } else if (kind < 55) {
        // Every component near one spot of the field: they overlap.
        for (int slot = 0; slot < 6; ++slot) {
            PutInt(content, 16 + 500 + r.Int(-30, 30));
            PutInt(content, 10 + 100 + r.Int(-30, 30));
        }
    } else if (kind < 70) {
        for (int slot = 0; slot < 6; ++slot) {
            PutInt(content, 16 + r.Int(0, 1000));
            PutInt(content, 10 + r.Int(0, 310));
        }
    } else if (kind < 85) {
        for (int slot = 0; slot < 12; ++slot) {
            PutInt(content, static_cast<std::int32_t>(r.Next()));
        }
    } else {
        for (int slot = 0; slot < 6; ++slot) {
            PutInt(content, 16 + r.Int(0, 1000));
            PutInt(content, 10 + r.Int(0, 310));
        }
        content.append(static_cast<std::size_t>(r.Between(1, 60)), 'x');
    }
    testing::WriteFile(path, content);
    e.NotePlanted(path, content);
}

// ---------------------------------------------------------------- time

void TimeTick(Engine& e) {
    e.PassTime(10);
}

void TimeHalfSecond(Engine& e) {
    e.PassTime(500);
}

void TimeSecond(Engine& e) {
    e.PassTime(1000);
}

void TimeSeconds(Engine& e) {
    e.PassTime(e.R().Between(1000, 30000));
}

void TimePumpDown(Engine& e) {
    e.PassTimeUntil([&e] { return e.Logic().BitBtn3.Enabled; }, 25000);
}

void TimeUntilSettled(Engine& e) {
    e.PassTimeUntil(
        [&e] { return !e.Logic().Timer2->Enabled() && !e.Logic().Model.MeasurementOn; }, 120000);
}

void Idle(Engine& e) {
    (void)e;
    QCoreApplication::processEvents();
}

}  // namespace

const std::vector<ActionRow>& ActionTable() {
    static const std::vector<ActionRow> table = {
        {"press-BitBtn8", 40, true, &Press<&TForm1::BitBtn8Widget>},
        {"press-BitBtn1", 30, true, &Press<&TForm1::BitBtn1Widget>},
        {"press-BitBtn2", 25, true, &Press<&TForm1::BitBtn2Widget>},
        {"press-BitBtn3", 35, true, &Press<&TForm1::BitBtn3Widget>},
        {"press-BitBtn4", 25, true, &Press<&TForm1::BitBtn4Widget>},
        {"press-BitBtn5", 50, true, &Press<&TForm1::BitBtn5Widget>},
        {"press-BitBtn6", 30, true, &Press<&TForm1::BitBtn6Widget>},
        {"press-BitBtn7", 20, true, &Press<&TForm1::BitBtn7Widget>},
        {"press-Button1", 25, true, &Press<&TForm1::Button1Widget>},
        {"press-Button2", 25, true, &Press<&TForm1::Button2Widget>},
        {"speed-arrows", 40, true, &SpeedArrows},
        {"auto-stop", 25, true, &AutoStop},
        {"type-time", 35, true, &TypeTime},
        {"key", 40, true, &Key},
        {"drag", 110, true, &Drag},
        {"hold-drag", 15, true, &HoldDrag},
        {"mount-source", 25, true, &MountSource},
        {"place-component", 30, true, &PlaceComponent},
        {"right-click", 40, true, &RightClick},
        {"menu-about", 8, true, &MenuAbout},
        {"menu-help", 8, true, &MenuHelp},
        {"close", 15, true, &Close},
        {"faktor", 30, true, &Faktor},
        {"plant-geometry", 10, true, &PlantGeometry},
        {"routine-open-and-build", 12, false, &RoutineOpenAndBuild},
        {"routine-spin-up", 10, false, &RoutineSpinUp},
        {"routine-measure", 12, false, &RoutineMeasure},
        {"time-tick", 30, false, &TimeTick},
        {"time-half-second", 25, false, &TimeHalfSecond},
        {"time-second", 30, false, &TimeSecond},
        {"time-seconds", 20, false, &TimeSeconds},
        {"time-pump-down", 15, false, &TimePumpDown},
        {"time-until-settled", 10, false, &TimeUntilSettled},
        {"idle", 10, true, &Idle},
    };
    return table;
}

const ActionRow* FindAction(std::string_view name) {
    for (const ActionRow& row : ActionTable()) {
        if (name == row.Name) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace sim::exerciser
