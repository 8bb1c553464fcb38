<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="hu_HU">
<context>
    <name>Apparatus</name>
    <message>
        <source>A faktor.txt 1. sora nem egész szám: %1</source>
        <translation>Line 1 of faktor.txt is not a whole number: %1</translation>
    </message>
    <message>
        <source>A faktor.txt 2. sora nem egész szám: %1</source>
        <translation>Line 2 of faktor.txt is not a whole number: %1</translation>
    </message>
    <message>
        <source>A faktor.txt 2. sorában a lépésköz nem lehet negatív: %1</source>
        <translation>The speed step in line 2 of faktor.txt cannot be negative: %1</translation>
    </message>
    <message>
        <source>A faktor.txt 2. sorában a lépésköz legfeljebb %1 lehet: %2</source>
        <translation>The speed step in line 2 of faktor.txt can be at most %1: %2</translation>
    </message>
    <message>
        <source>A faktor.txt 3. sora nem valós szám: %1</source>
        <translation>Line 3 of faktor.txt is not a real number: %1</translation>
    </message>
    <message>
        <source>Kiegyensúlyozatlan a rotor!<byte value="xd"/>    Automatikus leállás!</source>
        <translation>The rotor is unbalanced!<byte value="xd"/>    Automatic stop!</translation>
    </message>
    <message>
        <source>Az eredményfájl írása nem sikerült:<byte value="xd"/>%1 (%2)</source>
        <translation>The result file could not be written:<byte value="xd"/>%1 (%2)</translation>
    </message>
    <message>
        <source>A(z) &quot;%1&quot; azonosítót ebben a mappában már egy másik<byte value="xd"/>futó program használja:<byte value="xd"/>%2<byte value="xd"/>Adj meg másik azonosítót!</source>
        <translation>The identifier &quot;%1&quot; is already used in this folder<byte value="xd"/>by another running program:<byte value="xd"/>%2<byte value="xd"/>Please enter another identifier!</translation>
    </message>
    <message>
        <source>A faktor.txt fájl nem olvasható:<byte value="xd"/>%1</source>
        <translation>The file faktor.txt cannot be read:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>A faktor.txt fájl túl nagy (legfeljebb %1 KiB lehet):<byte value="xd"/>%2</source>
        <translation>The file faktor.txt is too large (at most %1 KiB):<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>A mérési idő nem egész szám: &quot;%1&quot;</source>
        <translation>The measuring time is not a whole number: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Az eredményfájl lezárása nem sikerült:<byte value="xd"/>%1</source>
        <translation>The result file could not be closed:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Az eredményfájl nem hozható létre:<byte value="xd"/>%1 (%2)</source>
        <translation>The result file cannot be created:<byte value="xd"/>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 fájlok</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>A(z) %1 fájl már létezik.<byte value="xd"/>Felülírjam?</source>
        <translation>The file %1 already exists.<byte value="xd"/>Overwrite it?</translation>
    </message>
    <message>
        <source>*** MEGERŐSÍTÉS ***</source>
        <translation>*** CONFIRMATION ***</translation>
    </message>
    <message>
        <source>A geometria nem tölthető be, mert egy elem a panelen kívülre kerülne:<byte value="xd"/>%1</source>
        <translation>The geometry cannot be loaded: an item would lie outside the panel:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Érvénytelen számformátum</source>
        <translation>Invalid number format</translation>
    </message>
    <message>
        <source>Érvénytelen mérési idő</source>
        <translation>Invalid measuring time</translation>
    </message>
    <message>
        <source>*** HIBA! ***</source>
        <translation>*** ERROR! ***</translation>
    </message>
    <message>
        <source>*** HIBA ***</source>
        <translation>*** ERROR ***</translation>
    </message>
    <message>
        <source>Fedél zár</source>
        <translation>Close lid</translation>
    </message>
    <message>
        <source>Fedél nyit</source>
        <translation>Open lid</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Betöltés</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Mérés leáll (s)</source>
        <translation>Auto stop (s)</translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Minden fájl</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>A munkamappa nem használható:<byte value="xd"/>%1<byte value="xd"/>(%2)</source>
        <translation>The work folder cannot be used:<byte value="xd"/>%1<byte value="xd"/>(%2)</translation>
    </message>
    <message>
        <source>nem létezik</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>nem mappa</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>nem írható</source>
        <translation>not writable</translation>
    </message>
    <message>
        <source>nem írható, és a HOME nincs beállítva; adj meg munkamappát a --dir opcióval vagy a TRELKO_DIR változóval</source>
        <translation>not writable, and HOME is not set; name a work folder with the --dir option or the TRELKO_DIR variable</translation>
    </message>
    <message>
        <source>a telepített program mappája, és a HOME nincs beállítva; adj meg munkamappát a --dir opcióval vagy a TRELKO_DIR változóval</source>
        <translation>the installed program&apos;s folder, and HOME is not set; give a work folder with the --dir option or the TRELKO_DIR variable</translation>
    </message>
    <message>
        <source>A faktor.txt 3. sorában a nyomás nem lehet negatív: %1</source>
        <translation>Line 3 of faktor.txt: the pressure cannot be negative: %1</translation>
    </message>
    <message>
        <source>Idő</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Fordulatszám (1/s)</source>
        <translation>Rotor speed (1/s)</translation>
    </message>
    <message>
        <source>Mérési idő (s)</source>
        <translation>Measuring time (s)</translation>
    </message>
    <message>
        <source>Beütésszám</source>
        <translation>Counts</translation>
    </message>
    <message>
        <source>Beütés/s</source>
        <translation>Counts/s</translation>
    </message>
    <message>
        <source>± 1 szórás (1/s)</source>
        <translation>± 1 standard deviation (1/s)</translation>
    </message>
    <message>
        <source>Sorozat pontja</source>
        <translation>Series point</translation>
    </message>
    <message>
        <source>A(z) „%1” név nem használható:<byte value="xd"/>%2.</source>
        <translation>The name “%1” cannot be used:<byte value="xd"/>%2.</translation>
    </message>
</context>
<context>
    <name>Geometry</name>
    <message>
        <source>A fájl nem nyitható meg: %1 (%2)</source>
        <translation>The file cannot be opened: %1 (%2)</translation>
    </message>
    <message>
        <source>A fájl nem olvasható: %1 (%2)</source>
        <translation>The file cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>A fájl nem hozható létre: %1 (%2)</source>
        <translation>The file cannot be created: %1 (%2)</translation>
    </message>
    <message>
        <source>A fájl nem írható: %1 (%2)</source>
        <translation>The file cannot be written: %1 (%2)</translation>
    </message>
    <message>
        <source>A fájl nem menthető: %1 (%2)</source>
        <translation>The file cannot be saved: %1 (%2)</translation>
    </message>
    <message>
        <source>A fájl nem zárható le: %1 (%2)</source>
        <translation>The file cannot be closed: %1 (%2)</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Read beyond end of file</translation>
    </message>
    <message>
        <source>Higany</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Ólom</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>        Visszateszed a helyére?</source>
        <translation>        Put it back in its place?</translation>
    </message>
    <message>
        <source>*** MEGERŐSÍTÉS ***</source>
        <translation>*** CONFIRMATION ***</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>hibás fájl</source>
        <translation>malformed file</translation>
    </message>
    <message>
        <source>nincs geometria</source>
        <translation>no geometry</translation>
    </message>
    <message>
        <source>nem illik</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>hiányos</source>
        <translation>incomplete</translation>
    </message>
    <message>
        <source>rendben</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>nincs eredmény</source>
        <translation>no result</translation>
    </message>
    <message>
        <source>azonosító</source>
        <translation>identifier</translation>
    </message>
    <message>
        <source>ítélet</source>
        <translation>verdict</translation>
    </message>
    <message>
        <source>geometria</source>
        <translation>geometry</translation>
    </message>
    <message>
        <source>ütem/pont</source>
        <translation>ticks/point</translation>
    </message>
    <message>
        <source>faktor</source>
        <translation>factor</translation>
    </message>
    <message>
        <source>lépésköz</source>
        <translation>step</translation>
    </message>
    <message>
        <source>pontok</source>
        <translation>points</translation>
    </message>
    <message>
        <source>teljes</source>
        <translation>complete</translation>
    </message>
    <message>
        <source>khi2</source>
        <translation>chi2</translation>
    </message>
    <message>
        <source>szabadsági fok</source>
        <translation>degrees of freedom</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>igen</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nem</source>
        <translation>no</translation>
    </message>
    <message>
        <source>üres fájl</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>nem „Faktor= &lt;egész szám&gt;” alakú, ahogy a program írja</source>
        <translation>not of the form “Faktor= &lt;whole number&gt;” as the program writes it</translation>
    </message>
    <message>
        <source>a Faktor 0: így a program nem számol beütést</source>
        <translation>the Faktor is 0: with it the program counts nothing</translation>
    </message>
    <message>
        <source>nem „alapjel, beütésszám” alakú, ahogy a program írja</source>
        <translation>not of the form “set point, counts” as the program writes it</translation>
    </message>
    <message>
        <source>a sor vége hiányzik (csonka fájl)</source>
        <translation>the line end is missing (a cut-off file)</translation>
    </message>
    <message>
        <source>a sorvég nem CR LF vagy LF</source>
        <translation>the line end is not CR LF or LF</translation>
    </message>
    <message>
        <source>az első alapjel %1, nem 100</source>
        <translation>the first set point is %1, not 100</translation>
    </message>
    <message>
        <source>a második alapjel (%1) nem nagyobb az elsőnél</source>
        <translation>the second set point (%1) is not above the first</translation>
    </message>
    <message>
        <source>az alapjel %1, a sorozatban itt %2 következik</source>
        <translation>the set point is %1, where the series has %2</translation>
    </message>
    <message>
        <source>a sorozat %1 1/s-os utolsó pontja után még sor következik</source>
        <translation>a line follows the series&apos; last point at %1 1/s</translation>
    </message>
    <message>
        <source>negatív beütésszám</source>
        <translation>negative counts</translation>
    </message>
    <message>
        <source>a fájl túl nagy</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>Hibás eredményfájl: %1, %2. sor: %3.</source>
        <translation>Malformed result file: %1, line %2: %3.</translation>
    </message>
    <message>
        <source>Az eredményfájl nem olvasható: %1 (%2).</source>
        <translation>The result file cannot be read: %1 (%2).</translation>
    </message>
    <message>
        <source>Nincs eredményfájl (%1.txt), csak geometria.</source>
        <translation>No result file (%1.txt), only geometry.</translation>
    </message>
    <message>
        <source>Nincs elmentett geometriafájl (*.%1).</source>
        <translation>No saved geometry file (*.%1).</translation>
    </message>
    <message>
        <source>Egyik geometriából sem számítható várható beütésszám.</source>
        <translation>None of the geometries gives expected counts.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Legjobban illeszkedő geometria: %1 (khi2 = %2, szabadsági fok %3, p = %4).</source>
        <translation>Best fitting geometry: %1 (chi2 = %2, degrees of freedom %3, p = %4).</translation>
    </message>
    <message>
        <source>Legjobban illeszkedő geometria: %1 (khi2 = %2; két pontnál kevesebbre nincs p-érték).</source>
        <translation>Best fitting geometry: %1 (chi2 = %2; fewer than two points give no p-value).</translation>
    </message>
    <message>
        <source>Más elmentett geometria is illeszkedik, a mérés ezektől nem különböztethető meg: %1.</source>
        <translation>Other saved geometries fit as well; the measurement cannot tell them apart: %1.</translation>
    </message>
    <message>
        <source>%1 (p = %2)</source>
        <translation>%1 (p = %2)</translation>
    </message>
    <message>
        <source>Ez sem illik a mérésre: p &lt; 0.001, a mért pontok nem ebből a geometriából valók.</source>
        <translation>Even this one does not fit the measurement: p &lt; 0.001, the measured points do not come from this geometry.</translation>
    </message>
    <message>
        <source>Becsült mérési idő pontonként: %1 s (%2 ütem).</source>
        <translation>Estimated counting time per point: %1 s (%2 ticks).</translation>
    </message>
    <message>
        <source>Pontos mód: minden beütésszám egyezik a geometriából számítottal (±1).</source>
        <translation>Exact mode: every count equals the one computed from the geometry (±1).</translation>
    </message>
    <message>
        <source>Pontos mód: %1 1/s-nál a beütésszám %2, a geometriából számított %3.</source>
        <translation>Exact mode: at %1 1/s the count is %2, the one computed from the geometry %3.</translation>
    </message>
    <message>
        <source>A sorozat teljes: %1 pont, %2 és %3 1/s között.</source>
        <translation>The series is complete: %1 points, from %2 to %3 1/s.</translation>
    </message>
    <message>
        <source>A sorozat %1 1/s-nál megszakadt; az utolsó alapjel %2 1/s lett volna.</source>
        <translation>The series broke off at %1 1/s; its last set point would have been %2 1/s.</translation>
    </message>
    <message>
        <source>Az eredményfájlban egyetlen mért pont sincs.</source>
        <translation>The result file holds no measured point.</translation>
    </message>
    <message>
        <source>A sorozatnak csak egy pontja van; az utolsó alapjel legalább %1 1/s lett volna.</source>
        <translation>The series has a single point; its last set point would have been at least %1 1/s.</translation>
    </message>
    <message>
        <source>A Faktor (%1) eltér a szervezők faktor.txt fájljában megadottól (%2).</source>
        <translation>The Faktor (%1) differs from the one in the organisers&apos; faktor.txt (%2).</translation>
    </message>
    <message>
        <source>A lépésköz (%1) eltér a szervezők faktor.txt fájljában megadottól (%2).</source>
        <translation>The speed step (%1) differs from the one in the organisers&apos; faktor.txt (%2).</translation>
    </message>
    <message>
        <source>hibás geometriafájl (%1)</source>
        <translation>malformed geometry file (%1)</translation>
    </message>
    <message>
        <source>hu</source>
        <extracomment>The language code of the report page (its lang attribute): the code of this translation.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>Trelko kísérlet – a mérések értékelése</source>
        <translation>Trelko experiment – grading of the measurements</translation>
    </message>
    <message>
        <source>Beadások: %1 · %2 versenyző</source>
        <translation>Submissions: %1 · %2 contestants</translation>
    </message>
    <message>
        <source>A szervezők faktor.txt fájlja: %1 (Faktor= %2, lépésköz %3)</source>
        <translation>The organisers&apos; faktor.txt: %1 (Faktor= %2, speed step %3)</translation>
    </message>
    <message>
        <source>Nem található versenyzői fájl (Brk2017_*.txt vagy *.Brk2017_*).</source>
        <translation>No contestant file found (Brk2017_*.txt or *.Brk2017_*).</translation>
    </message>
    <message>
        <source>Összesítés</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Indoklás</source>
        <translation>Reasons</translation>
    </message>
    <message>
        <source>Mért és várható beütésszám</source>
        <translation>Measured and expected counts</translation>
    </message>
    <message>
        <source>A legjobban illeszkedő geometria</source>
        <translation>The best fitting geometry</translation>
    </message>
    <message>
        <source>Illeszkedés geometriánként</source>
        <translation>Fit of each geometry</translation>
    </message>
    <message>
        <source>Fájlok</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>geometriafájl</source>
        <translation>geometry file</translation>
    </message>
    <message>
        <source>megjegyzés</source>
        <translation>note</translation>
    </message>
    <message>
        <source>legjobb</source>
        <translation>best</translation>
    </message>
    <message>
        <source>%1   (Faktor= %2, mérési idő %3 s, %4)</source>
        <translation>%1   (Faktor= %2, counting time %3 s, %4)</translation>
    </message>
    <message>
        <source>Nincs ábra: nincs illeszthető geometria.</source>
        <translation>No plot: no geometry can be fitted.</translation>
    </message>
    <message>
        <source>kék: higany céltárgy · bíbor: detektor · szürke: ólomlemez · arany: forrás a rotoron</source>
        <translation>blue: mercury target · fuchsia: detector · grey: lead shield · gold: source on the rotor</translation>
    </message>
    <message>
        <source>A tárolóban maradt: %1.</source>
        <translation>Left in the bins: %1.</translation>
    </message>
    <message>
        <source>céltárgy</source>
        <translation>target</translation>
    </message>
    <message>
        <source>detektor</source>
        <translation>detector</translation>
    </message>
    <message>
        <source>%1 ólomlemez</source>
        <translation>%1 lead shield(s)</translation>
    </message>
    <message>
        <source>eredményfájl</source>
        <translation>result file</translation>
    </message>
    <message>
        <source>vissza az összesítéshez</source>
        <translation>back to the summary</translation>
    </message>
    <message>
        <source><byte value="xd"/>Értékelés: %1/%2 versenyző</source>
        <translation><byte value="xd"/>Grading: %1/%2 contestants</translation>
    </message>
    <message>
        <source>Összesítő: %1</source>
        <translation>Summary: %1</translation>
    </message>
    <message>
        <source>Jelentés: %1</source>
        <translation>Report: %1</translation>
    </message>
    <message>
        <source>%1 versenyző</source>
        <translation>%1 contestants</translation>
    </message>
    <message>
        <source>figyelem: nem található versenyzői fájl (Brk2017_*.txt vagy *.Brk2017_*)</source>
        <translation>warning: no contestant file found (Brk2017_*.txt or *.Brk2017_*)</translation>
    </message>
    <message>
        <source>hiányzik a beadások mappája (lásd: trelko-grade --help)</source>
        <translation>the submissions folder is missing (see: trelko-grade --help)</translation>
    </message>
    <message>
        <source>egynél több beadásmappa: &quot;%1&quot;</source>
        <translation>more than one submissions folder: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hiányzik az --out (a jelentés mappája)</source>
        <translation>--out is missing (the report folder)</translation>
    </message>
    <message>
        <source>%1: üres érték</source>
        <translation>%1: empty value</translation>
    </message>
    <message>
        <source>--jobs: a szálak száma 1 és %1 közötti egész szám: &quot;%2&quot;</source>
        <translation>--jobs: the number of threads is a whole number from 1 to %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>ismeretlen opció: %1 (lásd: trelko-grade --help)</source>
        <translation>unknown option: %1 (see: trelko-grade --help)</translation>
    </message>
    <message>
        <source>a(z) %1 opció értéke hiányzik</source>
        <translation>the %1 option needs a value</translation>
    </message>
    <message>
        <source>hibás parancssor (lásd: trelko-grade --help)</source>
        <translation>bad command line (see: trelko-grade --help)</translation>
    </message>
    <message>
        <source>%1: nincs ilyen mappa</source>
        <translation>%1: no such folder</translation>
    </message>
    <message>
        <source>%1: a mappa nem hozható létre (%2)</source>
        <translation>%1: the folder cannot be created (%2)</translation>
    </message>
    <message>
        <source>%1: nem található</source>
        <translation>%1: not found</translation>
    </message>
    <message>
        <source>%1: nem olvasható</source>
        <translation>%1: cannot be read</translation>
    </message>
    <message>
        <source>%1: túl nagy fájl (legfeljebb %2 KiB lehet)</source>
        <translation>%1: file too large (at most %2 KiB)</translation>
    </message>
    <message>
        <source>%1: nem írható (%2)</source>
        <translation>%1: cannot be written (%2)</translation>
    </message>
    <message>
        <source>%1: nem hozható létre (%2)</source>
        <translation>%1: cannot be created (%2)</translation>
    </message>
    <message>
        <source>nem értékelhető</source>
        <translation>cannot be judged</translation>
    </message>
    <message>
        <source>Minden beütésszám 0: a sorozatból nem dönthető el, melyik geometrián mérték.</source>
        <translation>Every count is 0: the series cannot show which geometry it was measured on.</translation>
    </message>
    <message>
        <source>%1 pontban a számláló elérte a felső határát (%2): ezek nem mért beütésszámok, a sorozat nem értékelhető.</source>
        <translation>At %1 points the counter reached its upper limit (%2): these are not measured counts, and the series cannot be judged.</translation>
    </message>
    <message>
        <source>&lt;üres azonosító&gt;</source>
        <extracomment>Shown for an identifier that was left empty at the login; no identifier can hold &lt; or &gt;.</extracomment>
        <translation>&lt;empty identifier&gt;</translation>
    </message>
    <message>
        <source>Üres azonosító: a bejelentkezéskor nem írtak be semmit (Brk2017_.txt).</source>
        <translation>Empty identifier: nothing was typed at the login (Brk2017_.txt).</translation>
    </message>
    <message>
        <source>Ez az azonosító más mappában is szerepel eredményfájllal: %1. Minden mappa sorozatát külön értékeltük; a legjobb ítélet számít.</source>
        <translation>This identifier also has a result file in another folder: %1. Each folder&apos;s series was graded on its own; the best verdict counts.</translation>
    </message>
    <message>
        <source>A fájlok a jelentés mappájában vannak; értékeltük őket.</source>
        <translation>The files lie in the report&apos;s own folder; they were graded.</translation>
    </message>
    <message>
        <source>Korábbi sorozat megőrzött fájlja, nem értékelve: %1.</source>
        <translation>Kept file of an earlier series, not graded: %1.</translation>
    </message>
    <message>
        <source>Mappa: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>Nem olvasott mappák és fájlok</source>
        <translation>Folders and files not read</translation>
    </message>
    <message>
        <source>Ezeket az értékelő nem olvasta be; ha versenyzői fájl van köztük, másold be olvasható helyre, és értékeld újra.</source>
        <translation>The grading tool did not read these; if a contestant&apos;s file is among them, copy it to a readable place and grade again.</translation>
    </message>
    <message>
        <source>nem olvasott: %1 (%2)</source>
        <translation>not read: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 nem olvasott mappa vagy fájl</source>
        <translation>%1 folders or files not read</translation>
    </message>
    <message>
        <source>a mappa nem olvasható: %1</source>
        <translation>the folder cannot be read: %1</translation>
    </message>
    <message>
        <source>a mappa tartalma nem olvasható végig: %1</source>
        <translation>the folder cannot be read to its end: %1</translation>
    </message>
    <message>
        <source>a fájl nem olvasható: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>link a beadások mappáján kívülre (%1); nem követtük</source>
        <translation>a link out of the submissions folder (%1); not followed</translation>
    </message>
    <message>
        <source>link a beadások mappáján belülre (%1); a célját ott értékeljük, ahol van</source>
        <translation>a link within the submissions folder (%1); its target is graded where it lies</translation>
    </message>
    <message>
        <source>link, amely nem létező fájlra mutat (%1)</source>
        <translation>a link to a file that does not exist (%1)</translation>
    </message>
    <message>
        <source>versenyzői fájlnak látszik, de ilyen nevű fájlt a programok nem írnak</source>
        <translation>looks like a contestant&apos;s file, but the programs never write a file of this name</translation>
    </message>
    <message>
        <source>egy megszakadt trelko-runner futás saját mappája, mért pont nélkül</source>
        <translation>the private folder of a trelko-runner run that was killed, without measured points</translation>
    </message>
    <message>
        <source>egy megszakadt trelko-runner futás saját mappája, benne a részeredménye: %1; a trelko-runner következő futása ebben a mappában a mappa mellé menti</source>
        <translation>the private folder of a trelko-runner run that was killed, holding its partial result: %1; the next trelko-runner run in this folder keeps it beside the folder</translation>
    </message>
    <message>
        <source>a program sem tölti be: „%1”</source>
        <translation>the program itself refuses to load it: “%1”</translation>
    </message>
    <message>
        <source>korábbi sorozat (nem értékelve)</source>
        <translation>earlier series (not graded)</translation>
    </message>
    <message>
        <source>%1: ezen a néven már egy fájl áll, nem mappa; adj meg másik --out mappát</source>
        <translation>%1: a file of this name stands there, not a folder; give another --out folder</translation>
    </message>
    <message>
        <source>%1: ezen a néven már áll valami, ami nem mappa (%2)</source>
        <translation>%1: something that is not a folder stands under this name (%2)</translation>
    </message>
    <message>
        <source>Használat: trelko-grade [opciók] BEADÁSOK

Egy egész csoport méréseit értékeli. A BEADÁSOK mappát almappáival együtt bejárja
(mindenki fájljai egy mappában, vagy versenyzőnként egy almappában): a
Brk2017_AZONOSÍTÓ.txt a versenyző eredményfájlja, a NÉV.Brk2017_AZONOSÍTÓ egy elmentett
geometriája. Minden alapjelre a program saját számítása adja a várható beütésszámot
(mindkét forrás a rotoron, az 1-es és a 9-es helyen, a meghajtás jár); a pontonkénti
ütemszámot az illesztés becsli. Geometriánként Pearson-féle khi-négyzet próba; a
legkisebb khi2 adja a legjobb geometriát.

Ítéletek (az első, amelyik teljesül): hibás fájl, nincs geometria, nem értékelhető
(minden beütésszám 0, vagy a számláló elérte a felső határát), nem illik (p &lt; 0.001,
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
</source>
        <translation>Usage: trelko-grade [options] SUBMISSIONS

Grades the measurements of a whole class. It searches the SUBMISSIONS folder with all its
subfolders (everyone&apos;s files in one folder, or one subfolder per contestant):
Brk2017_IDENTIFIER.txt is a contestant&apos;s result file, NAME.Brk2017_IDENTIFIER one of their
saved geometries. For every set point the program&apos;s own computation gives the expected
counts (both sources on the rotor, at positions 1 and 9, the drive on); the fit estimates
the ticks per point. Pearson&apos;s chi-square test for each geometry; the smallest chi2 gives
the best geometry.

Verdicts (the first that applies; osszesito.csv gives the Hungarian names in brackets):
malformed file (hibás fájl), no geometry (nincs geometria), cannot be judged (nem
értékelhető; every count 0, or the counter at its upper limit), does not fit (nem illik;
p &lt; 0.001, or a difference in the exact mode), incomplete (hiányos; the series broke off
before 2000 1/s), ok (rendben). Without a result file, with geometry only: no result
(nincs eredmény). A verdict tells whether the series is genuine and complete, not whether
the physics of the solution is good.

Only the files the programs write are read: Brk2017_IDENTIFIER.txt.N is the kept file of
an earlier series (listed, not graded); lock files are passed over. Where an identifier
has result files in more than one folder, each is graded on its own and marked. What
cannot be read (a folder or file without permission, a link) is listed in the report&apos;s
own section and on standard error.

Required:
  SUBMISSIONS            the folder of the contestants&apos; files
  --out FOLDER           the report folder (made if missing): osszesito.csv and
                         index.html go there; nothing is written anywhere else

Other:
  --jobs N               works on this many threads, from 1 to 256 (default: the
                         number of processor cores)
  --faktor FILE          the organisers&apos; faktor.txt: result files with another Faktor or
                         speed step are marked
  --csv-only             only osszesito.csv is made
  --quiet                no progress line
  --lang CODE            the language of the messages and the report, e.g. en (English);
                         default hu (Hungarian); the TRELKO_LANG variable may give it too.
                         osszesito.csv is the same, Hungarian, in every language
  --help                 this text
  --version              the grading tool&apos;s version

Exit status: 0 success (whatever the verdicts); 2 a bad option, folder or file.
</translation>
    </message>
</context>
<context>
    <name>Physics</name>
    <message>
        <source>Nincs forrás elhelyezve</source>
        <translation>No source has been placed</translation>
    </message>
    <message>
        <source>Nincs semmilyen elem a mérőhelyen</source>
        <translation>There is no item at all on the field</translation>
    </message>
    <message>
        <source>Nincs detektor a mérőhelyen</source>
        <translation>There is no detector on the field</translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>Fordulatszám (1/s)</source>
        <translation>Rotor speed (1/s)</translation>
    </message>
    <message>
        <source>Beütésszám</source>
        <translation>Counts</translation>
    </message>
    <message>
        <source>mért (±1 szórás)</source>
        <translation>measured (±1 SD)</translation>
    </message>
    <message>
        <source>várható</source>
        <translation>expected</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Nincs grafikus kijelző: a program ablakot nyit, ehhez X vagy Wayland kijelző kell.</source>
        <translation>No graphical display: the program opens a window and needs an X or Wayland display for it.</translation>
    </message>
    <message>
        <source>DISPLAY nincs beállítva</source>
        <translation>DISPLAY is not set</translation>
    </message>
    <message>
        <source> (lásd: %1 --help)</source>
        <translation> (see: %1 --help)</translation>
    </message>
    <message>
        <source>a(z) %1 opció értéke hiányzik</source>
        <translation>the %1 option has no value</translation>
    </message>
    <message>
        <source>hibás parancssor</source>
        <translation>a bad command line</translation>
    </message>
    <message>
        <source>ismeretlen opció: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>fölösleges argumentum: &quot;%1&quot;</source>
        <translation>an argument too many: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--dir: üres mappanév</source>
        <translation>--dir: an empty folder name</translation>
    </message>
    <message>
        <source>Használat: trelko [opciók]

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
</source>
        <translation>Usage: trelko [options]

Simulation of a resonant gamma-ray scattering experiment: the computer task of the
Országos Brenn Fizikaverseny 2017. It opens a window, so it needs a graphical display.

The program reads faktor.txt from the work folder, writes the automatic series&apos; result
file (Brk2017_IDENTIFIER.txt) there, opens the geometry&apos;s saving and loading there, and
looks there for the Brenn2017.docx description. The work folder is the folder given with
--dir; without it, the folder in the {VARIABLE} environment variable; without that, the
program&apos;s own folder, if the user may write into it and it is not the installed
program&apos;s folder (the competition&apos;s portable copy); else the folder {HOME_FOLDER}, which
the program makes when needed, open to the user only. A folder given must exist and be
writable; if it is not, the program says why at start-up and ends.

Without a faktor.txt in the work folder, the program reads {SYSTEM_FACTOR} (the
organisers&apos; setting for the whole machine). Without a Brenn2017.docx in the work folder,
it looks in the {SYSTEM_DOCS} folder.

The program starts as the competition edition, exactly as at the competition. The class
edition (a measurement log with a plot and export, faster time, the physics of the
experiment, zoom) starts with the --class option, the {MODE_VARIABLE}=class environment
variable, or a {MODE_FILE} file in the work folder (else in the {SYSTEM_MODE_FOLDER} folder)
that holds a single word: class or competition.

Options:
  --dir FOLDER           the work folder
  --class                the class edition
  --lang CODE            the program&apos;s language, e.g. en (English); default hu
                         (Hungarian); the TRELKO_LANG variable may give it too; the files
                         are the same in every language
  --help                 this text
  --version              the program&apos;s version

Exit status: 0 the program ended normally; 1 no graphical display, or the work folder
cannot be used; 2 a bad option, with a one-line message.
</translation>
    </message>
    <message>
        <source>%1: ismeretlen üzemmód: &quot;%2&quot; (lehet: %3 vagy %4); a program versenyváltozatként indul</source>
        <translation>%1: unknown mode: &quot;%2&quot; (it may be %3 or %4); the program starts as the competition edition</translation>
    </message>
    <message>
        <source>%1: a fájl nem olvasható, vagy nem egyetlen szó; a program versenyváltozatként indul</source>
        <translation>%1: the file cannot be read or is not a single word; the program starts as the competition edition</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>a fájlrendszer nem enged benne új fájlt</source>
        <translation>the file system takes no new file there</translation>
    </message>
    <message>
        <source>%1: a mappába nem lehet írni (%2)</source>
        <translation>%1: the folder cannot be written to (%2)</translation>
    </message>
    <message>
        <source>%1: nem hozható létre (%2)</source>
        <translation>%1: cannot be created (%2)</translation>
    </message>
    <message>
        <source>%1: az eredményfájl nem írható (%2)</source>
        <translation>%1: the result file cannot be written (%2)</translation>
    </message>
    <message>
        <source>%1: nem található</source>
        <translation>%1: not found</translation>
    </message>
    <message>
        <source>%1: túl nagy fájl (legfeljebb %2 KiB lehet)</source>
        <translation>%1: file too large (at most %2 KiB)</translation>
    </message>
    <message>
        <source>%1: nem közönséges fájl</source>
        <translation>%1: not a regular file</translation>
    </message>
    <message>
        <source>%1: nem olvasható (%2)</source>
        <translation>%1: cannot be read (%2)</translation>
    </message>
    <message>
        <source>a --factor/--step/--pressure értékei</source>
        <translation>the values of --factor/--step/--pressure</translation>
    </message>
    <message>
        <source>%1: nincs ilyen mappa</source>
        <translation>%1: no such folder</translation>
    </message>
    <message>
        <source>%1: a mappa nem érhető el (%2)</source>
        <translation>%1: the folder cannot be reached (%2)</translation>
    </message>
    <message>
        <source>%1: nem mappa</source>
        <translation>%1: not a folder</translation>
    </message>
    <message>
        <source>a(z) &quot;%1&quot; azonosítót ebben a mappában már egy másik futó program használja: %2</source>
        <translation>the identifier &quot;%1&quot; is already used in this folder by another running program: %2</translation>
    </message>
    <message>
        <source>jelzés</source>
        <translation>signal</translation>
    </message>
    <message>
        <source>%1: PNG rajzolása itt nem lehetséges</source>
        <translation>%1: PNG cannot be drawn here</translation>
    </message>
    <message>
        <source>sorozat --no-auto-stop mellett csak pontos módban ér véget: a második ponttól a Stop gomb tiltva van</source>
        <translation>with --no-auto-stop a series ends only in the exact mode: from the second point on the Stop button is disabled</translation>
    </message>
    <message>
        <source>megszakítva (%1); az eredményfájl hiányos, csak az addig mért pontok vannak benne: %2</source>
        <translation>interrupted (%1); the result file is incomplete, it holds only the points measured so far: %2</translation>
    </message>
    <message>
        <source>megszakítva (%1); eredmény nem készült</source>
        <translation>interrupted (%1); no result was made</translation>
    </message>
    <message>
        <source>Számláló: %1</source>
        <translation>Counter: %1</translation>
    </message>
    <message>
        <source>Mérési idő (s): %1</source>
        <translation>Counting time (s): %1</translation>
    </message>
    <message>
        <source>Eredményfájl: %1</source>
        <translation>Result file: %1</translation>
    </message>
    <message>
        <source>%1   (Faktor= %2, mérési idő %3 s)</source>
        <translation>%1   (Faktor= %2, counting time %3 s)</translation>
    </message>
    <message>
        <source>%1: a PNG kép nem készült el</source>
        <translation>%1: the PNG picture was not made</translation>
    </message>
    <message>
        <source>%1: nem írható (%2)</source>
        <translation>%1: cannot be written (%2)</translation>
    </message>
    <message>
        <source>--plot: a fájlnév .png vagy .svg végű legyen</source>
        <translation>--plot: the file name must end in .png or .svg</translation>
    </message>
    <message>
        <source>a(z) %1 opciónak nincs értéke</source>
        <translation>the %1 option takes no value</translation>
    </message>
    <message>
        <source>üres geometriafájl-név</source>
        <translation>empty geometry file name</translation>
    </message>
    <message>
        <source>egynél több geometriafájl: &quot;%1&quot;</source>
        <translation>more than one geometry file: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ismeretlen opció: %1 (lásd: %2 --help)</source>
        <translation>unknown option: %1 (see: %2 --help)</translation>
    </message>
    <message>
        <source>hiányzik a geometriafájl (lásd: %1 --help)</source>
        <translation>the geometry file is missing (see: %1 --help)</translation>
    </message>
    <message>
        <source>hiányzik a --sources (a két forrás rotorpozíciója, pl. --sources 1,9)</source>
        <translation>--sources is missing (the rotor positions of the two sources, e.g. --sources 1,9)</translation>
    </message>
    <message>
        <source>a --factor-file és a --factor/--step/--pressure együtt nem adható meg</source>
        <translation>--factor-file and --factor/--step/--pressure cannot be given together</translation>
    </message>
    <message>
        <source>hiányzik az --id (a geometriafájl kiterjesztése nem .%1...)</source>
        <translation>--id is missing (the geometry file&apos;s extension is not .%1...)</translation>
    </message>
    <message>
        <source>a geometriafájl nevéből vett azonosító nem lehet fájlnév része: &quot;%1&quot;</source>
        <translation>the identifier taken from the geometry file&apos;s name cannot be part of a file name: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sources: két rotorpozíció kell vesszővel (0, 1 vagy 9), pl. 1,9</source>
        <translation>--sources: two rotor positions separated by a comma (0, 1 or 9), e.g. 1,9</translation>
    </message>
    <message>
        <source>--factor-file: üres fájlnév</source>
        <translation>--factor-file: empty file name</translation>
    </message>
    <message>
        <source>--factor: nem egész szám</source>
        <translation>--factor: not a whole number</translation>
    </message>
    <message>
        <source>--step: nem egész szám</source>
        <translation>--step: not a whole number</translation>
    </message>
    <message>
        <source>--step: a lépésköz 0 és %1 közötti egész szám</source>
        <translation>--step: the step is a whole number from 0 to %1</translation>
    </message>
    <message>
        <source>--pressure: nem valós szám</source>
        <translation>--pressure: not a real number</translation>
    </message>
    <message>
        <source>--time: a mérési idő 1 és %1 közötti egész szám</source>
        <translation>--time: the counting time is a whole number from 1 to %1</translation>
    </message>
    <message>
        <source>--speed: a fordulatszám %1 és %2 közötti egész szám</source>
        <translation>--speed: the rotor speed is a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>--id: az azonosító nem lehet fájlnév része</source>
        <translation>--id: the identifier cannot be part of a file name</translation>
    </message>
    <message>
        <source>--out: üres mappanév</source>
        <translation>--out: empty folder name</translation>
    </message>
    <message>
        <source>--csv: üres fájlnév</source>
        <translation>--csv: empty file name</translation>
    </message>
    <message>
        <source>a(z) %1 opció értéke hiányzik</source>
        <translation>the %1 option needs a value</translation>
    </message>
    <message>
        <source>Használat: trelko-runner [opciók] GEOMETRIAFÁJL

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
</source>
        <translation>Usage: trelko-runner [options] GEOMETRYFILE

The experiment&apos;s simulation without a window, on a virtual clock. It takes a contestant&apos;s
steps with the same handlers as the window: loads the geometry, puts the sources on the
rotor, closes the lid, pumps until the rotor may start, then presses the measurement&apos;s
Start button. With a non-zero speed step it runs the whole speed series and writes the
result file Brk2017_IDENTIFIER.txt into the output folder, byte for byte as the window
would; with a zero step it makes one count and prints the counter and the counting time.
The random sequence starts from 0, as when the program starts.

Required:
  GEOMETRYFILE           the 48-byte geometry file the window saves
  --sources A,B          the rotor positions of the two sources: 1 (top), 9 (bottom) or 0
                         (not on the rotor), e.g. --sources 1,9

The faktor.txt (a file or values; with neither, the faktor.txt of the output folder, if
there is one):
  --factor-file FILE     the measurement reads this faktor.txt
  --factor N             line 1: factor (default {FACTOR})
  --step N               line 2: the series&apos; speed step, 1/s, from 0 to {MAXSTEP}
                         (default 0: a single count)
  --pressure P           line 3: ambient pressure, mbar (without it, the line is absent)

The measurement:
  --time S               counting time, s, from 1 to {MAXTIME} (default {TIME})
  --auto-stop            &quot;Auto stop (s)&quot; is ticked (default)
  --no-auto-stop         it is not ticked: the runner stops the single count after S s,
                         as a contestant would with the Stop button; a series then ends
                         only in the exact mode, so it is refused otherwise
  --speed N              before Start, runs the rotor up to N 1/s ({MINSPEED} to {MAXSPEED})
  --exact                exact mode: the factor goes into faktor.txt with a minus sign,
                         so every point is one tick and its count is the expected count,
                         truncated

Output:
  --id IDENTIFIER        the result file is Brk2017_IDENTIFIER.txt; by default taken from
                         the geometry file&apos;s name (NAME.Brk2017_IDENTIFIER)
  --out FOLDER           the result file&apos;s folder (default: the current folder)
  --csv FILE             one row per point: set point (1/s), counts, expected counts
                         (|factor| x detector rate summed over the point&apos;s ticks), Poisson
                         standard deviation (square root of the expected counts)
  --plot FILE.png|.svg   a {W} x {H} pixel plot: counts against rotor speed with error
                         bars, and the expected curve
  --lang CODE            the language of what is shown, e.g. en (English); default hu
                         (Hungarian); the TRELKO_LANG variable may give it too; the files
                         are the same in every language
  --help                 this text
  --version              the runner&apos;s version

Like the window, the run claims the identifier in the output folder while it lasts: if a
window or another runner already uses it there, the run does not start.

Exit status: 0 success; 1 the measurement was stopped by the apparatus (no source, item
or detector, unbalanced rotor), with the window&apos;s message on standard error; 2 a bad
option or file, with a one-line message; 130 (Ctrl-C, SIGINT) or 143 (SIGTERM)
interrupted: the points measured so far stay in the result file, as whole lines.
</translation>
    </message>
    <message>
        <source>--pressure: a nyomás nem lehet negatív</source>
        <translation>--pressure: the pressure cannot be negative</translation>
    </message>
    <message>
        <source>egy megszakadt futás mappájában részeredmény maradt, ezért a mappa megmaradt: %1 (%2)</source>
        <translation>the folder of a killed run still holds a partial result, so the folder stays: %1 (%2)</translation>
    </message>
    <message>
        <source>egy megszakadt futás mappáját eltávolítottam: %1 (mért pont nem volt benne)</source>
        <translation>removed the folder of a killed run: %1 (it held no measured points)</translation>
    </message>
    <message>
        <source>egy megszakadt futás mappáját eltávolítottam: %1; az addig mért pontjai megmaradtak: %2</source>
        <translation>removed the folder of a killed run: %1; the points it had measured are kept: %2</translation>
    </message>
    <message>
        <source>figyelem: a Faktor 0, így minden beütésszám 0 lesz (pontos módhoz negatív Faktor kell)</source>
        <translation>warning: the Faktor is 0, so every count will be 0 (the exact mode needs a negative Faktor)</translation>
    </message>
    <message>
        <source>%1: a korábbi sorozat fájlja nem nevezhető át (%2)</source>
        <translation>%1: the earlier series&apos; file cannot be renamed (%2)</translation>
    </message>
    <message>
        <source>a korábbi sorozat eredményfájlja megmaradt: %1</source>
        <translation>the earlier series&apos; result file is kept: %1</translation>
    </message>
    <message>
        <source>figyelem: %1 mérésben a számláló elérte a felső határát (%2): ezek nem mért beütésszámok; kisebb Faktorral mérj</source>
        <translation>warning: in %1 counts the counter reached its upper limit (%2): these are not measured counts; measure with a smaller Faktor</translation>
    </message>
    <message>
        <source>--id: az azonosító legfeljebb %1 bájt lehet, ez %2 bájt</source>
        <translation>--id: an identifier may be at most %1 bytes long, this one is %2 bytes</translation>
    </message>
    <message>
        <source>a geometriafájl nevéből vett azonosító nem használható: %1: &quot;%2&quot;</source>
        <translation>the identifier taken from the geometry file&apos;s name cannot be used: %1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>nem létezik</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>nincs hozzá jogosultság</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>túl hosszú név: egy név legfeljebb %1 bájt, egy útvonal legfeljebb %2 bájt lehet</source>
        <translation>name too long: a name may be at most %1 bytes, a path at most %2 bytes</translation>
    </message>
    <message>
        <source>nincs elég hely a lemezen</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>a fájl elérte a megengedett legnagyobb méretet</source>
        <translation>the file reached the largest size allowed</translation>
    </message>
    <message>
        <source>csak olvasható fájlrendszer</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>már létezik</source>
        <translation>already exists</translation>
    </message>
    <message>
        <source>az útvonal egy része nem mappa</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>ez egy mappa</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>túl sok szimbolikus link (talán önmagára mutat)</source>
        <translation>too many symbolic links (perhaps it points to itself)</translation>
    </message>
    <message>
        <source>rendszerhiba %1: %2</source>
        <translation>system error %1: %2</translation>
    </message>
    <message>
        <source>ez egy mappa, nem közönséges fájl</source>
        <translation>it is a folder, not a regular file</translation>
    </message>
    <message>
        <source>ez egy eszköz, nem közönséges fájl</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>ez egy csővezeték (FIFO), nem közönséges fájl</source>
        <translation>it is a pipe (FIFO), not a regular file</translation>
    </message>
    <message>
        <source>ez egy socket, nem közönséges fájl</source>
        <translation>it is a socket, not a regular file</translation>
    </message>
    <message>
        <source>nem közönséges fájl</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Windows elhagyja a név végéről a pontot és a szóközt, így a név más fájlt jelentene</source>
        <translation>Windows drops a dot or a blank at the end of a name, so the name would mean another file</translation>
    </message>
    <message>
        <source>Windowson a(z) %1 egy eszköz neve (ilyen a CON, PRN, AUX, NUL, COM1–COM9 és LPT1–LPT9, bármilyen kiterjesztéssel)</source>
        <translation>on Windows %1 is the name of a device (as are CON, PRN, AUX, NUL, COM1–COM9 and LPT1–LPT9, with any extension)</translation>
    </message>
</context>
<context>
    <name>sim::TAboutBox</name>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Országos Brenn Fizikaverseny  </source>
        <translation>National Brenn Physics Competition  </translation>
    </message>
    <message>
        <source>Számítógépes feladat 2017</source>
        <translation>Computer task 2017</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Verzió: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>Munkamappa:</source>
        <translation>Work folder:</translation>
    </message>
</context>
<context>
    <name>sim::TBejelentkez</name>
    <message>
        <source> Bejelentkezés</source>
        <translation> Login</translation>
    </message>
    <message>
        <source>Add meg az azonosító kódodat</source>
        <translation>Enter your identifier code</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Az azonosító nem tartalmazhat / \ : * ? &quot; &lt; &gt; | jelet,<byte value="xd"/>két egymás utáni pontot (..) és vezérlőkaraktert.<byte value="xd"/>Adj meg másik azonosítót!</source>
        <translation>The identifier cannot contain / \ : * ? &quot; &lt; &gt; |,<byte value="xd"/>two dots in a row (..) or control characters.<byte value="xd"/>Please enter another identifier!</translation>
    </message>
    <message>
        <source>Az azonosító legfeljebb %1 bájt hosszú lehet (egy ékezetes betű 2 bájt).<byte value="xd"/>Adj meg rövidebb azonosítót!</source>
        <translation>The identifier can be at most %1 bytes long (an accented letter takes 2 bytes).<byte value="xd"/>Please enter a shorter identifier!</translation>
    </message>
    <message>
        <source>Ez az azonosító nem használható: %1.<byte value="xd"/>Adj meg másik azonosítót!</source>
        <translation>This identifier cannot be used: %1.<byte value="xd"/>Enter another identifier!</translation>
    </message>
</context>
<context>
    <name>sim::TForm1</name>
    <message>
        <source> Au-források</source>
        <translation> Au sources</translation>
    </message>
    <message>
        <source> Hg céltárgy</source>
        <translation> Hg target</translation>
    </message>
    <message>
        <source>    Detektor</source>
        <translation>    Detector</translation>
    </message>
    <message>
        <source> Ólom árnyékolás</source>
        <translation> Lead shields</translation>
    </message>
    <message>
        <source>Trelko kísérlet szimulációja Brenn Verseny 2017</source>
        <translation>Simulation of the Trelko experiment, Brenn Competition 2017</translation>
    </message>
    <message>
        <source>Trelko kísérlet szimulációja Brenn Verseny 2017  (%1)</source>
        <translation>Simulation of the Trelko experiment, Brenn Competition 2017  (%1)</translation>
    </message>
    <message>
        <source>Minden adat el van mentve?</source>
        <translation>Has all your data been saved?</translation>
    </message>
    <message>
        <source>***MEGERŐSÍTÉS***</source>
        <translation>***CONFIRMATION***</translation>
    </message>
    <message>
        <source>Vége</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Súgó</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Leírás</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Vákuumszivattyú</source>
        <translation>Vacuum pump</translation>
    </message>
    <message>
        <source>Fordulatszám  (1/s)</source>
        <translation>Rotor speed  (1/s)</translation>
    </message>
    <message>
        <source>Geometria</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Nyomás (mbar)</source>
        <translation>Pressure (mbar)</translation>
    </message>
    <message>
        <source>Fordulatszám (1/s)</source>
        <translation>Rotor speed (1/s)</translation>
    </message>
    <message>
        <source>MÉRÉS</source>
        <translation>MEASUREMENT</translation>
    </message>
    <message>
        <source>Számláló</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>Mérési idő (s)</source>
        <translation>Counting time (s)</translation>
    </message>
    <message>
        <source>Nyomás: %1 mbar</source>
        <translation>Pressure: %1 mbar</translation>
    </message>
    <message>
        <source>Fordulatszám: %1 1/s</source>
        <translation>Rotor speed: %1 1/s</translation>
    </message>
    <message>
        <source>Felső jelölőre</source>
        <translation>Onto the top marker</translation>
    </message>
    <message>
        <source>Alsó jelölőre</source>
        <translation>Onto the bottom marker</translation>
    </message>
    <message>
        <source>Vissza a tárolóba</source>
        <translation>Back to the bin</translation>
    </message>
    <message>
        <source>Nyilak: mozgatás (Shift: 10 képpont), Enter vagy helyi menü: helyzet</source>
        <translation>Arrows: move (Shift: 10 pixels), Enter or context menu: position</translation>
    </message>
    <message>
        <source>1: felső jelölő, 9: alsó jelölő, 0: vissza a tárolóba</source>
        <translation>1: top marker, 9: bottom marker, 0: back to the bin</translation>
    </message>
    <message>
        <source>%1, x %2, y %3</source>
        <translation>%1, x %2, y %3</translation>
    </message>
    <message>
        <source>Au-forrás</source>
        <translation>Au source</translation>
    </message>
    <message>
        <source>A mérési sorozat véget ért.</source>
        <translation>The measurement series has ended.</translation>
    </message>
    <message>
        <source>A mérés véget ért, számláló: %1</source>
        <translation>The measurement has ended, counter: %1</translation>
    </message>
    <message>
        <source>Mérés közben a komponens nem mozdítható.</source>
        <translation>The component cannot be moved during a measurement.</translation>
    </message>
    <message>
        <source>Ide nem tehető: x %1, y %2</source>
        <translation>It cannot be placed here: x %1, y %2</translation>
    </message>
    <message>
        <source>A fedél zárva: a forrás nem mozdítható.</source>
        <translation>The lid is closed: the source cannot be moved.</translation>
    </message>
    <message>
        <source>Üzemmód: verseny</source>
        <translation>Mode: competition</translation>
    </message>
    <message>
        <source>A kísérlet fizikája</source>
        <translation>The physics of the experiment</translation>
    </message>
    <message>
        <source>Üzemmód: tanóra</source>
        <translation>Mode: class</translation>
    </message>
    <message>
        <source>Tanóra</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Mérési napló</source>
        <translation>Measurement log</translation>
    </message>
    <message>
        <source>Idő: ×%1</source>
        <translation>Time: ×%1</translation>
    </message>
    <message>
        <source>Nagyítás</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Kicsinyítés</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Eredeti méret</source>
        <translation>Actual size</translation>
    </message>
</context>
<context>
    <name>sim::TKompDlg</name>
    <message>
        <source>A komponens típusa: </source>
        <translation>Component type: </translation>
    </message>
    <message>
        <source>A komponens helyzete </source>
        <translation>Component position </translation>
    </message>
    <message>
        <source>(bal felső sarokpont) </source>
        <translation>(top-left corner) </translation>
    </message>
    <message>
        <source>higany</source>
        <translation>mercury</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vissza a helyére</source>
        <translation>Back to its place</translation>
    </message>
    <message>
        <source>Komponens </source>
        <translation>Component </translation>
    </message>
    <message>
        <source>*** Hiba ***</source>
        <translation>*** Error ***</translation>
    </message>
    <message>
        <source>Érvénytelen adat</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>  Érvénytelen adat!!  </source>
        <translation>  Invalid value!!  </translation>
    </message>
    <message>
        <source>  Ütközés más komponenssel!!  </source>
        <translation>  Collision with another component!!  </translation>
    </message>
</context>
<context>
    <name>sim::TLeiras</name>
    <message>
        <source>Leírás</source>
        <translation>Guide</translation>
    </message>
</context>
<context>
    <name>sim::TNaplo</name>
    <message>
        <source>Egyes mérések</source>
        <translation>Single counts</translation>
    </message>
    <message>
        <source>%1. sorozat</source>
        <translation>Series %1</translation>
    </message>
    <message>
        <source>Grafikon</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Mérési napló</source>
        <translation>Measurement log</translation>
    </message>
    <message>
        <source>Mentés CSV-fájlba…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Grafikon mentése PNG-be…</source>
        <translation>Save the plot as PNG…</translation>
    </message>
    <message>
        <source>Másolás a vágólapra</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <source>Napló törlése</source>
        <translation>Clear the log</translation>
    </message>
    <message>
        <source>A sorozat véget ért: %1 pont.</source>
        <translation>The series has ended: %1 points.</translation>
    </message>
    <message>
        <source>A sorozat megszakadt: %1 pont készült el a(z) %2 közül.</source>
        <translation>The series was stopped: %1 of %2 points measured.</translation>
    </message>
    <message>
        <source>Idő: ×%1</source>
        <translation>Time: ×%1</translation>
    </message>
    <message>
        <source>%1. pont / %2, %3 1/s</source>
        <translation>point %1 of %2, %3 1/s</translation>
    </message>
    <message>
        <source>A fájl nem írható:<byte value="xd"/>%1 (%2)</source>
        <translation>The file cannot be written:<byte value="xd"/>%1 (%2)</translation>
    </message>
    <message>
        <source>Napló mentése</source>
        <translation>Save the log</translation>
    </message>
    <message>
        <source>CSV-fájlok (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Grafikon mentése</source>
        <translation>Save the plot</translation>
    </message>
    <message>
        <source>PNG-képek (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
</context>
<context>
    <name>sim::TSMsg</name>
    <message>
        <source>Rendben</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Félbeszakít</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>&amp;Ismét</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>&amp;Tovább</source>
        <translation>&amp;Ignore</translation>
    </message>
    <message>
        <source>&amp;Igen</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nem</source>
        <translation>&amp;No</translation>
    </message>
</context>
</TS>
