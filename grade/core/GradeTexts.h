#pragma once

// Every text the grading tool shows, in one table: the verdicts, the reasons, the report's
// labels, the messages and the help. Formats take printf arguments in the order noted.

namespace sim::gradetext {

inline constexpr const char* kProgramName = "trelko-grade";

// --- verdicts, in the order they are tried ---
inline constexpr const char* kVerdictMalformed = "hibás fájl";
inline constexpr const char* kVerdictNoGeometry = "nincs geometria";
inline constexpr const char* kVerdictNoFit = "nem illik";
inline constexpr const char* kVerdictIncomplete = "hiányos";
inline constexpr const char* kVerdictOk = "rendben";
inline constexpr const char* kVerdictNoResult = "nincs eredmény";

// --- the class summary table ---
inline constexpr const char* kCsvHeader =
    "azonosító,ítélet,geometria,ütem/pont,faktor,lépésköz,pontok,teljes,khi2,szabadsági fok,p";
inline constexpr const char* kColumns[] = {
    "azonosító", "ítélet", "geometria", "ütem/pont",      "faktor", "lépésköz",
    "pontok",    "teljes", "khi2",      "szabadsági fok", "p",
};
inline constexpr const char* kYes = "igen";
inline constexpr const char* kNo = "nem";

// --- why a result file is malformed (each reported with its line) ---
inline constexpr const char* kEmptyFile = "üres fájl";
inline constexpr const char* kNotFactorLine =
    "nem „Faktor= <egész szám>” alakú, ahogy a program írja";
inline constexpr const char* kZeroFactor = "a Faktor 0: így a program nem számol beütést";
inline constexpr const char* kNotPointLine =
    "nem „alapjel, beütésszám” alakú, ahogy a program írja";
inline constexpr const char* kNoLineEnd = "a sor vége hiányzik (csonka fájl)";
inline constexpr const char* kStrayCarriageReturn = "a sorvég nem CR LF vagy LF";
inline constexpr const char* kFirstSetpoint = "az első alapjel %lld, nem 100";  // set point
inline constexpr const char* kStepNotPositive =
    "a második alapjel (%lld) nem nagyobb az elsőnél";  // set point
inline constexpr const char* kOutOfSequence =
    "az alapjel %lld, a sorozatban itt %lld következik";  // found, due
inline constexpr const char* kAfterLastSetpoint =
    "a sorozat %lld 1/s-os utolsó pontja után még sor következik";  // last set point
inline constexpr const char* kNegativeCount = "negatív beütésszám";
inline constexpr const char* kTooLarge = "a fájl túl nagy";

// --- reasons of a verdict, shown in the report ---
inline constexpr const char* kReasonMalformed =
    "Hibás eredményfájl: %s, %d. sor: %s.";  // file, line, why
inline constexpr const char* kReasonUnreadable =
    "Az eredményfájl nem olvasható: %s (%s).";  // file, why
inline constexpr const char* kReasonDuplicate =
    "Több eredményfájl ugyanezzel az azonosítóval: %s.";  // files
inline constexpr const char* kReasonNoResult =
    "Nincs eredményfájl (%s.txt), csak geometria.";  // participant key
inline constexpr const char* kReasonNoGeometryFile =
    "Nincs elmentett geometriafájl (*.%s).";  // participant key
inline constexpr const char* kReasonNoUsableGeometry =
    "Egyik geometriából sem számítható várható beütésszám.";
inline constexpr const char* kReasonGeometryProblem = "%s: %s.";  // file, why
inline constexpr const char* kReasonBestFit =
    "Legjobban illeszkedő geometria: %s (khi2 = %s, szabadsági fok %d, p = %s).";
inline constexpr const char* kReasonBestFitNoP =
    "Legjobban illeszkedő geometria: %s (khi2 = %s; két pontnál kevesebbre nincs p-érték).";
inline constexpr const char* kReasonAlsoFits =
    "Más elmentett geometria is illeszkedik, a mérés ezektől nem különböztethető meg: %s.";
inline constexpr const char* kAlsoFitsItem = "%s (p = %s)";  // file, p
inline constexpr const char* kReasonPoorFit =
    "Ez sem illik a mérésre: p < 0.001, a mért pontok nem ebből a geometriából valók.";
inline constexpr const char* kReasonTicks =
    "Becsült mérési idő pontonként: %s s (%lld ütem).";  // seconds, ticks
inline constexpr const char* kReasonExactMatch =
    "Pontos mód: minden beütésszám egyezik a geometriából számítottal (±1).";
inline constexpr const char* kReasonExactMismatch =
    "Pontos mód: %lld 1/s-nál a beütésszám %d, a geometriából számított %d.";
inline constexpr const char* kReasonComplete =
    "A sorozat teljes: %zu pont, %lld és %lld 1/s között.";  // points, first, last
inline constexpr const char* kReasonIncomplete =
    "A sorozat %lld 1/s-nál megszakadt; az utolsó alapjel %lld 1/s lett volna.";
inline constexpr const char* kReasonNoPoints = "Az eredményfájlban egyetlen mért pont sincs.";
inline constexpr const char* kReasonIncompleteNoStep =
    "A sorozatnak csak egy pontja van; az utolsó alapjel legalább %d 1/s lett volna.";
inline constexpr const char* kReasonFactorDiffers =
    "A Faktor (%d) eltér a szervezők faktor.txt fájljában megadottól (%d).";
inline constexpr const char* kReasonStepDiffers =
    "A lépésköz (%lld) eltér a szervezők faktor.txt fájljában megadottól (%d).";

// --- files that cannot be read at all ---
inline constexpr const char* kGeometryUnreadable = "hibás geometriafájl (%s)";  // loader's text
inline constexpr const char* kNotRegularFile = "nem közönséges fájl";  // a folder, a pipe, ...

// --- the report page ---
inline constexpr const char* kReportTitle = "Trelko kísérlet – a mérések értékelése";
inline constexpr const char* kReportSource = "Beadások: %s · %zu versenyző";
inline constexpr const char* kReportFactor =
    "A szervezők faktor.txt fájlja: %s (Faktor= %d, lépésköz %d)";
inline constexpr const char* kReportNoContestant =
    "Nem található versenyzői fájl (Brk2017_*.txt vagy *.Brk2017_*).";
inline constexpr const char* kSummaryHeading = "Összesítés";
inline constexpr const char* kReasonsHeading = "Indoklás";
inline constexpr const char* kPlotHeading = "Mért és várható beütésszám";
inline constexpr const char* kFieldHeading = "A legjobban illeszkedő geometria";
inline constexpr const char* kFitHeading = "Illeszkedés geometriánként";
inline constexpr const char* kFilesHeading = "Fájlok";
inline constexpr const char* kFitColumns[] = {"geometriafájl",  "ütem/pont", "khi2",
                                              "szabadsági fok", "p",         "megjegyzés"};
inline constexpr const char* kBestMark = "legjobb";
inline constexpr const char* kPlotTitle =
    "%s   (Faktor= %d, mérési idő %s s, %s)";  // participant key, factor, seconds, geometry
inline constexpr const char* kNoPlot = "Nincs ábra: nincs illeszthető geometria.";
inline constexpr const char* kFieldLegend =
    "kék: higany céltárgy · bíbor: detektor · szürke: ólomlemez · arany: forrás a rotoron";
inline constexpr const char* kInBins = "A tárolóban maradt: %s.";  // components
inline constexpr const char* kTargetName = "céltárgy";
inline constexpr const char* kDetectorName = "detektor";
inline constexpr const char* kShieldsName = "%d ólomlemez";
inline constexpr const char* kResultFileLabel = "eredményfájl";
inline constexpr const char* kGeometryFileLabel = "geometriafájl";
inline constexpr const char* kBackToSummary = "vissza az összesítéshez";

// --- messages of the command ---
inline constexpr const char* kProgress = "\rÉrtékelés: %zu/%zu versenyző";
inline constexpr const char* kWrittenCsv = "Összesítő: %s";
inline constexpr const char* kWrittenHtml = "Jelentés: %s";
inline constexpr const char* kSummaryLine = "%zu versenyző";
inline constexpr const char* kNoContestantWarning =
    "figyelem: nem található versenyzői fájl (Brk2017_*.txt vagy *.Brk2017_*)";
inline constexpr const char* kMissingSubmissions =
    "hiányzik a beadások mappája (lásd: trelko-grade --help)";
inline constexpr const char* kSecondSubmissions = "egynél több beadásmappa: \"%s\"";
inline constexpr const char* kMissingOut = "hiányzik az --out (a jelentés mappája)";
inline constexpr const char* kEmptyValue = "%s: üres érték";
inline constexpr const char* kBadJobs = "--jobs: a szálak száma 1 és %d közötti egész szám: \"%s\"";
inline constexpr const char* kUnknownOption = "ismeretlen opció: %s (lásd: trelko-grade --help)";
inline constexpr const char* kMissingValue = "a(z) %s opció értéke hiányzik";
inline constexpr const char* kBadCommandLine = "hibás parancssor (lásd: trelko-grade --help)";
inline constexpr const char* kNoSuchFolder = "%s: nincs ilyen mappa";
inline constexpr const char* kFolderNotCreated = "%s: a mappa nem hozható létre (%s)";
inline constexpr const char* kFileMissing = "%s: nem található";
inline constexpr const char* kFileUnreadable = "%s: nem olvasható";
inline constexpr const char* kFileTooLarge = "%s: túl nagy fájl (legfeljebb %zu KiB lehet)";
inline constexpr const char* kFileBadLine = "%s: %s";
inline constexpr const char* kNotWritten = "%s: nem írható (%s)";
inline constexpr const char* kNotCreated = "%s: nem hozható létre (%s)";

inline constexpr const char* kHelp = R"HELP(Használat: trelko-grade [opciók] BEADÁSOK

Egy egész csoport méréseit értékeli. A BEADÁSOK mappát almappáival együtt bejárja
(mindenki fájljai egy mappában, vagy versenyzőnként egy almappában): a
Brk2017_AZONOSÍTÓ.txt a versenyző eredményfájlja, a NÉV.Brk2017_AZONOSÍTÓ egy elmentett
geometriája. Minden alapjelre a program saját számítása adja a várható beütésszámot
(mindkét forrás a rotoron, az 1-es és a 9-es helyen, a meghajtás jár); a pontonkénti
ütemszámot az illesztés becsli. Geometriánként Pearson-féle khi-négyzet próba; a
legkisebb khi2 adja a legjobb geometriát.

Ítéletek (az első, amelyik teljesül): hibás fájl, nincs geometria, nem illik (p < 0.001,
vagy pontos módban eltérés), hiányos (a sorozat 2000 1/s előtt megszakadt), rendben.
Eredményfájl nélkül, csak geometriával: nincs eredmény.

Kötelező:
  BEADÁSOK               a versenyzők fájljainak mappája
  --out MAPPA            a jelentés mappája (létrehozza, ha nincs): ide kerül az
                         osszesito.csv és az index.html; máshová semmit sem ír

Egyéb:
  --jobs N               ennyi szálon dolgozik, 1 és 256 között (alapérték: a
                         processzormagok száma)
  --faktor FÁJL          a szervezők faktor.txt-je: az ettől eltérő Faktorú vagy
                         lépésközű eredményfájlokat megjelöli
  --csv-only             csak az osszesito.csv készül el
  --quiet                nem írja ki a haladást
  --help                 ez a leírás

Kilépési kód: 0 siker (bármi legyen az ítélet); 2 hibás opció, mappa vagy fájl.
)HELP";

}  // namespace sim::gradetext
