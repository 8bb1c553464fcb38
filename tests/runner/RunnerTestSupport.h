#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "apparatus/core/Form1Logic.h"
#include "common/VirtualClock.h"
#include "geometry/core/GeometryFile.h"
#include "runner/core/Runner.h"
#include "tests/TestSupport.h"

namespace sim::testing {

namespace fs = std::filesystem;

// Panel places of the six components: target and detector on the field, the shields where
// they start in the bins (or everything in the bins).
inline GeometryValues TargetAndDetector() {
    return {486, 160, 616, 160, 1095, 312, 1125, 312, 1154, 312, 1183, 312};
}
inline GeometryValues TargetOnly() {
    GeometryValues values = TargetAndDetector();
    values[2] = 1123;
    values[3] = 215;
    return values;
}
inline GeometryValues AllInBins() {
    return {1121, 119, 1123, 215, 1095, 312, 1125, 312, 1154, 312, 1183, 312};
}

// The main window's logic as a contestant uses it: the open dialog answers with a path given
// beforehand, every message is recorded.
class WindowForm : public TForm1Logic {
  public:
    WindowForm(VirtualClock& clock, std::string programDir)
        : TForm1Logic(clock, std::move(programDir)) {
        FormCreate();
    }
    std::optional<std::string> OpenAnswer;
    std::vector<std::string> Messages;

  protected:
    int ShowMessageDialog(const std::string& text, const std::string& caption, int flags) override {
        (void)caption;
        (void)flags;
        Messages.push_back(text);
        return 1;
    }
    std::optional<std::string> ExecuteOpenDialog(const std::string& filter) override {
        (void)filter;
        return OpenAnswer;
    }
};

// The runner in this process, as its program calls it (without a PNG painter).
inline Invocation Invoke(const std::vector<std::string>& args) {
    return InvokeMain([](const auto& a, auto& out, auto& err) { return RunnerMain(a, out, err); },
                      args);
}

// A scratch folder per test.
class RunnerFolder : public ::testing::Test {
  protected:
    std::string SaveGeometry(const GeometryValues& values, const std::string& name) {
        const std::string path = (dir / name).string();
        EXPECT_FALSE(SaveGeometryFile(path, values).has_value());
        return path;
    }

    ScratchFolder scratch{"runner"};
    fs::path dir = scratch.Path();
};

}  // namespace sim::testing
