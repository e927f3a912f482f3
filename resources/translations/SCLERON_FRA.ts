<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="ids.128">
        <source>Scleron</source>
        <translation>Scleron</translation>
    </message>
    <message id="ids.2100">
        <source>Product Registration
Product Registration</source>
        <translation>Enregistrement du produit
Enregistrement du produit</translation>
    </message>
    <message id="ids.2101">
        <source>Customer Feedback
Customer Feedback</source>
        <translation>Votre avis
Votre avis</translation>
    </message>
    <message id="ids.2102">
        <source>Update Scleron to version %s</source>
        <translation>Mettre à jour Scleron vers la version %s</translation>
    </message>
    <message id="ids.2103">
        <source>Update Kestrel to version %s</source>
        <translation>Mettre à jour le Kestrel vers la version %s</translation>
    </message>
    <message id="ids.2104">
        <source>New version available!</source>
        <translation>Nouvelle version disponible !</translation>
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
        <translation>Exporter les mesures
Exporter</translation>
    </message>
    <message id="ids.32702">
        <source>Print measurements
Print</source>
        <translation>Imprimer les mesures
Imprimer</translation>
    </message>
    <message id="ids.32741">
        <source>Export the measurements for a spreadsheet
Export as CSV</source>
        <translation>Exporter les mesures pour un tableur
Exporter en CSV</translation>
    </message>
    <message id="ids.32742">
        <source>Export the statistics of every series for a spreadsheet
Export statistics as CSV</source>
        <translation>Exporter les statistiques de chaque série pour un tableur
Exporter les statistiques en CSV</translation>
    </message>
    <message id="ids.32703">
        <source>Connect device
Connect device</source>
        <translation>Connecter l'appareil
Connecter l'appareil</translation>
    </message>
    <message id="ids.32704">
        <source>Device settings
Device settings</source>
        <translation>Réglages de l'appareil
Réglages de l'appareil</translation>
    </message>
    <message id="ids.32730">
        <source>Upgrade Firmware
DoDovavez</source>
        <translation>Mettre à jour le micrologiciel
DoDovavez</translation>
    </message>
    <message id="ids.32733">
        <source>Save measurements
Save</source>
        <translation>Enregistrer les mesures
Enregistrer</translation>
    </message>
    <message id="ids.32734">
        <source>Open measurements
Open</source>
        <translation>Ouvrir des mesures
Ouvrir</translation>
    </message>
    <message id="ids.57664">
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message id="ids.57665">
        <source>Quit the application; prompts to save measurements
Exit</source>
        <translation>Quitter l'application ; propose d'enregistrer les mesures
Quitter</translation>
    </message>
    <message id="ids.57670">
        <source>Open the operating instructions
Help</source>
        <translation>Ouvrir le mode d'emploi
Aide</translation>
    </message>
    <message id="ids.58179">
        <source>Your measurements are not yet saved!
Save measurements?</source>
        <translation>Vos mesures ne sont pas encore enregistrées !
Enregistrer les mesures ?</translation>
    </message>
    <message id="ids.58153">
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message id="ids.58154">
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message id="ids.58155">
        <source>Connect...</source>
        <translation>Connexion...</translation>
    </message>
    <message id="ids.58156">
        <source>Settings...</source>
        <translation>Réglages...</translation>
    </message>
    <message id="ids.58157">
        <source>Save...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message id="ids.58158">
        <source>Open...</source>
        <translation>Ouverture...</translation>
    </message>
    <message id="ids.58162">
        <source>No connection!</source>
        <translation>Pas de connexion !</translation>
    </message>
    <message id="ids.58163">
        <source>Kestrel button left</source>
        <translation>Touche gauche du Kestrel</translation>
    </message>
    <message id="ids.58164">
        <source>Kestrel button right</source>
        <translation>Touche droite du Kestrel</translation>
    </message>
    <message id="ids.58165">
        <source>Kestrel button down</source>
        <translation>Touche bas du Kestrel</translation>
    </message>
    <message id="ids.58166">
        <source>Search device...</source>
        <translation>Recherche de l'appareil...</translation>
    </message>
    <message id="ids.58173">
        <source>Keys locked</source>
        <translation>Touches verrouillées</translation>
    </message>
    <message id="ids.58174">
        <source>Keys unlocked</source>
        <translation>Touches déverrouillées</translation>
    </message>
    <message id="ids.58452">
        <source>Copy the selected rows to the clipboard
Copy</source>
        <translation>Copier les lignes sélectionnées dans le presse-papiers
Copier</translation>
    </message>
    <message id="ids.58456">
        <source>Clear the device memory
Clear device memory</source>
        <translation>Effacer la mémoire de l'appareil
Effacer la mémoire de l'appareil</translation>
    </message>
    <message id="ids.58466">
        <source>Check for a newer program version
Check for updates</source>
        <translation>Rechercher une version plus récente du programme
Rechercher des mises à jour</translation>
    </message>
    <message id="ids.61002">
        <source>Scleron needs a graphical display. Set DISPLAY (or WAYLAND_DISPLAY), or run it under xvfb-run.</source>
        <translation>Scleron a besoin d'un affichage graphique. Définissez DISPLAY (ou WAYLAND_DISPLAY) ou lancez-le avec xvfb-run.</translation>
    </message>
    <message id="ids.61003">
        <source>Scleron Version %1</source>
        <translation>Scleron version %1</translation>
    </message>
    <message id="ids.61004">
        <source>Copyright (C) the Scleron developers</source>
        <translation>Copyright (C) les développeurs de Scleron</translation>
    </message>
    <message id="ids.61005">
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message id="ids.61006">
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message id="ids.61007">
        <source>About Scleron</source>
        <translation>À propos de Scleron</translation>
    </message>
    <message id="ids.61020">
        <source> BOOTLOADER!</source>
        <translation> BOOTLOADER !</translation>
    </message>
    <message id="ids.61021">
        <source> BOOTLOADER! Reset or Upgrade Device</source>
        <translation> BOOTLOADER ! Réinitialisez l'appareil ou mettez à jour le micrologiciel</translation>
    </message>
    <message id="ids.61022">
        <source>Downloading measurements: %1 of %2</source>
        <translation>Téléchargement des mesures : %1 sur %2</translation>
    </message>
    <message id="ids.61023">
        <source>No tester found. These serial ports could not be opened:

%1</source>
        <translation>Aucun duromètre trouvé. Ces ports série n'ont pas pu être ouverts :

%1</translation>
    </message>
    <message id="ids.61030">
        <source>Waiting for the tester...</source>
        <translation>En attente du duromètre...</translation>
    </message>
    <message id="ids.61031">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="ids.61032">
        <source>The connection to %1 %2 on COM%3 was lost. The tester is attached again as soon as it answers on its port.</source>
        <translation>La connexion à %1 %2 sur COM%3 a été perdue. Le duromètre sera reconnecté dès qu'il répondra sur son port.</translation>
    </message>
    <message id="ids.61033">
        <source>The measurements of the unfinished download were not kept.</source>
        <translation>Les mesures du transfert inachevé n'ont pas été conservées.</translation>
    </message>
    <message id="ids.62800">
        <source>This user may not open the serial ports: join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Cet utilisateur ne peut pas ouvrir les ports série : rejoignez le groupe &quot;%1&quot; (sudo usermod -aG %1 $USER), puis reconnectez-vous.</translation>
    </message>
    <message id="ids.61060">
        <source>Product name:</source>
        <translation>Nom du produit :</translation>
    </message>
    <message id="ids.61061">
        <source>Serial number:</source>
        <translation>Numéro de série :</translation>
    </message>
    <message id="ids.61062">
        <source>Firmware:</source>
        <translation>Micrologiciel :</translation>
    </message>
    <message id="ids.61063">
        <source>Bootloader:</source>
        <translation>Bootloader :</translation>
    </message>
    <message id="ids.61064">
        <source>Hardware Revision:</source>
        <translation>Révision matérielle :</translation>
    </message>
    <message id="ids.61065">
        <source>Measurements:</source>
        <translation>Mesures :</translation>
    </message>
    <message id="ids.61066">
        <source>%1 (memory: %2% used)</source>
        <translation>%1 (mémoire : %2% utilisée)</translation>
    </message>
    <message id="ids.61067">
        <source>Clear device memory?
This deletes all measurements on your Device!</source>
        <translation>Effacer la mémoire de l'appareil ?
Toutes les mesures de votre appareil seront supprimées !</translation>
    </message>
    <message id="ids.61068">
        <source>The file &quot;%1&quot; no longer exists.
It has been removed from the list of recent files.</source>
        <translation>Le fichier « %1 » n'existe plus.
Il a été retiré de la liste des fichiers récents.</translation>
    </message>
    <message id="ids.61069">
        <source>The operating instructions &quot;%1&quot; are not installed.</source>
        <translation>Le mode d'emploi « %1 » n'est pas installé.</translation>
    </message>
    <message id="ids.61070">
        <source>No program on this computer could open &quot;%1&quot;.</source>
        <translation>Aucun programme de cet ordinateur n'a pu ouvrir « %1 ».</translation>
    </message>
    <message id="ids.61080">
        <source>Restart application to change language.</source>
        <translation>Redémarrez l'application pour changer de langue.</translation>
    </message>
    <message id="ids.62500">
        <source>%1: %2 new series, %3 new measurements.</source>
        <translation>%1 : %2 nouvelles séries, %3 nouvelles mesures.</translation>
    </message>
    <message id="ids.62501">
        <source>%1: the file cannot be read; nothing imported.</source>
        <translation>%1 : le fichier ne peut pas être lu ; rien n'a été importé.</translation>
    </message>
    <message id="ids.62502">
        <source>%1: not a measurement file of a known version; nothing imported.</source>
        <translation>%1 : pas un fichier de mesures d'une version connue ; rien n'a été importé.</translation>
    </message>
    <message id="ids.62503">
        <source>%1: larger than 256 MiB; nothing imported.</source>
        <translation>%1 : plus de 256 Mio ; rien n'a été importé.</translation>
    </message>
    <message id="ids.62504">
        <source>%1: the file is damaged (a count or a field does not match the layout); nothing imported.</source>
        <translation>%1 : le fichier est endommagé (un nombre ou un champ ne correspond pas à la structure) ; rien n'a été importé.</translation>
    </message>
    <message id="ids.62505">
        <source>%1: the archive did not take the file; nothing imported: %2</source>
        <translation>%1 : l'archive n'a pas accepté le fichier ; rien n'a été importé : %2</translation>
    </message>
    <message id="ids.62506">
        <source>The archive is switched off.</source>
        <translation>L'archive est désactivée.</translation>
    </message>
    <message id="ids.62507">
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Impossible d'ouvrir l'archive %1 : %2</translation>
    </message>
    <message id="ids.62508">
        <source>The archive setting is not valid: %1</source>
        <translation>Le réglage de l'archive n'est pas valide : %1</translation>
    </message>
    <message id="ids.62509">
        <source>%1 series written to %2.</source>
        <translation>%1 séries écrites dans %2.</translation>
    </message>
    <message id="ids.62510">
        <source>Archive unreachable: new measurements are kept and written when it answers again.</source>
        <translation>Archive injoignable : les nouvelles mesures sont conservées et écrites dès qu'elle répond à nouveau.</translation>
    </message>
    <message id="ids.62511">
        <source>The archive answers again; everything kept was written.</source>
        <translation>L'archive répond à nouveau ; tout ce qui était conservé a été écrit.</translation>
    </message>
    <message id="ids.62512">
        <source>no file is named after &quot;sqlite:&quot;</source>
        <translation>aucun fichier n'est indiqué après « sqlite: »</translation>
    </message>
    <message id="ids.62513">
        <source>not an archive address: use off, sqlite:FILE or postgresql://user@host:port/database</source>
        <translation>pas une adresse d'archive : utilisez off, sqlite:FICHIER ou postgresql://utilisateur@hôte:port/base</translation>
    </message>
    <message id="ids.62514">
        <source>the address holds a password: keep it in ~/.pgpass or in PGPASSWORD instead</source>
        <translation>l'adresse contient un mot de passe : conservez-le plutôt dans ~/.pgpass ou PGPASSWORD</translation>
    </message>
    <message id="ids.62515">
        <source>the address needs a host and a database: postgresql://user@host:port/database</source>
        <translation>l'adresse doit indiquer un hôte et une base : postgresql://utilisateur@hôte:port/base</translation>
    </message>
    <message id="ids.62516">
        <source>%1 series not written to the archive, which did not answer.</source>
        <translation>%1 séries non écrites dans l'archive, qui n'a pas répondu.</translation>
    </message>
    <message id="ids.62520">
        <source>Archive</source>
        <translation>Archives</translation>
    </message>
    <message id="ids.62521">
        <source>&amp;Tester:</source>
        <translation>&amp;Testeur :</translation>
    </message>
    <message id="ids.62522">
        <source>Serial &amp;number:</source>
        <translation>&amp;Numéro de série :</translation>
    </message>
    <message id="ids.62523">
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message id="ids.62524">
        <source>&amp;Until:</source>
        <translation>&amp;Jusqu'au :</translation>
    </message>
    <message id="ids.62525">
        <source>S&amp;cale:</source>
        <translation>É&amp;chelle :</translation>
    </message>
    <message id="ids.62526">
        <source>&amp;Material:</source>
        <translation>&amp;Matériau :</translation>
    </message>
    <message id="ids.62527">
        <source>&amp;Verdict:</source>
        <translation>&amp;Verdict :</translation>
    </message>
    <message id="ids.62528">
        <source>Te&amp;xt in origin:</source>
        <translation>Te&amp;xte de l'origine :</translation>
    </message>
    <message id="ids.62529">
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message id="ids.62530">
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message id="ids.62531">
        <source>any</source>
        <translation>tous</translation>
    </message>
    <message id="ids.62532">
        <source>Tester</source>
        <translation>Testeur</translation>
    </message>
    <message id="ids.62533">
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message id="ids.62534">
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message id="ids.62535">
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message id="ids.62536">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="ids.62537">
        <source>Mean</source>
        <translation>Moyenne</translation>
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
        <translation>Verdict</translation>
    </message>
    <message id="ids.62542">
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
    <message id="ids.62543">
        <source>%1 series found.</source>
        <translation>%1 séries trouvées.</translation>
    </message>
    <message id="ids.62544">
        <source>Series means of %1 in %2</source>
        <translation>Moyennes des séries de %1 en %2</translation>
    </message>
    <message id="ids.62545">
        <source>downloaded on %1</source>
        <translation>téléchargé sur %1</translation>
    </message>
    <message id="ids.62546">
        <source>file %1</source>
        <translation>fichier %1</translation>
    </message>
    <message id="ids.62547">
        <source>Choose a series to see the means of its tester and scale over time.</source>
        <translation>Choisissez une série pour voir les moyennes de son testeur et de son échelle dans le temps.</translation>
    </message>
    <message id="ids.62550">
        <source>Archive settings</source>
        <translation>Réglages des archives</translation>
    </message>
    <message id="ids.62551">
        <source>&amp;Default file: %1</source>
        <translation>&amp;Fichier par défaut : %1</translation>
    </message>
    <message id="ids.62552">
        <source>O&amp;ff: keep nothing</source>
        <translation>&amp;Désactivé : ne rien conserver</translation>
    </message>
    <message id="ids.62553">
        <source>&amp;Other address:</source>
        <translation>&amp;Autre adresse :</translation>
    </message>
    <message id="ids.62554">
        <source>SCLERON_ARCHIVE_URL is set and takes precedence: %1</source>
        <translation>SCLERON_ARCHIVE_URL est défini et prévaut : %1</translation>
    </message>
    <message id="ids.62555">
        <source>The archive settings could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Les réglages des archives n'ont pas pu être enregistrés dans le fichier de réglages « %1 ».</translation>
    </message>
    <message id="ids.62556">
        <source>Examples: sqlite:/srv/lab/archive.sqlite, postgresql://lab@dbhost:5432/hardness. Passwords belong in ~/.pgpass.</source>
        <translation>Exemples : sqlite:/srv/labo/archives.sqlite, postgresql://labo@serveur:5432/durete. Les mots de passe vont dans ~/.pgpass.</translation>
    </message>
    <message id="ids.33162">
        <source>Find archived series and open them
Archive</source>
        <translation>Rechercher des séries archivées et les ouvrir
Archives</translation>
    </message>
    <message id="ids.33163">
        <source>Choose where the archive is kept, or switch it off
Archive settings</source>
        <translation>Choisir où les archives sont conservées, ou les désactiver
Réglages des archives</translation>
    </message>
    <message id="ids.58100">
        <source>HLD Leeb D raw</source>
        <translation>HLD Leeb D brut</translation>
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
        <translation>Rm   Résistance à la traction</translation>
    </message>
    <message id="ids.58109">
        <source>HC   Custom</source>
        <translation>HC   Personnalisée</translation>
    </message>
    <message id="ids.58182">
        <source>HLDL Leeb DL raw</source>
        <translation>HLDL Leeb DL brut</translation>
    </message>
    <message id="ids.58183">
        <source>HLDL  Leeb DL</source>
        <translation>HLDL  Leeb DL</translation>
    </message>
    <message id="ids.58110">
        <source>1 Steel and cast steel</source>
        <translation>1 Acier et acier moulé</translation>
    </message>
    <message id="ids.58111">
        <source>2 Work tool steel</source>
        <translation>2 Acier pour travail à froid</translation>
    </message>
    <message id="ids.58112">
        <source>3 Stainless steel</source>
        <translation>3 Acier inoxydable</translation>
    </message>
    <message id="ids.58113">
        <source>4 Gray cast iron (GG)</source>
        <translation>4 Fonte grise (GG)</translation>
    </message>
    <message id="ids.58114">
        <source>5 Nodular cast iron (GGG)</source>
        <translation>5 Fonte à graphite sphéroïdal (GGG)</translation>
    </message>
    <message id="ids.58115">
        <source>6 Cast aluminium alloys</source>
        <translation>6 Alliages d'aluminium de fonderie</translation>
    </message>
    <message id="ids.58116">
        <source>7 Brass</source>
        <translation>7 Laiton</translation>
    </message>
    <message id="ids.58117">
        <source>8 Bronzes</source>
        <translation>8 Bronzes</translation>
    </message>
    <message id="ids.58118">
        <source>9 Wrought copper</source>
        <translation>9 Cuivre corroyé</translation>
    </message>
    <message id="ids.58119">
        <source>6.1 Alu-AN40 (ABB)</source>
        <translation>6.1 Alu-AN40 (ABB)</translation>
    </message>
    <message id="ids.58120">
        <source>HC1  Custom1</source>
        <translation>HC1  Perso1</translation>
    </message>
    <message id="ids.58121">
        <source>HC2  Custom2</source>
        <translation>HC2  Perso2</translation>
    </message>
    <message id="ids.58122">
        <source>HC3  Custom3</source>
        <translation>HC3  Perso3</translation>
    </message>
    <message id="ids.58123">
        <source>1 Steel / Cast Steel</source>
        <translation>1 Acier / acier moulé</translation>
    </message>
    <message id="ids.58124">
        <source>2 Treat. Steel heat tr.</source>
        <translation>2 Acier de trait. traité</translation>
    </message>
    <message id="ids.58125">
        <source>3 Treat. Steel untreat.</source>
        <translation>3 Acier de trait. non traité</translation>
    </message>
    <message id="ids.58130">
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message id="ids.58131">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="ids.58132">
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message id="ids.58133">
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message id="ids.58134">
        <source>Gravity component</source>
        <translation>Direction d'impact</translation>
    </message>
    <message id="ids.58135">
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message id="ids.58136">
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message id="ids.58137">
        <source>Impact body</source>
        <translation>Corps de frappe</translation>
    </message>
    <message id="ids.58150">
        <source>Out of range</source>
        <translation>Hors plage</translation>
    </message>
    <message id="ids.58152">
        <source>no curve</source>
        <translation>pas de courbe</translation>
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
        <translation>Impossible d'enregistrer les mesures dans « %1 » :
%2</translation>
    </message>
    <message id="ids.61010">
        <source>&quot;%1&quot; is too large to be a measurement file.</source>
        <translation>« %1 » est trop volumineux pour être un fichier de mesures.</translation>
    </message>
    <message id="ids.61500">
        <source>Firmware upgrade tool is running...</source>
        <translation>L'outil de mise à jour du micrologiciel est en cours d'exécution...</translation>
    </message>
    <message id="ids.61400">
        <source>Memory deleted!</source>
        <translation>Mémoire effacée !</translation>
    </message>
    <message id="ids.61401">
        <source>No tester found.</source>
        <translation>Aucun duromètre trouvé.</translation>
    </message>
    <message id="ids.61402">
        <source>No tester answers on COM%1.</source>
        <translation>Aucun duromètre ne répond sur COM%1.</translation>
    </message>
    <message id="ids.61403">
        <source>COM%1 could not be opened.</source>
        <translation>COM%1 n'a pas pu être ouvert.</translation>
    </message>
    <message id="ids.61404">
        <source>The tester is in its boot loader. Reset it or upgrade its firmware.</source>
        <translation>Le duromètre est dans son bootloader. Réinitialisez-le ou mettez à jour son micrologiciel.</translation>
    </message>
    <message id="ids.61405">
        <source>The connection to the tester was lost; nothing was saved.</source>
        <translation>La connexion au duromètre a été perdue ; rien n'a été enregistré.</translation>
    </message>
    <message id="ids.61406">
        <source>Tester: %1</source>
        <translation>Duromètre : %1</translation>
    </message>
    <message id="ids.61407">
        <source>Serial number: %1</source>
        <translation>Numéro de série : %1</translation>
    </message>
    <message id="ids.61408">
        <source>Firmware: %1</source>
        <translation>Micrologiciel : %1</translation>
    </message>
    <message id="ids.61409">
        <source>Series: %1</source>
        <translation>Séries : %1</translation>
    </message>
    <message id="ids.61410">
        <source>Measurements: %1</source>
        <translation>Mesures : %1</translation>
    </message>
    <message id="ids.61411">
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message id="ids.61412">
        <source>The tester did not confirm the key lock; its keys stay as they were.</source>
        <translation>Le duromètre n'a pas confirmé le verrouillage ; ses touches restent telles qu'elles étaient.</translation>
    </message>
    <message id="ids.61413">
        <source>The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.</source>
        <translation>Le duromètre n'a pas confirmé les réglages : ils n'ont pas été envoyés. Ce qui est affiché est ce que le duromètre contient.</translation>
    </message>
    <message id="ids.61414">
        <source>The tester did not acknowledge custom curve HC%1 (impact body %2, register %3): the curves were not all sent. Shown is what the tester holds.</source>
        <translation>Le duromètre n'a pas confirmé la courbe personnalisée HC%1 (corps de frappe %2, registre %3) : les courbes n'ont pas toutes été envoyées. Ce qui est affiché est ce que le duromètre contient.</translation>
    </message>
    <message id="ids.61700">
        <source>its first line is not the header of a measurement log</source>
        <translation>sa première ligne n'est pas l'en-tête d'un journal de mesures</translation>
    </message>
    <message id="ids.61701">
        <source>CSV (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message id="ids.61702">
        <source>Unable to export to &quot;%1&quot;:
%2</source>
        <translation>Impossible d'exporter vers « %1 » :
%2</translation>
    </message>
    <message id="ids.61710">
        <source>%1.%2  %3  %4  (L %5, %6°)</source>
        <translation>%1.%2  %3  %4  (L %5, %6°)</translation>
    </message>
    <message id="ids.61711">
        <source>%1  hidden</source>
        <translation>%1  masquée</translation>
    </message>
    <message id="ids.61712">
        <source>%1.%2  discarded</source>
        <translation>%1.%2  rejetée</translation>
    </message>
    <message id="ids.61713">
        <source>Watching %1 %2 on COM%3: %4 measurements in its memory. Ctrl+C ends.</source>
        <translation>Surveillance de %1 %2 sur COM%3 : %4 mesures en mémoire. Ctrl+C pour terminer.</translation>
    </message>
    <message id="ids.61714">
        <source>The connection to the tester was lost; trying again until Ctrl+C.</source>
        <translation>La connexion au duromètre a été perdue ; nouvel essai jusqu'à Ctrl+C.</translation>
    </message>
    <message id="ids.61715">
        <source>The tester answers again.</source>
        <translation>Le duromètre répond à nouveau.</translation>
    </message>
    <message id="ids.61716">
        <source>Another tester (%1 %2) answers on COM%3; watching ends.</source>
        <translation>Un autre duromètre (%1 %2) répond sur COM%3 ; la surveillance s'arrête.</translation>
    </message>
    <message id="ids.61717">
        <source>Unable to write to &quot;%1&quot;: %2</source>
        <translation>Impossible d'écrire dans « %1 » : %2</translation>
    </message>
    <message id="ids.61718">
        <source>Ended: %1 new impacts, %2 discards.</source>
        <translation>Terminé : %1 nouveaux impacts, %2 rejets.</translation>
    </message>
    <message id="menu.32733">
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message id="menu.32734">
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message id="menu.32701">
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message id="menu.32741">
        <source>Export as &amp;CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message id="menu.32742">
        <source>Export s&amp;tatistics as CSV...</source>
        <translation>Exporter les s&amp;tatistiques en CSV...</translation>
    </message>
    <message id="menu.32702">
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message id="menu.33160">
        <source>&amp;Report…</source>
        <translation>&amp;Rapport…</translation>
    </message>
    <message id="menu.33162">
        <source>&amp;Archive…</source>
        <translation>&amp;Archives…</translation>
    </message>
    <message id="menu.57665">
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message id="menu.32703">
        <source>&amp;Connect device</source>
        <translation>&amp;Connecter l'appareil</translation>
    </message>
    <message id="menu.32704">
        <source>Device &amp;settings</source>
        <translation>&amp;Réglages de l'appareil</translation>
    </message>
    <message id="menu.58456">
        <source>Clear device &amp;memory</source>
        <translation>Effacer la &amp;mémoire de l'appareil</translation>
    </message>
    <message id="menu.32730">
        <source>&amp;DoDovavez</source>
        <translation>&amp;DoDovavez</translation>
    </message>
    <message id="menu.33000">
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message id="menu.33001">
        <source>&amp;Selected</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message id="menu.33003">
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message id="menu.33004">
        <source>&amp;Selected</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message id="menu.33006">
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message id="menu.33007">
        <source>&amp;Selected</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message id="menu.33009">
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message id="menu.33011">
        <source>&amp;Selected</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message id="menu.33012">
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message id="menu.33013">
        <source>&amp;Selected</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message id="menu.33015">
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message id="menu.33016">
        <source>&amp;Selected</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message id="menu.32800">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32801">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32802">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32803">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32804">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32805">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32806">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32807">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32808">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32809">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32810">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32811">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32812">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32813">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32814">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32815">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32816">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32817">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32818">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32819">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32820">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32821">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32822">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32823">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32824">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32825">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32826">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32827">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32828">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32829">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32830">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32831">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32832">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32833">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32834">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32835">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32836">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32837">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32838">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32839">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32840">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32841">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32842">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32843">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32844">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32845">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32846">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32847">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32848">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32849">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32850">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32851">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32852">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32853">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32854">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32855">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32856">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32857">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32858">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32859">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32860">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32861">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32862">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32863">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32864">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32865">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32866">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32867">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32868">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32869">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32870">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32871">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32872">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32873">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32874">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32875">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32876">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32877">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32878">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32879">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32880">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32881">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32882">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32883">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32884">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32885">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32886">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32887">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32888">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32889">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32890">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32891">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32892">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32893">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32894">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32895">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.32896">
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message id="menu.32897">
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message id="menu.32898">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.33002">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.33005">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.33008">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.33010">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.33014">
        <source>This</source>
        <translation>Celle-ci</translation>
    </message>
    <message id="menu.33017">
        <source>This</source>
        <translation>Celle-ci</translation>
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
        <translation>&amp;par défaut</translation>
    </message>
    <message id="menu.58465">
        <source>&amp;Custom J</source>
        <translation>&amp;Custom J</translation>
    </message>
    <message id="menu.33161">
        <source>&amp;Tolerance limits…</source>
        <translation>Limites de &amp;tolérance…</translation>
    </message>
    <message id="menu.33163">
        <source>&amp;Archive…</source>
        <translation>&amp;Archives…</translation>
    </message>
    <message id="menu.58466">
        <source>&amp;Check for updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message id="menu.57670">
        <source>&amp;Help Scleron</source>
        <translation>&amp;Aide de Scleron</translation>
    </message>
    <message id="menu.2100">
        <source>Product &amp;Registration</source>
        <translation>&amp;Enregistrement du produit</translation>
    </message>
    <message id="menu.2101">
        <source>Customer &amp;Feedback</source>
        <translation>&amp;Votre avis</translation>
    </message>
    <message id="menu.57664">
        <source>&amp;About Scleron...</source>
        <translation>À &amp;propos de Scleron...</translation>
    </message>
    <message id="menu.33170">
        <source>Series &amp;chart</source>
        <translation>&amp;Graphique de la série</translation>
    </message>
    <message id="popup.file">
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="popup.device">
        <source>&amp;Device</source>
        <translation>A&amp;ppareil</translation>
    </message>
    <message id="popup.edit">
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message id="popup.view">
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message id="popup.edit.expand">
        <source>E&amp;xpand</source>
        <translation>&amp;Développer</translation>
    </message>
    <message id="popup.edit.collapse">
        <source>&amp;Collapse</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message id="popup.edit.copy">
        <source>C&amp;opy (Ctrl+C)</source>
        <translation>&amp;Copier (Ctrl+C)</translation>
    </message>
    <message id="popup.edit.show">
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message id="popup.edit.hide">
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message id="popup.edit.delete">
        <source>&amp;Delete (DEL)</source>
        <translation>&amp;Supprimer (Suppr)</translation>
    </message>
    <message id="popup.settings">
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message id="popup.settings.language">
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message id="popup.settings.standard">
        <source>&amp;Conversion standard</source>
        <translation>&amp;Norme de conversion</translation>
    </message>
    <message id="popup.help">
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message id="popup.table.conversion">
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message id="popup.table.expand">
        <source>Expand</source>
        <translation>Développer</translation>
    </message>
    <message id="popup.table.collapse">
        <source>Collapse</source>
        <translation>Réduire</translation>
    </message>
    <message id="popup.table.copy">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="popup.table.show">
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message id="popup.table.hide">
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message id="popup.table.delete">
        <source>Delete</source>
        <translation>Supprimer</translation>
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
        <translation>dans les limites</translation>
    </message>
    <message id="ids.61803">
        <source>below</source>
        <translation>en dessous</translation>
    </message>
    <message id="ids.61804">
        <source>above</source>
        <translation>au-dessus</translation>
    </message>
    <message id="ids.33161">
        <source>Set lower and upper limits for the values of a scale and material
Tolerance limits</source>
        <translation>Définir les limites inférieure et supérieure des valeurs d'une échelle et d'un matériau
Limites de tolérance</translation>
    </message>
    <message id="ids.61810">
        <source>Tolerance limits</source>
        <translation>Limites de tolérance</translation>
    </message>
    <message id="ids.61811">
        <source>&amp;Scale:</source>
        <translation>É&amp;chelle :</translation>
    </message>
    <message id="ids.61812">
        <source>&amp;Material:</source>
        <translation>&amp;Matériau :</translation>
    </message>
    <message id="ids.61813">
        <source>&amp;Lower limit:</source>
        <translation>Limite &amp;inférieure :</translation>
    </message>
    <message id="ids.61814">
        <source>&amp;Upper limit:</source>
        <translation>Limite &amp;supérieure :</translation>
    </message>
    <message id="ids.61815">
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message id="ids.61816">
        <source>&amp;Remove these limits</source>
        <translation>Supp&amp;rimer ces limites</translation>
    </message>
    <message id="ids.61817">
        <source>Limits set:</source>
        <translation>Limites définies :</translation>
    </message>
    <message id="ids.61818">
        <source>A limit is a number above 0, and the lower limit may not lie above the upper one.</source>
        <translation>Une limite est un nombre supérieur à 0, et la limite inférieure ne peut pas dépasser la limite supérieure.</translation>
    </message>
    <message id="ids.61819">
        <source>The tolerance limits could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Les limites de tolérance n'ont pas pu être enregistrées dans le fichier de réglages « %1 ».</translation>
    </message>
    <message id="ids.61820">
        <source>Inspection report</source>
        <translation>Rapport de contrôle</translation>
    </message>
    <message id="ids.61821">
        <source>Tester: %1</source>
        <translation>Duromètre : %1</translation>
    </message>
    <message id="ids.61822">
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message id="ids.61823">
        <source>Series %1</source>
        <translation>Série %1</translation>
    </message>
    <message id="ids.61824">
        <source>Scale: %1</source>
        <translation>Échelle : %1</translation>
    </message>
    <message id="ids.61825">
        <source>Material: %1</source>
        <translation>Matériau : %1</translation>
    </message>
    <message id="ids.61826">
        <source>Impact body: %1</source>
        <translation>Corps de frappe : %1</translation>
    </message>
    <message id="ids.61827">
        <source>Measurements: %1, hidden: %2</source>
        <translation>Mesures : %1, masquées : %2</translation>
    </message>
    <message id="ids.61828">
        <source>Tolerance: %1</source>
        <translation>Tolérance : %1</translation>
    </message>
    <message id="ids.61829">
        <source>no limits set</source>
        <translation>aucune limite définie</translation>
    </message>
    <message id="ids.61830">
        <source>Verdict: %1</source>
        <translation>Conformité : %1</translation>
    </message>
    <message id="ids.61831">
        <source>%1 inside, %2 below, %3 above</source>
        <translation>%1 dans les limites, %2 en dessous, %3 au-dessus</translation>
    </message>
    <message id="ids.61832">
        <source>%1 without a value, not judged</source>
        <translation>%1 sans valeur, non jugées</translation>
    </message>
    <message id="ids.61833">
        <source>nothing judged</source>
        <translation>rien n'a été jugé</translation>
    </message>
    <message id="ids.61834">
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message id="ids.61835">
        <source>Inspected by:</source>
        <translation>Contrôlé par :</translation>
    </message>
    <message id="ids.61836">
        <source>Signature:</source>
        <translation>Signature :</translation>
    </message>
    <message id="ids.61837">
        <source>Verdict</source>
        <translation>Conformité</translation>
    </message>
    <message id="ids.61838">
        <source>hidden</source>
        <translation>masquée</translation>
    </message>
    <message id="ids.61839">
        <source>No measurement series.</source>
        <translation>Aucune série de mesures.</translation>
    </message>
    <message id="ids.61840">
        <source>Cannot write the report &quot;%1&quot;:
%2</source>
        <translation>Impossible d'écrire le rapport « %1 » :
%2</translation>
    </message>
    <message id="ids.61841">
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message id="ids.61842">
        <source>Select a series in the table to see its chart.</source>
        <translation>Sélectionnez une série dans le tableau pour voir son graphique.</translation>
    </message>
    <message id="ids.61843">
        <source>Report...</source>
        <translation>Rapport...</translation>
    </message>
    <message id="ids.61844">
        <source>Series chart</source>
        <translation>Graphique de la série</translation>
    </message>
    <message id="ids.61845">
        <source>This series has no measurements.</source>
        <translation>Cette série n'a aucune mesure.</translation>
    </message>
    <message id="ids.61846">
        <source>No material chosen: choose one in the Material column to convert the values.</source>
        <translation>Aucun matériau choisi : choisissez-en un dans la colonne Matériau pour convertir les valeurs.</translation>
    </message>
    <message id="ids.61847">
        <source>No value converts to %1.</source>
        <translation>Aucune valeur ne se convertit en %1.</translation>
    </message>
    <message id="ids.61848">
        <source>Save inspection report</source>
        <translation>Enregistrer le rapport de contrôle</translation>
    </message>
    <message id="ids.33160">
        <source>Write an inspection report of all series as a PDF file
Report</source>
        <translation>Écrire un rapport de contrôle de toutes les séries dans un fichier PDF
Rapport</translation>
    </message>
    <message id="ids.61600">
        <source>Device Settings</source>
        <translation>Réglages de l'appareil</translation>
    </message>
    <message id="ids.61601">
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message id="ids.61602">
        <source>Impact counter:</source>
        <translation>Compteur d'impacts :</translation>
    </message>
    <message id="ids.61603">
        <source>Measurement counter:</source>
        <translation>Compteur de mesures :</translation>
    </message>
    <message id="ids.61604">
        <source>Fixed number of impacts:</source>
        <translation>Nombre fixe d'impacts :</translation>
    </message>
    <message id="ids.61605">
        <source>Lock Keys</source>
        <translation>Verrouiller les touches</translation>
    </message>
    <message id="ids.61606">
        <source>Conversion Standard:</source>
        <translation>Norme de conversion :</translation>
    </message>
    <message id="ids.61607">
        <source>Impact Body:</source>
        <translation>Corps de frappe :</translation>
    </message>
    <message id="ids.61608">
        <source>HC1 Custom1</source>
        <translation>HC1 Perso1</translation>
    </message>
    <message id="ids.61609">
        <source>HC2 Custom2</source>
        <translation>HC2 Perso2</translation>
    </message>
    <message id="ids.61610">
        <source>HC3 Custom3</source>
        <translation>HC3 Perso3</translation>
    </message>
    <message id="ids.61611">
        <source>Receive Settings</source>
        <translation>Recevoir les réglages</translation>
    </message>
    <message id="ids.61612">
        <source>Send Settings</source>
        <translation>Envoyer les réglages</translation>
    </message>
    <message id="ids.61613">
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message id="ids.61614">
        <source>default</source>
        <translation>par défaut</translation>
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
        <translation>Nombre fixe d'impacts : %1 n'a pas été retenu ; le duromètre accepte de %2 à %3.</translation>
    </message>
    <message id="ids.61619">
        <source>Measurement counter: %1 was not taken; the tester counts up to %2.</source>
        <translation>Compteur de mesures : %1 n'a pas été retenu ; le duromètre compte jusqu'à %2.</translation>
    </message>
    <message id="ids.61620">
        <source>HC%1 offset: %2 was not taken; this curve accepts %3 to %4.</source>
        <translation>Décalage de HC%1 : %2 n'a pas été retenu ; cette courbe accepte de %3 à %4.</translation>
    </message>
    <message id="ids.58151">
        <source>select</source>
        <translation>sélectionner</translation>
    </message>
    <message id="ids.58159">
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message id="ids.58160">
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message id="ids.58175">
        <source>Page %d of %d</source>
        <translation>Page %d sur %d</translation>
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
        <translation>Statistique</translation>
    </message>
    <message id="ids.61201">
        <source>Unable to save grid list</source>
        <translation>Impossible d'enregistrer le tableau</translation>
    </message>
    <message id="ids.61202">
        <source>Cannot create &quot;%1&quot;:
%2</source>
        <translation>Impossible de créer « %1 » :
%2</translation>
    </message>
    <message id="ids.61203">
        <source>Delete Item</source>
        <translation>Supprimer l'élément</translation>
    </message>
    <message id="ids.61205">
        <source>Written to %1</source>
        <translation>Écrit dans %1</translation>
    </message>
    <message id="ids.61204">
        <source>Unable to print the table: no printer was chosen, or the printer or file could not be opened.</source>
        <translation>Impossible d'imprimer le tableau : aucune imprimante n'a été choisie, ou l'imprimante ou le fichier n'a pas pu être ouvert.</translation>
    </message>
    <message id="ids.22000">
        <source>Downloading...</source>
        <translation>Téléchargement...</translation>
    </message>
    <message id="ids.22001">
        <source>Searching for updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message id="ids.22002">
        <source>Halvex</source>
        <translation>Halvex</translation>
    </message>
    <message id="ids.22005">
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message id="ids.22007">
        <source>There is no update available. &#13;
You are already using the most recent version of %s.</source>
        <translation>Aucune mise à jour n'est disponible. &#13;
Vous utilisez déjà la version la plus récente de %s.</translation>
    </message>
    <message id="ids.22009">
        <source>Found a newer version of %s on the server. &#13;
 Server version: %s &#13;
 Your version: %s</source>
        <translation>Une version plus récente de %s a été trouvée sur le serveur. &#13;
 Version du serveur : %s &#13;
 Votre version : %s</translation>
    </message>
    <message id="ids.22010">
        <source>Downloading %s</source>
        <translation>Téléchargement de %s</translation>
    </message>
    <message id="ids.22017">
        <source>%s MB downloaded</source>
        <translation>%s Mo téléchargés</translation>
    </message>
    <message id="ids.22018">
        <source>Unknown error while downloading.</source>
        <translation>Erreur inconnue pendant le téléchargement.</translation>
    </message>
    <message id="ids.22019">
        <source>Receiving update information...</source>
        <translation>Réception des informations de mise à jour...</translation>
    </message>
    <message id="ids.22020">
        <source>Searching update for %s</source>
        <translation>Recherche d'une mise à jour pour %s</translation>
    </message>
    <message id="ids.22021">
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message id="ids.22022">
        <source>&lt; Back</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message id="ids.22023">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="ids.22024">
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message id="ids.25003">
        <source>Failed to connect to FTP server!</source>
        <translation>Échec de la connexion au serveur FTP !</translation>
    </message>
    <message id="ids.25004">
        <source>Directory (%s) not found on the FTP server!</source>
        <translation>Répertoire (%s) introuvable sur le serveur FTP !</translation>
    </message>
    <message id="ids.25005">
        <source>Failed to create an internet session!</source>
        <translation>Impossible de créer une session Internet !</translation>
    </message>
    <message id="ids.25006">
        <source>(Error %d)</source>
        <translation>(Erreur %d)</translation>
    </message>
    <message id="ids.61450">
        <source>The installer %1 could not be started:
%2</source>
        <translation>Le programme d'installation %1 n'a pas pu être lancé :
%2</translation>
    </message>
    <message id="ids.22032">
        <source>Repeatedly it was not possible to connect the PC to the Internet to check for newer firmware or OS for the %s device.
It is advisable to connect your PC once in a while to the Internet to keep the device firmware and OS up-to-date.</source>
        <translation>À plusieurs reprises, le PC n'a pas pu se connecter à Internet pour rechercher un micrologiciel ou un système plus récent pour l'appareil %s.
Il est conseillé de connecter le PC de temps en temps à Internet afin de garder à jour le micrologiciel et le système de l'appareil.</translation>
    </message>
    <message id="ids.61451">
        <source>The update server could not be reached. Please check the PC's connection to the Internet.</source>
        <translation>Le serveur de mise à jour est injoignable. Veuillez vérifier la connexion Internet du PC.</translation>
    </message>
    <message id="ids.61452">
        <source>The update server did not accept the program's login.</source>
        <translation>Le serveur de mise à jour a refusé l'identification du programme.</translation>
    </message>
    <message id="ids.61453">
        <source>The update server does not offer an encrypted connection, so nothing was fetched from it.</source>
        <translation>Le serveur de mise à jour ne propose pas de connexion chiffrée ; rien n'a donc été téléchargé.</translation>
    </message>
    <message id="ids.61454">
        <source>The encrypted connection to the update server could not be set up or its certificate could not be verified, so nothing was fetched from it.</source>
        <translation>La connexion chiffrée au serveur de mise à jour n'a pas pu être établie ou son certificat n'a pas pu être vérifié ; rien n'a donc été téléchargé.</translation>
    </message>
    <message id="ids.61455">
        <source>The update server stopped sending data. Please try again later.</source>
        <translation>Le serveur de mise à jour n'envoie plus de données. Veuillez réessayer plus tard.</translation>
    </message>
    <message id="ids.61456">
        <source>The connection to the update server failed.</source>
        <translation>La connexion au serveur de mise à jour a échoué.</translation>
    </message>
    <message id="ids.61457">
        <source>The file is not on the update server.</source>
        <translation>Le fichier n'est pas sur le serveur de mise à jour.</translation>
    </message>
    <message id="ids.61458">
        <source>%s MB of %s MB downloaded (%s MB/s)</source>
        <translation>%s Mo sur %s Mo téléchargés (%s Mo/s)</translation>
    </message>
    <message id="ids.61459">
        <source>The file on the update server is not the size the server announced, so it was not used.</source>
        <translation>Le fichier du serveur de mise à jour n'a pas la taille annoncée par le serveur ; il n'a donc pas été utilisé.</translation>
    </message>
    <message id="ids.61460">
        <source>The file was not used because it has no signature on the update server.</source>
        <translation>Le fichier n'a pas été utilisé car il n'a pas de signature sur le serveur de mise à jour.</translation>
    </message>
    <message id="ids.61461">
        <source>The file was not used because its signature on the update server is damaged.</source>
        <translation>Le fichier n'a pas été utilisé car sa signature sur le serveur de mise à jour est endommagée.</translation>
    </message>
    <message id="ids.61462">
        <source>The file was not used because it was signed with a key this program does not trust.</source>
        <translation>Le fichier n'a pas été utilisé car il a été signé avec une clé à laquelle ce programme ne fait pas confiance.</translation>
    </message>
    <message id="ids.61463">
        <source>The file was not used because it does not match its signature: it was changed after it was signed.</source>
        <translation>Le fichier n'a pas été utilisé car il ne correspond pas à sa signature : il a été modifié après sa signature.</translation>
    </message>
    <message id="ids.61464">
        <source>The file could not be saved on this PC.</source>
        <translation>Le fichier n'a pas pu être enregistré sur ce PC.</translation>
    </message>
    <message id="ids.61465">
        <source>The new version has been downloaded and its signature checked.
%s will now close so that the installer can run.</source>
        <translation>La nouvelle version a été téléchargée et sa signature vérifiée.
%s va maintenant se fermer pour que le programme d'installation puisse s'exécuter.</translation>
    </message>
    <message id="ids.61466">
        <source>A newer version is available</source>
        <translation>Une version plus récente est disponible</translation>
    </message>
    <message id="ids.61467">
        <source>No update available</source>
        <translation>Aucune mise à jour disponible</translation>
    </message>
    <message id="ids.61468">
        <source>The search for updates failed</source>
        <translation>La recherche de mises à jour a échoué</translation>
    </message>
    <message id="ids.61469">
        <source>The download failed</source>
        <translation>Le téléchargement a échoué</translation>
    </message>
    <message id="ids.61470">
        <source>Newer firmware for the %s device was found on the update server but is not offered:
%s</source>
        <translation>Un micrologiciel plus récent pour l'appareil %s a été trouvé sur le serveur de mise à jour, mais il n'est pas proposé :
%s</translation>
    </message>
    <message id="ids.61471">
        <source>The firmware upgrade tool could not be started.
It was looked for at: %s</source>
        <translation>L'outil de mise à jour du micrologiciel n'a pas pu être lancé.
Il a été cherché ici : %s</translation>
    </message>
    <message id="ids.61472">
        <source>The firmware upgrade tool ended with an error (exit code %s).</source>
        <translation>L'outil de mise à jour du micrologiciel s'est terminé avec une erreur (code de sortie %s).</translation>
    </message>
    <message id="ids.61473">
        <source>The firmware package %s no longer matches its signature, so it was removed and the upgrade tool was not started.</source>
        <translation>Le paquet de micrologiciel %s ne correspond plus à sa signature ; il a été supprimé et l'outil de mise à jour n'a pas été lancé.</translation>
    </message>
</context>
</TS>
