#include "runner/core/RunnerOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <string_view>
#include <tuple>
#include <utility>

#include "apparatus/core/FactorFile.h"
#include "common/Conversions.h"
#include "common/FileNames.h"
#include "common/Platform.h"
#include "common/Translate.h"
#include "runner/core/Plot.h"

namespace sim {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

std::optional<std::int32_t> WholeInRange(const std::string& text, std::int32_t low,
                                         std::int32_t high) {
    const auto value = ParseWholeNumber(text);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> RotorPlace(std::string_view text) {
    const auto value = ParseWholeNumber(text);
    if (!value || (*value != 0 && *value != 1 && *value != 9)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::pair<std::int32_t, std::int32_t>> Sources(const std::string& text) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const auto first = RotorPlace(std::string_view(text).substr(0, comma));
    const auto second = RotorPlace(std::string_view(text).substr(comma + 1));
    if (!first || !second) {
        return std::nullopt;
    }
    return std::pair{*first, *second};
}

// A bad command line, with the one line the runner prints for it.
class OptionError : public CLI::ParseError {
  public:
    explicit OptionError(const std::string& message)
        : CLI::ParseError("OptionError", message, CLI::ExitCodes::ValidationError) {}
};

// A refused value is shown cut to this many bytes, so an overlong one stays a readable line.
constexpr std::size_t kShownValueBytes = 60;

[[noreturn]] void Refuse(const std::string& why, const std::string& value) {
    throw OptionError(why + ": \"" + ShownText(value, kShownValueBytes) + "\"");
}

// The value read from an option's text, or the refusal: why, and the text as given.
template <typename T>
T Require(std::optional<T> value, const std::string& why, const std::string& text) {
    if (!value) {
        Refuse(why, text);
    }
    return *value;
}

const std::string& NotEmpty(const std::string& value, const std::string& message) {
    if (value.empty()) {
        throw OptionError(message);
    }
    return value;
}

PlotFormat PlotFormatOf(const std::string& path) {
    if (EndsWithNoCase(path, ".png")) {
        return PlotFormat::Png;
    }
    if (!EndsWithNoCase(path, ".svg")) {
        Refuse(Tr(SIM_TR("Runner", "--plot: a fájlnév .png vagy .svg végű legyen")), path);
    }
    return PlotFormat::Svg;
}

// The command line as CLI11 reads it, left to right. Each option's value is checked as soon as
// it is read, so the first mistake on the line is the one reported. What CLI11 cannot place (an
// unknown option, a second file name) it sets aside until the end; every option read after it
// reports it first.
class CommandLine : public CLI::App {
  public:
    explicit CommandLine(std::string& geometryPath) {
        set_help_flag();
        allow_extras();
        // On Windows too: "/x" is a path, never an option.
        allow_windows_style_options(false);
        geometry_ = add_option("geometry", geometryPath);
        add_option("-h,--help",
                   [this](const CLI::results_t& given) -> bool {
                       RejectEarlierMistake();
                       if (given.front() != kSwitchGiven) {
                           throw OptionError(UnknownOption("--help=" + given.front()));
                       }
                       throw CLI::CallForHelp();
                   })
            ->expected(0)
            ->trigger_on_parse();
    }

    // An option whose value is the next argument or follows "=".
    CLI::Option* Valued(const std::string& name, std::function<void(const std::string&)> take) {
        return add_option_function<std::string>(
                   name,
                   [this, take = std::move(take)](const std::string& value) {
                       RejectEarlierMistake();
                       take(value);
                   })
            ->trigger_on_parse();
    }

    // An option without a value; CLI11 hands it what followed "=", if anything did.
    void Switch(const std::string& name, std::function<void()> take) {
        add_option(name,
                   [this, name, take = std::move(take)](const CLI::results_t& given) {
                       RejectEarlierMistake();
                       if (given.front() != kSwitchGiven) {
                           throw OptionError(
                               Tr(SIM_TR("Runner", "a(z) %1 opciónak nincs értéke"), {name}));
                       }
                       take();
                       return true;
                   })
            ->expected(0)
            ->trigger_on_parse();
    }

    // A mistake among the arguments read so far that no option's check has reported: an empty
    // file name, or the first argument set aside (a second file name is set aside as a plain
    // argument; the "--" that ends the options is kept there too, and is no mistake).
    std::optional<std::string> EarlierMistake() const {
        if (GeometryGiven() && geometry_->results().front().empty()) {
            return Tr(SIM_TR("Runner", "üres geometriafájl-név"));
        }
        for (const auto& [kind, arg] : missing_) {
            if (kind == CLI::detail::Classifier::NONE) {
                return Tr(SIM_TR("Runner", "egynél több geometriafájl: \"%1\""), {arg});
            }
            if (kind != CLI::detail::Classifier::POSITIONAL_MARK) {
                return UnknownOption(arg);
            }
        }
        return std::nullopt;
    }

    void RejectEarlierMistake() const {
        if (const auto mistake = EarlierMistake()) {
            throw OptionError(*mistake);
        }
    }

    bool GeometryGiven() const { return geometry_->count() > 0; }

  private:
    // What CLI11 hands a switch given without "=".
    static constexpr const char* kSwitchGiven = "true";

    static std::string UnknownOption(const std::string& arg) {
        return Tr(SIM_TR("Runner", "ismeretlen opció: %1 (lásd: %2 --help)"), {arg, kRunnerName});
    }

    CLI::Option* geometry_ = nullptr;
};

// The checks that need the whole command line, in the order they are reported.
std::optional<std::string> CompleteOptions(RunnerOptions& options, bool geometryGiven,
                                           bool sourcesGiven) {
    if (!geometryGiven) {
        return Tr(SIM_TR("Runner", "hiányzik a geometriafájl (lásd: %1 --help)"), {kRunnerName});
    }
    if (!sourcesGiven) {
        return Tr(SIM_TR("Runner",
                         "hiányzik a --sources (a két forrás rotorpozíciója, pl. --sources 1,9)"));
    }
    if (options.FactorFile && options.FactorValuesGiven()) {
        return Tr(SIM_TR("Runner",
                         "a --factor-file és a --factor/--step/--pressure együtt nem adható meg"));
    }
    if (!options.Identifier) {
        const auto fromName = IdentifierFromGeometryName(options.GeometryPath);
        if (!fromName) {
            return Tr(
                SIM_TR("Runner", "hiányzik az --id (a geometriafájl kiterjesztése nem .%1...)"),
                {kParticipantPrefix});
        }
        if (!IdentifierAllowed(*fromName)) {
            return Tr(
                SIM_TR("Runner",
                       "a geometriafájl nevéből vett azonosító nem lehet fájlnév része: \"%1\""),
                {*fromName});
        }
        if (const auto problem = WindowsNameProblem(*fromName)) {
            return Tr(SIM_TR("Runner",
                             "a geometriafájl nevéből vett azonosító nem használható: %1: \"%2\""),
                      {*problem, *fromName});
        }
        options.Identifier = fromName;
    }
    return std::nullopt;
}

ParsedRunnerOptions Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

}  // namespace

std::optional<std::string> IdentifierFromGeometryName(const std::string& path) {
    const std::string name = platform::TextOf(platform::PathOf(path).filename());
    const std::string key = std::string(".") + kParticipantPrefix;
    const auto at = name.rfind(key);
    if (at == std::string::npos || at + key.size() == name.size()) {
        return std::nullopt;
    }
    return name.substr(at + key.size());
}

bool IdentifierAllowed(const std::string& identifier) {
    return !identifier.empty() && identifier.size() <= kMaxIdentifierLength &&
           IsSafeFileNamePart(identifier);
}

ParsedRunnerOptions ParseRunnerOptions(const std::vector<std::string>& args) {
    RunnerOptions options;
    CommandLine line(options.GeometryPath);
    const CLI::Option* sources = line.Valued("--sources", [&](const std::string& value) {
        std::tie(options.FirstSource, options.SecondSource) =
            Require(Sources(value),
                    Tr(SIM_TR("Runner",
                              "--sources: két rotorpozíció kell vesszővel (0, 1 vagy 9), pl. 1,9")),
                    value);
    });
    line.Valued("--factor-file", [&](const std::string& value) {
        options.FactorFile = NotEmpty(value, Tr(SIM_TR("Runner", "--factor-file: üres fájlnév")));
    });
    line.Valued("--factor", [&](const std::string& value) {
        options.Factor = Require(ParseWholeNumber(value),
                                 Tr(SIM_TR("Runner", "--factor: nem egész szám")), value);
    });
    line.Valued("--step", [&](const std::string& value) {
        options.Step =
            Require(ParseWholeNumber(value), Tr(SIM_TR("Runner", "--step: nem egész szám")), value);
        if (*options.Step < 0 || *options.Step > kMaxSpeedStep) {
            Refuse(Tr(SIM_TR("Runner", "--step: a lépésköz 0 és %1 közötti egész szám"),
                      {std::to_string(kMaxSpeedStep)}),
                   value);
        }
    });
    line.Valued("--pressure", [&](const std::string& value) {
        options.Pressure =
            Require(ParseReal(value), Tr(SIM_TR("Runner", "--pressure: nem valós szám")), value);
        // The chamber would take a pressure below vacuum, and the meter would show it.
        if (*options.Pressure < 0) {
            Refuse(Tr(SIM_TR("Runner", "--pressure: a nyomás nem lehet negatív")), value);
        }
    });
    line.Valued("--time", [&](const std::string& value) {
        options.CountTime =
            Require(WholeInRange(value, 1, kMaxCountTime),
                    Tr(SIM_TR("Runner", "--time: a mérési idő 1 és %1 közötti egész szám"),
                       {std::to_string(kMaxCountTime)}),
                    value);
    });
    line.Switch("--auto-stop", [&] { options.AutoStop = true; });
    line.Switch("--no-auto-stop", [&] { options.AutoStop = false; });
    line.Valued("--speed", [&](const std::string& value) {
        options.Speed =
            Require(WholeInRange(value, kRotorSpeedMin, kRotorSpeedMax),
                    Tr(SIM_TR("Runner",
                              "--speed: a fordulatszám %1 és %2 közötti "
                              "egész szám"),
                       {std::to_string(kRotorSpeedMin), std::to_string(kRotorSpeedMax)}),
                    value);
    });
    line.Switch("--exact", [&] { options.Exact = true; });
    line.Valued("--id", [&](const std::string& value) {
        if (value.size() > kMaxIdentifierLength) {
            Refuse(Tr(SIM_TR("Runner", "--id: az azonosító legfeljebb %1 bájt lehet, ez %2 bájt"),
                      {std::to_string(kMaxIdentifierLength), std::to_string(value.size())}),
                   value);
        }
        if (!IdentifierAllowed(value)) {
            Refuse(Tr(SIM_TR("Runner", "--id: az azonosító nem lehet fájlnév része")), value);
        }
        if (const auto problem = WindowsNameProblem(value)) {
            Refuse("--id: " + *problem, value);
        }
        options.Identifier = value;
    });
    line.Valued("--out", [&](const std::string& value) {
        options.OutputDir = NotEmpty(value, Tr(SIM_TR("Runner", "--out: üres mappanév")));
    });
    line.Valued("--csv", [&](const std::string& value) {
        options.CsvPath = NotEmpty(value, Tr(SIM_TR("Runner", "--csv: üres fájlnév")));
    });
    line.Valued("--plot", [&](const std::string& value) {
        options.Plot = PlotFormatOf(value);
        options.PlotPath = value;
    });
    line.Switch("--version", [] { throw CLI::CallForVersion(); });

    try {
        line.parse(std::vector<std::string>(args.rbegin(), args.rend()));
        line.RejectEarlierMistake();
    } catch (const CLI::CallForHelp&) {
        options.Help = true;
        return {options, {}};
    } catch (const CLI::CallForVersion&) {
        options.Version = true;
        return {options, {}};
    } catch (const CLI::ArgumentMismatch& missing) {
        // Only the last argument can lack its value; CLI11 names the option before the colon.
        const std::string what = missing.what();
        return Fail(line.EarlierMistake().value_or(Tr(
            SIM_TR("Runner", "a(z) %1 opció értéke hiányzik"), {what.substr(0, what.find(':'))})));
    } catch (const CLI::ParseError& bad) {
        return Fail(bad.what());
    }
    if (auto error = CompleteOptions(options, line.GeometryGiven(), sources->count() > 0)) {
        return Fail(std::move(*error));
    }
    return {options, {}};
}

std::string RunnerHelpText() {
    std::string text = Tr(SIM_TR("Runner", R"HELP(Használat: trelko-runner [opciók] GEOMETRIAFÁJL

A kísérlet szimulációja ablak nélkül, virtuális órán. A versenyző lépéseit végzi el
ugyanazokkal a kezelőkkel, mint az ablak: betölti a geometriát, a rotorra teszi a
forrásokat, lezárja a fedelet, szivattyúz, amíg a rotor indítható, majd megnyomja a
mérés Start gombját. Nem nulla lépésköznél végigmegy a fordulatszám-sorozaton, és a
kimeneti mappába írja a Brk2017_AZONOSÍTÓ.txt eredményfájlt, bájtra úgy, ahogy az ablak
írná; nulla lépésköznél egy mérést végez, és kiírja a számlálót és a mérési időt.
A véletlen számok sorozata 0-ról indul, mint a program indulásakor.

Kötelező:
  GEOMETRIAFÁJL          az ablak által mentett 48 bájtos geometriafájl
  --sources A,B          a két forrás rotorpozíciója: 1 (fent), 9 (lent) vagy 0 (nincs
                         a rotoron), pl. --sources 1,9

A faktor.txt (vagy fájl, vagy értékek; ha egyik sincs, a kimeneti mappa faktor.txt-je,
ha van ilyen):
  --factor-file FÁJL     a mérés ezt a faktor.txt-t olvassa
  --factor N             1. sor: szorzó (alapérték {FACTOR})
  --step N               2. sor: a sorozat lépésköze, 1/s, 0 és {MAXSTEP} között
                         (alapérték 0: egyetlen mérés)
  --pressure P           3. sor: külső nyomás, mbar (ha nincs megadva, a sor hiányzik)

A mérés:
  --time S               mérési idő, s, 1 és {MAXTIME} között (alapérték {TIME})
  --auto-stop            a „Mérés leáll (s)” be van jelölve (alapérték)
  --no-auto-stop         nincs bejelölve: az egyetlen mérést a futtató állítja le S s
                         után, mint a versenyző a Stop gombbal; sorozat így csak pontos
                         módban ér véget, ezért más esetben hiba
  --speed N              a Start előtt a rotort N 1/s-ra pörgeti ({MINSPEED} és {MAXSPEED} között)
  --exact                pontos mód: a szorzó negatív előjellel kerül a faktor.txt-be,
                         így minden pont egy ütemből áll, és a beütésszám a várható érték
                         egészre csonkítva

Kimenet:
  --id AZONOSÍTÓ         az eredményfájl neve Brk2017_AZONOSÍTÓ.txt; alapérték a
                         geometriafájl nevéből (NÉV.Brk2017_AZONOSÍTÓ)
  --out MAPPA            az eredményfájl mappája (alapérték az aktuális mappa)
  --csv FÁJL             pontonként egy sor: alapjel (1/s), beütésszám, várható
                         beütésszám (a pont ütemeire összegzett |szorzó| x
                         detektorráta), Poisson-szórás (a várható érték gyöke)
  --plot FÁJL.png|.svg   {W} x {H} képpontos grafikon: a beütésszám a fordulatszám
                         függvényében hibasávokkal, rajta a várható görbe
  --lang KÓD             a kiírások nyelve, pl. en (angol); alapérték hu (magyar); a
                         TRELKO_LANG változó is megadhatja; a fájlok minden nyelven
                         ugyanazok
  --help                 ez a leírás
  --version              a futtató verziója

Az azonosítót a futás idejére lefoglalja a kimeneti mappában, mint az ablak: ha ott
egy ablak vagy egy másik futtató már használja, a futás el sem indul.

Kilépési kód: 0 siker; 1 a mérés a mérőhely hibája miatt állt le (nincs forrás, elem
vagy detektor, kiegyensúlyozatlan rotor), az ablak üzenetével a standard hibakimeneten;
2 hibás opció vagy fájl, egysoros üzenettel; 130 (Ctrl-C, SIGINT) vagy 143 (SIGTERM)
megszakítva: az addig mért pontok az eredményfájlban maradnak, egész sorokként.
)HELP"));
    // clang-format off
    const std::pair<std::string_view, std::int32_t> values[] = {
        {"{FACTOR}", kDefaultCountFactor}, {"{MAXSTEP}", kMaxSpeedStep},
        {"{MAXTIME}", kMaxCountTime}, {"{TIME}", kDefaultCountTime},
        {"{MINSPEED}", kRotorSpeedMin}, {"{MAXSPEED}", kRotorSpeedMax},
        {"{W}", kPlotWidth}, {"{H}", kPlotHeight}};
    // clang-format on
    // A translation that lost a token shows the text without that number.
    for (const auto& [token, value] : values) {
        if (const auto at = text.find(token); at != std::string::npos) {
            text.replace(at, token.size(), std::to_string(value));
        }
    }
    return text;
}

}  // namespace sim
