<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AccessLibraryConverter</name>
    <message>
        <source>%1: not a database file</source>
        <translation>%1: не файл базы данных</translation>
    </message>
    <message>
        <source>%1: its table master has none of the library&apos;s fields</source>
        <translation>%1: в его таблице master нет ни одного поля библиотеки</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it is not replaced. Open it, or move it away and convert again.</source>
        <translation>%1 уже существует и не будет заменён. Откройте его или переместите в другое место и преобразуйте снова.</translation>
    </message>
    <message>
        <source>Cannot create %1.</source>
        <translation>Не удаётся создать %1.</translation>
    </message>
</context>
<context>
    <name>CableTypes</name>
    <message>
        <source>ААШв</source>
        <translation>ААШв</translation>
    </message>
    <message>
        <source>АСБ</source>
        <translation>АСБ</translation>
    </message>
    <message>
        <source>ВВГ</source>
        <translation>ВВГ</translation>
    </message>
    <message>
        <source>АПвП</source>
        <translation>АПвП</translation>
    </message>
    <message>
        <source>ТПП</source>
        <translation>ТПП</translation>
    </message>
    <message>
        <source>РК-75</source>
        <translation>РК-75</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>A picture of %1 x %2 pixels cannot be made: each side must be between %3 and %4 pixels.</source>
        <translation>Рисунок %1 × %2 пикселей сделать нельзя: каждая сторона должна быть от %3 до %4 пикселей.</translation>
    </message>
</context>
<context>
    <name>CommErrorDisplay</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Произошла неизвестная ошибка.</translation>
    </message>
</context>
<context>
    <name>CompareLibrary</name>
    <message>
        <source>Можно сравнивать не более 4-х рефлектограмм. Удалите ненужные рефлектограммы из таблицы сравнения</source>
        <translation>Можно сравнивать не более 4-х рефлектограмм. Удалите ненужные рефлектограммы из таблицы сравнения</translation>
    </message>
    <message>
        <source>The compare library&apos;s table does not hold the waveform library&apos;s fields in the same order; nothing was copied.</source>
        <translation>В таблице библиотеки сравнения поля библиотеки рефлектограмм идут не в том же порядке; ничего не скопировано.</translation>
    </message>
    <message>
        <source>Delete %1 marked waveforms?</source>
        <translation>Удалить отмеченные рефлектограммы (%1)?</translation>
    </message>
</context>
<context>
    <name>CopyLibraryCommand</name>
    <message>
        <source>Copied 1 waveform from %1 to %2.</source>
        <translation>Скопирована 1 рефлектограмма из %1 в %2.</translation>
    </message>
    <message>
        <source>Copied %1 waveforms from %2 to %3.</source>
        <translation>Скопировано рефлектограмм: %1, из %2 в %3.</translation>
    </message>
    <message>
        <source>Nothing was copied from %1 to %2: %3</source>
        <translation>Ничего не скопировано из %1 в %2: %3</translation>
    </message>
</context>
<context>
    <name>CsvTable</name>
    <message>
        <source>Line %1: text after a quoted cell.</source>
        <translation>Строка %1: текст после ячейки в кавычках.</translation>
    </message>
    <message>
        <source>Line %1: a quoted cell is not closed.</source>
        <translation>Строка %1: ячейка в кавычках не закрыта.</translation>
    </message>
    <message>
        <source>The file does not start with the header %1.</source>
        <translation>Файл не начинается с заголовка %1.</translation>
    </message>
    <message>
        <source>Line %1 has %2 cells, the header %3.</source>
        <translation>В строке %1 ячеек %2, в заголовке %3.</translation>
    </message>
    <message>
        <source>Line %1: &apos;%2&apos; is no distance.</source>
        <translation>Строка %1: «%2» — не расстояние.</translation>
    </message>
    <message>
        <source>Line %1, column %2: &apos;%3&apos; is no sample (-128..127).</source>
        <translation>Строка %1, столбец %2: «%3» — не отсчёт (-128..127).</translation>
    </message>
</context>
<context>
    <name>CursorControls</name>
    <message>
        <source>&quot;%1&quot; is not a distance in metres. The cursor stays at %2 m.</source>
        <translation>«%1» — не расстояние в метрах. Курсор остаётся на %2 м.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a distance in feet. The cursor stays at %2 ft.</source>
        <translation>«%1» — не расстояние в футах. Курсор остаётся на %2 фт.</translation>
    </message>
</context>
<context>
    <name>CursorMarks</name>
    <message>
        <source>%1 m</source>
        <translation>%1 м</translation>
    </message>
    <message>
        <source>L = %1 m</source>
        <translation>L = %1 м</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation>%1 фт</translation>
    </message>
    <message>
        <source>L = %1 ft</source>
        <translation>L = %1 фт</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>No database file is registered for the data source %1.</source>
        <translation>Для источника данных %1 не зарегистрирован файл базы данных.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for the database file %2.</source>
        <translation>Не удаётся создать папку %1 для файла базы данных %2.</translation>
    </message>
    <message>
        <source>Cannot open the database</source>
        <translation>Не удаётся открыть базу данных</translation>
    </message>
    <message>
        <source>The data source %1 is not connected.</source>
        <translation>Источник данных %1 не подключён.</translation>
    </message>
    <message>
        <source>Cannot write to the database</source>
        <translation>Не удаётся записать в базу данных</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>Файл %1 уже существует.</translation>
    </message>
    <message>
        <source>No number is left for a new record: the %1 %2 is taken, the largest there is. Nothing was added.</source>
        <translation>Для новой записи не осталось номера: занят %1 %2, наибольший возможный. Ничего не добавлено.</translation>
    </message>
</context>
<context>
    <name>DatabaseFile</name>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>Файл базы данных %1 не существует.</translation>
    </message>
    <message>
        <source>The file %1 is an Access database of the earlier program. It can only be imported; it cannot be opened as a database of this program.</source>
        <translation>Файл %1 — база данных Access ранней версии программы. Её можно только импортировать; открыть её как базу данных этой программы нельзя.</translation>
    </message>
    <message>
        <source>The file %1 is not a database file of this program.</source>
        <translation>Файл %1 не является файлом базы данных этой программы.</translation>
    </message>
    <message>
        <source>The database file %1 cannot be read.</source>
        <translation>Файл базы данных %1 не читается.</translation>
    </message>
    <message>
        <source>The file %1 is empty (0 bytes): it holds no waveform library.</source>
        <translation>Файл %1 пуст (0 байт): в нём нет библиотеки рефлектограмм.</translation>
    </message>
    <message>
        <source>%1 is not a waveform library: it holds no table master.</source>
        <translation>%1 — не библиотека рефлектограмм: в нём нет таблицы master.</translation>
    </message>
</context>
<context>
    <name>DeletedRows</name>
    <message>
        <source>Cannot keep the deleted row of %1 for undoing: %2</source>
        <translation>Не удаётся сохранить удаляемую запись %1 для отмены: %2</translation>
    </message>
</context>
<context>
    <name>DeviceTransfers</name>
    <message>
        <source>Рефлектограммы не переданы (%1): %2</source>
        <translation>Рефлектограммы не переданы (%1): %2</translation>
    </message>
    <message>
        <source>номер вне 0..255</source>
        <translation>номер вне 0..255</translation>
    </message>
    <message>
        <source>нет полного блока данных</source>
        <translation>нет полного блока данных</translation>
    </message>
</context>
<context>
    <name>DiskFull</name>
    <message>
        <source>the disk holding %1 is full</source>
        <translation>диск, на котором находится %1, заполнен</translation>
    </message>
</context>
<context>
    <name>EcholonApplication</name>
    <message>
        <source>Unexpected error.</source>
        <translation>Непредвиденная ошибка.</translation>
    </message>
</context>
<context>
    <name>ExactCopy</name>
    <message>
        <source>the field %1 holds %2, %3</source>
        <translation>в поле %1 записано %2, %3</translation>
    </message>
    <message>
        <source>which is no whole number</source>
        <translation>а это не целое число</translation>
    </message>
    <message>
        <source>which is no finite number</source>
        <translation>а это не конечное число</translation>
    </message>
    <message>
        <source>which is no text</source>
        <translation>а это не текст</translation>
    </message>
    <message>
        <source>stored as bytes that are no valid UTF-8 text</source>
        <translation>и его байты — не текст в Юникоде</translation>
    </message>
    <message>
        <source>which is text, not samples</source>
        <translation>а это текст, а не отсчёты</translation>
    </message>
    <message>
        <source>binary data (%1 bytes)</source>
        <translation>двоичные данные (%1 байт)</translation>
    </message>
</context>
<context>
    <name>ExchangeProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1 of %2, about %3 left</source>
        <translation>%1 из %2, осталось около %3</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Таблицы CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Файлы JSON (*.json)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Рисунки PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Рисунки SVG (*.svg)</translation>
    </message>
    <message>
        <source>charts</source>
        <translation>графики</translation>
    </message>
    <message>
        <source>waveforms</source>
        <translation>рефлектограммы</translation>
    </message>
    <message>
        <source>waveform %1</source>
        <translation>рефлектограмма %1</translation>
    </message>
    <message>
        <source>The charts could not be drawn into a picture.</source>
        <translation>Не удалось нарисовать графики в рисунок.</translation>
    </message>
    <message>
        <source>No waveform is selected: select one or mark several in the library.</source>
        <translation>Рефлектограмма не выбрана: выберите одну или отметьте несколько в библиотеке.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The range of %1 cannot be placed on a distance axis: its column in %2 stays empty.</source>
        <translation>Диапазон %1 нельзя расположить на оси расстояний: его столбец в %2 остаётся пустым.</translation>
    </message>
    <message>
        <source>Distances at PR %1, from the PR box.</source>
        <translation>Расстояния при КУ %1, из поля КУ.</translation>
    </message>
    <message>
        <source>Distances at each waveform&apos;s stored PR: %1.</source>
        <translation>Расстояния при КУ, сохранённом с каждой рефлектограммой: %1.</translation>
    </message>
    <message>
        <source>Distances at PR %1, stored with each waveform.</source>
        <translation>Расстояния при КУ %1, сохранённом с каждой рефлектограммой.</translation>
    </message>
    <message>
        <source>Distances at PR %1, stored with the waveform.</source>
        <translation>Расстояния при КУ %1, сохранённом с рефлектограммой.</translation>
    </message>
    <message>
        <source>Without a usable stored PR, at %1: %2.</source>
        <translation>Без пригодного сохранённого КУ, при %1: %2.</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Не удалось писать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>Cannot write the export: %1</source>
        <translation>Не удалось записать экспорт: %1</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>Папка программы %1 не существует.</translation>
    </message>
    <message>
        <source>%1: its range cannot be placed on a distance axis; its column stays empty.</source>
        <translation>%1: диапазон нельзя расположить на оси расстояний; столбец остаётся пустым.</translation>
    </message>
    <message>
        <source>The library %1 holds no waveform with REC_ID %2.</source>
        <translation>В библиотеке %1 нет рефлектограммы с номером %2.</translation>
    </message>
    <message>
        <source>%1: it has no usable stored PR; its distances are at PR %2.</source>
        <translation>%1: нет пригодного сохранённого КУ; расстояния при КУ %2.</translation>
    </message>
    <message>
        <source>%1: its range cannot be placed on a distance axis; it has no events.</source>
        <translation>%1: диапазон нельзя отложить по оси расстояний; событий нет.</translation>
    </message>
</context>
<context>
    <name>FieldValue</name>
    <message>
        <source>&apos;%1&apos; is not a valid %2 value for the field %3</source>
        <translation>«%1» — недопустимое значение (%2) для поля %3</translation>
    </message>
    <message>
        <source>integer</source>
        <translation>целое число</translation>
    </message>
    <message>
        <source>floating point</source>
        <translation>число</translation>
    </message>
    <message>
        <source>boolean</source>
        <translation>логическое значение</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>InterruptedOperation</name>
    <message>
        <source>The record of an interrupted operation (%1) cannot be read and was removed: %2.</source>
        <translation>Запись о прерванной операции (%1) не читается и удалена: %2.</translation>
    </message>
    <message>
        <source>The last read of waveforms from the instrument was interrupted: %1 of %2 banks were not read (%3). Mark them in the exchange window and read them again.</source>
        <translation>Последнее чтение рефлектограмм из прибора было прервано: %1 из %2 ячеек не прочитаны (%3). Отметьте их в окне связи с прибором и прочитайте снова.</translation>
    </message>
    <message>
        <source>The last import of waveform files from %1 was interrupted: %2 of %3 files were not imported (%4).
Import these files now?</source>
        <translation>Последний импорт файлов рефлектограмм из %1 был прерван: %2 из %3 файлов не импортированы (%4).
Импортировать эти файлы сейчас?</translation>
    </message>
    <message>
        <source>The last import of waveform files from %1 into %2 was interrupted: %3 files were not imported. They are offered at a start with %2 open.</source>
        <translation>Последний импорт файлов рефлектограмм из %1 в %2 был прерван: не импортировано файлов — %3. Их будет предложено импортировать при запуске, когда открыта база %2.</translation>
    </message>
</context>
<context>
    <name>Interruption</name>
    <message>
        <source>the instrument stopped answering</source>
        <translation>прибор перестал отвечать</translation>
    </message>
    <message>
        <source>the line to the instrument was closed</source>
        <translation>линия связи с прибором закрыта</translation>
    </message>
    <message>
        <source>the serial adapter was unplugged</source>
        <translation>адаптер последовательного порта отключён</translation>
    </message>
    <message>
        <source>stopped by the user</source>
        <translation>остановлен пользователем</translation>
    </message>
    <message>
        <source>The exchange was interrupted: %1.</source>
        <translation>Обмен данными прерван: %1.</translation>
    </message>
    <message>
        <source>the connection to the instrument was lost: the adapter was unplugged or the instrument switched off</source>
        <translation>связь с прибором потеряна: адаптер отключён или прибор выключен</translation>
    </message>
</context>
<context>
    <name>LibraryColumns</name>
    <message>
        <source>  №</source>
        <translation>  №</translation>
    </message>
    <message>
        <source>  № wf</source>
        <translation>  № рефл.</translation>
    </message>
    <message>
        <source>             waveform name</source>
        <translation>             имя рефлектограммы</translation>
    </message>
    <message>
        <source>  scale</source>
        <translation>  масштаб</translation>
    </message>
    <message>
        <source>  pulse</source>
        <translation>  импульс</translation>
    </message>
    <message>
        <source>  gain</source>
        <translation>  усиление</translation>
    </message>
    <message>
        <source> average</source>
        <translation> накопление</translation>
    </message>
    <message>
        <source> impedance</source>
        <translation> согласование</translation>
    </message>
    <message>
        <source>  PR</source>
        <translation>  КУ</translation>
    </message>
    <message>
        <source>      save data</source>
        <translation>      дата записи</translation>
    </message>
    <message>
        <source>  shift</source>
        <translation>  сдвиг</translation>
    </message>
    <message>
        <source>  method</source>
        <translation>  метод</translation>
    </message>
    <message>
        <source> threshold</source>
        <translation> порог</translation>
    </message>
    <message>
        <source>  delay</source>
        <translation>  задержка</translation>
    </message>
    <message>
        <source> cable type</source>
        <translation> тип кабеля</translation>
    </message>
    <message>
        <source>  note</source>
        <translation>  примечание</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PR: a PR is a number from %2 to %3.</source>
        <translation>«%1» — не КУ: КУ — это число от %2 до %3.</translation>
    </message>
    <message>
        <source>PR %1 is outside %2 to %3: no cable has it, and Set PR would not take it.</source>
        <translation>КУ %1 вне диапазона от %2 до %3: такого кабеля нет, и кнопка «Задать КУ» его не примет.</translation>
    </message>
</context>
<context>
    <name>LibraryCopy</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no waveform library: %2</source>
        <translation>В %1 нет библиотеки рефлектограмм: %2</translation>
    </message>
    <message>
        <source>%1 has no field %2, which %3 holds.</source>
        <translation>В %1 нет поля %2, которое есть в %3.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 already holds waveforms (%2 of them); a library is copied only into a new file or an empty library.</source>
        <translation>В %1 уже есть рефлектограммы (%2); библиотека копируется только в новый файл или в пустую библиотеку.</translation>
    </message>
    <message>
        <source>The waveform No %1 of %2 cannot be stored in %3: %4</source>
        <translation>Рефлектограмму № %1 из %2 не удаётся записать в %3: %4</translation>
    </message>
</context>
<context>
    <name>LibraryFile</name>
    <message>
        <source>The waveform library %1 does not exist.</source>
        <translation>Библиотеки рефлектограмм %1 нет.</translation>
    </message>
    <message>
        <source>Cannot open the waveform library %1: %2</source>
        <translation>Не удалось открыть библиотеку рефлектограмм %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no waveform library: %2</source>
        <translation>В %1 нет библиотеки рефлектограмм: %2</translation>
    </message>
    <message>
        <source>Cannot read the waveform library %1: %2</source>
        <translation>Не удалось прочитать библиотеку рефлектограмм %1: %2</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>%1 is a library in the Access format, which this program reads but never writes.
Convert it into a new library %2 and open that? The original stays as it is.</source>
        <translation>%1 — библиотека в формате Access, которую эта программа читает, но не записывает.
Преобразовать её в новую библиотеку %2 и открыть её? Исходный файл останется без изменений.</translation>
    </message>
    <message>
        <source>Compare library emptied: 1 waveform of %1</source>
        <translation>Библиотека сравнения очищена: 1 рефлектограмма типа %1</translation>
    </message>
    <message>
        <source>Compare library emptied: %1 waveforms of %2</source>
        <translation>Библиотека сравнения очищена: рефлектограмм типа %2 — %1</translation>
    </message>
</context>
<context>
    <name>MainProgram</name>
    <message>
        <source>Open waveform</source>
        <translation>Открыть рефлектограмму</translation>
    </message>
    <message>
        <source>Waveforms (*.tdr)</source>
        <translation>Рефлектограммы (*.tdr)</translation>
    </message>
    <message>
        <source>%1

Open the local library %2 instead? The server library %3 can be opened again later with Open database.</source>
        <translation>%1

Открыть вместо неё локальную базу %2? Базу %3 на сервере можно будет открыть снова командой «Открыть базу данных».</translation>
    </message>
    <message>
        <source>%1

Open the local library %2 for this run instead? %3 stays the registered library: the next start opens it again once it is back (a USB stick plugged in, a network folder reachable).</source>
        <translation>%1

Открыть вместо неё на этот запуск местную библиотеку %2? %3 останется зарегистрированной библиотекой: следующий запуск снова откроет её, когда она вернётся (вставлена флешка, доступна сетевая папка).</translation>
    </message>
</context>
<context>
    <name>MdbFile</name>
    <message>
        <source>%1: the file does not exist</source>
        <translation>%1: файл не существует</translation>
    </message>
    <message>
        <source>%1: not an Access database file</source>
        <translation>%1: не файл базы данных Access</translation>
    </message>
    <message>
        <source>%1: the Access database cannot be opened</source>
        <translation>%1: базу данных Access не удаётся открыть</translation>
    </message>
    <message>
        <source>%1: the table list of the Access database cannot be read</source>
        <translation>%1: не удаётся прочитать список таблиц базы данных Access</translation>
    </message>
    <message>
        <source>%1: there is no table %2</source>
        <translation>%1: нет таблицы %2</translation>
    </message>
    <message>
        <source>%1: the columns of table %2 cannot be read</source>
        <translation>%1: не удаётся прочитать столбцы таблицы %2</translation>
    </message>
    <message>
        <source>%1: table %2 has no column %3</source>
        <translation>%1: в таблице %2 нет столбца %3</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» — не число</translation>
    </message>
</context>
<context>
    <name>OdbcRegistry</name>
    <message>
        <source>Cannot register the database file of %1 in %2: %3</source>
        <translation>Не удаётся зарегистрировать файл базы данных %1 в %2: %3</translation>
    </message>
</context>
<context>
    <name>OldMasterReader</name>
    <message>
        <source>%1: the file does not exist</source>
        <translation>%1: файл не существует</translation>
    </message>
    <message>
        <source>%1: not a database file</source>
        <translation>%1: не файл базы данных</translation>
    </message>
</context>
<context>
    <name>OperationJournal</name>
    <message>
        <source>the file is too large</source>
        <translation>файл слишком велик</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>файл повреждён или неполон</translation>
    </message>
    <message>
        <source>the file names no known operation</source>
        <translation>в файле нет известной операции</translation>
    </message>
</context>
<context>
    <name>PacketAssembler</name>
    <message>
        <source>номер пакета %1 не меньше числа пакетов %2</source>
        <translation>номер пакета %1 не меньше числа пакетов %2</translation>
    </message>
    <message>
        <source>неверная длина пакета %1</source>
        <translation>неверная длина пакета %1</translation>
    </message>
    <message>
        <source>пакет %1 из %2 несёт %3 байт вместо %4</source>
        <translation>пакет %1 из %2 несёт %3 байт вместо %4</translation>
    </message>
    <message>
        <source>пакет %1 из %2 пришёл не по порядку</source>
        <translation>пакет %1 из %2 пришёл не по порядку</translation>
    </message>
    <message>
        <source>packet %1 of %2 belongs to another answer (object %3, number %4 after object %5, number %6)</source>
        <translation>пакет %1 из %2 относится к другому ответу (объект %3, номер %4 после объекта %5, номера %6)</translation>
    </message>
</context>
<context>
    <name>ParameterTable</name>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>№ waveform</source>
        <translation>№ рефлектограммы</translation>
    </message>
    <message>
        <source>waveform dir.</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>waveform name</source>
        <translation>имя рефлектограммы</translation>
    </message>
    <message>
        <source>scale (m)</source>
        <translation>масштаб (м)</translation>
    </message>
    <message>
        <source>pulse (ns)</source>
        <translation>импульс (нс)</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>усиление</translation>
    </message>
    <message>
        <source>impedance</source>
        <translation>согласование</translation>
    </message>
    <message>
        <source>average</source>
        <translation>накопление</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>сдвиг</translation>
    </message>
    <message>
        <source>save PR</source>
        <translation>КУ при записи</translation>
    </message>
    <message>
        <source>save data</source>
        <translation>дата записи</translation>
    </message>
    <message>
        <source>methad</source>
        <translation>метод</translation>
    </message>
    <message>
        <source>threshold</source>
        <translation>порог</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>задержка</translation>
    </message>
    <message>
        <source>shown waveform</source>
        <translation>текущая рефлектограмма</translation>
    </message>
    <message>
        <source>compare %1</source>
        <translation>сравнение %1</translation>
    </message>
    <message>
        <source>scale (ft)</source>
        <translation>масштаб (фт)</translation>
    </message>
</context>
<context>
    <name>PgBackend</name>
    <message>
        <source>Cannot open the server library %1: %2</source>
        <translation>Не удаётся открыть базу на сервере %1: %2</translation>
    </message>
    <message>
        <source>the PostgreSQL driver of Qt is not installed (package libqt6sql6-psql).</source>
        <translation>драйвер сервера баз данных не установлен (пакет «libqt6sql6-psql»).</translation>
    </message>
    <message>
        <source>Cannot create the tables in %1: %2</source>
        <translation>Не удаётся создать таблицы в %1: %2</translation>
    </message>
    <message>
        <source>The database %1 holds tables of another program and no waveform library. Choose an empty database or a library.</source>
        <translation>База %1 содержит таблицы другой программы и не содержит библиотеки рефлектограмм. Выберите пустую базу или библиотеку.</translation>
    </message>
    <message>
        <source>Cannot confirm that the server keeps the waveform</source>
        <translation>Не удаётся убедиться, что сервер сохранил рефлектограмму</translation>
    </message>
    <message>
        <source>%1 %2: the server cannot be reached; nothing was stored.
%3</source>
        <translation>%1 %2: сервер недоступен; ничего не сохранено.
%3</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>сервер закрыл соединение</translation>
    </message>
    <message>
        <source>The connection to the server library %1 is lost (%2). What is shown stays; nothing can be stored until the program has reconnected, which it tries every second.</source>
        <translation>Связь с базой на сервере %1 потеряна (%2). Показанное остаётся на экране; сохранить ничего нельзя, пока программа не восстановит связь, — она пытается каждую секунду.</translation>
    </message>
    <message>
        <source>this account may read but not change the crew library</source>
        <translation>эта учётная запись может читать библиотеку бригады, но не изменять её</translation>
    </message>
</context>
<context>
    <name>PlatformError</name>
    <message>
        <source>Access is denied: the device is in use by another program</source>
        <translation>Доступ запрещён: устройство занято другой программой</translation>
    </message>
    <message>
        <source>Access is denied: this user may not open the device. Run &quot;sudo usermod -aG dialout %1&quot;, then log out and in again</source>
        <translation>Доступ запрещён: этому пользователю нельзя открывать устройство. Выполните «sudo usermod -aG dialout %1», затем выйдите из системы и войдите снова</translation>
    </message>
</context>
<context>
    <name>PortChoices</name>
    <message>
        <source> (not connected)</source>
        <translation> (не подключён)</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source> — on-board serial port</source>
        <translation> — последовательный порт на плате</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB-адаптер последовательного порта</translation>
    </message>
</context>
<context>
    <name>PortSettings</name>
    <message>
        <source>определяется, пожалуйста подождите...</source>
        <translation>определяется, пожалуйста подождите...</translation>
    </message>
    <message>
        <source>!!!не определен!!!</source>
        <translation>!!!не определен!!!</translation>
    </message>
    <message>
        <source>Порт уже используется</source>
        <translation>Порт уже используется</translation>
    </message>
    <message>
        <source>Порт не найден</source>
        <translation>Порт не найден</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2</source>
        <translation>Не удаётся записать файл настроек %1: %2</translation>
    </message>
</context>
<context>
    <name>PrControls</name>
    <message>
        <source>%1 PR stays %2.</source>
        <translation>%1 КУ остаётся %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«%1» — не число.</translation>
    </message>
    <message>
        <source>PR %1 is outside %2 to %3.</source>
        <translation>КУ %1 вне пределов от %2 до %3.</translation>
    </message>
</context>
<context>
    <name>PrVelocity</name>
    <message>
        <source>%1 m/µs</source>
        <translation>%1 м/мкс</translation>
    </message>
    <message>
        <source> (%1 ft/µs)</source>
        <translation> (%1 фт/мкс)</translation>
    </message>
    <message>
        <source>%1, half %2</source>
        <translation>%1, половина %2</translation>
    </message>
    <message>
        <source>%1 / %2 ft/µs</source>
        <translation>%1 / %2 фт/мкс</translation>
    </message>
    <message>
        <source>%1 / %2 m/µs</source>
        <translation>%1 / %2 м/мкс</translation>
    </message>
</context>
<context>
    <name>PrintAction</name>
    <message>
        <source>Рефлектометр импульсный KMX-417</source>
        <translation>Рефлектометр импульсный KMX-417</translation>
    </message>
    <message>
        <source>Time Domain Reflectometer KMX-419</source>
        <translation>Рефлектометр импульсный KMX-419</translation>
    </message>
</context>
<context>
    <name>ProgramLock</name>
    <message>
        <source>Cannot make the lock file in %1 (%2); other copies of the program are not kept off it.</source>
        <translation>Не удаётся создать файл блокировки в %1 (%2); другие копии программы не будут удержаны от работы с этой папкой.</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>нет прав</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>Another copy of the program works on the program folder %1.</source>
        <translation>С папкой программы %1 работает другая копия программы.</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>процесс %1</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>процесс %1 на %2</translation>
    </message>
    <message>
        <source>Another copy of the program (%1) works on the program folder %2.
Close it first, or start this copy on another folder with --home DIR.</source>
        <translation>С папкой программы %2 работает другая копия программы (%1).
Сначала закройте её или запустите эту копию с другой папкой: --home DIR.</translation>
    </message>
</context>
<context>
    <name>ReadoutLines</name>
    <message>
        <source>PR</source>
        <translation>КУ</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>увеличение</translation>
    </message>
    <message>
        <source>length resolution</source>
        <translation>разрешение по длине</translation>
    </message>
    <message>
        <source>zoom start point</source>
        <translation>начало увеличения</translation>
    </message>
    <message>
        <source>К1</source>
        <translation>К1</translation>
    </message>
    <message>
        <source>К2</source>
        <translation>К2</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>velocity, half</source>
        <translation>скорость, половина</translation>
    </message>
</context>
<context>
    <name>ReportFileName</name>
    <message>
        <source>report</source>
        <translation>отчёт</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source> report</source>
        <translation> отчёт</translation>
    </message>
    <message>
        <source>The report cannot be written to %1.</source>
        <translation>Отчёт не удаётся записать в %1.</translation>
    </message>
    <message>
        <source>The report could not be completed in %1.</source>
        <translation>Отчёт в %1 не удалось завершить.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source> report</source>
        <translation> отчёт</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Отчёт записан в %1.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Не удалось записать отчёт в %1.</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>Имя файла не задано.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>Cannot add the field %1 to %2: %3</source>
        <translation>Не удалось добавить поле %1 в %2: %3</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 is not a server address of the form postgresql://user@host:port/dbname.</source>
        <translation>%1 — не адрес сервера вида «postgresql://user@host:port/dbname».</translation>
    </message>
    <message>
        <source>The address holds a password. The program never keeps passwords: put it in ~/.pgpass or PGPASSWORD and give the address without it.</source>
        <translation>В адресе указан пароль. Программа никогда не хранит пароли: запишите его в «~/.pgpass» или «PGPASSWORD» и укажите адрес без него.</translation>
    </message>
    <message>
        <source>The address %1 names no database: add /dbname after the host.</source>
        <translation>В адресе %1 не указана база: добавьте «/dbname» после имени сервера.</translation>
    </message>
    <message>
        <source>The port %1 in the address is not a port number.</source>
        <translation>Порт %1 в адресе — не номер порта.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 на %2</translation>
    </message>
</context>
<context>
    <name>ServerTls</name>
    <message>
        <source>the server %1 offers no encrypted connection (TLS), which the address requires.</source>
        <translation>сервер %1 не предлагает шифрованного соединения, а адрес его требует.</translation>
    </message>
    <message>
        <source>the server %1 offers no encrypted connection (TLS). The program reaches a server on another machine only encrypted; ask the server&apos;s keeper to turn TLS on, or add ?sslmode=disable to the address to connect unencrypted.</source>
        <translation>сервер %1 не предлагает шифрованного соединения. С сервером на другой машине программа соединяется только с шифрованием: попросите администратора сервера включить шифрование или добавьте к адресу «?sslmode=disable», чтобы соединиться без шифрования.</translation>
    </message>
</context>
<context>
    <name>ServerWatch</name>
    <message>
        <source>the server has not answered for a second</source>
        <translation>сервер не отвечает уже секунду</translation>
    </message>
</context>
<context>
    <name>StartupFolder</name>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: не папка</translation>
    </message>
    <message>
        <source>%1: no such folder (not made: --no-create)</source>
        <translation>%1: нет такой папки (не создана: --no-create)</translation>
    </message>
    <message>
        <source>%1: no such folder (not made without a display to ask; make it first)</source>
        <translation>%1: нет такой папки (без экрана для вопроса не создаётся; создайте её заранее)</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.
Make it and start with an empty waveform library?</source>
        <translation>Папка программы %1 не существует.
Создать её и начать с пустой библиотеки рефлектограмм?</translation>
    </message>
    <message>
        <source>%1: no such folder (not made)</source>
        <translation>%1: нет такой папки (не создана)</translation>
    </message>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: не удаётся создать папку</translation>
    </message>
</context>
<context>
    <name>TDataModule1</name>
    <message>
        <source>The waveform database %1 cannot be opened; the previous one stays in use.
%2</source>
        <translation>Базу данных рефлектограмм %1 не удаётся открыть; в работе остаётся прежняя.
%2</translation>
    </message>
    <message>
        <source>The waveform library %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть библиотеку рефлектограмм %1: %2</translation>
    </message>
    <message>
        <source>The waveform database cannot be opened.
%1
%2</source>
        <translation>Не удаётся открыть базу рефлектограмм.
%1
%2</translation>
    </message>
    <message>
        <source>%1 was left as it is: the backup %2 replaces only a missing library.</source>
        <translation>%1 оставлен как есть: резервная копия %2 заменяет только отсутствующую библиотеку.</translation>
    </message>
    <message>
        <source>The backup %1 could not be copied to %2.</source>
        <translation>Не удалось скопировать резервную копию %1 в %2.</translation>
    </message>
    <message>
        <source>After restoring %1 from %2: %3</source>
        <translation>После восстановления %1 из %2: %3</translation>
    </message>
</context>
<context>
    <name>TExecutionCom</name>
    <message>
        <source>рефлектограмма № %1</source>
        <translation>рефлектограмма № %1</translation>
    </message>
    <message>
        <source>таблица КУ</source>
        <translation>таблица КУ</translation>
    </message>
    <message>
        <source>Не сохранены данные прибора:
</source>
        <translation>Не сохранены данные прибора:
</translation>
    </message>
    <message>
        <source>Сохранены, но могут быть повреждены:
</source>
        <translation>Сохранены, но могут быть повреждены:
</translation>
    </message>
    <message>
        <source>прибор не передал данных</source>
        <translation>прибор не передал данных</translation>
    </message>
    <message>
        <source>The instrument&apos;s data was not stored: %1.</source>
        <translation>Данные прибора не сохранены: %1.</translation>
    </message>
    <message>
        <source>%1 of %2 waveforms read from the instrument were not stored (banks %3): %4.</source>
        <translation>%1 из %2 рефлектограмм, прочитанных из прибора, не сохранены (ячейки %3): %4.</translation>
    </message>
    <message>
        <source>рефлектограммы № %1</source>
        <translation>рефлектограммы № %1</translation>
    </message>
    <message>
        <source>Stored in the library: waveforms № %1.</source>
        <translation>Сохранены в базе: рефлектограммы № %1.</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>чтение не состоялось</translation>
    </message>
</context>
<context>
    <name>TForm2Columns</name>
    <message>
        <source>название</source>
        <translation>название</translation>
    </message>
    <message>
        <source>К.У.</source>
        <translation>К.У.</translation>
    </message>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>№ рефл.</source>
        <translation>№ рефл.</translation>
    </message>
    <message>
        <source>имя рефлектограммы</source>
        <translation>имя рефлектограммы</translation>
    </message>
    <message>
        <source>масш.</source>
        <translation>масш.</translation>
    </message>
    <message>
        <source>дата записи</source>
        <translation>дата записи</translation>
    </message>
</context>
<context>
    <name>TRsCustomComm</name>
    <message>
        <source>Specified device not found (%1).</source>
        <translation>Устройство не найдено (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open specified device %1</source>
        <translation>Не удаётся открыть устройство %1</translation>
    </message>
    <message>
        <source> (Error %d, %s)</source>
        <translation> (ошибка %d, %s)</translation>
    </message>
</context>
<context>
    <name>TableSource</name>
    <message>
        <source>Invalid table name &apos;%1&apos;.</source>
        <translation>Недопустимое имя таблицы «%1».</translation>
    </message>
    <message>
        <source>Cannot read the table %1 of %2: %3</source>
        <translation>Не удаётся прочитать таблицу %1 из %2: %3</translation>
    </message>
    <message>
        <source>The database %1 has no table %2.</source>
        <translation>В базе данных %1 нет таблицы %2.</translation>
    </message>
    <message>
        <source>The table %1 of %2 has no field %3.</source>
        <translation>В таблице %1 из %2 нет поля %3.</translation>
    </message>
    <message>
        <source>Cannot read the field %1 from %2: %3</source>
        <translation>Не удаётся прочитать поле %1 из %2: %3</translation>
    </message>
    <message>
        <source>The new record of %1 in %2 cannot be found.</source>
        <translation>Новая запись %1 в %2 не найдена.</translation>
    </message>
    <message>
        <source>The record of %1 in %2 no longer exists; the change was not stored.</source>
        <translation>Записи %1 в %2 больше нет; изменение не сохранено.</translation>
    </message>
    <message>
        <source>The table %1 of %2 holds too many rows.</source>
        <translation>В таблице %1 базы %2 слишком много строк.</translation>
    </message>
</context>
<context>
    <name>TdrFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>файл не открывается (%1)</translation>
    </message>
    <message>
        <source>the file is too large for a waveform file (%1 bytes)</source>
        <translation>файл слишком велик для файла рефлектограммы (%1 байт)</translation>
    </message>
</context>
<context>
    <name>TdrFolderImport</name>
    <message>
        <source>These waveform files were not imported:</source>
        <translation>Эти файлы рефлектограмм не импортированы:</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... и ещё %1</translation>
    </message>
    <message>
        <source>%1 of %2 waveform files were not stored (%3): %4.</source>
        <translation>%1 из %2 файлов рефлектограмм не сохранены (%3): %4.</translation>
    </message>
    <message>
        <source>The import stopped: %1 waveform files were stored, %2 were not (%3); these are offered for import at the next start.
%4</source>
        <translation>Импорт прерван: сохранено файлов рефлектограмм — %1, не сохранено — %2 (%3); их будет предложено импортировать при следующем запуске.
%4</translation>
    </message>
    <message>
        <source>%1: its name is not valid UTF-8 (written by another system); rename it to import it</source>
        <translation>%1: имя файла записано не в Юникоде (другой системой); переименуйте файл, чтобы импортировать его</translation>
    </message>
    <message>
        <source>1 waveform imported from %1</source>
        <translation>Импортирована 1 рефлектограмма из %1</translation>
    </message>
    <message>
        <source>%1 waveforms imported from %2</source>
        <translation>Импортировано рефлектограмм: %1, из %2</translation>
    </message>
    <message>
        <source>1 file skipped: %1</source>
        <translation>пропущен 1 файл: %1</translation>
    </message>
    <message>
        <source>%1 files skipped: %2</source>
        <translation>пропущено файлов: %1 — %2</translation>
    </message>
</context>
<context>
    <name>TdrHeader</name>
    <message>
        <source>%1 index %2 is outside 0..%3</source>
        <translation>%1: номер %2 вне 0..%3</translation>
    </message>
    <message>
        <source>the file is shorter than %1 bytes (%2 bytes)</source>
        <translation>файл короче %1 байт (%2 байт)</translation>
    </message>
    <message>
        <source>pulse width</source>
        <translation>длительность импульса</translation>
    </message>
    <message>
        <source>range</source>
        <translation>диапазон</translation>
    </message>
    <message>
        <source>averaging</source>
        <translation>накопление</translation>
    </message>
    <message>
        <source>propagation ratio word %1 is not above zero</source>
        <translation>слово КУ %1 не больше нуля</translation>
    </message>
</context>
<context>
    <name>TypeCommands</name>
    <message>
        <source>Connect</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>Open waveform</source>
        <translation>Открыть рефлектограмму</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Связь...</translation>
    </message>
    <message>
        <source>Open waveporm...</source>
        <translation>Открыть рефлектограмму...</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source> ft</source>
        <translation> фт</translation>
    </message>
    <message>
        <source> m</source>
        <translation> м</translation>
    </message>
</context>
<context>
    <name>WaveformConversions</name>
    <message>
        <source>блок данных короче нужного (%1 байт из %2)</source>
        <translation>блок данных короче нужного (%1 байт из %2)</translation>
    </message>
    <message>
        <source>%1 %2 вне таблицы</source>
        <translation>%1 %2 вне таблицы</translation>
    </message>
    <message>
        <source>ячейка памяти прибора пуста</source>
        <translation>ячейка памяти прибора пуста</translation>
    </message>
    <message>
        <source>код масштаба</source>
        <translation>код масштаба</translation>
    </message>
    <message>
        <source>код длительности импульса</source>
        <translation>код длительности импульса</translation>
    </message>
    <message>
        <source>код накопления</source>
        <translation>код накопления</translation>
    </message>
    <message>
        <source>код КУ равен 0</source>
        <translation>код КУ равен 0</translation>
    </message>
    <message>
        <source>контрольная сумма не совпадает, данные могут быть повреждены</source>
        <translation>контрольная сумма не совпадает, данные могут быть повреждены</translation>
    </message>
</context>
<context>
    <name>WaveformNote</name>
    <message>
        <source>Select a waveform in the library first; a note belongs to one waveform.</source>
        <translation>Сначала выберите рефлектограмму в библиотеке: примечание относится к одной рефлектограмме.</translation>
    </message>
    <message>
        <source>its waveform table has no field %1.</source>
        <translation>в её таблице рефлектограмм нет поля %1.</translation>
    </message>
    <message>
        <source>The library %1 cannot keep notes: %2</source>
        <translation>В библиотеке %1 нельзя хранить примечания: %2</translation>
    </message>
    <message>
        <source>The library %1 is read-only: the note cannot be stored. Copy the file to a folder you may write to and open the copy.</source>
        <translation>Библиотека %1 доступна только для чтения: примечание не может быть сохранено. Скопируйте файл в папку, в которую разрешена запись, и откройте копию.</translation>
    </message>
    <message>
        <source>№ %1 %2</source>
        <translation>№ %1 %2</translation>
    </message>
    <message>
        <source>The note has %1 characters; the library keeps at most %2. Shorten it.</source>
        <translation>В примечании %1 символов; библиотека хранит не более %2. Сократите его.</translation>
    </message>
</context>
<context>
    <name>WireLog</name>
    <message>
        <source>cannot write the wire log %1: %2</source>
        <translation>не удаётся записать журнал обмена %1: %2</translation>
    </message>
</context>
<context>
    <name>app::ExportSizeDialog</name>
    <message>
        <source> px</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Размер рисунка</translation>
    </message>
    <message>
        <source>Picture width</source>
        <translation>Ширина рисунка</translation>
    </message>
    <message>
        <source>Picture height</source>
        <translation>Высота рисунка</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Высота:</translation>
    </message>
</context>
<context>
    <name>app::LibraryConnectionNotice</name>
    <message>
        <source>Library not reachable</source>
        <translation>База недоступна</translation>
    </message>
    <message>
        <source>%1 - not reachable</source>
        <translation>%1 - недоступна</translation>
    </message>
    <message>
        <source>The library %1 answers again.</source>
        <translation>База %1 снова доступна.</translation>
    </message>
</context>
<context>
    <name>app::OpenLibraryDialog</name>
    <message>
        <source>Open database</source>
        <translation>Открыть базу данных</translation>
    </message>
    <message>
        <source>Library location</source>
        <translation>Где находится база</translation>
    </message>
    <message>
        <source>Databases (*.db *.mdb)</source>
        <translation>Базы данных (*.db *.mdb)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Адрес сервера:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>The password is taken from ~/.pgpass or the PGPASSWORD environment variable; it is never written into the address or the settings.</source>
        <translation>Пароль берётся из «~/.pgpass» или из переменной окружения «PGPASSWORD»; в адрес и в настройки он не записывается никогда.</translation>
    </message>
    <message>
        <source>Opened last:</source>
        <translation>Открывались последними:</translation>
    </message>
    <message>
        <source>Server libraries opened last</source>
        <translation>Базы на сервере, открывавшиеся последними</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <source>Exit?</source>
        <translation>Выйти?</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Open database...</source>
        <translation>Открыть базу данных...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Импорт...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Undo delete</source>
        <translation>Отменить удаление</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Approximation</source>
        <translation>Сглаживание</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Device connect settings...</source>
        <translation>Настройка связи с прибором...</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Связь...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Open database</source>
        <translation>Открыть базу данных</translation>
    </message>
    <message>
        <source>To open a database</source>
        <translation>Открыть базу данных</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>To print the report</source>
        <translation>Напечатать отчёт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Import waveform</source>
        <translation>Импорт рефлектограмм</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>To open a waveforms </source>
        <translation>Прочитать рефлектограммы </translation>
    </message>
    <message>
        <source>To display with approximation</source>
        <translation>Показывать со сглаживанием</translation>
    </message>
    <message>
        <source>To show the second screen</source>
        <translation>Показать второй экран</translation>
    </message>
    <message>
        <source> Type </source>
        <translation> Тип </translation>
    </message>
    <message>
        <source>Device type selection</source>
        <translation>Выбор типа прибора</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Тип прибора</translation>
    </message>
    <message>
        <source> K1 </source>
        <translation> К1 </translation>
    </message>
    <message>
        <source> К2 </source>
        <translation> К2 </translation>
    </message>
    <message>
        <source>K1 back</source>
        <translation>К1 назад</translation>
    </message>
    <message>
        <source>K1 forward</source>
        <translation>К1 вперёд</translation>
    </message>
    <message>
        <source>K2 back</source>
        <translation>К2 назад</translation>
    </message>
    <message>
        <source>K2 forward</source>
        <translation>К2 вперёд</translation>
    </message>
    <message>
        <source>K1 distance</source>
        <translation>Расстояние до К1</translation>
    </message>
    <message>
        <source>K2 distance</source>
        <translation>Расстояние до К2</translation>
    </message>
    <message>
        <source>Distance between cursors</source>
        <translation>Расстояние между курсорами</translation>
    </message>
    <message>
        <source>Decrement PR</source>
        <translation>Уменьшить КУ</translation>
    </message>
    <message>
        <source>Increment PR</source>
        <translation>Увеличить КУ</translation>
    </message>
    <message>
        <source>PR</source>
        <translation>КУ</translation>
    </message>
    <message>
        <source>Set PR</source>
        <translation>Задать КУ</translation>
    </message>
    <message>
        <source>Vertical Offset</source>
        <translation>Вертикальный сдвиг</translation>
    </message>
    <message>
        <source>Vertical offset</source>
        <translation>Вертикальный сдвиг</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Clear zoom</source>
        <translation>Сбросить увеличение</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Увеличение</translation>
    </message>
    <message>
        <source> L </source>
        <translation> L </translation>
    </message>
    <message>
        <source> PR </source>
        <translation> КУ </translation>
    </message>
    <message>
        <source> Offset </source>
        <translation> Сдвиг </translation>
    </message>
    <message>
        <source> Zoom </source>
        <translation> Увеличение </translation>
    </message>
    <message>
        <source>PR list</source>
        <translation>Список КУ</translation>
    </message>
    <message>
        <source>First PR</source>
        <translation>Первый КУ</translation>
    </message>
    <message>
        <source>Previous PR</source>
        <translation>Предыдущий КУ</translation>
    </message>
    <message>
        <source>Next PR</source>
        <translation>Следующий КУ</translation>
    </message>
    <message>
        <source>Last PR</source>
        <translation>Последний КУ</translation>
    </message>
    <message>
        <source>Add PR</source>
        <translation>Добавить КУ</translation>
    </message>
    <message>
        <source>Delete PR</source>
        <translation>Удалить КУ</translation>
    </message>
    <message>
        <source>Compare waveforms library</source>
        <translation>Библиотека сравнения рефлектограмм</translation>
    </message>
    <message>
        <source>First waveform</source>
        <translation>Первая рефлектограмма</translation>
    </message>
    <message>
        <source>Previous waveform</source>
        <translation>Предыдущая рефлектограмма</translation>
    </message>
    <message>
        <source>Next waveform</source>
        <translation>Следующая рефлектограмма</translation>
    </message>
    <message>
        <source>Last waveform</source>
        <translation>Последняя рефлектограмма</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete waveform</source>
        <translation>Удалить рефлектограмму</translation>
    </message>
    <message>
        <source>Wavefroms library</source>
        <translation>Библиотека рефлектограмм</translation>
    </message>
    <message>
        <source>Waveform library</source>
        <translation>Библиотека рефлектограмм</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Add in &quot;Compare waveforms library&quot;</source>
        <translation>Добавить в «Библиотеку сравнения рефлектограмм»</translation>
    </message>
    <message>
        <source>Export waveform as CSV...</source>
        <translation>Экспорт рефлектограммы в CSV...</translation>
    </message>
    <message>
        <source>Export waveform as JSON...</source>
        <translation>Экспорт рефлектограммы в JSON...</translation>
    </message>
    <message>
        <source>Export charts as PNG...</source>
        <translation>Экспорт графиков в PNG...</translation>
    </message>
    <message>
        <source>Export charts as SVG...</source>
        <translation>Экспорт графиков в SVG...</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Разность</translation>
    </message>
    <message>
        <source>The shown waveform minus the waveform selected in the compare table, on the lower chart</source>
        <translation>Показанная рефлектограмма минус рефлектограмма, выбранная в таблице сравнения, на нижнем графике</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>The shown waveform&apos;s launch end, echoes and line end, in a table and on the charts</source>
        <translation>Конец зондирующего импульса, отражения и конец линии показанной рефлектограммы — в таблице и на графиках</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Метры</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Футы</translation>
    </message>
</context>
<context>
    <name>app::WindowState</name>
    <message>
        <source>Connect</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Связь...</translation>
    </message>
</context>
<context>
    <name>app::controls::TraceControlsWiring</name>
    <message>
        <source>Type a distance in metres and press Enter to put K1 there</source>
        <translation>Введите расстояние в метрах и нажмите Enter, чтобы поставить туда К1</translation>
    </message>
    <message>
        <source>Type a distance in metres and press Enter to put K2 there</source>
        <translation>Введите расстояние в метрах и нажмите Enter, чтобы поставить туда К2</translation>
    </message>
    <message>
        <source>Type a PR from 1,000 to 3,000 and press Enter</source>
        <translation>Введите КУ от 1,000 до 3,000 и нажмите Enter</translation>
    </message>
    <message>
        <source>Type a distance in feet and press Enter to put K1 there</source>
        <translation>Введите расстояние в футах и нажмите Enter, чтобы поставить туда К1</translation>
    </message>
    <message>
        <source>Type a distance in feet and press Enter to put K2 there</source>
        <translation>Введите расстояние в футах и нажмите Enter, чтобы поставить туда К2</translation>
    </message>
    <message>
        <source>PR %1: propagation velocity %2</source>
        <translation>КУ %1: скорость распространения %2</translation>
    </message>
    <message>
        <source>Click: put the active cursor (the bold one; click K1 or K2 to choose it) here. Right click or Shift+click: put the other one here.
Drag a cursor line to move it; Left/Right move the active cursor.</source>
        <translation>Щелчок: поставить сюда активный курсор (выделенный жирным; выбирается щелчком по К1 или К2). Правая кнопка или Shift+щелчок: поставить сюда другой.
Линию курсора можно перетащить; стрелки влево/вправо двигают активный курсор.</translation>
    </message>
</context>
<context>
    <name>app::events::EventTableModel</name>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Полярность</translation>
    </message>
</context>
<context>
    <name>app::events::WaveformEvents</name>
    <message>
        <source>launch end</source>
        <translation>конец зондирующего импульса</translation>
    </message>
    <message>
        <source>reflection</source>
        <translation>отражение</translation>
    </message>
    <message>
        <source>end of line</source>
        <translation>конец линии</translation>
    </message>
    <message>
        <source>up: open</source>
        <translation>вверх: обрыв</translation>
    </message>
    <message>
        <source>down: short</source>
        <translation>вниз: замыкание</translation>
    </message>
    <message>
        <source>Events:</source>
        <translation>События:</translation>
    </message>
    <message>
        <source>%1. %2, %3</source>
        <translation>%1. %2, %3</translation>
    </message>
    <message>
        <source>%1. %2, %3, %4, %5</source>
        <translation>%1. %2, %3, %4, %5</translation>
    </message>
</context>
<context>
    <name>app::library::LibraryWiring</name>
    <message>
        <source>Waveform library — press Connect to read waveforms from the instrument, or Import</source>
        <translation>Библиотека рефлектограмм — нажмите «Связь», чтобы прочитать рефлектограммы из прибора, или «Импорт»</translation>
    </message>
    <message>
        <source>Compare library — mark waveforms in the library below and press Add</source>
        <translation>Библиотека сравнения — отметьте рефлектограммы в библиотеке ниже и нажмите «Добавить»</translation>
    </message>
    <message>
        <source>Cable types and their PR — press + to add one</source>
        <translation>Типы кабеля и их КУ — нажмите +, чтобы добавить</translation>
    </message>
    <message>
        <source>Note...</source>
        <translation>Примечание...</translation>
    </message>
    <message>
        <source>Waveform library — press Open waveform to add waveform files (.tdr)</source>
        <translation>Библиотека рефлектограмм — нажмите «Открыть рефлектограмму», чтобы добавить файлы рефлектограмм (.tdr)</translation>
    </message>
</context>
<context>
    <name>exchange::ExchangeEngine</name>
    <message>
        <source>Устройство не отвечает! Операция прервана.</source>
        <translation>Устройство не отвечает! Операция прервана.</translation>
    </message>
    <message>
        <source>Установка связи </source>
        <translation>Установка связи </translation>
    </message>
    <message>
        <source>Чтение </source>
        <translation>Чтение </translation>
    </message>
    <message>
        <source>Запись </source>
        <translation>Запись </translation>
    </message>
    <message>
        <source>Импорт </source>
        <translation>Импорт </translation>
    </message>
    <message>
        <source>рефлектограммы № </source>
        <translation>рефлектограммы № </translation>
    </message>
    <message>
        <source>таблицы КУ </source>
        <translation>таблицы КУ </translation>
    </message>
    <message>
        <source>файла помощи </source>
        <translation>файла помощи </translation>
    </message>
    <message>
        <source>списка рефлектограмм </source>
        <translation>списка рефлектограмм </translation>
    </message>
    <message>
        <source>( пакет %1 из %2 )</source>
        <translation>( пакет %1 из %2 )</translation>
    </message>
    <message>
        <source>The exchange was stopped by the user: %1 of %2 done.</source>
        <translation>Обмен остановлен пользователем: выполнено %1 из %2.</translation>
    </message>
    <message>
        <source>неверная строка команды &quot;%1&quot;</source>
        <translation>неверная строка команды &quot;%1&quot;</translation>
    </message>
    <message>
        <source>неизвестный код команды CODE_CMD==</source>
        <translation>неизвестный код команды CODE_CMD==</translation>
    </message>
    <message>
        <source>блок для записи короче %1 байт (%2)</source>
        <translation>блок для записи короче %1 байт (%2)</translation>
    </message>
    <message>
        <source>блок для записи длиннее %1 байт (%2)</source>
        <translation>блок для записи длиннее %1 байт (%2)</translation>
    </message>
    <message>
        <source>неизвестный тип прибора DEV_TYPE==</source>
        <translation>неизвестный тип прибора DEV_TYPE==</translation>
    </message>
    <message>
        <source>ответ прибора не по протоколу: </source>
        <translation>ответ прибора не по протоколу: </translation>
    </message>
    <message>
        <source>no answer for %1 ms (%2 bytes of an answer came)</source>
        <translation>нет ответа %1 мс (пришло %2 байт ответа)</translation>
    </message>
    <message>
        <source> - успешно</source>
        <translation> - успешно</translation>
    </message>
    <message>
        <source>код ответа %1</source>
        <translation>код ответа %1</translation>
    </message>
    <message>
        <source>the answer was damaged twice (its checksum does not match)</source>
        <translation>ответ дважды пришёл повреждённым (не сходится контрольная сумма)</translation>
    </message>
</context>
<context>
    <name>exchange::TForm2</name>
    <message>
        <source>Первый КУ</source>
        <translation>Первый КУ</translation>
    </message>
    <message>
        <source>Предыдущий КУ</source>
        <translation>Предыдущий КУ</translation>
    </message>
    <message>
        <source>Следующий КУ</source>
        <translation>Следующий КУ</translation>
    </message>
    <message>
        <source>Последний КУ</source>
        <translation>Последний КУ</translation>
    </message>
    <message>
        <source>Добавить КУ</source>
        <translation>Добавить КУ</translation>
    </message>
    <message>
        <source>Удалить КУ</source>
        <translation>Удалить КУ</translation>
    </message>
    <message>
        <source>Первая рефлектограмма</source>
        <translation>Первая рефлектограмма</translation>
    </message>
    <message>
        <source>Предыдущая рефлектограмма</source>
        <translation>Предыдущая рефлектограмма</translation>
    </message>
    <message>
        <source>Следующая рефлектограмма</source>
        <translation>Следующая рефлектограмма</translation>
    </message>
    <message>
        <source>Последняя рефлектограмма</source>
        <translation>Последняя рефлектограмма</translation>
    </message>
    <message>
        <source>connect with device</source>
        <translation>связь с прибором</translation>
    </message>
    <message>
        <source>БАЗА ДАННЫХ</source>
        <translation>БАЗА ДАННЫХ</translation>
    </message>
    <message>
        <source>PR list</source>
        <translation>Список КУ</translation>
    </message>
    <message>
        <source>Waveform library</source>
        <translation>Библиотека рефлектограмм</translation>
    </message>
    <message>
        <source>ПРИБОР</source>
        <translation>ПРИБОР</translation>
    </message>
    <message>
        <source>Instrument PR table</source>
        <translation>Таблица КУ прибора</translation>
    </message>
    <message>
        <source>Instrument waveforms</source>
        <translation>Рефлектограммы прибора</translation>
    </message>
    <message>
        <source>Открыть </source>
        <translation>Открыть </translation>
    </message>
    <message>
        <source>Открыть базу данных рефлектограмм</source>
        <translation>Открыть базу данных рефлектограмм</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Обновить связь с прибором</source>
        <translation>Обновить связь с прибором</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Выбор типа прибора</source>
        <translation>Выбор типа прибора</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Завершить связь с прибором</source>
        <translation>Завершить связь с прибором</translation>
    </message>
    <message>
        <source>КУ ▼</source>
        <translation>КУ ▼</translation>
    </message>
    <message>
        <source>Записать выделенные КУ в прибор</source>
        <translation>Записать выделенные КУ в прибор</translation>
    </message>
    <message>
        <source>Записать выделенные рефлектограммы в прибор</source>
        <translation>Записать выделенные рефлектограммы в прибор</translation>
    </message>
    <message>
        <source>Прочитать выделенные рефлектограммы из прибора</source>
        <translation>Прочитать выделенные рефлектограммы из прибора</translation>
    </message>
    <message>
        <source>Waveform database (*.db *.mdb)</source>
        <translation>База данных рефлектограмм (*.db *.mdb)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>exchange::TfrmChkDev</name>
    <message>
        <source>Настройка параметров связи</source>
        <translation>Настройка параметров связи</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Тип прибора:</source>
        <translation>Тип прибора:</translation>
    </message>
    <message>
        <source>Определить тип</source>
        <translation>Определить тип</translation>
    </message>
    <message>
        <source>показывать это окно перед сеансом связи</source>
        <translation>показывать это окно перед сеансом связи</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Связь</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>exchange::TfrmComm</name>
    <message>
        <source>Идет обмен данными...</source>
        <translation>Идет обмен данными...</translation>
    </message>
    <message>
        <source>Packets of the command</source>
        <translation>Пакеты команды</translation>
    </message>
    <message>
        <source>Commands of the list</source>
        <translation>Команды списка</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>report::Tform_print</name>
    <message>
        <source>Рефлектометр импульсный KM-41A   v.4</source>
        <translation>Рефлектометр импульсный KM-41A   v.4</translation>
    </message>
    <message>
        <source>Printed:</source>
        <translation>Напечатано:</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Примечание: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... и ещё %1</translation>
    </message>
</context>
<context>
    <name>tools::ImportCore</name>
    <message>
        <source>Источник данных %1 не зарегистрирован: выберите файл %2.</source>
        <translation>Источник данных %1 не зарегистрирован: выберите файл %2.</translation>
    </message>
    <message>
        <source>В файле %1 не найдено ни одной записи. Импорт данного файла не возможен.</source>
        <translation>В файле %1 не найдено ни одной записи. Импорт данного файла не возможен.</translation>
    </message>
    <message>
        <source>Обнаружено %1 записей. Нажмите кнопку Старт для обработки.</source>
        <translation>Обнаружено %1 записей. Нажмите кнопку Старт для обработки.</translation>
    </message>
    <message>
        <source>Обработано %1 записей из %2</source>
        <translation>Обработано %1 записей из %2</translation>
    </message>
    <message>
        <source>, пропущено %1 (нет данных или номера)</source>
        <translation>, пропущено %1 (нет данных или номера)</translation>
    </message>
    <message>
        <source>!!! не задан !!!</source>
        <translation>!!! не задан !!!</translation>
    </message>
    <message>
        <source>Один или несколько файлов базы данных не найдены в указанной директории. Импорт невозможен.</source>
        <translation>Один или несколько файлов базы данных не найдены в указанной директории. Импорт невозможен.</translation>
    </message>
</context>
<context>
    <name>tools::TfrmAbout</name>
    <message>
        <source>About... </source>
        <translation>О программе... </translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Supplier</source>
        <translation>Поставщик</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tools::TfrmEdtFld</name>
    <message>
        <source>Edit waveform name</source>
        <translation>Изменить имя рефлектограммы</translation>
    </message>
    <message>
        <source>Waveform name</source>
        <translation>Имя рефлектограммы</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>tools::TfrmImport</name>
    <message>
        <source>Импорт данных из ранней версии Echolon</source>
        <translation>Импорт данных из ранней версии Echolon</translation>
    </message>
    <message>
        <source>Версия Echolon</source>
        <translation>Версия Echolon</translation>
    </message>
    <message>
        <source>Путь к файлам БД</source>
        <translation>Путь к файлам БД</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Открыть файл(ы) БД для импортирования</source>
        <translation>Открыть файл(ы) БД для импортирования</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Ход импорта</translation>
    </message>
    <message>
        <source>Старт</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Начать обработку файла</source>
        <translation>Начать обработку файла</translation>
    </message>
    <message>
        <source>Записать в БД</source>
        <translation>Записать в БД</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>tools::WaveformNoteDialog</name>
    <message>
        <source>Waveform note</source>
        <translation>Примечание к рефлектограмме</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>What was found, where the crew dug…</source>
        <translation>Что найдено, где копала бригада…</translation>
    </message>
    <message>
        <source>Enter starts a new line; Ctrl+Enter stores the note.</source>
        <translation>Enter начинает новую строку; Ctrl+Enter сохраняет примечание.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Note on waveform %1</source>
        <translation>Примечание к рефлектограмме %1</translation>
    </message>
</context>
<context>
    <name>trace::ChartSet</name>
    <message>
        <source>Waveform overview</source>
        <translation>Обзор рефлектограммы</translation>
    </message>
    <message>
        <source>Waveform detail</source>
        <translation>Рефлектограмма подробно</translation>
    </message>
    <message>
        <source>Report waveform overview</source>
        <translation>Обзор рефлектограммы в отчёте</translation>
    </message>
    <message>
        <source>Report waveform detail</source>
        <translation>Рефлектограмма подробно в отчёте</translation>
    </message>
</context>
<context>
    <name>trace::DifferenceTrace</name>
    <message>
        <source>№ %1 minus № %2</source>
        <translation>№ %1 минус № %2</translation>
    </message>
</context>
<context>
    <name>trace::LegendNames</name>
    <message>
        <source>№ %1 %2</source>
        <translation>№ %1 %2</translation>
    </message>
</context>
<context>
    <name>trace::SlotLayout</name>
    <message>
        <source>amplitude</source>
        <translation>амплитуда</translation>
    </message>
    <message>
        <source> № %1</source>
        <translation> № %1</translation>
    </message>
    <message>
        <source>scale, (m)</source>
        <translation>расстояние, (м)</translation>
    </message>
    <message>
        <source> ниж.</source>
        <translation> ниж.</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Верх</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Низ</translation>
    </message>
    <message>
        <source>K1</source>
        <translation>К1</translation>
    </message>
    <message>
        <source>K2</source>
        <translation>К2</translation>
    </message>
    <message>
        <source>  ниж.</source>
        <translation>  ниж.</translation>
    </message>
    <message>
        <source>scale, (ft)</source>
        <translation>расстояние, (фт)</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>разность</translation>
    </message>
</context>
<context>
    <name>trace::TraceNumbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid propagation ratio (PR must be above zero)</source>
        <translation>«%1» — недопустимый коэффициент укорочения (КУ должен быть больше нуля)</translation>
    </message>
</context>
<context>
    <name>trace::TraceView</name>
    <message>
        <source>The waveform cannot be read while its library is not reachable</source>
        <translation>Рефлектограмма не может быть прочитана, пока её библиотека недоступна</translation>
    </message>
    <message>
        <source>PR %1 is not above zero: the waveforms are not drawn</source>
        <translation>КУ %1 не больше нуля: рефлектограммы не рисуются</translation>
    </message>
</context>
</TS>
