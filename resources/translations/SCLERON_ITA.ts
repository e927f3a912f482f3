<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="ids.128">
        <source>Scleron</source>
        <translation>Scleron</translation>
    </message>
    <message id="ids.2100">
        <source>Product Registration
Product Registration</source>
        <translation>Registrazione del prodotto
Registrazione del prodotto</translation>
    </message>
    <message id="ids.2101">
        <source>Customer Feedback
Customer Feedback</source>
        <translation>Opinioni dei clienti
Opinioni dei clienti</translation>
    </message>
    <message id="ids.2102">
        <source>Update Scleron to version %s</source>
        <translation>Aggiorna Scleron alla versione %s</translation>
    </message>
    <message id="ids.2103">
        <source>Update Kestrel to version %s</source>
        <translation>Aggiorna il Kestrel alla versione %s</translation>
    </message>
    <message id="ids.2104">
        <source>New version available!</source>
        <translation>Nuova versione disponibile!</translation>
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
        <translation>Esporta le misure
Esporta</translation>
    </message>
    <message id="ids.32702">
        <source>Print measurements
Print</source>
        <translation>Stampa le misure
Stampa</translation>
    </message>
    <message id="ids.32741">
        <source>Export the measurements for a spreadsheet
Export as CSV</source>
        <translation>Esporta le misure per un foglio di calcolo
Esporta come CSV</translation>
    </message>
    <message id="ids.32742">
        <source>Export the statistics of every series for a spreadsheet
Export statistics as CSV</source>
        <translation>Esporta la statistica di ogni serie per un foglio di calcolo
Esporta statistica come CSV</translation>
    </message>
    <message id="ids.32703">
        <source>Connect device
Connect device</source>
        <translation>Collega lo strumento
Collega lo strumento</translation>
    </message>
    <message id="ids.32704">
        <source>Device settings
Device settings</source>
        <translation>Impostazioni dello strumento
Impostazioni dello strumento</translation>
    </message>
    <message id="ids.32730">
        <source>Upgrade Firmware
DoDovavez</source>
        <translation>Aggiorna il firmware
DoDovavez</translation>
    </message>
    <message id="ids.32733">
        <source>Save measurements
Save</source>
        <translation>Salva le misure
Salva</translation>
    </message>
    <message id="ids.32734">
        <source>Open measurements
Open</source>
        <translation>Apri le misure
Apri</translation>
    </message>
    <message id="ids.57664">
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright
Informazioni</translation>
    </message>
    <message id="ids.57665">
        <source>Quit the application; prompts to save measurements
Exit</source>
        <translation>Chiude l'applicazione; chiede se salvare le misure
Esci</translation>
    </message>
    <message id="ids.57670">
        <source>Open the operating instructions
Help</source>
        <translation>Apre le istruzioni per l'uso
Guida</translation>
    </message>
    <message id="ids.58179">
        <source>Your measurements are not yet saved!
Save measurements?</source>
        <translation>Le misure non sono ancora state salvate!
Salvare le misure?</translation>
    </message>
    <message id="ids.58153">
        <source>Offline</source>
        <translation>Non in linea</translation>
    </message>
    <message id="ids.58154">
        <source>Online</source>
        <translation>In linea</translation>
    </message>
    <message id="ids.58155">
        <source>Connect...</source>
        <translation>Connessione...</translation>
    </message>
    <message id="ids.58156">
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message id="ids.58157">
        <source>Save...</source>
        <translation>Salvataggio...</translation>
    </message>
    <message id="ids.58158">
        <source>Open...</source>
        <translation>Apertura...</translation>
    </message>
    <message id="ids.58162">
        <source>No connection!</source>
        <translation>Nessuna connessione!</translation>
    </message>
    <message id="ids.58163">
        <source>Kestrel button left</source>
        <translation>Tasto sinistro del Kestrel</translation>
    </message>
    <message id="ids.58164">
        <source>Kestrel button right</source>
        <translation>Tasto destro del Kestrel</translation>
    </message>
    <message id="ids.58165">
        <source>Kestrel button down</source>
        <translation>Tasto giù del Kestrel</translation>
    </message>
    <message id="ids.58166">
        <source>Search device...</source>
        <translation>Ricerca dello strumento...</translation>
    </message>
    <message id="ids.58173">
        <source>Keys locked</source>
        <translation>Tasti bloccati</translation>
    </message>
    <message id="ids.58174">
        <source>Keys unlocked</source>
        <translation>Tasti sbloccati</translation>
    </message>
    <message id="ids.58452">
        <source>Copy the selected rows to the clipboard
Copy</source>
        <translation>Copia le righe selezionate negli appunti
Copia</translation>
    </message>
    <message id="ids.58456">
        <source>Clear the device memory
Clear device memory</source>
        <translation>Cancella la memoria dello strumento
Cancella la memoria dello strumento</translation>
    </message>
    <message id="ids.58466">
        <source>Check for a newer program version
Check for updates</source>
        <translation>Cerca una versione più recente del programma
Cerca aggiornamenti</translation>
    </message>
    <message id="ids.61002">
        <source>Scleron needs a graphical display. Set DISPLAY (or WAYLAND_DISPLAY), or run it under xvfb-run.</source>
        <translation>Scleron richiede un display grafico. Impostare DISPLAY (o WAYLAND_DISPLAY) oppure avviarlo con xvfb-run.</translation>
    </message>
    <message id="ids.61003">
        <source>Scleron Version %1</source>
        <translation>Scleron versione %1</translation>
    </message>
    <message id="ids.61004">
        <source>Copyright (C) the Scleron developers</source>
        <translation>Copyright (C) gli sviluppatori di Scleron</translation>
    </message>
    <message id="ids.61005">
        <source>CAP</source>
        <translation>MAIUSC</translation>
    </message>
    <message id="ids.61006">
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message id="ids.61007">
        <source>About Scleron</source>
        <translation>Informazioni su Scleron</translation>
    </message>
    <message id="ids.61020">
        <source> BOOTLOADER!</source>
        <translation> BOOTLOADER!</translation>
    </message>
    <message id="ids.61021">
        <source> BOOTLOADER! Reset or Upgrade Device</source>
        <translation> BOOTLOADER! Reimpostare lo strumento o aggiornare il firmware</translation>
    </message>
    <message id="ids.61022">
        <source>Downloading measurements: %1 of %2</source>
        <translation>Scaricamento delle misure: %1 di %2</translation>
    </message>
    <message id="ids.61023">
        <source>No tester found. These serial ports could not be opened:

%1</source>
        <translation>Nessun durometro trovato. Non è stato possibile aprire queste porte seriali:

%1</translation>
    </message>
    <message id="ids.61030">
        <source>Waiting for the tester...</source>
        <translation>In attesa del durometro...</translation>
    </message>
    <message id="ids.61031">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="ids.61032">
        <source>The connection to %1 %2 on COM%3 was lost. The tester is attached again as soon as it answers on its port.</source>
        <translation>La connessione a %1 %2 su COM%3 si è interrotta. Il durometro verrà ricollegato appena risponderà sulla sua porta.</translation>
    </message>
    <message id="ids.61033">
        <source>The measurements of the unfinished download were not kept.</source>
        <translation>Le misure del trasferimento incompleto non sono state conservate.</translation>
    </message>
    <message id="ids.62800">
        <source>This user may not open the serial ports: join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Questo utente non può aprire le porte seriali: entrare nel gruppo &quot;%1&quot; (sudo usermod -aG %1 $USER), poi accedere di nuovo.</translation>
    </message>
    <message id="ids.61060">
        <source>Product name:</source>
        <translation>Nome del prodotto:</translation>
    </message>
    <message id="ids.61061">
        <source>Serial number:</source>
        <translation>Numero di serie:</translation>
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
        <translation>Revisione hardware:</translation>
    </message>
    <message id="ids.61065">
        <source>Measurements:</source>
        <translation>Misure:</translation>
    </message>
    <message id="ids.61066">
        <source>%1 (memory: %2% used)</source>
        <translation>%1 (memoria: %2% occupata)</translation>
    </message>
    <message id="ids.61067">
        <source>Clear device memory?
This deletes all measurements on your Device!</source>
        <translation>Cancellare la memoria dello strumento?
Tutte le misure dello strumento verranno eliminate!</translation>
    </message>
    <message id="ids.61068">
        <source>The file &quot;%1&quot; no longer exists.
It has been removed from the list of recent files.</source>
        <translation>Il file &quot;%1&quot; non esiste più.
È stato rimosso dall'elenco dei file recenti.</translation>
    </message>
    <message id="ids.61069">
        <source>The operating instructions &quot;%1&quot; are not installed.</source>
        <translation>Le istruzioni per l'uso &quot;%1&quot; non sono installate.</translation>
    </message>
    <message id="ids.61070">
        <source>No program on this computer could open &quot;%1&quot;.</source>
        <translation>Nessun programma di questo computer ha potuto aprire &quot;%1&quot;.</translation>
    </message>
    <message id="ids.61080">
        <source>Restart application to change language.</source>
        <translation>Riavviare l'applicazione per cambiare lingua.</translation>
    </message>
    <message id="ids.62500">
        <source>%1: %2 new series, %3 new measurements.</source>
        <translation>%1: %2 nuove serie, %3 nuove misure.</translation>
    </message>
    <message id="ids.62501">
        <source>%1: the file cannot be read; nothing imported.</source>
        <translation>%1: impossibile leggere il file; nulla importato.</translation>
    </message>
    <message id="ids.62502">
        <source>%1: not a measurement file of a known version; nothing imported.</source>
        <translation>%1: non è un file di misure di una versione nota; nulla importato.</translation>
    </message>
    <message id="ids.62503">
        <source>%1: larger than 256 MiB; nothing imported.</source>
        <translation>%1: più grande di 256 MiB; nulla importato.</translation>
    </message>
    <message id="ids.62504">
        <source>%1: the file is damaged (a count or a field does not match the layout); nothing imported.</source>
        <translation>%1: il file è danneggiato (un conteggio o un campo non corrisponde alla struttura); nulla importato.</translation>
    </message>
    <message id="ids.62505">
        <source>%1: the archive did not take the file; nothing imported: %2</source>
        <translation>%1: l'archivio non ha accettato il file; nulla importato: %2</translation>
    </message>
    <message id="ids.62506">
        <source>The archive is switched off.</source>
        <translation>L'archivio è disattivato.</translation>
    </message>
    <message id="ids.62507">
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Impossibile aprire l'archivio %1: %2</translation>
    </message>
    <message id="ids.62508">
        <source>The archive setting is not valid: %1</source>
        <translation>L'impostazione dell'archivio non è valida: %1</translation>
    </message>
    <message id="ids.62509">
        <source>%1 series written to %2.</source>
        <translation>%1 serie scritte in %2.</translation>
    </message>
    <message id="ids.62510">
        <source>Archive unreachable: new measurements are kept and written when it answers again.</source>
        <translation>Archivio non raggiungibile: le nuove misure vengono conservate e scritte quando risponde di nuovo.</translation>
    </message>
    <message id="ids.62511">
        <source>The archive answers again; everything kept was written.</source>
        <translation>L'archivio risponde di nuovo; tutto ciò che era conservato è stato scritto.</translation>
    </message>
    <message id="ids.62512">
        <source>no file is named after &quot;sqlite:&quot;</source>
        <translation>nessun file indicato dopo &quot;sqlite:&quot;</translation>
    </message>
    <message id="ids.62513">
        <source>not an archive address: use off, sqlite:FILE or postgresql://user@host:port/database</source>
        <translation>non è un indirizzo di archivio: usare off, sqlite:FILE o postgresql://utente@host:porta/database</translation>
    </message>
    <message id="ids.62514">
        <source>the address holds a password: keep it in ~/.pgpass or in PGPASSWORD instead</source>
        <translation>l'indirizzo contiene una password: conservarla invece in ~/.pgpass o in PGPASSWORD</translation>
    </message>
    <message id="ids.62515">
        <source>the address needs a host and a database: postgresql://user@host:port/database</source>
        <translation>l'indirizzo richiede un host e un database: postgresql://utente@host:porta/database</translation>
    </message>
    <message id="ids.62516">
        <source>%1 series not written to the archive, which did not answer.</source>
        <translation>%1 serie non scritte nell'archivio, che non ha risposto.</translation>
    </message>
    <message id="ids.62520">
        <source>Archive</source>
        <translation>Archivio</translation>
    </message>
    <message id="ids.62521">
        <source>&amp;Tester:</source>
        <translation>&amp;Durometro:</translation>
    </message>
    <message id="ids.62522">
        <source>Serial &amp;number:</source>
        <translation>&amp;Numero di serie:</translation>
    </message>
    <message id="ids.62523">
        <source>&amp;From:</source>
        <translation>Da&amp;l:</translation>
    </message>
    <message id="ids.62524">
        <source>&amp;Until:</source>
        <translation>&amp;Fino al:</translation>
    </message>
    <message id="ids.62525">
        <source>S&amp;cale:</source>
        <translation>S&amp;cala:</translation>
    </message>
    <message id="ids.62526">
        <source>&amp;Material:</source>
        <translation>&amp;Materiale:</translation>
    </message>
    <message id="ids.62527">
        <source>&amp;Verdict:</source>
        <translation>&amp;Verdetto:</translation>
    </message>
    <message id="ids.62528">
        <source>Te&amp;xt in origin:</source>
        <translation>&amp;Testo nell'origine:</translation>
    </message>
    <message id="ids.62529">
        <source>&amp;Search</source>
        <translation>C&amp;erca</translation>
    </message>
    <message id="ids.62530">
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message id="ids.62531">
        <source>any</source>
        <translation>tutti</translation>
    </message>
    <message id="ids.62532">
        <source>Tester</source>
        <translation>Durometro</translation>
    </message>
    <message id="ids.62533">
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message id="ids.62534">
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message id="ids.62535">
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message id="ids.62536">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="ids.62537">
        <source>Mean</source>
        <translation>Media</translation>
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
        <translation>Verdetto</translation>
    </message>
    <message id="ids.62542">
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
    <message id="ids.62543">
        <source>%1 series found.</source>
        <translation>%1 serie trovate.</translation>
    </message>
    <message id="ids.62544">
        <source>Series means of %1 in %2</source>
        <translation>Medie delle serie di %1 in %2</translation>
    </message>
    <message id="ids.62545">
        <source>downloaded on %1</source>
        <translation>scaricato su %1</translation>
    </message>
    <message id="ids.62546">
        <source>file %1</source>
        <translation>file %1</translation>
    </message>
    <message id="ids.62547">
        <source>Choose a series to see the means of its tester and scale over time.</source>
        <translation>Scegliere una serie per vedere le medie del suo durometro e della sua scala nel tempo.</translation>
    </message>
    <message id="ids.62550">
        <source>Archive settings</source>
        <translation>Impostazioni dell'archivio</translation>
    </message>
    <message id="ids.62551">
        <source>&amp;Default file: %1</source>
        <translation>File &amp;predefinito: %1</translation>
    </message>
    <message id="ids.62552">
        <source>O&amp;ff: keep nothing</source>
        <translation>&amp;Disattivato: non conservare nulla</translation>
    </message>
    <message id="ids.62553">
        <source>&amp;Other address:</source>
        <translation>&amp;Altro indirizzo:</translation>
    </message>
    <message id="ids.62554">
        <source>SCLERON_ARCHIVE_URL is set and takes precedence: %1</source>
        <translation>SCLERON_ARCHIVE_URL è impostata e ha la precedenza: %1</translation>
    </message>
    <message id="ids.62555">
        <source>The archive settings could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Impossibile salvare le impostazioni dell'archivio nel file di impostazioni &quot;%1&quot;.</translation>
    </message>
    <message id="ids.62556">
        <source>Examples: sqlite:/srv/lab/archive.sqlite, postgresql://lab@dbhost:5432/hardness. Passwords belong in ~/.pgpass.</source>
        <translation>Esempi: sqlite:/srv/lab/archivio.sqlite, postgresql://lab@dbhost:5432/durezza. Le password vanno in ~/.pgpass.</translation>
    </message>
    <message id="ids.33162">
        <source>Find archived series and open them
Archive</source>
        <translation>Cercare serie archiviate e aprirle
Archivio</translation>
    </message>
    <message id="ids.33163">
        <source>Choose where the archive is kept, or switch it off
Archive settings</source>
        <translation>Scegliere dove conservare l'archivio, o disattivarlo
Impostazioni dell'archivio</translation>
    </message>
    <message id="ids.58100">
        <source>HLD Leeb D raw</source>
        <translation>HLD Leeb D grezzo</translation>
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
        <translation>Rm   Resistenza a trazione</translation>
    </message>
    <message id="ids.58109">
        <source>HC   Custom</source>
        <translation>HC   Personalizzata</translation>
    </message>
    <message id="ids.58182">
        <source>HLDL Leeb DL raw</source>
        <translation>HLDL Leeb DL grezzo</translation>
    </message>
    <message id="ids.58183">
        <source>HLDL  Leeb DL</source>
        <translation>HLDL  Leeb DL</translation>
    </message>
    <message id="ids.58110">
        <source>1 Steel and cast steel</source>
        <translation>1 Acciaio e acciaio fuso</translation>
    </message>
    <message id="ids.58111">
        <source>2 Work tool steel</source>
        <translation>2 Acciaio per lavoro a freddo</translation>
    </message>
    <message id="ids.58112">
        <source>3 Stainless steel</source>
        <translation>3 Acciaio inossidabile</translation>
    </message>
    <message id="ids.58113">
        <source>4 Gray cast iron (GG)</source>
        <translation>4 Ghisa grigia (GG)</translation>
    </message>
    <message id="ids.58114">
        <source>5 Nodular cast iron (GGG)</source>
        <translation>5 Ghisa sferoidale (GGG)</translation>
    </message>
    <message id="ids.58115">
        <source>6 Cast aluminium alloys</source>
        <translation>6 Leghe di alluminio da fonderia</translation>
    </message>
    <message id="ids.58116">
        <source>7 Brass</source>
        <translation>7 Ottone</translation>
    </message>
    <message id="ids.58117">
        <source>8 Bronzes</source>
        <translation>8 Bronzi</translation>
    </message>
    <message id="ids.58118">
        <source>9 Wrought copper</source>
        <translation>9 Rame lavorato</translation>
    </message>
    <message id="ids.58119">
        <source>6.1 Alu-AN40 (ABB)</source>
        <translation>6.1 Alu-AN40 (ABB)</translation>
    </message>
    <message id="ids.58120">
        <source>HC1  Custom1</source>
        <translation>HC1  Pers1</translation>
    </message>
    <message id="ids.58121">
        <source>HC2  Custom2</source>
        <translation>HC2  Pers2</translation>
    </message>
    <message id="ids.58122">
        <source>HC3  Custom3</source>
        <translation>HC3  Pers3</translation>
    </message>
    <message id="ids.58123">
        <source>1 Steel / Cast Steel</source>
        <translation>1 Acciaio / acciaio fuso</translation>
    </message>
    <message id="ids.58124">
        <source>2 Treat. Steel heat tr.</source>
        <translation>2 Acc. da bonifica bonif.</translation>
    </message>
    <message id="ids.58125">
        <source>3 Treat. Steel untreat.</source>
        <translation>3 Acc. da bonifica non tratt.</translation>
    </message>
    <message id="ids.58130">
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message id="ids.58131">
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message id="ids.58132">
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message id="ids.58133">
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message id="ids.58134">
        <source>Gravity component</source>
        <translation>Direzione d'impatto</translation>
    </message>
    <message id="ids.58135">
        <source>Scale</source>
        <translation>Scala</translation>
    </message>
    <message id="ids.58136">
        <source>Material</source>
        <translation>Materiale</translation>
    </message>
    <message id="ids.58137">
        <source>Impact body</source>
        <translation>Corpo di impatto</translation>
    </message>
    <message id="ids.58150">
        <source>Out of range</source>
        <translation>Fuori campo</translation>
    </message>
    <message id="ids.58152">
        <source>no curve</source>
        <translation>nessuna curva</translation>
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
        <translation>Impossibile salvare le misure in &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61010">
        <source>&quot;%1&quot; is too large to be a measurement file.</source>
        <translation>&quot;%1&quot; è troppo grande per essere un file di misure.</translation>
    </message>
    <message id="ids.61500">
        <source>Firmware upgrade tool is running...</source>
        <translation>Il programma di aggiornamento del firmware è in esecuzione...</translation>
    </message>
    <message id="ids.61400">
        <source>Memory deleted!</source>
        <translation>Memoria cancellata!</translation>
    </message>
    <message id="ids.61401">
        <source>No tester found.</source>
        <translation>Nessun durometro trovato.</translation>
    </message>
    <message id="ids.61402">
        <source>No tester answers on COM%1.</source>
        <translation>Nessun durometro risponde su COM%1.</translation>
    </message>
    <message id="ids.61403">
        <source>COM%1 could not be opened.</source>
        <translation>Impossibile aprire COM%1.</translation>
    </message>
    <message id="ids.61404">
        <source>The tester is in its boot loader. Reset it or upgrade its firmware.</source>
        <translation>Il durometro è nel bootloader. Reimpostarlo o aggiornarne il firmware.</translation>
    </message>
    <message id="ids.61405">
        <source>The connection to the tester was lost; nothing was saved.</source>
        <translation>La connessione al durometro si è interrotta; non è stato salvato nulla.</translation>
    </message>
    <message id="ids.61406">
        <source>Tester: %1</source>
        <translation>Durometro: %1</translation>
    </message>
    <message id="ids.61407">
        <source>Serial number: %1</source>
        <translation>Numero di serie: %1</translation>
    </message>
    <message id="ids.61408">
        <source>Firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message id="ids.61409">
        <source>Series: %1</source>
        <translation>Serie: %1</translation>
    </message>
    <message id="ids.61410">
        <source>Measurements: %1</source>
        <translation>Misure: %1</translation>
    </message>
    <message id="ids.61411">
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message id="ids.61412">
        <source>The tester did not confirm the key lock; its keys stay as they were.</source>
        <translation>Il durometro non ha confermato il blocco tasti; i suoi tasti restano come erano.</translation>
    </message>
    <message id="ids.61413">
        <source>The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.</source>
        <translation>Il durometro non ha confermato le impostazioni: non sono state inviate. Viene mostrato ciò che il durometro contiene.</translation>
    </message>
    <message id="ids.61414">
        <source>The tester did not acknowledge custom curve HC%1 (impact body %2, register %3): the curves were not all sent. Shown is what the tester holds.</source>
        <translation>Il durometro non ha confermato la curva personalizzata HC%1 (corpo di impatto %2, registro %3): le curve non sono state inviate tutte. Viene mostrato ciò che il durometro contiene.</translation>
    </message>
    <message id="ids.61700">
        <source>its first line is not the header of a measurement log</source>
        <translation>la sua prima riga non è l'intestazione di un registro di misure</translation>
    </message>
    <message id="ids.61701">
        <source>CSV (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV (*.csv)|*.csv|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message id="ids.61702">
        <source>Unable to export to &quot;%1&quot;:
%2</source>
        <translation>Impossibile esportare in &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61710">
        <source>%1.%2  %3  %4  (L %5, %6°)</source>
        <translation>%1.%2  %3  %4  (L %5, %6°)</translation>
    </message>
    <message id="ids.61711">
        <source>%1  hidden</source>
        <translation>%1  nascosta</translation>
    </message>
    <message id="ids.61712">
        <source>%1.%2  discarded</source>
        <translation>%1.%2  scartata</translation>
    </message>
    <message id="ids.61713">
        <source>Watching %1 %2 on COM%3: %4 measurements in its memory. Ctrl+C ends.</source>
        <translation>Osservazione di %1 %2 su COM%3: %4 misure in memoria. Ctrl+C per terminare.</translation>
    </message>
    <message id="ids.61714">
        <source>The connection to the tester was lost; trying again until Ctrl+C.</source>
        <translation>La connessione al durometro si è interrotta; nuovo tentativo fino a Ctrl+C.</translation>
    </message>
    <message id="ids.61715">
        <source>The tester answers again.</source>
        <translation>Il durometro risponde di nuovo.</translation>
    </message>
    <message id="ids.61716">
        <source>Another tester (%1 %2) answers on COM%3; watching ends.</source>
        <translation>Su COM%3 risponde un altro durometro (%1 %2); l'osservazione termina.</translation>
    </message>
    <message id="ids.61717">
        <source>Unable to write to &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere in &quot;%1&quot;: %2</translation>
    </message>
    <message id="ids.61718">
        <source>Ended: %1 new impacts, %2 discards.</source>
        <translation>Terminato: %1 nuovi impatti, %2 scartati.</translation>
    </message>
    <message id="menu.32733">
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message id="menu.32734">
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message id="menu.32701">
        <source>&amp;Export</source>
        <translation>Esp&amp;orta</translation>
    </message>
    <message id="menu.32741">
        <source>Export as &amp;CSV...</source>
        <translation>Esporta come &amp;CSV...</translation>
    </message>
    <message id="menu.32742">
        <source>Export s&amp;tatistics as CSV...</source>
        <translation>Esporta s&amp;tatistica come CSV...</translation>
    </message>
    <message id="menu.32702">
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message id="menu.33160">
        <source>&amp;Report…</source>
        <translation>&amp;Rapporto…</translation>
    </message>
    <message id="menu.33162">
        <source>&amp;Archive…</source>
        <translation>Arc&amp;hivio…</translation>
    </message>
    <message id="menu.57665">
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message id="menu.32703">
        <source>&amp;Connect device</source>
        <translation>&amp;Collega lo strumento</translation>
    </message>
    <message id="menu.32704">
        <source>Device &amp;settings</source>
        <translation>&amp;Impostazioni dello strumento</translation>
    </message>
    <message id="menu.58456">
        <source>Clear device &amp;memory</source>
        <translation>Cancella la &amp;memoria dello strumento</translation>
    </message>
    <message id="menu.32730">
        <source>&amp;DoDovavez</source>
        <translation>&amp;DoDovavez</translation>
    </message>
    <message id="menu.33000">
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message id="menu.33001">
        <source>&amp;Selected</source>
        <translation>&amp;Selezionate</translation>
    </message>
    <message id="menu.33003">
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message id="menu.33004">
        <source>&amp;Selected</source>
        <translation>&amp;Selezionate</translation>
    </message>
    <message id="menu.33006">
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message id="menu.33007">
        <source>&amp;Selected</source>
        <translation>&amp;Selezionate</translation>
    </message>
    <message id="menu.33009">
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message id="menu.33011">
        <source>&amp;Selected</source>
        <translation>&amp;Selezionate</translation>
    </message>
    <message id="menu.33012">
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message id="menu.33013">
        <source>&amp;Selected</source>
        <translation>&amp;Selezionate</translation>
    </message>
    <message id="menu.33015">
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message id="menu.33016">
        <source>&amp;Selected</source>
        <translation>&amp;Selezionate</translation>
    </message>
    <message id="menu.32800">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32801">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32802">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32803">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32804">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32805">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32806">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32807">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32808">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32809">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32810">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32811">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32812">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32813">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32814">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32815">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32816">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32817">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32818">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32819">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32820">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32821">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32822">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32823">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32824">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32825">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32826">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32827">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32828">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32829">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32830">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32831">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32832">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32833">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32834">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32835">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32836">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32837">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32838">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32839">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32840">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32841">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32842">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32843">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32844">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32845">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32846">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32847">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32848">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32849">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32850">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32851">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32852">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32853">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32854">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32855">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32856">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32857">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32858">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32859">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32860">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32861">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32862">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32863">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32864">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32865">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32866">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32867">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32868">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32869">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32870">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32871">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32872">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32873">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32874">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32875">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32876">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32877">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32878">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32879">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32880">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32881">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32882">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32883">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32884">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32885">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32886">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32887">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32888">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32889">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32890">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32891">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32892">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32893">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32894">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32895">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.32896">
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message id="menu.32897">
        <source>Selected</source>
        <translation>Selezionate</translation>
    </message>
    <message id="menu.32898">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.33002">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.33005">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.33008">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.33010">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.33014">
        <source>This</source>
        <translation>Questa</translation>
    </message>
    <message id="menu.33017">
        <source>This</source>
        <translation>Questa</translation>
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
        <translation>&amp;predefinito</translation>
    </message>
    <message id="menu.58465">
        <source>&amp;Custom J</source>
        <translation>&amp;Custom J</translation>
    </message>
    <message id="menu.33161">
        <source>&amp;Tolerance limits…</source>
        <translation>Limiti di &amp;tolleranza…</translation>
    </message>
    <message id="menu.33163">
        <source>&amp;Archive…</source>
        <translation>Arc&amp;hivio…</translation>
    </message>
    <message id="menu.58466">
        <source>&amp;Check for updates...</source>
        <translation>&amp;Cerca aggiornamenti...</translation>
    </message>
    <message id="menu.57670">
        <source>&amp;Help Scleron</source>
        <translation>&amp;Guida di Scleron</translation>
    </message>
    <message id="menu.2100">
        <source>Product &amp;Registration</source>
        <translation>&amp;Registrazione del prodotto</translation>
    </message>
    <message id="menu.2101">
        <source>Customer &amp;Feedback</source>
        <translation>&amp;Opinioni dei clienti</translation>
    </message>
    <message id="menu.57664">
        <source>&amp;About Scleron...</source>
        <translation>&amp;Informazioni su Scleron...</translation>
    </message>
    <message id="menu.33170">
        <source>Series &amp;chart</source>
        <translation>&amp;Grafico della serie</translation>
    </message>
    <message id="popup.file">
        <source>&amp;File</source>
        <translation>&amp;Archivio</translation>
    </message>
    <message id="popup.device">
        <source>&amp;Device</source>
        <translation>&amp;Strumento</translation>
    </message>
    <message id="popup.edit">
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message id="popup.view">
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message id="popup.edit.expand">
        <source>E&amp;xpand</source>
        <translation>&amp;Espandi</translation>
    </message>
    <message id="popup.edit.collapse">
        <source>&amp;Collapse</source>
        <translation>C&amp;omprimi</translation>
    </message>
    <message id="popup.edit.copy">
        <source>C&amp;opy (Ctrl+C)</source>
        <translation>&amp;Copia (Ctrl+C)</translation>
    </message>
    <message id="popup.edit.show">
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message id="popup.edit.hide">
        <source>&amp;Hide</source>
        <translation>&amp;Nascondi</translation>
    </message>
    <message id="popup.edit.delete">
        <source>&amp;Delete (DEL)</source>
        <translation>E&amp;limina (CANC)</translation>
    </message>
    <message id="popup.settings">
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message id="popup.settings.language">
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message id="popup.settings.standard">
        <source>&amp;Conversion standard</source>
        <translation>&amp;Norma di conversione</translation>
    </message>
    <message id="popup.help">
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message id="popup.table.conversion">
        <source>Conversion</source>
        <translation>Conversione</translation>
    </message>
    <message id="popup.table.expand">
        <source>Expand</source>
        <translation>Espandi</translation>
    </message>
    <message id="popup.table.collapse">
        <source>Collapse</source>
        <translation>Comprimi</translation>
    </message>
    <message id="popup.table.copy">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="popup.table.show">
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message id="popup.table.hide">
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message id="popup.table.delete">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="ids.61800">
        <source>OK</source>
        <translation>Conforme</translation>
    </message>
    <message id="ids.61801">
        <source>NOT OK</source>
        <translation>Non conforme</translation>
    </message>
    <message id="ids.61802">
        <source>inside</source>
        <translation>entro i limiti</translation>
    </message>
    <message id="ids.61803">
        <source>below</source>
        <translation>sotto</translation>
    </message>
    <message id="ids.61804">
        <source>above</source>
        <translation>sopra</translation>
    </message>
    <message id="ids.33161">
        <source>Set lower and upper limits for the values of a scale and material
Tolerance limits</source>
        <translation>Imposta i limiti inferiore e superiore per i valori di una scala e di un materiale
Limiti di tolleranza</translation>
    </message>
    <message id="ids.61810">
        <source>Tolerance limits</source>
        <translation>Limiti di tolleranza</translation>
    </message>
    <message id="ids.61811">
        <source>&amp;Scale:</source>
        <translation>&amp;Scala:</translation>
    </message>
    <message id="ids.61812">
        <source>&amp;Material:</source>
        <translation>&amp;Materiale:</translation>
    </message>
    <message id="ids.61813">
        <source>&amp;Lower limit:</source>
        <translation>Limite &amp;inferiore:</translation>
    </message>
    <message id="ids.61814">
        <source>&amp;Upper limit:</source>
        <translation>Limite s&amp;uperiore:</translation>
    </message>
    <message id="ids.61815">
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message id="ids.61816">
        <source>&amp;Remove these limits</source>
        <translation>&amp;Rimuovi questi limiti</translation>
    </message>
    <message id="ids.61817">
        <source>Limits set:</source>
        <translation>Limiti impostati:</translation>
    </message>
    <message id="ids.61818">
        <source>A limit is a number above 0, and the lower limit may not lie above the upper one.</source>
        <translation>Un limite è un numero maggiore di 0 e il limite inferiore non può superare quello superiore.</translation>
    </message>
    <message id="ids.61819">
        <source>The tolerance limits could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Impossibile salvare i limiti di tolleranza nel file delle impostazioni &quot;%1&quot;.</translation>
    </message>
    <message id="ids.61820">
        <source>Inspection report</source>
        <translation>Rapporto di collaudo</translation>
    </message>
    <message id="ids.61821">
        <source>Tester: %1</source>
        <translation>Durometro: %1</translation>
    </message>
    <message id="ids.61822">
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message id="ids.61823">
        <source>Series %1</source>
        <translation>Serie %1</translation>
    </message>
    <message id="ids.61824">
        <source>Scale: %1</source>
        <translation>Scala: %1</translation>
    </message>
    <message id="ids.61825">
        <source>Material: %1</source>
        <translation>Materiale: %1</translation>
    </message>
    <message id="ids.61826">
        <source>Impact body: %1</source>
        <translation>Corpo di impatto: %1</translation>
    </message>
    <message id="ids.61827">
        <source>Measurements: %1, hidden: %2</source>
        <translation>Misure: %1, nascoste: %2</translation>
    </message>
    <message id="ids.61828">
        <source>Tolerance: %1</source>
        <translation>Tolleranza: %1</translation>
    </message>
    <message id="ids.61829">
        <source>no limits set</source>
        <translation>nessun limite impostato</translation>
    </message>
    <message id="ids.61830">
        <source>Verdict: %1</source>
        <translation>Esito: %1</translation>
    </message>
    <message id="ids.61831">
        <source>%1 inside, %2 below, %3 above</source>
        <translation>%1 entro i limiti, %2 sotto, %3 sopra</translation>
    </message>
    <message id="ids.61832">
        <source>%1 without a value, not judged</source>
        <translation>%1 senza valore, non valutate</translation>
    </message>
    <message id="ids.61833">
        <source>nothing judged</source>
        <translation>nulla valutato</translation>
    </message>
    <message id="ids.61834">
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message id="ids.61835">
        <source>Inspected by:</source>
        <translation>Collaudato da:</translation>
    </message>
    <message id="ids.61836">
        <source>Signature:</source>
        <translation>Firma:</translation>
    </message>
    <message id="ids.61837">
        <source>Verdict</source>
        <translation>Esito</translation>
    </message>
    <message id="ids.61838">
        <source>hidden</source>
        <translation>nascosta</translation>
    </message>
    <message id="ids.61839">
        <source>No measurement series.</source>
        <translation>Nessuna serie di misure.</translation>
    </message>
    <message id="ids.61840">
        <source>Cannot write the report &quot;%1&quot;:
%2</source>
        <translation>Impossibile scrivere il rapporto &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61841">
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message id="ids.61842">
        <source>Select a series in the table to see its chart.</source>
        <translation>Selezionare una serie nella tabella per vederne il grafico.</translation>
    </message>
    <message id="ids.61843">
        <source>Report...</source>
        <translation>Rapporto...</translation>
    </message>
    <message id="ids.61844">
        <source>Series chart</source>
        <translation>Grafico della serie</translation>
    </message>
    <message id="ids.61845">
        <source>This series has no measurements.</source>
        <translation>Questa serie non ha misure.</translation>
    </message>
    <message id="ids.61846">
        <source>No material chosen: choose one in the Material column to convert the values.</source>
        <translation>Nessun materiale scelto: sceglierne uno nella colonna Materiale per convertire i valori.</translation>
    </message>
    <message id="ids.61847">
        <source>No value converts to %1.</source>
        <translation>Nessun valore si converte in %1.</translation>
    </message>
    <message id="ids.61848">
        <source>Save inspection report</source>
        <translation>Salva il rapporto di collaudo</translation>
    </message>
    <message id="ids.33160">
        <source>Write an inspection report of all series as a PDF file
Report</source>
        <translation>Scrive un rapporto di collaudo di tutte le serie in un file PDF
Rapporto</translation>
    </message>
    <message id="ids.61600">
        <source>Device Settings</source>
        <translation>Impostazioni dello strumento</translation>
    </message>
    <message id="ids.61601">
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message id="ids.61602">
        <source>Impact counter:</source>
        <translation>Contatore impatti:</translation>
    </message>
    <message id="ids.61603">
        <source>Measurement counter:</source>
        <translation>Contatore misure:</translation>
    </message>
    <message id="ids.61604">
        <source>Fixed number of impacts:</source>
        <translation>Numero fisso di impatti:</translation>
    </message>
    <message id="ids.61605">
        <source>Lock Keys</source>
        <translation>Blocca tasti</translation>
    </message>
    <message id="ids.61606">
        <source>Conversion Standard:</source>
        <translation>Norma di conversione:</translation>
    </message>
    <message id="ids.61607">
        <source>Impact Body:</source>
        <translation>Corpo di impatto:</translation>
    </message>
    <message id="ids.61608">
        <source>HC1 Custom1</source>
        <translation>HC1 Pers1</translation>
    </message>
    <message id="ids.61609">
        <source>HC2 Custom2</source>
        <translation>HC2 Pers2</translation>
    </message>
    <message id="ids.61610">
        <source>HC3 Custom3</source>
        <translation>HC3 Pers3</translation>
    </message>
    <message id="ids.61611">
        <source>Receive Settings</source>
        <translation>Ricevi impostazioni</translation>
    </message>
    <message id="ids.61612">
        <source>Send Settings</source>
        <translation>Invia impostazioni</translation>
    </message>
    <message id="ids.61613">
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message id="ids.61614">
        <source>default</source>
        <translation>predefinito</translation>
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
        <translation>Numero fisso di impatti: %1 non è stato accettato; il durometro accetta da %2 a %3.</translation>
    </message>
    <message id="ids.61619">
        <source>Measurement counter: %1 was not taken; the tester counts up to %2.</source>
        <translation>Contatore misure: %1 non è stato accettato; il durometro conta fino a %2.</translation>
    </message>
    <message id="ids.61620">
        <source>HC%1 offset: %2 was not taken; this curve accepts %3 to %4.</source>
        <translation>Scostamento di HC%1: %2 non è stato accettato; questa curva accetta da %3 a %4.</translation>
    </message>
    <message id="ids.58151">
        <source>select</source>
        <translation>seleziona</translation>
    </message>
    <message id="ids.58159">
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message id="ids.58160">
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message id="ids.58175">
        <source>Page %d of %d</source>
        <translation>Pagina %d di %d</translation>
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
        <translation>Statistica</translation>
    </message>
    <message id="ids.61201">
        <source>Unable to save grid list</source>
        <translation>Impossibile salvare la tabella</translation>
    </message>
    <message id="ids.61202">
        <source>Cannot create &quot;%1&quot;:
%2</source>
        <translation>Impossibile creare &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61203">
        <source>Delete Item</source>
        <translation>Elimina elemento</translation>
    </message>
    <message id="ids.61205">
        <source>Written to %1</source>
        <translation>Scritto in %1</translation>
    </message>
    <message id="ids.61204">
        <source>Unable to print the table: no printer was chosen, or the printer or file could not be opened.</source>
        <translation>Impossibile stampare la tabella: non è stata scelta alcuna stampante, oppure non è stato possibile aprire la stampante o il file.</translation>
    </message>
    <message id="ids.22000">
        <source>Downloading...</source>
        <translation>Scaricamento...</translation>
    </message>
    <message id="ids.22001">
        <source>Searching for updates...</source>
        <translation>Ricerca di aggiornamenti...</translation>
    </message>
    <message id="ids.22002">
        <source>Halvex</source>
        <translation>Halvex</translation>
    </message>
    <message id="ids.22005">
        <source>Connecting...</source>
        <translation>Connessione...</translation>
    </message>
    <message id="ids.22007">
        <source>There is no update available. &#13;
You are already using the most recent version of %s.</source>
        <translation>Nessun aggiornamento disponibile. &#13;
Si sta già usando la versione più recente di %s.</translation>
    </message>
    <message id="ids.22009">
        <source>Found a newer version of %s on the server. &#13;
 Server version: %s &#13;
 Your version: %s</source>
        <translation>Sul server è stata trovata una versione più recente di %s. &#13;
 Versione del server: %s &#13;
 Versione in uso: %s</translation>
    </message>
    <message id="ids.22010">
        <source>Downloading %s</source>
        <translation>Scaricamento di %s</translation>
    </message>
    <message id="ids.22017">
        <source>%s MB downloaded</source>
        <translation>%s MB scaricati</translation>
    </message>
    <message id="ids.22018">
        <source>Unknown error while downloading.</source>
        <translation>Errore sconosciuto durante lo scaricamento.</translation>
    </message>
    <message id="ids.22019">
        <source>Receiving update information...</source>
        <translation>Ricezione delle informazioni di aggiornamento...</translation>
    </message>
    <message id="ids.22020">
        <source>Searching update for %s</source>
        <translation>Ricerca aggiornamento per %s</translation>
    </message>
    <message id="ids.22021">
        <source>Next &gt;</source>
        <translation>Avanti &gt;</translation>
    </message>
    <message id="ids.22022">
        <source>&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message id="ids.22023">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="ids.22024">
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message id="ids.25003">
        <source>Failed to connect to FTP server!</source>
        <translation>Connessione al server FTP non riuscita!</translation>
    </message>
    <message id="ids.25004">
        <source>Directory (%s) not found on the FTP server!</source>
        <translation>Cartella (%s) non trovata sul server FTP!</translation>
    </message>
    <message id="ids.25005">
        <source>Failed to create an internet session!</source>
        <translation>Impossibile creare una sessione Internet!</translation>
    </message>
    <message id="ids.25006">
        <source>(Error %d)</source>
        <translation>(Errore %d)</translation>
    </message>
    <message id="ids.61450">
        <source>The installer %1 could not be started:
%2</source>
        <translation>Impossibile avviare il programma di installazione %1:
%2</translation>
    </message>
    <message id="ids.22032">
        <source>Repeatedly it was not possible to connect the PC to the Internet to check for newer firmware or OS for the %s device.
It is advisable to connect your PC once in a while to the Internet to keep the device firmware and OS up-to-date.</source>
        <translation>Più volte non è stato possibile collegare il PC a Internet per cercare un firmware o un sistema operativo più recente per lo strumento %s.
Si consiglia di collegare ogni tanto il PC a Internet per mantenere aggiornati il firmware e il sistema operativo dello strumento.</translation>
    </message>
    <message id="ids.61451">
        <source>The update server could not be reached. Please check the PC's connection to the Internet.</source>
        <translation>Il server degli aggiornamenti non è raggiungibile. Controllare la connessione a Internet del PC.</translation>
    </message>
    <message id="ids.61452">
        <source>The update server did not accept the program's login.</source>
        <translation>Il server degli aggiornamenti non ha accettato l'accesso del programma.</translation>
    </message>
    <message id="ids.61453">
        <source>The update server does not offer an encrypted connection, so nothing was fetched from it.</source>
        <translation>Il server degli aggiornamenti non offre una connessione cifrata, quindi non è stato scaricato nulla.</translation>
    </message>
    <message id="ids.61454">
        <source>The encrypted connection to the update server could not be set up or its certificate could not be verified, so nothing was fetched from it.</source>
        <translation>Non è stato possibile stabilire la connessione cifrata con il server degli aggiornamenti o verificarne il certificato, quindi non è stato scaricato nulla.</translation>
    </message>
    <message id="ids.61455">
        <source>The update server stopped sending data. Please try again later.</source>
        <translation>Il server degli aggiornamenti non invia più dati. Riprovare più tardi.</translation>
    </message>
    <message id="ids.61456">
        <source>The connection to the update server failed.</source>
        <translation>La connessione al server degli aggiornamenti non è riuscita.</translation>
    </message>
    <message id="ids.61457">
        <source>The file is not on the update server.</source>
        <translation>Il file non si trova sul server degli aggiornamenti.</translation>
    </message>
    <message id="ids.61458">
        <source>%s MB of %s MB downloaded (%s MB/s)</source>
        <translation>%s MB di %s MB scaricati (%s MB/s)</translation>
    </message>
    <message id="ids.61459">
        <source>The file on the update server is not the size the server announced, so it was not used.</source>
        <translation>Il file sul server degli aggiornamenti non ha la dimensione annunciata dal server, quindi non è stato usato.</translation>
    </message>
    <message id="ids.61460">
        <source>The file was not used because it has no signature on the update server.</source>
        <translation>Il file non è stato usato perché non ha una firma sul server degli aggiornamenti.</translation>
    </message>
    <message id="ids.61461">
        <source>The file was not used because its signature on the update server is damaged.</source>
        <translation>Il file non è stato usato perché la sua firma sul server degli aggiornamenti è danneggiata.</translation>
    </message>
    <message id="ids.61462">
        <source>The file was not used because it was signed with a key this program does not trust.</source>
        <translation>Il file non è stato usato perché è stato firmato con una chiave di cui questo programma non si fida.</translation>
    </message>
    <message id="ids.61463">
        <source>The file was not used because it does not match its signature: it was changed after it was signed.</source>
        <translation>Il file non è stato usato perché non corrisponde alla sua firma: è stato modificato dopo la firma.</translation>
    </message>
    <message id="ids.61464">
        <source>The file could not be saved on this PC.</source>
        <translation>Non è stato possibile salvare il file su questo PC.</translation>
    </message>
    <message id="ids.61465">
        <source>The new version has been downloaded and its signature checked.
%s will now close so that the installer can run.</source>
        <translation>La nuova versione è stata scaricata e la sua firma verificata.
%s ora si chiuderà per permettere l'esecuzione del programma di installazione.</translation>
    </message>
    <message id="ids.61466">
        <source>A newer version is available</source>
        <translation>È disponibile una versione più recente</translation>
    </message>
    <message id="ids.61467">
        <source>No update available</source>
        <translation>Nessun aggiornamento disponibile</translation>
    </message>
    <message id="ids.61468">
        <source>The search for updates failed</source>
        <translation>La ricerca di aggiornamenti non è riuscita</translation>
    </message>
    <message id="ids.61469">
        <source>The download failed</source>
        <translation>Il download non è riuscito</translation>
    </message>
    <message id="ids.61470">
        <source>Newer firmware for the %s device was found on the update server but is not offered:
%s</source>
        <translation>Sul server degli aggiornamenti è stato trovato un firmware più recente per lo strumento %s, ma non viene offerto:
%s</translation>
    </message>
    <message id="ids.61471">
        <source>The firmware upgrade tool could not be started.
It was looked for at: %s</source>
        <translation>Non è stato possibile avviare il programma di aggiornamento del firmware.
È stato cercato qui: %s</translation>
    </message>
    <message id="ids.61472">
        <source>The firmware upgrade tool ended with an error (exit code %s).</source>
        <translation>Il programma di aggiornamento del firmware è terminato con un errore (codice di uscita %s).</translation>
    </message>
    <message id="ids.61473">
        <source>The firmware package %s no longer matches its signature, so it was removed and the upgrade tool was not started.</source>
        <translation>Il pacchetto firmware %s non corrisponde più alla sua firma; è stato rimosso e il programma di aggiornamento non è stato avviato.</translation>
    </message>
</context>
</TS>
