<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CDlgMap</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
</context>
<context>
    <name>CPlayerDlg</name>
    <message>
        <source>
Copied as recorded, from the key frame %1 s before the start.</source>
        <translation>
Unverändert kopiert, ab dem Schlüsselbild %1 s vor dem Anfang.</translation>
    </message>
    <message>
        <source>Set the clip&apos;s start (i) and end (o) first.</source>
        <translation>Zuerst Anfang (i) und Ende (o) des Clips festlegen.</translation>
    </message>
    <message>
        <source>The clip&apos;s start and end are not in one drive.</source>
        <translation>Anfang und Ende des Clips liegen nicht in derselben Fahrt.</translation>
    </message>
    <message>
        <source>A clip is being saved: wait for it, or cancel it.</source>
        <translation>Ein Clip wird gerade gespeichert: bitte abwarten oder abbrechen.</translation>
    </message>
    <message>
        <source>The clip would be empty: set its start and end apart.</source>
        <translation>Der Clip wäre leer: Anfang und Ende müssen auseinanderliegen.</translation>
    </message>
    <message>
        <source>Save clip failed! %1 is one of the clip&apos;s recordings.</source>
        <translation>Clip konnte nicht gespeichert werden! %1 ist eine der Aufnahmen des Clips.</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Clip speichern</translation>
    </message>
    <message>
        <source>The clip is saved: %1</source>
        <translation>Der Clip wurde gespeichert: %1</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; nothing was written.</source>
        <translation>Speichern von %1 abgebrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Save clip failed! %1: %2</source>
        <translation>Clip konnte nicht gespeichert werden! %1: %2</translation>
    </message>
    <message>
        <source>Clip start here</source>
        <translation>Clip-Anfang hier</translation>
    </message>
    <message>
        <source>Clip end here</source>
        <translation>Clip-Ende hier</translation>
    </message>
    <message>
        <source>Clear the clip&apos;s marks</source>
        <translation>Clip-Markierungen löschen</translation>
    </message>
    <message>
        <source>Cancel the clip</source>
        <translation>Clip abbrechen</translation>
    </message>
    <message>
        <source>Save clip…</source>
        <translation>Clip speichern…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play from before it</source>
        <translation>Ab kurz davor abspielen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Looking for events: %1 of %2</source>
        <translation>Suche nach Ereignissen: %1 von %2</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1, %2 nach Beginn</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>A note for this moment:</source>
        <translation>Notiz zu diesem Moment:</translation>
    </message>
    <message>
        <source>The bookmark could not be kept.</source>
        <translation>Das Lesezeichen konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The bookmark could not be removed.</source>
        <translation>Das Lesezeichen konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Impact threshold</source>
        <translation>Aufprallschwelle</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)</source>
        <translation>GPX-Track (*.gpx);;KML (*.kml);;CSV-Tabelle (*.csv);;GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export track</source>
        <translation>Track exportieren</translation>
    </message>
    <message>
        <source>Export track failed! Name a .gpx, .kml, .csv or .geojson file.</source>
        <translation>Export des Tracks fehlgeschlagen! Eine .gpx-, .kml-, .csv- oder .geojson-Datei angeben.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>Export track failed! %1 could not be written.</source>
        <translation>Export des Tracks fehlgeschlagen! %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Importing: %1 of %2 files</source>
        <translation>Import: %1 von %2 Dateien</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>play / pause</source>
        <translation>Wiedergabe / Pause</translation>
    </message>
    <message>
        <source>← / →</source>
        <translation>← / →</translation>
    </message>
    <message>
        <source>5 s back / forward</source>
        <translation>5 s zurück / vor</translation>
    </message>
    <message>
        <source>Shift+← / →</source>
        <translation>Umschalt+← / →</translation>
    </message>
    <message>
        <source>1 s back / forward</source>
        <translation>1 s zurück / vor</translation>
    </message>
    <message>
        <source>↓ / ↑</source>
        <translation>↓ / ↑</translation>
    </message>
    <message>
        <source>60 s back / forward</source>
        <translation>60 s zurück / vor</translation>
    </message>
    <message>
        <source>, / .</source>
        <translation>, / .</translation>
    </message>
    <message>
        <source>one frame back / forward</source>
        <translation>ein Bild zurück / vor</translation>
    </message>
    <message>
        <source>[ / ]</source>
        <translation>[ / ]</translation>
    </message>
    <message>
        <source>slower / faster</source>
        <translation>langsamer / schneller</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>normale Geschwindigkeit</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>9 / 0</source>
        <translation>9 / 0</translation>
    </message>
    <message>
        <source>volume down / up</source>
        <translation>leiser / lauter</translation>
    </message>
    <message>
        <source>f, F11</source>
        <translation>f, F11</translation>
    </message>
    <message>
        <source>full screen (Escape leaves it)</source>
        <translation>Vollbild (Esc beendet es)</translation>
    </message>
    <message>
        <source>PgUp / PgDn</source>
        <translation>Bild↑ / Bild↓</translation>
    </message>
    <message>
        <source>previous / next recording</source>
        <translation>vorherige / nächste Aufnahme</translation>
    </message>
    <message>
        <source>e / Shift+E</source>
        <translation>e / Umschalt+E</translation>
    </message>
    <message>
        <source>10 s before the next / previous event</source>
        <translation>10 s vor dem nächsten / vorherigen Ereignis</translation>
    </message>
    <message>
        <source>b / Shift+B</source>
        <translation>b / Umschalt+B</translation>
    </message>
    <message>
        <source>bookmark the moment / with a note</source>
        <translation>Lesezeichen setzen / mit Notiz</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>events list / recordings</source>
        <translation>Ereignisliste / Aufnahmen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>remove the bookmark chosen in the events list</source>
        <translation>gewähltes Lesezeichen der Ereignisliste entfernen</translation>
    </message>
    <message>
        <source>i / o</source>
        <translation>i / o</translation>
    </message>
    <message>
        <source>clip start / end at this moment</source>
        <translation>Clip-Anfang / -Ende an dieser Stelle</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>save the clip between the marks</source>
        <translation>Clip zwischen den Markierungen speichern</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Strg+O</translation>
    </message>
    <message>
        <source>import a folder</source>
        <translation>Ordner importieren</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>capture the large picture</source>
        <translation>Standbild der großen Ansicht</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Strg+P</translation>
    </message>
    <message>
        <source>print the moment</source>
        <translation>diesen Moment drucken</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? oder F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>leave full screen, else clear the clip&apos;s marks, else close</source>
        <translation>Vollbild beenden, sonst Marken löschen, sonst schließen</translation>
    </message>
    <message>
        <source>Front camera</source>
        <translation>Frontkamera</translation>
    </message>
    <message>
        <source>Import a folder, then double-click a recording</source>
        <translation>Ordner importieren, dann eine Aufnahme doppelklicken</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>LAUTSTÄRKE</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>About Player...</source>
        <translation>Über Mediaplayer…</translation>
    </message>
    <message>
        <source>Speed in km/h</source>
        <translation>Geschwindigkeit in km/h</translation>
    </message>
    <message>
        <source>Speed in mph</source>
        <translation>Geschwindigkeit in mph</translation>
    </message>
    <message>
        <source>Export track…</source>
        <translation>Track exportieren…</translation>
    </message>
    <message>
        <source>Export drive&apos;s track…</source>
        <translation>Track der Fahrt exportieren…</translation>
    </message>
    <message>
        <source>Route coloured by speed</source>
        <translation>Route nach Geschwindigkeit einfärben</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About Player</source>
        <translation>Über Mediaplayer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Player Version %1&lt;/b&gt;&lt;br&gt;DualDash plays the front and rear recordings of car video recorders with their route, speed, course and G-sensor data.</source>
        <translation>&lt;b&gt;Mediaplayer Version %1&lt;/b&gt;&lt;br&gt;DualDash spielt die Front- und Heckaufnahmen von Dashcams zusammen mit Route, Geschwindigkeit, Kurs und G-Sensor-Daten ab.</translation>
    </message>
    <message>
        <source>UnSupported file!</source>
        <translation>Datei wird nicht unterstützt!</translation>
    </message>
    <message>
        <source>Play file failed!</source>
        <translation>Die Datei konnte nicht abgespielt werden!</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The recording is no longer there: %1</source>
        <translation>Die Aufnahme ist nicht mehr vorhanden: %1</translation>
    </message>
    <message>
        <source>Set file name...</source>
        <translation>Dateiname festlegen…</translation>
    </message>
    <message>
        <source>Photo File(*.jpg)</source>
        <translation>Fotodatei (*.jpg)</translation>
    </message>
    <message>
        <source>Capture failed! %1 could not be written.</source>
        <translation>Standbild fehlgeschlagen! %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Player print information</source>
        <translation>Mediaplayer – Druckinformationen</translation>
    </message>
    <message>
        <source>File: %1

G-Sensor data:  x - %2  y - %3  z - %4]

GPS coordinate: Longitude - %5  Latitude - %6</source>
        <translation>Datei: %1

G-Sensor-Daten:  x - %2  y - %3  z - %4

GPS-Koordinaten: Länge - %5  Breite - %6</translation>
    </message>
    <message>
        <source>Print time: %1</source>
        <translation>Gedruckt am: %1</translation>
    </message>
    <message>
        <source>Minimize the window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Mediaplayer schließen</translation>
    </message>
    <message>
        <source>Import the recordings of a folder or a memory card</source>
        <translation>Aufnahmen aus einem Ordner oder von einer Speicherkarte importieren</translation>
    </message>
    <message>
        <source>Stop playing and empty the list</source>
        <translation>Wiedergabe stoppen und Liste leeren</translation>
    </message>
    <message>
        <source>Show the rear camera or the list in the right-hand panel</source>
        <translation>Heckkamera oder Liste im rechten Bereich anzeigen</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Make the sound quieter</source>
        <translation>Ton leiser stellen</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Make the sound louder</source>
        <translation>Ton lauter stellen</translation>
    </message>
    <message>
        <source>Play on</source>
        <translation>Fortlaufend abspielen</translation>
    </message>
    <message>
        <source>When on, the next recording plays when one ends</source>
        <translation>Wenn aktiviert, wird nach dem Ende einer Aufnahme die nächste abgespielt</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>Vorherige Aufnahme</translation>
    </message>
    <message>
        <source>Play the recording before this one</source>
        <translation>Die Aufnahme vor dieser abspielen</translation>
    </message>
    <message>
        <source>Play or pause both cameras</source>
        <translation>Beide Kameras abspielen oder anhalten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop both cameras</source>
        <translation>Beide Kameras stoppen</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>Nächste Aufnahme</translation>
    </message>
    <message>
        <source>Play the recording after this one</source>
        <translation>Die Aufnahme nach dieser abspielen</translation>
    </message>
    <message>
        <source>Swap cameras</source>
        <translation>Kameras tauschen</translation>
    </message>
    <message>
        <source>When on, the rear camera plays in the large view</source>
        <translation>Wenn aktiviert, wird die Heckkamera in der großen Ansicht gezeigt</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the moment with its data</source>
        <translation>Den Moment mit seinen Daten drucken</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Save the large picture as a JPEG file</source>
        <translation>Das große Bild als JPEG-Datei speichern</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Where the recording is; the marks are its events</source>
        <translation>Stelle in der Aufnahme; die Markierungen sind ihre Ereignisse</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>The recordings found; a double-click plays one</source>
        <translation>Die gefundenen Aufnahmen; Doppelklick spielt eine ab</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>The drive&apos;s events and bookmarks; a double-click plays from before one</source>
        <translation>Ereignisse und Lesezeichen der Fahrt; Doppelklick spielt ab kurz davor ab</translation>
    </message>
    <message>
        <source>Large view</source>
        <translation>Große Ansicht</translation>
    </message>
    <message>
        <source>The front camera, or the rear one when swapped</source>
        <translation>Die Frontkamera, nach dem Tausch die Heckkamera</translation>
    </message>
    <message>
        <source>Small view</source>
        <translation>Kleine Ansicht</translation>
    </message>
    <message>
        <source>The rear camera, or the front one when swapped</source>
        <translation>Die Heckkamera, nach dem Tausch die Frontkamera</translation>
    </message>
    <message>
        <source>G-sensor</source>
        <translation>G-Sensor</translation>
    </message>
    <message>
        <source>The G-sensor&apos;s readings over the recording, with the moment playing</source>
        <translation>Die G-Sensor-Werte der Aufnahme mit der aktuellen Stelle</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>The route and where the car is</source>
        <translation>Die Route und die Position des Fahrzeugs</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Importfortschritt</translation>
    </message>
    <message>
        <source>Event search progress</source>
        <translation>Fortschritt der Ereignissuche</translation>
    </message>
    <message>
        <source>Playing speed</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Volume level %1 of %2</source>
        <translation>Lautstärkestufe %1 von %2</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Heading %1°</source>
        <translation>Kurs %1°</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Speichern: %1</translation>
    </message>
    <message>
        <source>no index</source>
        <translation>kein Index</translation>
    </message>
    <message>
        <source>index cut short</source>
        <translation>Index abgeschnitten</translation>
    </message>
    <message>
        <source>media data past the file&apos;s end</source>
        <translation>Mediendaten über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. A power loss cut this recording off before the camera finished it, so it cannot be played as it is.</source>
        <translation>%1 ist beschädigt: %2. Ein Stromausfall hat diese Aufnahme unterbrochen, bevor die Kamera sie abschließen konnte; so lässt sie sich nicht abspielen.</translation>
    </message>
    <message>
        <source>No healthy recording of the same camera lies beside it to rebuild it from. Choose one the same camera made.</source>
        <translation>Daneben liegt keine intakte Aufnahme derselben Kamera, aus der sie wiederhergestellt werden könnte. Wählen Sie eine Aufnahme derselben Kamera.</translation>
    </message>
    <message>
        <source>It can be rebuilt from %1, a healthy recording of the same camera, into %2. The damaged file stays as it is.</source>
        <translation>Sie kann anhand von %1, einer intakten Aufnahme derselben Kamera, als %2 wiederhergestellt werden. Die beschädigte Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Damaged: %1 — a power loss cut this recording off. Double-click to repair it.</source>
        <translation>Beschädigt: %1 – ein Stromausfall hat diese Aufnahme unterbrochen. Zum Reparieren doppelklicken.</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Another repair is under way: try again once it has ended.</source>
        <translation>%1 ist beschädigt (%2). Eine andere Reparatur läuft noch: Versuchen Sie es erneut, wenn sie beendet ist.</translation>
    </message>
    <message>
        <source>Repair recording</source>
        <translation>Aufnahme reparieren</translation>
    </message>
    <message>
        <source>Repair…</source>
        <translation>Reparieren…</translation>
    </message>
    <message>
        <source>Choose a recording…</source>
        <translation>Aufnahme wählen…</translation>
    </message>
    <message>
        <source>Choose another…</source>
        <translation>Andere wählen…</translation>
    </message>
    <message>
        <source>A healthy recording of the same camera</source>
        <translation>Eine intakte Aufnahme derselben Kamera</translation>
    </message>
    <message>
        <source>Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)</source>
        <translation>Aufnahmen (*.mov *.MOV *.mp4 *.MP4);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written: a folder for the repaired recording</source>
        <translation>%1 ist nicht beschreibbar: ein Ordner für die reparierte Aufnahme</translation>
    </message>
    <message>
        <source>Repairing %1</source>
        <translation>Reparieren: %1</translation>
    </message>
    <message>
        <source>Repairing %1 was cancelled; nothing was written.</source>
        <translation>Die Reparatur von %1 wurde abgebrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Repair failed! %1: %2</source>
        <translation>Reparatur fehlgeschlagen! %1: %2</translation>
    </message>
</context>
<context>
    <name>CSkinHeaderCtrl</name>
    <message>
        <source>Column titles</source>
        <translation>Spaltentitel</translation>
    </message>
</context>
<context>
    <name>CSkinHorizontalScrollbar</name>
    <message>
        <source>Scroll left and right</source>
        <translation>Nach links und rechts scrollen</translation>
    </message>
</context>
<context>
    <name>CSkinListCtrl</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>CSkinVerticleScrollbar</name>
    <message>
        <source>Scroll up and down</source>
        <translation>Nach oben und unten scrollen</translation>
    </message>
</context>
<context>
    <name>ClipDialog</name>
    <message>
        <source>Visually lossless</source>
        <translation>Visuell verlustfrei</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Kompakt</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Wie aufgenommen</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Clip speichern</translation>
    </message>
    <message>
        <source>%1 long, from %2 into %3%4</source>
        <translation>%1 lang, ab %2 in %3%4</translation>
    </message>
    <message>
        <source>, across %1 files</source>
        <translation>, über %1 Dateien</translation>
    </message>
    <message>
        <source>Sound as recorded (off: none, the cabin stays private)</source>
        <translation>Ton wie aufgenommen (aus: kein Ton, der Innenraum bleibt privat)</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>One camera without overlays: copied without re-encoding, from the key frame at or before the start.</source>
        <translation>Eine Kamera ohne Einblendungen: ohne Neukodierung kopiert, ab dem Schlüsselbild am oder vor dem Anfang.</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Heck</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Picture in picture, as the player shows them</source>
        <translation>Bild im Bild, wie im Mediaplayer angezeigt</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>Übereinander</translation>
    </message>
    <message>
        <source>Drawn in</source>
        <translation>Eingeblendet</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>Geschwindigkeit (%1)</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Position (Grad)</translation>
    </message>
    <message>
        <source>G values</source>
        <translation>G-Werte</translation>
    </message>
    <message>
        <source>Route of the clip, drawn from the track</source>
        <translation>Route des Clips, aus dem Track gezeichnet</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ClipProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>working out the time left</source>
        <translation>Restzeit wird berechnet</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>noch %1:%2</translation>
    </message>
    <message>
        <source>Saving a clip</source>
        <translation>Clip wird gespeichert</translation>
    </message>
    <message>
        <source>Clip progress</source>
        <translation>Clip-Fortschritt</translation>
    </message>
    <message>
        <source>Clip being saved</source>
        <translation>Clip, der gespeichert wird</translation>
    </message>
    <message>
        <source>cancelling…</source>
        <translation>wird abgebrochen…</translation>
    </message>
</context>
<context>
    <name>EventColours</name>
    <message>
        <source>Impact</source>
        <translation>Aufprall</translation>
    </message>
    <message>
        <source>Hard braking</source>
        <translation>Starkes Bremsen</translation>
    </message>
    <message>
        <source>Hard acceleration</source>
        <translation>Starkes Beschleunigen</translation>
    </message>
    <message>
        <source>Camera event</source>
        <translation>Kameraereignis</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Parkmodus</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
</context>
</TS>
