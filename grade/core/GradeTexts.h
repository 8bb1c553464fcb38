#pragma once

// Every text the grading tool shows, in one table: the verdicts, the reasons, the report's
// labels, the messages and the help. Each is marked for the translators and shown through
// Tr; the place markers %1, %2, ... take the arguments noted. The summary file's header and
// cells are the Hungarian sources in every language: a file never changes with the language.

#include "common/Translate.h"

namespace sim::gradetext {

inline constexpr const char* kProgramName = "trelko-grade";

// --- verdicts, in the order they are tried ---
inline constexpr TrText kVerdictMalformed = SIM_TR("Grade", "hibás fájl");
inline constexpr TrText kVerdictNoGeometry = SIM_TR("Grade", "nincs geometria");
inline constexpr TrText kVerdictUnjudgeable = SIM_TR("Grade", "nem értékelhető");
inline constexpr TrText kVerdictNoFit = SIM_TR("Grade", "nem illik");
inline constexpr TrText kVerdictIncomplete = SIM_TR("Grade", "hiányos");
inline constexpr TrText kVerdictOk = SIM_TR("Grade", "rendben");
inline constexpr TrText kVerdictNoResult = SIM_TR("Grade", "nincs eredmény");

// --- the class summary table ---
inline constexpr const char* kCsvHeader =
    "azonosító,ítélet,geometria,ütem/pont,faktor,lépésköz,pontok,teljes,khi2,szabadsági fok,p,"
    "megjegyzés";
// The report's class table: the same columns, shown.
inline constexpr TrText kColumns[] = {
    SIM_TR("Grade", "azonosító"),      SIM_TR("Grade", "ítélet"), SIM_TR("Grade", "geometria"),
    SIM_TR("Grade", "ütem/pont"),      SIM_TR("Grade", "faktor"), SIM_TR("Grade", "lépésköz"),
    SIM_TR("Grade", "pontok"),         SIM_TR("Grade", "teljes"), SIM_TR("Grade", "khi2"),
    SIM_TR("Grade", "szabadsági fok"), SIM_TR("Grade", "p"),      SIM_TR("Grade", "megjegyzés"),
};
inline constexpr TrText kYes = SIM_TR("Grade", "igen");
inline constexpr TrText kNo = SIM_TR("Grade", "nem");

// --- why a result file is malformed (each reported with its line) ---
inline constexpr TrText kEmptyFile = SIM_TR("Grade", "üres fájl");
inline constexpr TrText kNotFactorLine =
    SIM_TR("Grade", "nem „Faktor= <egész szám>” alakú, ahogy a program írja");
inline constexpr TrText kZeroFactor =
    SIM_TR("Grade", "a Faktor 0: így a program nem számol beütést");
inline constexpr TrText kNotPointLine =
    SIM_TR("Grade", "nem „alapjel, beütésszám” alakú, ahogy a program írja");
inline constexpr TrText kNoLineEnd = SIM_TR("Grade", "a sor vége hiányzik (csonka fájl)");
inline constexpr TrText kStrayCarriageReturn = SIM_TR("Grade", "a sorvég nem CR LF vagy LF");
inline constexpr TrText kFirstSetpoint =
    SIM_TR("Grade", "az első alapjel %1, nem 100");  // set point
inline constexpr TrText kStepNotPositive =
    SIM_TR("Grade", "a második alapjel (%1) nem nagyobb az elsőnél");  // set point
inline constexpr TrText kOutOfSequence =
    SIM_TR("Grade", "az alapjel %1, a sorozatban itt %2 következik");  // found, due
inline constexpr TrText kAfterLastSetpoint =
    SIM_TR("Grade", "a sorozat %1 1/s-os utolsó pontja után még sor következik");  // last set point
inline constexpr TrText kNegativeCount = SIM_TR("Grade", "negatív beütésszám");
inline constexpr TrText kTooLarge = SIM_TR("Grade", "a fájl túl nagy");

// --- reasons of a verdict, shown in the report ---
inline constexpr TrText kReasonMalformed =
    SIM_TR("Grade", "Hibás eredményfájl: %1, %2. sor: %3.");  // file, line, why
inline constexpr TrText kReasonUnreadable =
    SIM_TR("Grade", "Az eredményfájl nem olvasható: %1 (%2).");  // file, why
inline constexpr TrText kReasonNoResult =
    SIM_TR("Grade", "Nincs eredményfájl (%1.txt), csak geometria.");  // participant key
inline constexpr TrText kReasonNoGeometryFile =
    SIM_TR("Grade", "Nincs elmentett geometriafájl (*.%1).");  // participant key
inline constexpr TrText kReasonNoUsableGeometry =
    SIM_TR("Grade", "Egyik geometriából sem számítható várható beütésszám.");
inline constexpr TrText kReasonGeometryProblem = SIM_TR("Grade", "%1: %2.");  // file, why
inline constexpr TrText kReasonBestFit =
    SIM_TR("Grade", "Legjobban illeszkedő geometria: %1 (khi2 = %2, szabadsági fok %3, p = %4).");
inline constexpr TrText kReasonBestFitNoP =
    SIM_TR("Grade",
           "Legjobban illeszkedő geometria: %1 (khi2 = %2; két pontnál kevesebbre nincs p-érték).");
inline constexpr TrText kReasonAlsoFits =
    SIM_TR("Grade",
           "Más elmentett geometria is illeszkedik, a mérés ezektől nem különböztethető meg: %1.");
inline constexpr TrText kAlsoFitsItem = SIM_TR("Grade", "%1 (p = %2)");  // file, p
inline constexpr TrText kReasonPoorFit = SIM_TR(
    "Grade", "Ez sem illik a mérésre: p < 0.001, a mért pontok nem ebből a geometriából valók.");
inline constexpr TrText kReasonTicks =
    SIM_TR("Grade", "Becsült mérési idő pontonként: %1 s (%2 ütem).");  // seconds, ticks
inline constexpr TrText kReasonExactMatch =
    SIM_TR("Grade", "Pontos mód: minden beütésszám egyezik a geometriából számítottal (±1).");
inline constexpr TrText kReasonExactMismatch =
    SIM_TR("Grade", "Pontos mód: %1 1/s-nál a beütésszám %2, a geometriából számított %3.");
inline constexpr TrText kReasonComplete =
    SIM_TR("Grade", "A sorozat teljes: %1 pont, %2 és %3 1/s között.");  // points, first, last
inline constexpr TrText kReasonIncomplete =
    SIM_TR("Grade", "A sorozat %1 1/s-nál megszakadt; az utolsó alapjel %2 1/s lett volna.");
inline constexpr TrText kReasonNoPoints =
    SIM_TR("Grade", "Az eredményfájlban egyetlen mért pont sincs.");
inline constexpr TrText kReasonIncompleteNoStep = SIM_TR(
    "Grade", "A sorozatnak csak egy pontja van; az utolsó alapjel legalább %1 1/s lett volna.");
inline constexpr TrText kReasonFactorDiffers =
    SIM_TR("Grade", "A Faktor (%1) eltér a szervezők faktor.txt fájljában megadottól (%2).");
inline constexpr TrText kReasonStepDiffers =
    SIM_TR("Grade", "A lépésköz (%1) eltér a szervezők faktor.txt fájljában megadottól (%2).");

inline constexpr TrText kReasonAllZero =
    SIM_TR("Grade", "Minden beütésszám 0: a sorozatból nem dönthető el, melyik geometrián mérték.");
inline constexpr TrText kReasonSaturated =
    SIM_TR("Grade",
           "%1 pontban a számláló elérte a felső határát (%2): ezek nem mért beütésszámok, a "
           "sorozat nem értékelhető.");  // points, limit

// --- notes on a contestant, beside the verdict (and in the summary file's last column) ---
//: Shown for an identifier that was left empty at the login; no identifier can hold < or >.
inline constexpr TrText kEmptyIdentifier = SIM_TR("Grade", "<üres azonosító>");
inline constexpr TrText kNoteEmptyId =
    SIM_TR("Grade", "Üres azonosító: a bejelentkezéskor nem írtak be semmit (Brk2017_.txt).");
inline constexpr TrText kNoteOtherFolders =
    SIM_TR("Grade",
           "Ez az azonosító más mappában is szerepel eredményfájllal: %1. Minden mappa sorozatát "
           "külön értékeltük; a legjobb ítélet számít.");  // folders
inline constexpr TrText kNoteInReportFolder =
    SIM_TR("Grade", "A fájlok a jelentés mappájában vannak; értékeltük őket.");
inline constexpr TrText kNoteEarlier =
    SIM_TR("Grade", "Korábbi sorozat megőrzött fájlja, nem értékelve: %1.");  // files
inline constexpr TrText kFolderHeading = SIM_TR("Grade", "Mappa: %1");

// --- folders and files the search did not read ---
inline constexpr TrText kNotReadHeading = SIM_TR("Grade", "Nem olvasott mappák és fájlok");
inline constexpr TrText kNotReadIntro =
    SIM_TR("Grade",
           "Ezeket az értékelő nem olvasta be; ha versenyzői fájl van köztük, másold be "
           "olvasható helyre, és értékeld újra.");
inline constexpr TrText kNotReadLine = SIM_TR("Grade", "nem olvasott: %1 (%2)");  // path, why
inline constexpr TrText kNotReadCount = SIM_TR("Grade", "%1 nem olvasott mappa vagy fájl");
inline constexpr TrText kFolderUnreadable = SIM_TR("Grade", "a mappa nem olvasható: %1");
inline constexpr TrText kFolderPartlyUnreadable =
    SIM_TR("Grade", "a mappa tartalma nem olvasható végig: %1");
inline constexpr TrText kUnreadableFile = SIM_TR("Grade", "a fájl nem olvasható: %1");
inline constexpr TrText kLinkOutside =
    SIM_TR("Grade", "link a beadások mappáján kívülre (%1); nem követtük");  // target
inline constexpr TrText kLinkInside =
    SIM_TR("Grade", "link a beadások mappáján belülre (%1); a célját ott értékeljük, ahol van");
inline constexpr TrText kLinkDangling =
    SIM_TR("Grade", "link, amely nem létező fájlra mutat (%1)");  // target
inline constexpr TrText kNotProgramsName =
    SIM_TR("Grade", "versenyzői fájlnak látszik, de ilyen nevű fájlt a programok nem írnak");
inline constexpr TrText kRunnerFolder =
    SIM_TR("Grade", "egy megszakadt trelko-runner futás saját mappája, mért pont nélkül");
inline constexpr TrText kRunnerFolderWithPoints =
    SIM_TR("Grade",
           "egy megszakadt trelko-runner futás saját mappája, benne a részeredménye: %1; a "
           "trelko-runner következő futása ebben a mappában a mappa mellé menti");  // files

// --- files that cannot be read at all ---
inline constexpr TrText kGeometryUnreadable =
    SIM_TR("Grade", "hibás geometriafájl (%1)");  // loader's text
inline constexpr TrText kGeometryRefused =
    SIM_TR("Grade", "a program sem tölti be: „%1”");  // the window's message

// --- the report page ---
//: The language code of the report page (its lang attribute): the code of this translation.
inline constexpr TrText kReportLanguage = SIM_TR("Grade", "hu");
inline constexpr TrText kReportTitle = SIM_TR("Grade", "Trelko kísérlet – a mérések értékelése");
inline constexpr TrText kReportSource = SIM_TR("Grade", "Beadások: %1 · %2 versenyző");
inline constexpr TrText kReportFactor =
    SIM_TR("Grade", "A szervezők faktor.txt fájlja: %1 (Faktor= %2, lépésköz %3)");
inline constexpr TrText kReportNoContestant =
    SIM_TR("Grade", "Nem található versenyzői fájl (Brk2017_*.txt vagy *.Brk2017_*).");
inline constexpr TrText kSummaryHeading = SIM_TR("Grade", "Összesítés");
inline constexpr TrText kReasonsHeading = SIM_TR("Grade", "Indoklás");
inline constexpr TrText kPlotHeading = SIM_TR("Grade", "Mért és várható beütésszám");
inline constexpr TrText kFieldHeading = SIM_TR("Grade", "A legjobban illeszkedő geometria");
inline constexpr TrText kFitHeading = SIM_TR("Grade", "Illeszkedés geometriánként");
inline constexpr TrText kFilesHeading = SIM_TR("Grade", "Fájlok");
inline constexpr TrText kFitColumns[] = {
    SIM_TR("Grade", "geometriafájl"),  SIM_TR("Grade", "ütem/pont"), SIM_TR("Grade", "khi2"),
    SIM_TR("Grade", "szabadsági fok"), SIM_TR("Grade", "p"),         SIM_TR("Grade", "megjegyzés"),
};
inline constexpr TrText kBestMark = SIM_TR("Grade", "legjobb");
inline constexpr TrText kPlotTitle =
    SIM_TR("Grade",
           "%1   (Faktor= %2, mérési idő %3 s, %4)");  // participant key, factor, seconds, geometry
inline constexpr TrText kNoPlot = SIM_TR("Grade", "Nincs ábra: nincs illeszthető geometria.");
inline constexpr TrText kFieldLegend =
    SIM_TR("Grade",
           "kék: higany céltárgy · bíbor: detektor · szürke: ólomlemez · arany: forrás a rotoron");
inline constexpr TrText kInBins = SIM_TR("Grade", "A tárolóban maradt: %1.");  // components
inline constexpr TrText kTargetName = SIM_TR("Grade", "céltárgy");
inline constexpr TrText kDetectorName = SIM_TR("Grade", "detektor");
inline constexpr TrText kShieldsName = SIM_TR("Grade", "%1 ólomlemez");
inline constexpr TrText kResultFileLabel = SIM_TR("Grade", "eredményfájl");
inline constexpr TrText kGeometryFileLabel = SIM_TR("Grade", "geometriafájl");
inline constexpr TrText kEarlierFileLabel = SIM_TR("Grade", "korábbi sorozat (nem értékelve)");
inline constexpr TrText kBackToSummary = SIM_TR("Grade", "vissza az összesítéshez");

// --- messages of the command ---
inline constexpr TrText kProgress = SIM_TR("Grade", "\rÉrtékelés: %1/%2 versenyző");
inline constexpr TrText kWrittenCsv = SIM_TR("Grade", "Összesítő: %1");
inline constexpr TrText kWrittenHtml = SIM_TR("Grade", "Jelentés: %1");
inline constexpr TrText kSummaryLine = SIM_TR("Grade", "%1 versenyző");
inline constexpr TrText kNoContestantWarning =
    SIM_TR("Grade", "figyelem: nem található versenyzői fájl (Brk2017_*.txt vagy *.Brk2017_*)");
inline constexpr TrText kMissingSubmissions =
    SIM_TR("Grade", "hiányzik a beadások mappája (lásd: trelko-grade --help)");
inline constexpr TrText kSecondSubmissions = SIM_TR("Grade", "egynél több beadásmappa: \"%1\"");
inline constexpr TrText kMissingOut = SIM_TR("Grade", "hiányzik az --out (a jelentés mappája)");
inline constexpr TrText kEmptyValue = SIM_TR("Grade", "%1: üres érték");
inline constexpr TrText kBadJobs =
    SIM_TR("Grade", "--jobs: a szálak száma 1 és %1 közötti egész szám: \"%2\"");
inline constexpr TrText kUnknownOption =
    SIM_TR("Grade", "ismeretlen opció: %1 (lásd: trelko-grade --help)");
inline constexpr TrText kMissingValue = SIM_TR("Grade", "a(z) %1 opció értéke hiányzik");
inline constexpr TrText kBadCommandLine =
    SIM_TR("Grade", "hibás parancssor (lásd: trelko-grade --help)");
inline constexpr TrText kNoSuchFolder = SIM_TR("Grade", "%1: nincs ilyen mappa");
inline constexpr TrText kFolderNotCreated = SIM_TR("Grade", "%1: a mappa nem hozható létre (%2)");
inline constexpr TrText kOutIsFile =
    SIM_TR("Grade", "%1: ezen a néven már egy fájl áll, nem mappa; adj meg másik --out mappát");
inline constexpr TrText kOutIsNoFolder =
    SIM_TR("Grade", "%1: ezen a néven már áll valami, ami nem mappa (%2)");  // path, kind
inline constexpr TrText kFileMissing = SIM_TR("Grade", "%1: nem található");
inline constexpr TrText kFileUnreadable = SIM_TR("Grade", "%1: nem olvasható");
inline constexpr TrText kFileTooLarge =
    SIM_TR("Grade", "%1: túl nagy fájl (legfeljebb %2 KiB lehet)");  // file, limit
inline constexpr TrText kNotWritten = SIM_TR("Grade", "%1: nem írható (%2)");
inline constexpr TrText kNotCreated = SIM_TR("Grade", "%1: nem hozható létre (%2)");

inline constexpr TrText kHelp = SIM_TR("Grade", R"HELP(Használat: trelko-grade [opciók] BEADÁSOK

Egy egész csoport méréseit értékeli. A BEADÁSOK mappát almappáival együtt bejárja
(mindenki fájljai egy mappában, vagy versenyzőnként egy almappában): a
Brk2017_AZONOSÍTÓ.txt a versenyző eredményfájlja, a NÉV.Brk2017_AZONOSÍTÓ egy elmentett
geometriája. Minden alapjelre a program saját számítása adja a várható beütésszámot
(mindkét forrás a rotoron, az 1-es és a 9-es helyen, a meghajtás jár); a pontonkénti
ütemszámot az illesztés becsli. Geometriánként Pearson-féle khi-négyzet próba; a
legkisebb khi2 adja a legjobb geometriát.

Ítéletek (az első, amelyik teljesül): hibás fájl, nincs geometria, nem értékelhető
(minden beütésszám 0, vagy a számláló elérte a felső határát), nem illik (p < 0.001,
vagy pontos módban eltérés), hiányos (a sorozat 2000 1/s előtt megszakadt), rendben.
Eredményfájl nélkül, csak geometriával: nincs eredmény. Az ítélet azt mondja meg, hogy
a sorozat valódi és teljes-e, nem azt, hogy jó-e a fizikai megoldás.

Csak a programok által írt fájlokat olvassa: a Brk2017_AZONOSÍTÓ.txt.N a korábbi
sorozatok megőrzött fájlja (felsorolja, nem értékeli), a zárolófájlokat kihagyja. Ha
egy azonosító több mappában is szerepel eredményfájllal, mindegyiket külön értékeli, és
megjelöli. Amit nem tud beolvasni (olvashatatlan mappa vagy fájl, link), azt a
jelentés külön felsorolja, és a szabványos hibakimenetre is kiírja.

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
  --lang KÓD             a kiírások és a jelentés nyelve, pl. en (angol); alapérték hu
                         (magyar); a TRELKO_LANG változó is megadhatja. Az
                         osszesito.csv minden nyelven ugyanaz
  --help                 ez a leírás
  --version              az értékelő verziója

Kilépési kód: 0 siker (bármi legyen az ítélet); 2 hibás opció, mappa vagy fájl.
)HELP");

}  // namespace sim::gradetext
