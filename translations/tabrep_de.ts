<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CategoryPage</name>
    <message>
        <source>Report Information</source>
        <translation>Informationen im Bericht</translation>
    </message>
    <message>
        <source>Select the type of information to be included on the report. All reports will allow you to select from the Biographical Information fields.</source>
        <translation>Wählen Sie, welche Informationen der Bericht enthalten soll. In allen Berichten können Sie aus den Feldern der biografischen Angaben wählen.</translation>
    </message>
    <message>
        <source>Contact Information Only</source>
        <translation>Nur Kontaktinformationen</translation>
    </message>
    <message>
        <source>First Name, Last Name, User Fields, etc.</source>
        <translation>Vorname, Nachname, Benutzerfelder usw.</translation>
    </message>
    <message>
        <source>Include Basic Event Fields</source>
        <translation>Mit allgemeinen Ereignisfeldern</translation>
    </message>
    <message>
        <source>Event Time, Event Date, Summary, etc.</source>
        <translation>Uhrzeit und Datum des Ereignisses, Zusammenfassung usw.</translation>
    </message>
    <message>
        <source>Include Note Fields</source>
        <translation>Mit Notizfeldern</translation>
    </message>
    <message>
        <source>Note Time, Note Date, etc.</source>
        <translation>Uhrzeit und Datum der Notiz usw.</translation>
    </message>
    <message>
        <source>Include Call Event Fields</source>
        <translation>Mit Feldern der Anrufe</translation>
    </message>
    <message>
        <source>Phone Call Time, Duration, etc.</source>
        <translation>Uhrzeit des Anrufs, Dauer usw.</translation>
    </message>
    <message>
        <source>Include Letter Event Fields</source>
        <translation>Mit Feldern der Briefe</translation>
    </message>
    <message>
        <source>Filename, Summary, etc.</source>
        <translation>Dateiname, Zusammenfassung usw.</translation>
    </message>
    <message>
        <source>Include Meetings Event Fields</source>
        <translation>Mit Feldern der Besprechungen</translation>
    </message>
    <message>
        <source>Location, Meeting Time, etc.</source>
        <translation>Ort, Uhrzeit der Besprechung usw.</translation>
    </message>
    <message>
        <source>Include To-do Fields</source>
        <translation>Mit Feldern der Aufgaben</translation>
    </message>
    <message>
        <source>Summary, To-Do Time, To-Do Date, etc.</source>
        <translation>Zusammenfassung, Uhrzeit und Datum der Aufgabe usw.</translation>
    </message>
    <message>
        <source>Include Sales Fields</source>
        <translation>Mit Feldern der Verkäufe</translation>
    </message>
    <message>
        <source>Summary, Sales Time, Sales Amount, etc.</source>
        <translation>Zusammenfassung, Uhrzeit und Betrag des Verkaufs usw.</translation>
    </message>
    <message>
        <source>Include Quote Fields</source>
        <translation>Mit Feldern der Angebote</translation>
    </message>
    <message>
        <source>Summary, Quote Date Quote Amount, etc.</source>
        <translation>Zusammenfassung, Datum und Betrag des Angebots usw.</translation>
    </message>
</context>
<context>
    <name>ColumnCheck</name>
    <message>
        <source>There are overlaps for right margin %1</source>
        <extracomment>%1: the first position out of place, in tenths of an inch</extracomment>
        <translation>Es gibt Überschneidungen beim rechten Rand %1</translation>
    </message>
    <message>
        <source>LEFT Margin is greater than RIGHT margin</source>
        <extracomment>A field ends before it starts</extracomment>
        <translation>Der LINKE Rand liegt hinter dem RECHTEN Rand</translation>
    </message>
    <message>
        <source>RIGHT margin greater than Right margin MAX of %1</source>
        <extracomment>%1: the printable width, in tenths of an inch</extracomment>
        <translation>RECHTER Rand größer als der höchste rechte Rand %1</translation>
    </message>
</context>
<context>
    <name>ColumnLayout</name>
    <message>
        <source>You cannot have more than 18 fields!</source>
        <translation>Sie können nicht mehr als 18 Felder haben!</translation>
    </message>
</context>
<context>
    <name>ColumnLayoutView</name>
    <message>
        <source>No line</source>
        <extracomment>The band of the column layout for fields on no line of the report</extracomment>
        <translation>Keine Zeile</translation>
    </message>
</context>
<context>
    <name>ColumnWidthsPage</name>
    <message>
        <source>Column Widths</source>
        <translation>Spaltenbreiten</translation>
    </message>
    <message>
        <source>Type in the starting and ending widths of each of the columns. Note: The units are in tenths of inches.</source>
        <translation>Geben Sie für jede Spalte die Anfangs- und die Endposition ein. Hinweis: Die Einheit ist ein Zehntelzoll.</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>If a field starts at 25 that means that it will start at 2.5 inches from the left edge of the report.</source>
        <translation>Beginnt ein Feld bei 25, so beginnt es 2,5 Zoll vom linken Rand des Berichts.</translation>
    </message>
    <message>
        <source>Check Columns</source>
        <translation>Spalten prüfen</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Starting At</source>
        <translation>Beginnt bei</translation>
    </message>
    <message>
        <source>Ending At</source>
        <translation>Endet bei</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Columns appear OK.</source>
        <translation>Die Spalten scheinen in Ordnung zu sein.</translation>
    </message>
</context>
<context>
    <name>ColumnsPage</name>
    <message>
        <source>Column and Rows</source>
        <translation>Spalten und Zeilen</translation>
    </message>
    <message>
        <source>Select the number of columns in this report. Multiple rows are allowed and will be created automatically.</source>
        <translation>Wählen Sie die Zahl der Spalten dieses Berichts. Mehrere Zeilen sind erlaubt und werden von selbst angelegt.</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>You have selected the CustomID field. This will automatically appear in the first column.</source>
        <translation>Sie haben das Feld CustomID gewählt. Es erscheint von selbst in der ersten Spalte.</translation>
    </message>
    <message>
        <source>BLANK</source>
        <translation>LEER</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tabrep [-h | --help | --version] [Qt options such as -platform NAME or -style NAME]
</source>
        <translation>Aufruf: tabrep [-h | --help | --version] [Optionen von Qt wie -platform NAME oder -style NAME]
</translation>
    </message>
    <message>
        <source>
tabrep is the report wizard of the Omnivale contact manager; its window is
titled &quot;Tabulon Personal&quot;. Eleven pages lead to &quot;Make Report&quot;, which writes a
report definition file that the contact manager&apos;s Reports screen runs; existing
reports can be modified, copied, given new column widths or deleted.

The contact manager&apos;s Paradox tables (CONTACT.DB, EVENT.DB, DATABASE.DB) are
found through the database alias OMNIV, defined in the alias file
  $XDG_CONFIG_HOME/tabulon/aliases.ini (by default ~/.config/tabulon/aliases.ini;
  here %1)
one INI section per alias, with the directory on its PATH= line:
  [OMNIV]
  PATH=/home/me/omnivale/data
A relative PATH= is taken against the directory tabrep was started in (from the
desktop&apos;s menu, usually the home folder).

Reports are written to that same directory, one NAME.rpt file each (plain text,
names of up to eight characters), beside the working table TRDATA.DB that the
wizard keeps there.

To try the wizard on demo data, make it with tabrep-demo and name an alias
file of its own in TABREP_ALIASES, so a real alias file is left alone:
  tabrep-demo ~/tabrep-demo/data
  printf &apos;[OMNIV]\nPATH=%s\n&apos; ~/tabrep-demo/data &gt; ~/tabrep-demo/aliases.ini
  TABREP_ALIASES=~/tabrep-demo/aliases.ini tabrep

tabrep is a graphical program: without a display it says so and ends with
status 1.

Options:
  -h, --help   print this text and end
  --version    print the version and end
Qt&apos;s own options (-platform NAME, -style NAME, -reverse, ...) are passed to Qt.
</source>
        <extracomment>%1 is the alias file read, as a path.</extracomment>
        <translation>
tabrep ist der Berichtsassistent der Kontaktverwaltung Omnivale; sein Fenster
heißt „Tabulon Personal“. Elf Seiten führen zu „Bericht erstellen“, das eine
Berichtsdefinition schreibt, die der Berichtsbildschirm der Kontaktverwaltung
ausführt; bestehende Berichte lassen sich ändern, kopieren, mit neuen
Spaltenbreiten versehen oder löschen.

Die Paradox-Tabellen der Kontaktverwaltung (CONTACT.DB, EVENT.DB, DATABASE.DB)
werden über den Datenbank-Alias OMNIV gefunden, der in der Alias-Datei
  $XDG_CONFIG_HOME/tabulon/aliases.ini (vorgegeben ~/.config/tabulon/aliases.ini;
  hier %1)
steht, ein INI-Abschnitt je Alias, mit dem Verzeichnis in seiner Zeile PATH=:
  [OMNIV]
  PATH=/home/me/omnivale/data
Ein relativer PATH= gilt ab dem Verzeichnis, in dem tabrep gestartet wurde (aus
dem Menü des Desktops meist der persönliche Ordner).

Berichte werden in eben dieses Verzeichnis geschrieben, je eine Datei NAME.rpt
(reiner Text, Namen aus bis zu acht Zeichen), neben die Arbeitstabelle
TRDATA.DB, die der Assistent dort führt.

Um den Assistenten mit Beispieldaten auszuprobieren, erzeugen Sie diese mit
tabrep-demo und nennen in TABREP_ALIASES eine eigene Alias-Datei, damit eine
echte Alias-Datei unberührt bleibt:
  tabrep-demo ~/tabrep-demo/data
  printf &apos;[OMNIV]\nPATH=%s\n&apos; ~/tabrep-demo/data &gt; ~/tabrep-demo/aliases.ini
  TABREP_ALIASES=~/tabrep-demo/aliases.ini tabrep

tabrep ist ein grafisches Programm: ohne Bildschirm sagt es das und endet mit
Status 1.

Optionen:
  -h, --help   diesen Text ausgeben und enden
  --version    die Version ausgeben und enden
Die Optionen von Qt selbst (-platform NAME, -style NAME, -reverse, ...) gehen an Qt.
</translation>
    </message>
</context>
<context>
    <name>DemoTool</name>
    <message>
        <source>%1 already exists; the demo data is made only in a folder that holds none of its files, so that nothing is overwritten.</source>
        <translation>%1 gibt es schon; die Beispieldaten werden nur in einem Ordner erzeugt, der keine ihrer Dateien enthält, damit nichts überschrieben wird.</translation>
    </message>
    <message>
        <source>The number of contacts must be from 0 to %1.</source>
        <translation>Die Zahl der Kontakte muss zwischen 0 und %1 liegen.</translation>
    </message>
    <message>
        <source>The directory %1 does not exist.</source>
        <translation>Das Verzeichnis %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Usage: tabrep-demo [--help | --version] DIRECTORY [CONTACTS]
</source>
        <translation>Aufruf: tabrep-demo [--help | --version] VERZEICHNIS [KONTAKTE]
</translation>
    </message>
    <message>
        <source>
tabrep-demo makes demo data for the tabrep report wizard: the contact manager&apos;s
tables CONTACT.DB, EVENT.DB and DATABASE.DB (with the memo files CONTACT.MB and
EVENT.MB), filled with invented contacts and their events, and the sample
reports phonelst.rpt, callrpt.rpt and calendar.rpt, all written into DIRECTORY,
which is made when missing.

It never overwrites a file: a DIRECTORY that already holds one of these files,
in any letter case, is refused, and nothing is written.

CONTACTS is the number of contacts to make, a whole number of 0 or more
(300 when it is not given).

Options:
  -h, --help   print this text and end
  --version    print the version and end
</source>
        <translation>
tabrep-demo erzeugt Beispieldaten für den Berichtsassistenten tabrep: die
Tabellen CONTACT.DB, EVENT.DB und DATABASE.DB der Kontaktverwaltung (mit den
Memodateien CONTACT.MB und EVENT.MB), gefüllt mit erfundenen Kontakten und
ihren Ereignissen, und die Beispielberichte phonelst.rpt, callrpt.rpt und
calendar.rpt, alle in VERZEICHNIS geschrieben, das angelegt wird, wenn es fehlt.

Es überschreibt nie eine Datei: ein VERZEICHNIS, das schon eine dieser Dateien
enthält, in beliebiger Groß- und Kleinschreibung, wird abgelehnt, und nichts
wird geschrieben.

KONTAKTE ist die Zahl der zu erzeugenden Kontakte, eine ganze Zahl ab 0
(300, wenn sie fehlt).

Optionen:
  -h, --help   diesen Text ausgeben und enden
  --version    die Version ausgeben und enden
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>CONTACTS must be a whole number of 0 or more</source>
        <translation>KONTAKTE muss eine ganze Zahl ab 0 sein</translation>
    </message>
</context>
<context>
    <name>DescriptionPage</name>
    <message>
        <source>Report Description</source>
        <translation>Beschreibung des Berichts</translation>
    </message>
    <message>
        <source>Type a short description for the report:</source>
        <translation>Geben Sie eine kurze Beschreibung des Berichts ein:</translation>
    </message>
    <message>
        <source>The description is used to help you remember the contents of the report.</source>
        <translation>Die Beschreibung hilft Ihnen, sich an den Inhalt des Berichts zu erinnern.</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>Birthday Report</source>
        <translation>Geburtstagsbericht</translation>
    </message>
    <message>
        <source>Zip Code Report</source>
        <translation>Bericht nach Postleitzahl</translation>
    </message>
    <message>
        <source>Contact listing Report</source>
        <translation>Kontaktliste</translation>
    </message>
    <message>
        <source>City report</source>
        <translation>Bericht nach Ort</translation>
    </message>
    <message>
        <source>You must enter a description.</source>
        <translation>Sie müssen eine Beschreibung eingeben.</translation>
    </message>
</context>
<context>
    <name>DetailPage</name>
    <message>
        <source>Detail Level</source>
        <translation>Detailstufe</translation>
    </message>
    <message>
        <source>The Detail Level is found on the Reports Screen in Omnivale. If selected, the detail level information will always appear in the first column of the report.</source>
        <translation>Die Detailstufe finden Sie im Berichtsbildschirm von Omnivale. Wenn gewählt, erscheint die Angabe der Detailstufe immer in der ersten Spalte des Berichts.</translation>
    </message>
    <message>
        <source>The detail level option is displayed in the Reports screen.</source>
        <translation>Die Option der Detailstufe wird im Berichtsbildschirm angezeigt.</translation>
    </message>
    <message>
        <source>Yes, use Detail Level</source>
        <translation>Ja, Detailstufe verwenden</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>The alias file %1 cannot be read: %2.</source>
        <translation>Die Aliasdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The alias file %1 is not a regular file, so it was not read.</source>
        <translation>Die Aliasdatei %1 ist keine reguläre Datei und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The alias file %1 is larger than %2 bytes; only its lines within them were read.</source>
        <translation>Die Aliasdatei %1 ist größer als %2 Byte; nur ihre Zeilen innerhalb dieser Grenze wurden gelesen.</translation>
    </message>
    <message>
        <source>Unknown database alias: %1
%3Define it in %2 as:
[%1]
PATH=&lt;directory&gt;</source>
        <translation>Unbekannter Datenbankalias: %1
%3Legen Sie ihn in %2 so an:
[%1]
PATH=&lt;Verzeichnis&gt;</translation>
    </message>
    <message>
        <source>Table is read only: %1
Only tables that this program created can be changed.</source>
        <translation>Die Tabelle ist schreibgeschützt: %1
Nur Tabellen, die dieses Programm angelegt hat, können geändert werden.</translation>
    </message>
    <message>
        <source>Table has changed on disk since it was opened: %1
Close it and open it again.</source>
        <translation>Die Tabelle wurde auf der Festplatte geändert, seit sie geöffnet wurde: %1
Schließen Sie sie und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>Key violation.</source>
        <translation>Schlüsselverletzung.</translation>
    </message>
    <message>
        <source>Record/key deleted.</source>
        <translation>Datensatz oder Schlüssel gelöscht.</translation>
    </message>
    <message>
        <source>Table was replaced by another copy of the program: %1
This copy no longer holds it, so nothing was written from it. One person at a time designs reports in a folder: close the program, and start it again when the other person has finished.</source>
        <translation>Die Tabelle wurde von einer anderen Kopie des Programms ersetzt: %1
Diese Kopie hält sie nicht mehr, daher wurde nichts aus ihr geschrieben. In einem Ordner entwirft immer nur eine Person Berichte: Schließen Sie das Programm und starten Sie es erneut, wenn die andere Person fertig ist.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset</source>
        <translation>Dieser Vorgang ist bei einer geschlossenen Datenmenge nicht möglich</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an open dataset</source>
        <translation>Dieser Vorgang ist bei einer geöffneten Datenmenge nicht möglich</translation>
    </message>
    <message>
        <source>Field index out of range: %1</source>
        <translation>Feldindex außerhalb des Bereichs: %1</translation>
    </message>
    <message>
        <source>Table name is missing</source>
        <translation>Der Tabellenname fehlt</translation>
    </message>
    <message>
        <source>Table is in use: %1</source>
        <translation>Die Tabelle wird verwendet: %1</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Feld „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Index does not exist. Index: %1</source>
        <translation>Der Index existiert nicht. Index: %1</translation>
    </message>
    <message>
        <source>Record number %1 is out of range (1 to %2)</source>
        <translation>Die Datensatznummer %1 liegt außerhalb des Bereichs (1 bis %2)</translation>
    </message>
    <message>
        <source>Table has no primary index: %1</source>
        <translation>Die Tabelle hat keinen Primärindex: %1</translation>
    </message>
    <message>
        <source>A key of this table has 1 to %1 values</source>
        <translation>Ein Schlüssel dieser Tabelle hat 1 bis %1 Werte</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; must have a value</source>
        <translation>Das Feld „%1“ muss einen Wert haben</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Dieser Vorgang ist bei einer leeren Datenmenge nicht möglich</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Table does not exist: %1</source>
        <translation>Die Tabelle existiert nicht: %1</translation>
    </message>
    <message>
        <source>Table is busy: %1
Another program or session has it open.</source>
        <translation>Die Tabelle ist belegt: %1
Ein anderes Programm oder eine andere Sitzung hat sie geöffnet.</translation>
    </message>
    <message>
        <source>Cannot lock</source>
        <translation>Sperren nicht möglich</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link or not a regular file, which this program never makes. Remove it and start again.</source>
        <translation>Die Sperrdatei %1 kann nicht verwendet werden: Sie ist ein symbolischer Link oder keine reguläre Datei, wie dieses Programm sie nie anlegt. Entfernen Sie sie und starten Sie erneut.</translation>
    </message>
    <message>
        <source>Cannot create the lock file</source>
        <translation>Die Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot open the lock file</source>
        <translation>Die Sperrdatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>someone</source>
        <translation>N. N.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>%1: a user&apos;s login; %2: the computer&apos;s name</extracomment>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Index field &apos;%1&apos; not found. Index: %2</source>
        <translation>Indexfeld „%1“ nicht gefunden. Index: %2</translation>
    </message>
    <message>
        <source>A table needs 1 to 255 fields.</source>
        <translation>Eine Tabelle braucht 1 bis 255 Felder.</translation>
    </message>
    <message>
        <source>Invalid field name: &apos;%1&apos;</source>
        <translation>Ungültiger Feldname: „%1“</translation>
    </message>
    <message>
        <source>Duplicate field name: &apos;%1&apos;</source>
        <translation>Doppelter Feldname: „%1“</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; has a type that a Paradox table cannot hold.</source>
        <translation>Das Feld „%1“ hat einen Typ, den eine Paradox-Tabelle nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>Invalid size %1 for field &apos;%2&apos; (%3 to %4).</source>
        <translation>Ungültige Größe %1 für das Feld „%2“ (%3 bis %4).</translation>
    </message>
    <message>
        <source>Duplicate index name: &apos;%1&apos;</source>
        <translation>Doppelter Indexname: „%1“</translation>
    </message>
    <message>
        <source>A secondary index needs a name.</source>
        <translation>Ein Sekundärindex braucht einen Namen.</translation>
    </message>
    <message>
        <source>A table can have only one primary index.</source>
        <translation>Eine Tabelle kann nur einen Primärindex haben.</translation>
    </message>
    <message>
        <source>The fields of the primary index must be the first fields of the table, in order. Index: %1</source>
        <translation>Die Felder des Primärindex müssen die ersten Felder der Tabelle sein, in ihrer Reihenfolge. Index: %1</translation>
    </message>
    <message>
        <source>A secondary index needs a primary index. Index: %1</source>
        <translation>Ein Sekundärindex braucht einen Primärindex. Index: %1</translation>
    </message>
    <message>
        <source>Cannot access field &apos;%1&apos; as type %2</source>
        <translation>Auf das Feld „%1“ kann nicht als Typ %2 zugegriffen werden</translation>
    </message>
    <message>
        <source>%1 is not a valid value for field &apos;%2&apos;. The allowed range is %3 to %4</source>
        <translation>%1 ist kein gültiger Wert für das Feld „%2“. Erlaubt ist der Bereich von %3 bis %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for field &apos;%2&apos;</source>
        <translation>„%1“ ist keine gültige ganze Zahl für das Feld „%2“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value for field &apos;%2&apos;</source>
        <translation>„%1“ ist keine gültige Gleitkommazahl für das Feld „%2“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid boolean value for field &apos;%2&apos;</source>
        <translation>„%1“ ist kein gültiger Wahrheitswert für das Feld „%2“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date value for field &apos;%2&apos;</source>
        <translation>„%1“ ist kein gültiges Datum für das Feld „%2“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time value for field &apos;%2&apos;</source>
        <translation>„%1“ ist keine gültige Uhrzeit für das Feld „%2“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time value for field &apos;%2&apos;</source>
        <translation>„%1“ ist keine gültige Angabe von Datum und Uhrzeit für das Feld „%2“</translation>
    </message>
    <message>
        <source>a reference to offset %1 outside the file</source>
        <translation>ein Verweis auf die Position %1 außerhalb der Datei</translation>
    </message>
    <message>
        <source>a reference to a block of type %1</source>
        <translation>ein Verweis auf einen Block vom Typ %1</translation>
    </message>
    <message>
        <source>entry %1 of a single-value block</source>
        <translation>Eintrag %1 eines Blocks mit einem einzigen Wert</translation>
    </message>
    <message>
        <source>a value length that differs from its record</source>
        <translation>eine Wertlänge, die von ihrem Datensatz abweicht</translation>
    </message>
    <message>
        <source>a value that runs past the end of the file</source>
        <translation>ein Wert, der über das Ende der Datei hinausreicht</translation>
    </message>
    <message>
        <source>entry %1 of a suballocated block</source>
        <translation>Eintrag %1 eines unterteilten Blocks</translation>
    </message>
    <message>
        <source>a value outside its block</source>
        <translation>ein Wert außerhalb seines Blocks</translation>
    </message>
    <message>
        <source>Cannot read table: %1 (%2)</source>
        <translation>Die Tabelle kann nicht gelesen werden: %1 (%2)</translation>
    </message>
    <message>
        <source>Corrupt table header: %1 (%2)</source>
        <translation>Beschädigter Tabellenkopf: %1 (%2)</translation>
    </message>
    <message>
        <source>Corrupt table: %1 (%2)</source>
        <translation>Beschädigte Tabelle: %1 (%2)</translation>
    </message>
    <message>
        <source>Corrupt memo file: %1 (%2)</source>
        <translation>Beschädigte Memodatei: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write table: %1 (%2)</source>
        <translation>Die Tabelle kann nicht geschrieben werden: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>not a finite number</source>
        <translation>keine endliche Zahl</translation>
    </message>
    <message>
        <source>BCD value with %1 decimal places</source>
        <translation>BCD-Wert mit %1 Nachkommastellen</translation>
    </message>
    <message>
        <source>%1 has too many digits</source>
        <translation>%1 hat zu viele Ziffern</translation>
    </message>
    <message>
        <source>the value does not suit a %1 field</source>
        <translation>der Wert passt nicht zu einem Feld vom Typ %1</translation>
    </message>
    <message>
        <source>%1 field outside the record</source>
        <translation>Feld vom Typ %1 außerhalb des Datensatzes</translation>
    </message>
    <message>
        <source>%1 ms is not a time of day</source>
        <translation>%1 ms ist keine Uhrzeit</translation>
    </message>
    <message>
        <source>%1 bytes do not fit in %2</source>
        <translation>%1 Byte passen nicht in %2</translation>
    </message>
    <message>
        <source>the %1 run past the end of the header</source>
        <translation>die %1 reichen über das Ende des Tabellenkopfs hinaus</translation>
    </message>
    <message>
        <source>a field name runs past the end of the header</source>
        <translation>ein Feldname reicht über das Ende des Tabellenkopfs hinaus</translation>
    </message>
    <message>
        <source>unknown file version %1</source>
        <translation>unbekannte Dateiversion %1</translation>
    </message>
    <message>
        <source>file type %1 is not a data table</source>
        <translation>der Dateityp %1 ist keine Datentabelle</translation>
    </message>
    <message>
        <source>header size %1 is too small</source>
        <translation>die Kopfgröße %1 ist zu klein</translation>
    </message>
    <message>
        <source>header size %1 exceeds the file size %2</source>
        <translation>die Kopfgröße %1 übersteigt die Dateigröße %2</translation>
    </message>
    <message>
        <source>record size %1 does not fit a block of %2 bytes</source>
        <translation>die Datensatzgröße %1 passt nicht in einen Block von %2 Byte</translation>
    </message>
    <message>
        <source>key field count %1 exceeds the field count</source>
        <translation>die Zahl der Schlüsselfelder %1 übersteigt die Zahl der Felder</translation>
    </message>
    <message>
        <source>%1 blocks of %2 bytes do not fit in a file of %3 bytes</source>
        <translation>%1 Blöcke von %2 Byte passen nicht in eine Datei von %3 Byte</translation>
    </message>
    <message>
        <source>block numbers beyond the %1 blocks of the file</source>
        <translation>Blocknummern jenseits der %1 Blöcke der Datei</translation>
    </message>
    <message>
        <source>records without a first block</source>
        <translation>Datensätze ohne ersten Block</translation>
    </message>
    <message>
        <source>record count %1 exceeds what %2 blocks hold</source>
        <translation>die Zahl der Datensätze %1 übersteigt, was %2 Blöcke fassen</translation>
    </message>
    <message>
        <source>field descriptors</source>
        <translation>Feldbeschreibungen</translation>
    </message>
    <message>
        <source>field %1 has unknown type %2</source>
        <translation>das Feld %1 hat den unbekannten Typ %2</translation>
    </message>
    <message>
        <source>field %1 (%2) has invalid size %3</source>
        <translation>das Feld %1 (%2) hat die ungültige Größe %3</translation>
    </message>
    <message>
        <source>field sizes do not add up to the record size</source>
        <translation>die Feldgrößen ergeben zusammen nicht die Datensatzgröße</translation>
    </message>
    <message>
        <source>table name pointer</source>
        <translation>Zeiger auf den Tabellennamen</translation>
    </message>
    <message>
        <source>field name pointers</source>
        <translation>Zeiger auf die Feldnamen</translation>
    </message>
    <message>
        <source>table name</source>
        <translation>Tabellennamen</translation>
    </message>
    <message>
        <source>the file is too short for a table header</source>
        <translation>die Datei ist zu kurz für einen Tabellenkopf</translation>
    </message>
    <message>
        <source>unknown block size code %1</source>
        <translation>unbekannter Code %1 für die Blockgröße</translation>
    </message>
    <message>
        <source>field count %1 is not between 1 and 255</source>
        <translation>die Zahl der Felder %1 liegt nicht zwischen 1 und 255</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>record %1, field %2: %3</source>
        <translation>Datensatz %1, Feld %2: %3</translation>
    </message>
    <message>
        <source>the file is shorter than its %1 blocks</source>
        <translation>die Datei ist kürzer als ihre %1 Blöcke</translation>
    </message>
    <message>
        <source>the block chain points to block %1 of %2</source>
        <translation>die Blockkette verweist auf Block %1 von %2</translation>
    </message>
    <message>
        <source>the block chain returns to block %1</source>
        <translation>die Blockkette kehrt zu Block %1 zurück</translation>
    </message>
    <message>
        <source>block %1 claims more records than it holds</source>
        <translation>Block %1 gibt mehr Datensätze an, als er enthält</translation>
    </message>
    <message>
        <source>a table has 1 to 255 fields, not %1</source>
        <translation>eine Tabelle hat 1 bis 255 Felder, nicht %1</translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation>Codepage %1</translation>
    </message>
    <message>
        <source>field &quot;%1&quot; (%2) cannot have size %3</source>
        <translation>das Feld „%1“ (%2) kann nicht die Größe %3 haben</translation>
    </message>
    <message>
        <source>field %1 has no usable name</source>
        <translation>das Feld %1 hat keinen brauchbaren Namen</translation>
    </message>
    <message>
        <source>records of %1 bytes are too wide</source>
        <translation>Datensätze von %1 Byte sind zu breit</translation>
    </message>
    <message>
        <source>a table cannot have %1 records</source>
        <translation>eine Tabelle kann nicht %1 Datensätze haben</translation>
    </message>
    <message>
        <source>%1 records are too many for one table</source>
        <translation>%1 Datensätze sind zu viele für eine Tabelle</translation>
    </message>
    <message>
        <source>record %1 has %2 values for %3 fields</source>
        <translation>der Datensatz %1 hat %2 Werte für %3 Felder</translation>
    </message>
    <message>
        <source>record %1, field &quot;%2&quot;: %3</source>
        <translation>Datensatz %1, Feld „%2“: %3</translation>
    </message>
    <message>
        <source>The lock file %1 is locked by another program, not by this one: process %2 (%3) on this computer.</source>
        <translation>Die Sperrdatei %1 ist von einem anderen Programm gesperrt, nicht von diesem: Prozess %2 (%3) auf diesem Computer.</translation>
    </message>
    <message>
        <source>The lock file %1 is locked by another program, or by a copy of this one that left no record of its holder in it.</source>
        <translation>Die Sperrdatei %1 ist von einem anderen Programm gesperrt oder von einer Kopie dieses Programms, die darin nicht vermerkt hat, wer sie hält.</translation>
    </message>
    <message>
        <source>Cannot take the table %1: %2 ended without closing, and this account can neither use nor replace the lock file it left (%4). The folder&apos;s owner can remove %3; then start again.</source>
        <extracomment>%1: the table; %2: who held it; %3: the lock file; %4: the system&apos;s reason</extracomment>
        <translation>Die Tabelle %1 kann nicht übernommen werden: %2 wurde beendet, ohne sie freizugeben, und dieses Konto kann die zurückgelassene Sperrdatei weder benutzen noch ersetzen (%4). Der Besitzer des Ordners kann %3 entfernen; starten Sie danach erneut.</translation>
    </message>
    <message>
        <source>%1 (%2, process %3)</source>
        <extracomment>%1: a person&apos;s name; %2: the login and computer; %3: a process number</extracomment>
        <translation>%1 (%2, Prozess %3)</translation>
    </message>
    <message>
        <source>%1 has been designing a report in this folder since %2. One person at a time designs reports in a folder: ask %3 to finish and close the program, or wait and try again.</source>
        <extracomment>%1: a person&apos;s name, login, computer and process; %2: a date and time; %3: the person&apos;s name</extracomment>
        <translation>%1 entwirft seit %2 einen Bericht in diesem Ordner. In einem Ordner entwirft immer nur eine Person Berichte: Bitten Sie %3, fertig zu werden und das Programm zu schließen, oder warten Sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>the copy of the program of %1, begun here on %2,</source>
        <extracomment>%1: a person&apos;s name, login, computer and process; %2: a date and time</extracomment>
        <translation>die Programmkopie von %1, hier gestartet am %2,</translation>
    </message>
    <message>
        <source>a copy of the program</source>
        <translation>eine Programmkopie</translation>
    </message>
    <message>
        <source>block %1 holds no record %2</source>
        <translation>Block %1 enthält keinen Datensatz %2</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>There was not enough memory to finish this action.</source>
        <translation>Für diese Aktion war nicht genug Speicher frei, sie wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected failure.</source>
        <translation>Diese Aktion konnte wegen eines unerwarteten Fehlers nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>EventFields</name>
    <message>
        <source>Event date</source>
        <translation>Datum des Ereignisses</translation>
    </message>
    <message>
        <source>Event time</source>
        <translation>Uhrzeit des Ereignisses</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>Art des Ereignisses</translation>
    </message>
    <message>
        <source>Event subject</source>
        <translation>Betreff des Ereignisses</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Event status</source>
        <translation>Status des Ereignisses</translation>
    </message>
    <message>
        <source>Event duration</source>
        <translation>Dauer des Ereignisses</translation>
    </message>
    <message>
        <source>Event notes</source>
        <translation>Notizen zum Ereignis</translation>
    </message>
    <message>
        <source>Is completed</source>
        <translation>Ist erledigt</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Zeit der Erinnerung</translation>
    </message>
    <message>
        <source>Alarm lead time</source>
        <translation>Vorlaufzeit der Erinnerung</translation>
    </message>
    <message>
        <source>Phone call date</source>
        <translation>Datum des Anrufs</translation>
    </message>
    <message>
        <source>Phone call time</source>
        <translation>Uhrzeit des Anrufs</translation>
    </message>
    <message>
        <source>Phone call subject</source>
        <translation>Betreff des Anrufs</translation>
    </message>
    <message>
        <source>Phone call notes</source>
        <translation>Notizen zum Anruf</translation>
    </message>
    <message>
        <source>Letter date</source>
        <translation>Datum des Briefs</translation>
    </message>
    <message>
        <source>Letter time</source>
        <translation>Uhrzeit des Briefs</translation>
    </message>
    <message>
        <source>Letter subject</source>
        <translation>Betreff des Briefs</translation>
    </message>
    <message>
        <source>Letter status</source>
        <translation>Status des Briefs</translation>
    </message>
    <message>
        <source>Template name used</source>
        <translation>Name der verwendeten Vorlage</translation>
    </message>
    <message>
        <source>Letter notes</source>
        <translation>Notizen zum Brief</translation>
    </message>
    <message>
        <source>Meeting date</source>
        <translation>Datum der Besprechung</translation>
    </message>
    <message>
        <source>Meeting time</source>
        <translation>Uhrzeit der Besprechung</translation>
    </message>
    <message>
        <source>Meeting subject</source>
        <translation>Betreff der Besprechung</translation>
    </message>
    <message>
        <source>Meeting location</source>
        <translation>Ort der Besprechung</translation>
    </message>
    <message>
        <source>Meeting notes</source>
        <translation>Notizen zur Besprechung</translation>
    </message>
    <message>
        <source>Meeting duration</source>
        <translation>Dauer der Besprechung</translation>
    </message>
    <message>
        <source>To-do date</source>
        <translation>Datum der Aufgabe</translation>
    </message>
    <message>
        <source>To-do time</source>
        <translation>Uhrzeit der Aufgabe</translation>
    </message>
    <message>
        <source>To-do subject</source>
        <translation>Betreff der Aufgabe</translation>
    </message>
    <message>
        <source>To-do notes</source>
        <translation>Notizen zur Aufgabe</translation>
    </message>
    <message>
        <source>Note Date</source>
        <translation>Datum der Notiz</translation>
    </message>
    <message>
        <source>Note Time</source>
        <translation>Uhrzeit der Notiz</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>FieldDefinitionsPage</name>
    <message>
        <source>Field Definitions</source>
        <translation>Definitionen der Felder</translation>
    </message>
    <message>
        <source>Select the characteristics of the fields by making your selections below.</source>
        <translation>Legen Sie die Eigenschaften der Felder fest, indem Sie unten Ihre Auswahl treffen.</translation>
    </message>
    <message>
        <source>Column Header</source>
        <translation>Spaltenüberschrift</translation>
    </message>
    <message>
        <source>DOT Leaders (....)</source>
        <translation>Punkte davor (....)</translation>
    </message>
    <message>
        <source>DOT Trailers (....)</source>
        <translation>Punkte danach (....)</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Max Value</source>
        <translation>Höchstwert</translation>
    </message>
    <message>
        <source>Min Value</source>
        <translation>Mindestwert</translation>
    </message>
    <message>
        <source>Totaled</source>
        <translation>Summiert</translation>
    </message>
    <message>
        <source>Averaged</source>
        <translation>Gemittelt</translation>
    </message>
    <message>
        <source>&amp;Make Report</source>
        <translation>Bericht &amp;erstellen</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
</context>
<context>
    <name>FieldFault</name>
    <message>
        <source>%1 ends at %2, before it starts at %3.</source>
        <extracomment>Spoken for the column layout. %1: the field; %2, %3: positions in tenths of an inch</extracomment>
        <translation>%1 endet bei %2, bevor es bei %3 beginnt.</translation>
    </message>
    <message>
        <source>%1 ends at %2, past the printable width of %3.</source>
        <extracomment>%1: the field; %2: its end; %3: the printable width, in tenths of an inch</extracomment>
        <translation>%1 endet bei %2, jenseits der druckbaren Breite von %3.</translation>
    </message>
    <message>
        <source>%1 is on no line of the report.</source>
        <extracomment>%1: the field</extracomment>
        <translation>%1 steht auf keiner Zeile des Berichts.</translation>
    </message>
    <message>
        <source>%1, from %2 to %3, overlaps %4, from %5 to %6, on line %7.</source>
        <extracomment>%1, %4: two fields, each with its start and end; %7: the line of the report</extracomment>
        <translation>%1, von %2 bis %3, überlappt in Zeile %7 mit %4, von %5 bis %6.</translation>
    </message>
    <message>
        <source>%1 is one position wide, at %2, and is not the last field of line %3.</source>
        <extracomment>%1: the field; %2: its one position; %3: the line of the report</extracomment>
        <translation>%1 ist nur eine Position breit, bei %2, und ist nicht das letzte Feld der Zeile %3.</translation>
    </message>
    <message>
        <source>%1 runs from %2 to %3 on line %4; the check finds no fault with it.</source>
        <extracomment>%1: the field; %2, %3: its start and end; %4: the line of the report</extracomment>
        <translation>%1 reicht in Zeile %4 von %2 bis %3; die Prüfung findet keinen Fehler daran.</translation>
    </message>
    <message>
        <source>%1 Also at fault: %2</source>
        <extracomment>%1: what is at fault with the field in view; %2: the same for each other field at fault</extracomment>
        <translation>%1 Ebenfalls fehlerhaft: %2</translation>
    </message>
</context>
<context>
    <name>FieldGridModel</name>
    <message>
        <source>Current row, being edited</source>
        <translation>Aktuelle Zeile, in Bearbeitung</translation>
    </message>
    <message>
        <source>Current row</source>
        <translation>Aktuelle Zeile</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
</context>
<context>
    <name>FieldOrder</name>
    <message>
        <source>The CustomID field must appear FIRST on the list</source>
        <translation>Das Feld CustomID muss als ERSTES in der Liste stehen</translation>
    </message>
    <message>
        <source>The Memo Field must be last.</source>
        <translation>Das Memofeld muss an letzter Stelle stehen.</translation>
    </message>
</context>
<context>
    <name>FieldOrderPage</name>
    <message>
        <source>Field Order</source>
        <translation>Reihenfolge der Felder</translation>
    </message>
    <message>
        <source>Select the order from left to right for the fields on the report.</source>
        <translation>Wählen Sie die Reihenfolge der Felder im Bericht von links nach rechts.</translation>
    </message>
    <message>
        <source>Move &amp;Up    </source>
        <translation>Nach &amp;oben    </translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Important Note:</source>
        <translation>Wichtiger Hinweis:</translation>
    </message>
    <message>
        <source>You have selected the CustomID field which is controlled by the detail level on the Report Selection Screen inside Omnivale Personal for Windows. This will appear in the first column of your report.</source>
        <translation>Sie haben das Feld CustomID gewählt, das von der Detailstufe im Berichtsauswahlbildschirm von Omnivale Personal für Windows gesteuert wird. Es erscheint in der ersten Spalte Ihres Berichts.</translation>
    </message>
    <message>
        <source>You have NOT selected the CustomID field. The detail level option will not apply to this report.</source>
        <translation>Sie haben das Feld CustomID NICHT gewählt. Die Option der Detailstufe gilt für diesen Bericht nicht.</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 von %3</translation>
    </message>
    <message>
        <source>No Fields Selected.</source>
        <translation>Keine Felder gewählt.</translation>
    </message>
</context>
<context>
    <name>FieldSelectionPage</name>
    <message>
        <source>Field Selection</source>
        <translation>Auswahl der Felder</translation>
    </message>
    <message>
        <source>Select which fields to include in the report.</source>
        <translation>Wählen Sie die Felder, die der Bericht enthalten soll.</translation>
    </message>
    <message>
        <source>Contact Fields</source>
        <translation>Kontaktfelder</translation>
    </message>
    <message>
        <source>Event Fields</source>
        <translation>Ereignisfelder</translation>
    </message>
    <message>
        <source>Combination Fields</source>
        <translation>Kombinierte Felder</translation>
    </message>
    <message>
        <source>Some options are special fields derived from multiple fields.</source>
        <translation>Einige Optionen sind Sonderfelder, die aus mehreren Feldern gebildet werden.</translation>
    </message>
    <message>
        <source>&amp;Special Fields</source>
        <translation>&amp;Sonderfelder</translation>
    </message>
    <message>
        <source>User Field Definitions</source>
        <translation>Definitionen der Benutzerfelder</translation>
    </message>
    <message>
        <source>&amp;User Fields</source>
        <translation>Ben&amp;utzerfelder</translation>
    </message>
    <message>
        <source>You cannot choose both memo fields (1)</source>
        <translation>Sie können nicht beide Memofelder wählen (1)</translation>
    </message>
    <message>
        <source>You cannot choose both memo fields (2)</source>
        <translation>Sie können nicht beide Memofelder wählen (2)</translation>
    </message>
    <message numerus="yes">
        <source>(%n fields selected)</source>
        <translation>
            <numerusform>(%n Feld ausgewählt)</numerusform>
            <numerusform>(%n Felder ausgewählt)</numerusform>
        </translation>
    </message>
    <message>
        <source>(0 Fields Selected)</source>
        <translation>(0 Felder ausgewählt)</translation>
    </message>
    <message>
        <source>(1 field selected)</source>
        <translation>(1 Feld ausgewählt)</translation>
    </message>
    <message>
        <source>Event-related Fields</source>
        <translation>Felder zu Ereignissen</translation>
    </message>
    <message>
        <source>Call-related Fields</source>
        <translation>Felder zu Anrufen</translation>
    </message>
    <message>
        <source>Letter-related Fields</source>
        <translation>Felder zu Briefen</translation>
    </message>
    <message>
        <source>Meeting-related Fields</source>
        <translation>Felder zu Besprechungen</translation>
    </message>
    <message>
        <source>To-do - related Fields</source>
        <translation>Felder zu Aufgaben</translation>
    </message>
    <message>
        <source>Note-related Fields</source>
        <translation>Felder zu Notizen</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot write %1 %2: %3</source>
        <extracomment>%1: the kind of file, such as &quot;report&quot;; %2: its path; %3: the reason</extracomment>
        <translation>%1 %2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>it is a symbolic link, and the file it points to is left untouched. Nothing was written. To change it here, replace the link by a copy of %1.</source>
        <translation>es ist ein symbolischer Link, und die Datei, auf die er zeigt, bleibt unberührt. Es wurde nichts geschrieben. Um sie hier zu ändern, ersetzen Sie den Link durch eine Kopie von %1.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help topic %1 cannot be shown: the help file &quot;%2&quot; cannot be opened (%3).</source>
        <translation>Das Hilfethema %1 kann nicht angezeigt werden: Die Hilfedatei „%2“ lässt sich nicht öffnen (%3).</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; has no topic with the context number %2.</source>
        <translation>Die Hilfedatei „%1“ hat kein Thema mit der Kontextnummer %2.</translation>
    </message>
</context>
<context>
    <name>Modal</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>OperationPage</name>
    <message>
        <source>Tabulon</source>
        <translation>Tabulon</translation>
    </message>
    <message>
        <source>&amp;Create a New Report</source>
        <translation>&amp;Neuen Bericht erstellen</translation>
    </message>
    <message>
        <source>&amp;Modify an Existing Report</source>
        <translation>Bestehenden Bericht &amp;ändern</translation>
    </message>
    <message>
        <source>Modify Column &amp;Widths of an Existing Report</source>
        <translation>&amp;Spaltenbreiten eines bestehenden Berichts ändern</translation>
    </message>
    <message>
        <source>&amp;Delete an Existing Report</source>
        <translation>Bestehenden Bericht &amp;löschen</translation>
    </message>
    <message>
        <source>C&amp;opy and Modify an Existing Report</source>
        <translation>Bestehenden Bericht &amp;kopieren und ändern</translation>
    </message>
</context>
<context>
    <name>PaperPage</name>
    <message>
        <source>Paper Size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Select the desired paper size for the report.</source>
        <translation>Wählen Sie das gewünschte Papierformat für den Bericht.</translation>
    </message>
    <message>
        <source>Portrait Mode (8.5 inches x 11 inches)</source>
        <translation>Hochformat (8,5 × 11 Zoll)</translation>
    </message>
    <message>
        <source>Landscape Mode (11 inches x 8.5 inches)</source>
        <translation>Querformat (11 × 8,5 Zoll)</translation>
    </message>
    <message>
        <source>A4 Portrait Mode (21 cm x 29.7 cm)</source>
        <translation>A4 Hochformat (21 cm × 29,7 cm)</translation>
    </message>
    <message>
        <source>A4 Landscape Mode (29.7 cm x 21.0 cm)</source>
        <translation>A4 Querformat (29,7 cm × 21,0 cm)</translation>
    </message>
    <message>
        <source>Other  Paper Size</source>
        <translation>Anderes Papierformat</translation>
    </message>
    <message>
        <source>American Formats</source>
        <translation>Amerikanische Formate</translation>
    </message>
    <message>
        <source>European Formats</source>
        <translation>Europäische Formate</translation>
    </message>
    <message>
        <source>Non-Standard</source>
        <translation>Nicht genormt</translation>
    </message>
    <message>
        <source>Printable Width</source>
        <translation>Druckbare Breite</translation>
    </message>
    <message>
        <source>(in tenths of inches)</source>
        <translation>(in Zehntelzoll)</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>CONTACT.DB and EVENT.DB share no column %1 that links an event to its contact: the %2 fields stay empty.</source>
        <translation>CONTACT.DB und EVENT.DB haben keine gemeinsame Spalte %1, die ein Ereignis mit seinem Kontakt verbindet: Die Felder %2 bleiben leer.</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>des Kontakts</translation>
    </message>
    <message>
        <source>event</source>
        <translation>des Ereignisses</translation>
    </message>
    <message>
        <source>EVENT.DB has no field Type: every event is shown.</source>
        <translation>EVENT.DB hat kein Feld Type: Jedes Ereignis wird gezeigt.</translation>
    </message>
    <message>
        <source>Events without a contact in CONTACT.DB: %1; their contact fields stay empty.</source>
        <translation>Ereignisse ohne Kontakt in CONTACT.DB: %1; ihre Kontaktfelder bleiben leer.</translation>
    </message>
    <message>
        <source>; %1 to %2 holds %3 of them</source>
        <translation>; %1 bis %2 fasst %3 davon</translation>
    </message>
    <message>
        <source>, %1 to %2 holds %3</source>
        <translation>, %1 bis %2 fasst %3</translation>
    </message>
    <message>
        <source>%1 has no field %2; its column stays empty.</source>
        <translation>%1 hat kein Feld %2; seine Spalte bleibt leer.</translation>
    </message>
    <message>
        <source>The report&apos;s line %1 does not fit on a page of %2 lines.</source>
        <translation>Die Zeile %1 des Berichts passt nicht auf eine Seite mit %2 Zeilen.</translation>
    </message>
    <message>
        <source>%1 has no place on the page (line %2, %3 to %4): it is not shown.</source>
        <translation>%1 hat keinen Platz auf der Seite (Zeile %2, %3 bis %4): Es wird nicht gezeigt.</translation>
    </message>
    <message>
        <source>As the contact manager is expected to print it: 10 characters an inch (a column from L to R holds R - L + 1), 6 lines an inch, %1 lines a page.</source>
        <translation>So, wie die Kontaktverwaltung ihn voraussichtlich druckt: 10 Zeichen je Zoll (eine Spalte von L bis R fasst R - L + 1), 6 Zeilen je Zoll, %1 Zeilen je Seite.</translation>
    </message>
    <message>
        <source>… marks a value cut at its column&apos;s end; dates, times, numbers and yes/no in your locale&apos;s short forms; a memo&apos;s first line.</source>
        <translation>… markiert einen am Ende seiner Spalte abgeschnittenen Wert; Datum, Uhrzeit, Zahlen und Ja/Nein in den Kurzformen Ihres Gebietsschemas; von einem Memo die erste Zeile.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>%1 is cut in %2 of %3 contacts (longest %4 characters; the column holds %5)</source>
        <translation>%1 wird in %2 von %3 Kontakten abgeschnitten (längster Wert %4 Zeichen; die Spalte fasst %5)</translation>
    </message>
    <message>
        <source>%1 is cut in %2 of %3 events (longest %4 characters; the column holds %5)</source>
        <translation>%1 wird in %2 von %3 Ereignissen abgeschnitten (längster Wert %4 Zeichen; die Spalte fasst %5)</translation>
    </message>
    <message>
        <source>%1 is cut in %2 of %3 blocks (longest %4 characters; the column holds %5)</source>
        <translation>%1 wird in %2 von %3 Blöcken abgeschnitten (längster Wert %4 Zeichen; die Spalte fasst %5)</translation>
    </message>
    <message>
        <source>The contacts of CONTACT.DB are not stored in the order of its key; they are shown as stored.</source>
        <translation>Die Kontakte in CONTACT.DB sind nicht in der Reihenfolge ihres Schlüssels gespeichert; sie werden so gezeigt, wie sie gespeichert sind.</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot open report %1: %2</source>
        <translation>Der Bericht %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open report %1: it is not a regular file.</source>
        <translation>Der Bericht %1 kann nicht geöffnet werden: Er ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Cannot read report %1: %2</source>
        <translation>Der Bericht %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Line 5 of report %1 gives %2 field records, more than the %3 that any report can hold; the file cannot be loaded.</source>
        <translation>Zeile 5 des Berichts %1 nennt %2 Felddatensätze, mehr als die %3, die ein Bericht enthalten kann; die Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>This is in field record %1 of the report %2.</source>
        <extracomment>%1: the number of the field record in the file; %2: the report file&apos;s path</extracomment>
        <translation>Das betrifft den Felddatensatz %1 des Berichts %2.</translation>
    </message>
    <message>
        <source>Cannot write report %1: the text &quot;%2&quot; holds a character that a report file cannot hold</source>
        <translation>Der Bericht %1 kann nicht geschrieben werden: Der Text „%2“ enthält ein Zeichen, das eine Berichtsdatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>Cannot list the report files in %1: the directory cannot be read.</source>
        <translation>Die Berichtsdateien in %1 können nicht aufgelistet werden: Das Verzeichnis kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The report name %1 fits more than one file in %2 (%3); names that differ only in letter case cannot be told apart. Rename or remove all but one of them.</source>
        <translation>Der Berichtsname %1 passt zu mehr als einer Datei in %2 (%3); Namen, die sich nur in Groß- und Kleinschreibung unterscheiden, können nicht auseinandergehalten werden. Benennen Sie alle bis auf eine um oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>report</source>
        <extracomment>The kind of file, in &quot;Cannot write %1 %2: %3&quot;</extracomment>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Cannot write report %1: another program or user has saved %2 meanwhile, which counts as the same name. Nothing was written: save the report under another name.</source>
        <extracomment>%1: the new report&apos;s path; %2: the other file&apos;s path</extracomment>
        <translation>Der Bericht %1 kann nicht geschrieben werden: Ein anderes Programm oder ein anderer Benutzer hat inzwischen %2 gespeichert, was als derselbe Name gilt. Es wurde nichts geschrieben: Speichern Sie den Bericht unter einem anderen Namen.</translation>
    </message>
</context>
<context>
    <name>ReportTool</name>
    <message>
        <source>There were no report files (*.rpt) found in the %1 directory</source>
        <translation>Im Verzeichnis %1 wurden keine Berichtsdateien (*.rpt) gefunden</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source> (the file says %1)</source>
        <translation> (die Datei sagt %1)</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>not a report type</source>
        <translation>keine Berichtsart</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>not a category</source>
        <translation>keine Kategorie</translation>
    </message>
    <message>
        <source>Printable width:</source>
        <translation>Druckbare Breite:</translation>
    </message>
    <message>
        <source>Detail level:</source>
        <translation>Detailstufe:</translation>
    </message>
    <message>
        <source>Yes, use Detail Level</source>
        <translation>Ja, Detailstufe verwenden</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Felder:</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Folge</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Leaders</source>
        <translation>Führungspunkte</translation>
    </message>
    <message>
        <source>Trailers</source>
        <translation>Folgepunkte</translation>
    </message>
    <message>
        <source>Summaries</source>
        <translation>Zusammenfassungen</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>die Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is not a report definition: %2.</source>
        <translation>%1 ist keine Berichtsdefinition: %2.</translation>
    </message>
    <message>
        <source>line 2 is not a report type (Contact or Calendar)</source>
        <translation>Zeile 2 ist keine Berichtsart (Contact oder Calendar)</translation>
    </message>
    <message>
        <source>line 5 is not a number of fields</source>
        <translation>Zeile 5 ist keine Zahl von Feldern</translation>
    </message>
    <message>
        <source> To try tabrep-report on demo data, make it with tabrep-demo DIRECTORY and give that directory as the PATH.</source>
        <translation> Um tabrep-report mit Beispieldaten auszuprobieren, erzeugen Sie diese mit tabrep-demo VERZEICHNIS und geben dieses Verzeichnis als PATH an.</translation>
    </message>
    <message>
        <source>Try &apos;tabrep-report --help&apos; for more.
</source>
        <translation>Mehr mit „tabrep-report --help“.
</translation>
    </message>
    <message>
        <source>a command is needed</source>
        <translation>ein Befehl fehlt</translation>
    </message>
    <message>
        <source>unknown option %1 for %2</source>
        <translation>unbekannte Option %1 für %2</translation>
    </message>
    <message>
        <source>wrong number of operands for %1</source>
        <translation>falsche Zahl von Operanden für %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Summaries (page %1):</source>
        <translation>Zusammenfassungen (Seite %1):</translation>
    </message>
    <message>
        <source>Usage: tabrep-report list [--json] [DIRECTORY]
       tabrep-report show FILE
       tabrep-report check [FILE...]
       tabrep-report preview FILE [--pages N] [--contacts N]
                             [--json | --pdf PDF | --png DIRECTORY]
       tabrep-report --help | --version
</source>
        <translation>Aufruf: tabrep-report list [--json] [VERZEICHNIS]
        tabrep-report show DATEI
        tabrep-report check [DATEI...]
        tabrep-report preview DATEI [--pages N] [--contacts N]
                              [--json | --pdf PDF | --png VERZEICHNIS]
        tabrep-report --help | --version
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 needs a whole number, not %2</source>
        <translation>%1 braucht eine ganze Zahl, nicht %2</translation>
    </message>
    <message>
        <source>choose one of --json, --pdf and --png</source>
        <translation>wählen Sie eines von --json, --pdf und --png</translation>
    </message>
    <message>
        <source>the drawing program tabrep-report-draw is missing</source>
        <translation>das Zeichenprogramm tabrep-report-draw fehlt</translation>
    </message>
    <message>
        <source>cannot write the PDF file %1</source>
        <translation>die PDF-Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write the picture %1</source>
        <translation>das Bild %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>
Lists, shows and checks report definition files (*.rpt) from a terminal, by
the report wizard&apos;s own rules. It only reads: it never writes a file but the
PDF or pictures that preview is asked for.
Without a DIRECTORY or FILE it works on the reports in the directory of the
database alias OMNIV ($XDG_CONFIG_HOME/tabulon/aliases.ini, or the file
that TABREP_ALIASES names).

Commands:
  list     the reports in the order of the wizard&apos;s selection dialog: their
           description, type, file name and number of fields, in a table as
           wide as the terminal; with --json one JSON object per line and report
  show     a report&apos;s settings and a table of its fields
  check    the wizard&apos;s column check on each report, against the report&apos;s
           own printable width: &quot;NAME: OK&quot; or &quot;NAME: &quot; and the wizard&apos;s message
  preview  the report laid out on the alias&apos;s CONTACT.DB and EVENT.DB as
           the contact manager is expected to print it: text pages, 10
           characters and 6 lines an inch; --pages N prints the first N,
           --contacts N lays out the first N contacts (or events) only;
           --json the fields whose values do not fit, one JSON object a
           field; --pdf writes the pages as a PDF, --png one picture a page

A FILE not found in the current directory is looked up in the alias directory.
Characters of files and names that would act on the terminal are printed as
escapes (\x1b, \u0085, a backslash doubled); names are taken back as printed.

Options:
  -h, --help     print this help and exit
  -V, --version  print the version and exit

Exit status: 0 when all is well (every report checked passes, the preview is
made), 1 when a report fails the check, 2 when a file or directory cannot be
read, a file is no report definition, the output cannot be written or the
command line is wrong.
</source>
        <translation>
Listet, zeigt und prüft Berichtsdefinitionen (*.rpt) im Terminal, nach den
Regeln des Berichtsassistenten. Es liest nur: Es schreibt nie eine Datei außer
dem PDF oder den Bildern, um die preview gebeten wird.
Ohne VERZEICHNIS oder DATEI arbeitet es mit den Berichten im Verzeichnis des
Datenbank-Alias OMNIV ($XDG_CONFIG_HOME/tabulon/aliases.ini oder die Datei,
die TABREP_ALIASES nennt).

Befehle:
  list     die Berichte in der Reihenfolge des Auswahldialogs des Assistenten:
           Beschreibung, Art, Dateiname und Zahl der Felder, in einer Tabelle
           so breit wie das Terminal; mit --json ein JSON-Objekt je Zeile und
           Bericht (die JSON-Ausgabe ist in jeder Sprache dieselbe)
  show     die Einstellungen eines Berichts und eine Tabelle seiner Felder
  check    die Spaltenprüfung des Assistenten an jedem Bericht, gegen dessen
           eigene druckbare Breite: „NAME: OK“ oder „NAME: “ und die Meldung
           des Assistenten
  preview  der Bericht auf CONTACT.DB und EVENT.DB des Alias gesetzt, wie die
           Kontaktverwaltung ihn voraussichtlich druckt: Textseiten, 10
           Zeichen und 6 Zeilen je Zoll; --pages N gibt die ersten N aus,
           --contacts N setzt nur die ersten N Kontakte (oder Ereignisse);
           --json die Felder, deren Werte nicht passen, ein JSON-Objekt je
           Feld; --pdf schreibt die Seiten als PDF, --png ein Bild je Seite

Eine DATEI, die im aktuellen Verzeichnis fehlt, wird im Alias-Verzeichnis
gesucht. Zeichen aus Dateien und Namen, die auf das Terminal wirken würden,
werden als Escapes ausgegeben (\x1b, \u0085, ein Backslash verdoppelt);
Namen werden so zurückgenommen, wie sie ausgegeben wurden.

Optionen:
  -h, --help     diese Hilfe ausgeben und enden
  -V, --version  die Version ausgeben und enden

Rückgabewert: 0, wenn alles in Ordnung ist (jeder geprüfte Bericht besteht, die
Vorschau ist gemacht), 1, wenn ein Bericht die Prüfung nicht besteht, 2, wenn eine Datei oder ein
Verzeichnis nicht gelesen werden kann, eine Datei keine Berichtsdefinition ist,
die Ausgabe nicht geschrieben werden kann oder die Befehlszeile falsch ist.
</translation>
    </message>
    <message>
        <source>%1 pages, %2 contacts.</source>
        <translation>%1 Seiten, %2 Kontakte.</translation>
    </message>
    <message>
        <source>%1 pages, %2 events.</source>
        <translation>%1 Seiten, %2 Ereignisse.</translation>
    </message>
    <message>
        <source>%1 pages, %2 blocks.</source>
        <translation>%1 Seiten, %2 Blöcke.</translation>
    </message>
</context>
<context>
    <name>ReportTypePage</name>
    <message>
        <source>Report Type</source>
        <translation>Berichtsart</translation>
    </message>
    <message>
        <source>Contact Ordered Report</source>
        <translation>Nach Kontakten geordneter Bericht</translation>
    </message>
    <message>
        <source>Calendar/Date Ordered Report</source>
        <translation>Nach Kalender/Datum geordneter Bericht</translation>
    </message>
    <message>
        <source>These are reports that are sorted by a contact&apos;s last name, company name - usually the most common reports.</source>
        <translation>Diese Berichte sind nach dem Nachnamen oder dem Firmennamen eines Kontakts sortiert – meist die häufigsten Berichte.</translation>
    </message>
    <message>
        <source>These are reports that sorted by a date; these reports are normally used for event listings.</source>
        <translation>Diese Berichte sind nach einem Datum sortiert; sie dienen meist als Listen von Ereignissen.</translation>
    </message>
</context>
<context>
    <name>ReportWords</name>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Brief</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Besprechung</translation>
    </message>
    <message>
        <source>TO-DO</source>
        <translation>Aufgabe</translation>
    </message>
</context>
<context>
    <name>help::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>shell::TFrmSpecial</name>
    <message>
        <source>Special Fields</source>
        <translation>Sonderfelder</translation>
    </message>
    <message>
        <source>Combination Fields</source>
        <translation>Kombinierte Felder</translation>
    </message>
    <message>
        <source>This field combines the Salutation, First Name and Last Name fields to one column. (Mr. John Smith)</source>
        <translation>Dieses Feld fasst die Felder Anrede, Vorname und Nachname in einer Spalte zusammen. (Herr Max Mustermann)</translation>
    </message>
    <message>
        <source>This field combines the First Name and Last Name fields to one column. (John Smith)</source>
        <translation>Dieses Feld fasst die Felder Vorname und Nachname in einer Spalte zusammen. (Max Mustermann)</translation>
    </message>
    <message>
        <source>This field combines the City, State and ZipCode fields to one column. (Springfield, IL 62704)</source>
        <translation>Dieses Feld fasst die Felder Ort, Bundesland und Postleitzahl in einer Spalte zusammen. (Springfield, IL 62704)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>shell::TFrmTabrep</name>
    <message>
        <source>

Check the database alias &quot;%1&quot; in %2.</source>
        <translation>

Prüfen Sie den Datenbank-Alias „%1“ in %2.</translation>
    </message>
    <message>
        <source>Tabulon Personal</source>
        <translation>Tabulon Personal</translation>
    </message>
    <message>
        <source>Exit now. Are you sure?</source>
        <translation>Jetzt beenden. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Another copy of the program has taken over the working table of this folder, so this copy writes nothing more, neither the table nor a report, and the report designed here ends with it.

Exit now all the same?</source>
        <translation>Eine andere Kopie des Programms hat die Arbeitstabelle dieses Ordners übernommen. Diese Kopie schreibt daher nichts mehr, weder die Tabelle noch einen Bericht, und der hier entworfene Bericht endet mit ihr.

Trotzdem jetzt beenden?</translation>
    </message>
</context>
<context>
    <name>shell::TFrmUser</name>
    <message>
        <source>User Field Definitions</source>
        <translation>Definitionen der Benutzerfelder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>USER FIELD</source>
        <translation>BENUTZERFELD</translation>
    </message>
    <message>
        <source>%1 holds more than %2 databases; only the first %2 are shown.</source>
        <translation>%1 enthält mehr als %2 Datenbanken; nur die ersten %2 werden angezeigt.</translation>
    </message>
</context>
<context>
    <name>shell::TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Tabulon</source>
        <translation>Tabulon</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>Report Wizard for the Omnivale contact manager
Designs the custom reports listed on the Reports screen</source>
        <translation>Berichtsassistent der Kontaktverwaltung Omnivale
Entwirft die eigenen Berichte, die der Berichtsbildschirm aufführt</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The tabrep maintainers
Free software under the MIT licence</source>
        <translation>Copyright (C) 2026 Die Betreuer von tabrep
Freie Software unter der MIT-Lizenz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tabulon Personal</source>
        <translation>Tabulon Personal</translation>
    </message>
</context>
<context>
    <name>tabrep</name>
    <message>
        <source>tabrep: no display could be opened, and tabrep is a graphical program that needs one.
Start it in a desktop session, or set DISPLAY or WAYLAND_DISPLAY to a display it may use.
</source>
        <translation>tabrep: Es ließ sich kein Bildschirm öffnen, und tabrep ist ein grafisches Programm, das einen braucht.
Starten Sie es in einer Desktop-Sitzung, oder setzen Sie DISPLAY oder WAYLAND_DISPLAY auf einen Bildschirm, den es nutzen darf.
</translation>
    </message>
</context>
<context>
    <name>ui::PickList</name>
    <message>
        <source>ticked</source>
        <translation>angekreuzt</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>nicht angekreuzt</translation>
    </message>
</context>
<context>
    <name>wizard::ColumnLayoutView</name>
    <message>
        <source>Column layout</source>
        <translation>Spaltenanordnung</translation>
    </message>
    <message>
        <source>No field is selected.</source>
        <translation>Kein Feld ist gewählt.</translation>
    </message>
</context>
<context>
    <name>wizard::PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Progress of the preview</source>
        <translation>Fortschritt der Vorschau</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;First Page</source>
        <translation>&amp;Erste Seite</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Vorige Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Last Page</source>
        <translation>&amp;Letzte Seite</translation>
    </message>
    <message>
        <source>&amp;What the data says about the columns:</source>
        <translation>&amp;Was die Daten über die Spalten sagen:</translation>
    </message>
    <message>
        <source>What the data says about the columns</source>
        <translation>Was die Daten über die Spalten sagen</translation>
    </message>
    <message>
        <source>&amp;Apply Suggested Span</source>
        <translation>Vorgeschlagene Breite &amp;übernehmen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Vorschau: %1</translation>
    </message>
    <message>
        <source>The preview was stopped: the page count and the findings are over the blocks read so far.</source>
        <translation>Die Vorschau wurde angehalten: Seitenzahl und Befunde beruhen auf den bisher gelesenen Blöcken.</translation>
    </message>
    <message>
        <source>Only the first %1 pages are kept for viewing.</source>
        <translation>Nur die ersten %1 Seiten werden zum Ansehen behalten.</translation>
    </message>
    <message>
        <source>The preview cannot be made: %1</source>
        <translation>Die Vorschau kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Reading the contacts…</source>
        <translation>Die Kontakte werden gelesen …</translation>
    </message>
    <message>
        <source>No page</source>
        <translation>Keine Seite</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Every value fits its column.</source>
        <translation>Jeder Wert passt in seine Spalte.</translation>
    </message>
</context>
<context>
    <name>wizard::TFrmColumn</name>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>Rechter Rand</translation>
    </message>
    <message>
        <source>Column Widths</source>
        <translation>Spaltenbreiten</translation>
    </message>
    <message>
        <source>Right Margin Max:</source>
        <translation>Rechter Rand höchstens:</translation>
    </message>
    <message>
        <source>The left and right margins are in tenths of inches.</source>
        <translation>Der linke und der rechte Rand werden in Zehntelzoll angegeben.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Columns check out OK</source>
        <translation>Die Spalten sind in Ordnung.</translation>
    </message>
    <message>
        <source>&amp;Check for Errors</source>
        <translation>Auf Fehler &amp;prüfen</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
</context>
<context>
    <name>wizard::TFrmFilename</name>
    <message>
        <source>Save Report File</source>
        <translation>Berichtsdatei speichern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Report description:</source>
        <translation>Beschreibung des Berichts:</translation>
    </message>
    <message>
        <source>Specify an eight character name for this report:</source>
        <translation>Geben Sie einen Namen aus bis zu acht Zeichen für diesen Bericht an:</translation>
    </message>
    <message>
        <source>Filename contains illegal characters.<byte value="xd"/>You must use letters and digits only.<byte value="xd"/>Please re-try.</source>
        <translation>Der Dateiname enthält unzulässige Zeichen.<byte value="xd"/>Verwenden Sie nur Buchstaben und Ziffern.<byte value="xd"/>Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Filename already exists. Choose another.</source>
        <translation>Den Dateinamen gibt es schon. Wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Type a name for the report file: up to eight letters and digits.</source>
        <translation>Geben Sie einen Namen für die Berichtsdatei ein: bis zu acht Buchstaben und Ziffern.</translation>
    </message>
</context>
<context>
    <name>wizard::TFrmSelect</name>
    <message>
        <source>Cannot open the report directory &quot;%1&quot;: %2</source>
        <translation>Das Berichtsverzeichnis „%1“ lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Select A Report</source>
        <translation>Bericht auswählen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>These report files cannot be read and are not listed:
%1</source>
        <translation>Diese Berichtsdateien lassen sich nicht lesen und sind nicht aufgeführt:
%1</translation>
    </message>
    <message>
        <source>There were no report files (*.rpt) found in the %1 directory</source>
        <translation>Im Verzeichnis %1 wurden keine Berichtsdateien (*.rpt) gefunden</translation>
    </message>
    <message>
        <source>Do you want to delete the %1 report?</source>
        <translation>Möchten Sie den Bericht %1 löschen?</translation>
    </message>
    <message>
        <source>Unable to delete report</source>
        <translation>Der Bericht kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The report %1 has been changed by another program or user since it was listed here (its file time says %2).

Do you want to delete it all the same?</source>
        <extracomment>%1: the report&apos;s file name; %2: the date and time its file gives</extracomment>
        <translation>Der Bericht %1 wurde seit dem Auflisten hier von einem anderen Programm oder Benutzer geändert (laut Dateizeit am %2).

Möchten Sie ihn trotzdem löschen?</translation>
    </message>
    <message>
        <source>The report %1 has been deleted.</source>
        <translation>Der Bericht %1 wurde gelöscht.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
</context>
<context>
    <name>wizard::Wizard</name>
    <message>
        <source>Slideshow</source>
        <translation>Diashow</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Delete an Existing Report</source>
        <translation>Bestehenden Bericht löschen</translation>
    </message>
    <message>
        <source>Modify an Existing Report</source>
        <translation>Bestehenden Bericht ändern</translation>
    </message>
    <message>
        <source>Report successfully modified.</source>
        <translation>Der Bericht wurde geändert.</translation>
    </message>
    <message>
        <source> Its file time says it was last changed on %1.</source>
        <extracomment>%1: the date and time the file says it was last written; a sentence of its own, after another</extracomment>
        <translation> Laut der Zeit der Datei wurde er zuletzt am %1 geändert.</translation>
    </message>
    <message>
        <source>The report %1 has been deleted by another program or user since it was loaded or saved here.

Do you want to save it again with this version?</source>
        <extracomment>%1: the report file&apos;s path</extracomment>
        <translation>Der Bericht %1 wurde, seit er hier geladen oder gespeichert wurde, von einem anderen Programm oder Benutzer gelöscht.

Möchten Sie ihn mit dieser Fassung erneut speichern?</translation>
    </message>
    <message>
        <source>Another program or user has saved a report as %1 since this report was loaded, saved or named here.%2

Do you want to overwrite it with this version?</source>
        <extracomment>%1: the report file&apos;s path; %2: the sentence on the file&apos;s time, or nothing</extracomment>
        <translation>Ein anderes Programm oder ein anderer Benutzer hat einen Bericht als %1 gespeichert, seit dieser Bericht hier geladen, gespeichert oder benannt wurde.%2

Möchten Sie ihn mit dieser Fassung überschreiben?</translation>
    </message>
    <message>
        <source>The report %1 has been changed by another program or user since it was loaded or saved here.%2

Do you want to overwrite it with this version?</source>
        <extracomment>%1: the report file&apos;s path; %2: the sentence on the file&apos;s time, or nothing</extracomment>
        <translation>Der Bericht %1 wurde, seit er hier geladen oder gespeichert wurde, von einem anderen Programm oder Benutzer geändert.%2

Möchten Sie ihn mit dieser Fassung überschreiben?</translation>
    </message>
    <message>
        <source>Do you want to overwrite the existing report?</source>
        <translation>Möchten Sie den bestehenden Bericht überschreiben?</translation>
    </message>
    <message>
        <source>Report successfully created.</source>
        <translation>Der Bericht wurde erstellt.</translation>
    </message>
</context>
</TS>
