<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="hu_HU">
<context>
    <name>Apparatus</name>
    <message>
        <source>A faktor.txt 1. sora nem egész szám: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A faktor.txt 2. sora nem egész szám: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A faktor.txt 2. sorában a lépésköz nem lehet negatív: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A faktor.txt 2. sorában a lépésköz legfeljebb %1 lehet: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A faktor.txt 3. sora nem valós szám: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiegyensúlyozatlan a rotor!<byte value="xd"/>    Automatikus leállás!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eredményfájl írása nem sikerült:<byte value="xd"/>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) &quot;%1&quot; azonosítót ebben a mappában már egy másik<byte value="xd"/>futó program használja:<byte value="xd"/>%2<byte value="xd"/>Adj meg másik azonosítót!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A faktor.txt fájl nem olvasható:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A faktor.txt fájl túl nagy (legfeljebb %1 KiB lehet):<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mérési idő nem egész szám: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eredményfájl lezárása nem sikerült:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eredményfájl nem hozható létre:<byte value="xd"/>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fájlok</source>
        <translation>%1-Dateien</translation>
    </message>
    <message>
        <source>A(z) %1 fájl már létezik.<byte value="xd"/>Felülírjam?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** MEGERŐSÍTÉS ***</source>
        <translation>*** BESTÄTIGUNG ***</translation>
    </message>
    <message>
        <source>A geometria nem tölthető be, mert egy elem a panelen kívülre kerülne:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érvénytelen számformátum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érvénytelen mérési idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** HIBA! ***</source>
        <translation>*** FEHLER! ***</translation>
    </message>
    <message>
        <source>*** HIBA ***</source>
        <translation>*** FEHLER ***</translation>
    </message>
    <message>
        <source>Fedél zár</source>
        <translation>Deckel zu</translation>
    </message>
    <message>
        <source>Fedél nyit</source>
        <translation>Deckel auf</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Betöltés</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Mérés leáll (s)</source>
        <translation>Autostopp (s)</translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Minden fájl</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>A munkamappa nem használható:<byte value="xd"/>%1<byte value="xd"/>(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem létezik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem mappa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem írható</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem írható, és a HOME nincs beállítva; adj meg munkamappát a --dir opcióval vagy a TRELKO_DIR változóval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a telepített program mappája, és a HOME nincs beállítva; adj meg munkamappát a --dir opcióval vagy a TRELKO_DIR változóval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A faktor.txt 3. sorában a nyomás nem lehet negatív: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fordulatszám (1/s)</source>
        <translation type="unfinished">Drehzahl (1/s)</translation>
    </message>
    <message>
        <source>Mérési idő (s)</source>
        <translation type="unfinished">Messzeit (s)</translation>
    </message>
    <message>
        <source>Beütésszám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beütés/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± 1 szórás (1/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorozat pontja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) „%1” név nem használható:<byte value="xd"/>%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Geometry</name>
    <message>
        <source>A fájl nem nyitható meg: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nem olvasható: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nem hozható létre: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nem írható: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nem menthető: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nem zárható le: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Higany</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Ólom</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>        Visszateszed a helyére?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** MEGERŐSÍTÉS ***</source>
        <translation type="unfinished">*** BESTÄTIGUNG ***</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>hibás fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs geometria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem illik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hiányos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rendben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs eredmény</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>azonosító</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ítélet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geometria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ütem/pont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faktor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lépésköz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pontok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teljes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>khi2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>szabadsági fok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>üres fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem „Faktor= &lt;egész szám&gt;” alakú, ahogy a program írja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Faktor 0: így a program nem számol beütést</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem „alapjel, beütésszám” alakú, ahogy a program írja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sor vége hiányzik (csonka fájl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sorvég nem CR LF vagy LF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az első alapjel %1, nem 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a második alapjel (%1) nem nagyobb az elsőnél</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az alapjel %1, a sorozatban itt %2 következik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sorozat %1 1/s-os utolsó pontja után még sor következik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>negatív beütésszám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fájl túl nagy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibás eredményfájl: %1, %2. sor: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eredményfájl nem olvasható: %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs eredményfájl (%1.txt), csak geometria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs elmentett geometriafájl (*.%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyik geometriából sem számítható várható beütésszám.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legjobban illeszkedő geometria: %1 (khi2 = %2, szabadsági fok %3, p = %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legjobban illeszkedő geometria: %1 (khi2 = %2; két pontnál kevesebbre nincs p-érték).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Más elmentett geometria is illeszkedik, a mérés ezektől nem különböztethető meg: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (p = %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ez sem illik a mérésre: p &lt; 0.001, a mért pontok nem ebből a geometriából valók.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Becsült mérési idő pontonként: %1 s (%2 ütem).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pontos mód: minden beütésszám egyezik a geometriából számítottal (±1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pontos mód: %1 1/s-nál a beütésszám %2, a geometriából számított %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat teljes: %1 pont, %2 és %3 1/s között.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat %1 1/s-nál megszakadt; az utolsó alapjel %2 1/s lett volna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eredményfájlban egyetlen mért pont sincs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozatnak csak egy pontja van; az utolsó alapjel legalább %1 1/s lett volna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Faktor (%1) eltér a szervezők faktor.txt fájljában megadottól (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lépésköz (%1) eltér a szervezők faktor.txt fájljában megadottól (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hibás geometriafájl (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hu</source>
        <extracomment>The language code of the report page (its lang attribute): the code of this translation.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trelko kísérlet – a mérések értékelése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beadások: %1 · %2 versenyző</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A szervezők faktor.txt fájlja: %1 (Faktor= %2, lépésköz %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem található versenyzői fájl (Brk2017_*.txt vagy *.Brk2017_*).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összesítés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indoklás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mért és várható beütésszám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A legjobban illeszkedő geometria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illeszkedés geometriánként</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fájlok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geometriafájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>megjegyzés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>legjobb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   (Faktor= %2, mérési idő %3 s, %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs ábra: nincs illeszthető geometria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kék: higany céltárgy · bíbor: detektor · szürke: ólomlemez · arany: forrás a rotoron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tárolóban maradt: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>céltárgy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detektor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ólomlemez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eredményfájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vissza az összesítéshez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Értékelés: %1/%2 versenyző</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összesítő: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jelentés: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 versenyző</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>figyelem: nem található versenyzői fájl (Brk2017_*.txt vagy *.Brk2017_*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hiányzik a beadások mappája (lásd: trelko-grade --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egynél több beadásmappa: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hiányzik az --out (a jelentés mappája)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: üres érték</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs: a szálak száma 1 és %1 közötti egész szám: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ismeretlen opció: %1 (lásd: trelko-grade --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a(z) %1 opció értéke hiányzik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hibás parancssor (lásd: trelko-grade --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nincs ilyen mappa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a mappa nem hozható létre (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem található</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem olvasható</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: túl nagy fájl (legfeljebb %2 KiB lehet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem írható (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem hozható létre (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem értékelhető</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden beütésszám 0: a sorozatból nem dönthető el, melyik geometrián mérték.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pontban a számláló elérte a felső határát (%2): ezek nem mért beütésszámok, a sorozat nem értékelhető.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;üres azonosító&gt;</source>
        <extracomment>Shown for an identifier that was left empty at the login; no identifier can hold &lt; or &gt;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Üres azonosító: a bejelentkezéskor nem írtak be semmit (Brk2017_.txt).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ez az azonosító más mappában is szerepel eredményfájllal: %1. Minden mappa sorozatát külön értékeltük; a legjobb ítélet számít.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájlok a jelentés mappájában vannak; értékeltük őket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korábbi sorozat megőrzött fájlja, nem értékelve: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mappa: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem olvasott mappák és fájlok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezeket az értékelő nem olvasta be; ha versenyzői fájl van köztük, másold be olvasható helyre, és értékeld újra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem olvasott: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nem olvasott mappa vagy fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a mappa nem olvasható: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a mappa tartalma nem olvasható végig: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fájl nem olvasható: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link a beadások mappáján kívülre (%1); nem követtük</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link a beadások mappáján belülre (%1); a célját ott értékeljük, ahol van</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link, amely nem létező fájlra mutat (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>versenyzői fájlnak látszik, de ilyen nevű fájlt a programok nem írnak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy megszakadt trelko-runner futás saját mappája, mért pont nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy megszakadt trelko-runner futás saját mappája, benne a részeredménye: %1; a trelko-runner következő futása ebben a mappában a mappa mellé menti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a program sem tölti be: „%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>korábbi sorozat (nem értékelve)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ezen a néven már egy fájl áll, nem mappa; adj meg másik --out mappát</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ezen a néven már áll valami, ami nem mappa (%2)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Physics</name>
    <message>
        <source>Nincs forrás elhelyezve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs semmilyen elem a mérőhelyen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs detektor a mérőhelyen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>Fordulatszám (1/s)</source>
        <translation type="unfinished">Drehzahl (1/s)</translation>
    </message>
    <message>
        <source>Beütésszám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mért (±1 szórás)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>várható</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Nincs grafikus kijelző: a program ablakot nyit, ehhez X vagy Wayland kijelző kell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY nincs beállítva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (lásd: %1 --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a(z) %1 opció értéke hiányzik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hibás parancssor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ismeretlen opció: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fölösleges argumentum: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dir: üres mappanév</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ismeretlen üzemmód: &quot;%2&quot; (lehet: %3 vagy %4); a program versenyváltozatként indul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a fájl nem olvasható, vagy nem egyetlen szó; a program versenyváltozatként indul</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>a fájlrendszer nem enged benne új fájlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a mappába nem lehet írni (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem hozható létre (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: az eredményfájl nem írható (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem található</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: túl nagy fájl (legfeljebb %2 KiB lehet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem közönséges fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem olvasható (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a --factor/--step/--pressure értékei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nincs ilyen mappa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a mappa nem érhető el (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem mappa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a(z) &quot;%1&quot; azonosítót ebben a mappában már egy másik futó program használja: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jelzés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: PNG rajzolása itt nem lehetséges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sorozat --no-auto-stop mellett csak pontos módban ér véget: a második ponttól a Stop gomb tiltva van</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>megszakítva (%1); az eredményfájl hiányos, csak az addig mért pontok vannak benne: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>megszakítva (%1); eredmény nem készült</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Számláló: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mérési idő (s): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eredményfájl: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   (Faktor= %2, mérési idő %3 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a PNG kép nem készült el</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nem írható (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plot: a fájlnév .png vagy .svg végű legyen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a(z) %1 opciónak nincs értéke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>üres geometriafájl-név</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egynél több geometriafájl: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ismeretlen opció: %1 (lásd: %2 --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hiányzik a geometriafájl (lásd: %1 --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hiányzik a --sources (a két forrás rotorpozíciója, pl. --sources 1,9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a --factor-file és a --factor/--step/--pressure együtt nem adható meg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hiányzik az --id (a geometriafájl kiterjesztése nem .%1...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a geometriafájl nevéből vett azonosító nem lehet fájlnév része: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sources: két rotorpozíció kell vesszővel (0, 1 vagy 9), pl. 1,9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--factor-file: üres fájlnév</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--factor: nem egész szám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step: nem egész szám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step: a lépésköz 0 és %1 közötti egész szám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pressure: nem valós szám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--time: a mérési idő 1 és %1 közötti egész szám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--speed: a fordulatszám %1 és %2 közötti egész szám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--id: az azonosító nem lehet fájlnév része</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--out: üres mappanév</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv: üres fájlnév</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a(z) %1 opció értéke hiányzik</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pressure: a nyomás nem lehet negatív</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy megszakadt futás mappájában részeredmény maradt, ezért a mappa megmaradt: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy megszakadt futás mappáját eltávolítottam: %1 (mért pont nem volt benne)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy megszakadt futás mappáját eltávolítottam: %1; az addig mért pontjai megmaradtak: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>figyelem: a Faktor 0, így minden beütésszám 0 lesz (pontos módhoz negatív Faktor kell)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a korábbi sorozat fájlja nem nevezhető át (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a korábbi sorozat eredményfájlja megmaradt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>figyelem: %1 mérésben a számláló elérte a felső határát (%2): ezek nem mért beütésszámok; kisebb Faktorral mérj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--id: az azonosító legfeljebb %1 bájt lehet, ez %2 bájt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a geometriafájl nevéből vett azonosító nem használható: %1: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>nem létezik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs hozzá jogosultság</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>túl hosszú név: egy név legfeljebb %1 bájt, egy útvonal legfeljebb %2 bájt lehet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs elég hely a lemezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fájl elérte a megengedett legnagyobb méretet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csak olvasható fájlrendszer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>már létezik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az útvonal egy része nem mappa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ez egy mappa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>túl sok szimbolikus link (talán önmagára mutat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rendszerhiba %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ez egy mappa, nem közönséges fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ez egy eszköz, nem közönséges fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ez egy csővezeték (FIFO), nem közönséges fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ez egy socket, nem közönséges fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem közönséges fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows elhagyja a név végéről a pontot és a szóközt, így a név más fájlt jelentene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windowson a(z) %1 egy eszköz neve (ilyen a CON, PRN, AUX, NUL, COM1–COM9 és LPT1–LPT9, bármilyen kiterjesztéssel)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sim::TAboutBox</name>
    <message>
        <source>Névjegy</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Országos Brenn Fizikaverseny  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Számítógépes feladat 2017</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Verzió: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Munkamappa:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sim::TBejelentkez</name>
    <message>
        <source> Bejelentkezés</source>
        <translation> Anmeldung</translation>
    </message>
    <message>
        <source>Add meg az azonosító kódodat</source>
        <translation>Gib deine Kennung ein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Az azonosító nem tartalmazhat / \ : * ? &quot; &lt; &gt; | jelet,<byte value="xd"/>két egymás utáni pontot (..) és vezérlőkaraktert.<byte value="xd"/>Adj meg másik azonosítót!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az azonosító legfeljebb %1 bájt hosszú lehet (egy ékezetes betű 2 bájt).<byte value="xd"/>Adj meg rövidebb azonosítót!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ez az azonosító nem használható: %1.<byte value="xd"/>Adj meg másik azonosítót!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sim::TForm1</name>
    <message>
        <source> Au-források</source>
        <translation> Au-Quellen</translation>
    </message>
    <message>
        <source> Hg céltárgy</source>
        <translation> Hg-Target</translation>
    </message>
    <message>
        <source>    Detektor</source>
        <translation>    Detektor</translation>
    </message>
    <message>
        <source> Ólom árnyékolás</source>
        <translation> Bleiabschirmung</translation>
    </message>
    <message>
        <source>Trelko kísérlet szimulációja Brenn Verseny 2017</source>
        <translation>Simulation des Trelko-Experiments, Brenn-Wettbewerb 2017</translation>
    </message>
    <message>
        <source>Trelko kísérlet szimulációja Brenn Verseny 2017  (%1)</source>
        <translation>Simulation des Trelko-Experiments, Brenn-Wettbewerb 2017  (%1)</translation>
    </message>
    <message>
        <source>Minden adat el van mentve?</source>
        <translation>Sind alle Daten gespeichert?</translation>
    </message>
    <message>
        <source>***MEGERŐSÍTÉS***</source>
        <translation>***BESTÄTIGUNG***</translation>
    </message>
    <message>
        <source>Vége</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Súgó</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Leírás</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Vákuumszivattyú</source>
        <translation>Vakuumpumpe</translation>
    </message>
    <message>
        <source>Fordulatszám  (1/s)</source>
        <translation>Drehzahl  (1/s)</translation>
    </message>
    <message>
        <source>Geometria</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Nyomás (mbar)</source>
        <translation>Druck (mbar)</translation>
    </message>
    <message>
        <source>Fordulatszám (1/s)</source>
        <translation>Drehzahl (1/s)</translation>
    </message>
    <message>
        <source>MÉRÉS</source>
        <translation>MESSUNG</translation>
    </message>
    <message>
        <source>Számláló</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Mérési idő (s)</source>
        <translation>Messzeit (s)</translation>
    </message>
    <message>
        <source>Nyomás: %1 mbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fordulatszám: %1 1/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felső jelölőre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alsó jelölőre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vissza a tárolóba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyilak: mozgatás (Shift: 10 képpont), Enter vagy helyi menü: helyzet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1: felső jelölő, 9: alsó jelölő, 0: vissza a tárolóba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, x %2, y %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Au-forrás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mérési sorozat véget ért.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mérés véget ért, számláló: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mérés közben a komponens nem mozdítható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ide nem tehető: x %1, y %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fedél zárva: a forrás nem mozdítható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Üzemmód: verseny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kísérlet fizikája</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Üzemmód: tanóra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tanóra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mérési napló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idő: ×%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nagyítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kicsinyítés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eredeti méret</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sim::TKompDlg</name>
    <message>
        <source>A komponens típusa: </source>
        <translation>Art der Komponente: </translation>
    </message>
    <message>
        <source>A komponens helyzete </source>
        <translation>Lage der Komponente </translation>
    </message>
    <message>
        <source>(bal felső sarokpont) </source>
        <translation>(linke obere Ecke) </translation>
    </message>
    <message>
        <source>higany</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Vissza a helyére</source>
        <translation>Zurück an den Platz</translation>
    </message>
    <message>
        <source>Komponens </source>
        <translation>Komponente </translation>
    </message>
    <message>
        <source>*** Hiba ***</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érvénytelen adat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Érvénytelen adat!!  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Ütközés más komponenssel!!  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sim::TLeiras</name>
    <message>
        <source>Leírás</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>sim::TNaplo</name>
    <message>
        <source>Egyes mérések</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sorozat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafikon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mérési napló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés CSV-fájlba…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafikon mentése PNG-be…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Másolás a vágólapra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló törlése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat véget ért: %1 pont.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat megszakadt: %1 pont készült el a(z) %2 közül.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idő: ×%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. pont / %2, %3 1/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nem írható:<byte value="xd"/>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló mentése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-fájlok (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafikon mentése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG-képek (*.png)</source>
        <translation type="unfinished"></translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Félbeszakít</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>&amp;Ismét</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Tovább</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Igen</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;Nem</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
</TS>
