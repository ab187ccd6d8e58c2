<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AccessLibraryConverter</name>
    <message>
        <source>%1: not a database file</source>
        <translation>%1: not a database file</translation>
    </message>
    <message>
        <source>%1: its table master has none of the library&apos;s fields</source>
        <translation>%1: its table master has none of the library&apos;s fields</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it is not replaced. Open it, or move it away and convert again.</source>
        <translation>%1 already exists; it is not replaced. Open it, or move it away and convert again.</translation>
    </message>
    <message>
        <source>Cannot create %1.</source>
        <translation>Cannot create %1.</translation>
    </message>
</context>
<context>
    <name>CableTypes</name>
    <message>
        <source>ААШв</source>
        <translation>AAShv</translation>
    </message>
    <message>
        <source>АСБ</source>
        <translation>ASB</translation>
    </message>
    <message>
        <source>ВВГ</source>
        <translation>VVG</translation>
    </message>
    <message>
        <source>АПвП</source>
        <translation>APvP</translation>
    </message>
    <message>
        <source>ТПП</source>
        <translation>TPP</translation>
    </message>
    <message>
        <source>РК-75</source>
        <translation>RK-75</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>A picture of %1 x %2 pixels cannot be made: each side must be between %3 and %4 pixels.</source>
        <translation>A picture of %1 x %2 pixels cannot be made: each side must be between %3 and %4 pixels.</translation>
    </message>
</context>
<context>
    <name>CommErrorDisplay</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
<context>
    <name>CompareLibrary</name>
    <message>
        <source>Можно сравнивать не более 4-х рефлектограмм. Удалите ненужные рефлектограммы из таблицы сравнения</source>
        <translation>At most 4 waveforms can be compared. Remove the waveforms you do not need from the compare table</translation>
    </message>
    <message>
        <source>The compare library&apos;s table does not hold the waveform library&apos;s fields in the same order; nothing was copied.</source>
        <translation>The compare library&apos;s table does not hold the waveform library&apos;s fields in the same order; nothing was copied.</translation>
    </message>
    <message>
        <source>Delete %1 marked waveforms?</source>
        <translation>Delete %1 marked waveforms?</translation>
    </message>
</context>
<context>
    <name>CopyLibraryCommand</name>
    <message>
        <source>Copied 1 waveform from %1 to %2.</source>
        <translation>Copied 1 waveform from %1 to %2.</translation>
    </message>
    <message>
        <source>Copied %1 waveforms from %2 to %3.</source>
        <translation>Copied %1 waveforms from %2 to %3.</translation>
    </message>
    <message>
        <source>Nothing was copied from %1 to %2: %3</source>
        <translation>Nothing was copied from %1 to %2: %3</translation>
    </message>
</context>
<context>
    <name>CsvTable</name>
    <message>
        <source>Line %1: text after a quoted cell.</source>
        <translation>Line %1: text after a quoted cell.</translation>
    </message>
    <message>
        <source>Line %1: a quoted cell is not closed.</source>
        <translation>Line %1: a quoted cell is not closed.</translation>
    </message>
    <message>
        <source>The file does not start with the header %1.</source>
        <translation>The file does not start with the header %1.</translation>
    </message>
    <message>
        <source>Line %1 has %2 cells, the header %3.</source>
        <translation>Line %1 has %2 cells, the header %3.</translation>
    </message>
    <message>
        <source>Line %1: &apos;%2&apos; is no distance.</source>
        <translation>Line %1: &apos;%2&apos; is no distance.</translation>
    </message>
    <message>
        <source>Line %1, column %2: &apos;%3&apos; is no sample (-128..127).</source>
        <translation>Line %1, column %2: &apos;%3&apos; is no sample (-128..127).</translation>
    </message>
</context>
<context>
    <name>CursorControls</name>
    <message>
        <source>&quot;%1&quot; is not a distance in metres. The cursor stays at %2 m.</source>
        <translation>&quot;%1&quot; is not a distance in metres. The cursor stays at %2 m.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a distance in feet. The cursor stays at %2 ft.</source>
        <translation>&quot;%1&quot; is not a distance in feet. The cursor stays at %2 ft.</translation>
    </message>
</context>
<context>
    <name>CursorMarks</name>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>L = %1 m</source>
        <translation>L = %1 m</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation>%1 ft</translation>
    </message>
    <message>
        <source>L = %1 ft</source>
        <translation>L = %1 ft</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>No database file is registered for the data source %1.</source>
        <translation>No database file is registered for the data source %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for the database file %2.</source>
        <translation>Cannot create the folder %1 for the database file %2.</translation>
    </message>
    <message>
        <source>Cannot open the database</source>
        <translation>Cannot open the database</translation>
    </message>
    <message>
        <source>The data source %1 is not connected.</source>
        <translation>The data source %1 is not connected.</translation>
    </message>
    <message>
        <source>Cannot write to the database</source>
        <translation>Cannot write to the database</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>The file %1 already exists.</translation>
    </message>
    <message>
        <source>No number is left for a new record: the %1 %2 is taken, the largest there is. Nothing was added.</source>
        <translation>No number is left for a new record: the %1 %2 is taken, the largest there is. Nothing was added.</translation>
    </message>
</context>
<context>
    <name>DatabaseFile</name>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>The database file %1 does not exist.</translation>
    </message>
    <message>
        <source>The file %1 is an Access database of the earlier program. It can only be imported; it cannot be opened as a database of this program.</source>
        <translation>The file %1 is an Access database of the earlier program. It can only be imported; it cannot be opened as a database of this program.</translation>
    </message>
    <message>
        <source>The file %1 is not a database file of this program.</source>
        <translation>The file %1 is not a database file of this program.</translation>
    </message>
    <message>
        <source>The database file %1 cannot be read.</source>
        <translation>The database file %1 cannot be read.</translation>
    </message>
    <message>
        <source>The file %1 is empty (0 bytes): it holds no waveform library.</source>
        <translation>The file %1 is empty (0 bytes): it holds no waveform library.</translation>
    </message>
    <message>
        <source>%1 is not a waveform library: it holds no table master.</source>
        <translation>%1 is not a waveform library: it holds no table master.</translation>
    </message>
</context>
<context>
    <name>DeletedRows</name>
    <message>
        <source>Cannot keep the deleted row of %1 for undoing: %2</source>
        <translation>Cannot keep the deleted row of %1 for undoing: %2</translation>
    </message>
</context>
<context>
    <name>DeviceTransfers</name>
    <message>
        <source>Рефлектограммы не переданы (%1): %2</source>
        <translation>Waveforms not transferred (%1): %2</translation>
    </message>
    <message>
        <source>номер вне 0..255</source>
        <translation>number outside 0..255</translation>
    </message>
    <message>
        <source>нет полного блока данных</source>
        <translation>no complete data block</translation>
    </message>
</context>
<context>
    <name>DiskFull</name>
    <message>
        <source>the disk holding %1 is full</source>
        <translation>the disk holding %1 is full</translation>
    </message>
</context>
<context>
    <name>EcholonApplication</name>
    <message>
        <source>Unexpected error.</source>
        <translation>Unexpected error.</translation>
    </message>
</context>
<context>
    <name>ExactCopy</name>
    <message>
        <source>the field %1 holds %2, %3</source>
        <translation>the field %1 holds %2, %3</translation>
    </message>
    <message>
        <source>which is no whole number</source>
        <translation>which is no whole number</translation>
    </message>
    <message>
        <source>which is no finite number</source>
        <translation>which is no finite number</translation>
    </message>
    <message>
        <source>which is no text</source>
        <translation>which is no text</translation>
    </message>
    <message>
        <source>stored as bytes that are no valid UTF-8 text</source>
        <translation>stored as bytes that are no valid UTF-8 text</translation>
    </message>
    <message>
        <source>which is text, not samples</source>
        <translation>which is text, not samples</translation>
    </message>
    <message>
        <source>binary data (%1 bytes)</source>
        <translation>binary data (%1 bytes)</translation>
    </message>
</context>
<context>
    <name>ExchangeProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 of %2, about %3 left</source>
        <translation>%1 of %2, about %3 left</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON files (*.json)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG pictures (*.svg)</translation>
    </message>
    <message>
        <source>charts</source>
        <translation>charts</translation>
    </message>
    <message>
        <source>waveforms</source>
        <translation>waveforms</translation>
    </message>
    <message>
        <source>waveform %1</source>
        <translation>waveform %1</translation>
    </message>
    <message>
        <source>The charts could not be drawn into a picture.</source>
        <translation>The charts could not be drawn into a picture.</translation>
    </message>
    <message>
        <source>No waveform is selected: select one or mark several in the library.</source>
        <translation>No waveform is selected: select one or mark several in the library.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>The range of %1 cannot be placed on a distance axis: its column in %2 stays empty.</source>
        <translation>The range of %1 cannot be placed on a distance axis: its column in %2 stays empty.</translation>
    </message>
    <message>
        <source>Distances at PR %1, from the PR box.</source>
        <translation>Distances at PR %1, from the PR box.</translation>
    </message>
    <message>
        <source>Distances at each waveform&apos;s stored PR: %1.</source>
        <translation>Distances at each waveform&apos;s stored PR: %1.</translation>
    </message>
    <message>
        <source>Distances at PR %1, stored with each waveform.</source>
        <translation>Distances at PR %1, stored with each waveform.</translation>
    </message>
    <message>
        <source>Distances at PR %1, stored with the waveform.</source>
        <translation>Distances at PR %1, stored with the waveform.</translation>
    </message>
    <message>
        <source>Without a usable stored PR, at %1: %2.</source>
        <translation>Without a usable stored PR, at %1: %2.</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>Cannot write the export: %1</source>
        <translation>Cannot write the export: %1</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>The program folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1: its range cannot be placed on a distance axis; its column stays empty.</source>
        <translation>%1: its range cannot be placed on a distance axis; its column stays empty.</translation>
    </message>
    <message>
        <source>The library %1 holds no waveform with REC_ID %2.</source>
        <translation>The library %1 holds no waveform with REC_ID %2.</translation>
    </message>
    <message>
        <source>%1: it has no usable stored PR; its distances are at PR %2.</source>
        <translation>%1: it has no usable stored PR; its distances are at PR %2.</translation>
    </message>
    <message>
        <source>%1: its range cannot be placed on a distance axis; it has no events.</source>
        <translation>%1: its range cannot be placed on a distance axis; it has no events.</translation>
    </message>
</context>
<context>
    <name>FieldValue</name>
    <message>
        <source>&apos;%1&apos; is not a valid %2 value for the field %3</source>
        <translation>&apos;%1&apos; is not a valid %2 value for the field %3</translation>
    </message>
    <message>
        <source>integer</source>
        <translation>integer</translation>
    </message>
    <message>
        <source>floating point</source>
        <translation>floating point</translation>
    </message>
    <message>
        <source>boolean</source>
        <translation>boolean</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>InterruptedOperation</name>
    <message>
        <source>The record of an interrupted operation (%1) cannot be read and was removed: %2.</source>
        <translation>The record of an interrupted operation (%1) cannot be read and was removed: %2.</translation>
    </message>
    <message>
        <source>The last read of waveforms from the instrument was interrupted: %1 of %2 banks were not read (%3). Mark them in the exchange window and read them again.</source>
        <translation>The last read of waveforms from the instrument was interrupted: %1 of %2 banks were not read (%3). Mark them in the exchange window and read them again.</translation>
    </message>
    <message>
        <source>The last import of waveform files from %1 was interrupted: %2 of %3 files were not imported (%4).
Import these files now?</source>
        <translation>The last import of waveform files from %1 was interrupted: %2 of %3 files were not imported (%4).
Import these files now?</translation>
    </message>
    <message>
        <source>The last import of waveform files from %1 into %2 was interrupted: %3 files were not imported. They are offered at a start with %2 open.</source>
        <translation>The last import of waveform files from %1 into %2 was interrupted: %3 files were not imported. They are offered at a start with %2 open.</translation>
    </message>
</context>
<context>
    <name>Interruption</name>
    <message>
        <source>the instrument stopped answering</source>
        <translation>the instrument stopped answering</translation>
    </message>
    <message>
        <source>the line to the instrument was closed</source>
        <translation>the line to the instrument was closed</translation>
    </message>
    <message>
        <source>the serial adapter was unplugged</source>
        <translation>the serial adapter was unplugged</translation>
    </message>
    <message>
        <source>stopped by the user</source>
        <translation>stopped by the user</translation>
    </message>
    <message>
        <source>The exchange was interrupted: %1.</source>
        <translation>The exchange was interrupted: %1.</translation>
    </message>
    <message>
        <source>the connection to the instrument was lost: the adapter was unplugged or the instrument switched off</source>
        <translation>the connection to the instrument was lost: the adapter was unplugged or the instrument switched off</translation>
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
        <translation>  № wf</translation>
    </message>
    <message>
        <source>             waveform name</source>
        <translation>             waveform name</translation>
    </message>
    <message>
        <source>  scale</source>
        <translation>  scale</translation>
    </message>
    <message>
        <source>  pulse</source>
        <translation>  pulse</translation>
    </message>
    <message>
        <source>  gain</source>
        <translation>  gain</translation>
    </message>
    <message>
        <source> average</source>
        <translation> average</translation>
    </message>
    <message>
        <source> impedance</source>
        <translation> impedance</translation>
    </message>
    <message>
        <source>  PR</source>
        <translation>  PR</translation>
    </message>
    <message>
        <source>      save data</source>
        <translation>      date saved</translation>
    </message>
    <message>
        <source>  shift</source>
        <translation>  shift</translation>
    </message>
    <message>
        <source>  method</source>
        <translation>  method</translation>
    </message>
    <message>
        <source> threshold</source>
        <translation> threshold</translation>
    </message>
    <message>
        <source>  delay</source>
        <translation>  delay</translation>
    </message>
    <message>
        <source> cable type</source>
        <translation> cable type</translation>
    </message>
    <message>
        <source>  note</source>
        <translation>  note</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PR: a PR is a number from %2 to %3.</source>
        <translation>&quot;%1&quot; is not a PR: a PR is a number from %2 to %3.</translation>
    </message>
    <message>
        <source>PR %1 is outside %2 to %3: no cable has it, and Set PR would not take it.</source>
        <translation>PR %1 is outside %2 to %3: no cable has it, and Set PR would not take it.</translation>
    </message>
</context>
<context>
    <name>LibraryCopy</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no waveform library: %2</source>
        <translation>%1 holds no waveform library: %2</translation>
    </message>
    <message>
        <source>%1 has no field %2, which %3 holds.</source>
        <translation>%1 has no field %2, which %3 holds.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 already holds waveforms (%2 of them); a library is copied only into a new file or an empty library.</source>
        <translation>%1 already holds waveforms (%2 of them); a library is copied only into a new file or an empty library.</translation>
    </message>
    <message>
        <source>The waveform No %1 of %2 cannot be stored in %3: %4</source>
        <translation>The waveform No %1 of %2 cannot be stored in %3: %4</translation>
    </message>
</context>
<context>
    <name>LibraryFile</name>
    <message>
        <source>The waveform library %1 does not exist.</source>
        <translation>The waveform library %1 does not exist.</translation>
    </message>
    <message>
        <source>Cannot open the waveform library %1: %2</source>
        <translation>Cannot open the waveform library %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no waveform library: %2</source>
        <translation>%1 holds no waveform library: %2</translation>
    </message>
    <message>
        <source>Cannot read the waveform library %1: %2</source>
        <translation>Cannot read the waveform library %1: %2</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>%1 is a library in the Access format, which this program reads but never writes.
Convert it into a new library %2 and open that? The original stays as it is.</source>
        <translation>%1 is a library in the Access format, which this program reads but never writes.
Convert it into a new library %2 and open that? The original stays as it is.</translation>
    </message>
    <message>
        <source>Compare library emptied: 1 waveform of %1</source>
        <translation>Compare library emptied: 1 waveform of %1</translation>
    </message>
    <message>
        <source>Compare library emptied: %1 waveforms of %2</source>
        <translation>Compare library emptied: %1 waveforms of %2</translation>
    </message>
</context>
<context>
    <name>MainProgram</name>
    <message>
        <source>Open waveform</source>
        <translation>Open waveform</translation>
    </message>
    <message>
        <source>Waveforms (*.tdr)</source>
        <translation>Waveforms (*.tdr)</translation>
    </message>
    <message>
        <source>%1

Open the local library %2 instead? The server library %3 can be opened again later with Open database.</source>
        <translation>%1

Open the local library %2 instead? The server library %3 can be opened again later with Open database.</translation>
    </message>
    <message>
        <source>%1

Open the local library %2 for this run instead? %3 stays the registered library: the next start opens it again once it is back (a USB stick plugged in, a network folder reachable).</source>
        <translation>%1

Open the local library %2 for this run instead? %3 stays the registered library: the next start opens it again once it is back (a USB stick plugged in, a network folder reachable).</translation>
    </message>
</context>
<context>
    <name>MdbFile</name>
    <message>
        <source>%1: the file does not exist</source>
        <translation>%1: the file does not exist</translation>
    </message>
    <message>
        <source>%1: not an Access database file</source>
        <translation>%1: not an Access database file</translation>
    </message>
    <message>
        <source>%1: the Access database cannot be opened</source>
        <translation>%1: the Access database cannot be opened</translation>
    </message>
    <message>
        <source>%1: the table list of the Access database cannot be read</source>
        <translation>%1: the table list of the Access database cannot be read</translation>
    </message>
    <message>
        <source>%1: there is no table %2</source>
        <translation>%1: there is no table %2</translation>
    </message>
    <message>
        <source>%1: the columns of table %2 cannot be read</source>
        <translation>%1: the columns of table %2 cannot be read</translation>
    </message>
    <message>
        <source>%1: table %2 has no column %3</source>
        <translation>%1: table %2 has no column %3</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
</context>
<context>
    <name>OdbcRegistry</name>
    <message>
        <source>Cannot register the database file of %1 in %2: %3</source>
        <translation>Cannot register the database file of %1 in %2: %3</translation>
    </message>
</context>
<context>
    <name>OldMasterReader</name>
    <message>
        <source>%1: the file does not exist</source>
        <translation>%1: the file does not exist</translation>
    </message>
    <message>
        <source>%1: not a database file</source>
        <translation>%1: not a database file</translation>
    </message>
</context>
<context>
    <name>OperationJournal</name>
    <message>
        <source>the file is too large</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>the file is damaged or incomplete</translation>
    </message>
    <message>
        <source>the file names no known operation</source>
        <translation>the file names no known operation</translation>
    </message>
</context>
<context>
    <name>PacketAssembler</name>
    <message>
        <source>номер пакета %1 не меньше числа пакетов %2</source>
        <translation>packet number %1 is not less than the packet count %2</translation>
    </message>
    <message>
        <source>неверная длина пакета %1</source>
        <translation>wrong packet length %1</translation>
    </message>
    <message>
        <source>пакет %1 из %2 несёт %3 байт вместо %4</source>
        <translation>packet %1 of %2 carries %3 bytes instead of %4</translation>
    </message>
    <message>
        <source>пакет %1 из %2 пришёл не по порядку</source>
        <translation>packet %1 of %2 came out of order</translation>
    </message>
    <message>
        <source>packet %1 of %2 belongs to another answer (object %3, number %4 after object %5, number %6)</source>
        <translation>packet %1 of %2 belongs to another answer (object %3, number %4 after object %5, number %6)</translation>
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
        <translation>№ waveform</translation>
    </message>
    <message>
        <source>waveform dir.</source>
        <translation>waveform dir.</translation>
    </message>
    <message>
        <source>waveform name</source>
        <translation>waveform name</translation>
    </message>
    <message>
        <source>scale (m)</source>
        <translation>scale (m)</translation>
    </message>
    <message>
        <source>pulse (ns)</source>
        <translation>pulse (ns)</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>gain</translation>
    </message>
    <message>
        <source>impedance</source>
        <translation>impedance</translation>
    </message>
    <message>
        <source>average</source>
        <translation>average</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>shift</translation>
    </message>
    <message>
        <source>save PR</source>
        <translation>save PR</translation>
    </message>
    <message>
        <source>save data</source>
        <translation>date saved</translation>
    </message>
    <message>
        <source>methad</source>
        <translation>method</translation>
    </message>
    <message>
        <source>threshold</source>
        <translation>threshold</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>delay</translation>
    </message>
    <message>
        <source>shown waveform</source>
        <translation>shown waveform</translation>
    </message>
    <message>
        <source>compare %1</source>
        <translation>compare %1</translation>
    </message>
    <message>
        <source>scale (ft)</source>
        <translation>scale (ft)</translation>
    </message>
</context>
<context>
    <name>PgBackend</name>
    <message>
        <source>Cannot open the server library %1: %2</source>
        <translation>Cannot open the server library %1: %2</translation>
    </message>
    <message>
        <source>the PostgreSQL driver of Qt is not installed (package libqt6sql6-psql).</source>
        <translation>the PostgreSQL driver of Qt is not installed (package libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>Cannot create the tables in %1: %2</source>
        <translation>Cannot create the tables in %1: %2</translation>
    </message>
    <message>
        <source>The database %1 holds tables of another program and no waveform library. Choose an empty database or a library.</source>
        <translation>The database %1 holds tables of another program and no waveform library. Choose an empty database or a library.</translation>
    </message>
    <message>
        <source>Cannot confirm that the server keeps the waveform</source>
        <translation>Cannot confirm that the server keeps the waveform</translation>
    </message>
    <message>
        <source>%1 %2: the server cannot be reached; nothing was stored.
%3</source>
        <translation>%1 %2: the server cannot be reached; nothing was stored.
%3</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>the server closed the connection</translation>
    </message>
    <message>
        <source>The connection to the server library %1 is lost (%2). What is shown stays; nothing can be stored until the program has reconnected, which it tries every second.</source>
        <translation>The connection to the server library %1 is lost (%2). What is shown stays; nothing can be stored until the program has reconnected, which it tries every second.</translation>
    </message>
    <message>
        <source>this account may read but not change the crew library</source>
        <translation>this account may read but not change the crew library</translation>
    </message>
</context>
<context>
    <name>PlatformError</name>
    <message>
        <source>Access is denied: the device is in use by another program</source>
        <translation>Access is denied: the device is in use by another program</translation>
    </message>
    <message>
        <source>Access is denied: this user may not open the device. Run &quot;sudo usermod -aG dialout %1&quot;, then log out and in again</source>
        <translation>Access is denied: this user may not open the device. Run &quot;sudo usermod -aG dialout %1&quot;, then log out and in again</translation>
    </message>
</context>
<context>
    <name>PortChoices</name>
    <message>
        <source> (not connected)</source>
        <translation> (not connected)</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source> — on-board serial port</source>
        <translation> — on-board serial port</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB serial adapter</translation>
    </message>
</context>
<context>
    <name>PortSettings</name>
    <message>
        <source>определяется, пожалуйста подождите...</source>
        <translation>detecting, please wait...</translation>
    </message>
    <message>
        <source>!!!не определен!!!</source>
        <translation>!!!not detected!!!</translation>
    </message>
    <message>
        <source>Порт уже используется</source>
        <translation>The port is already in use</translation>
    </message>
    <message>
        <source>Порт не найден</source>
        <translation>Port not found</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2</source>
        <translation>Cannot write the settings file %1: %2</translation>
    </message>
</context>
<context>
    <name>PrControls</name>
    <message>
        <source>%1 PR stays %2.</source>
        <translation>%1 PR stays %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>PR %1 is outside %2 to %3.</source>
        <translation>PR %1 is outside %2 to %3.</translation>
    </message>
</context>
<context>
    <name>PrVelocity</name>
    <message>
        <source>%1 m/µs</source>
        <translation>%1 m/µs</translation>
    </message>
    <message>
        <source> (%1 ft/µs)</source>
        <translation> (%1 ft/µs)</translation>
    </message>
    <message>
        <source>%1, half %2</source>
        <translation>%1, half %2</translation>
    </message>
    <message>
        <source>%1 / %2 ft/µs</source>
        <translation>%1 / %2 ft/µs</translation>
    </message>
    <message>
        <source>%1 / %2 m/µs</source>
        <translation>%1 / %2 m/µs</translation>
    </message>
</context>
<context>
    <name>PrintAction</name>
    <message>
        <source>Рефлектометр импульсный KMX-417</source>
        <translation>Pulse reflectometer KMX-417</translation>
    </message>
    <message>
        <source>Time Domain Reflectometer KMX-419</source>
        <translation>Time Domain Reflectometer KMX-419</translation>
    </message>
</context>
<context>
    <name>ProgramLock</name>
    <message>
        <source>Cannot make the lock file in %1 (%2); other copies of the program are not kept off it.</source>
        <translation>Cannot make the lock file in %1 (%2); other copies of the program are not kept off it.</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Another copy of the program works on the program folder %1.</source>
        <translation>Another copy of the program works on the program folder %1.</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>process %1</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>process %1 on %2</translation>
    </message>
    <message>
        <source>Another copy of the program (%1) works on the program folder %2.
Close it first, or start this copy on another folder with --home DIR.</source>
        <translation>Another copy of the program (%1) works on the program folder %2.
Close it first, or start this copy on another folder with --home DIR.</translation>
    </message>
</context>
<context>
    <name>ReadoutLines</name>
    <message>
        <source>PR</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>length resolution</source>
        <translation>length resolution</translation>
    </message>
    <message>
        <source>zoom start point</source>
        <translation>zoom start point</translation>
    </message>
    <message>
        <source>К1</source>
        <translation>K1</translation>
    </message>
    <message>
        <source>К2</source>
        <translation>K2</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>velocity, half</source>
        <translation>velocity, half</translation>
    </message>
</context>
<context>
    <name>ReportFileName</name>
    <message>
        <source>report</source>
        <translation>report</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source> report</source>
        <translation> report</translation>
    </message>
    <message>
        <source>The report cannot be written to %1.</source>
        <translation>The report cannot be written to %1.</translation>
    </message>
    <message>
        <source>The report could not be completed in %1.</source>
        <translation>The report could not be completed in %1.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source> report</source>
        <translation> report</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>The report was written to %1.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>The report could not be written to %1.</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>No file name was given.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>Cannot add the field %1 to %2: %3</source>
        <translation>Cannot add the field %1 to %2: %3</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 is not a server address of the form postgresql://user@host:port/dbname.</source>
        <translation>%1 is not a server address of the form postgresql://user@host:port/dbname.</translation>
    </message>
    <message>
        <source>The address holds a password. The program never keeps passwords: put it in ~/.pgpass or PGPASSWORD and give the address without it.</source>
        <translation>The address holds a password. The program never keeps passwords: put it in ~/.pgpass or PGPASSWORD and give the address without it.</translation>
    </message>
    <message>
        <source>The address %1 names no database: add /dbname after the host.</source>
        <translation>The address %1 names no database: add /dbname after the host.</translation>
    </message>
    <message>
        <source>The port %1 in the address is not a port number.</source>
        <translation>The port %1 in the address is not a port number.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 on %2</translation>
    </message>
</context>
<context>
    <name>ServerTls</name>
    <message>
        <source>the server %1 offers no encrypted connection (TLS), which the address requires.</source>
        <translation>the server %1 offers no encrypted connection (TLS), which the address requires.</translation>
    </message>
    <message>
        <source>the server %1 offers no encrypted connection (TLS). The program reaches a server on another machine only encrypted; ask the server&apos;s keeper to turn TLS on, or add ?sslmode=disable to the address to connect unencrypted.</source>
        <translation>the server %1 offers no encrypted connection (TLS). The program reaches a server on another machine only encrypted; ask the server&apos;s keeper to turn TLS on, or add ?sslmode=disable to the address to connect unencrypted.</translation>
    </message>
</context>
<context>
    <name>ServerWatch</name>
    <message>
        <source>the server has not answered for a second</source>
        <translation>the server has not answered for a second</translation>
    </message>
</context>
<context>
    <name>StartupFolder</name>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: not a folder</translation>
    </message>
    <message>
        <source>%1: no such folder (not made: --no-create)</source>
        <translation>%1: no such folder (not made: --no-create)</translation>
    </message>
    <message>
        <source>%1: no such folder (not made without a display to ask; make it first)</source>
        <translation>%1: no such folder (not made without a display to ask; make it first)</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.
Make it and start with an empty waveform library?</source>
        <translation>The program folder %1 does not exist.
Make it and start with an empty waveform library?</translation>
    </message>
    <message>
        <source>%1: no such folder (not made)</source>
        <translation>%1: no such folder (not made)</translation>
    </message>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: cannot make the folder</translation>
    </message>
</context>
<context>
    <name>TDataModule1</name>
    <message>
        <source>The waveform database %1 cannot be opened; the previous one stays in use.
%2</source>
        <translation>The waveform database %1 cannot be opened; the previous one stays in use.
%2</translation>
    </message>
    <message>
        <source>The waveform library %1 cannot be opened: %2</source>
        <translation>The waveform library %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>The waveform database cannot be opened.
%1
%2</source>
        <translation>The waveform database cannot be opened.
%1
%2</translation>
    </message>
    <message>
        <source>%1 was left as it is: the backup %2 replaces only a missing library.</source>
        <translation>%1 was left as it is: the backup %2 replaces only a missing library.</translation>
    </message>
    <message>
        <source>The backup %1 could not be copied to %2.</source>
        <translation>The backup %1 could not be copied to %2.</translation>
    </message>
    <message>
        <source>After restoring %1 from %2: %3</source>
        <translation>After restoring %1 from %2: %3</translation>
    </message>
</context>
<context>
    <name>TExecutionCom</name>
    <message>
        <source>рефлектограмма № %1</source>
        <translation>waveform № %1</translation>
    </message>
    <message>
        <source>таблица КУ</source>
        <translation>PR table</translation>
    </message>
    <message>
        <source>Не сохранены данные прибора:
</source>
        <translation>Instrument data not stored:
</translation>
    </message>
    <message>
        <source>Сохранены, но могут быть повреждены:
</source>
        <translation>Stored, but may be damaged:
</translation>
    </message>
    <message>
        <source>прибор не передал данных</source>
        <translation>the instrument sent no data</translation>
    </message>
    <message>
        <source>The instrument&apos;s data was not stored: %1.</source>
        <translation>The instrument&apos;s data was not stored: %1.</translation>
    </message>
    <message>
        <source>%1 of %2 waveforms read from the instrument were not stored (banks %3): %4.</source>
        <translation>%1 of %2 waveforms read from the instrument were not stored (banks %3): %4.</translation>
    </message>
    <message>
        <source>рефлектограммы № %1</source>
        <translation>waveforms № %1</translation>
    </message>
    <message>
        <source>Stored in the library: waveforms № %1.</source>
        <translation>Stored in the library: waveforms № %1.</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>not read</translation>
    </message>
</context>
<context>
    <name>TForm2Columns</name>
    <message>
        <source>название</source>
        <translation>name</translation>
    </message>
    <message>
        <source>К.У.</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>№ рефл.</source>
        <translation>№ wf</translation>
    </message>
    <message>
        <source>имя рефлектограммы</source>
        <translation>waveform name</translation>
    </message>
    <message>
        <source>масш.</source>
        <translation>scale</translation>
    </message>
    <message>
        <source>дата записи</source>
        <translation>save date</translation>
    </message>
</context>
<context>
    <name>TRsCustomComm</name>
    <message>
        <source>Specified device not found (%1).</source>
        <translation>Specified device not found (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open specified device %1</source>
        <translation>Can&apos;t open specified device %1</translation>
    </message>
    <message>
        <source> (Error %d, %s)</source>
        <translation> (Error %d, %s)</translation>
    </message>
</context>
<context>
    <name>TableSource</name>
    <message>
        <source>Invalid table name &apos;%1&apos;.</source>
        <translation>Invalid table name &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot read the table %1 of %2: %3</source>
        <translation>Cannot read the table %1 of %2: %3</translation>
    </message>
    <message>
        <source>The database %1 has no table %2.</source>
        <translation>The database %1 has no table %2.</translation>
    </message>
    <message>
        <source>The table %1 of %2 has no field %3.</source>
        <translation>The table %1 of %2 has no field %3.</translation>
    </message>
    <message>
        <source>Cannot read the field %1 from %2: %3</source>
        <translation>Cannot read the field %1 from %2: %3</translation>
    </message>
    <message>
        <source>The new record of %1 in %2 cannot be found.</source>
        <translation>The new record of %1 in %2 cannot be found.</translation>
    </message>
    <message>
        <source>The record of %1 in %2 no longer exists; the change was not stored.</source>
        <translation>The record of %1 in %2 no longer exists; the change was not stored.</translation>
    </message>
    <message>
        <source>The table %1 of %2 holds too many rows.</source>
        <translation>The table %1 of %2 holds too many rows.</translation>
    </message>
</context>
<context>
    <name>TdrFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>the file cannot be opened (%1)</translation>
    </message>
    <message>
        <source>the file is too large for a waveform file (%1 bytes)</source>
        <translation>the file is too large for a waveform file (%1 bytes)</translation>
    </message>
</context>
<context>
    <name>TdrFolderImport</name>
    <message>
        <source>These waveform files were not imported:</source>
        <translation>These waveform files were not imported:</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... and %1 more</translation>
    </message>
    <message>
        <source>%1 of %2 waveform files were not stored (%3): %4.</source>
        <translation>%1 of %2 waveform files were not stored (%3): %4.</translation>
    </message>
    <message>
        <source>The import stopped: %1 waveform files were stored, %2 were not (%3); these are offered for import at the next start.
%4</source>
        <translation>The import stopped: %1 waveform files were stored, %2 were not (%3); these are offered for import at the next start.
%4</translation>
    </message>
    <message>
        <source>%1: its name is not valid UTF-8 (written by another system); rename it to import it</source>
        <translation>%1: its name is not valid UTF-8 (written by another system); rename it to import it</translation>
    </message>
    <message>
        <source>1 waveform imported from %1</source>
        <translation>1 waveform imported from %1</translation>
    </message>
    <message>
        <source>%1 waveforms imported from %2</source>
        <translation>%1 waveforms imported from %2</translation>
    </message>
    <message>
        <source>1 file skipped: %1</source>
        <translation>1 file skipped: %1</translation>
    </message>
    <message>
        <source>%1 files skipped: %2</source>
        <translation>%1 files skipped: %2</translation>
    </message>
</context>
<context>
    <name>TdrHeader</name>
    <message>
        <source>%1 index %2 is outside 0..%3</source>
        <translation>%1 index %2 is outside 0..%3</translation>
    </message>
    <message>
        <source>the file is shorter than %1 bytes (%2 bytes)</source>
        <translation>the file is shorter than %1 bytes (%2 bytes)</translation>
    </message>
    <message>
        <source>pulse width</source>
        <translation>pulse width</translation>
    </message>
    <message>
        <source>range</source>
        <translation>range</translation>
    </message>
    <message>
        <source>averaging</source>
        <translation>averaging</translation>
    </message>
    <message>
        <source>propagation ratio word %1 is not above zero</source>
        <translation>propagation ratio word %1 is not above zero</translation>
    </message>
</context>
<context>
    <name>TypeCommands</name>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Open waveform</source>
        <translation>Open waveform</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Connect...</translation>
    </message>
    <message>
        <source>Open waveporm...</source>
        <translation>Open waveporm...</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source> ft</source>
        <translation> ft</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
</context>
<context>
    <name>WaveformConversions</name>
    <message>
        <source>блок данных короче нужного (%1 байт из %2)</source>
        <translation>the data block is too short (%1 bytes of %2)</translation>
    </message>
    <message>
        <source>%1 %2 вне таблицы</source>
        <translation>%1 %2 outside the table</translation>
    </message>
    <message>
        <source>ячейка памяти прибора пуста</source>
        <translation>the instrument memory bank is empty</translation>
    </message>
    <message>
        <source>код масштаба</source>
        <translation>scale code</translation>
    </message>
    <message>
        <source>код длительности импульса</source>
        <translation>pulse width code</translation>
    </message>
    <message>
        <source>код накопления</source>
        <translation>averaging code</translation>
    </message>
    <message>
        <source>код КУ равен 0</source>
        <translation>PR code is 0</translation>
    </message>
    <message>
        <source>контрольная сумма не совпадает, данные могут быть повреждены</source>
        <translation>the checksum does not match, the data may be damaged</translation>
    </message>
</context>
<context>
    <name>WaveformNote</name>
    <message>
        <source>Select a waveform in the library first; a note belongs to one waveform.</source>
        <translation>Select a waveform in the library first; a note belongs to one waveform.</translation>
    </message>
    <message>
        <source>its waveform table has no field %1.</source>
        <translation>its waveform table has no field %1.</translation>
    </message>
    <message>
        <source>The library %1 cannot keep notes: %2</source>
        <translation>The library %1 cannot keep notes: %2</translation>
    </message>
    <message>
        <source>The library %1 is read-only: the note cannot be stored. Copy the file to a folder you may write to and open the copy.</source>
        <translation>The library %1 is read-only: the note cannot be stored. Copy the file to a folder you may write to and open the copy.</translation>
    </message>
    <message>
        <source>№ %1 %2</source>
        <translation>№ %1 %2</translation>
    </message>
    <message>
        <source>The note has %1 characters; the library keeps at most %2. Shorten it.</source>
        <translation>The note has %1 characters; the library keeps at most %2. Shorten it.</translation>
    </message>
</context>
<context>
    <name>WireLog</name>
    <message>
        <source>cannot write the wire log %1: %2</source>
        <translation>cannot write the wire log %1: %2</translation>
    </message>
</context>
<context>
    <name>app::ExportSizeDialog</name>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>Picture width</source>
        <translation>Picture width</translation>
    </message>
    <message>
        <source>Picture height</source>
        <translation>Picture height</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
</context>
<context>
    <name>app::LibraryConnectionNotice</name>
    <message>
        <source>Library not reachable</source>
        <translation>Library not reachable</translation>
    </message>
    <message>
        <source>%1 - not reachable</source>
        <translation>%1 - not reachable</translation>
    </message>
    <message>
        <source>The library %1 answers again.</source>
        <translation>The library %1 answers again.</translation>
    </message>
</context>
<context>
    <name>app::OpenLibraryDialog</name>
    <message>
        <source>Open database</source>
        <translation>Open database</translation>
    </message>
    <message>
        <source>Library location</source>
        <translation>Library location</translation>
    </message>
    <message>
        <source>Databases (*.db *.mdb)</source>
        <translation>Databases (*.db *.mdb)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Server address:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>The password is taken from ~/.pgpass or the PGPASSWORD environment variable; it is never written into the address or the settings.</source>
        <translation>The password is taken from ~/.pgpass or the PGPASSWORD environment variable; it is never written into the address or the settings.</translation>
    </message>
    <message>
        <source>Opened last:</source>
        <translation>Opened last:</translation>
    </message>
    <message>
        <source>Server libraries opened last</source>
        <translation>Server libraries opened last</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <source>Exit?</source>
        <translation>Exit?</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open database...</source>
        <translation>Open database...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Undo delete</source>
        <translation>Undo delete</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Approximation</source>
        <translation>Approximation</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Device connect settings...</source>
        <translation>Device connect settings...</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Connect...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Open database</source>
        <translation>Open database</translation>
    </message>
    <message>
        <source>To open a database</source>
        <translation>To open a database</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>To print the report</source>
        <translation>To print the report</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Import waveform</source>
        <translation>Import waveform</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>To open a waveforms </source>
        <translation>Open waveforms </translation>
    </message>
    <message>
        <source>To display with approximation</source>
        <translation>To display with approximation</translation>
    </message>
    <message>
        <source>To show the second screen</source>
        <translation>To show the second screen</translation>
    </message>
    <message>
        <source> Type </source>
        <translation> Type </translation>
    </message>
    <message>
        <source>Device type selection</source>
        <translation>Device type selection</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source> K1 </source>
        <translation> K1 </translation>
    </message>
    <message>
        <source> К2 </source>
        <translation> K2 </translation>
    </message>
    <message>
        <source>K1 back</source>
        <translation>K1 back</translation>
    </message>
    <message>
        <source>K1 forward</source>
        <translation>K1 forward</translation>
    </message>
    <message>
        <source>K2 back</source>
        <translation>K2 back</translation>
    </message>
    <message>
        <source>K2 forward</source>
        <translation>K2 forward</translation>
    </message>
    <message>
        <source>K1 distance</source>
        <translation>K1 distance</translation>
    </message>
    <message>
        <source>K2 distance</source>
        <translation>K2 distance</translation>
    </message>
    <message>
        <source>Distance between cursors</source>
        <translation>Distance between cursors</translation>
    </message>
    <message>
        <source>Decrement PR</source>
        <translation>Decrement PR</translation>
    </message>
    <message>
        <source>Increment PR</source>
        <translation>Increment PR</translation>
    </message>
    <message>
        <source>PR</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>Set PR</source>
        <translation>Set PR</translation>
    </message>
    <message>
        <source>Vertical Offset</source>
        <translation>Vertical Offset</translation>
    </message>
    <message>
        <source>Vertical offset</source>
        <translation>Vertical offset</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Clear zoom</source>
        <translation>Clear zoom</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Zoom factor</translation>
    </message>
    <message>
        <source> L </source>
        <translation> L </translation>
    </message>
    <message>
        <source> PR </source>
        <translation> PR </translation>
    </message>
    <message>
        <source> Offset </source>
        <translation> Offset </translation>
    </message>
    <message>
        <source> Zoom </source>
        <translation> Zoom </translation>
    </message>
    <message>
        <source>PR list</source>
        <translation>PR list</translation>
    </message>
    <message>
        <source>First PR</source>
        <translation>First PR</translation>
    </message>
    <message>
        <source>Previous PR</source>
        <translation>Previous PR</translation>
    </message>
    <message>
        <source>Next PR</source>
        <translation>Next PR</translation>
    </message>
    <message>
        <source>Last PR</source>
        <translation>Last PR</translation>
    </message>
    <message>
        <source>Add PR</source>
        <translation>Add PR</translation>
    </message>
    <message>
        <source>Delete PR</source>
        <translation>Delete PR</translation>
    </message>
    <message>
        <source>Compare waveforms library</source>
        <translation>Compare waveforms library</translation>
    </message>
    <message>
        <source>First waveform</source>
        <translation>First waveform</translation>
    </message>
    <message>
        <source>Previous waveform</source>
        <translation>Previous waveform</translation>
    </message>
    <message>
        <source>Next waveform</source>
        <translation>Next waveform</translation>
    </message>
    <message>
        <source>Last waveform</source>
        <translation>Last waveform</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete waveform</source>
        <translation>Delete waveform</translation>
    </message>
    <message>
        <source>Wavefroms library</source>
        <translation>Waveforms library</translation>
    </message>
    <message>
        <source>Waveform library</source>
        <translation>Waveform library</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Add in &quot;Compare waveforms library&quot;</source>
        <translation>Add in &quot;Compare waveforms library&quot;</translation>
    </message>
    <message>
        <source>Export waveform as CSV...</source>
        <translation>Export waveform as CSV...</translation>
    </message>
    <message>
        <source>Export waveform as JSON...</source>
        <translation>Export waveform as JSON...</translation>
    </message>
    <message>
        <source>Export charts as PNG...</source>
        <translation>Export charts as PNG...</translation>
    </message>
    <message>
        <source>Export charts as SVG...</source>
        <translation>Export charts as SVG...</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>The shown waveform minus the waveform selected in the compare table, on the lower chart</source>
        <translation>The shown waveform minus the waveform selected in the compare table, on the lower chart</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>The shown waveform&apos;s launch end, echoes and line end, in a table and on the charts</source>
        <translation>The shown waveform&apos;s launch end, echoes and line end, in a table and on the charts</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Metres</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Feet</translation>
    </message>
</context>
<context>
    <name>app::WindowState</name>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Connect...</translation>
    </message>
</context>
<context>
    <name>app::controls::TraceControlsWiring</name>
    <message>
        <source>Type a distance in metres and press Enter to put K1 there</source>
        <translation>Type a distance in metres and press Enter to put K1 there</translation>
    </message>
    <message>
        <source>Type a distance in metres and press Enter to put K2 there</source>
        <translation>Type a distance in metres and press Enter to put K2 there</translation>
    </message>
    <message>
        <source>Type a PR from 1,000 to 3,000 and press Enter</source>
        <translation>Type a PR from 1,000 to 3,000 and press Enter</translation>
    </message>
    <message>
        <source>Type a distance in feet and press Enter to put K1 there</source>
        <translation>Type a distance in feet and press Enter to put K1 there</translation>
    </message>
    <message>
        <source>Type a distance in feet and press Enter to put K2 there</source>
        <translation>Type a distance in feet and press Enter to put K2 there</translation>
    </message>
    <message>
        <source>PR %1: propagation velocity %2</source>
        <translation>PR %1: propagation velocity %2</translation>
    </message>
    <message>
        <source>Click: put the active cursor (the bold one; click K1 or K2 to choose it) here. Right click or Shift+click: put the other one here.
Drag a cursor line to move it; Left/Right move the active cursor.</source>
        <translation>Click: put the active cursor (the bold one; click K1 or K2 to choose it) here. Right click or Shift+click: put the other one here.
Drag a cursor line to move it; Left/Right move the active cursor.</translation>
    </message>
</context>
<context>
    <name>app::events::EventTableModel</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarity</translation>
    </message>
</context>
<context>
    <name>app::events::WaveformEvents</name>
    <message>
        <source>launch end</source>
        <translation>launch end</translation>
    </message>
    <message>
        <source>reflection</source>
        <translation>reflection</translation>
    </message>
    <message>
        <source>end of line</source>
        <translation>end of line</translation>
    </message>
    <message>
        <source>up: open</source>
        <translation>up: open</translation>
    </message>
    <message>
        <source>down: short</source>
        <translation>down: short</translation>
    </message>
    <message>
        <source>Events:</source>
        <translation>Events:</translation>
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
        <translation>Waveform library — press Connect to read waveforms from the instrument, or Import</translation>
    </message>
    <message>
        <source>Compare library — mark waveforms in the library below and press Add</source>
        <translation>Compare library — mark waveforms in the library below and press Add</translation>
    </message>
    <message>
        <source>Cable types and their PR — press + to add one</source>
        <translation>Cable types and their PR — press + to add one</translation>
    </message>
    <message>
        <source>Note...</source>
        <translation>Note...</translation>
    </message>
    <message>
        <source>Waveform library — press Open waveform to add waveform files (.tdr)</source>
        <translation>Waveform library — press Open waveform to add waveform files (.tdr)</translation>
    </message>
</context>
<context>
    <name>exchange::ExchangeEngine</name>
    <message>
        <source>Устройство не отвечает! Операция прервана.</source>
        <translation>The instrument does not answer! The operation was interrupted.</translation>
    </message>
    <message>
        <source>Установка связи </source>
        <translation>Connecting </translation>
    </message>
    <message>
        <source>Чтение </source>
        <translation>Reading </translation>
    </message>
    <message>
        <source>Запись </source>
        <translation>Writing </translation>
    </message>
    <message>
        <source>Импорт </source>
        <translation>Importing </translation>
    </message>
    <message>
        <source>рефлектограммы № </source>
        <translation>waveform № </translation>
    </message>
    <message>
        <source>таблицы КУ </source>
        <translation>PR table </translation>
    </message>
    <message>
        <source>файла помощи </source>
        <translation>help file </translation>
    </message>
    <message>
        <source>списка рефлектограмм </source>
        <translation>waveform list </translation>
    </message>
    <message>
        <source>( пакет %1 из %2 )</source>
        <translation>( packet %1 of %2 )</translation>
    </message>
    <message>
        <source>The exchange was stopped by the user: %1 of %2 done.</source>
        <translation>The exchange was stopped by the user: %1 of %2 done.</translation>
    </message>
    <message>
        <source>неверная строка команды &quot;%1&quot;</source>
        <translation>invalid command line &quot;%1&quot;</translation>
    </message>
    <message>
        <source>неизвестный код команды CODE_CMD==</source>
        <translation>unknown command code CODE_CMD==</translation>
    </message>
    <message>
        <source>блок для записи короче %1 байт (%2)</source>
        <translation>the block to write is shorter than %1 bytes (%2)</translation>
    </message>
    <message>
        <source>блок для записи длиннее %1 байт (%2)</source>
        <translation>the block to write is longer than %1 bytes (%2)</translation>
    </message>
    <message>
        <source>неизвестный тип прибора DEV_TYPE==</source>
        <translation>unknown instrument type DEV_TYPE==</translation>
    </message>
    <message>
        <source>ответ прибора не по протоколу: </source>
        <translation>the instrument answer breaks the protocol: </translation>
    </message>
    <message>
        <source>no answer for %1 ms (%2 bytes of an answer came)</source>
        <translation>no answer for %1 ms (%2 bytes of an answer came)</translation>
    </message>
    <message>
        <source> - успешно</source>
        <translation> - done</translation>
    </message>
    <message>
        <source>код ответа %1</source>
        <translation>answer code %1</translation>
    </message>
    <message>
        <source>the answer was damaged twice (its checksum does not match)</source>
        <translation>the answer was damaged twice (its checksum does not match)</translation>
    </message>
</context>
<context>
    <name>exchange::TForm2</name>
    <message>
        <source>Первый КУ</source>
        <translation>First PR</translation>
    </message>
    <message>
        <source>Предыдущий КУ</source>
        <translation>Previous PR</translation>
    </message>
    <message>
        <source>Следующий КУ</source>
        <translation>Next PR</translation>
    </message>
    <message>
        <source>Последний КУ</source>
        <translation>Last PR</translation>
    </message>
    <message>
        <source>Добавить КУ</source>
        <translation>Add PR</translation>
    </message>
    <message>
        <source>Удалить КУ</source>
        <translation>Delete PR</translation>
    </message>
    <message>
        <source>Первая рефлектограмма</source>
        <translation>First waveform</translation>
    </message>
    <message>
        <source>Предыдущая рефлектограмма</source>
        <translation>Previous waveform</translation>
    </message>
    <message>
        <source>Следующая рефлектограмма</source>
        <translation>Next waveform</translation>
    </message>
    <message>
        <source>Последняя рефлектограмма</source>
        <translation>Last waveform</translation>
    </message>
    <message>
        <source>connect with device</source>
        <translation>connect with device</translation>
    </message>
    <message>
        <source>БАЗА ДАННЫХ</source>
        <translation>DATABASE</translation>
    </message>
    <message>
        <source>PR list</source>
        <translation>PR list</translation>
    </message>
    <message>
        <source>Waveform library</source>
        <translation>Waveform library</translation>
    </message>
    <message>
        <source>ПРИБОР</source>
        <translation>INSTRUMENT</translation>
    </message>
    <message>
        <source>Instrument PR table</source>
        <translation>Instrument PR table</translation>
    </message>
    <message>
        <source>Instrument waveforms</source>
        <translation>Instrument waveforms</translation>
    </message>
    <message>
        <source>Открыть </source>
        <translation>Open </translation>
    </message>
    <message>
        <source>Открыть базу данных рефлектограмм</source>
        <translation>Open a waveform database</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Обновить связь с прибором</source>
        <translation>Refresh the connection with the instrument</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Выбор типа прибора</source>
        <translation>Instrument type selection</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Завершить связь с прибором</source>
        <translation>End the connection with the instrument</translation>
    </message>
    <message>
        <source>КУ ▼</source>
        <translation>PR ▼</translation>
    </message>
    <message>
        <source>Записать выделенные КУ в прибор</source>
        <translation>Write the marked PRs to the instrument</translation>
    </message>
    <message>
        <source>Записать выделенные рефлектограммы в прибор</source>
        <translation>Write the marked waveforms to the instrument</translation>
    </message>
    <message>
        <source>Прочитать выделенные рефлектограммы из прибора</source>
        <translation>Read the marked waveforms from the instrument</translation>
    </message>
    <message>
        <source>Waveform database (*.db *.mdb)</source>
        <translation>Waveform database (*.db *.mdb)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>exchange::TfrmChkDev</name>
    <message>
        <source>Настройка параметров связи</source>
        <translation>Connection settings</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Тип прибора:</source>
        <translation>Instrument type:</translation>
    </message>
    <message>
        <source>Определить тип</source>
        <translation>Detect type</translation>
    </message>
    <message>
        <source>показывать это окно перед сеансом связи</source>
        <translation>show this window before a connection</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Связь</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>exchange::TfrmComm</name>
    <message>
        <source>Идет обмен данными...</source>
        <translation>Exchanging data...</translation>
    </message>
    <message>
        <source>Packets of the command</source>
        <translation>Packets of the command</translation>
    </message>
    <message>
        <source>Commands of the list</source>
        <translation>Commands of the list</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>report::Tform_print</name>
    <message>
        <source>Рефлектометр импульсный KM-41A   v.4</source>
        <translation>Pulse reflectometer KM-41A   v.4</translation>
    </message>
    <message>
        <source>Printed:</source>
        <translation>Printed:</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... and %1 more</translation>
    </message>
</context>
<context>
    <name>tools::ImportCore</name>
    <message>
        <source>Источник данных %1 не зарегистрирован: выберите файл %2.</source>
        <translation>The data source %1 is not registered: choose the file %2.</translation>
    </message>
    <message>
        <source>В файле %1 не найдено ни одной записи. Импорт данного файла не возможен.</source>
        <translation>No records were found in the file %1. This file cannot be imported.</translation>
    </message>
    <message>
        <source>Обнаружено %1 записей. Нажмите кнопку Старт для обработки.</source>
        <translation>%1 records found. Press Start to process them.</translation>
    </message>
    <message>
        <source>Обработано %1 записей из %2</source>
        <translation>%1 of %2 records processed</translation>
    </message>
    <message>
        <source>, пропущено %1 (нет данных или номера)</source>
        <translation>, %1 passed over (no data or number)</translation>
    </message>
    <message>
        <source>!!! не задан !!!</source>
        <translation>(not chosen)</translation>
    </message>
    <message>
        <source>Один или несколько файлов базы данных не найдены в указанной директории. Импорт невозможен.</source>
        <translation>One or more database files were not found in the given folder. Import is not possible.</translation>
    </message>
</context>
<context>
    <name>tools::TfrmAbout</name>
    <message>
        <source>About... </source>
        <translation>About... </translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Supplier</source>
        <translation>Supplier</translation>
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
        <translation>Edit waveform name</translation>
    </message>
    <message>
        <source>Waveform name</source>
        <translation>Waveform name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>tools::TfrmImport</name>
    <message>
        <source>Импорт данных из ранней версии Echolon</source>
        <translation>Import of data from an earlier Echolon version</translation>
    </message>
    <message>
        <source>Версия Echolon</source>
        <translation>Echolon version</translation>
    </message>
    <message>
        <source>Путь к файлам БД</source>
        <translation>Path to the database files</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Открыть файл(ы) БД для импортирования</source>
        <translation>Open the database file(s) to import</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Import progress</translation>
    </message>
    <message>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Начать обработку файла</source>
        <translation>Start processing the file</translation>
    </message>
    <message>
        <source>Записать в БД</source>
        <translation>Store in the database</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tools::WaveformNoteDialog</name>
    <message>
        <source>Waveform note</source>
        <translation>Waveform note</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>What was found, where the crew dug…</source>
        <translation>What was found, where the crew dug…</translation>
    </message>
    <message>
        <source>Enter starts a new line; Ctrl+Enter stores the note.</source>
        <translation>Enter starts a new line; Ctrl+Enter stores the note.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Note on waveform %1</source>
        <translation>Note on waveform %1</translation>
    </message>
</context>
<context>
    <name>trace::ChartSet</name>
    <message>
        <source>Waveform overview</source>
        <translation>Waveform overview</translation>
    </message>
    <message>
        <source>Waveform detail</source>
        <translation>Waveform detail</translation>
    </message>
    <message>
        <source>Report waveform overview</source>
        <translation>Report waveform overview</translation>
    </message>
    <message>
        <source>Report waveform detail</source>
        <translation>Report waveform detail</translation>
    </message>
</context>
<context>
    <name>trace::DifferenceTrace</name>
    <message>
        <source>№ %1 minus № %2</source>
        <translation>№ %1 minus № %2</translation>
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
        <translation>amplitude</translation>
    </message>
    <message>
        <source> № %1</source>
        <translation> № %1</translation>
    </message>
    <message>
        <source>scale, (m)</source>
        <translation>distance, m</translation>
    </message>
    <message>
        <source> ниж.</source>
        <translation> lower</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>K1</source>
        <translation>K1</translation>
    </message>
    <message>
        <source>K2</source>
        <translation>K2</translation>
    </message>
    <message>
        <source>  ниж.</source>
        <translation>  lower</translation>
    </message>
    <message>
        <source>scale, (ft)</source>
        <translation>distance, ft</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>difference</translation>
    </message>
</context>
<context>
    <name>trace::TraceNumbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid propagation ratio (PR must be above zero)</source>
        <translation>&apos;%1&apos; is not a valid propagation ratio (PR must be above zero)</translation>
    </message>
</context>
<context>
    <name>trace::TraceView</name>
    <message>
        <source>The waveform cannot be read while its library is not reachable</source>
        <translation>The waveform cannot be read while its library is not reachable</translation>
    </message>
    <message>
        <source>PR %1 is not above zero: the waveforms are not drawn</source>
        <translation>PR %1 is not above zero: the waveforms are not drawn</translation>
    </message>
</context>
</TS>
