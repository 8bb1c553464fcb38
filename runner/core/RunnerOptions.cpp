#include "runner/core/RunnerOptions.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <utility>

#include "common/Conversions.h"
#include "common/FileNames.h"
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

bool ParseSources(const std::string& text, RunnerOptions& options) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        return false;
    }
    const auto first = RotorPlace(std::string_view(text).substr(0, comma));
    const auto second = RotorPlace(std::string_view(text).substr(comma + 1));
    if (!first || !second) {
        return false;
    }
    options.FirstSource = *first;
    options.SecondSource = *second;
    return true;
}

ParsedRunnerOptions Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

}  // namespace

std::optional<std::string> IdentifierFromGeometryName(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
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
    bool sourcesGiven = false;
    bool geometryGiven = false;
    bool onlyOperands = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyOperands || arg.size() < 2 || arg[0] != '-') {
            if (geometryGiven) {
                return Fail("egynél több geometriafájl: \"" + arg + "\"");
            }
            if (arg.empty()) {
                return Fail("üres geometriafájl-név");
            }
            options.GeometryPath = arg;
            geometryGiven = true;
            continue;
        }
        if (arg == "--") {
            onlyOperands = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.Help = true;
            return {options, {}};
        }

        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const auto eq = arg.find('='); eq != std::string::npos && arg.starts_with("--")) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }

        if (name == "--auto-stop" || name == "--no-auto-stop" || name == "--exact") {
            if (inlineValue) {
                return Fail("a(z) " + name + " opciónak nincs értéke");
            }
            if (name == "--exact") {
                options.Exact = true;
            } else {
                options.AutoStop = name == "--auto-stop";
            }
            continue;
        }

        static const std::string_view kValued[] = {
            "--sources", "--factor-file", "--factor", "--step", "--pressure", "--time",
            "--speed",   "--id",          "--out",    "--csv",  "--plot"};
        if (std::find(std::begin(kValued), std::end(kValued), name) == std::end(kValued)) {
            return Fail("ismeretlen opció: " + arg + " (lásd: " + kRunnerName + " --help)");
        }
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Fail("a(z) " + name + " opció értéke hiányzik");
        }

        if (name == "--sources") {
            if (!ParseSources(value, options)) {
                return Fail(
                    "--sources: két rotorpozíció kell vesszővel (0, 1 vagy 9), pl. 1,9: \"" +
                    value + "\"");
            }
            sourcesGiven = true;
        } else if (name == "--factor-file") {
            if (value.empty()) {
                return Fail("--factor-file: üres fájlnév");
            }
            options.FactorFile = value;
        } else if (name == "--factor" || name == "--step") {
            const auto number = ParseWholeNumber(value);
            if (!number) {
                return Fail(name + ": nem egész szám: \"" + value + "\"");
            }
            (name == "--factor" ? options.Factor : options.Step) = *number;
        } else if (name == "--pressure") {
            const auto pressure = ParseReal(value);
            if (!pressure) {
                return Fail("--pressure: nem valós szám: \"" + value + "\"");
            }
            options.Pressure = *pressure;
        } else if (name == "--time") {
            const auto time = WholeInRange(value, 1, kMaxCountTime);
            if (!time) {
                return Fail("--time: a mérési idő 1 és " + std::to_string(kMaxCountTime) +
                            " közötti egész szám: \"" + value + "\"");
            }
            options.CountTime = *time;
        } else if (name == "--speed") {
            const auto speed = WholeInRange(value, kRotorSpeedMin, kRotorSpeedMax);
            if (!speed) {
                return Fail("--speed: a fordulatszám " + std::to_string(kRotorSpeedMin) + " és " +
                            std::to_string(kRotorSpeedMax) + " közötti egész szám: \"" + value +
                            "\"");
            }
            options.Speed = *speed;
        } else if (name == "--id") {
            if (!IdentifierAllowed(value)) {
                return Fail("--id: az azonosító nem lehet fájlnév része: \"" + value + "\"");
            }
            options.Identifier = value;
        } else if (name == "--out") {
            if (value.empty()) {
                return Fail("--out: üres mappanév");
            }
            options.OutputDir = value;
        } else if (name == "--csv") {
            if (value.empty()) {
                return Fail("--csv: üres fájlnév");
            }
            options.CsvPath = value;
        } else {  // --plot
            if (EndsWithNoCase(value, ".png")) {
                options.Plot = PlotFormat::Png;
            } else if (EndsWithNoCase(value, ".svg")) {
                options.Plot = PlotFormat::Svg;
            } else {
                return Fail("--plot: a fájlnév .png vagy .svg végű legyen: \"" + value + "\"");
            }
            options.PlotPath = value;
        }
    }

    if (!geometryGiven) {
        return Fail("hiányzik a geometriafájl (lásd: " + std::string(kRunnerName) + " --help)");
    }
    if (!sourcesGiven) {
        return Fail("hiányzik a --sources (a két forrás rotorpozíciója, pl. --sources 1,9)");
    }
    if (options.FactorFile && options.FactorValuesGiven()) {
        return Fail("a --factor-file és a --factor/--step/--pressure együtt nem adható meg");
    }
    if (!options.Identifier) {
        const auto fromName = IdentifierFromGeometryName(options.GeometryPath);
        if (!fromName) {
            return Fail("hiányzik az --id (a geometriafájl kiterjesztése nem ." +
                        std::string(kParticipantPrefix) + "...)");
        }
        if (!IdentifierAllowed(*fromName)) {
            return Fail("a geometriafájl nevéből vett azonosító nem lehet fájlnév része: \"" +
                        *fromName + "\"");
        }
        options.Identifier = fromName;
    }
    return {options, {}};
}

std::string RunnerHelpText() {
    std::string text = R"HELP(Használat: trelko-runner [opciók] GEOMETRIAFÁJL

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
  --factor N             1. sor: szorzó (alapérték 200)
  --step N               2. sor: a sorozat lépésköze, 1/s (alapérték 0: egyetlen mérés)
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
  --help                 ez a leírás

Kilépési kód: 0 siker; 1 a mérés a mérőhely hibája miatt állt le (nincs forrás, elem
vagy detektor, kiegyensúlyozatlan rotor), az ablak üzenetével a standard hibakimeneten;
2 hibás opció vagy fájl, egysoros üzenettel.
)HELP";
    // clang-format off
    const std::pair<std::string_view, std::int32_t> values[] = {
        {"{MAXTIME}", kMaxCountTime}, {"{TIME}", kDefaultCountTime},
        {"{MINSPEED}", kRotorSpeedMin}, {"{MAXSPEED}", kRotorSpeedMax},
        {"{W}", kPlotWidth}, {"{H}", kPlotHeight}};
    // clang-format on
    for (const auto& [token, value] : values) {
        text.replace(text.find(token), token.size(), std::to_string(value));
    }
    return text;
}

}  // namespace sim
