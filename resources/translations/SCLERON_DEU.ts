<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="ids.128">
        <source>Scleron</source>
        <translation>Scleron</translation>
    </message>
    <message id="ids.2100">
        <source>Product Registration
Product Registration</source>
        <translation>Produktregistrierung
Produktregistrierung</translation>
    </message>
    <message id="ids.2101">
        <source>Customer Feedback
Customer Feedback</source>
        <translation>Kundenfeedback
Kundenfeedback</translation>
    </message>
    <message id="ids.2102">
        <source>Update Scleron to version %s</source>
        <translation>Scleron auf Version %s aktualisieren</translation>
    </message>
    <message id="ids.2103">
        <source>Update Kestrel to version %s</source>
        <translation>Kestrel auf Version %s aktualisieren</translation>
    </message>
    <message id="ids.2104">
        <source>New version available!</source>
        <translation>Neue Version verfügbar!</translation>
    </message>
    <message id="ids.2106">
        <source>https://www.scleron.org/registration</source>
        <translation>https://www.scleron.org/registration</translation>
    </message>
    <message id="ids.2107">
        <source>https://www.scleron.org/feedback</source>
        <translation>https://www.scleron.org/feedback</translation>
    </message>
    <message id="ids.32701">
        <source>Export measurements
Export</source>
        <translation>Messwerte exportieren
Exportieren</translation>
    </message>
    <message id="ids.32702">
        <source>Print measurements
Print</source>
        <translation>Messwerte drucken
Drucken</translation>
    </message>
    <message id="ids.32741">
        <source>Export the measurements for a spreadsheet
Export as CSV</source>
        <translation>Messwerte für eine Tabellenkalkulation exportieren
Als CSV exportieren</translation>
    </message>
    <message id="ids.32742">
        <source>Export the statistics of every series for a spreadsheet
Export statistics as CSV</source>
        <translation>Statistik jeder Serie für eine Tabellenkalkulation exportieren
Statistik als CSV exportieren</translation>
    </message>
    <message id="ids.32703">
        <source>Connect device
Connect device</source>
        <translation>Gerät verbinden
Gerät verbinden</translation>
    </message>
    <message id="ids.32704">
        <source>Device settings
Device settings</source>
        <translation>Geräteeinstellungen
Geräteeinstellungen</translation>
    </message>
    <message id="ids.32730">
        <source>Upgrade Firmware
DoDovavez</source>
        <translation>Firmware aktualisieren
DoDovavez</translation>
    </message>
    <message id="ids.32733">
        <source>Save measurements
Save</source>
        <translation>Messwerte speichern
Speichern</translation>
    </message>
    <message id="ids.32734">
        <source>Open measurements
Open</source>
        <translation>Messwerte öffnen
Öffnen</translation>
    </message>
    <message id="ids.57664">
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformation, Versionsnummer und Copyright anzeigen
Info</translation>
    </message>
    <message id="ids.57665">
        <source>Quit the application; prompts to save measurements
Exit</source>
        <translation>Programm beenden; fragt, ob die Messwerte gespeichert werden sollen
Beenden</translation>
    </message>
    <message id="ids.57670">
        <source>Open the operating instructions
Help</source>
        <translation>Bedienungsanleitung öffnen
Hilfe</translation>
    </message>
    <message id="ids.58179">
        <source>Your measurements are not yet saved!
Save measurements?</source>
        <translation>Ihre Messwerte sind noch nicht gespeichert!
Messwerte speichern?</translation>
    </message>
    <message id="ids.58153">
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message id="ids.58154">
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message id="ids.58155">
        <source>Connect...</source>
        <translation>Verbinden...</translation>
    </message>
    <message id="ids.58156">
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message id="ids.58157">
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message id="ids.58158">
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message id="ids.58162">
        <source>No connection!</source>
        <translation>Keine Verbindung!</translation>
    </message>
    <message id="ids.58163">
        <source>Kestrel button left</source>
        <translation>Kestrel-Taste links</translation>
    </message>
    <message id="ids.58164">
        <source>Kestrel button right</source>
        <translation>Kestrel-Taste rechts</translation>
    </message>
    <message id="ids.58165">
        <source>Kestrel button down</source>
        <translation>Kestrel-Taste unten</translation>
    </message>
    <message id="ids.58166">
        <source>Search device...</source>
        <translation>Gerät wird gesucht...</translation>
    </message>
    <message id="ids.58173">
        <source>Keys locked</source>
        <translation>Tasten gesperrt</translation>
    </message>
    <message id="ids.58174">
        <source>Keys unlocked</source>
        <translation>Tasten entsperrt</translation>
    </message>
    <message id="ids.58452">
        <source>Copy the selected rows to the clipboard
Copy</source>
        <translation>Ausgewählte Zeilen in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message id="ids.58456">
        <source>Clear the device memory
Clear device memory</source>
        <translation>Gerätespeicher löschen
Gerätespeicher löschen</translation>
    </message>
    <message id="ids.58466">
        <source>Check for a newer program version
Check for updates</source>
        <translation>Nach einer neueren Programmversion suchen
Nach Updates suchen</translation>
    </message>
    <message id="ids.61002">
        <source>Scleron needs a graphical display. Set DISPLAY (or WAYLAND_DISPLAY), or run it under xvfb-run.</source>
        <translation>Scleron benötigt eine grafische Oberfläche. Setzen Sie DISPLAY (oder WAYLAND_DISPLAY) oder starten Sie es mit xvfb-run.</translation>
    </message>
    <message id="ids.61003">
        <source>Scleron Version %1</source>
        <translation>Scleron Version %1</translation>
    </message>
    <message id="ids.61004">
        <source>Copyright (C) the Scleron developers</source>
        <translation>Copyright (C) die Scleron-Entwickler</translation>
    </message>
    <message id="ids.61005">
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message id="ids.61006">
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message id="ids.61007">
        <source>About Scleron</source>
        <translation>Über Scleron</translation>
    </message>
    <message id="ids.61020">
        <source> BOOTLOADER!</source>
        <translation> BOOTLOADER!</translation>
    </message>
    <message id="ids.61021">
        <source> BOOTLOADER! Reset or Upgrade Device</source>
        <translation> BOOTLOADER! Gerät zurücksetzen oder Firmware aktualisieren</translation>
    </message>
    <message id="ids.61022">
        <source>Downloading measurements: %1 of %2</source>
        <translation>Messwerte werden geladen: %1 von %2</translation>
    </message>
    <message id="ids.61023">
        <source>No tester found. These serial ports could not be opened:

%1</source>
        <translation>Kein Prüfgerät gefunden. Diese seriellen Schnittstellen konnten nicht geöffnet werden:

%1</translation>
    </message>
    <message id="ids.61030">
        <source>Waiting for the tester...</source>
        <translation>Warte auf das Prüfgerät...</translation>
    </message>
    <message id="ids.61031">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="ids.61032">
        <source>The connection to %1 %2 on COM%3 was lost. The tester is attached again as soon as it answers on its port.</source>
        <translation>Die Verbindung zu %1 %2 an COM%3 wurde unterbrochen. Das Prüfgerät wird wieder verbunden, sobald es an seinem Anschluss antwortet.</translation>
    </message>
    <message id="ids.61033">
        <source>The measurements of the unfinished download were not kept.</source>
        <translation>Die Messwerte der unvollständigen Übertragung wurden nicht übernommen.</translation>
    </message>
    <message id="ids.62800">
        <source>This user may not open the serial ports: join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Dieser Benutzer darf die seriellen Schnittstellen nicht öffnen: der Gruppe &quot;%1&quot; beitreten (sudo usermod -aG %1 $USER) und neu anmelden.</translation>
    </message>
    <message id="ids.61060">
        <source>Product name:</source>
        <translation>Produktname:</translation>
    </message>
    <message id="ids.61061">
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message id="ids.61062">
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message id="ids.61063">
        <source>Bootloader:</source>
        <translation>Bootloader:</translation>
    </message>
    <message id="ids.61064">
        <source>Hardware Revision:</source>
        <translation>Hardware-Revision:</translation>
    </message>
    <message id="ids.61065">
        <source>Measurements:</source>
        <translation>Messwerte:</translation>
    </message>
    <message id="ids.61066">
        <source>%1 (memory: %2% used)</source>
        <translation>%1 (Speicher: %2% belegt)</translation>
    </message>
    <message id="ids.61067">
        <source>Clear device memory?
This deletes all measurements on your Device!</source>
        <translation>Gerätespeicher löschen?
Dadurch werden alle Messwerte in Ihrem Gerät gelöscht!</translation>
    </message>
    <message id="ids.61068">
        <source>The file &quot;%1&quot; no longer exists.
It has been removed from the list of recent files.</source>
        <translation>Die Datei &quot;%1&quot; existiert nicht mehr.
Sie wurde aus der Liste der zuletzt verwendeten Dateien entfernt.</translation>
    </message>
    <message id="ids.61069">
        <source>The operating instructions &quot;%1&quot; are not installed.</source>
        <translation>Die Bedienungsanleitung „%1“ ist nicht installiert.</translation>
    </message>
    <message id="ids.61070">
        <source>No program on this computer could open &quot;%1&quot;.</source>
        <translation>Kein Programm auf diesem Computer konnte „%1“ öffnen.</translation>
    </message>
    <message id="ids.61080">
        <source>Restart application to change language.</source>
        <translation>Starten Sie das Programm neu, um die Sprache zu wechseln.</translation>
    </message>
    <message id="ids.62500">
        <source>%1: %2 new series, %3 new measurements.</source>
        <translation>%1: %2 neue Serien, %3 neue Messungen.</translation>
    </message>
    <message id="ids.62501">
        <source>%1: the file cannot be read; nothing imported.</source>
        <translation>%1: Die Datei kann nicht gelesen werden; nichts importiert.</translation>
    </message>
    <message id="ids.62502">
        <source>%1: not a measurement file of a known version; nothing imported.</source>
        <translation>%1: keine Messdatei einer bekannten Version; nichts importiert.</translation>
    </message>
    <message id="ids.62503">
        <source>%1: larger than 256 MiB; nothing imported.</source>
        <translation>%1: größer als 256 MiB; nichts importiert.</translation>
    </message>
    <message id="ids.62504">
        <source>%1: the file is damaged (a count or a field does not match the layout); nothing imported.</source>
        <translation>%1: Die Datei ist beschädigt (eine Anzahl oder ein Feld passt nicht zum Aufbau); nichts importiert.</translation>
    </message>
    <message id="ids.62505">
        <source>%1: the archive did not take the file; nothing imported: %2</source>
        <translation>%1: Das Archiv hat die Datei nicht angenommen; nichts importiert: %2</translation>
    </message>
    <message id="ids.62506">
        <source>The archive is switched off.</source>
        <translation>Das Archiv ist ausgeschaltet.</translation>
    </message>
    <message id="ids.62507">
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Das Archiv %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message id="ids.62508">
        <source>The archive setting is not valid: %1</source>
        <translation>Die Archiv-Einstellung ist ungültig: %1</translation>
    </message>
    <message id="ids.62509">
        <source>%1 series written to %2.</source>
        <translation>%1 Serien nach %2 geschrieben.</translation>
    </message>
    <message id="ids.62510">
        <source>Archive unreachable: new measurements are kept and written when it answers again.</source>
        <translation>Archiv nicht erreichbar: Neue Messungen werden aufbewahrt und geschrieben, sobald es wieder antwortet.</translation>
    </message>
    <message id="ids.62511">
        <source>The archive answers again; everything kept was written.</source>
        <translation>Das Archiv antwortet wieder; alles Aufbewahrte wurde geschrieben.</translation>
    </message>
    <message id="ids.62512">
        <source>no file is named after &quot;sqlite:&quot;</source>
        <translation>nach &quot;sqlite:&quot; ist keine Datei angegeben</translation>
    </message>
    <message id="ids.62513">
        <source>not an archive address: use off, sqlite:FILE or postgresql://user@host:port/database</source>
        <translation>keine Archivadresse: off, sqlite:DATEI oder postgresql://benutzer@host:port/datenbank verwenden</translation>
    </message>
    <message id="ids.62514">
        <source>the address holds a password: keep it in ~/.pgpass or in PGPASSWORD instead</source>
        <translation>Die Adresse enthält ein Passwort: Bewahren Sie es stattdessen in ~/.pgpass oder PGPASSWORD auf</translation>
    </message>
    <message id="ids.62515">
        <source>the address needs a host and a database: postgresql://user@host:port/database</source>
        <translation>Die Adresse braucht einen Host und eine Datenbank: postgresql://benutzer@host:port/datenbank</translation>
    </message>
    <message id="ids.62516">
        <source>%1 series not written to the archive, which did not answer.</source>
        <translation>%1 Serien nicht ins Archiv geschrieben, da es nicht antwortete.</translation>
    </message>
    <message id="ids.62520">
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message id="ids.62521">
        <source>&amp;Tester:</source>
        <translation>&amp;Prüfgerät:</translation>
    </message>
    <message id="ids.62522">
        <source>Serial &amp;number:</source>
        <translation>Serie&amp;nnummer:</translation>
    </message>
    <message id="ids.62523">
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message id="ids.62524">
        <source>&amp;Until:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message id="ids.62525">
        <source>S&amp;cale:</source>
        <translation>S&amp;kala:</translation>
    </message>
    <message id="ids.62526">
        <source>&amp;Material:</source>
        <translation>&amp;Werkstoff:</translation>
    </message>
    <message id="ids.62527">
        <source>&amp;Verdict:</source>
        <translation>B&amp;ewertung:</translation>
    </message>
    <message id="ids.62528">
        <source>Te&amp;xt in origin:</source>
        <translation>&amp;Text in Herkunft:</translation>
    </message>
    <message id="ids.62529">
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message id="ids.62530">
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message id="ids.62531">
        <source>any</source>
        <translation>alle</translation>
    </message>
    <message id="ids.62532">
        <source>Tester</source>
        <translation>Prüfgerät</translation>
    </message>
    <message id="ids.62533">
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message id="ids.62534">
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message id="ids.62535">
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message id="ids.62536">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="ids.62537">
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message id="ids.62538">
        <source>s</source>
        <translation>s</translation>
    </message>
    <message id="ids.62539">
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message id="ids.62540">
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message id="ids.62541">
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message id="ids.62542">
        <source>Origin</source>
        <translation>Herkunft</translation>
    </message>
    <message id="ids.62543">
        <source>%1 series found.</source>
        <translation>%1 Serien gefunden.</translation>
    </message>
    <message id="ids.62544">
        <source>Series means of %1 in %2</source>
        <translation>Mittelwerte der Serien von %1 in %2</translation>
    </message>
    <message id="ids.62545">
        <source>downloaded on %1</source>
        <translation>heruntergeladen auf %1</translation>
    </message>
    <message id="ids.62546">
        <source>file %1</source>
        <translation>Datei %1</translation>
    </message>
    <message id="ids.62547">
        <source>Choose a series to see the means of its tester and scale over time.</source>
        <translation>Wählen Sie eine Serie, um die Mittelwerte ihres Prüfgeräts und ihrer Skala im Zeitverlauf zu sehen.</translation>
    </message>
    <message id="ids.62550">
        <source>Archive settings</source>
        <translation>Archiv-Einstellungen</translation>
    </message>
    <message id="ids.62551">
        <source>&amp;Default file: %1</source>
        <translation>&amp;Standarddatei: %1</translation>
    </message>
    <message id="ids.62552">
        <source>O&amp;ff: keep nothing</source>
        <translation>&amp;Aus: nichts aufbewahren</translation>
    </message>
    <message id="ids.62553">
        <source>&amp;Other address:</source>
        <translation>A&amp;ndere Adresse:</translation>
    </message>
    <message id="ids.62554">
        <source>SCLERON_ARCHIVE_URL is set and takes precedence: %1</source>
        <translation>SCLERON_ARCHIVE_URL ist gesetzt und hat Vorrang: %1</translation>
    </message>
    <message id="ids.62555">
        <source>The archive settings could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Die Archiv-Einstellungen konnten nicht in der Einstellungsdatei &quot;%1&quot; gespeichert werden.</translation>
    </message>
    <message id="ids.62556">
        <source>Examples: sqlite:/srv/lab/archive.sqlite, postgresql://lab@dbhost:5432/hardness. Passwords belong in ~/.pgpass.</source>
        <translation>Beispiele: sqlite:/srv/labor/archiv.sqlite, postgresql://labor@dbhost:5432/haerte. Passwörter gehören in ~/.pgpass.</translation>
    </message>
    <message id="ids.33162">
        <source>Find archived series and open them
Archive</source>
        <translation>Archivierte Serien suchen und öffnen
Archiv</translation>
    </message>
    <message id="ids.33163">
        <source>Choose where the archive is kept, or switch it off
Archive settings</source>
        <translation>Festlegen, wo das Archiv liegt, oder es ausschalten
Archiv-Einstellungen</translation>
    </message>
    <message id="ids.58100">
        <source>HLD Leeb D raw</source>
        <translation>HLD Leeb D roh</translation>
    </message>
    <message id="ids.58101">
        <source>HLD  Leeb D</source>
        <translation>HLD  Leeb D</translation>
    </message>
    <message id="ids.58102">
        <source>HV    Vickers</source>
        <translation>HV    Vickers</translation>
    </message>
    <message id="ids.58103">
        <source>HB    Brinell (F=30D²)</source>
        <translation>HB    Brinell (F=30D²)</translation>
    </message>
    <message id="ids.58104">
        <source>HRC Rockwell C</source>
        <translation>HRC Rockwell C</translation>
    </message>
    <message id="ids.58105">
        <source>HRB Rockwell B</source>
        <translation>HRB Rockwell B</translation>
    </message>
    <message id="ids.58106">
        <source>HRA Rockwell A</source>
        <translation>HRA Rockwell A</translation>
    </message>
    <message id="ids.58107">
        <source>HS    Shore</source>
        <translation>HS    Shore</translation>
    </message>
    <message id="ids.58108">
        <source>Rm   Tensile strength</source>
        <translation>Rm   Zugfestigkeit</translation>
    </message>
    <message id="ids.58109">
        <source>HC   Custom</source>
        <translation>HC   Benutzerkurve</translation>
    </message>
    <message id="ids.58182">
        <source>HLDL Leeb DL raw</source>
        <translation>HLDL Leeb DL roh</translation>
    </message>
    <message id="ids.58183">
        <source>HLDL  Leeb DL</source>
        <translation>HLDL  Leeb DL</translation>
    </message>
    <message id="ids.58110">
        <source>1 Steel and cast steel</source>
        <translation>1 Stahl und Stahlguss</translation>
    </message>
    <message id="ids.58111">
        <source>2 Work tool steel</source>
        <translation>2 Kaltarbeitsstahl</translation>
    </message>
    <message id="ids.58112">
        <source>3 Stainless steel</source>
        <translation>3 Nichtrostender Stahl</translation>
    </message>
    <message id="ids.58113">
        <source>4 Gray cast iron (GG)</source>
        <translation>4 Grauguss (GG)</translation>
    </message>
    <message id="ids.58114">
        <source>5 Nodular cast iron (GGG)</source>
        <translation>5 Sphäroguss (GGG)</translation>
    </message>
    <message id="ids.58115">
        <source>6 Cast aluminium alloys</source>
        <translation>6 Aluminium-Gusslegierungen</translation>
    </message>
    <message id="ids.58116">
        <source>7 Brass</source>
        <translation>7 Messing</translation>
    </message>
    <message id="ids.58117">
        <source>8 Bronzes</source>
        <translation>8 Bronzen</translation>
    </message>
    <message id="ids.58118">
        <source>9 Wrought copper</source>
        <translation>9 Kupfer-Knetlegierungen</translation>
    </message>
    <message id="ids.58119">
        <source>6.1 Alu-AN40 (ABB)</source>
        <translation>6.1 Alu-AN40 (ABB)</translation>
    </message>
    <message id="ids.58120">
        <source>HC1  Custom1</source>
        <translation>HC1  Benutzer1</translation>
    </message>
    <message id="ids.58121">
        <source>HC2  Custom2</source>
        <translation>HC2  Benutzer2</translation>
    </message>
    <message id="ids.58122">
        <source>HC3  Custom3</source>
        <translation>HC3  Benutzer3</translation>
    </message>
    <message id="ids.58123">
        <source>1 Steel / Cast Steel</source>
        <translation>1 Stahl / Stahlguss</translation>
    </message>
    <message id="ids.58124">
        <source>2 Treat. Steel heat tr.</source>
        <translation>2 Verg.-Stahl vergütet</translation>
    </message>
    <message id="ids.58125">
        <source>3 Treat. Steel untreat.</source>
        <translation>3 Verg.-Stahl unbehandelt</translation>
    </message>
    <message id="ids.58130">
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message id="ids.58131">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="ids.58132">
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message id="ids.58133">
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message id="ids.58134">
        <source>Gravity component</source>
        <translation>Schlagrichtung</translation>
    </message>
    <message id="ids.58135">
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message id="ids.58136">
        <source>Material</source>
        <translation>Werkstoff</translation>
    </message>
    <message id="ids.58137">
        <source>Impact body</source>
        <translation>Schlagkörper</translation>
    </message>
    <message id="ids.58150">
        <source>Out of range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message id="ids.58152">
        <source>no curve</source>
        <translation>keine Kurve</translation>
    </message>
    <message id="ids.61100">
        <source>m: -</source>
        <translation>m: -</translation>
    </message>
    <message id="ids.61101">
        <source>m: %0.1f %s</source>
        <translation>m: %0.1f %s</translation>
    </message>
    <message id="ids.61102">
        <source>m: %0.0f %s</source>
        <translation>m: %0.0f %s</translation>
    </message>
    <message id="ids.61103">
        <source>s: -</source>
        <translation>s: -</translation>
    </message>
    <message id="ids.61104">
        <source>s: %0.2f %s</source>
        <translation>s: %0.2f %s</translation>
    </message>
    <message id="ids.61105">
        <source>s: %0.1f %s</source>
        <translation>s: %0.1f %s</translation>
    </message>
    <message id="ids.61106">
        <source>Min: -</source>
        <translation>Min: -</translation>
    </message>
    <message id="ids.61107">
        <source>Min: %0.1f %s</source>
        <translation>Min: %0.1f %s</translation>
    </message>
    <message id="ids.61108">
        <source>Min: %0.0f %s</source>
        <translation>Min: %0.0f %s</translation>
    </message>
    <message id="ids.61109">
        <source>Max: -</source>
        <translation>Max: -</translation>
    </message>
    <message id="ids.61110">
        <source>Max: %0.1f %s</source>
        <translation>Max: %0.1f %s</translation>
    </message>
    <message id="ids.61111">
        <source>Max: %0.0f %s</source>
        <translation>Max: %0.0f %s</translation>
    </message>
    <message id="ids.61112">
        <source>R: -</source>
        <translation>R: -</translation>
    </message>
    <message id="ids.61113">
        <source>R: %0.1f %s</source>
        <translation>R: %0.1f %s</translation>
    </message>
    <message id="ids.61114">
        <source>R: %0.0f %s</source>
        <translation>R: %0.0f %s</translation>
    </message>
    <message id="ids.61115">
        <source>N: -</source>
        <translation>N: -</translation>
    </message>
    <message id="ids.61116">
        <source>N: %d</source>
        <translation>N: %d</translation>
    </message>
    <message id="ids.61001">
        <source>Unable to save measurements to &quot;%1&quot;:
%2</source>
        <translation>Messwerte konnten nicht in &quot;%1&quot; gespeichert werden:
%2</translation>
    </message>
    <message id="ids.61010">
        <source>&quot;%1&quot; is too large to be a measurement file.</source>
        <translation>&quot;%1&quot; ist zu groß für eine Messwertdatei.</translation>
    </message>
    <message id="ids.61500">
        <source>Firmware upgrade tool is running...</source>
        <translation>Das Firmware-Aktualisierungswerkzeug läuft...</translation>
    </message>
    <message id="ids.61400">
        <source>Memory deleted!</source>
        <translation>Speicher gelöscht!</translation>
    </message>
    <message id="ids.61401">
        <source>No tester found.</source>
        <translation>Kein Prüfgerät gefunden.</translation>
    </message>
    <message id="ids.61402">
        <source>No tester answers on COM%1.</source>
        <translation>An COM%1 antwortet kein Prüfgerät.</translation>
    </message>
    <message id="ids.61403">
        <source>COM%1 could not be opened.</source>
        <translation>COM%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message id="ids.61404">
        <source>The tester is in its boot loader. Reset it or upgrade its firmware.</source>
        <translation>Das Prüfgerät ist im Bootloader. Setzen Sie es zurück oder aktualisieren Sie die Firmware.</translation>
    </message>
    <message id="ids.61405">
        <source>The connection to the tester was lost; nothing was saved.</source>
        <translation>Die Verbindung zum Prüfgerät wurde unterbrochen; es wurde nichts gespeichert.</translation>
    </message>
    <message id="ids.61406">
        <source>Tester: %1</source>
        <translation>Prüfgerät: %1</translation>
    </message>
    <message id="ids.61407">
        <source>Serial number: %1</source>
        <translation>Seriennummer: %1</translation>
    </message>
    <message id="ids.61408">
        <source>Firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message id="ids.61409">
        <source>Series: %1</source>
        <translation>Serien: %1</translation>
    </message>
    <message id="ids.61410">
        <source>Measurements: %1</source>
        <translation>Messwerte: %1</translation>
    </message>
    <message id="ids.61411">
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message id="ids.61412">
        <source>The tester did not confirm the key lock; its keys stay as they were.</source>
        <translation>Das Prüfgerät hat die Tastensperre nicht bestätigt; seine Tasten bleiben, wie sie waren.</translation>
    </message>
    <message id="ids.61413">
        <source>The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.</source>
        <translation>Das Prüfgerät hat die Einstellungen nicht bestätigt: Sie wurden nicht gesendet. Angezeigt wird, was das Prüfgerät gespeichert hat.</translation>
    </message>
    <message id="ids.61414">
        <source>The tester did not acknowledge custom curve HC%1 (impact body %2, register %3): the curves were not all sent. Shown is what the tester holds.</source>
        <translation>Das Prüfgerät hat die Benutzerkurve HC%1 (Schlagkörper %2, Register %3) nicht bestätigt: Die Kurven wurden nicht vollständig gesendet. Angezeigt wird, was das Prüfgerät gespeichert hat.</translation>
    </message>
    <message id="ids.61700">
        <source>its first line is not the header of a measurement log</source>
        <translation>seine erste Zeile ist nicht die Kopfzeile eines Messprotokolls</translation>
    </message>
    <message id="ids.61701">
        <source>CSV (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message id="ids.61702">
        <source>Unable to export to &quot;%1&quot;:
%2</source>
        <translation>Export nach &quot;%1&quot; nicht möglich:
%2</translation>
    </message>
    <message id="ids.61710">
        <source>%1.%2  %3  %4  (L %5, %6°)</source>
        <translation>%1.%2  %3  %4  (L %5, %6°)</translation>
    </message>
    <message id="ids.61711">
        <source>%1  hidden</source>
        <translation>%1  ausgeblendet</translation>
    </message>
    <message id="ids.61712">
        <source>%1.%2  discarded</source>
        <translation>%1.%2  verworfen</translation>
    </message>
    <message id="ids.61713">
        <source>Watching %1 %2 on COM%3: %4 measurements in its memory. Ctrl+C ends.</source>
        <translation>Beobachte %1 %2 an COM%3: %4 Messwerte im Speicher. Strg+C beendet.</translation>
    </message>
    <message id="ids.61714">
        <source>The connection to the tester was lost; trying again until Ctrl+C.</source>
        <translation>Die Verbindung zum Prüfgerät ist abgerissen; neuer Versuch bis Strg+C.</translation>
    </message>
    <message id="ids.61715">
        <source>The tester answers again.</source>
        <translation>Das Prüfgerät antwortet wieder.</translation>
    </message>
    <message id="ids.61716">
        <source>Another tester (%1 %2) answers on COM%3; watching ends.</source>
        <translation>An COM%3 antwortet ein anderes Prüfgerät (%1 %2); die Beobachtung endet.</translation>
    </message>
    <message id="ids.61717">
        <source>Unable to write to &quot;%1&quot;: %2</source>
        <translation>Schreiben nach &quot;%1&quot; nicht möglich: %2</translation>
    </message>
    <message id="ids.61718">
        <source>Ended: %1 new impacts, %2 discards.</source>
        <translation>Beendet: %1 neue Schläge, %2 verworfen.</translation>
    </message>
    <message id="menu.32733">
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message id="menu.32734">
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message id="menu.32701">
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message id="menu.32741">
        <source>Export as &amp;CSV...</source>
        <translation>Als &amp;CSV exportieren...</translation>
    </message>
    <message id="menu.32742">
        <source>Export s&amp;tatistics as CSV...</source>
        <translation>S&amp;tatistik als CSV exportieren...</translation>
    </message>
    <message id="menu.32702">
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message id="menu.33160">
        <source>&amp;Report…</source>
        <translation>Be&amp;richt…</translation>
    </message>
    <message id="menu.33162">
        <source>&amp;Archive…</source>
        <translation>&amp;Archiv…</translation>
    </message>
    <message id="menu.57665">
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="menu.32703">
        <source>&amp;Connect device</source>
        <translation>Gerät &amp;verbinden</translation>
    </message>
    <message id="menu.32704">
        <source>Device &amp;settings</source>
        <translation>&amp;Geräteeinstellungen</translation>
    </message>
    <message id="menu.58456">
        <source>Clear device &amp;memory</source>
        <translation>Geräte&amp;speicher löschen</translation>
    </message>
    <message id="menu.32730">
        <source>&amp;DoDovavez</source>
        <translation>&amp;DoDovavez</translation>
    </message>
    <message id="menu.33000">
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message id="menu.33001">
        <source>&amp;Selected</source>
        <translation>A&amp;usgewählte</translation>
    </message>
    <message id="menu.33003">
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message id="menu.33004">
        <source>&amp;Selected</source>
        <translation>A&amp;usgewählte</translation>
    </message>
    <message id="menu.33006">
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message id="menu.33007">
        <source>&amp;Selected</source>
        <translation>A&amp;usgewählte</translation>
    </message>
    <message id="menu.33009">
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message id="menu.33011">
        <source>&amp;Selected</source>
        <translation>A&amp;usgewählte</translation>
    </message>
    <message id="menu.33012">
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message id="menu.33013">
        <source>&amp;Selected</source>
        <translation>A&amp;usgewählte</translation>
    </message>
    <message id="menu.33015">
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message id="menu.33016">
        <source>&amp;Selected</source>
        <translation>A&amp;usgewählte</translation>
    </message>
    <message id="menu.32800">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32801">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32802">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32803">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32804">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32805">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32806">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32807">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32808">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32809">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32810">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32811">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32812">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32813">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32814">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32815">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32816">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32817">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32818">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32819">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32820">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32821">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32822">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32823">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32824">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32825">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32826">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32827">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32828">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32829">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32830">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32831">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32832">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32833">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32834">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32835">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32836">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32837">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32838">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32839">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32840">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32841">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32842">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32843">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32844">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32845">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32846">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32847">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32848">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32849">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32850">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32851">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32852">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32853">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32854">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32855">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32856">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32857">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32858">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32859">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32860">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32861">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32862">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32863">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32864">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32865">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32866">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32867">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32868">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32869">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32870">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32871">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32872">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32873">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32874">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32875">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32876">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32877">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32878">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32879">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32880">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32881">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32882">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32883">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32884">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32885">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32886">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32887">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32888">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32889">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32890">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32891">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32892">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32893">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32894">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32895">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32896">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="menu.32897">
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message id="menu.32898">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.33002">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.33005">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.33008">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.33010">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.33014">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.33017">
        <source>This</source>
        <translation>Diese</translation>
    </message>
    <message id="menu.32705">
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message id="menu.32706">
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message id="menu.32707">
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message id="menu.32708">
        <source>&amp;Italiano</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message id="menu.32709">
        <source>E&amp;spañol</source>
        <translation>E&amp;spañol</translation>
    </message>
    <message id="menu.32710">
        <source>&amp;Português</source>
        <translation>&amp;Português</translation>
    </message>
    <message id="menu.32711">
        <source>&amp;Русский</source>
        <translation>&amp;Русский</translation>
    </message>
    <message id="menu.32713">
        <source>中文 (&amp;C)</source>
        <translation>中文 (&amp;C)</translation>
    </message>
    <message id="menu.58464">
        <source>&amp;default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message id="menu.58465">
        <source>&amp;Custom J</source>
        <translation>&amp;Custom J</translation>
    </message>
    <message id="menu.33161">
        <source>&amp;Tolerance limits…</source>
        <translation>&amp;Toleranzgrenzen…</translation>
    </message>
    <message id="menu.33163">
        <source>&amp;Archive…</source>
        <translation>&amp;Archiv…</translation>
    </message>
    <message id="menu.58466">
        <source>&amp;Check for updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message id="menu.57670">
        <source>&amp;Help Scleron</source>
        <translation>Scleron-&amp;Hilfe</translation>
    </message>
    <message id="menu.2100">
        <source>Product &amp;Registration</source>
        <translation>Produkt&amp;registrierung</translation>
    </message>
    <message id="menu.2101">
        <source>Customer &amp;Feedback</source>
        <translation>Kunden&amp;feedback</translation>
    </message>
    <message id="menu.57664">
        <source>&amp;About Scleron...</source>
        <translation>Ü&amp;ber Scleron...</translation>
    </message>
    <message id="menu.33170">
        <source>Series &amp;chart</source>
        <translation>Serien-&amp;Diagramm</translation>
    </message>
    <message id="popup.file">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="popup.device">
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message id="popup.edit">
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="popup.view">
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="popup.edit.expand">
        <source>E&amp;xpand</source>
        <translation>&amp;Aufklappen</translation>
    </message>
    <message id="popup.edit.collapse">
        <source>&amp;Collapse</source>
        <translation>&amp;Zuklappen</translation>
    </message>
    <message id="popup.edit.copy">
        <source>C&amp;opy (Ctrl+C)</source>
        <translation>&amp;Kopieren (Strg+C)</translation>
    </message>
    <message id="popup.edit.show">
        <source>&amp;Show</source>
        <translation>&amp;Einblenden</translation>
    </message>
    <message id="popup.edit.hide">
        <source>&amp;Hide</source>
        <translation>A&amp;usblenden</translation>
    </message>
    <message id="popup.edit.delete">
        <source>&amp;Delete (DEL)</source>
        <translation>&amp;Löschen (Entf)</translation>
    </message>
    <message id="popup.settings">
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message id="popup.settings.language">
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message id="popup.settings.standard">
        <source>&amp;Conversion standard</source>
        <translation>&amp;Umwertungsnorm</translation>
    </message>
    <message id="popup.help">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="popup.table.conversion">
        <source>Conversion</source>
        <translation>Umwerten</translation>
    </message>
    <message id="popup.table.expand">
        <source>Expand</source>
        <translation>Aufklappen</translation>
    </message>
    <message id="popup.table.collapse">
        <source>Collapse</source>
        <translation>Zuklappen</translation>
    </message>
    <message id="popup.table.copy">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="popup.table.show">
        <source>Show</source>
        <translation>Einblenden</translation>
    </message>
    <message id="popup.table.hide">
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message id="popup.table.delete">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="ids.61800">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ids.61801">
        <source>NOT OK</source>
        <translation>NICHT OK</translation>
    </message>
    <message id="ids.61802">
        <source>inside</source>
        <translation>innerhalb</translation>
    </message>
    <message id="ids.61803">
        <source>below</source>
        <translation>unterhalb</translation>
    </message>
    <message id="ids.61804">
        <source>above</source>
        <translation>oberhalb</translation>
    </message>
    <message id="ids.33161">
        <source>Set lower and upper limits for the values of a scale and material
Tolerance limits</source>
        <translation>Untere und obere Grenze für die Werte einer Skala und eines Werkstoffs festlegen
Toleranzgrenzen</translation>
    </message>
    <message id="ids.61810">
        <source>Tolerance limits</source>
        <translation>Toleranzgrenzen</translation>
    </message>
    <message id="ids.61811">
        <source>&amp;Scale:</source>
        <translation>&amp;Skala:</translation>
    </message>
    <message id="ids.61812">
        <source>&amp;Material:</source>
        <translation>&amp;Werkstoff:</translation>
    </message>
    <message id="ids.61813">
        <source>&amp;Lower limit:</source>
        <translation>&amp;Untere Grenze:</translation>
    </message>
    <message id="ids.61814">
        <source>&amp;Upper limit:</source>
        <translation>&amp;Obere Grenze:</translation>
    </message>
    <message id="ids.61815">
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message id="ids.61816">
        <source>&amp;Remove these limits</source>
        <translation>Diese Grenzen &amp;entfernen</translation>
    </message>
    <message id="ids.61817">
        <source>Limits set:</source>
        <translation>Festgelegte Grenzen:</translation>
    </message>
    <message id="ids.61818">
        <source>A limit is a number above 0, and the lower limit may not lie above the upper one.</source>
        <translation>Eine Grenze ist eine Zahl über 0, und die untere Grenze darf nicht über der oberen liegen.</translation>
    </message>
    <message id="ids.61819">
        <source>The tolerance limits could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Die Toleranzgrenzen konnten nicht in der Einstellungsdatei &quot;%1&quot; gespeichert werden.</translation>
    </message>
    <message id="ids.61820">
        <source>Inspection report</source>
        <translation>Prüfbericht</translation>
    </message>
    <message id="ids.61821">
        <source>Tester: %1</source>
        <translation>Prüfgerät: %1</translation>
    </message>
    <message id="ids.61822">
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message id="ids.61823">
        <source>Series %1</source>
        <translation>Serie %1</translation>
    </message>
    <message id="ids.61824">
        <source>Scale: %1</source>
        <translation>Skala: %1</translation>
    </message>
    <message id="ids.61825">
        <source>Material: %1</source>
        <translation>Werkstoff: %1</translation>
    </message>
    <message id="ids.61826">
        <source>Impact body: %1</source>
        <translation>Schlagkörper: %1</translation>
    </message>
    <message id="ids.61827">
        <source>Measurements: %1, hidden: %2</source>
        <translation>Messwerte: %1, ausgeblendet: %2</translation>
    </message>
    <message id="ids.61828">
        <source>Tolerance: %1</source>
        <translation>Toleranz: %1</translation>
    </message>
    <message id="ids.61829">
        <source>no limits set</source>
        <translation>keine Grenzen festgelegt</translation>
    </message>
    <message id="ids.61830">
        <source>Verdict: %1</source>
        <translation>Bewertung: %1</translation>
    </message>
    <message id="ids.61831">
        <source>%1 inside, %2 below, %3 above</source>
        <translation>%1 innerhalb, %2 unterhalb, %3 oberhalb</translation>
    </message>
    <message id="ids.61832">
        <source>%1 without a value, not judged</source>
        <translation>%1 ohne Wert, nicht bewertet</translation>
    </message>
    <message id="ids.61833">
        <source>nothing judged</source>
        <translation>nichts bewertet</translation>
    </message>
    <message id="ids.61834">
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message id="ids.61835">
        <source>Inspected by:</source>
        <translation>Geprüft von:</translation>
    </message>
    <message id="ids.61836">
        <source>Signature:</source>
        <translation>Unterschrift:</translation>
    </message>
    <message id="ids.61837">
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message id="ids.61838">
        <source>hidden</source>
        <translation>ausgeblendet</translation>
    </message>
    <message id="ids.61839">
        <source>No measurement series.</source>
        <translation>Keine Messserien.</translation>
    </message>
    <message id="ids.61840">
        <source>Cannot write the report &quot;%1&quot;:
%2</source>
        <translation>Der Bericht &quot;%1&quot; kann nicht geschrieben werden:
%2</translation>
    </message>
    <message id="ids.61841">
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message id="ids.61842">
        <source>Select a series in the table to see its chart.</source>
        <translation>Wählen Sie eine Serie in der Tabelle, um ihr Diagramm zu sehen.</translation>
    </message>
    <message id="ids.61843">
        <source>Report...</source>
        <translation>Bericht...</translation>
    </message>
    <message id="ids.61844">
        <source>Series chart</source>
        <translation>Serien-Diagramm</translation>
    </message>
    <message id="ids.61845">
        <source>This series has no measurements.</source>
        <translation>Diese Serie hat keine Messwerte.</translation>
    </message>
    <message id="ids.61846">
        <source>No material chosen: choose one in the Material column to convert the values.</source>
        <translation>Kein Werkstoff gewählt: Wählen Sie einen in der Spalte Werkstoff, um die Werte umzuwerten.</translation>
    </message>
    <message id="ids.61847">
        <source>No value converts to %1.</source>
        <translation>Kein Wert lässt sich in %1 umwerten.</translation>
    </message>
    <message id="ids.61848">
        <source>Save inspection report</source>
        <translation>Prüfbericht speichern</translation>
    </message>
    <message id="ids.33160">
        <source>Write an inspection report of all series as a PDF file
Report</source>
        <translation>Prüfbericht aller Serien als PDF-Datei schreiben
Bericht</translation>
    </message>
    <message id="ids.61600">
        <source>Device Settings</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message id="ids.61601">
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message id="ids.61602">
        <source>Impact counter:</source>
        <translation>Schlagzähler:</translation>
    </message>
    <message id="ids.61603">
        <source>Measurement counter:</source>
        <translation>Messwertzähler:</translation>
    </message>
    <message id="ids.61604">
        <source>Fixed number of impacts:</source>
        <translation>Feste Schlaganzahl:</translation>
    </message>
    <message id="ids.61605">
        <source>Lock Keys</source>
        <translation>Tasten sperren</translation>
    </message>
    <message id="ids.61606">
        <source>Conversion Standard:</source>
        <translation>Umwertungsnorm:</translation>
    </message>
    <message id="ids.61607">
        <source>Impact Body:</source>
        <translation>Schlagkörper:</translation>
    </message>
    <message id="ids.61608">
        <source>HC1 Custom1</source>
        <translation>HC1 Benutzer1</translation>
    </message>
    <message id="ids.61609">
        <source>HC2 Custom2</source>
        <translation>HC2 Benutzer2</translation>
    </message>
    <message id="ids.61610">
        <source>HC3 Custom3</source>
        <translation>HC3 Benutzer3</translation>
    </message>
    <message id="ids.61611">
        <source>Receive Settings</source>
        <translation>Einstellungen empfangen</translation>
    </message>
    <message id="ids.61612">
        <source>Send Settings</source>
        <translation>Einstellungen senden</translation>
    </message>
    <message id="ids.61613">
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message id="ids.61614">
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message id="ids.61615">
        <source>Custom J</source>
        <translation>Custom J</translation>
    </message>
    <message id="ids.61616">
        <source>D</source>
        <translation>D</translation>
    </message>
    <message id="ids.61617">
        <source>DL</source>
        <translation>DL</translation>
    </message>
    <message id="ids.61618">
        <source>Fixed number of impacts: %1 was not taken; the tester accepts %2 to %3.</source>
        <translation>Feste Schlaganzahl: %1 wurde nicht übernommen; das Prüfgerät erlaubt %2 bis %3.</translation>
    </message>
    <message id="ids.61619">
        <source>Measurement counter: %1 was not taken; the tester counts up to %2.</source>
        <translation>Messwertzähler: %1 wurde nicht übernommen; das Prüfgerät zählt bis %2.</translation>
    </message>
    <message id="ids.61620">
        <source>HC%1 offset: %2 was not taken; this curve accepts %3 to %4.</source>
        <translation>Versatz von HC%1: %2 wurde nicht übernommen; diese Kurve erlaubt %3 bis %4.</translation>
    </message>
    <message id="ids.58151">
        <source>select</source>
        <translation>auswählen</translation>
    </message>
    <message id="ids.58159">
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message id="ids.58160">
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message id="ids.58175">
        <source>Page %d of %d</source>
        <translation>Seite %d von %d</translation>
    </message>
    <message id="ids.58176">
        <source>%c</source>
        <translation>%c</translation>
    </message>
    <message id="ids.58501">
        <source>Custom J</source>
        <translation>Custom J</translation>
    </message>
    <message id="ids.61200">
        <source>Statistic</source>
        <translation>Statistik</translation>
    </message>
    <message id="ids.61201">
        <source>Unable to save grid list</source>
        <translation>Tabelle konnte nicht gespeichert werden</translation>
    </message>
    <message id="ids.61202">
        <source>Cannot create &quot;%1&quot;:
%2</source>
        <translation>&quot;%1&quot; kann nicht angelegt werden:
%2</translation>
    </message>
    <message id="ids.61203">
        <source>Delete Item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message id="ids.61205">
        <source>Written to %1</source>
        <translation>Geschrieben nach %1</translation>
    </message>
    <message id="ids.61204">
        <source>Unable to print the table: no printer was chosen, or the printer or file could not be opened.</source>
        <translation>Die Tabelle konnte nicht gedruckt werden: Es wurde kein Drucker gewählt, oder der Drucker bzw. die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message id="ids.22000">
        <source>Downloading...</source>
        <translation>Wird heruntergeladen...</translation>
    </message>
    <message id="ids.22001">
        <source>Searching for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message id="ids.22002">
        <source>Halvex</source>
        <translation>Halvex</translation>
    </message>
    <message id="ids.22005">
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message id="ids.22007">
        <source>There is no update available. &#13;
You are already using the most recent version of %s.</source>
        <translation>Es ist kein Update verfügbar. &#13;
Sie verwenden bereits die neueste Version von %s.</translation>
    </message>
    <message id="ids.22009">
        <source>Found a newer version of %s on the server. &#13;
 Server version: %s &#13;
 Your version: %s</source>
        <translation>Auf dem Server wurde eine neuere Version von %s gefunden. &#13;
 Serverversion: %s &#13;
 Ihre Version: %s</translation>
    </message>
    <message id="ids.22010">
        <source>Downloading %s</source>
        <translation>%s wird heruntergeladen</translation>
    </message>
    <message id="ids.22017">
        <source>%s MB downloaded</source>
        <translation>%s MB heruntergeladen</translation>
    </message>
    <message id="ids.22018">
        <source>Unknown error while downloading.</source>
        <translation>Unbekannter Fehler beim Herunterladen.</translation>
    </message>
    <message id="ids.22019">
        <source>Receiving update information...</source>
        <translation>Update-Informationen werden abgerufen...</translation>
    </message>
    <message id="ids.22020">
        <source>Searching update for %s</source>
        <translation>Suche Update für %s</translation>
    </message>
    <message id="ids.22021">
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message id="ids.22022">
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message id="ids.22023">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="ids.22024">
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message id="ids.25003">
        <source>Failed to connect to FTP server!</source>
        <translation>Verbindung zum FTP-Server fehlgeschlagen!</translation>
    </message>
    <message id="ids.25004">
        <source>Directory (%s) not found on the FTP server!</source>
        <translation>Verzeichnis (%s) auf dem FTP-Server nicht gefunden!</translation>
    </message>
    <message id="ids.25005">
        <source>Failed to create an internet session!</source>
        <translation>Internetsitzung konnte nicht erstellt werden!</translation>
    </message>
    <message id="ids.25006">
        <source>(Error %d)</source>
        <translation>(Fehler %d)</translation>
    </message>
    <message id="ids.61450">
        <source>The installer %1 could not be started:
%2</source>
        <translation>Das Installationsprogramm %1 konnte nicht gestartet werden:
%2</translation>
    </message>
    <message id="ids.22032">
        <source>Repeatedly it was not possible to connect the PC to the Internet to check for newer firmware or OS for the %s device.
It is advisable to connect your PC once in a while to the Internet to keep the device firmware and OS up-to-date.</source>
        <translation>Wiederholt konnte der PC keine Verbindung zum Internet herstellen, um nach neuerer Firmware oder neuerem Betriebssystem für das Gerät %s zu suchen.
Es empfiehlt sich, den PC ab und zu mit dem Internet zu verbinden, damit Firmware und Betriebssystem des Geräts aktuell bleiben.</translation>
    </message>
    <message id="ids.61451">
        <source>The update server could not be reached. Please check the PC's connection to the Internet.</source>
        <translation>Der Update-Server ist nicht erreichbar. Bitte prüfen Sie die Internetverbindung des PCs.</translation>
    </message>
    <message id="ids.61452">
        <source>The update server did not accept the program's login.</source>
        <translation>Der Update-Server hat die Anmeldung des Programms nicht angenommen.</translation>
    </message>
    <message id="ids.61453">
        <source>The update server does not offer an encrypted connection, so nothing was fetched from it.</source>
        <translation>Der Update-Server bietet keine verschlüsselte Verbindung an, daher wurde nichts von ihm geladen.</translation>
    </message>
    <message id="ids.61454">
        <source>The encrypted connection to the update server could not be set up or its certificate could not be verified, so nothing was fetched from it.</source>
        <translation>Die verschlüsselte Verbindung zum Update-Server konnte nicht aufgebaut oder sein Zertifikat nicht geprüft werden, daher wurde nichts von ihm geladen.</translation>
    </message>
    <message id="ids.61455">
        <source>The update server stopped sending data. Please try again later.</source>
        <translation>Der Update-Server sendet keine Daten mehr. Bitte versuchen Sie es später noch einmal.</translation>
    </message>
    <message id="ids.61456">
        <source>The connection to the update server failed.</source>
        <translation>Die Verbindung zum Update-Server ist fehlgeschlagen.</translation>
    </message>
    <message id="ids.61457">
        <source>The file is not on the update server.</source>
        <translation>Die Datei ist nicht auf dem Update-Server.</translation>
    </message>
    <message id="ids.61458">
        <source>%s MB of %s MB downloaded (%s MB/s)</source>
        <translation>%s MB von %s MB heruntergeladen (%s MB/s)</translation>
    </message>
    <message id="ids.61459">
        <source>The file on the update server is not the size the server announced, so it was not used.</source>
        <translation>Die Datei auf dem Update-Server hat nicht die angekündigte Größe und wurde daher nicht verwendet.</translation>
    </message>
    <message id="ids.61460">
        <source>The file was not used because it has no signature on the update server.</source>
        <translation>Die Datei wurde nicht verwendet, weil sie auf dem Update-Server keine Signatur hat.</translation>
    </message>
    <message id="ids.61461">
        <source>The file was not used because its signature on the update server is damaged.</source>
        <translation>Die Datei wurde nicht verwendet, weil ihre Signatur auf dem Update-Server beschädigt ist.</translation>
    </message>
    <message id="ids.61462">
        <source>The file was not used because it was signed with a key this program does not trust.</source>
        <translation>Die Datei wurde nicht verwendet, weil sie mit einem Schlüssel signiert wurde, dem dieses Programm nicht vertraut.</translation>
    </message>
    <message id="ids.61463">
        <source>The file was not used because it does not match its signature: it was changed after it was signed.</source>
        <translation>Die Datei wurde nicht verwendet, weil sie nicht zu ihrer Signatur passt: Sie wurde nach dem Signieren verändert.</translation>
    </message>
    <message id="ids.61464">
        <source>The file could not be saved on this PC.</source>
        <translation>Die Datei konnte auf diesem PC nicht gespeichert werden.</translation>
    </message>
    <message id="ids.61465">
        <source>The new version has been downloaded and its signature checked.
%s will now close so that the installer can run.</source>
        <translation>Die neue Version wurde heruntergeladen und ihre Signatur geprüft.
%s wird jetzt beendet, damit das Installationsprogramm laufen kann.</translation>
    </message>
    <message id="ids.61466">
        <source>A newer version is available</source>
        <translation>Eine neuere Version ist verfügbar</translation>
    </message>
    <message id="ids.61467">
        <source>No update available</source>
        <translation>Kein Update verfügbar</translation>
    </message>
    <message id="ids.61468">
        <source>The search for updates failed</source>
        <translation>Die Suche nach Updates ist fehlgeschlagen</translation>
    </message>
    <message id="ids.61469">
        <source>The download failed</source>
        <translation>Der Download ist fehlgeschlagen</translation>
    </message>
    <message id="ids.61470">
        <source>Newer firmware for the %s device was found on the update server but is not offered:
%s</source>
        <translation>Neuere Firmware für das Gerät %s wurde auf dem Update-Server gefunden, wird aber nicht angeboten:
%s</translation>
    </message>
    <message id="ids.61471">
        <source>The firmware upgrade tool could not be started.
It was looked for at: %s</source>
        <translation>Das Firmware-Aktualisierungswerkzeug konnte nicht gestartet werden.
Es wurde hier gesucht: %s</translation>
    </message>
    <message id="ids.61472">
        <source>The firmware upgrade tool ended with an error (exit code %s).</source>
        <translation>Das Firmware-Aktualisierungswerkzeug wurde mit einem Fehler beendet (Exitcode %s).</translation>
    </message>
    <message id="ids.61473">
        <source>The firmware package %s no longer matches its signature, so it was removed and the upgrade tool was not started.</source>
        <translation>Das Firmware-Paket %s passt nicht mehr zu seiner Signatur; es wurde entfernt und das Aktualisierungswerkzeug nicht gestartet.</translation>
    </message>
</context>
</TS>
