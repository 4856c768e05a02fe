<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CDlgMap</name>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
</context>
<context>
    <name>CPlayerDlg</name>
    <message>
        <source>
Copied as recorded, from the key frame %1 s before the start.</source>
        <translation>
Skopiowano bez zmian, od klatki kluczowej %1 s przed początkiem.</translation>
    </message>
    <message>
        <source>Set the clip&apos;s start (i) and end (o) first.</source>
        <translation>Najpierw ustaw początek (i) i koniec (o) klipu.</translation>
    </message>
    <message>
        <source>The clip&apos;s start and end are not in one drive.</source>
        <translation>Początek i koniec klipu nie należą do tego samego przejazdu.</translation>
    </message>
    <message>
        <source>A clip is being saved: wait for it, or cancel it.</source>
        <translation>Trwa zapisywanie klipu: poczekaj na jego zakończenie lub je anuluj.</translation>
    </message>
    <message>
        <source>The clip would be empty: set its start and end apart.</source>
        <translation>Klip byłby pusty: rozsuń jego początek i koniec.</translation>
    </message>
    <message>
        <source>Save clip failed! %1 is one of the clip&apos;s recordings.</source>
        <translation>Nie udało się zapisać klipu! %1 jest jednym z nagrań klipu.</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Zapisz klip</translation>
    </message>
    <message>
        <source>The clip is saved: %1</source>
        <translation>Klip został zapisany: %1</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; nothing was written.</source>
        <translation>Anulowano zapisywanie %1; nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Save clip failed! %1: %2</source>
        <translation>Nie udało się zapisać klipu! %1: %2</translation>
    </message>
    <message>
        <source>Clip start here</source>
        <translation>Początek klipu tutaj</translation>
    </message>
    <message>
        <source>Clip end here</source>
        <translation>Koniec klipu tutaj</translation>
    </message>
    <message>
        <source>Clear the clip&apos;s marks</source>
        <translation>Wyczyść znaczniki klipu</translation>
    </message>
    <message>
        <source>Cancel the clip</source>
        <translation>Anuluj klip</translation>
    </message>
    <message>
        <source>Save clip…</source>
        <translation>Zapisz klip…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Play from before it</source>
        <translation>Odtwórz od chwili przed nim</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Looking for events: %1 of %2</source>
        <translation>Szukanie zdarzeń: %1 z %2</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1, %2 od początku</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Zakładka</translation>
    </message>
    <message>
        <source>A note for this moment:</source>
        <translation>Notatka do tej chwili:</translation>
    </message>
    <message>
        <source>The bookmark could not be kept.</source>
        <translation>Nie udało się zachować zakładki.</translation>
    </message>
    <message>
        <source>The bookmark could not be removed.</source>
        <translation>Nie udało się usunąć zakładki.</translation>
    </message>
    <message>
        <source>Impact threshold</source>
        <translation>Próg uderzenia</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Lista zdarzeń</translation>
    </message>
    <message>
        <source>GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)</source>
        <translation>Ślad GPX (*.gpx);;KML (*.kml);;Tabela CSV (*.csv);;GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export track</source>
        <translation>Eksportuj ślad</translation>
    </message>
    <message>
        <source>Export track failed! Name a .gpx, .kml, .csv or .geojson file.</source>
        <translation>Nie udało się wyeksportować śladu! Podaj plik .gpx, .kml, .csv lub .geojson.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Export track failed! %1 could not be written.</source>
        <translation>Nie udało się wyeksportować śladu! Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>Importing: %1 of %2 files</source>
        <translation>Importowanie: %1 z %2 plików</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>play / pause</source>
        <translation>odtwórz / wstrzymaj</translation>
    </message>
    <message>
        <source>← / →</source>
        <translation>← / →</translation>
    </message>
    <message>
        <source>5 s back / forward</source>
        <translation>5 s wstecz / naprzód</translation>
    </message>
    <message>
        <source>Shift+← / →</source>
        <translation>Shift+← / →</translation>
    </message>
    <message>
        <source>1 s back / forward</source>
        <translation>1 s wstecz / naprzód</translation>
    </message>
    <message>
        <source>↓ / ↑</source>
        <translation>↓ / ↑</translation>
    </message>
    <message>
        <source>60 s back / forward</source>
        <translation>60 s wstecz / naprzód</translation>
    </message>
    <message>
        <source>, / .</source>
        <translation>, / .</translation>
    </message>
    <message>
        <source>one frame back / forward</source>
        <translation>jedna klatka wstecz / naprzód</translation>
    </message>
    <message>
        <source>[ / ]</source>
        <translation>[ / ]</translation>
    </message>
    <message>
        <source>slower / faster</source>
        <translation>wolniej / szybciej</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>normalna prędkość</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>wycisz</translation>
    </message>
    <message>
        <source>9 / 0</source>
        <translation>9 / 0</translation>
    </message>
    <message>
        <source>volume down / up</source>
        <translation>ciszej / głośniej</translation>
    </message>
    <message>
        <source>f, F11</source>
        <translation>f, F11</translation>
    </message>
    <message>
        <source>full screen (Escape leaves it)</source>
        <translation>pełny ekran (wyjście: Escape)</translation>
    </message>
    <message>
        <source>PgUp / PgDn</source>
        <translation>PgUp / PgDn</translation>
    </message>
    <message>
        <source>previous / next recording</source>
        <translation>poprzednie / następne nagranie</translation>
    </message>
    <message>
        <source>e / Shift+E</source>
        <translation>e / Shift+E</translation>
    </message>
    <message>
        <source>10 s before the next / previous event</source>
        <translation>10 s przed następnym / poprzednim zdarzeniem</translation>
    </message>
    <message>
        <source>b / Shift+B</source>
        <translation>b / Shift+B</translation>
    </message>
    <message>
        <source>bookmark the moment / with a note</source>
        <translation>dodaj zakładkę / zakładkę z notatką</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>events list / recordings</source>
        <translation>lista zdarzeń / nagrań</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>remove the bookmark chosen in the events list</source>
        <translation>usuń zakładkę wybraną na liście zdarzeń</translation>
    </message>
    <message>
        <source>i / o</source>
        <translation>i / o</translation>
    </message>
    <message>
        <source>clip start / end at this moment</source>
        <translation>początek / koniec klipu w tej chwili</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the clip between the marks</source>
        <translation>zapisz klip między znacznikami</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>import a folder</source>
        <translation>importuj folder</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>capture the large picture</source>
        <translation>zrób zdjęcie dużego obrazu</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>print the moment</source>
        <translation>drukuj tę chwilę</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? lub F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>ta pomoc</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>leave full screen, else clear the clip&apos;s marks, else close</source>
        <translation>opuść pełny ekran, albo wyczyść znaczniki, albo zamknij</translation>
    </message>
    <message>
        <source>Front camera</source>
        <translation>Kamera przednia</translation>
    </message>
    <message>
        <source>Import a folder, then double-click a recording</source>
        <translation>Zaimportuj folder, a potem kliknij dwukrotnie nagranie</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wczytywanie…</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>GŁOŚNOŚĆ</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>About Player...</source>
        <translation>O odtwarzaczu…</translation>
    </message>
    <message>
        <source>Speed in km/h</source>
        <translation>Prędkość w km/h</translation>
    </message>
    <message>
        <source>Speed in mph</source>
        <translation>Prędkość w mph</translation>
    </message>
    <message>
        <source>Export track…</source>
        <translation>Eksportuj ślad…</translation>
    </message>
    <message>
        <source>Export drive&apos;s track…</source>
        <translation>Eksportuj ślad przejazdu…</translation>
    </message>
    <message>
        <source>Route coloured by speed</source>
        <translation>Trasa barwiona według prędkości</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>About Player</source>
        <translation>O odtwarzaczu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Player Version %1&lt;/b&gt;&lt;br&gt;DualDash plays the front and rear recordings of car video recorders with their route, speed, course and G-sensor data.</source>
        <translation>&lt;b&gt;Odtwarzacz, wersja %1&lt;/b&gt;&lt;br&gt;DualDash odtwarza nagrania z przedniej i tylnej kamery wideorejestratorów samochodowych wraz z trasą, prędkością, kursem i danymi czujnika G.</translation>
    </message>
    <message>
        <source>UnSupported file!</source>
        <translation>Nieobsługiwany plik!</translation>
    </message>
    <message>
        <source>Play file failed!</source>
        <translation>Nie można odtworzyć pliku!</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>The recording is no longer there: %1</source>
        <translation>Nagranie nie jest już dostępne: %1</translation>
    </message>
    <message>
        <source>Set file name...</source>
        <translation>Podaj nazwę pliku…</translation>
    </message>
    <message>
        <source>Photo File(*.jpg)</source>
        <translation>Plik zdjęcia (*.jpg)</translation>
    </message>
    <message>
        <source>Capture failed! %1 could not be written.</source>
        <translation>Nie udało się zrobić zdjęcia! Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>Player print information</source>
        <translation>Odtwarzacz – informacje do wydruku</translation>
    </message>
    <message>
        <source>File: %1

G-Sensor data:  x - %2  y - %3  z - %4]

GPS coordinate: Longitude - %5  Latitude - %6</source>
        <translation>Plik: %1

Dane czujnika G:  x - %2  y - %3  z - %4

Współrzędne GPS: długość - %5  szerokość - %6</translation>
    </message>
    <message>
        <source>Print time: %1</source>
        <translation>Czas wydruku: %1</translation>
    </message>
    <message>
        <source>Minimize the window</source>
        <translation>Minimalizuj okno</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Zamknij odtwarzacz</translation>
    </message>
    <message>
        <source>Import the recordings of a folder or a memory card</source>
        <translation>Importuj nagrania z folderu lub karty pamięci</translation>
    </message>
    <message>
        <source>Stop playing and empty the list</source>
        <translation>Zatrzymaj odtwarzanie i wyczyść listę</translation>
    </message>
    <message>
        <source>Show the rear camera or the list in the right-hand panel</source>
        <translation>Pokaż tylną kamerę lub listę w prawym panelu</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Make the sound quieter</source>
        <translation>Zmniejsz głośność dźwięku</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Make the sound louder</source>
        <translation>Zwiększ głośność dźwięku</translation>
    </message>
    <message>
        <source>Play on</source>
        <translation>Odtwarzanie ciągłe</translation>
    </message>
    <message>
        <source>When on, the next recording plays when one ends</source>
        <translation>Gdy włączone, po zakończeniu nagrania odtwarzane jest następne</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>Poprzednie nagranie</translation>
    </message>
    <message>
        <source>Play the recording before this one</source>
        <translation>Odtwórz nagranie przed tym</translation>
    </message>
    <message>
        <source>Play or pause both cameras</source>
        <translation>Odtwórz lub wstrzymaj obie kamery</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Stop both cameras</source>
        <translation>Zatrzymaj obie kamery</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>Następne nagranie</translation>
    </message>
    <message>
        <source>Play the recording after this one</source>
        <translation>Odtwórz nagranie po tym</translation>
    </message>
    <message>
        <source>Swap cameras</source>
        <translation>Zamień kamery</translation>
    </message>
    <message>
        <source>When on, the rear camera plays in the large view</source>
        <translation>Gdy włączone, tylna kamera jest odtwarzana w dużym widoku</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Print the moment with its data</source>
        <translation>Drukuj tę chwilę wraz z danymi</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Save the large picture as a JPEG file</source>
        <translation>Zapisz duży obraz jako plik JPEG</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Where the recording is; the marks are its events</source>
        <translation>Miejsce w nagraniu; znaczniki to jego zdarzenia</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Nagrania</translation>
    </message>
    <message>
        <source>The recordings found; a double-click plays one</source>
        <translation>Znalezione nagrania; dwukrotne kliknięcie odtwarza nagranie</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>The drive&apos;s events and bookmarks; a double-click plays from before one</source>
        <translation>Zdarzenia i zakładki przejazdu; dwukrotne kliknięcie odtwarza od chwili przed nimi</translation>
    </message>
    <message>
        <source>Large view</source>
        <translation>Duży widok</translation>
    </message>
    <message>
        <source>The front camera, or the rear one when swapped</source>
        <translation>Kamera przednia lub, po zamianie, tylna</translation>
    </message>
    <message>
        <source>Small view</source>
        <translation>Mały widok</translation>
    </message>
    <message>
        <source>The rear camera, or the front one when swapped</source>
        <translation>Kamera tylna lub, po zamianie, przednia</translation>
    </message>
    <message>
        <source>G-sensor</source>
        <translation>Czujnik G</translation>
    </message>
    <message>
        <source>The G-sensor&apos;s readings over the recording, with the moment playing</source>
        <translation>Odczyty czujnika G w nagraniu wraz z bieżącą chwilą</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>The route and where the car is</source>
        <translation>Trasa i położenie samochodu</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Postęp importu</translation>
    </message>
    <message>
        <source>Event search progress</source>
        <translation>Postęp wyszukiwania zdarzeń</translation>
    </message>
    <message>
        <source>Playing speed</source>
        <translation>Prędkość odtwarzania</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Volume level %1 of %2</source>
        <translation>Poziom głośności %1 z %2</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Heading %1°</source>
        <translation>Kurs %1°</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Zapisywanie %1</translation>
    </message>
    <message>
        <source>no index</source>
        <translation>brak indeksu</translation>
    </message>
    <message>
        <source>index cut short</source>
        <translation>indeks ucięty</translation>
    </message>
    <message>
        <source>media data past the file&apos;s end</source>
        <translation>dane multimedialne poza końcem pliku</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. A power loss cut this recording off before the camera finished it, so it cannot be played as it is.</source>
        <translation>%1 jest uszkodzony: %2. Zanik zasilania przerwał to nagranie, zanim kamera je zakończyła, więc nie da się go odtworzyć w tej postaci.</translation>
    </message>
    <message>
        <source>No healthy recording of the same camera lies beside it to rebuild it from. Choose one the same camera made.</source>
        <translation>Obok nie ma nieuszkodzonego nagrania z tej samej kamery, z którego można by je odbudować. Wybierz nagranie z tej samej kamery.</translation>
    </message>
    <message>
        <source>It can be rebuilt from %1, a healthy recording of the same camera, into %2. The damaged file stays as it is.</source>
        <translation>Można je odbudować na podstawie %1, nieuszkodzonego nagrania z tej samej kamery, jako %2. Uszkodzony plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Damaged: %1 — a power loss cut this recording off. Double-click to repair it.</source>
        <translation>Uszkodzone: %1 — zanik zasilania przerwał to nagranie. Kliknij dwukrotnie, aby je naprawić.</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Another repair is under way: try again once it has ended.</source>
        <translation>%1 jest uszkodzony (%2). Trwa inna naprawa: spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message>
        <source>Repair recording</source>
        <translation>Napraw nagranie</translation>
    </message>
    <message>
        <source>Repair…</source>
        <translation>Napraw…</translation>
    </message>
    <message>
        <source>Choose a recording…</source>
        <translation>Wybierz nagranie…</translation>
    </message>
    <message>
        <source>Choose another…</source>
        <translation>Wybierz inne…</translation>
    </message>
    <message>
        <source>A healthy recording of the same camera</source>
        <translation>Nieuszkodzone nagranie z tej samej kamery</translation>
    </message>
    <message>
        <source>Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)</source>
        <translation>Nagrania (*.mov *.MOV *.mp4 *.MP4);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written: a folder for the repaired recording</source>
        <translation>Nie można zapisywać w %1: folder na naprawione nagranie</translation>
    </message>
    <message>
        <source>Repairing %1</source>
        <translation>Naprawianie %1</translation>
    </message>
    <message>
        <source>Repairing %1 was cancelled; nothing was written.</source>
        <translation>Naprawa %1 została anulowana; nic nie zapisano.</translation>
    </message>
    <message>
        <source>Repair failed! %1: %2</source>
        <translation>Naprawa nie powiodła się! %1: %2</translation>
    </message>
</context>
<context>
    <name>CSkinHeaderCtrl</name>
    <message>
        <source>Column titles</source>
        <translation>Nagłówki kolumn</translation>
    </message>
</context>
<context>
    <name>CSkinHorizontalScrollbar</name>
    <message>
        <source>Scroll left and right</source>
        <translation>Przewijaj w lewo i w prawo</translation>
    </message>
</context>
<context>
    <name>CSkinListCtrl</name>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
</context>
<context>
    <name>CSkinVerticleScrollbar</name>
    <message>
        <source>Scroll up and down</source>
        <translation>Przewijaj w górę i w dół</translation>
    </message>
</context>
<context>
    <name>ClipDialog</name>
    <message>
        <source>Visually lossless</source>
        <translation>Wizualnie bezstratna</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Kompaktowa</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Jak w nagraniu</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Zapisz klip</translation>
    </message>
    <message>
        <source>%1 long, from %2 into %3%4</source>
        <translation>Długość %1, od %2 w %3%4</translation>
    </message>
    <message>
        <source>, across %1 files</source>
        <translation>, w %1 plikach</translation>
    </message>
    <message>
        <source>Sound as recorded (off: none, the cabin stays private)</source>
        <translation>Dźwięk jak w nagraniu (wyłączony: bez dźwięku, wnętrze auta pozostaje prywatne)</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Dźwięk:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Jakość:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>One camera without overlays: copied without re-encoding, from the key frame at or before the start.</source>
        <translation>Jedna kamera bez nakładek: kopiowanie bez ponownego kodowania, od klatki kluczowej na początku lub przed nim.</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kamery</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Przednia</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Tylna</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Obie</translation>
    </message>
    <message>
        <source>Picture in picture, as the player shows them</source>
        <translation>Obraz w obrazie, jak w odtwarzaczu</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Obok siebie</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>Jedna nad drugą</translation>
    </message>
    <message>
        <source>Drawn in</source>
        <translation>Nałożone na obraz</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Czas lokalny</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>Prędkość (%1)</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Pozycja (stopnie)</translation>
    </message>
    <message>
        <source>G values</source>
        <translation>Wartości G</translation>
    </message>
    <message>
        <source>Route of the clip, drawn from the track</source>
        <translation>Trasa klipu, rysowana na podstawie śladu</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Wideo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ClipProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>working out the time left</source>
        <translation>obliczanie pozostałego czasu</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>pozostało %1:%2</translation>
    </message>
    <message>
        <source>Saving a clip</source>
        <translation>Zapisywanie klipu</translation>
    </message>
    <message>
        <source>Clip progress</source>
        <translation>Postęp klipu</translation>
    </message>
    <message>
        <source>Clip being saved</source>
        <translation>Zapisywany klip</translation>
    </message>
    <message>
        <source>cancelling…</source>
        <translation>anulowanie…</translation>
    </message>
</context>
<context>
    <name>EventColours</name>
    <message>
        <source>Impact</source>
        <translation>Uderzenie</translation>
    </message>
    <message>
        <source>Hard braking</source>
        <translation>Gwałtowne hamowanie</translation>
    </message>
    <message>
        <source>Hard acceleration</source>
        <translation>Gwałtowne przyspieszenie</translation>
    </message>
    <message>
        <source>Camera event</source>
        <translation>Zdarzenie kamery</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Parkowanie</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Zakładka</translation>
    </message>
</context>
</TS>
