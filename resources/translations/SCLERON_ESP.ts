<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="ids.128">
        <source>Scleron</source>
        <translation>Scleron</translation>
    </message>
    <message id="ids.2100">
        <source>Product Registration
Product Registration</source>
        <translation>Registro del producto
Registro del producto</translation>
    </message>
    <message id="ids.2101">
        <source>Customer Feedback
Customer Feedback</source>
        <translation>Opiniones de clientes
Opiniones de clientes</translation>
    </message>
    <message id="ids.2102">
        <source>Update Scleron to version %s</source>
        <translation>Actualizar Scleron a la versión %s</translation>
    </message>
    <message id="ids.2103">
        <source>Update Kestrel to version %s</source>
        <translation>Actualizar el Kestrel a la versión %s</translation>
    </message>
    <message id="ids.2104">
        <source>New version available!</source>
        <translation>¡Nueva versión disponible!</translation>
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
        <translation>Exportar las mediciones
Exportar</translation>
    </message>
    <message id="ids.32702">
        <source>Print measurements
Print</source>
        <translation>Imprimir las mediciones
Imprimir</translation>
    </message>
    <message id="ids.32741">
        <source>Export the measurements for a spreadsheet
Export as CSV</source>
        <translation>Exporta las mediciones para una hoja de cálculo
Exportar como CSV</translation>
    </message>
    <message id="ids.32742">
        <source>Export the statistics of every series for a spreadsheet
Export statistics as CSV</source>
        <translation>Exporta las estadísticas de cada serie para una hoja de cálculo
Exportar estadísticas como CSV</translation>
    </message>
    <message id="ids.32703">
        <source>Connect device
Connect device</source>
        <translation>Conectar el equipo
Conectar el equipo</translation>
    </message>
    <message id="ids.32704">
        <source>Device settings
Device settings</source>
        <translation>Ajustes del equipo
Ajustes del equipo</translation>
    </message>
    <message id="ids.32730">
        <source>Upgrade Firmware
DoDovavez</source>
        <translation>Actualizar el firmware
DoDovavez</translation>
    </message>
    <message id="ids.32733">
        <source>Save measurements
Save</source>
        <translation>Guardar las mediciones
Guardar</translation>
    </message>
    <message id="ids.32734">
        <source>Open measurements
Open</source>
        <translation>Abrir mediciones
Abrir</translation>
    </message>
    <message id="ids.57664">
        <source>Display program information, version number and copyright
About</source>
        <translation>Muestra información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message id="ids.57665">
        <source>Quit the application; prompts to save measurements
Exit</source>
        <translation>Cierra la aplicación; pregunta si se guardan las mediciones
Salir</translation>
    </message>
    <message id="ids.57670">
        <source>Open the operating instructions
Help</source>
        <translation>Abre las instrucciones de uso
Ayuda</translation>
    </message>
    <message id="ids.58179">
        <source>Your measurements are not yet saved!
Save measurements?</source>
        <translation>¡Sus mediciones todavía no se han guardado!
¿Guardar las mediciones?</translation>
    </message>
    <message id="ids.58153">
        <source>Offline</source>
        <translation>Desconectado</translation>
    </message>
    <message id="ids.58154">
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message id="ids.58155">
        <source>Connect...</source>
        <translation>Conectando...</translation>
    </message>
    <message id="ids.58156">
        <source>Settings...</source>
        <translation>Ajustes...</translation>
    </message>
    <message id="ids.58157">
        <source>Save...</source>
        <translation>Guardando...</translation>
    </message>
    <message id="ids.58158">
        <source>Open...</source>
        <translation>Abriendo...</translation>
    </message>
    <message id="ids.58162">
        <source>No connection!</source>
        <translation>¡Sin conexión!</translation>
    </message>
    <message id="ids.58163">
        <source>Kestrel button left</source>
        <translation>Tecla izquierda del Kestrel</translation>
    </message>
    <message id="ids.58164">
        <source>Kestrel button right</source>
        <translation>Tecla derecha del Kestrel</translation>
    </message>
    <message id="ids.58165">
        <source>Kestrel button down</source>
        <translation>Tecla abajo del Kestrel</translation>
    </message>
    <message id="ids.58166">
        <source>Search device...</source>
        <translation>Buscando el equipo...</translation>
    </message>
    <message id="ids.58173">
        <source>Keys locked</source>
        <translation>Teclas bloqueadas</translation>
    </message>
    <message id="ids.58174">
        <source>Keys unlocked</source>
        <translation>Teclas desbloqueadas</translation>
    </message>
    <message id="ids.58452">
        <source>Copy the selected rows to the clipboard
Copy</source>
        <translation>Copia las filas seleccionadas al portapapeles
Copiar</translation>
    </message>
    <message id="ids.58456">
        <source>Clear the device memory
Clear device memory</source>
        <translation>Borra la memoria del equipo
Borrar la memoria del equipo</translation>
    </message>
    <message id="ids.58466">
        <source>Check for a newer program version
Check for updates</source>
        <translation>Busca una versión más reciente del programa
Buscar actualizaciones</translation>
    </message>
    <message id="ids.61002">
        <source>Scleron needs a graphical display. Set DISPLAY (or WAYLAND_DISPLAY), or run it under xvfb-run.</source>
        <translation>Scleron necesita una pantalla gráfica. Defina DISPLAY (o WAYLAND_DISPLAY) o ejecútelo con xvfb-run.</translation>
    </message>
    <message id="ids.61003">
        <source>Scleron Version %1</source>
        <translation>Scleron versión %1</translation>
    </message>
    <message id="ids.61004">
        <source>Copyright (C) the Scleron developers</source>
        <translation>Copyright (C) los desarrolladores de Scleron</translation>
    </message>
    <message id="ids.61005">
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message id="ids.61006">
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message id="ids.61007">
        <source>About Scleron</source>
        <translation>Acerca de Scleron</translation>
    </message>
    <message id="ids.61020">
        <source> BOOTLOADER!</source>
        <translation> ¡BOOTLOADER!</translation>
    </message>
    <message id="ids.61021">
        <source> BOOTLOADER! Reset or Upgrade Device</source>
        <translation> ¡BOOTLOADER! Reinicie el equipo o actualice el firmware</translation>
    </message>
    <message id="ids.61022">
        <source>Downloading measurements: %1 of %2</source>
        <translation>Descargando mediciones: %1 de %2</translation>
    </message>
    <message id="ids.61023">
        <source>No tester found. These serial ports could not be opened:

%1</source>
        <translation>No se encontró ningún durómetro. No se pudieron abrir estos puertos serie:

%1</translation>
    </message>
    <message id="ids.61030">
        <source>Waiting for the tester...</source>
        <translation>Esperando al durómetro...</translation>
    </message>
    <message id="ids.61031">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="ids.61032">
        <source>The connection to %1 %2 on COM%3 was lost. The tester is attached again as soon as it answers on its port.</source>
        <translation>Se perdió la conexión con %1 %2 en COM%3. El durómetro se conectará de nuevo en cuanto responda en su puerto.</translation>
    </message>
    <message id="ids.61033">
        <source>The measurements of the unfinished download were not kept.</source>
        <translation>Las mediciones de la transferencia incompleta no se conservaron.</translation>
    </message>
    <message id="ids.62800">
        <source>This user may not open the serial ports: join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Este usuario no puede abrir los puertos serie: únase al grupo &quot;%1&quot; (sudo usermod -aG %1 $USER) y vuelva a iniciar sesión.</translation>
    </message>
    <message id="ids.61060">
        <source>Product name:</source>
        <translation>Nombre del producto:</translation>
    </message>
    <message id="ids.61061">
        <source>Serial number:</source>
        <translation>Número de serie:</translation>
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
        <translation>Revisión de hardware:</translation>
    </message>
    <message id="ids.61065">
        <source>Measurements:</source>
        <translation>Mediciones:</translation>
    </message>
    <message id="ids.61066">
        <source>%1 (memory: %2% used)</source>
        <translation>%1 (memoria: %2% usada)</translation>
    </message>
    <message id="ids.61067">
        <source>Clear device memory?
This deletes all measurements on your Device!</source>
        <translation>¿Borrar la memoria del equipo?
¡Se eliminarán todas las mediciones de su equipo!</translation>
    </message>
    <message id="ids.61068">
        <source>The file &quot;%1&quot; no longer exists.
It has been removed from the list of recent files.</source>
        <translation>El archivo &quot;%1&quot; ya no existe.
Se ha quitado de la lista de archivos recientes.</translation>
    </message>
    <message id="ids.61069">
        <source>The operating instructions &quot;%1&quot; are not installed.</source>
        <translation>Las instrucciones de uso &quot;%1&quot; no están instaladas.</translation>
    </message>
    <message id="ids.61070">
        <source>No program on this computer could open &quot;%1&quot;.</source>
        <translation>Ningún programa de este equipo pudo abrir &quot;%1&quot;.</translation>
    </message>
    <message id="ids.61080">
        <source>Restart application to change language.</source>
        <translation>Reinicie la aplicación para cambiar el idioma.</translation>
    </message>
    <message id="ids.62500">
        <source>%1: %2 new series, %3 new measurements.</source>
        <translation>%1: %2 series nuevas, %3 mediciones nuevas.</translation>
    </message>
    <message id="ids.62501">
        <source>%1: the file cannot be read; nothing imported.</source>
        <translation>%1: no se puede leer el archivo; no se ha importado nada.</translation>
    </message>
    <message id="ids.62502">
        <source>%1: not a measurement file of a known version; nothing imported.</source>
        <translation>%1: no es un archivo de mediciones de una versión conocida; no se ha importado nada.</translation>
    </message>
    <message id="ids.62503">
        <source>%1: larger than 256 MiB; nothing imported.</source>
        <translation>%1: mayor de 256 MiB; no se ha importado nada.</translation>
    </message>
    <message id="ids.62504">
        <source>%1: the file is damaged (a count or a field does not match the layout); nothing imported.</source>
        <translation>%1: el archivo está dañado (un recuento o un campo no corresponde a la estructura); no se ha importado nada.</translation>
    </message>
    <message id="ids.62505">
        <source>%1: the archive did not take the file; nothing imported: %2</source>
        <translation>%1: el archivo histórico no aceptó el archivo; no se ha importado nada: %2</translation>
    </message>
    <message id="ids.62506">
        <source>The archive is switched off.</source>
        <translation>El archivo histórico está desactivado.</translation>
    </message>
    <message id="ids.62507">
        <source>The archive %1 cannot be opened: %2</source>
        <translation>No se puede abrir el archivo histórico %1: %2</translation>
    </message>
    <message id="ids.62508">
        <source>The archive setting is not valid: %1</source>
        <translation>El ajuste del archivo histórico no es válido: %1</translation>
    </message>
    <message id="ids.62509">
        <source>%1 series written to %2.</source>
        <translation>%1 series escritas en %2.</translation>
    </message>
    <message id="ids.62510">
        <source>Archive unreachable: new measurements are kept and written when it answers again.</source>
        <translation>Archivo histórico inaccesible: las mediciones nuevas se guardan y se escriben cuando vuelva a responder.</translation>
    </message>
    <message id="ids.62511">
        <source>The archive answers again; everything kept was written.</source>
        <translation>El archivo histórico responde de nuevo; todo lo guardado se ha escrito.</translation>
    </message>
    <message id="ids.62512">
        <source>no file is named after &quot;sqlite:&quot;</source>
        <translation>no se indica ningún archivo tras &quot;sqlite:&quot;</translation>
    </message>
    <message id="ids.62513">
        <source>not an archive address: use off, sqlite:FILE or postgresql://user@host:port/database</source>
        <translation>no es una dirección de archivo histórico: use off, sqlite:ARCHIVO o postgresql://usuario@host:puerto/base</translation>
    </message>
    <message id="ids.62514">
        <source>the address holds a password: keep it in ~/.pgpass or in PGPASSWORD instead</source>
        <translation>la dirección contiene una contraseña: guárdela en ~/.pgpass o en PGPASSWORD</translation>
    </message>
    <message id="ids.62515">
        <source>the address needs a host and a database: postgresql://user@host:port/database</source>
        <translation>la dirección necesita un host y una base de datos: postgresql://usuario@host:puerto/base</translation>
    </message>
    <message id="ids.62516">
        <source>%1 series not written to the archive, which did not answer.</source>
        <translation>%1 series no escritas en el archivo histórico, que no respondió.</translation>
    </message>
    <message id="ids.62520">
        <source>Archive</source>
        <translation>Archivo histórico</translation>
    </message>
    <message id="ids.62521">
        <source>&amp;Tester:</source>
        <translation>&amp;Durómetro:</translation>
    </message>
    <message id="ids.62522">
        <source>Serial &amp;number:</source>
        <translation>&amp;Número de serie:</translation>
    </message>
    <message id="ids.62523">
        <source>&amp;From:</source>
        <translation>De&amp;sde:</translation>
    </message>
    <message id="ids.62524">
        <source>&amp;Until:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message id="ids.62525">
        <source>S&amp;cale:</source>
        <translation>&amp;Escala:</translation>
    </message>
    <message id="ids.62526">
        <source>&amp;Material:</source>
        <translation>&amp;Material:</translation>
    </message>
    <message id="ids.62527">
        <source>&amp;Verdict:</source>
        <translation>&amp;Veredicto:</translation>
    </message>
    <message id="ids.62528">
        <source>Te&amp;xt in origin:</source>
        <translation>&amp;Texto en el origen:</translation>
    </message>
    <message id="ids.62529">
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message id="ids.62530">
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message id="ids.62531">
        <source>any</source>
        <translation>todos</translation>
    </message>
    <message id="ids.62532">
        <source>Tester</source>
        <translation>Durómetro</translation>
    </message>
    <message id="ids.62533">
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message id="ids.62534">
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message id="ids.62535">
        <source>Time</source>
        <translation>Hora</translation>
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
        <translation>Mín</translation>
    </message>
    <message id="ids.62540">
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message id="ids.62541">
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message id="ids.62542">
        <source>Origin</source>
        <translation>Origen</translation>
    </message>
    <message id="ids.62543">
        <source>%1 series found.</source>
        <translation>%1 series encontradas.</translation>
    </message>
    <message id="ids.62544">
        <source>Series means of %1 in %2</source>
        <translation>Medias de las series de %1 en %2</translation>
    </message>
    <message id="ids.62545">
        <source>downloaded on %1</source>
        <translation>descargado en %1</translation>
    </message>
    <message id="ids.62546">
        <source>file %1</source>
        <translation>archivo %1</translation>
    </message>
    <message id="ids.62547">
        <source>Choose a series to see the means of its tester and scale over time.</source>
        <translation>Elija una serie para ver las medias de su durómetro y su escala a lo largo del tiempo.</translation>
    </message>
    <message id="ids.62550">
        <source>Archive settings</source>
        <translation>Ajustes del archivo histórico</translation>
    </message>
    <message id="ids.62551">
        <source>&amp;Default file: %1</source>
        <translation>Archivo &amp;predeterminado: %1</translation>
    </message>
    <message id="ids.62552">
        <source>O&amp;ff: keep nothing</source>
        <translation>&amp;Desactivado: no guardar nada</translation>
    </message>
    <message id="ids.62553">
        <source>&amp;Other address:</source>
        <translation>&amp;Otra dirección:</translation>
    </message>
    <message id="ids.62554">
        <source>SCLERON_ARCHIVE_URL is set and takes precedence: %1</source>
        <translation>SCLERON_ARCHIVE_URL está definida y tiene prioridad: %1</translation>
    </message>
    <message id="ids.62555">
        <source>The archive settings could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>No se pudieron guardar los ajustes del archivo histórico en el archivo de ajustes &quot;%1&quot;.</translation>
    </message>
    <message id="ids.62556">
        <source>Examples: sqlite:/srv/lab/archive.sqlite, postgresql://lab@dbhost:5432/hardness. Passwords belong in ~/.pgpass.</source>
        <translation>Ejemplos: sqlite:/srv/lab/archivo.sqlite, postgresql://lab@dbhost:5432/dureza. Las contraseñas van en ~/.pgpass.</translation>
    </message>
    <message id="ids.33162">
        <source>Find archived series and open them
Archive</source>
        <translation>Buscar series archivadas y abrirlas
Archivo histórico</translation>
    </message>
    <message id="ids.33163">
        <source>Choose where the archive is kept, or switch it off
Archive settings</source>
        <translation>Elegir dónde se guarda el archivo histórico, o desactivarlo
Ajustes del archivo histórico</translation>
    </message>
    <message id="ids.58100">
        <source>HLD Leeb D raw</source>
        <translation>HLD Leeb D bruto</translation>
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
        <translation>Rm   Resistencia a la tracción</translation>
    </message>
    <message id="ids.58109">
        <source>HC   Custom</source>
        <translation>HC   Personalizada</translation>
    </message>
    <message id="ids.58182">
        <source>HLDL Leeb DL raw</source>
        <translation>HLDL Leeb DL bruto</translation>
    </message>
    <message id="ids.58183">
        <source>HLDL  Leeb DL</source>
        <translation>HLDL  Leeb DL</translation>
    </message>
    <message id="ids.58110">
        <source>1 Steel and cast steel</source>
        <translation>1 Acero y acero fundido</translation>
    </message>
    <message id="ids.58111">
        <source>2 Work tool steel</source>
        <translation>2 Acero para trabajo en frío</translation>
    </message>
    <message id="ids.58112">
        <source>3 Stainless steel</source>
        <translation>3 Acero inoxidable</translation>
    </message>
    <message id="ids.58113">
        <source>4 Gray cast iron (GG)</source>
        <translation>4 Fundición gris (GG)</translation>
    </message>
    <message id="ids.58114">
        <source>5 Nodular cast iron (GGG)</source>
        <translation>5 Fundición nodular (GGG)</translation>
    </message>
    <message id="ids.58115">
        <source>6 Cast aluminium alloys</source>
        <translation>6 Aleaciones de aluminio fundido</translation>
    </message>
    <message id="ids.58116">
        <source>7 Brass</source>
        <translation>7 Latón</translation>
    </message>
    <message id="ids.58117">
        <source>8 Bronzes</source>
        <translation>8 Bronces</translation>
    </message>
    <message id="ids.58118">
        <source>9 Wrought copper</source>
        <translation>9 Aleaciones de cobre de forja</translation>
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
        <translation>1 Acero / acero fundido</translation>
    </message>
    <message id="ids.58124">
        <source>2 Treat. Steel heat tr.</source>
        <translation>2 Acero bonif. tratado</translation>
    </message>
    <message id="ids.58125">
        <source>3 Treat. Steel untreat.</source>
        <translation>3 Acero bonif. sin tratar</translation>
    </message>
    <message id="ids.58130">
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message id="ids.58131">
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message id="ids.58132">
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message id="ids.58133">
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message id="ids.58134">
        <source>Gravity component</source>
        <translation>Dirección de impacto</translation>
    </message>
    <message id="ids.58135">
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message id="ids.58136">
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message id="ids.58137">
        <source>Impact body</source>
        <translation>Cuerpo de impacto</translation>
    </message>
    <message id="ids.58150">
        <source>Out of range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message id="ids.58152">
        <source>no curve</source>
        <translation>sin curva</translation>
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
        <translation>Mín: -</translation>
    </message>
    <message id="ids.61107">
        <source>Min: %0.1f %s</source>
        <translation>Mín: %0.1f %s</translation>
    </message>
    <message id="ids.61108">
        <source>Min: %0.0f %s</source>
        <translation>Mín: %0.0f %s</translation>
    </message>
    <message id="ids.61109">
        <source>Max: -</source>
        <translation>Máx: -</translation>
    </message>
    <message id="ids.61110">
        <source>Max: %0.1f %s</source>
        <translation>Máx: %0.1f %s</translation>
    </message>
    <message id="ids.61111">
        <source>Max: %0.0f %s</source>
        <translation>Máx: %0.0f %s</translation>
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
        <translation>No se pudieron guardar las mediciones en &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61010">
        <source>&quot;%1&quot; is too large to be a measurement file.</source>
        <translation>&quot;%1&quot; es demasiado grande para ser un archivo de mediciones.</translation>
    </message>
    <message id="ids.61500">
        <source>Firmware upgrade tool is running...</source>
        <translation>La herramienta de actualización del firmware se está ejecutando...</translation>
    </message>
    <message id="ids.61400">
        <source>Memory deleted!</source>
        <translation>¡Memoria borrada!</translation>
    </message>
    <message id="ids.61401">
        <source>No tester found.</source>
        <translation>No se encontró ningún durómetro.</translation>
    </message>
    <message id="ids.61402">
        <source>No tester answers on COM%1.</source>
        <translation>Ningún durómetro responde en COM%1.</translation>
    </message>
    <message id="ids.61403">
        <source>COM%1 could not be opened.</source>
        <translation>No se pudo abrir COM%1.</translation>
    </message>
    <message id="ids.61404">
        <source>The tester is in its boot loader. Reset it or upgrade its firmware.</source>
        <translation>El durómetro está en su bootloader. Reinícielo o actualice su firmware.</translation>
    </message>
    <message id="ids.61405">
        <source>The connection to the tester was lost; nothing was saved.</source>
        <translation>Se perdió la conexión con el durómetro; no se guardó nada.</translation>
    </message>
    <message id="ids.61406">
        <source>Tester: %1</source>
        <translation>Durómetro: %1</translation>
    </message>
    <message id="ids.61407">
        <source>Serial number: %1</source>
        <translation>Número de serie: %1</translation>
    </message>
    <message id="ids.61408">
        <source>Firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message id="ids.61409">
        <source>Series: %1</source>
        <translation>Series: %1</translation>
    </message>
    <message id="ids.61410">
        <source>Measurements: %1</source>
        <translation>Mediciones: %1</translation>
    </message>
    <message id="ids.61411">
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message id="ids.61412">
        <source>The tester did not confirm the key lock; its keys stay as they were.</source>
        <translation>El durómetro no confirmó el bloqueo de teclas; sus teclas siguen como estaban.</translation>
    </message>
    <message id="ids.61413">
        <source>The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.</source>
        <translation>El durómetro no confirmó los ajustes: no se enviaron. Se muestra lo que contiene el durómetro.</translation>
    </message>
    <message id="ids.61414">
        <source>The tester did not acknowledge custom curve HC%1 (impact body %2, register %3): the curves were not all sent. Shown is what the tester holds.</source>
        <translation>El durómetro no confirmó la curva personalizada HC%1 (cuerpo de impacto %2, registro %3): no se enviaron todas las curvas. Se muestra lo que contiene el durómetro.</translation>
    </message>
    <message id="ids.61700">
        <source>its first line is not the header of a measurement log</source>
        <translation>su primera línea no es la cabecera de un registro de mediciones</translation>
    </message>
    <message id="ids.61701">
        <source>CSV (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message id="ids.61702">
        <source>Unable to export to &quot;%1&quot;:
%2</source>
        <translation>No se pudo exportar a &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61710">
        <source>%1.%2  %3  %4  (L %5, %6°)</source>
        <translation>%1.%2  %3  %4  (L %5, %6°)</translation>
    </message>
    <message id="ids.61711">
        <source>%1  hidden</source>
        <translation>%1  oculta</translation>
    </message>
    <message id="ids.61712">
        <source>%1.%2  discarded</source>
        <translation>%1.%2  descartada</translation>
    </message>
    <message id="ids.61713">
        <source>Watching %1 %2 on COM%3: %4 measurements in its memory. Ctrl+C ends.</source>
        <translation>Observando %1 %2 en COM%3: %4 mediciones en memoria. Ctrl+C termina.</translation>
    </message>
    <message id="ids.61714">
        <source>The connection to the tester was lost; trying again until Ctrl+C.</source>
        <translation>Se perdió la conexión con el durómetro; se reintenta hasta Ctrl+C.</translation>
    </message>
    <message id="ids.61715">
        <source>The tester answers again.</source>
        <translation>El durómetro vuelve a responder.</translation>
    </message>
    <message id="ids.61716">
        <source>Another tester (%1 %2) answers on COM%3; watching ends.</source>
        <translation>Otro durómetro (%1 %2) responde en COM%3; la observación termina.</translation>
    </message>
    <message id="ids.61717">
        <source>Unable to write to &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir en &quot;%1&quot;: %2</translation>
    </message>
    <message id="ids.61718">
        <source>Ended: %1 new impacts, %2 discards.</source>
        <translation>Terminado: %1 impactos nuevos, %2 descartes.</translation>
    </message>
    <message id="menu.32733">
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message id="menu.32734">
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message id="menu.32701">
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message id="menu.32741">
        <source>Export as &amp;CSV...</source>
        <translation>Exportar como &amp;CSV...</translation>
    </message>
    <message id="menu.32742">
        <source>Export s&amp;tatistics as CSV...</source>
        <translation>Exportar es&amp;tadísticas como CSV...</translation>
    </message>
    <message id="menu.32702">
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message id="menu.33160">
        <source>&amp;Report…</source>
        <translation>In&amp;forme…</translation>
    </message>
    <message id="menu.33162">
        <source>&amp;Archive…</source>
        <translation>Archivo &amp;histórico…</translation>
    </message>
    <message id="menu.57665">
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message id="menu.32703">
        <source>&amp;Connect device</source>
        <translation>&amp;Conectar el equipo</translation>
    </message>
    <message id="menu.32704">
        <source>Device &amp;settings</source>
        <translation>A&amp;justes del equipo</translation>
    </message>
    <message id="menu.58456">
        <source>Clear device &amp;memory</source>
        <translation>Borrar la &amp;memoria del equipo</translation>
    </message>
    <message id="menu.32730">
        <source>&amp;DoDovavez</source>
        <translation>&amp;DoDovavez</translation>
    </message>
    <message id="menu.33000">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33001">
        <source>&amp;Selected</source>
        <translation>&amp;Seleccionadas</translation>
    </message>
    <message id="menu.33003">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33004">
        <source>&amp;Selected</source>
        <translation>&amp;Seleccionadas</translation>
    </message>
    <message id="menu.33006">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33007">
        <source>&amp;Selected</source>
        <translation>&amp;Seleccionadas</translation>
    </message>
    <message id="menu.33009">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33011">
        <source>&amp;Selected</source>
        <translation>&amp;Seleccionadas</translation>
    </message>
    <message id="menu.33012">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33013">
        <source>&amp;Selected</source>
        <translation>&amp;Seleccionadas</translation>
    </message>
    <message id="menu.33015">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33016">
        <source>&amp;Selected</source>
        <translation>&amp;Seleccionadas</translation>
    </message>
    <message id="menu.32800">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32801">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32802">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32803">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32804">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32805">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32806">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32807">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32808">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32809">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32810">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32811">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32812">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32813">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32814">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32815">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32816">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32817">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32818">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32819">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32820">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32821">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32822">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32823">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32824">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32825">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32826">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32827">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32828">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32829">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32830">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32831">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32832">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32833">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32834">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32835">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32836">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32837">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32838">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32839">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32840">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32841">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32842">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32843">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32844">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32845">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32846">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32847">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32848">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32849">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32850">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32851">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32852">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32853">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32854">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32855">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32856">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32857">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32858">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32859">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32860">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32861">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32862">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32863">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32864">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32865">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32866">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32867">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32868">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32869">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32870">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32871">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32872">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32873">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32874">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32875">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32876">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32877">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32878">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32879">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32880">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32881">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32882">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32883">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32884">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32885">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32886">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32887">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32888">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32889">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32890">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32891">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32892">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32893">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32894">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32895">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32896">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32897">
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message id="menu.32898">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.33002">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.33005">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.33008">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.33010">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.33014">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.33017">
        <source>This</source>
        <translation>Esta</translation>
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
        <translation>&amp;predeterminada</translation>
    </message>
    <message id="menu.58465">
        <source>&amp;Custom J</source>
        <translation>&amp;Custom J</translation>
    </message>
    <message id="menu.33161">
        <source>&amp;Tolerance limits…</source>
        <translation>Límites de &amp;tolerancia…</translation>
    </message>
    <message id="menu.33163">
        <source>&amp;Archive…</source>
        <translation>Archivo &amp;histórico…</translation>
    </message>
    <message id="menu.58466">
        <source>&amp;Check for updates...</source>
        <translation>&amp;Buscar actualizaciones...</translation>
    </message>
    <message id="menu.57670">
        <source>&amp;Help Scleron</source>
        <translation>A&amp;yuda de Scleron</translation>
    </message>
    <message id="menu.2100">
        <source>Product &amp;Registration</source>
        <translation>&amp;Registro del producto</translation>
    </message>
    <message id="menu.2101">
        <source>Customer &amp;Feedback</source>
        <translation>&amp;Opiniones de clientes</translation>
    </message>
    <message id="menu.57664">
        <source>&amp;About Scleron...</source>
        <translation>&amp;Acerca de Scleron...</translation>
    </message>
    <message id="menu.33170">
        <source>Series &amp;chart</source>
        <translation>&amp;Gráfico de la serie</translation>
    </message>
    <message id="popup.file">
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message id="popup.device">
        <source>&amp;Device</source>
        <translation>&amp;Equipo</translation>
    </message>
    <message id="popup.edit">
        <source>&amp;Edit</source>
        <translation>E&amp;dición</translation>
    </message>
    <message id="popup.view">
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message id="popup.edit.expand">
        <source>E&amp;xpand</source>
        <translation>E&amp;xpandir</translation>
    </message>
    <message id="popup.edit.collapse">
        <source>&amp;Collapse</source>
        <translation>Co&amp;ntraer</translation>
    </message>
    <message id="popup.edit.copy">
        <source>C&amp;opy (Ctrl+C)</source>
        <translation>&amp;Copiar (Ctrl+C)</translation>
    </message>
    <message id="popup.edit.show">
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message id="popup.edit.hide">
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message id="popup.edit.delete">
        <source>&amp;Delete (DEL)</source>
        <translation>&amp;Eliminar (SUPR)</translation>
    </message>
    <message id="popup.settings">
        <source>&amp;Settings</source>
        <translation>A&amp;justes</translation>
    </message>
    <message id="popup.settings.language">
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message id="popup.settings.standard">
        <source>&amp;Conversion standard</source>
        <translation>&amp;Norma de conversión</translation>
    </message>
    <message id="popup.help">
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message id="popup.table.conversion">
        <source>Conversion</source>
        <translation>Conversión</translation>
    </message>
    <message id="popup.table.expand">
        <source>Expand</source>
        <translation>Expandir</translation>
    </message>
    <message id="popup.table.collapse">
        <source>Collapse</source>
        <translation>Contraer</translation>
    </message>
    <message id="popup.table.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="popup.table.show">
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message id="popup.table.hide">
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message id="popup.table.delete">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="ids.61800">
        <source>OK</source>
        <translation>Conforme</translation>
    </message>
    <message id="ids.61801">
        <source>NOT OK</source>
        <translation>No conforme</translation>
    </message>
    <message id="ids.61802">
        <source>inside</source>
        <translation>dentro</translation>
    </message>
    <message id="ids.61803">
        <source>below</source>
        <translation>por debajo</translation>
    </message>
    <message id="ids.61804">
        <source>above</source>
        <translation>por encima</translation>
    </message>
    <message id="ids.33161">
        <source>Set lower and upper limits for the values of a scale and material
Tolerance limits</source>
        <translation>Fija los límites inferior y superior de los valores de una escala y un material
Límites de tolerancia</translation>
    </message>
    <message id="ids.61810">
        <source>Tolerance limits</source>
        <translation>Límites de tolerancia</translation>
    </message>
    <message id="ids.61811">
        <source>&amp;Scale:</source>
        <translation>&amp;Escala:</translation>
    </message>
    <message id="ids.61812">
        <source>&amp;Material:</source>
        <translation>&amp;Material:</translation>
    </message>
    <message id="ids.61813">
        <source>&amp;Lower limit:</source>
        <translation>Límite &amp;inferior:</translation>
    </message>
    <message id="ids.61814">
        <source>&amp;Upper limit:</source>
        <translation>Límite s&amp;uperior:</translation>
    </message>
    <message id="ids.61815">
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message id="ids.61816">
        <source>&amp;Remove these limits</source>
        <translation>&amp;Quitar estos límites</translation>
    </message>
    <message id="ids.61817">
        <source>Limits set:</source>
        <translation>Límites fijados:</translation>
    </message>
    <message id="ids.61818">
        <source>A limit is a number above 0, and the lower limit may not lie above the upper one.</source>
        <translation>Un límite es un número mayor que 0, y el límite inferior no puede estar por encima del superior.</translation>
    </message>
    <message id="ids.61819">
        <source>The tolerance limits could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>No se pudieron guardar los límites de tolerancia en el archivo de ajustes &quot;%1&quot;.</translation>
    </message>
    <message id="ids.61820">
        <source>Inspection report</source>
        <translation>Informe de inspección</translation>
    </message>
    <message id="ids.61821">
        <source>Tester: %1</source>
        <translation>Durómetro: %1</translation>
    </message>
    <message id="ids.61822">
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message id="ids.61823">
        <source>Series %1</source>
        <translation>Serie %1</translation>
    </message>
    <message id="ids.61824">
        <source>Scale: %1</source>
        <translation>Escala: %1</translation>
    </message>
    <message id="ids.61825">
        <source>Material: %1</source>
        <translation>Material: %1</translation>
    </message>
    <message id="ids.61826">
        <source>Impact body: %1</source>
        <translation>Cuerpo de impacto: %1</translation>
    </message>
    <message id="ids.61827">
        <source>Measurements: %1, hidden: %2</source>
        <translation>Mediciones: %1, ocultas: %2</translation>
    </message>
    <message id="ids.61828">
        <source>Tolerance: %1</source>
        <translation>Tolerancia: %1</translation>
    </message>
    <message id="ids.61829">
        <source>no limits set</source>
        <translation>sin límites fijados</translation>
    </message>
    <message id="ids.61830">
        <source>Verdict: %1</source>
        <translation>Conformidad: %1</translation>
    </message>
    <message id="ids.61831">
        <source>%1 inside, %2 below, %3 above</source>
        <translation>%1 dentro, %2 por debajo, %3 por encima</translation>
    </message>
    <message id="ids.61832">
        <source>%1 without a value, not judged</source>
        <translation>%1 sin valor, no evaluadas</translation>
    </message>
    <message id="ids.61833">
        <source>nothing judged</source>
        <translation>nada evaluado</translation>
    </message>
    <message id="ids.61834">
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message id="ids.61835">
        <source>Inspected by:</source>
        <translation>Inspeccionado por:</translation>
    </message>
    <message id="ids.61836">
        <source>Signature:</source>
        <translation>Firma:</translation>
    </message>
    <message id="ids.61837">
        <source>Verdict</source>
        <translation>Conformidad</translation>
    </message>
    <message id="ids.61838">
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message id="ids.61839">
        <source>No measurement series.</source>
        <translation>No hay series de mediciones.</translation>
    </message>
    <message id="ids.61840">
        <source>Cannot write the report &quot;%1&quot;:
%2</source>
        <translation>No se puede escribir el informe &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61841">
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message id="ids.61842">
        <source>Select a series in the table to see its chart.</source>
        <translation>Seleccione una serie en la tabla para ver su gráfico.</translation>
    </message>
    <message id="ids.61843">
        <source>Report...</source>
        <translation>Informe...</translation>
    </message>
    <message id="ids.61844">
        <source>Series chart</source>
        <translation>Gráfico de la serie</translation>
    </message>
    <message id="ids.61845">
        <source>This series has no measurements.</source>
        <translation>Esta serie no tiene mediciones.</translation>
    </message>
    <message id="ids.61846">
        <source>No material chosen: choose one in the Material column to convert the values.</source>
        <translation>Ningún material elegido: elija uno en la columna Material para convertir los valores.</translation>
    </message>
    <message id="ids.61847">
        <source>No value converts to %1.</source>
        <translation>Ningún valor se convierte a %1.</translation>
    </message>
    <message id="ids.61848">
        <source>Save inspection report</source>
        <translation>Guardar el informe de inspección</translation>
    </message>
    <message id="ids.33160">
        <source>Write an inspection report of all series as a PDF file
Report</source>
        <translation>Escribe un informe de inspección de todas las series como archivo PDF
Informe</translation>
    </message>
    <message id="ids.61600">
        <source>Device Settings</source>
        <translation>Ajustes del equipo</translation>
    </message>
    <message id="ids.61601">
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message id="ids.61602">
        <source>Impact counter:</source>
        <translation>Contador de impactos:</translation>
    </message>
    <message id="ids.61603">
        <source>Measurement counter:</source>
        <translation>Contador de mediciones:</translation>
    </message>
    <message id="ids.61604">
        <source>Fixed number of impacts:</source>
        <translation>Número fijo de impactos:</translation>
    </message>
    <message id="ids.61605">
        <source>Lock Keys</source>
        <translation>Bloquear teclas</translation>
    </message>
    <message id="ids.61606">
        <source>Conversion Standard:</source>
        <translation>Norma de conversión:</translation>
    </message>
    <message id="ids.61607">
        <source>Impact Body:</source>
        <translation>Cuerpo de impacto:</translation>
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
        <translation>Recibir ajustes</translation>
    </message>
    <message id="ids.61612">
        <source>Send Settings</source>
        <translation>Enviar ajustes</translation>
    </message>
    <message id="ids.61613">
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message id="ids.61614">
        <source>default</source>
        <translation>predeterminada</translation>
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
        <translation>Número fijo de impactos: no se aceptó %1; el durómetro admite de %2 a %3.</translation>
    </message>
    <message id="ids.61619">
        <source>Measurement counter: %1 was not taken; the tester counts up to %2.</source>
        <translation>Contador de mediciones: no se aceptó %1; el durómetro cuenta hasta %2.</translation>
    </message>
    <message id="ids.61620">
        <source>HC%1 offset: %2 was not taken; this curve accepts %3 to %4.</source>
        <translation>Desplazamiento de HC%1: no se aceptó %2; esta curva admite de %3 a %4.</translation>
    </message>
    <message id="ids.58151">
        <source>select</source>
        <translation>seleccionar</translation>
    </message>
    <message id="ids.58159">
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message id="ids.58160">
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message id="ids.58175">
        <source>Page %d of %d</source>
        <translation>Página %d de %d</translation>
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
        <translation>Estadística</translation>
    </message>
    <message id="ids.61201">
        <source>Unable to save grid list</source>
        <translation>No se pudo guardar la tabla</translation>
    </message>
    <message id="ids.61202">
        <source>Cannot create &quot;%1&quot;:
%2</source>
        <translation>No se puede crear &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61203">
        <source>Delete Item</source>
        <translation>Eliminar elemento</translation>
    </message>
    <message id="ids.61205">
        <source>Written to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message id="ids.61204">
        <source>Unable to print the table: no printer was chosen, or the printer or file could not be opened.</source>
        <translation>No se pudo imprimir la tabla: no se eligió ninguna impresora, o no se pudo abrir la impresora o el archivo.</translation>
    </message>
    <message id="ids.22000">
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message id="ids.22001">
        <source>Searching for updates...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message id="ids.22002">
        <source>Halvex</source>
        <translation>Halvex</translation>
    </message>
    <message id="ids.22005">
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message id="ids.22007">
        <source>There is no update available. &#13;
You are already using the most recent version of %s.</source>
        <translation>No hay ninguna actualización disponible. &#13;
Ya está usando la versión más reciente de %s.</translation>
    </message>
    <message id="ids.22009">
        <source>Found a newer version of %s on the server. &#13;
 Server version: %s &#13;
 Your version: %s</source>
        <translation>Se encontró una versión más reciente de %s en el servidor. &#13;
 Versión del servidor: %s &#13;
 Su versión: %s</translation>
    </message>
    <message id="ids.22010">
        <source>Downloading %s</source>
        <translation>Descargando %s</translation>
    </message>
    <message id="ids.22017">
        <source>%s MB downloaded</source>
        <translation>%s MB descargados</translation>
    </message>
    <message id="ids.22018">
        <source>Unknown error while downloading.</source>
        <translation>Error desconocido durante la descarga.</translation>
    </message>
    <message id="ids.22019">
        <source>Receiving update information...</source>
        <translation>Recibiendo información de actualización...</translation>
    </message>
    <message id="ids.22020">
        <source>Searching update for %s</source>
        <translation>Buscando actualización para %s</translation>
    </message>
    <message id="ids.22021">
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message id="ids.22022">
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message id="ids.22023">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="ids.22024">
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message id="ids.25003">
        <source>Failed to connect to FTP server!</source>
        <translation>¡No se pudo conectar con el servidor FTP!</translation>
    </message>
    <message id="ids.25004">
        <source>Directory (%s) not found on the FTP server!</source>
        <translation>¡No se encontró el directorio (%s) en el servidor FTP!</translation>
    </message>
    <message id="ids.25005">
        <source>Failed to create an internet session!</source>
        <translation>¡No se pudo crear una sesión de Internet!</translation>
    </message>
    <message id="ids.25006">
        <source>(Error %d)</source>
        <translation>(Error %d)</translation>
    </message>
    <message id="ids.61450">
        <source>The installer %1 could not be started:
%2</source>
        <translation>No se pudo iniciar el instalador %1:
%2</translation>
    </message>
    <message id="ids.22032">
        <source>Repeatedly it was not possible to connect the PC to the Internet to check for newer firmware or OS for the %s device.
It is advisable to connect your PC once in a while to the Internet to keep the device firmware and OS up-to-date.</source>
        <translation>Varias veces no fue posible conectar el PC a Internet para buscar un firmware o sistema operativo más reciente para el equipo %s.
Se recomienda conectar el PC a Internet de vez en cuando para mantener actualizados el firmware y el sistema operativo del equipo.</translation>
    </message>
    <message id="ids.61451">
        <source>The update server could not be reached. Please check the PC's connection to the Internet.</source>
        <translation>No se puede acceder al servidor de actualizaciones. Compruebe la conexión a Internet del PC.</translation>
    </message>
    <message id="ids.61452">
        <source>The update server did not accept the program's login.</source>
        <translation>El servidor de actualizaciones no aceptó el inicio de sesión del programa.</translation>
    </message>
    <message id="ids.61453">
        <source>The update server does not offer an encrypted connection, so nothing was fetched from it.</source>
        <translation>El servidor de actualizaciones no ofrece una conexión cifrada, por lo que no se descargó nada.</translation>
    </message>
    <message id="ids.61454">
        <source>The encrypted connection to the update server could not be set up or its certificate could not be verified, so nothing was fetched from it.</source>
        <translation>No se pudo establecer la conexión cifrada con el servidor de actualizaciones o verificar su certificado, por lo que no se descargó nada.</translation>
    </message>
    <message id="ids.61455">
        <source>The update server stopped sending data. Please try again later.</source>
        <translation>El servidor de actualizaciones ha dejado de enviar datos. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message id="ids.61456">
        <source>The connection to the update server failed.</source>
        <translation>La conexión con el servidor de actualizaciones ha fallado.</translation>
    </message>
    <message id="ids.61457">
        <source>The file is not on the update server.</source>
        <translation>El archivo no está en el servidor de actualizaciones.</translation>
    </message>
    <message id="ids.61458">
        <source>%s MB of %s MB downloaded (%s MB/s)</source>
        <translation>%s MB de %s MB descargados (%s MB/s)</translation>
    </message>
    <message id="ids.61459">
        <source>The file on the update server is not the size the server announced, so it was not used.</source>
        <translation>El archivo del servidor de actualizaciones no tiene el tamaño anunciado por el servidor, por lo que no se utilizó.</translation>
    </message>
    <message id="ids.61460">
        <source>The file was not used because it has no signature on the update server.</source>
        <translation>El archivo no se utilizó porque no tiene firma en el servidor de actualizaciones.</translation>
    </message>
    <message id="ids.61461">
        <source>The file was not used because its signature on the update server is damaged.</source>
        <translation>El archivo no se utilizó porque su firma en el servidor de actualizaciones está dañada.</translation>
    </message>
    <message id="ids.61462">
        <source>The file was not used because it was signed with a key this program does not trust.</source>
        <translation>El archivo no se utilizó porque se firmó con una clave en la que este programa no confía.</translation>
    </message>
    <message id="ids.61463">
        <source>The file was not used because it does not match its signature: it was changed after it was signed.</source>
        <translation>El archivo no se utilizó porque no coincide con su firma: se modificó después de firmarlo.</translation>
    </message>
    <message id="ids.61464">
        <source>The file could not be saved on this PC.</source>
        <translation>No se pudo guardar el archivo en este PC.</translation>
    </message>
    <message id="ids.61465">
        <source>The new version has been downloaded and its signature checked.
%s will now close so that the installer can run.</source>
        <translation>La nueva versión se ha descargado y su firma se ha comprobado.
%s se cerrará ahora para que pueda ejecutarse el instalador.</translation>
    </message>
    <message id="ids.61466">
        <source>A newer version is available</source>
        <translation>Hay una versión más reciente disponible</translation>
    </message>
    <message id="ids.61467">
        <source>No update available</source>
        <translation>No hay ninguna actualización disponible</translation>
    </message>
    <message id="ids.61468">
        <source>The search for updates failed</source>
        <translation>La búsqueda de actualizaciones ha fallado</translation>
    </message>
    <message id="ids.61469">
        <source>The download failed</source>
        <translation>La descarga ha fallado</translation>
    </message>
    <message id="ids.61470">
        <source>Newer firmware for the %s device was found on the update server but is not offered:
%s</source>
        <translation>Se encontró en el servidor de actualizaciones un firmware más reciente para el equipo %s, pero no se ofrece:
%s</translation>
    </message>
    <message id="ids.61471">
        <source>The firmware upgrade tool could not be started.
It was looked for at: %s</source>
        <translation>No se pudo iniciar la herramienta de actualización del firmware.
Se buscó en: %s</translation>
    </message>
    <message id="ids.61472">
        <source>The firmware upgrade tool ended with an error (exit code %s).</source>
        <translation>La herramienta de actualización del firmware terminó con un error (código de salida %s).</translation>
    </message>
    <message id="ids.61473">
        <source>The firmware package %s no longer matches its signature, so it was removed and the upgrade tool was not started.</source>
        <translation>El paquete de firmware %s ya no coincide con su firma; se eliminó y no se inició la herramienta de actualización.</translation>
    </message>
</context>
</TS>
