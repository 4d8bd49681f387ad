<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Map data %1 (%2).</source>
        <translation>Kartendaten %1 (%2).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCairnbookView</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Delete the waypoints that belong to the deleted caches too?</source>
        <translation>Auch die Wegpunkte löschen, die zu den gelöschten Caches gehören?</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>CDocCommand</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>1 Waypoint</source>
        <translation>1 Wegpunkt</translation>
    </message>
    <message>
        <source>%1 Waypoints</source>
        <translation>%1 Wegpunkte</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>CEditWaypointDlg</name>
    <message>
        <source>Edit Waypoint</source>
        <translation>Wegpunkt bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name (8 chars)</source>
        <translation>Name (8 Zeichen)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Comment (30 chars)</source>
        <translation>Kommentar (30 Zeichen)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Geocache</source>
        <translation>Geocache</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Additional Info</source>
        <translation>Weitere Angaben</translation>
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
        <source>Icon</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte eine positive ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please truncate name to 8 characters.</source>
        <translation>Bitte den Namen auf 8 Zeichen kürzen.</translation>
    </message>
    <message>
        <source>Please truncate comment to 30 characters.  Currently it is %1.</source>
        <translation>Bitte den Kommentar auf 30 Zeichen kürzen.  Zurzeit hat er %1.</translation>
    </message>
    <message>
        <source>The wapoint name is not unique.  Please use a different name.</source>
        <translation>Der Name des Wegpunkts ist schon vergeben.  Bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>Crossed Square</source>
        <translation>Durchkreuztes Quadrat</translation>
    </message>
    <message>
        <source>Hunt Fish</source>
        <translation>Jagen Fischen</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Leuchtturm</translation>
    </message>
    <message>
        <source>RV Service</source>
        <translation>Wohnmobil-Service</translation>
    </message>
    <message>
        <source>Wrekc</source>
        <translation>Wrack</translation>
    </message>
    <message>
        <source>Multi Cache</source>
        <translation>Multi-Cache</translation>
    </message>
    <message>
        <source>Virual Cache</source>
        <translation>Virtual-Cache</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Cairnbook Help</source>
        <translation>Cairnbook-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CListFace</name>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Cache Types</source>
        <translation>Cache-Arten</translation>
    </message>
    <message>
        <source>Difficulty 1-5</source>
        <translation>Schwierigkeit 1-5</translation>
    </message>
    <message>
        <source>Terrain 1-5</source>
        <translation>Gelände 1-5</translation>
    </message>
    <message>
        <source>Container</source>
        <translation>Behälter</translation>
    </message>
    <message>
        <source>Within</source>
        <translation>Im Umkreis</translation>
    </message>
    <message>
        <source>Any State</source>
        <translation>Jeder Zustand</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Archived</source>
        <translation>Archiviert</translation>
    </message>
    <message>
        <source>Found or Not</source>
        <translation>Gefunden oder nicht</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Not Found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Filter löschen</translation>
    </message>
    <message>
        <source>Save Filter...</source>
        <translation>Filter speichern...</translation>
    </message>
    <message>
        <source>Save Filter</source>
        <translation>Filter speichern</translation>
    </message>
    <message>
        <source>Name of the filter:</source>
        <translation>Name des Filters:</translation>
    </message>
    <message>
        <source>Saved Filters</source>
        <translation>Gespeicherte Filter</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Show All Waypoints</source>
        <translation>Alle Wegpunkte zeigen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is waypoint %2, beyond the rows shown.</source>
        <translation>%1 ist Wegpunkt %2, jenseits der gezeigten Zeilen.</translation>
    </message>
    <message>
        <source>%1 of %2 waypoints match the filter</source>
        <translation>%1 von %2 Wegpunkten passen zum Filter</translation>
    </message>
    <message>
        <source>%1 of %2 waypoints shown</source>
        <translation>%1 von %2 Wegpunkten gezeigt</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Mount and Use %1</source>
        <translation>%1 einhängen und verwenden</translation>
    </message>
    <message>
        <source>The drive could not be mounted:
%1</source>
        <translation>Das Laufwerk konnte nicht eingehängt werden:
%1</translation>
    </message>
    <message>
        <source>No receiver found</source>
        <translation>Kein Empfänger gefunden</translation>
    </message>
    <message>
        <source>Choose Folder...</source>
        <translation>Ordner wählen...</translation>
    </message>
    <message>
        <source>Send to Folder</source>
        <translation>An Ordner senden</translation>
    </message>
    <message>
        <source>Receive from Folder</source>
        <translation>Aus Ordner empfangen</translation>
    </message>
    <message>
        <source>%1 is already on %2.
Do you want to replace it?

Yes replaces it; No keeps both, naming the new file %3.</source>
        <translation>%1 ist schon auf %2.
Soll die Datei ersetzt werden?

Ja ersetzt sie; Nein behält beide und nennt die neue Datei %3.</translation>
    </message>
    <message>
        <source>Nothing was sent to %1.

%2

Is the receiver still connected?</source>
        <translation>Nichts wurde an %1 gesendet.

%2

Ist der Empfänger noch angeschlossen?</translation>
    </message>
    <message>
        <source>Nothing was sent: there is not enough memory.</source>
        <translation>Nichts wurde gesendet: Der Speicher reicht nicht.</translation>
    </message>
    <message>
        <source>There are no waypoints on %1 (%2).</source>
        <translation>Auf %1 sind keine Wegpunkte (%2).</translation>
    </message>
    <message>
        <source>Merge the waypoints of %1 into this document?

No opens them as a new document.</source>
        <translation>Die Wegpunkte von %1 mit diesem Dokument zusammenführen?

Nein öffnet sie als neues Dokument.</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>The visits of %1 could not be read.

%2</source>
        <translation>Die Besuche von %1 konnten nicht gelesen werden.

%2</translation>
    </message>
    <message>
        <source>Mark 1 Cache Found</source>
        <translation>1 Cache als gefunden markieren</translation>
    </message>
    <message>
        <source>Mark %1 Caches Found</source>
        <translation>%1 Caches als gefunden markieren</translation>
    </message>
    <message>
        <source>1 cache of this document is now marked found.</source>
        <translation>1 Cache dieses Dokuments ist jetzt als gefunden markiert.</translation>
    </message>
    <message>
        <source>%1 caches of this document are now marked found.</source>
        <translation>%1 Caches dieses Dokuments sind jetzt als gefunden markiert.</translation>
    </message>
    <message>
        <source>%1 were found already.</source>
        <translation>%1 waren schon gefunden.</translation>
    </message>
    <message>
        <source>%1 logged %2 visits of caches that are not in this document:</source>
        <translation>%1 hat %2 Besuche von Caches vermerkt, die nicht in diesem Dokument sind:</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Reference Point</source>
        <translation>Bezugspunkt</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Recenter</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Add a Waypoint</source>
        <translation>Wegpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Send to Device</source>
        <translation>An Gerät senden</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>The map source &quot;%1&quot; is no longer defined. Showing %2 instead.</source>
        <translation>Die Kartenquelle „%1“ ist nicht mehr festgelegt. Stattdessen wird %2 gezeigt.</translation>
    </message>
    <message>
        <source>MBTiles Files (*.mbtiles)|*.mbtiles||</source>
        <translation>MBTiles-Dateien (*.mbtiles)|*.mbtiles||</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CMapFace</name>
    <message>
        <source>Click on map to</source>
        <translation>Klick auf Karte:</translation>
    </message>
    <message>
        <source>Mapping Mode</source>
        <translation>Kartenart</translation>
    </message>
    <message>
        <source>Hide Waypoints
Show Waypoints</source>
        <translation>Wegpunkte aus
Wegpunkte ein</translation>
    </message>
    <message>
        <source>Reset Map</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Map Click Mode</source>
        <translation>Wirkung eines Klicks</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Recenter</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Add a Waypoint</source>
        <translation>Neuer Wegpunkt</translation>
    </message>
    <message>
        <source>Mapping Modes</source>
        <translation>Kartenarten</translation>
    </message>
    <message>
        <source>Turn Off Map</source>
        <translation>Karte aus</translation>
    </message>
    <message>
        <source>Auto Map</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Topology</source>
        <translation>Topografie</translation>
    </message>
    <message>
        <source>Aerial View</source>
        <translation>Luftbild</translation>
    </message>
    <message>
        <source>Urban View</source>
        <translation>Stadtplan</translation>
    </message>
    <message>
        <source>km.</source>
        <translation>km</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>Meilen</translation>
    </message>
</context>
<context>
    <name>CMapImage</name>
    <message>
        <source>Can&apos;t open http request on %1 server, please try again later!</source>
        <translation>Der Server %1 nimmt keine Anfrage an, bitte später erneut versuchen!</translation>
    </message>
</context>
<context>
    <name>CMapSource</name>
    <message>
        <source>The group [%1] of %2 is empty and was left out.</source>
        <translation>Die Gruppe [%1] von %2 ist leer und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The group [%1] of %2 names no url, aerial, topo, urban or mbtiles and was left out.</source>
        <translation>Die Gruppe [%1] von %2 nennt weder url, aerial, topo, urban noch mbtiles und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The attribution of [%1] is longer than %2 characters and was cut.</source>
        <translation>Die Quellenangabe von [%1] ist länger als %2 Zeichen und wurde gekürzt.</translation>
    </message>
    <message>
        <source>its URL template is longer than %1 characters</source>
        <translation>ihre URL-Vorlage ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>its URL template has more than %1 placeholders</source>
        <translation>ihre URL-Vorlage hat mehr als %1 Platzhalter</translation>
    </message>
    <message>
        <source>its URL template is not an http or https address</source>
        <translation>ihre URL-Vorlage ist keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>its URL template lacks {z}, {x} or {y}</source>
        <translation>ihrer URL-Vorlage fehlt {z}, {x} oder {y}</translation>
    </message>
    <message>
        <source>it has no URL template</source>
        <translation>sie hat keine URL-Vorlage</translation>
    </message>
</context>
<context>
    <name>CMbTilesFile</name>
    <message>
        <source>the file %1 does not exist</source>
        <translation>die Datei %1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>the file %1 cannot be read (%2)</source>
        <translation>die Datei %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 is not an SQLite database</source>
        <translation>%1 ist keine SQLite-Datenbank</translation>
    </message>
    <message>
        <source>%1 cannot be opened as an SQLite database</source>
        <translation>%1 kann nicht als SQLite-Datenbank geöffnet werden</translation>
    </message>
    <message>
        <source>the query failed</source>
        <translation>die Abfrage schlug fehl</translation>
    </message>
    <message>
        <source>a query took longer than %1 seconds</source>
        <translation>eine Abfrage dauerte länger als %1 Sekunden</translation>
    </message>
    <message>
        <source>a tile is larger than %1 MiB</source>
        <translation>eine Kachel ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>%1 has no tiles table</source>
        <translation>%1 hat keine Tabelle tiles</translation>
    </message>
    <message>
        <source>the tiles of %1 are a recursive view</source>
        <translation>die Kacheln von %1 sind eine rekursive Sicht</translation>
    </message>
    <message>
        <source>the tiles of %1 lack the MBTiles columns</source>
        <translation>den Kacheln von %1 fehlen die MBTiles-Spalten</translation>
    </message>
</context>
<context>
    <name>CQtProgress</name>
    <message>
        <source>Saving %1...</source>
        <translation>%1 wird gespeichert...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CTileService</name>
    <message>
        <source>The map source &quot;%1&quot; cannot be used: %2. Showing %3 instead.</source>
        <translation>Die Kartenquelle „%1“ ist nicht verwendbar: %2. Stattdessen wird %3 gezeigt.</translation>
    </message>
    <message>
        <source>The map server %1 misbehaves (a tile too large, too slow or redirected away); its tiles are asked again after a pause.</source>
        <translation>Der Kartenserver %1 verhält sich fehlerhaft (eine Kachel zu groß, zu langsam oder umgeleitet); seine Kacheln werden nach einer Pause erneut angefragt.</translation>
    </message>
    <message>
        <source>The map server %1 does not answer (%2); the map will ask again.</source>
        <translation>Der Kartenserver %1 antwortet nicht (%2); die Karte fragt erneut.</translation>
    </message>
    <message>
        <source>The map source &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Kartenquelle „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Seite %1 von %2 wird gedruckt</translation>
    </message>
</context>
<context>
    <name>res</name>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument anlegen
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Das aktive Dokument schließen
Schließen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Merge a file with the current document
Merge</source>
        <translation>Eine Datei mit dem aktuellen Dokument zusammenführen
Zusammenführen</translation>
    </message>
    <message>
        <source>Save the Selected waypoints
Save Selected</source>
        <translation>Die ausgewählten Wegpunkte speichern
Auswahl speichern</translation>
    </message>
    <message>
        <source>Export Data to a different file type</source>
        <translation>Daten in ein anderes Dateiformat exportieren</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Urheberrecht anzeigen
Über</translation>
    </message>
    <message>
        <source>Show the Help File
Help File</source>
        <translation>Die Hilfe anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Delete current waypoint
Delete</source>
        <translation>Den aktuellen Wegpunkt löschen
Löschen</translation>
    </message>
    <message>
        <source>Add a Waypoint
Add Waypoint</source>
        <translation>Einen Wegpunkt hinzufügen
Wegpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Set Waypoint as Reference Point
Reference Point</source>
        <translation>Wegpunkt als Bezugspunkt festlegen
Bezugspunkt</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Die Auswahl in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Find a waypoint by its name, comment or Additional Info
Find</source>
        <translation>Einen Wegpunkt nach Name, Kommentar oder weiteren Angaben suchen
Suchen</translation>
    </message>
    <message>
        <source>Find the next waypoint that holds the text last looked for
Find Next</source>
        <translation>Den nächsten Wegpunkt mit dem zuletzt gesuchten Text suchen
Weitersuchen</translation>
    </message>
    <message>
        <source>Find the previous waypoint that holds the text last looked for
Find Previous</source>
        <translation>Den vorigen Wegpunkt mit dem zuletzt gesuchten Text suchen
Rückwärts suchen</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Switch to List View
List View</source>
        <translation>Zur Listenansicht wechseln
Liste</translation>
    </message>
    <message>
        <source>Switch to Map View
Map View</source>
        <translation>Zur Kartenansicht wechseln
Karte</translation>
    </message>
    <message>
        <source>Hide waypoints on the map
Hide Waypoints</source>
        <translation>Wegpunkte auf der Karte ausblenden
Wegpunkte ausblenden</translation>
    </message>
    <message>
        <source>Display values in Metric
Metric</source>
        <translation>Werte metrisch anzeigen
Metrisch</translation>
    </message>
    <message>
        <source>Send the selected waypoints, or all that match, to a GPS receiver
Send to Device</source>
        <translation>Die ausgewählten oder alle passenden Wegpunkte an einen GPS-Empfänger senden
An Gerät senden</translation>
    </message>
    <message>
        <source>Read the waypoints and visited caches of a GPS receiver
Receive from Device</source>
        <translation>Die Wegpunkte und besuchten Caches eines GPS-Empfängers lesen
Vom Gerät empfangen</translation>
    </message>
    <message>
        <source>Show only the waypoints that match a filter
Filter</source>
        <translation>Nur die Wegpunkte zeigen, die zu einem Filter passen
Filter</translation>
    </message>
    <message>
        <source>Show the selected waypoint&apos;s listing beside the list
Listing</source>
        <translation>Die Beschreibung des ausgewählten Wegpunkts neben der Liste zeigen
Beschreibung</translation>
    </message>
    <message>
        <source>List every waypoint of a document, not only the first 2,000
Show All Waypoints</source>
        <translation>Alle Wegpunkte eines Dokuments auflisten, nicht nur die ersten 2.000
Alle Wegpunkte zeigen</translation>
    </message>
    <message>
        <source>Degrees Minutes.MMM
Deg/Min.MMM</source>
        <translation>Grad Minuten.MMM
Grad/Min.MMM</translation>
    </message>
    <message>
        <source>Degrees Minutes Seconds
Deg/Min/Sec</source>
        <translation>Grad Minuten Sekunden
Grad/Min/Sek</translation>
    </message>
    <message>
        <source>Degrees Decimal
Decimal</source>
        <translation>Dezimalgrad
Dezimal</translation>
    </message>
    <message>
        <source>Increase Magnification
Magnify</source>
        <translation>Vergrößern
Vergrößern</translation>
    </message>
    <message>
        <source>Decrease Magnificaiton
De-Magnify</source>
        <translation>Verkleinern
Verkleinern</translation>
    </message>
    <message>
        <source>Recenter Image at cursor
Recenter</source>
        <translation>Bild am Mauszeiger zentrieren
Zentrieren</translation>
    </message>
    <message>
        <source>Add a Waypoint to the map
Add Waypoint</source>
        <translation>Einen Wegpunkt auf der Karte hinzufügen
Wegpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Do not use a Map
No Map</source>
        <translation>Keine Karte verwenden
Keine Karte</translation>
    </message>
    <message>
        <source>Automatically switch between map views
Auto Map</source>
        <translation>Automatisch zwischen Kartenarten wechseln
Karte automatisch</translation>
    </message>
    <message>
        <source>View Topology Map
Topology</source>
        <translation>Topografische Karte zeigen
Topografie</translation>
    </message>
    <message>
        <source>Aerial View Map
Aerial</source>
        <translation>Luftbild zeigen
Luftbild</translation>
    </message>
    <message>
        <source>Urban View Map
Urban</source>
        <translation>Stadtplan zeigen
Stadtplan</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden
Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ein weiteres Fenster für das aktive Dokument öffnen
Neues Fenster</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Symbole am unteren Fensterrand anordnen
Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Fenster nebeneinander anordnen
Nebeneinander</translation>
    </message>
    <message>
        <source>Button to toggle showing waypoints</source>
        <translation>Schaltfläche zum Ein- und Ausblenden der Wegpunkte</translation>
    </message>
    <message>
        <source>Button to reset the map</source>
        <translation>Schaltfläche zum Zurücksetzen der Karte</translation>
    </message>
    <message>
        <source>Mouse Position                        </source>
        <translation>Mausposition                          </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>Rece&amp;ive from Device</source>
        <translation>Vom Gerät empf&amp;angen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druckerei&amp;nrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+Q</source>
        <translation>&amp;Beenden	Strg+Q</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help Topics	F1</source>
        <translation>Hilfethemen	F1</translation>
    </message>
    <message>
        <source>&amp;About Cairnbook...</source>
        <translation>&amp;Über Cairnbook...</translation>
    </message>
    <message>
        <source>Open &amp;Merge...	Ctrl+M</source>
        <translation>Öffnen und &amp;zusammenführen...	Strg+M</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>S&amp;chließen	Strg+W</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Speichern &amp;unter...	Strg+Umschalt+S</translation>
    </message>
    <message>
        <source>Save Selected As...</source>
        <translation>Auswahl speichern unter...</translation>
    </message>
    <message>
        <source>Export Data...	Ctrl+E</source>
        <translation>Daten &amp;exportieren...	Strg+E</translation>
    </message>
    <message>
        <source>Sen&amp;d to Device</source>
        <translation>An &amp;Gerät senden</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederholen	Strg+Y</translation>
    </message>
    <message>
        <source>&amp;Delete Waypoint	Ctrl+D</source>
        <translation>Wegpunkt &amp;löschen	Strg+D</translation>
    </message>
    <message>
        <source>Add Waypoint	Ins</source>
        <translation>Wegpunkt hinzufügen	Einfg</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>E&amp;infügen	Strg+V</translation>
    </message>
    <message>
        <source>Cut	Ctrl+X</source>
        <translation>Ausschneiden	Strg+X</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Suchen...	Strg+F</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <translation>Wei&amp;tersuchen	F3</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious	Shift+F3</source>
        <translation>Rückwärts s&amp;uchen	Umschalt+F3</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Map View</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Map Settings</source>
        <translation>Karteneinstellungen</translation>
    </message>
    <message>
        <source>Turn Off Map</source>
        <translation>Karte aus</translation>
    </message>
    <message>
        <source>Auto Map</source>
        <translation>Karte automatisch</translation>
    </message>
    <message>
        <source>Topology</source>
        <translation>Topografie</translation>
    </message>
    <message>
        <source>Aerial View</source>
        <translation>Luftbild</translation>
    </message>
    <message>
        <source>Urban View</source>
        <translation>Stadtplan</translation>
    </message>
    <message>
        <source>Map Source</source>
        <translation>Kartenquelle</translation>
    </message>
    <message>
        <source>Hide Waypoints</source>
        <translation>Wegpunkte ausblenden</translation>
    </message>
    <message>
        <source>Metric Values</source>
        <translation>Metrische Werte</translation>
    </message>
    <message>
        <source>Waypoint Format</source>
        <translation>Koordinatenformat</translation>
    </message>
    <message>
        <source>Deg/Min.MMM</source>
        <translation>Grad/Min.MMM</translation>
    </message>
    <message>
        <source>Deg/Min/Sec</source>
        <translation>Grad/Min/Sek</translation>
    </message>
    <message>
        <source>Deg.DDDD</source>
        <translation>Grad.DDDD</translation>
    </message>
    <message>
        <source>Show &amp;All Waypoints</source>
        <translation>&amp;Alle Wegpunkte zeigen</translation>
    </message>
    <message>
        <source>&amp;Listing</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Filter	Ctrl+Shift+F</source>
        <translation>&amp;Filter	Strg+Umschalt+F</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>Nebenein&amp;ander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Save Warning</source>
        <translation>Warnung beim Speichern</translation>
    </message>
    <message>
        <source>Some data will be lost with this file type.  Continue?</source>
        <translation>Mit diesem Dateityp gehen einige Daten verloren.  Fortfahren?</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No LOC waypoints were found in this file.</source>
        <translation>In dieser Datei wurden keine LOC-Wegpunkte gefunden.</translation>
    </message>
    <message>
        <source>Printing failed: the printer could not be started.</source>
        <translation>Drucken fehlgeschlagen: Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Invalid filename.</source>
        <translation>Ungültiger Dateiname.</translation>
    </message>
    <message>
        <source>Licence GPL-3.0-or-later: the GNU General Public License, version 3 or later.
This is free software: you may change and share it under its terms.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Lizenz GPL-3.0-or-later: die GNU General Public License, Version 3 oder später.
Dies ist freie Software: Sie dürfen sie nach deren Bedingungen ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.</translation>
    </message>
    <message>
        <source>Built with Qt %1 (LGPL-3.0), expat (MIT), GeographicLib (MIT), libzip (BSD-3-Clause),
jemalloc (BSD-2-Clause) and SQLite (public domain).</source>
        <translation>Erstellt mit Qt %1 (LGPL-3.0), expat (MIT), GeographicLib (MIT), libzip (BSD-3-Clause),
jemalloc (BSD-2-Clause) und SQLite (gemeinfrei).</translation>
    </message>
    <message>
        <source>Open MBTiles File...</source>
        <translation>MBTiles-Datei öffnen...</translation>
    </message>
    <message>
        <source>Reload Map Sources</source>
        <translation>Kartenquellen neu laden</translation>
    </message>
    <message>
        <source>About Cairnbook</source>
        <translation>Über Cairnbook</translation>
    </message>
    <message>
        <source>This program can help you maintain your waypoints.  Using the Map capabilities, you 
can identify the geographical location and terrain that will be found near your waypoints.</source>
        <translation>Dieses Programm hilft Ihnen, Ihre Wegpunkte zu pflegen.  Mit der Karte erkennen Sie 
Lage und Gelände in der Nähe Ihrer Wegpunkte.</translation>
    </message>
    <message>
        <source>Map pictures come from the Tallowmarket imagery service, with imagery of the USGS.
Updates are published with the program&apos;s source code.</source>
        <translation>Die Kartenbilder kommen vom Bilddienst Tallowmarket, mit Bildern des USGS.
Neue Versionen erscheinen mit dem Quellcode des Programms.</translation>
    </message>
    <message>
        <source>No Waypoint is selected to remove.</source>
        <translation>Es ist kein Wegpunkt zum Entfernen ausgewählt.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <source>Altitude (ft)</source>
        <translation>Höhe (ft)</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Entfernung (km)</translation>
    </message>
    <message>
        <source>Distance (mi)</source>
        <translation>Entfernung (mi)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longnitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Geocache</source>
        <translation>Geocache</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Additional Info</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Text Files (.txt)</source>
        <translation>Textdateien (.txt)</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>GPX Files (*.gpx)</source>
        <translation>GPX-Dateien (*.gpx)</translation>
    </message>
    <message>
        <source>TopoGrafix Data File (.loc)</source>
        <translation>TopoGrafix-Datendatei (.loc)</translation>
    </message>
    <message>
        <source>WPT Files (.wpt)</source>
        <translation>WPT-Dateien (.wpt)</translation>
    </message>
    <message>
        <source>Cairnbook (.ckb)</source>
        <translation>Cairnbook (.ckb)</translation>
    </message>
    <message>
        <source>Zip Files of GPX Files (*.zip)</source>
        <translation>Zip-Archive von GPX-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Kiste</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>Aerial</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Airport</source>
        <translation>Flughafen</translation>
    </message>
    <message>
        <source>Amusement</source>
        <translation>Vergnügungspark</translation>
    </message>
    <message>
        <source>ATM</source>
        <translation>Geldautomat</translation>
    </message>
    <message>
        <source>Auto Repair</source>
        <translation>Autowerkstatt</translation>
    </message>
    <message>
        <source>Boating</source>
        <translation>Bootfahren</translation>
    </message>
    <message>
        <source>Camping</source>
        <translation>Camping</translation>
    </message>
    <message>
        <source>Exit Ramp</source>
        <translation>Ausfahrt</translation>
    </message>
    <message>
        <source>First Aid</source>
        <translation>Erste Hilfe</translation>
    </message>
    <message>
        <source>Nav Aid</source>
        <translation>Navigationshilfe</translation>
    </message>
    <message>
        <source>Bouy</source>
        <translation>Boje</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Tankstelle</translation>
    </message>
    <message>
        <source>Garden</source>
        <translation>Garten</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Hunt/Fish</source>
        <translation>Jagen/Fischen</translation>
    </message>
    <message>
        <source>Large City</source>
        <translation>Großstadt</translation>
    </message>
    <message>
        <source>Light House</source>
        <translation>Leuchtturm</translation>
    </message>
    <message>
        <source>Major City</source>
        <translation>Metropole</translation>
    </message>
    <message>
        <source>Marina</source>
        <translation>Jachthafen</translation>
    </message>
    <message>
        <source>Medium City</source>
        <translation>Mittelstadt</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museum</translation>
    </message>
    <message>
        <source>Obstruction</source>
        <translation>Hindernis</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>Resort</source>
        <translation>Ferienort</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>Restaurant</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Fels</translation>
    </message>
    <message>
        <source>Scuba</source>
        <translation>Tauchen</translation>
    </message>
    <message>
        <source>RV Resort</source>
        <translation>Wohnmobilplatz</translation>
    </message>
    <message>
        <source>Shooting</source>
        <translation>Schießstand</translation>
    </message>
    <message>
        <source>Sight Seeing</source>
        <translation>Sehenswürdigkeit</translation>
    </message>
    <message>
        <source>Small City</source>
        <translation>Kleinstadt</translation>
    </message>
    <message>
        <source>Sounding</source>
        <translation>Lotung</translation>
    </message>
    <message>
        <source>Sports Arena</source>
        <translation>Sportstätte</translation>
    </message>
    <message>
        <source>Tourist Info</source>
        <translation>Touristeninfo</translation>
    </message>
    <message>
        <source>Truck Service</source>
        <translation>Lkw-Service</translation>
    </message>
    <message>
        <source>Winery</source>
        <translation>Weingut</translation>
    </message>
    <message>
        <source>Wreck</source>
        <translation>Wrack</translation>
    </message>
    <message>
        <source>Zoo</source>
        <translation>Zoo</translation>
    </message>
    <message>
        <source>Traditional Cache</source>
        <translation>Traditional-Cache</translation>
    </message>
    <message>
        <source>MultiCache</source>
        <translation>Multi-Cache</translation>
    </message>
    <message>
        <source>Virtual Cache</source>
        <translation>Virtual-Cache</translation>
    </message>
    <message>
        <source>Letterbox Cache</source>
        <translation>Letterbox-Cache</translation>
    </message>
    <message>
        <source>Event Cache</source>
        <translation>Event-Cache</translation>
    </message>
    <message>
        <source>Webcam Cache</source>
        <translation>Webcam-Cache</translation>
    </message>
    <message>
        <source>Mystery Cache</source>
        <translation>Mystery-Cache</translation>
    </message>
    <message>
        <source>Locationless Cache</source>
        <translation>Locationless-Cache</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>North East</source>
        <translation>Nordost</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>South East</source>
        <translation>Südost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>South West</source>
        <translation>Südwest</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North West</source>
        <translation>Nordwest</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>das ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>this format is read only; save under another name</source>
        <translation>dieses Format wird nur gelesen; bitte unter anderem Namen speichern</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>nobody is reading it</source>
        <translation>niemand liest sie</translation>
    </message>
    <message>
        <source>cannot create a file in its folder</source>
        <translation>in ihrem Ordner kann keine Datei angelegt werden</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>die Datei kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>it holds no GPX file</source>
        <translation>es enthält keine GPX-Datei</translation>
    </message>
</context>
</TS>
