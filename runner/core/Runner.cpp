#include "runner/core/Runner.h"

#include <stdlib.h>

#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "apparatus/core/FactorFile.h"
#include "common/Format.h"
#include "common/ReplaceFile.h"
#include "common/VirtualClock.h"
#include "runner/core/RunnerOptions.h"

namespace sim {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFactorFileName = "faktor.txt";

// A failure that ends the command with a one-line message.
struct BadInput {
    std::string Message;
};

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

std::string Reason(const std::error_code& error) {
    return error.message();
}

// The factor file the run's Start will read: the bytes to write and what they say.
struct FactorPlan {
    std::optional<std::string> Content;  // nothing: the run has no factor file
    std::int32_t CountFactor = kDefaultCountFactor;
    std::int32_t SpeedStep = kDefaultSpeedStep;
};

std::string ReadWholeFile(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        throw BadInput{path + ": " +
                       (fs::exists(path, error) ? "nem közönséges fájl" : "nem található")};
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in.good() && !in.eof()) {
        throw BadInput{path + ": nem olvasható"};
    }
    return content.str();
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

FactorPlan PlanFactorFile(const RunnerOptions& options) {
    FactorPlan plan;
    std::vector<std::string> lines;
    std::string source;
    if (options.FactorValuesGiven()) {
        source = "a --factor/--step/--pressure értékei";
        lines.push_back(std::to_string(options.Factor.value_or(kDefaultCountFactor)));
        lines.push_back(std::to_string(options.Step.value_or(kDefaultSpeedStep)));
        if (options.Pressure) {
            lines.push_back(Format("%.17g", *options.Pressure));
        }
        plan.Content = JoinLines(lines);
    } else {
        std::optional<std::string> path = options.FactorFile;
        std::error_code error;
        const std::string beside = (fs::path(options.OutputDir) / kFactorFileName).string();
        if (!path && fs::exists(beside, error)) {
            path = beside;
        }
        if (!path) {
            return plan;  // as the window without a factor file
        }
        source = *path;
        plan.Content = ReadWholeFile(*path);
        lines = SplitTextLines(*plan.Content);
    }

    const FactorSettings settings = ParseFactorLines(lines);
    if (settings.FailedLine != 0) {
        throw BadInput{source + ": " + OneLine(settings.Error)};
    }
    plan.CountFactor = settings.CountFactor.value_or(kDefaultCountFactor);
    plan.SpeedStep = settings.SpeedStep.value_or(kDefaultSpeedStep);

    // The exact mode is the window's own: a negative factor on line 1.
    if (options.Exact && plan.CountFactor > 0) {
        plan.CountFactor = -plan.CountFactor;
        if (lines.empty()) {
            lines.push_back(std::to_string(plan.CountFactor));
        } else {
            lines[0] = std::to_string(plan.CountFactor);
        }
        plan.Content = JoinLines(lines);
    }
    return plan;
}

// A private folder for the run inside the output folder: the factor file the run reads lives
// there, so a faktor.txt beside the results is never overwritten, and the result file is
// moved out by a rename once the series is over. Removed with everything in it.
class WorkFolder {
  public:
    explicit WorkFolder(const std::string& parent) {
        std::string pattern = (fs::path(parent) / ".trelko-runner-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw BadInput{parent + ": nem írható mappa (" +
                           Reason(std::error_code(errno, std::generic_category())) + ")"};
        }
        path_ = pattern;
    }
    ~WorkFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

void Require(const std::optional<std::string>& failure) {
    if (failure) {
        throw BadInput{*failure};
    }
}

FieldItem& MarkerFor(HeadlessForm& form, std::int32_t place, bool first) {
    switch (place) {
        case 1:
            return form.Shape2;
        case 9:
            return form.Shape3;
        default:
            return first ? form.Shape1 : form.Shape4;  // each source's own bin spot
    }
}

struct Outcome {
    std::int32_t CounterValue = 0;
    double MeasureElapsed = 0;
    std::int32_t CountFactor = 0;
    std::int32_t SpeedStep = 0;
    std::vector<RunPoint> Points;
    std::vector<RunMessage> Messages;
    std::optional<std::string> ResultFile;  // where the series' result file now is
};

// What a contestant does in the window, through its handlers and on the virtual clock.
Outcome RunApparatus(const RunnerOptions& options, const std::string& programDir,
                     const std::string& resultTarget) {
    VirtualClock virtualClock;
    MeasureTickClock clock(virtualClock);
    HeadlessForm form(clock, programDir);
    form.Model.ParticipantId = kParticipantPrefix + *options.Identifier;

    form.FileToOpen = options.GeometryPath;
    form.Button2Click();
    if (!form.Messages.empty()) {
        const std::string text = OneLine(form.Messages.front().Text);
        throw BadInput{text.find(options.GeometryPath) == std::string::npos
                           ? options.GeometryPath + ": " + text
                           : text};
    }
    form.Shape2DragDrop(MarkerFor(form, options.FirstSource, true), form.Image2, 0, 0);
    form.Shape2DragDrop(MarkerFor(form, options.SecondSource, false), form.Image3, 0, 0);

    form.BitBtn8Click();
    form.BitBtn1Click();
    virtualClock.RunUntil([&] { return form.BitBtn3.Enabled; });

    form.Edit5.Text = std::to_string(options.CountTime);
    form.CheckBox1.Checked = options.AutoStop;
    form.CheckBox1Click();

    const auto collect = [&] {
        Outcome outcome;
        outcome.CounterValue = form.Model.CounterValue;
        outcome.MeasureElapsed = form.Model.MeasureElapsed;
        outcome.CountFactor = form.Model.CountFactor;
        outcome.SpeedStep = form.Model.SpeedStep;
        outcome.Points = form.Points;
        outcome.Messages = form.Messages;
        return outcome;
    };

    if (options.Speed) {
        form.MaskEdit1.Text = std::to_string(*options.Speed);
        form.Model.SpeedReached = false;
        form.BitBtn3Click();
        virtualClock.RunUntil([&] { return form.Model.SpeedReached; });
        if (form.ApparatusErrorShown()) {
            return collect();
        }
    }

    form.BitBtn5Click();  // a whole series runs inside
    if (form.Model.SpeedStep == 0 && form.Model.MeasurementOn && form.Timer3->Enabled()) {
        const bool stopsItself = form.CheckBox1.Checked || form.Model.CountFactor < 0;
        virtualClock.RunUntil([&] {
            return !form.Model.MeasurementOn ||
                   (!stopsItself && form.Model.MeasureElapsed >= options.CountTime);
        });
        if (form.Model.MeasurementOn) {
            form.BitBtn6Click();  // the contestant's Stop once the time is up
            form.ClosePoint();
        }
    }

    Outcome outcome = collect();
    const std::string written = form.ResultFilePath();
    std::error_code error;
    if (fs::exists(written, error)) {
        fs::rename(written, resultTarget, error);
        if (error) {
            throw BadInput{resultTarget + ": az eredményfájl nem írható (" + Reason(error) + ")"};
        }
        outcome.ResultFile = resultTarget;
    }
    return outcome;
}

int Run(const RunnerOptions& options, std::ostream& out, std::ostream& err,
        const PngRenderer& png) {
    std::error_code error;
    if (!fs::is_directory(options.OutputDir, error)) {
        throw BadInput{options.OutputDir + ": nincs ilyen mappa"};
    }
    if (options.PlotPath && options.Plot == PlotFormat::Png && !png) {
        throw BadInput{*options.PlotPath + ": PNG rajzolása itt nem lehetséges"};
    }
    const FactorPlan factor = PlanFactorFile(options);
    if (factor.SpeedStep != 0 && !options.AutoStop && factor.CountFactor >= 0) {
        throw BadInput{
            "sorozat --no-auto-stop mellett csak pontos módban ér véget: a második ponttól a "
            "Stop gomb tiltva van"};
    }

    WorkFolder work(options.OutputDir);
    if (factor.Content) {
        Require(WriteFileReplacing((fs::path(work.Path()) / kFactorFileName).string(),
                                   *factor.Content));
    }
    const std::string participant = kParticipantPrefix + *options.Identifier;
    const std::string resultTarget =
        (fs::path(options.OutputDir) / (participant + ".txt")).string();
    const Outcome outcome = RunApparatus(options, work.Path() + "/", resultTarget);

    bool apparatusError = false;
    for (const RunMessage& message : outcome.Messages) {
        if (message.Caption != kErrorCaption) {
            throw BadInput{OneLine(message.Text)};
        }
    }
    for (const RunMessage& message : outcome.Messages) {
        std::string text = message.Text;
        for (char& c : text) {
            if (c == '\r') {
                c = '\n';
            }
        }
        err << text << "\n";
        apparatusError = true;
    }
    if (apparatusError) {
        return kRunnerApparatusError;
    }

    if (outcome.SpeedStep == 0) {
        out << "Számláló: " << outcome.CounterValue << "\n"
            << "Mérési idő (s): " << Format("%.1f", outcome.MeasureElapsed) << "\n";
    } else if (outcome.ResultFile) {
        out << "Eredményfájl: " << *outcome.ResultFile << "\n";
    }
    if (options.CsvPath) {
        Require(WriteFileReplacing(*options.CsvPath, FormatCsv(outcome.Points)));
    }
    if (options.PlotPath) {
        PlotData data;
        data.Title = participant + Format("   (Faktor= %d, mérési idő %d s)", outcome.CountFactor,
                                          options.CountTime);
        data.Points = outcome.Points;
        std::string image;
        if (options.Plot == PlotFormat::Png) {
            image = png(data);
            if (image.empty()) {
                throw BadInput{*options.PlotPath + ": a PNG kép nem készült el"};
            }
        } else {
            image = RenderSvgPlot(data);
        }
        Require(WriteFileReplacing(*options.PlotPath, image));
    }
    return kRunnerOk;
}

}  // namespace

std::string FormatCsv(const std::vector<RunPoint>& points) {
    std::string csv = "alapjel (1/s),beütésszám,várható beütésszám,szórás\r\n";
    for (const RunPoint& p : points) {
        csv += Format("%.0f,%d,%.4f,%.4f\r\n", p.Setpoint, p.Counts, p.Expected,
                      std::sqrt(std::max(p.Expected, 0.0)));
    }
    return csv;
}

std::optional<std::string> WriteFileReplacing(const std::string& path, const std::string& content) {
    const auto failure = ReplaceFile(path, content);
    if (!failure) {
        return std::nullopt;
    }
    const std::string reason = Reason(std::error_code(failure->Error, std::generic_category()));
    if (failure->At == ReplaceFileFailure::Stage::Create) {
        return path + ": nem hozható létre (" + reason + ")";
    }
    return path + ": nem írható (" + reason + ")";
}

int RunnerMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const PngRenderer& png) {
    const ParsedRunnerOptions parsed = ParseRunnerOptions(args);
    if (!parsed.Options) {
        err << kRunnerName << ": " << parsed.Error << "\n";
        return kRunnerBadInput;
    }
    if (parsed.Options->Help) {
        out << RunnerHelpText();
        return kRunnerOk;
    }
    try {
        return Run(*parsed.Options, out, err, png);
    } catch (const BadInput& bad) {
        err << kRunnerName << ": " << bad.Message << "\n";
    } catch (const std::exception& failure) {
        err << kRunnerName << ": " << OneLine(failure.what()) << "\n";
    }
    return kRunnerBadInput;
}

}  // namespace sim
