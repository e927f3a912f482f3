<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="ids.128">
        <source>Scleron</source>
        <translation>Scleron</translation>
    </message>
    <message id="ids.2100">
        <source>Product Registration
Product Registration</source>
        <translation>Registro do produto
Registro do produto</translation>
    </message>
    <message id="ids.2101">
        <source>Customer Feedback
Customer Feedback</source>
        <translation>Opinião dos clientes
Opinião dos clientes</translation>
    </message>
    <message id="ids.2102">
        <source>Update Scleron to version %s</source>
        <translation>Atualizar o Scleron para a versão %s</translation>
    </message>
    <message id="ids.2103">
        <source>Update Kestrel to version %s</source>
        <translation>Atualizar o Kestrel para a versão %s</translation>
    </message>
    <message id="ids.2104">
        <source>New version available!</source>
        <translation>Nova versão disponível!</translation>
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
        <translation>Exportar as medições
Exportar</translation>
    </message>
    <message id="ids.32702">
        <source>Print measurements
Print</source>
        <translation>Imprimir as medições
Imprimir</translation>
    </message>
    <message id="ids.32741">
        <source>Export the measurements for a spreadsheet
Export as CSV</source>
        <translation>Exporta as medições para uma planilha
Exportar como CSV</translation>
    </message>
    <message id="ids.32742">
        <source>Export the statistics of every series for a spreadsheet
Export statistics as CSV</source>
        <translation>Exporta as estatísticas de cada série para uma planilha
Exportar estatísticas como CSV</translation>
    </message>
    <message id="ids.32703">
        <source>Connect device
Connect device</source>
        <translation>Conectar o aparelho
Conectar o aparelho</translation>
    </message>
    <message id="ids.32704">
        <source>Device settings
Device settings</source>
        <translation>Configurações do aparelho
Configurações do aparelho</translation>
    </message>
    <message id="ids.32730">
        <source>Upgrade Firmware
DoDovavez</source>
        <translation>Atualizar o firmware
DoDovavez</translation>
    </message>
    <message id="ids.32733">
        <source>Save measurements
Save</source>
        <translation>Salvar as medições
Salvar</translation>
    </message>
    <message id="ids.32734">
        <source>Open measurements
Open</source>
        <translation>Abrir medições
Abrir</translation>
    </message>
    <message id="ids.57664">
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra informações do programa, número da versão e copyright
Sobre</translation>
    </message>
    <message id="ids.57665">
        <source>Quit the application; prompts to save measurements
Exit</source>
        <translation>Fecha o aplicativo; pergunta se as medições devem ser salvas
Sair</translation>
    </message>
    <message id="ids.57670">
        <source>Open the operating instructions
Help</source>
        <translation>Abre as instruções de operação
Ajuda</translation>
    </message>
    <message id="ids.58179">
        <source>Your measurements are not yet saved!
Save measurements?</source>
        <translation>Suas medições ainda não foram salvas!
Salvar as medições?</translation>
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
        <translation>Configurações...</translation>
    </message>
    <message id="ids.58157">
        <source>Save...</source>
        <translation>Salvando...</translation>
    </message>
    <message id="ids.58158">
        <source>Open...</source>
        <translation>Abrindo...</translation>
    </message>
    <message id="ids.58162">
        <source>No connection!</source>
        <translation>Sem conexão!</translation>
    </message>
    <message id="ids.58163">
        <source>Kestrel button left</source>
        <translation>Tecla esquerda do Kestrel</translation>
    </message>
    <message id="ids.58164">
        <source>Kestrel button right</source>
        <translation>Tecla direita do Kestrel</translation>
    </message>
    <message id="ids.58165">
        <source>Kestrel button down</source>
        <translation>Tecla para baixo do Kestrel</translation>
    </message>
    <message id="ids.58166">
        <source>Search device...</source>
        <translation>Procurando o aparelho...</translation>
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
        <translation>Copia as linhas selecionadas para a área de transferência
Copiar</translation>
    </message>
    <message id="ids.58456">
        <source>Clear the device memory
Clear device memory</source>
        <translation>Apaga a memória do aparelho
Apagar a memória do aparelho</translation>
    </message>
    <message id="ids.58466">
        <source>Check for a newer program version
Check for updates</source>
        <translation>Procura uma versão mais nova do programa
Procurar atualizações</translation>
    </message>
    <message id="ids.61002">
        <source>Scleron needs a graphical display. Set DISPLAY (or WAYLAND_DISPLAY), or run it under xvfb-run.</source>
        <translation>O Scleron precisa de uma tela gráfica. Defina DISPLAY (ou WAYLAND_DISPLAY) ou execute-o com xvfb-run.</translation>
    </message>
    <message id="ids.61003">
        <source>Scleron Version %1</source>
        <translation>Scleron versão %1</translation>
    </message>
    <message id="ids.61004">
        <source>Copyright (C) the Scleron developers</source>
        <translation>Copyright (C) os desenvolvedores do Scleron</translation>
    </message>
    <message id="ids.61005">
        <source>CAP</source>
        <translation>MAIÚS</translation>
    </message>
    <message id="ids.61006">
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message id="ids.61007">
        <source>About Scleron</source>
        <translation>Sobre o Scleron</translation>
    </message>
    <message id="ids.61020">
        <source> BOOTLOADER!</source>
        <translation> BOOTLOADER!</translation>
    </message>
    <message id="ids.61021">
        <source> BOOTLOADER! Reset or Upgrade Device</source>
        <translation> BOOTLOADER! Reinicie o aparelho ou atualize o firmware</translation>
    </message>
    <message id="ids.61022">
        <source>Downloading measurements: %1 of %2</source>
        <translation>Baixando medições: %1 de %2</translation>
    </message>
    <message id="ids.61023">
        <source>No tester found. These serial ports could not be opened:

%1</source>
        <translation>Nenhum durômetro encontrado. Estas portas seriais não puderam ser abertas:

%1</translation>
    </message>
    <message id="ids.61030">
        <source>Waiting for the tester...</source>
        <translation>Aguardando o durômetro...</translation>
    </message>
    <message id="ids.61031">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="ids.61032">
        <source>The connection to %1 %2 on COM%3 was lost. The tester is attached again as soon as it answers on its port.</source>
        <translation>A conexão com %1 %2 na COM%3 foi perdida. O durômetro será conectado de novo assim que responder em sua porta.</translation>
    </message>
    <message id="ids.61033">
        <source>The measurements of the unfinished download were not kept.</source>
        <translation>As medições da transferência incompleta não foram mantidas.</translation>
    </message>
    <message id="ids.62800">
        <source>This user may not open the serial ports: join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Este usuário não pode abrir as portas seriais: entre no grupo &quot;%1&quot; (sudo usermod -aG %1 $USER) e faça login novamente.</translation>
    </message>
    <message id="ids.61060">
        <source>Product name:</source>
        <translation>Nome do produto:</translation>
    </message>
    <message id="ids.61061">
        <source>Serial number:</source>
        <translation>Número de série:</translation>
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
        <translation>Revisão de hardware:</translation>
    </message>
    <message id="ids.61065">
        <source>Measurements:</source>
        <translation>Medições:</translation>
    </message>
    <message id="ids.61066">
        <source>%1 (memory: %2% used)</source>
        <translation>%1 (memória: %2% usada)</translation>
    </message>
    <message id="ids.61067">
        <source>Clear device memory?
This deletes all measurements on your Device!</source>
        <translation>Apagar a memória do aparelho?
Todas as medições do seu aparelho serão excluídas!</translation>
    </message>
    <message id="ids.61068">
        <source>The file &quot;%1&quot; no longer exists.
It has been removed from the list of recent files.</source>
        <translation>O arquivo &quot;%1&quot; não existe mais.
Ele foi removido da lista de arquivos recentes.</translation>
    </message>
    <message id="ids.61069">
        <source>The operating instructions &quot;%1&quot; are not installed.</source>
        <translation>As instruções de uso &quot;%1&quot; não estão instaladas.</translation>
    </message>
    <message id="ids.61070">
        <source>No program on this computer could open &quot;%1&quot;.</source>
        <translation>Nenhum programa deste computador conseguiu abrir &quot;%1&quot;.</translation>
    </message>
    <message id="ids.61080">
        <source>Restart application to change language.</source>
        <translation>Reinicie o aplicativo para mudar o idioma.</translation>
    </message>
    <message id="ids.62500">
        <source>%1: %2 new series, %3 new measurements.</source>
        <translation>%1: %2 novas séries, %3 novas medições.</translation>
    </message>
    <message id="ids.62501">
        <source>%1: the file cannot be read; nothing imported.</source>
        <translation>%1: não é possível ler o arquivo; nada foi importado.</translation>
    </message>
    <message id="ids.62502">
        <source>%1: not a measurement file of a known version; nothing imported.</source>
        <translation>%1: não é um arquivo de medições de uma versão conhecida; nada foi importado.</translation>
    </message>
    <message id="ids.62503">
        <source>%1: larger than 256 MiB; nothing imported.</source>
        <translation>%1: maior que 256 MiB; nada foi importado.</translation>
    </message>
    <message id="ids.62504">
        <source>%1: the file is damaged (a count or a field does not match the layout); nothing imported.</source>
        <translation>%1: o arquivo está danificado (uma contagem ou um campo não corresponde à estrutura); nada foi importado.</translation>
    </message>
    <message id="ids.62505">
        <source>%1: the archive did not take the file; nothing imported: %2</source>
        <translation>%1: o acervo não aceitou o arquivo; nada foi importado: %2</translation>
    </message>
    <message id="ids.62506">
        <source>The archive is switched off.</source>
        <translation>O acervo está desativado.</translation>
    </message>
    <message id="ids.62507">
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Não é possível abrir o acervo %1: %2</translation>
    </message>
    <message id="ids.62508">
        <source>The archive setting is not valid: %1</source>
        <translation>A configuração do acervo não é válida: %1</translation>
    </message>
    <message id="ids.62509">
        <source>%1 series written to %2.</source>
        <translation>%1 séries gravadas em %2.</translation>
    </message>
    <message id="ids.62510">
        <source>Archive unreachable: new measurements are kept and written when it answers again.</source>
        <translation>Acervo inacessível: as novas medições são guardadas e gravadas quando ele responder novamente.</translation>
    </message>
    <message id="ids.62511">
        <source>The archive answers again; everything kept was written.</source>
        <translation>O acervo responde novamente; tudo o que estava guardado foi gravado.</translation>
    </message>
    <message id="ids.62512">
        <source>no file is named after &quot;sqlite:&quot;</source>
        <translation>nenhum arquivo indicado após &quot;sqlite:&quot;</translation>
    </message>
    <message id="ids.62513">
        <source>not an archive address: use off, sqlite:FILE or postgresql://user@host:port/database</source>
        <translation>não é um endereço de acervo: use off, sqlite:ARQUIVO ou postgresql://usuario@host:porta/banco</translation>
    </message>
    <message id="ids.62514">
        <source>the address holds a password: keep it in ~/.pgpass or in PGPASSWORD instead</source>
        <translation>o endereço contém uma senha: guarde-a em ~/.pgpass ou em PGPASSWORD</translation>
    </message>
    <message id="ids.62515">
        <source>the address needs a host and a database: postgresql://user@host:port/database</source>
        <translation>o endereço precisa de um host e de um banco de dados: postgresql://usuario@host:porta/banco</translation>
    </message>
    <message id="ids.62516">
        <source>%1 series not written to the archive, which did not answer.</source>
        <translation>%1 séries não gravadas no acervo, que não respondeu.</translation>
    </message>
    <message id="ids.62520">
        <source>Archive</source>
        <translation>Acervo</translation>
    </message>
    <message id="ids.62521">
        <source>&amp;Tester:</source>
        <translation>&amp;Durômetro:</translation>
    </message>
    <message id="ids.62522">
        <source>Serial &amp;number:</source>
        <translation>&amp;Número de série:</translation>
    </message>
    <message id="ids.62523">
        <source>&amp;From:</source>
        <translation>D&amp;e:</translation>
    </message>
    <message id="ids.62524">
        <source>&amp;Until:</source>
        <translation>A&amp;té:</translation>
    </message>
    <message id="ids.62525">
        <source>S&amp;cale:</source>
        <translation>Es&amp;cala:</translation>
    </message>
    <message id="ids.62526">
        <source>&amp;Material:</source>
        <translation>&amp;Material:</translation>
    </message>
    <message id="ids.62527">
        <source>&amp;Verdict:</source>
        <translation>&amp;Veredito:</translation>
    </message>
    <message id="ids.62528">
        <source>Te&amp;xt in origin:</source>
        <translation>Te&amp;xto na origem:</translation>
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
        <translation>Durômetro</translation>
    </message>
    <message id="ids.62533">
        <source>Serial number</source>
        <translation>Número de série</translation>
    </message>
    <message id="ids.62534">
        <source>Series</source>
        <translation>Série</translation>
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
        <translation>Média</translation>
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
        <translation>Veredito</translation>
    </message>
    <message id="ids.62542">
        <source>Origin</source>
        <translation>Origem</translation>
    </message>
    <message id="ids.62543">
        <source>%1 series found.</source>
        <translation>%1 séries encontradas.</translation>
    </message>
    <message id="ids.62544">
        <source>Series means of %1 in %2</source>
        <translation>Médias das séries de %1 em %2</translation>
    </message>
    <message id="ids.62545">
        <source>downloaded on %1</source>
        <translation>baixado em %1</translation>
    </message>
    <message id="ids.62546">
        <source>file %1</source>
        <translation>arquivo %1</translation>
    </message>
    <message id="ids.62547">
        <source>Choose a series to see the means of its tester and scale over time.</source>
        <translation>Escolha uma série para ver as médias do seu durômetro e da sua escala ao longo do tempo.</translation>
    </message>
    <message id="ids.62550">
        <source>Archive settings</source>
        <translation>Configurações do acervo</translation>
    </message>
    <message id="ids.62551">
        <source>&amp;Default file: %1</source>
        <translation>Arquivo &amp;padrão: %1</translation>
    </message>
    <message id="ids.62552">
        <source>O&amp;ff: keep nothing</source>
        <translation>&amp;Desativado: não guardar nada</translation>
    </message>
    <message id="ids.62553">
        <source>&amp;Other address:</source>
        <translation>&amp;Outro endereço:</translation>
    </message>
    <message id="ids.62554">
        <source>SCLERON_ARCHIVE_URL is set and takes precedence: %1</source>
        <translation>SCLERON_ARCHIVE_URL está definida e tem prioridade: %1</translation>
    </message>
    <message id="ids.62555">
        <source>The archive settings could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Não foi possível salvar as configurações do acervo no arquivo de configurações &quot;%1&quot;.</translation>
    </message>
    <message id="ids.62556">
        <source>Examples: sqlite:/srv/lab/archive.sqlite, postgresql://lab@dbhost:5432/hardness. Passwords belong in ~/.pgpass.</source>
        <translation>Exemplos: sqlite:/srv/lab/acervo.sqlite, postgresql://lab@dbhost:5432/dureza. As senhas ficam em ~/.pgpass.</translation>
    </message>
    <message id="ids.33162">
        <source>Find archived series and open them
Archive</source>
        <translation>Buscar séries do acervo e abri-las
Acervo</translation>
    </message>
    <message id="ids.33163">
        <source>Choose where the archive is kept, or switch it off
Archive settings</source>
        <translation>Escolher onde o acervo fica, ou desativá-lo
Configurações do acervo</translation>
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
        <translation>Rm   Resistência à tração</translation>
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
        <translation>1 Aço e aço fundido</translation>
    </message>
    <message id="ids.58111">
        <source>2 Work tool steel</source>
        <translation>2 Aço para trabalho a frio</translation>
    </message>
    <message id="ids.58112">
        <source>3 Stainless steel</source>
        <translation>3 Aço inoxidável</translation>
    </message>
    <message id="ids.58113">
        <source>4 Gray cast iron (GG)</source>
        <translation>4 Ferro fundido cinzento (GG)</translation>
    </message>
    <message id="ids.58114">
        <source>5 Nodular cast iron (GGG)</source>
        <translation>5 Ferro fundido nodular (GGG)</translation>
    </message>
    <message id="ids.58115">
        <source>6 Cast aluminium alloys</source>
        <translation>6 Ligas de alumínio fundido</translation>
    </message>
    <message id="ids.58116">
        <source>7 Brass</source>
        <translation>7 Latão</translation>
    </message>
    <message id="ids.58117">
        <source>8 Bronzes</source>
        <translation>8 Bronzes</translation>
    </message>
    <message id="ids.58118">
        <source>9 Wrought copper</source>
        <translation>9 Ligas de cobre trabalhadas</translation>
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
        <translation>1 Aço / aço fundido</translation>
    </message>
    <message id="ids.58124">
        <source>2 Treat. Steel heat tr.</source>
        <translation>2 Aço benef. tratado</translation>
    </message>
    <message id="ids.58125">
        <source>3 Treat. Steel untreat.</source>
        <translation>3 Aço benef. não tratado</translation>
    </message>
    <message id="ids.58130">
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message id="ids.58131">
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Direção de impacto</translation>
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
        <translation>Corpo de impacto</translation>
    </message>
    <message id="ids.58150">
        <source>Out of range</source>
        <translation>Fora da faixa</translation>
    </message>
    <message id="ids.58152">
        <source>no curve</source>
        <translation>sem curva</translation>
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
        <translation>Não foi possível salvar as medições em &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61010">
        <source>&quot;%1&quot; is too large to be a measurement file.</source>
        <translation>&quot;%1&quot; é grande demais para ser um arquivo de medições.</translation>
    </message>
    <message id="ids.61500">
        <source>Firmware upgrade tool is running...</source>
        <translation>A ferramenta de atualização de firmware está em execução...</translation>
    </message>
    <message id="ids.61400">
        <source>Memory deleted!</source>
        <translation>Memória apagada!</translation>
    </message>
    <message id="ids.61401">
        <source>No tester found.</source>
        <translation>Nenhum durômetro encontrado.</translation>
    </message>
    <message id="ids.61402">
        <source>No tester answers on COM%1.</source>
        <translation>Nenhum durômetro responde em COM%1.</translation>
    </message>
    <message id="ids.61403">
        <source>COM%1 could not be opened.</source>
        <translation>Não foi possível abrir COM%1.</translation>
    </message>
    <message id="ids.61404">
        <source>The tester is in its boot loader. Reset it or upgrade its firmware.</source>
        <translation>O durômetro está no bootloader. Reinicie-o ou atualize o firmware.</translation>
    </message>
    <message id="ids.61405">
        <source>The connection to the tester was lost; nothing was saved.</source>
        <translation>A conexão com o durômetro foi perdida; nada foi salvo.</translation>
    </message>
    <message id="ids.61406">
        <source>Tester: %1</source>
        <translation>Durômetro: %1</translation>
    </message>
    <message id="ids.61407">
        <source>Serial number: %1</source>
        <translation>Número de série: %1</translation>
    </message>
    <message id="ids.61408">
        <source>Firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message id="ids.61409">
        <source>Series: %1</source>
        <translation>Séries: %1</translation>
    </message>
    <message id="ids.61410">
        <source>Measurements: %1</source>
        <translation>Medições: %1</translation>
    </message>
    <message id="ids.61411">
        <source>Saved to %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message id="ids.61412">
        <source>The tester did not confirm the key lock; its keys stay as they were.</source>
        <translation>O durômetro não confirmou o bloqueio de teclas; suas teclas continuam como estavam.</translation>
    </message>
    <message id="ids.61413">
        <source>The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.</source>
        <translation>O durômetro não confirmou as configurações: elas não foram enviadas. É mostrado o que o durômetro contém.</translation>
    </message>
    <message id="ids.61414">
        <source>The tester did not acknowledge custom curve HC%1 (impact body %2, register %3): the curves were not all sent. Shown is what the tester holds.</source>
        <translation>O durômetro não confirmou a curva personalizada HC%1 (corpo de impacto %2, registro %3): as curvas não foram todas enviadas. É mostrado o que o durômetro contém.</translation>
    </message>
    <message id="ids.61700">
        <source>its first line is not the header of a measurement log</source>
        <translation>a primeira linha não é o cabeçalho de um registro de medições</translation>
    </message>
    <message id="ids.61701">
        <source>CSV (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV (*.csv)|*.csv|Todos os arquivos (*.*)|*.*||</translation>
    </message>
    <message id="ids.61702">
        <source>Unable to export to &quot;%1&quot;:
%2</source>
        <translation>Não foi possível exportar para &quot;%1&quot;:
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
        <translation>Acompanhando %1 %2 em COM%3: %4 medições na memória. Ctrl+C encerra.</translation>
    </message>
    <message id="ids.61714">
        <source>The connection to the tester was lost; trying again until Ctrl+C.</source>
        <translation>A conexão com o durômetro foi perdida; tentando novamente até Ctrl+C.</translation>
    </message>
    <message id="ids.61715">
        <source>The tester answers again.</source>
        <translation>O durômetro responde novamente.</translation>
    </message>
    <message id="ids.61716">
        <source>Another tester (%1 %2) answers on COM%3; watching ends.</source>
        <translation>Outro durômetro (%1 %2) responde em COM%3; o acompanhamento termina.</translation>
    </message>
    <message id="ids.61717">
        <source>Unable to write to &quot;%1&quot;: %2</source>
        <translation>Não foi possível gravar em &quot;%1&quot;: %2</translation>
    </message>
    <message id="ids.61718">
        <source>Ended: %1 new impacts, %2 discards.</source>
        <translation>Encerrado: %1 novos impactos, %2 descartes.</translation>
    </message>
    <message id="menu.32733">
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
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
        <translation>Exportar es&amp;tatísticas como CSV...</translation>
    </message>
    <message id="menu.32702">
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message id="menu.33160">
        <source>&amp;Report…</source>
        <translation>Re&amp;latório…</translation>
    </message>
    <message id="menu.33162">
        <source>&amp;Archive…</source>
        <translation>Acer&amp;vo…</translation>
    </message>
    <message id="menu.57665">
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message id="menu.32703">
        <source>&amp;Connect device</source>
        <translation>&amp;Conectar o aparelho</translation>
    </message>
    <message id="menu.32704">
        <source>Device &amp;settings</source>
        <translation>C&amp;onfigurações do aparelho</translation>
    </message>
    <message id="menu.58456">
        <source>Clear device &amp;memory</source>
        <translation>Apagar a &amp;memória do aparelho</translation>
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
        <translation>&amp;Selecionadas</translation>
    </message>
    <message id="menu.33003">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33004">
        <source>&amp;Selected</source>
        <translation>&amp;Selecionadas</translation>
    </message>
    <message id="menu.33006">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33007">
        <source>&amp;Selected</source>
        <translation>&amp;Selecionadas</translation>
    </message>
    <message id="menu.33009">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33011">
        <source>&amp;Selected</source>
        <translation>&amp;Selecionadas</translation>
    </message>
    <message id="menu.33012">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33013">
        <source>&amp;Selected</source>
        <translation>&amp;Selecionadas</translation>
    </message>
    <message id="menu.33015">
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message id="menu.33016">
        <source>&amp;Selected</source>
        <translation>&amp;Selecionadas</translation>
    </message>
    <message id="menu.32800">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32801">
        <source>Selected</source>
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
    </message>
    <message id="menu.32809">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32810">
        <source>Selected</source>
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
    </message>
    <message id="menu.32818">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32819">
        <source>Selected</source>
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
    </message>
    <message id="menu.32827">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="menu.32828">
        <source>Selected</source>
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
    </message>
    <message id="menu.32883">
        <source>This</source>
        <translation>Esta</translation>
    </message>
    <message id="menu.32884">
        <source>Selected</source>
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>Selecionadas</translation>
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
        <translation>&amp;padrão</translation>
    </message>
    <message id="menu.58465">
        <source>&amp;Custom J</source>
        <translation>&amp;Custom J</translation>
    </message>
    <message id="menu.33161">
        <source>&amp;Tolerance limits…</source>
        <translation>Limites de &amp;tolerância…</translation>
    </message>
    <message id="menu.33163">
        <source>&amp;Archive…</source>
        <translation>Acer&amp;vo…</translation>
    </message>
    <message id="menu.58466">
        <source>&amp;Check for updates...</source>
        <translation>&amp;Procurar atualizações...</translation>
    </message>
    <message id="menu.57670">
        <source>&amp;Help Scleron</source>
        <translation>A&amp;juda do Scleron</translation>
    </message>
    <message id="menu.2100">
        <source>Product &amp;Registration</source>
        <translation>&amp;Registro do produto</translation>
    </message>
    <message id="menu.2101">
        <source>Customer &amp;Feedback</source>
        <translation>&amp;Opinião dos clientes</translation>
    </message>
    <message id="menu.57664">
        <source>&amp;About Scleron...</source>
        <translation>&amp;Sobre o Scleron...</translation>
    </message>
    <message id="menu.33170">
        <source>Series &amp;chart</source>
        <translation>&amp;Gráfico da série</translation>
    </message>
    <message id="popup.file">
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message id="popup.device">
        <source>&amp;Device</source>
        <translation>A&amp;parelho</translation>
    </message>
    <message id="popup.edit">
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message id="popup.view">
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message id="popup.edit.expand">
        <source>E&amp;xpand</source>
        <translation>E&amp;xpandir</translation>
    </message>
    <message id="popup.edit.collapse">
        <source>&amp;Collapse</source>
        <translation>&amp;Recolher</translation>
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
        <translation>&amp;Excluir (DEL)</translation>
    </message>
    <message id="popup.settings">
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message id="popup.settings.language">
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message id="popup.settings.standard">
        <source>&amp;Conversion standard</source>
        <translation>&amp;Norma de conversão</translation>
    </message>
    <message id="popup.help">
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message id="popup.table.conversion">
        <source>Conversion</source>
        <translation>Conversão</translation>
    </message>
    <message id="popup.table.expand">
        <source>Expand</source>
        <translation>Expandir</translation>
    </message>
    <message id="popup.table.collapse">
        <source>Collapse</source>
        <translation>Recolher</translation>
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
        <translation>Excluir</translation>
    </message>
    <message id="ids.61800">
        <source>OK</source>
        <translation>Conforme</translation>
    </message>
    <message id="ids.61801">
        <source>NOT OK</source>
        <translation>Não conforme</translation>
    </message>
    <message id="ids.61802">
        <source>inside</source>
        <translation>dentro</translation>
    </message>
    <message id="ids.61803">
        <source>below</source>
        <translation>abaixo</translation>
    </message>
    <message id="ids.61804">
        <source>above</source>
        <translation>acima</translation>
    </message>
    <message id="ids.33161">
        <source>Set lower and upper limits for the values of a scale and material
Tolerance limits</source>
        <translation>Define os limites inferior e superior para os valores de uma escala e de um material
Limites de tolerância</translation>
    </message>
    <message id="ids.61810">
        <source>Tolerance limits</source>
        <translation>Limites de tolerância</translation>
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
        <translation>Limite &amp;inferior:</translation>
    </message>
    <message id="ids.61814">
        <source>&amp;Upper limit:</source>
        <translation>Limite s&amp;uperior:</translation>
    </message>
    <message id="ids.61815">
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message id="ids.61816">
        <source>&amp;Remove these limits</source>
        <translation>&amp;Remover estes limites</translation>
    </message>
    <message id="ids.61817">
        <source>Limits set:</source>
        <translation>Limites definidos:</translation>
    </message>
    <message id="ids.61818">
        <source>A limit is a number above 0, and the lower limit may not lie above the upper one.</source>
        <translation>Um limite é um número acima de 0, e o limite inferior não pode ficar acima do superior.</translation>
    </message>
    <message id="ids.61819">
        <source>The tolerance limits could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Não foi possível salvar os limites de tolerância no arquivo de configurações &quot;%1&quot;.</translation>
    </message>
    <message id="ids.61820">
        <source>Inspection report</source>
        <translation>Relatório de inspeção</translation>
    </message>
    <message id="ids.61821">
        <source>Tester: %1</source>
        <translation>Durômetro: %1</translation>
    </message>
    <message id="ids.61822">
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message id="ids.61823">
        <source>Series %1</source>
        <translation>Série %1</translation>
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
        <translation>Corpo de impacto: %1</translation>
    </message>
    <message id="ids.61827">
        <source>Measurements: %1, hidden: %2</source>
        <translation>Medições: %1, ocultas: %2</translation>
    </message>
    <message id="ids.61828">
        <source>Tolerance: %1</source>
        <translation>Tolerância: %1</translation>
    </message>
    <message id="ids.61829">
        <source>no limits set</source>
        <translation>nenhum limite definido</translation>
    </message>
    <message id="ids.61830">
        <source>Verdict: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message id="ids.61831">
        <source>%1 inside, %2 below, %3 above</source>
        <translation>%1 dentro, %2 abaixo, %3 acima</translation>
    </message>
    <message id="ids.61832">
        <source>%1 without a value, not judged</source>
        <translation>%1 sem valor, não avaliadas</translation>
    </message>
    <message id="ids.61833">
        <source>nothing judged</source>
        <translation>nada avaliado</translation>
    </message>
    <message id="ids.61834">
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message id="ids.61835">
        <source>Inspected by:</source>
        <translation>Inspecionado por:</translation>
    </message>
    <message id="ids.61836">
        <source>Signature:</source>
        <translation>Assinatura:</translation>
    </message>
    <message id="ids.61837">
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message id="ids.61838">
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message id="ids.61839">
        <source>No measurement series.</source>
        <translation>Nenhuma série de medições.</translation>
    </message>
    <message id="ids.61840">
        <source>Cannot write the report &quot;%1&quot;:
%2</source>
        <translation>Não é possível gravar o relatório &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61841">
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message id="ids.61842">
        <source>Select a series in the table to see its chart.</source>
        <translation>Selecione uma série na tabela para ver o gráfico dela.</translation>
    </message>
    <message id="ids.61843">
        <source>Report...</source>
        <translation>Relatório...</translation>
    </message>
    <message id="ids.61844">
        <source>Series chart</source>
        <translation>Gráfico da série</translation>
    </message>
    <message id="ids.61845">
        <source>This series has no measurements.</source>
        <translation>Esta série não tem medições.</translation>
    </message>
    <message id="ids.61846">
        <source>No material chosen: choose one in the Material column to convert the values.</source>
        <translation>Nenhum material escolhido: escolha um na coluna Material para converter os valores.</translation>
    </message>
    <message id="ids.61847">
        <source>No value converts to %1.</source>
        <translation>Nenhum valor se converte em %1.</translation>
    </message>
    <message id="ids.61848">
        <source>Save inspection report</source>
        <translation>Salvar o relatório de inspeção</translation>
    </message>
    <message id="ids.33160">
        <source>Write an inspection report of all series as a PDF file
Report</source>
        <translation>Grava um relatório de inspeção de todas as séries como arquivo PDF
Relatório</translation>
    </message>
    <message id="ids.61600">
        <source>Device Settings</source>
        <translation>Configurações do aparelho</translation>
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
        <translation>Contador de medições:</translation>
    </message>
    <message id="ids.61604">
        <source>Fixed number of impacts:</source>
        <translation>Número fixo de impactos:</translation>
    </message>
    <message id="ids.61605">
        <source>Lock Keys</source>
        <translation>Bloquear teclas</translation>
    </message>
    <message id="ids.61606">
        <source>Conversion Standard:</source>
        <translation>Norma de conversão:</translation>
    </message>
    <message id="ids.61607">
        <source>Impact Body:</source>
        <translation>Corpo de impacto:</translation>
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
        <translation>Receber configurações</translation>
    </message>
    <message id="ids.61612">
        <source>Send Settings</source>
        <translation>Enviar configurações</translation>
    </message>
    <message id="ids.61613">
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message id="ids.61614">
        <source>default</source>
        <translation>padrão</translation>
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
        <translation>Número fixo de impactos: %1 não foi aceito; o durômetro aceita de %2 a %3.</translation>
    </message>
    <message id="ids.61619">
        <source>Measurement counter: %1 was not taken; the tester counts up to %2.</source>
        <translation>Contador de medições: %1 não foi aceito; o durômetro conta até %2.</translation>
    </message>
    <message id="ids.61620">
        <source>HC%1 offset: %2 was not taken; this curve accepts %3 to %4.</source>
        <translation>Deslocamento de HC%1: %2 não foi aceito; esta curva aceita de %3 a %4.</translation>
    </message>
    <message id="ids.58151">
        <source>select</source>
        <translation>selecionar</translation>
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
        <translation>Estatística</translation>
    </message>
    <message id="ids.61201">
        <source>Unable to save grid list</source>
        <translation>Não foi possível salvar a tabela</translation>
    </message>
    <message id="ids.61202">
        <source>Cannot create &quot;%1&quot;:
%2</source>
        <translation>Não é possível criar &quot;%1&quot;:
%2</translation>
    </message>
    <message id="ids.61203">
        <source>Delete Item</source>
        <translation>Excluir item</translation>
    </message>
    <message id="ids.61205">
        <source>Written to %1</source>
        <translation>Gravado em %1</translation>
    </message>
    <message id="ids.61204">
        <source>Unable to print the table: no printer was chosen, or the printer or file could not be opened.</source>
        <translation>Não foi possível imprimir a tabela: nenhuma impressora foi escolhida, ou a impressora ou o arquivo não pôde ser aberto.</translation>
    </message>
    <message id="ids.22000">
        <source>Downloading...</source>
        <translation>Baixando...</translation>
    </message>
    <message id="ids.22001">
        <source>Searching for updates...</source>
        <translation>Procurando atualizações...</translation>
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
        <translation>Não há atualização disponível. &#13;
Você já está usando a versão mais recente do %s.</translation>
    </message>
    <message id="ids.22009">
        <source>Found a newer version of %s on the server. &#13;
 Server version: %s &#13;
 Your version: %s</source>
        <translation>Foi encontrada uma versão mais nova do %s no servidor. &#13;
 Versão do servidor: %s &#13;
 Sua versão: %s</translation>
    </message>
    <message id="ids.22010">
        <source>Downloading %s</source>
        <translation>Baixando %s</translation>
    </message>
    <message id="ids.22017">
        <source>%s MB downloaded</source>
        <translation>%s MB baixados</translation>
    </message>
    <message id="ids.22018">
        <source>Unknown error while downloading.</source>
        <translation>Erro desconhecido durante o download.</translation>
    </message>
    <message id="ids.22019">
        <source>Receiving update information...</source>
        <translation>Recebendo informações de atualização...</translation>
    </message>
    <message id="ids.22020">
        <source>Searching update for %s</source>
        <translation>Procurando atualização para %s</translation>
    </message>
    <message id="ids.22021">
        <source>Next &gt;</source>
        <translation>Avançar &gt;</translation>
    </message>
    <message id="ids.22022">
        <source>&lt; Back</source>
        <translation>&lt; Voltar</translation>
    </message>
    <message id="ids.22023">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="ids.22024">
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message id="ids.25003">
        <source>Failed to connect to FTP server!</source>
        <translation>Falha ao conectar ao servidor FTP!</translation>
    </message>
    <message id="ids.25004">
        <source>Directory (%s) not found on the FTP server!</source>
        <translation>Diretório (%s) não encontrado no servidor FTP!</translation>
    </message>
    <message id="ids.25005">
        <source>Failed to create an internet session!</source>
        <translation>Não foi possível criar uma sessão de internet!</translation>
    </message>
    <message id="ids.25006">
        <source>(Error %d)</source>
        <translation>(Erro %d)</translation>
    </message>
    <message id="ids.61450">
        <source>The installer %1 could not be started:
%2</source>
        <translation>Não foi possível iniciar o instalador %1:
%2</translation>
    </message>
    <message id="ids.22032">
        <source>Repeatedly it was not possible to connect the PC to the Internet to check for newer firmware or OS for the %s device.
It is advisable to connect your PC once in a while to the Internet to keep the device firmware and OS up-to-date.</source>
        <translation>Repetidamente não foi possível conectar o PC à internet para procurar um firmware ou sistema operacional mais novo para o aparelho %s.
Recomenda-se conectar o PC à internet de vez em quando para manter atualizados o firmware e o sistema operacional do aparelho.</translation>
    </message>
    <message id="ids.61451">
        <source>The update server could not be reached. Please check the PC's connection to the Internet.</source>
        <translation>Não foi possível acessar o servidor de atualizações. Verifique a conexão do PC com a Internet.</translation>
    </message>
    <message id="ids.61452">
        <source>The update server did not accept the program's login.</source>
        <translation>O servidor de atualizações não aceitou o login do programa.</translation>
    </message>
    <message id="ids.61453">
        <source>The update server does not offer an encrypted connection, so nothing was fetched from it.</source>
        <translation>O servidor de atualizações não oferece uma conexão criptografada; por isso nada foi baixado dele.</translation>
    </message>
    <message id="ids.61454">
        <source>The encrypted connection to the update server could not be set up or its certificate could not be verified, so nothing was fetched from it.</source>
        <translation>Não foi possível estabelecer a conexão criptografada com o servidor de atualizações ou verificar seu certificado; por isso nada foi baixado dele.</translation>
    </message>
    <message id="ids.61455">
        <source>The update server stopped sending data. Please try again later.</source>
        <translation>O servidor de atualizações parou de enviar dados. Tente novamente mais tarde.</translation>
    </message>
    <message id="ids.61456">
        <source>The connection to the update server failed.</source>
        <translation>A conexão com o servidor de atualizações falhou.</translation>
    </message>
    <message id="ids.61457">
        <source>The file is not on the update server.</source>
        <translation>O arquivo não está no servidor de atualizações.</translation>
    </message>
    <message id="ids.61458">
        <source>%s MB of %s MB downloaded (%s MB/s)</source>
        <translation>%s MB de %s MB baixados (%s MB/s)</translation>
    </message>
    <message id="ids.61459">
        <source>The file on the update server is not the size the server announced, so it was not used.</source>
        <translation>O arquivo no servidor de atualizações não tem o tamanho anunciado pelo servidor; por isso não foi usado.</translation>
    </message>
    <message id="ids.61460">
        <source>The file was not used because it has no signature on the update server.</source>
        <translation>O arquivo não foi usado porque não tem assinatura no servidor de atualizações.</translation>
    </message>
    <message id="ids.61461">
        <source>The file was not used because its signature on the update server is damaged.</source>
        <translation>O arquivo não foi usado porque sua assinatura no servidor de atualizações está danificada.</translation>
    </message>
    <message id="ids.61462">
        <source>The file was not used because it was signed with a key this program does not trust.</source>
        <translation>O arquivo não foi usado porque foi assinado com uma chave na qual este programa não confia.</translation>
    </message>
    <message id="ids.61463">
        <source>The file was not used because it does not match its signature: it was changed after it was signed.</source>
        <translation>O arquivo não foi usado porque não corresponde à sua assinatura: foi alterado depois de assinado.</translation>
    </message>
    <message id="ids.61464">
        <source>The file could not be saved on this PC.</source>
        <translation>Não foi possível salvar o arquivo neste PC.</translation>
    </message>
    <message id="ids.61465">
        <source>The new version has been downloaded and its signature checked.
%s will now close so that the installer can run.</source>
        <translation>A nova versão foi baixada e sua assinatura verificada.
%s será fechado agora para que o instalador possa ser executado.</translation>
    </message>
    <message id="ids.61466">
        <source>A newer version is available</source>
        <translation>Uma versão mais recente está disponível</translation>
    </message>
    <message id="ids.61467">
        <source>No update available</source>
        <translation>Nenhuma atualização disponível</translation>
    </message>
    <message id="ids.61468">
        <source>The search for updates failed</source>
        <translation>A busca por atualizações falhou</translation>
    </message>
    <message id="ids.61469">
        <source>The download failed</source>
        <translation>O download falhou</translation>
    </message>
    <message id="ids.61470">
        <source>Newer firmware for the %s device was found on the update server but is not offered:
%s</source>
        <translation>Um firmware mais recente para o aparelho %s foi encontrado no servidor de atualizações, mas não é oferecido:
%s</translation>
    </message>
    <message id="ids.61471">
        <source>The firmware upgrade tool could not be started.
It was looked for at: %s</source>
        <translation>Não foi possível iniciar a ferramenta de atualização de firmware.
Ela foi procurada em: %s</translation>
    </message>
    <message id="ids.61472">
        <source>The firmware upgrade tool ended with an error (exit code %s).</source>
        <translation>A ferramenta de atualização de firmware terminou com um erro (código de saída %s).</translation>
    </message>
    <message id="ids.61473">
        <source>The firmware package %s no longer matches its signature, so it was removed and the upgrade tool was not started.</source>
        <translation>O pacote de firmware %s não corresponde mais à sua assinatura; foi removido e a ferramenta de atualização não foi iniciada.</translation>
    </message>
</context>
</TS>
