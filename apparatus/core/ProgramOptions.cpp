#include "apparatus/core/ProgramOptions.h"

#include <CLI/CLI.hpp>

#include <string_view>
#include <utility>

#include "apparatus/core/ProgramMode.h"
#include "apparatus/core/WorkFolder.h"
#include "common/FileNames.h"
#include "common/Platform.h"
#include "common/Translate.h"

namespace sim {

namespace {

ParsedProgramOptions Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

std::string SeeHelp() {
    return Tr(SIM_TR("Program", " (lásd: %1 --help)"), {kProgramName});
}

}  // namespace

ParsedProgramOptions ParseProgramOptions(const std::vector<std::string>& args) {
    ProgramOptions options;
    std::string folder;
    CLI::App line;
    line.set_help_flag();
    line.allow_extras();
    // On Windows too: "/x" is a path, never an option.
    line.allow_windows_style_options(false);
    CLI::Option* dir =
        line.add_option("--dir", folder)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    line.add_flag(kClassOption, options.Class);
    line.add_flag("-h,--help", options.Help);
    line.add_flag("--version", options.Version);
    try {
        line.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::ArgumentMismatch& missing) {
        // CLI11 names the option before the colon.
        const std::string what = missing.what();
        return Fail(Tr(SIM_TR("Program", "a(z) %1 opció értéke hiányzik"),
                       {what.substr(0, what.find(':'))}));
    } catch (const CLI::ParseError&) {
        return Fail(Tr(SIM_TR("Program", "hibás parancssor")) + SeeHelp());
    }
    for (const std::string& extra : line.remaining()) {
        if (extra.size() > 1 && extra.front() == '-') {
            return Fail(Tr(SIM_TR("Program", "ismeretlen opció: %1"), {ShownText(extra)}) +
                        SeeHelp());
        }
        return Fail(Tr(SIM_TR("Program", "fölösleges argumentum: \"%1\""), {ShownText(extra)}) +
                    SeeHelp());
    }
    if (dir->count() > 0) {
        if (folder.empty()) {
            return Fail(Tr(SIM_TR("Program", "--dir: üres mappanév")));
        }
        options.WorkFolder = folder;
    }
    return {options, {}};
}

std::string ProgramHelpText() {
    std::string text = Tr(SIM_TR("Program", R"HELP(Használat: trelko [opciók]

Rezonáns gamma-szórás kísérlet szimulációja: az Országos Brenn Fizikaverseny
2017 számítógépes feladata. Ablakot nyit, ezért grafikus kijelző kell hozzá.

A munkamappából olvassa a program a faktor.txt-t, oda írja az automatikus
sorozat eredményfájlját (Brk2017_AZONOSÍTÓ.txt), ott nyílik a geometria mentése
és betöltése, és ott keresi a Brenn2017.docx leírást. A munkamappa a --dir
opcióval megadott mappa; ha nincs ilyen, a {VARIABLE} környezeti változóban
megadott mappa; ha az sincs, a program saját mappája, ha a felhasználó írhat
bele, és nem a telepített program mappája (a verseny hordozható példánya);
különben a {HOME_FOLDER} mappa, amelyet a program szükség esetén létrehoz, csak a
felhasználó számára hozzáférhetően. A megadott mappának léteznie kell, és
írhatónak kell lennie; ha nem az, a program indításkor megmondja, miért, és
kilép.

Ha a munkamappában nincs faktor.txt, a program a {SYSTEM_FACTOR} fájlt
olvassa (a szervezők beállítása az egész gépre). Ha a munkamappában nincs
Brenn2017.docx, a {SYSTEM_DOCS} mappában keresi.

A program versenyváltozatként indul, pontosan úgy, ahogy a versenyen. A tanórai
változat (mérési napló grafikonnal és exporttal, gyorsítható idő, a kísérlet
fizikája, nagyítás) a --class opcióval, a {MODE_VARIABLE}=class környezeti
változóval, vagy a munkamappa (ha ott nincs, a {SYSTEM_MODE_FOLDER} mappa)
{MODE_FILE} fájljával indul, amelyben egyetlen szó áll: class vagy
competition.

Opciók:
  --dir MAPPA            a munkamappa
  --class                a tanórai változat
  --lang KÓD             a program nyelve, pl. en (angol); alapérték hu (magyar); a
                         TRELKO_LANG változó is megadhatja; a fájlok minden nyelven
                         ugyanazok
  --help                 ez a leírás
  --version              a program verziója

Kilépési kód: 0 a program rendben véget ért; 1 nincs grafikus kijelző, vagy a
munkamappa nem használható; 2 hibás opció, egysoros üzenettel.
)HELP"));
    const std::string systemFactorFile = SystemFactorFile();
    const std::string systemFolder = SystemSettingsFolder();
    const std::string systemDocuments = SystemDocumentFolder();
    // Windows keeps it in the user's Documents, not the home.
    const auto documents = platform::DocumentsFolder();
    const std::string homeFolder = documents ? *documents + "\\" + kHomeWorkFolderName
                                             : std::string("~/") + kHomeWorkFolderName;
    const std::pair<std::string_view, std::string_view> values[] = {
        {"{VARIABLE}", kWorkFolderVariable},
        {"{HOME_FOLDER}", homeFolder},
        {"{SYSTEM_FACTOR}", systemFactorFile},
        {"{SYSTEM_DOCS}", systemDocuments},
        {"{MODE_VARIABLE}", kModeVariable},
        {"{SYSTEM_MODE_FOLDER}", systemFolder},
        {"{MODE_FILE}", kModeFileName}};
    // A translation that lost a token shows the text without that name.
    for (const auto& [token, value] : values) {
        if (const auto at = text.find(token); at != std::string::npos) {
            text.replace(at, token.size(), value);
        }
    }
    return text;
}

}  // namespace sim
