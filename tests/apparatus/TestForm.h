#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "apparatus/core/Form1Logic.h"
#include "common/VirtualClock.h"

namespace sim::testing {

struct RecordedMessage {
    std::string Text;
    std::string Caption;
    int Flags = 0;
};

// The window's logic on a virtual clock, with every message recorded and answered.
class TestForm : public TForm1Logic {
  public:
    explicit TestForm(VirtualClock& clock, std::string programDir = {})
        : TForm1Logic(clock, std::move(programDir)) {
        FormCreate();
    }

    std::vector<RecordedMessage> Messages;
    std::deque<int> Answers;  // answered in order, then Answer
    std::deque<std::optional<std::string>> FileAnswers;
    std::string LastFilter;
    int KompResult = 2;
    std::int32_t KompX = 0;
    std::int32_t KompY = 0;
    int Answer = 1;
    int Form2Hidden = 0;
    EditControl* Selected = nullptr;
    int MeterUpdates = 0;

    // Closes the lid, starts the pump and runs the pump tick until the rotor may start.
    int PumpDown() {
        if (!Model.LidClosed) {
            BitBtn8Click();
        }
        BitBtn1Click();
        int ticks = 0;
        while (!BitBtn3.Enabled) {
            Timer1Timer();
            ++ticks;
        }
        return ticks;
    }

    void MountSource(FieldItem& source, const FieldItem& marker) {
        source.Left = marker.Left;
        source.Top = marker.Top;
        source.Tag = marker.Tag;
    }

    void PlaceComponent(int slot, int fieldX, int fieldY) {
        Components[slot]->Left = 16 + fieldX;
        Components[slot]->Top = 10 + fieldY;
        Model.Slots[slot].Placed = true;
    }

  private:
    std::optional<std::string> NextFileAnswer() {
        if (FileAnswers.empty()) {
            return std::nullopt;
        }
        auto answer = FileAnswers.front();
        FileAnswers.pop_front();
        return answer;
    }

  protected:
    int ShowMessageDialog(const std::string& text, const std::string& caption, int flags) override {
        Messages.push_back({text, caption, flags});
        if (!Answers.empty()) {
            const int answer = Answers.front();
            Answers.pop_front();
            return answer;
        }
        return Answer;
    }
    void HideForm2() override { ++Form2Hidden; }
    std::optional<std::string> ExecuteSaveDialog() override { return NextFileAnswer(); }
    std::optional<std::string> ExecuteOpenDialog(const std::string& filter) override {
        LastFilter = filter;
        return NextFileAnswer();
    }
    int ExecuteKompDlg(FieldItem& component, std::int32_t& x, std::int32_t& y) override {
        (void)component;
        x = KompX;
        y = KompY;
        return KompResult;
    }
    void SelectAllAndFocus(EditControl& edit) override { Selected = &edit; }
    void UpdateMeters() override { ++MeterUpdates; }
};

}  // namespace sim::testing
