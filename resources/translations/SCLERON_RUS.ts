<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name></name>
    <message id="ids.128">
        <source>Scleron</source>
        <translation>Scleron</translation>
    </message>
    <message id="ids.2100">
        <source>Product Registration
Product Registration</source>
        <translation>Регистрация продукта
Регистрация продукта</translation>
    </message>
    <message id="ids.2101">
        <source>Customer Feedback
Customer Feedback</source>
        <translation>Отзывы клиентов
Отзывы клиентов</translation>
    </message>
    <message id="ids.2102">
        <source>Update Scleron to version %s</source>
        <translation>Обновить Scleron до версии %s</translation>
    </message>
    <message id="ids.2103">
        <source>Update Kestrel to version %s</source>
        <translation>Обновить Kestrel до версии %s</translation>
    </message>
    <message id="ids.2104">
        <source>New version available!</source>
        <translation>Доступна новая версия!</translation>
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
        <translation>Экспортировать измерения
Экспорт</translation>
    </message>
    <message id="ids.32702">
        <source>Print measurements
Print</source>
        <translation>Печать измерений
Печать</translation>
    </message>
    <message id="ids.32741">
        <source>Export the measurements for a spreadsheet
Export as CSV</source>
        <translation>Экспортировать измерения для электронной таблицы
Экспорт в CSV</translation>
    </message>
    <message id="ids.32742">
        <source>Export the statistics of every series for a spreadsheet
Export statistics as CSV</source>
        <translation>Экспортировать статистику каждой серии для электронной таблицы
Экспорт статистики в CSV</translation>
    </message>
    <message id="ids.32703">
        <source>Connect device
Connect device</source>
        <translation>Подключить прибор
Подключить прибор</translation>
    </message>
    <message id="ids.32704">
        <source>Device settings
Device settings</source>
        <translation>Настройки прибора
Настройки прибора</translation>
    </message>
    <message id="ids.32730">
        <source>Upgrade Firmware
DoDovavez</source>
        <translation>Обновить микропрограмму
DoDovavez</translation>
    </message>
    <message id="ids.32733">
        <source>Save measurements
Save</source>
        <translation>Сохранить измерения
Сохранить</translation>
    </message>
    <message id="ids.32734">
        <source>Open measurements
Open</source>
        <translation>Открыть измерения
Открыть</translation>
    </message>
    <message id="ids.57664">
        <source>Display program information, version number and copyright
About</source>
        <translation>Сведения о программе, номер версии и авторские права
О программе</translation>
    </message>
    <message id="ids.57665">
        <source>Quit the application; prompts to save measurements
Exit</source>
        <translation>Выход из программы с запросом на сохранение измерений
Выход</translation>
    </message>
    <message id="ids.57670">
        <source>Open the operating instructions
Help</source>
        <translation>Открыть руководство по эксплуатации
Справка</translation>
    </message>
    <message id="ids.58179">
        <source>Your measurements are not yet saved!
Save measurements?</source>
        <translation>Ваши измерения ещё не сохранены!
Сохранить измерения?</translation>
    </message>
    <message id="ids.58153">
        <source>Offline</source>
        <translation>Нет связи</translation>
    </message>
    <message id="ids.58154">
        <source>Online</source>
        <translation>На связи</translation>
    </message>
    <message id="ids.58155">
        <source>Connect...</source>
        <translation>Подключение...</translation>
    </message>
    <message id="ids.58156">
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message id="ids.58157">
        <source>Save...</source>
        <translation>Сохранение...</translation>
    </message>
    <message id="ids.58158">
        <source>Open...</source>
        <translation>Открытие...</translation>
    </message>
    <message id="ids.58162">
        <source>No connection!</source>
        <translation>Нет соединения!</translation>
    </message>
    <message id="ids.58163">
        <source>Kestrel button left</source>
        <translation>Левая кнопка Kestrel</translation>
    </message>
    <message id="ids.58164">
        <source>Kestrel button right</source>
        <translation>Правая кнопка Kestrel</translation>
    </message>
    <message id="ids.58165">
        <source>Kestrel button down</source>
        <translation>Нижняя кнопка Kestrel</translation>
    </message>
    <message id="ids.58166">
        <source>Search device...</source>
        <translation>Поиск прибора...</translation>
    </message>
    <message id="ids.58173">
        <source>Keys locked</source>
        <translation>Кнопки заблокированы</translation>
    </message>
    <message id="ids.58174">
        <source>Keys unlocked</source>
        <translation>Кнопки разблокированы</translation>
    </message>
    <message id="ids.58452">
        <source>Copy the selected rows to the clipboard
Copy</source>
        <translation>Копировать выделенные строки в буфер обмена
Копировать</translation>
    </message>
    <message id="ids.58456">
        <source>Clear the device memory
Clear device memory</source>
        <translation>Очистить память прибора
Очистить память прибора</translation>
    </message>
    <message id="ids.58466">
        <source>Check for a newer program version
Check for updates</source>
        <translation>Проверить наличие новой версии программы
Проверить обновления</translation>
    </message>
    <message id="ids.61002">
        <source>Scleron needs a graphical display. Set DISPLAY (or WAYLAND_DISPLAY), or run it under xvfb-run.</source>
        <translation>Для Scleron нужен графический экран. Задайте DISPLAY (или WAYLAND_DISPLAY) либо запустите программу через xvfb-run.</translation>
    </message>
    <message id="ids.61003">
        <source>Scleron Version %1</source>
        <translation>Scleron, версия %1</translation>
    </message>
    <message id="ids.61004">
        <source>Copyright (C) the Scleron developers</source>
        <translation>© Разработчики Scleron</translation>
    </message>
    <message id="ids.61005">
        <source>CAP</source>
        <translation>ПРОП</translation>
    </message>
    <message id="ids.61006">
        <source>NUM</source>
        <translation>ЦИФР</translation>
    </message>
    <message id="ids.61007">
        <source>About Scleron</source>
        <translation>О программе Scleron</translation>
    </message>
    <message id="ids.61020">
        <source> BOOTLOADER!</source>
        <translation> ЗАГРУЗЧИК!</translation>
    </message>
    <message id="ids.61021">
        <source> BOOTLOADER! Reset or Upgrade Device</source>
        <translation> ЗАГРУЗЧИК! Перезапустите прибор или обновите микропрограмму</translation>
    </message>
    <message id="ids.61022">
        <source>Downloading measurements: %1 of %2</source>
        <translation>Загрузка измерений: %1 из %2</translation>
    </message>
    <message id="ids.61023">
        <source>No tester found. These serial ports could not be opened:

%1</source>
        <translation>Твердомер не найден. Не удалось открыть эти последовательные порты:

%1</translation>
    </message>
    <message id="ids.61030">
        <source>Waiting for the tester...</source>
        <translation>Ожидание твердомера...</translation>
    </message>
    <message id="ids.61031">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message id="ids.61032">
        <source>The connection to %1 %2 on COM%3 was lost. The tester is attached again as soon as it answers on its port.</source>
        <translation>Связь с %1 %2 на COM%3 потеряна. Твердомер будет подключён снова, как только ответит на своём порту.</translation>
    </message>
    <message id="ids.61033">
        <source>The measurements of the unfinished download were not kept.</source>
        <translation>Измерения незавершённой передачи не сохранены.</translation>
    </message>
    <message id="ids.62800">
        <source>This user may not open the serial ports: join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Этому пользователю запрещено открывать последовательные порты: вступите в группу &quot;%1&quot; (sudo usermod -aG %1 $USER) и войдите в систему заново.</translation>
    </message>
    <message id="ids.61060">
        <source>Product name:</source>
        <translation>Изделие:</translation>
    </message>
    <message id="ids.61061">
        <source>Serial number:</source>
        <translation>Серийный номер:</translation>
    </message>
    <message id="ids.61062">
        <source>Firmware:</source>
        <translation>Микропрограмма:</translation>
    </message>
    <message id="ids.61063">
        <source>Bootloader:</source>
        <translation>Загрузчик:</translation>
    </message>
    <message id="ids.61064">
        <source>Hardware Revision:</source>
        <translation>Аппаратная версия:</translation>
    </message>
    <message id="ids.61065">
        <source>Measurements:</source>
        <translation>Измерения:</translation>
    </message>
    <message id="ids.61066">
        <source>%1 (memory: %2% used)</source>
        <translation>%1 (память занята на %2%)</translation>
    </message>
    <message id="ids.61067">
        <source>Clear device memory?
This deletes all measurements on your Device!</source>
        <translation>Очистить память прибора?
Все измерения в приборе будут удалены!</translation>
    </message>
    <message id="ids.61068">
        <source>The file &quot;%1&quot; no longer exists.
It has been removed from the list of recent files.</source>
        <translation>Файл «%1» больше не существует.
Он удалён из списка последних файлов.</translation>
    </message>
    <message id="ids.61069">
        <source>The operating instructions &quot;%1&quot; are not installed.</source>
        <translation>Руководство по эксплуатации «%1» не установлено.</translation>
    </message>
    <message id="ids.61070">
        <source>No program on this computer could open &quot;%1&quot;.</source>
        <translation>Ни одна программа на этом компьютере не смогла открыть «%1».</translation>
    </message>
    <message id="ids.61080">
        <source>Restart application to change language.</source>
        <translation>Перезапустите программу, чтобы сменить язык.</translation>
    </message>
    <message id="ids.62500">
        <source>%1: %2 new series, %3 new measurements.</source>
        <translation>%1: новых серий: %2, новых измерений: %3.</translation>
    </message>
    <message id="ids.62501">
        <source>%1: the file cannot be read; nothing imported.</source>
        <translation>%1: файл не читается; ничего не импортировано.</translation>
    </message>
    <message id="ids.62502">
        <source>%1: not a measurement file of a known version; nothing imported.</source>
        <translation>%1: это не файл измерений известной версии; ничего не импортировано.</translation>
    </message>
    <message id="ids.62503">
        <source>%1: larger than 256 MiB; nothing imported.</source>
        <translation>%1: больше 256 МиБ; ничего не импортировано.</translation>
    </message>
    <message id="ids.62504">
        <source>%1: the file is damaged (a count or a field does not match the layout); nothing imported.</source>
        <translation>%1: файл повреждён (количество или поле не соответствует структуре); ничего не импортировано.</translation>
    </message>
    <message id="ids.62505">
        <source>%1: the archive did not take the file; nothing imported: %2</source>
        <translation>%1: архив не принял файл; ничего не импортировано: %2</translation>
    </message>
    <message id="ids.62506">
        <source>The archive is switched off.</source>
        <translation>Архив отключён.</translation>
    </message>
    <message id="ids.62507">
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть архив %1: %2</translation>
    </message>
    <message id="ids.62508">
        <source>The archive setting is not valid: %1</source>
        <translation>Недопустимая настройка архива: %1</translation>
    </message>
    <message id="ids.62509">
        <source>%1 series written to %2.</source>
        <translation>Серий записано в %2: %1.</translation>
    </message>
    <message id="ids.62510">
        <source>Archive unreachable: new measurements are kept and written when it answers again.</source>
        <translation>Архив недоступен: новые измерения сохраняются и будут записаны, когда он снова ответит.</translation>
    </message>
    <message id="ids.62511">
        <source>The archive answers again; everything kept was written.</source>
        <translation>Архив снова отвечает; всё сохранённое записано.</translation>
    </message>
    <message id="ids.62512">
        <source>no file is named after &quot;sqlite:&quot;</source>
        <translation>после «sqlite:» не указан файл</translation>
    </message>
    <message id="ids.62513">
        <source>not an archive address: use off, sqlite:FILE or postgresql://user@host:port/database</source>
        <translation>это не адрес архива: используйте off, sqlite:ФАЙЛ или postgresql://пользователь@хост:порт/база</translation>
    </message>
    <message id="ids.62514">
        <source>the address holds a password: keep it in ~/.pgpass or in PGPASSWORD instead</source>
        <translation>адрес содержит пароль: храните его в ~/.pgpass или в PGPASSWORD</translation>
    </message>
    <message id="ids.62515">
        <source>the address needs a host and a database: postgresql://user@host:port/database</source>
        <translation>в адресе нужны хост и база данных: postgresql://пользователь@хост:порт/база</translation>
    </message>
    <message id="ids.62516">
        <source>%1 series not written to the archive, which did not answer.</source>
        <translation>Серий не записано в архив, который не ответил: %1.</translation>
    </message>
    <message id="ids.62520">
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message id="ids.62521">
        <source>&amp;Tester:</source>
        <translation>&amp;Твердомер:</translation>
    </message>
    <message id="ids.62522">
        <source>Serial &amp;number:</source>
        <translation>&amp;Серийный номер:</translation>
    </message>
    <message id="ids.62523">
        <source>&amp;From:</source>
        <translation>&amp;Начиная с:</translation>
    </message>
    <message id="ids.62524">
        <source>&amp;Until:</source>
        <translation>&amp;По:</translation>
    </message>
    <message id="ids.62525">
        <source>S&amp;cale:</source>
        <translation>Ш&amp;кала:</translation>
    </message>
    <message id="ids.62526">
        <source>&amp;Material:</source>
        <translation>&amp;Материал:</translation>
    </message>
    <message id="ids.62527">
        <source>&amp;Verdict:</source>
        <translation>&amp;Оценка:</translation>
    </message>
    <message id="ids.62528">
        <source>Te&amp;xt in origin:</source>
        <translation>Текст в &amp;источнике:</translation>
    </message>
    <message id="ids.62529">
        <source>&amp;Search</source>
        <translation>Иск&amp;ать</translation>
    </message>
    <message id="ids.62530">
        <source>&amp;Open</source>
        <translation>Откр&amp;ыть</translation>
    </message>
    <message id="ids.62531">
        <source>any</source>
        <translation>любой</translation>
    </message>
    <message id="ids.62532">
        <source>Tester</source>
        <translation>Твердомер</translation>
    </message>
    <message id="ids.62533">
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message id="ids.62534">
        <source>Series</source>
        <translation>Серия</translation>
    </message>
    <message id="ids.62535">
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message id="ids.62536">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="ids.62537">
        <source>Mean</source>
        <translation>Среднее</translation>
    </message>
    <message id="ids.62538">
        <source>s</source>
        <translation>s</translation>
    </message>
    <message id="ids.62539">
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message id="ids.62540">
        <source>Max</source>
        <translation>Макс</translation>
    </message>
    <message id="ids.62541">
        <source>Verdict</source>
        <translation>Оценка</translation>
    </message>
    <message id="ids.62542">
        <source>Origin</source>
        <translation>Источник</translation>
    </message>
    <message id="ids.62543">
        <source>%1 series found.</source>
        <translation>Найдено серий: %1.</translation>
    </message>
    <message id="ids.62544">
        <source>Series means of %1 in %2</source>
        <translation>Средние значения серий %1 в %2</translation>
    </message>
    <message id="ids.62545">
        <source>downloaded on %1</source>
        <translation>загружено на %1</translation>
    </message>
    <message id="ids.62546">
        <source>file %1</source>
        <translation>файл %1</translation>
    </message>
    <message id="ids.62547">
        <source>Choose a series to see the means of its tester and scale over time.</source>
        <translation>Выберите серию, чтобы увидеть средние значения её твердомера и шкалы во времени.</translation>
    </message>
    <message id="ids.62550">
        <source>Archive settings</source>
        <translation>Настройки архива</translation>
    </message>
    <message id="ids.62551">
        <source>&amp;Default file: %1</source>
        <translation>&amp;Файл по умолчанию: %1</translation>
    </message>
    <message id="ids.62552">
        <source>O&amp;ff: keep nothing</source>
        <translation>&amp;Выключен: ничего не хранить</translation>
    </message>
    <message id="ids.62553">
        <source>&amp;Other address:</source>
        <translation>&amp;Другой адрес:</translation>
    </message>
    <message id="ids.62554">
        <source>SCLERON_ARCHIVE_URL is set and takes precedence: %1</source>
        <translation>Задана переменная SCLERON_ARCHIVE_URL, она имеет приоритет: %1</translation>
    </message>
    <message id="ids.62555">
        <source>The archive settings could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Не удалось сохранить настройки архива в файле настроек «%1».</translation>
    </message>
    <message id="ids.62556">
        <source>Examples: sqlite:/srv/lab/archive.sqlite, postgresql://lab@dbhost:5432/hardness. Passwords belong in ~/.pgpass.</source>
        <translation>Примеры: sqlite:/srv/lab/archive.sqlite, postgresql://lab@dbhost:5432/hardness. Пароли хранятся в ~/.pgpass.</translation>
    </message>
    <message id="ids.33162">
        <source>Find archived series and open them
Archive</source>
        <translation>Найти серии в архиве и открыть их
Архив</translation>
    </message>
    <message id="ids.33163">
        <source>Choose where the archive is kept, or switch it off
Archive settings</source>
        <translation>Выбрать, где хранится архив, или отключить его
Настройки архива</translation>
    </message>
    <message id="ids.58100">
        <source>HLD Leeb D raw</source>
        <translation>HLD Либ D исх.</translation>
    </message>
    <message id="ids.58101">
        <source>HLD  Leeb D</source>
        <translation>HLD  Либ D</translation>
    </message>
    <message id="ids.58102">
        <source>HV    Vickers</source>
        <translation>HV    Виккерс</translation>
    </message>
    <message id="ids.58103">
        <source>HB    Brinell (F=30D²)</source>
        <translation>HB    Бринелль (F=30D²)</translation>
    </message>
    <message id="ids.58104">
        <source>HRC Rockwell C</source>
        <translation>HRC Роквелл C</translation>
    </message>
    <message id="ids.58105">
        <source>HRB Rockwell B</source>
        <translation>HRB Роквелл B</translation>
    </message>
    <message id="ids.58106">
        <source>HRA Rockwell A</source>
        <translation>HRA Роквелл A</translation>
    </message>
    <message id="ids.58107">
        <source>HS    Shore</source>
        <translation>HS    Шор</translation>
    </message>
    <message id="ids.58108">
        <source>Rm   Tensile strength</source>
        <translation>Rm   Предел прочности</translation>
    </message>
    <message id="ids.58109">
        <source>HC   Custom</source>
        <translation>HC   Пользоват.</translation>
    </message>
    <message id="ids.58182">
        <source>HLDL Leeb DL raw</source>
        <translation>HLDL Либ DL исх.</translation>
    </message>
    <message id="ids.58183">
        <source>HLDL  Leeb DL</source>
        <translation>HLDL  Либ DL</translation>
    </message>
    <message id="ids.58110">
        <source>1 Steel and cast steel</source>
        <translation>1 Сталь и стальное литьё</translation>
    </message>
    <message id="ids.58111">
        <source>2 Work tool steel</source>
        <translation>2 Инструментальная сталь</translation>
    </message>
    <message id="ids.58112">
        <source>3 Stainless steel</source>
        <translation>3 Нержавеющая сталь</translation>
    </message>
    <message id="ids.58113">
        <source>4 Gray cast iron (GG)</source>
        <translation>4 Серый чугун (GG)</translation>
    </message>
    <message id="ids.58114">
        <source>5 Nodular cast iron (GGG)</source>
        <translation>5 Высокопрочный чугун (GGG)</translation>
    </message>
    <message id="ids.58115">
        <source>6 Cast aluminium alloys</source>
        <translation>6 Литейные алюминиевые сплавы</translation>
    </message>
    <message id="ids.58116">
        <source>7 Brass</source>
        <translation>7 Латунь</translation>
    </message>
    <message id="ids.58117">
        <source>8 Bronzes</source>
        <translation>8 Бронзы</translation>
    </message>
    <message id="ids.58118">
        <source>9 Wrought copper</source>
        <translation>9 Деформируемая медь</translation>
    </message>
    <message id="ids.58119">
        <source>6.1 Alu-AN40 (ABB)</source>
        <translation>6.1 Alu-AN40 (ABB)</translation>
    </message>
    <message id="ids.58120">
        <source>HC1  Custom1</source>
        <translation>HC1  Польз1</translation>
    </message>
    <message id="ids.58121">
        <source>HC2  Custom2</source>
        <translation>HC2  Польз2</translation>
    </message>
    <message id="ids.58122">
        <source>HC3  Custom3</source>
        <translation>HC3  Польз3</translation>
    </message>
    <message id="ids.58123">
        <source>1 Steel / Cast Steel</source>
        <translation>1 Сталь / стальное литьё</translation>
    </message>
    <message id="ids.58124">
        <source>2 Treat. Steel heat tr.</source>
        <translation>2 Улучш. сталь, термообр.</translation>
    </message>
    <message id="ids.58125">
        <source>3 Treat. Steel untreat.</source>
        <translation>3 Улучш. сталь, без обраб.</translation>
    </message>
    <message id="ids.58130">
        <source>Index</source>
        <translation>Номер</translation>
    </message>
    <message id="ids.58131">
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message id="ids.58132">
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message id="ids.58133">
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message id="ids.58134">
        <source>Gravity component</source>
        <translation>Направление удара</translation>
    </message>
    <message id="ids.58135">
        <source>Scale</source>
        <translation>Шкала</translation>
    </message>
    <message id="ids.58136">
        <source>Material</source>
        <translation>Материал</translation>
    </message>
    <message id="ids.58137">
        <source>Impact body</source>
        <translation>Ударник</translation>
    </message>
    <message id="ids.58150">
        <source>Out of range</source>
        <translation>Вне диапазона</translation>
    </message>
    <message id="ids.58152">
        <source>no curve</source>
        <translation>нет кривой</translation>
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
        <translation>Мин: -</translation>
    </message>
    <message id="ids.61107">
        <source>Min: %0.1f %s</source>
        <translation>Мин: %0.1f %s</translation>
    </message>
    <message id="ids.61108">
        <source>Min: %0.0f %s</source>
        <translation>Мин: %0.0f %s</translation>
    </message>
    <message id="ids.61109">
        <source>Max: -</source>
        <translation>Макс: -</translation>
    </message>
    <message id="ids.61110">
        <source>Max: %0.1f %s</source>
        <translation>Макс: %0.1f %s</translation>
    </message>
    <message id="ids.61111">
        <source>Max: %0.0f %s</source>
        <translation>Макс: %0.0f %s</translation>
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
        <translation>Не удалось сохранить измерения в «%1»:
%2</translation>
    </message>
    <message id="ids.61010">
        <source>&quot;%1&quot; is too large to be a measurement file.</source>
        <translation>«%1» слишком велик для файла измерений.</translation>
    </message>
    <message id="ids.61500">
        <source>Firmware upgrade tool is running...</source>
        <translation>Работает утилита обновления микропрограммы...</translation>
    </message>
    <message id="ids.61400">
        <source>Memory deleted!</source>
        <translation>Память очищена!</translation>
    </message>
    <message id="ids.61401">
        <source>No tester found.</source>
        <translation>Твердомер не найден.</translation>
    </message>
    <message id="ids.61402">
        <source>No tester answers on COM%1.</source>
        <translation>На COM%1 твердомер не отвечает.</translation>
    </message>
    <message id="ids.61403">
        <source>COM%1 could not be opened.</source>
        <translation>Не удалось открыть COM%1.</translation>
    </message>
    <message id="ids.61404">
        <source>The tester is in its boot loader. Reset it or upgrade its firmware.</source>
        <translation>Твердомер находится в загрузчике. Перезапустите его или обновите микропрограмму.</translation>
    </message>
    <message id="ids.61405">
        <source>The connection to the tester was lost; nothing was saved.</source>
        <translation>Связь с твердомером потеряна; ничего не сохранено.</translation>
    </message>
    <message id="ids.61406">
        <source>Tester: %1</source>
        <translation>Твердомер: %1</translation>
    </message>
    <message id="ids.61407">
        <source>Serial number: %1</source>
        <translation>Серийный номер: %1</translation>
    </message>
    <message id="ids.61408">
        <source>Firmware: %1</source>
        <translation>Микропрограмма: %1</translation>
    </message>
    <message id="ids.61409">
        <source>Series: %1</source>
        <translation>Серии: %1</translation>
    </message>
    <message id="ids.61410">
        <source>Measurements: %1</source>
        <translation>Измерения: %1</translation>
    </message>
    <message id="ids.61411">
        <source>Saved to %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message id="ids.61412">
        <source>The tester did not confirm the key lock; its keys stay as they were.</source>
        <translation>Твердомер не подтвердил блокировку кнопок; его кнопки остались в прежнем состоянии.</translation>
    </message>
    <message id="ids.61413">
        <source>The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.</source>
        <translation>Твердомер не подтвердил настройки: они не отправлены. Показано то, что хранит твердомер.</translation>
    </message>
    <message id="ids.61414">
        <source>The tester did not acknowledge custom curve HC%1 (impact body %2, register %3): the curves were not all sent. Shown is what the tester holds.</source>
        <translation>Твердомер не подтвердил пользовательскую кривую HC%1 (ударник %2, регистр %3): кривые отправлены не полностью. Показано то, что хранит твердомер.</translation>
    </message>
    <message id="ids.61700">
        <source>its first line is not the header of a measurement log</source>
        <translation>его первая строка не является заголовком журнала измерений</translation>
    </message>
    <message id="ids.61701">
        <source>CSV (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV (*.csv)|*.csv|Все файлы (*.*)|*.*||</translation>
    </message>
    <message id="ids.61702">
        <source>Unable to export to &quot;%1&quot;:
%2</source>
        <translation>Не удалось экспортировать в «%1»:
%2</translation>
    </message>
    <message id="ids.61710">
        <source>%1.%2  %3  %4  (L %5, %6°)</source>
        <translation>%1.%2  %3  %4  (L %5, %6°)</translation>
    </message>
    <message id="ids.61711">
        <source>%1  hidden</source>
        <translation>%1  скрыто</translation>
    </message>
    <message id="ids.61712">
        <source>%1.%2  discarded</source>
        <translation>%1.%2  отброшено</translation>
    </message>
    <message id="ids.61713">
        <source>Watching %1 %2 on COM%3: %4 measurements in its memory. Ctrl+C ends.</source>
        <translation>Наблюдение за %1 %2 на COM%3 (измерений в памяти: %4). Ctrl+C — завершить.</translation>
    </message>
    <message id="ids.61714">
        <source>The connection to the tester was lost; trying again until Ctrl+C.</source>
        <translation>Связь с твердомером потеряна; повторные попытки до Ctrl+C.</translation>
    </message>
    <message id="ids.61715">
        <source>The tester answers again.</source>
        <translation>Твердомер снова отвечает.</translation>
    </message>
    <message id="ids.61716">
        <source>Another tester (%1 %2) answers on COM%3; watching ends.</source>
        <translation>На COM%3 отвечает другой твердомер (%1 %2); наблюдение завершено.</translation>
    </message>
    <message id="ids.61717">
        <source>Unable to write to &quot;%1&quot;: %2</source>
        <translation>Не удалось записать в «%1»: %2</translation>
    </message>
    <message id="ids.61718">
        <source>Ended: %1 new impacts, %2 discards.</source>
        <translation>Завершено: новых ударов — %1, отброшено — %2.</translation>
    </message>
    <message id="menu.32733">
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message id="menu.32734">
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message id="menu.32701">
        <source>&amp;Export</source>
        <translation>&amp;Экспорт</translation>
    </message>
    <message id="menu.32741">
        <source>Export as &amp;CSV...</source>
        <translation>Экспорт &amp;в CSV...</translation>
    </message>
    <message id="menu.32742">
        <source>Export s&amp;tatistics as CSV...</source>
        <translation>Экспорт ст&amp;атистики в CSV...</translation>
    </message>
    <message id="menu.32702">
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message id="menu.33160">
        <source>&amp;Report…</source>
        <translation>О&amp;тчёт…</translation>
    </message>
    <message id="menu.33162">
        <source>&amp;Archive…</source>
        <translation>Ар&amp;хив…</translation>
    </message>
    <message id="menu.57665">
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message id="menu.32703">
        <source>&amp;Connect device</source>
        <translation>&amp;Подключить прибор</translation>
    </message>
    <message id="menu.32704">
        <source>Device &amp;settings</source>
        <translation>&amp;Настройки прибора</translation>
    </message>
    <message id="menu.58456">
        <source>Clear device &amp;memory</source>
        <translation>&amp;Очистить память прибора</translation>
    </message>
    <message id="menu.32730">
        <source>&amp;DoDovavez</source>
        <translation>&amp;DoDovavez</translation>
    </message>
    <message id="menu.33000">
        <source>&amp;All</source>
        <translation>&amp;Все</translation>
    </message>
    <message id="menu.33001">
        <source>&amp;Selected</source>
        <translation>В&amp;ыделенные</translation>
    </message>
    <message id="menu.33003">
        <source>&amp;All</source>
        <translation>&amp;Все</translation>
    </message>
    <message id="menu.33004">
        <source>&amp;Selected</source>
        <translation>В&amp;ыделенные</translation>
    </message>
    <message id="menu.33006">
        <source>&amp;All</source>
        <translation>&amp;Все</translation>
    </message>
    <message id="menu.33007">
        <source>&amp;Selected</source>
        <translation>В&amp;ыделенные</translation>
    </message>
    <message id="menu.33009">
        <source>&amp;All</source>
        <translation>&amp;Все</translation>
    </message>
    <message id="menu.33011">
        <source>&amp;Selected</source>
        <translation>В&amp;ыделенные</translation>
    </message>
    <message id="menu.33012">
        <source>&amp;All</source>
        <translation>&amp;Все</translation>
    </message>
    <message id="menu.33013">
        <source>&amp;Selected</source>
        <translation>В&amp;ыделенные</translation>
    </message>
    <message id="menu.33015">
        <source>&amp;All</source>
        <translation>&amp;Все</translation>
    </message>
    <message id="menu.33016">
        <source>&amp;Selected</source>
        <translation>В&amp;ыделенные</translation>
    </message>
    <message id="menu.32800">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32801">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32802">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32803">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32804">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32805">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32806">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32807">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32808">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32809">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32810">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32811">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32812">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32813">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32814">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32815">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32816">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32817">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32818">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32819">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32820">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32821">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32822">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32823">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32824">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32825">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32826">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32827">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32828">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32829">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32830">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32831">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32832">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32833">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32834">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32835">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32836">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32837">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32838">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32839">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32840">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32841">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32842">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32843">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32844">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32845">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32846">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32847">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32848">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32849">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32850">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32851">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32852">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32853">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32854">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32855">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32856">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32857">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32858">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32859">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32860">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32861">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32862">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32863">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32864">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32865">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32866">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32867">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32868">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32869">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32870">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32871">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32872">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32873">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32874">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32875">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32876">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32877">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32878">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32879">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32880">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32881">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32882">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32883">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32884">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32885">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32886">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32887">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32888">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32889">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32890">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32891">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32892">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32893">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32894">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32895">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.32896">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="menu.32897">
        <source>Selected</source>
        <translation>Выделенные</translation>
    </message>
    <message id="menu.32898">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.33002">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.33005">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.33008">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.33010">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.33014">
        <source>This</source>
        <translation>Эту</translation>
    </message>
    <message id="menu.33017">
        <source>This</source>
        <translation>Эту</translation>
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
        <translation>&amp;по умолчанию</translation>
    </message>
    <message id="menu.58465">
        <source>&amp;Custom J</source>
        <translation>&amp;Custom J</translation>
    </message>
    <message id="menu.33161">
        <source>&amp;Tolerance limits…</source>
        <translation>&amp;Допуски…</translation>
    </message>
    <message id="menu.33163">
        <source>&amp;Archive…</source>
        <translation>&amp;Архив…</translation>
    </message>
    <message id="menu.58466">
        <source>&amp;Check for updates...</source>
        <translation>Проверить &amp;обновления...</translation>
    </message>
    <message id="menu.57670">
        <source>&amp;Help Scleron</source>
        <translation>&amp;Справка Scleron</translation>
    </message>
    <message id="menu.2100">
        <source>Product &amp;Registration</source>
        <translation>&amp;Регистрация продукта</translation>
    </message>
    <message id="menu.2101">
        <source>Customer &amp;Feedback</source>
        <translation>Отзывы &amp;клиентов</translation>
    </message>
    <message id="menu.57664">
        <source>&amp;About Scleron...</source>
        <translation>О &amp;программе Scleron...</translation>
    </message>
    <message id="menu.33170">
        <source>Series &amp;chart</source>
        <translation>&amp;График серии</translation>
    </message>
    <message id="popup.file">
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message id="popup.device">
        <source>&amp;Device</source>
        <translation>&amp;Прибор</translation>
    </message>
    <message id="popup.edit">
        <source>&amp;Edit</source>
        <translation>П&amp;равка</translation>
    </message>
    <message id="popup.view">
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message id="popup.edit.expand">
        <source>E&amp;xpand</source>
        <translation>&amp;Развернуть</translation>
    </message>
    <message id="popup.edit.collapse">
        <source>&amp;Collapse</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message id="popup.edit.copy">
        <source>C&amp;opy (Ctrl+C)</source>
        <translation>&amp;Копировать (Ctrl+C)</translation>
    </message>
    <message id="popup.edit.show">
        <source>&amp;Show</source>
        <translation>&amp;Показать</translation>
    </message>
    <message id="popup.edit.hide">
        <source>&amp;Hide</source>
        <translation>Скры&amp;ть</translation>
    </message>
    <message id="popup.edit.delete">
        <source>&amp;Delete (DEL)</source>
        <translation>&amp;Удалить (DEL)</translation>
    </message>
    <message id="popup.settings">
        <source>&amp;Settings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message id="popup.settings.language">
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message id="popup.settings.standard">
        <source>&amp;Conversion standard</source>
        <translation>&amp;Стандарт пересчёта</translation>
    </message>
    <message id="popup.help">
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message id="popup.table.conversion">
        <source>Conversion</source>
        <translation>Пересчёт</translation>
    </message>
    <message id="popup.table.expand">
        <source>Expand</source>
        <translation>Развернуть</translation>
    </message>
    <message id="popup.table.collapse">
        <source>Collapse</source>
        <translation>Свернуть</translation>
    </message>
    <message id="popup.table.copy">
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message id="popup.table.show">
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message id="popup.table.hide">
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message id="popup.table.delete">
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message id="ids.61800">
        <source>OK</source>
        <translation>ГОДЕН</translation>
    </message>
    <message id="ids.61801">
        <source>NOT OK</source>
        <translation>НЕ ГОДЕН</translation>
    </message>
    <message id="ids.61802">
        <source>inside</source>
        <translation>в допуске</translation>
    </message>
    <message id="ids.61803">
        <source>below</source>
        <translation>ниже</translation>
    </message>
    <message id="ids.61804">
        <source>above</source>
        <translation>выше</translation>
    </message>
    <message id="ids.33161">
        <source>Set lower and upper limits for the values of a scale and material
Tolerance limits</source>
        <translation>Задать нижнюю и верхнюю границу значений для шкалы и материала
Допуски</translation>
    </message>
    <message id="ids.61810">
        <source>Tolerance limits</source>
        <translation>Допуски</translation>
    </message>
    <message id="ids.61811">
        <source>&amp;Scale:</source>
        <translation>&amp;Шкала:</translation>
    </message>
    <message id="ids.61812">
        <source>&amp;Material:</source>
        <translation>&amp;Материал:</translation>
    </message>
    <message id="ids.61813">
        <source>&amp;Lower limit:</source>
        <translation>&amp;Нижняя граница:</translation>
    </message>
    <message id="ids.61814">
        <source>&amp;Upper limit:</source>
        <translation>&amp;Верхняя граница:</translation>
    </message>
    <message id="ids.61815">
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message id="ids.61816">
        <source>&amp;Remove these limits</source>
        <translation>&amp;Удалить эти границы</translation>
    </message>
    <message id="ids.61817">
        <source>Limits set:</source>
        <translation>Заданные границы:</translation>
    </message>
    <message id="ids.61818">
        <source>A limit is a number above 0, and the lower limit may not lie above the upper one.</source>
        <translation>Граница — это число больше 0, и нижняя граница не может быть выше верхней.</translation>
    </message>
    <message id="ids.61819">
        <source>The tolerance limits could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>Не удалось сохранить допуски в файле настроек «%1».</translation>
    </message>
    <message id="ids.61820">
        <source>Inspection report</source>
        <translation>Протокол контроля</translation>
    </message>
    <message id="ids.61821">
        <source>Tester: %1</source>
        <translation>Твердомер: %1</translation>
    </message>
    <message id="ids.61822">
        <source>Date: %1</source>
        <translation>Дата: %1</translation>
    </message>
    <message id="ids.61823">
        <source>Series %1</source>
        <translation>Серия %1</translation>
    </message>
    <message id="ids.61824">
        <source>Scale: %1</source>
        <translation>Шкала: %1</translation>
    </message>
    <message id="ids.61825">
        <source>Material: %1</source>
        <translation>Материал: %1</translation>
    </message>
    <message id="ids.61826">
        <source>Impact body: %1</source>
        <translation>Ударник: %1</translation>
    </message>
    <message id="ids.61827">
        <source>Measurements: %1, hidden: %2</source>
        <translation>Измерений: %1, скрыто: %2</translation>
    </message>
    <message id="ids.61828">
        <source>Tolerance: %1</source>
        <translation>Допуск: %1</translation>
    </message>
    <message id="ids.61829">
        <source>no limits set</source>
        <translation>границы не заданы</translation>
    </message>
    <message id="ids.61830">
        <source>Verdict: %1</source>
        <translation>Заключение: %1</translation>
    </message>
    <message id="ids.61831">
        <source>%1 inside, %2 below, %3 above</source>
        <translation>%1 в допуске, %2 ниже, %3 выше</translation>
    </message>
    <message id="ids.61832">
        <source>%1 without a value, not judged</source>
        <translation>%1 без значения, не оценены</translation>
    </message>
    <message id="ids.61833">
        <source>nothing judged</source>
        <translation>ничего не оценено</translation>
    </message>
    <message id="ids.61834">
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message id="ids.61835">
        <source>Inspected by:</source>
        <translation>Контроль выполнил:</translation>
    </message>
    <message id="ids.61836">
        <source>Signature:</source>
        <translation>Подпись:</translation>
    </message>
    <message id="ids.61837">
        <source>Verdict</source>
        <translation>Заключение</translation>
    </message>
    <message id="ids.61838">
        <source>hidden</source>
        <translation>скрыто</translation>
    </message>
    <message id="ids.61839">
        <source>No measurement series.</source>
        <translation>Нет серий измерений.</translation>
    </message>
    <message id="ids.61840">
        <source>Cannot write the report &quot;%1&quot;:
%2</source>
        <translation>Не удаётся записать отчёт «%1»:
%2</translation>
    </message>
    <message id="ids.61841">
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message id="ids.61842">
        <source>Select a series in the table to see its chart.</source>
        <translation>Выберите серию в таблице, чтобы увидеть её график.</translation>
    </message>
    <message id="ids.61843">
        <source>Report...</source>
        <translation>Отчёт...</translation>
    </message>
    <message id="ids.61844">
        <source>Series chart</source>
        <translation>График серии</translation>
    </message>
    <message id="ids.61845">
        <source>This series has no measurements.</source>
        <translation>В этой серии нет измерений.</translation>
    </message>
    <message id="ids.61846">
        <source>No material chosen: choose one in the Material column to convert the values.</source>
        <translation>Материал не выбран: выберите его в столбце «Материал», чтобы пересчитать значения.</translation>
    </message>
    <message id="ids.61847">
        <source>No value converts to %1.</source>
        <translation>Ни одно значение не пересчитывается в %1.</translation>
    </message>
    <message id="ids.61848">
        <source>Save inspection report</source>
        <translation>Сохранить протокол контроля</translation>
    </message>
    <message id="ids.33160">
        <source>Write an inspection report of all series as a PDF file
Report</source>
        <translation>Записать протокол контроля всех серий в файл PDF
Отчёт</translation>
    </message>
    <message id="ids.61600">
        <source>Device Settings</source>
        <translation>Настройки прибора</translation>
    </message>
    <message id="ids.61601">
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message id="ids.61602">
        <source>Impact counter:</source>
        <translation>Счётчик ударов:</translation>
    </message>
    <message id="ids.61603">
        <source>Measurement counter:</source>
        <translation>Счётчик измерений:</translation>
    </message>
    <message id="ids.61604">
        <source>Fixed number of impacts:</source>
        <translation>Фикс. число ударов:</translation>
    </message>
    <message id="ids.61605">
        <source>Lock Keys</source>
        <translation>Заблокировать кнопки</translation>
    </message>
    <message id="ids.61606">
        <source>Conversion Standard:</source>
        <translation>Стандарт пересчёта:</translation>
    </message>
    <message id="ids.61607">
        <source>Impact Body:</source>
        <translation>Ударник:</translation>
    </message>
    <message id="ids.61608">
        <source>HC1 Custom1</source>
        <translation>HC1 Польз1</translation>
    </message>
    <message id="ids.61609">
        <source>HC2 Custom2</source>
        <translation>HC2 Польз2</translation>
    </message>
    <message id="ids.61610">
        <source>HC3 Custom3</source>
        <translation>HC3 Польз3</translation>
    </message>
    <message id="ids.61611">
        <source>Receive Settings</source>
        <translation>Получить настройки</translation>
    </message>
    <message id="ids.61612">
        <source>Send Settings</source>
        <translation>Отправить настройки</translation>
    </message>
    <message id="ids.61613">
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message id="ids.61614">
        <source>default</source>
        <translation>по умолчанию</translation>
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
        <translation>Фикс. число ударов: %1 не принято; твердомер допускает от %2 до %3.</translation>
    </message>
    <message id="ids.61619">
        <source>Measurement counter: %1 was not taken; the tester counts up to %2.</source>
        <translation>Счётчик измерений: %1 не принято; твердомер считает до %2.</translation>
    </message>
    <message id="ids.61620">
        <source>HC%1 offset: %2 was not taken; this curve accepts %3 to %4.</source>
        <translation>Смещение HC%1: %2 не принято; эта кривая допускает от %3 до %4.</translation>
    </message>
    <message id="ids.58151">
        <source>select</source>
        <translation>выбрать</translation>
    </message>
    <message id="ids.58159">
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message id="ids.58160">
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message id="ids.58175">
        <source>Page %d of %d</source>
        <translation>Страница %d из %d</translation>
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
        <translation>Статистика</translation>
    </message>
    <message id="ids.61201">
        <source>Unable to save grid list</source>
        <translation>Не удалось сохранить таблицу</translation>
    </message>
    <message id="ids.61202">
        <source>Cannot create &quot;%1&quot;:
%2</source>
        <translation>Не удаётся создать «%1»:
%2</translation>
    </message>
    <message id="ids.61203">
        <source>Delete Item</source>
        <translation>Удаление строк</translation>
    </message>
    <message id="ids.61205">
        <source>Written to %1</source>
        <translation>Записано в %1</translation>
    </message>
    <message id="ids.61204">
        <source>Unable to print the table: no printer was chosen, or the printer or file could not be opened.</source>
        <translation>Не удалось напечатать таблицу: принтер не выбран, либо не удалось открыть принтер или файл.</translation>
    </message>
    <message id="ids.22000">
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message id="ids.22001">
        <source>Searching for updates...</source>
        <translation>Поиск обновлений...</translation>
    </message>
    <message id="ids.22002">
        <source>Halvex</source>
        <translation>Halvex</translation>
    </message>
    <message id="ids.22005">
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message id="ids.22007">
        <source>There is no update available. &#13;
You are already using the most recent version of %s.</source>
        <translation>Обновлений нет. &#13;
Вы уже используете самую новую версию %s.</translation>
    </message>
    <message id="ids.22009">
        <source>Found a newer version of %s on the server. &#13;
 Server version: %s &#13;
 Your version: %s</source>
        <translation>На сервере найдена более новая версия %s. &#13;
 Версия на сервере: %s &#13;
 Ваша версия: %s</translation>
    </message>
    <message id="ids.22010">
        <source>Downloading %s</source>
        <translation>Загрузка %s</translation>
    </message>
    <message id="ids.22017">
        <source>%s MB downloaded</source>
        <translation>Загружено %s МБ</translation>
    </message>
    <message id="ids.22018">
        <source>Unknown error while downloading.</source>
        <translation>Неизвестная ошибка при загрузке.</translation>
    </message>
    <message id="ids.22019">
        <source>Receiving update information...</source>
        <translation>Получение сведений об обновлении...</translation>
    </message>
    <message id="ids.22020">
        <source>Searching update for %s</source>
        <translation>Поиск обновления для %s</translation>
    </message>
    <message id="ids.22021">
        <source>Next &gt;</source>
        <translation>Далее &gt;</translation>
    </message>
    <message id="ids.22022">
        <source>&lt; Back</source>
        <translation>&lt; Назад</translation>
    </message>
    <message id="ids.22023">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="ids.22024">
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message id="ids.25003">
        <source>Failed to connect to FTP server!</source>
        <translation>Не удалось подключиться к FTP-серверу!</translation>
    </message>
    <message id="ids.25004">
        <source>Directory (%s) not found on the FTP server!</source>
        <translation>Каталог (%s) не найден на FTP-сервере!</translation>
    </message>
    <message id="ids.25005">
        <source>Failed to create an internet session!</source>
        <translation>Не удалось создать интернет-сеанс!</translation>
    </message>
    <message id="ids.25006">
        <source>(Error %d)</source>
        <translation>(Ошибка %d)</translation>
    </message>
    <message id="ids.61450">
        <source>The installer %1 could not be started:
%2</source>
        <translation>Не удалось запустить программу установки %1:
%2</translation>
    </message>
    <message id="ids.22032">
        <source>Repeatedly it was not possible to connect the PC to the Internet to check for newer firmware or OS for the %s device.
It is advisable to connect your PC once in a while to the Internet to keep the device firmware and OS up-to-date.</source>
        <translation>Несколько раз не удалось подключить компьютер к Интернету, чтобы проверить наличие новой микропрограммы или ОС для прибора %s.
Рекомендуется время от времени подключать компьютер к Интернету, чтобы микропрограмма и ОС прибора оставались актуальными.</translation>
    </message>
    <message id="ids.61451">
        <source>The update server could not be reached. Please check the PC's connection to the Internet.</source>
        <translation>Сервер обновлений недоступен. Проверьте подключение компьютера к Интернету.</translation>
    </message>
    <message id="ids.61452">
        <source>The update server did not accept the program's login.</source>
        <translation>Сервер обновлений не принял вход программы.</translation>
    </message>
    <message id="ids.61453">
        <source>The update server does not offer an encrypted connection, so nothing was fetched from it.</source>
        <translation>Сервер обновлений не предлагает зашифрованное соединение, поэтому с него ничего не загружено.</translation>
    </message>
    <message id="ids.61454">
        <source>The encrypted connection to the update server could not be set up or its certificate could not be verified, so nothing was fetched from it.</source>
        <translation>Не удалось установить зашифрованное соединение с сервером обновлений или проверить его сертификат, поэтому с него ничего не загружено.</translation>
    </message>
    <message id="ids.61455">
        <source>The update server stopped sending data. Please try again later.</source>
        <translation>Сервер обновлений перестал передавать данные. Повторите попытку позже.</translation>
    </message>
    <message id="ids.61456">
        <source>The connection to the update server failed.</source>
        <translation>Не удалось соединиться с сервером обновлений.</translation>
    </message>
    <message id="ids.61457">
        <source>The file is not on the update server.</source>
        <translation>Файла нет на сервере обновлений.</translation>
    </message>
    <message id="ids.61458">
        <source>%s MB of %s MB downloaded (%s MB/s)</source>
        <translation>Загружено %s МБ из %s МБ (%s МБ/с)</translation>
    </message>
    <message id="ids.61459">
        <source>The file on the update server is not the size the server announced, so it was not used.</source>
        <translation>Размер файла на сервере обновлений не совпадает с заявленным сервером, поэтому файл не использован.</translation>
    </message>
    <message id="ids.61460">
        <source>The file was not used because it has no signature on the update server.</source>
        <translation>Файл не использован, так как на сервере обновлений для него нет подписи.</translation>
    </message>
    <message id="ids.61461">
        <source>The file was not used because its signature on the update server is damaged.</source>
        <translation>Файл не использован, так как его подпись на сервере обновлений повреждена.</translation>
    </message>
    <message id="ids.61462">
        <source>The file was not used because it was signed with a key this program does not trust.</source>
        <translation>Файл не использован, так как он подписан ключом, которому эта программа не доверяет.</translation>
    </message>
    <message id="ids.61463">
        <source>The file was not used because it does not match its signature: it was changed after it was signed.</source>
        <translation>Файл не использован, так как он не соответствует своей подписи: его изменили после подписания.</translation>
    </message>
    <message id="ids.61464">
        <source>The file could not be saved on this PC.</source>
        <translation>Не удалось сохранить файл на этом компьютере.</translation>
    </message>
    <message id="ids.61465">
        <source>The new version has been downloaded and its signature checked.
%s will now close so that the installer can run.</source>
        <translation>Новая версия загружена, её подпись проверена.
%s сейчас закроется, чтобы могла запуститься программа установки.</translation>
    </message>
    <message id="ids.61466">
        <source>A newer version is available</source>
        <translation>Доступна более новая версия</translation>
    </message>
    <message id="ids.61467">
        <source>No update available</source>
        <translation>Обновлений нет</translation>
    </message>
    <message id="ids.61468">
        <source>The search for updates failed</source>
        <translation>Не удалось выполнить поиск обновлений</translation>
    </message>
    <message id="ids.61469">
        <source>The download failed</source>
        <translation>Не удалось выполнить загрузку</translation>
    </message>
    <message id="ids.61470">
        <source>Newer firmware for the %s device was found on the update server but is not offered:
%s</source>
        <translation>На сервере обновлений найдена более новая микропрограмма для прибора %s, но она не предлагается:
%s</translation>
    </message>
    <message id="ids.61471">
        <source>The firmware upgrade tool could not be started.
It was looked for at: %s</source>
        <translation>Не удалось запустить утилиту обновления микропрограммы.
Место поиска: %s</translation>
    </message>
    <message id="ids.61472">
        <source>The firmware upgrade tool ended with an error (exit code %s).</source>
        <translation>Утилита обновления микропрограммы завершилась с ошибкой (код выхода %s).</translation>
    </message>
    <message id="ids.61473">
        <source>The firmware package %s no longer matches its signature, so it was removed and the upgrade tool was not started.</source>
        <translation>Пакет микропрограммы %s больше не соответствует своей подписи; он удалён, утилита обновления не запущена.</translation>
    </message>
</context>
</TS>
