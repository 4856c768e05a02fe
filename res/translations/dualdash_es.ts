<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
Copiado tal como se grabó, desde el fotograma clave %1 s antes del inicio.</translation>
    </message>
    <message>
        <source>Set the clip&apos;s start (i) and end (o) first.</source>
        <translation>Marque primero el inicio (i) y el final (o) del clip.</translation>
    </message>
    <message>
        <source>The clip&apos;s start and end are not in one drive.</source>
        <translation>El inicio y el final del clip no están en el mismo trayecto.</translation>
    </message>
    <message>
        <source>A clip is being saved: wait for it, or cancel it.</source>
        <translation>Se está guardando un clip: espere a que termine o cancélelo.</translation>
    </message>
    <message>
        <source>The clip would be empty: set its start and end apart.</source>
        <translation>El clip estaría vacío: separe su inicio y su final.</translation>
    </message>
    <message>
        <source>Save clip failed! %1 is one of the clip&apos;s recordings.</source>
        <translation>¡No se pudo guardar el clip! %1 es una de las grabaciones del clip.</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Guardar clip</translation>
    </message>
    <message>
        <source>The clip is saved: %1</source>
        <translation>El clip se ha guardado: %1</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; nothing was written.</source>
        <translation>Se ha cancelado el guardado de %1; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>Save clip failed! %1: %2</source>
        <translation>¡No se pudo guardar el clip! %1: %2</translation>
    </message>
    <message>
        <source>Clip start here</source>
        <translation>Inicio del clip aquí</translation>
    </message>
    <message>
        <source>Clip end here</source>
        <translation>Final del clip aquí</translation>
    </message>
    <message>
        <source>Clear the clip&apos;s marks</source>
        <translation>Borrar las marcas del clip</translation>
    </message>
    <message>
        <source>Cancel the clip</source>
        <translation>Cancelar el clip</translation>
    </message>
    <message>
        <source>Save clip…</source>
        <translation>Guardar clip…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Play from before it</source>
        <translation>Reproducir desde un poco antes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Looking for events: %1 of %2</source>
        <translation>Buscando eventos: %1 de %2</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1, a %2 del inicio</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>A note for this moment:</source>
        <translation>Una nota para este momento:</translation>
    </message>
    <message>
        <source>The bookmark could not be kept.</source>
        <translation>No se pudo guardar el marcador.</translation>
    </message>
    <message>
        <source>The bookmark could not be removed.</source>
        <translation>No se pudo eliminar el marcador.</translation>
    </message>
    <message>
        <source>Impact threshold</source>
        <translation>Umbral de impacto</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)</source>
        <translation>Recorrido GPX (*.gpx);;KML (*.kml);;Tabla CSV (*.csv);;GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export track</source>
        <translation>Exportar recorrido</translation>
    </message>
    <message>
        <source>Export track failed! Name a .gpx, .kml, .csv or .geojson file.</source>
        <translation>¡No se pudo exportar el recorrido! Indique un archivo .gpx, .kml, .csv o .geojson.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Export track failed! %1 could not be written.</source>
        <translation>¡No se pudo exportar el recorrido! No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Importing: %1 of %2 files</source>
        <translation>Importando: %1 de %2 archivos</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>play / pause</source>
        <translation>reproducir / pausa</translation>
    </message>
    <message>
        <source>← / →</source>
        <translation>← / →</translation>
    </message>
    <message>
        <source>5 s back / forward</source>
        <translation>5 s atrás / adelante</translation>
    </message>
    <message>
        <source>Shift+← / →</source>
        <translation>Mayús+← / →</translation>
    </message>
    <message>
        <source>1 s back / forward</source>
        <translation>1 s atrás / adelante</translation>
    </message>
    <message>
        <source>↓ / ↑</source>
        <translation>↓ / ↑</translation>
    </message>
    <message>
        <source>60 s back / forward</source>
        <translation>60 s atrás / adelante</translation>
    </message>
    <message>
        <source>, / .</source>
        <translation>, / .</translation>
    </message>
    <message>
        <source>one frame back / forward</source>
        <translation>un fotograma atrás / adelante</translation>
    </message>
    <message>
        <source>[ / ]</source>
        <translation>[ / ]</translation>
    </message>
    <message>
        <source>slower / faster</source>
        <translation>más lento / más rápido</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>velocidad normal</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>silenciar</translation>
    </message>
    <message>
        <source>9 / 0</source>
        <translation>9 / 0</translation>
    </message>
    <message>
        <source>volume down / up</source>
        <translation>bajar / subir el volumen</translation>
    </message>
    <message>
        <source>f, F11</source>
        <translation>f, F11</translation>
    </message>
    <message>
        <source>full screen (Escape leaves it)</source>
        <translation>pantalla completa (Esc para salir)</translation>
    </message>
    <message>
        <source>PgUp / PgDn</source>
        <translation>Re Pág / Av Pág</translation>
    </message>
    <message>
        <source>previous / next recording</source>
        <translation>grabación anterior / siguiente</translation>
    </message>
    <message>
        <source>e / Shift+E</source>
        <translation>e / Mayús+E</translation>
    </message>
    <message>
        <source>10 s before the next / previous event</source>
        <translation>10 s antes del evento siguiente / anterior</translation>
    </message>
    <message>
        <source>b / Shift+B</source>
        <translation>b / Mayús+B</translation>
    </message>
    <message>
        <source>bookmark the moment / with a note</source>
        <translation>marcar el momento / con una nota</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>events list / recordings</source>
        <translation>lista de eventos / grabaciones</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>remove the bookmark chosen in the events list</source>
        <translation>quitar el marcador elegido en la lista de eventos</translation>
    </message>
    <message>
        <source>i / o</source>
        <translation>i / o</translation>
    </message>
    <message>
        <source>clip start / end at this moment</source>
        <translation>inicio / final del clip en este momento</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the clip between the marks</source>
        <translation>guardar el clip entre las marcas</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>import a folder</source>
        <translation>importar una carpeta</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>capture the large picture</source>
        <translation>capturar la imagen grande</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>print the moment</source>
        <translation>imprimir este momento</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? o F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>esta ayuda</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>leave full screen, else clear the clip&apos;s marks, else close</source>
        <translation>salir de pantalla completa, o borrar marcas, o cerrar</translation>
    </message>
    <message>
        <source>Front camera</source>
        <translation>Cámara delantera</translation>
    </message>
    <message>
        <source>Import a folder, then double-click a recording</source>
        <translation>Importe una carpeta y haga doble clic en una grabación</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>VOLUMEN</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>About Player...</source>
        <translation>Acerca del reproductor…</translation>
    </message>
    <message>
        <source>Speed in km/h</source>
        <translation>Velocidad en km/h</translation>
    </message>
    <message>
        <source>Speed in mph</source>
        <translation>Velocidad en mph</translation>
    </message>
    <message>
        <source>Export track…</source>
        <translation>Exportar recorrido…</translation>
    </message>
    <message>
        <source>Export drive&apos;s track…</source>
        <translation>Exportar el recorrido del trayecto…</translation>
    </message>
    <message>
        <source>Route coloured by speed</source>
        <translation>Ruta coloreada según la velocidad</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About Player</source>
        <translation>Acerca del reproductor</translation>
    </message>
    <message>
        <source>&lt;b&gt;Player Version %1&lt;/b&gt;&lt;br&gt;DualDash plays the front and rear recordings of car video recorders with their route, speed, course and G-sensor data.</source>
        <translation>&lt;b&gt;Reproductor versión %1&lt;/b&gt;&lt;br&gt;DualDash reproduce las grabaciones delanteras y traseras de las cámaras de coche junto con su ruta, velocidad, rumbo y datos del sensor G.</translation>
    </message>
    <message>
        <source>UnSupported file!</source>
        <translation>¡Archivo no compatible!</translation>
    </message>
    <message>
        <source>Play file failed!</source>
        <translation>¡No se pudo reproducir el archivo!</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The recording is no longer there: %1</source>
        <translation>La grabación ya no está disponible: %1</translation>
    </message>
    <message>
        <source>Set file name...</source>
        <translation>Nombre del archivo…</translation>
    </message>
    <message>
        <source>Photo File(*.jpg)</source>
        <translation>Archivo de foto (*.jpg)</translation>
    </message>
    <message>
        <source>Capture failed! %1 could not be written.</source>
        <translation>¡Error en la captura! No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Player print information</source>
        <translation>Reproductor: información de impresión</translation>
    </message>
    <message>
        <source>File: %1

G-Sensor data:  x - %2  y - %3  z - %4]

GPS coordinate: Longitude - %5  Latitude - %6</source>
        <translation>Archivo: %1

Datos del sensor G:  x - %2  y - %3  z - %4

Coordenadas GPS: longitud - %5  latitud - %6</translation>
    </message>
    <message>
        <source>Print time: %1</source>
        <translation>Fecha de impresión: %1</translation>
    </message>
    <message>
        <source>Minimize the window</source>
        <translation>Minimizar la ventana</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Cerrar el reproductor</translation>
    </message>
    <message>
        <source>Import the recordings of a folder or a memory card</source>
        <translation>Importar las grabaciones de una carpeta o de una tarjeta de memoria</translation>
    </message>
    <message>
        <source>Stop playing and empty the list</source>
        <translation>Detener la reproducción y vaciar la lista</translation>
    </message>
    <message>
        <source>Show the rear camera or the list in the right-hand panel</source>
        <translation>Mostrar la cámara trasera o la lista en el panel derecho</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Make the sound quieter</source>
        <translation>Bajar el sonido</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Make the sound louder</source>
        <translation>Subir el sonido</translation>
    </message>
    <message>
        <source>Play on</source>
        <translation>Reproducción continua</translation>
    </message>
    <message>
        <source>When on, the next recording plays when one ends</source>
        <translation>Si está activado, al terminar una grabación se reproduce la siguiente</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>Grabación anterior</translation>
    </message>
    <message>
        <source>Play the recording before this one</source>
        <translation>Reproducir la grabación anterior a esta</translation>
    </message>
    <message>
        <source>Play or pause both cameras</source>
        <translation>Reproducir o pausar ambas cámaras</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop both cameras</source>
        <translation>Detener ambas cámaras</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>Grabación siguiente</translation>
    </message>
    <message>
        <source>Play the recording after this one</source>
        <translation>Reproducir la grabación posterior a esta</translation>
    </message>
    <message>
        <source>Swap cameras</source>
        <translation>Intercambiar cámaras</translation>
    </message>
    <message>
        <source>When on, the rear camera plays in the large view</source>
        <translation>Si está activado, la cámara trasera se reproduce en la vista grande</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print the moment with its data</source>
        <translation>Imprimir el momento con sus datos</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Save the large picture as a JPEG file</source>
        <translation>Guardar la imagen grande como archivo JPEG</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Where the recording is; the marks are its events</source>
        <translation>Posición en la grabación; las marcas son sus eventos</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Grabaciones</translation>
    </message>
    <message>
        <source>The recordings found; a double-click plays one</source>
        <translation>Las grabaciones encontradas; doble clic para reproducir una</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>The drive&apos;s events and bookmarks; a double-click plays from before one</source>
        <translation>Los eventos y marcadores del trayecto; doble clic para reproducir desde un poco antes</translation>
    </message>
    <message>
        <source>Large view</source>
        <translation>Vista grande</translation>
    </message>
    <message>
        <source>The front camera, or the rear one when swapped</source>
        <translation>La cámara delantera, o la trasera si se intercambian</translation>
    </message>
    <message>
        <source>Small view</source>
        <translation>Vista pequeña</translation>
    </message>
    <message>
        <source>The rear camera, or the front one when swapped</source>
        <translation>La cámara trasera, o la delantera si se intercambian</translation>
    </message>
    <message>
        <source>G-sensor</source>
        <translation>Sensor G</translation>
    </message>
    <message>
        <source>The G-sensor&apos;s readings over the recording, with the moment playing</source>
        <translation>Las lecturas del sensor G en la grabación, con el momento en reproducción</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>The route and where the car is</source>
        <translation>La ruta y la posición del vehículo</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Progreso de la importación</translation>
    </message>
    <message>
        <source>Event search progress</source>
        <translation>Progreso de la búsqueda de eventos</translation>
    </message>
    <message>
        <source>Playing speed</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Volume level %1 of %2</source>
        <translation>Nivel de volumen %1 de %2</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Heading %1°</source>
        <translation>Rumbo %1°</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Guardando %1</translation>
    </message>
    <message>
        <source>no index</source>
        <translation>sin índice</translation>
    </message>
    <message>
        <source>index cut short</source>
        <translation>índice truncado</translation>
    </message>
    <message>
        <source>media data past the file&apos;s end</source>
        <translation>datos multimedia más allá del final del archivo</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. A power loss cut this recording off before the camera finished it, so it cannot be played as it is.</source>
        <translation>%1 está dañado: %2. Un corte de alimentación interrumpió esta grabación antes de que la cámara la terminara, por lo que no se puede reproducir tal como está.</translation>
    </message>
    <message>
        <source>No healthy recording of the same camera lies beside it to rebuild it from. Choose one the same camera made.</source>
        <translation>No hay junto a ella ninguna grabación sana de la misma cámara a partir de la cual reconstruirla. Elija una hecha por la misma cámara.</translation>
    </message>
    <message>
        <source>It can be rebuilt from %1, a healthy recording of the same camera, into %2. The damaged file stays as it is.</source>
        <translation>Se puede reconstruir a partir de %1, una grabación sana de la misma cámara, en %2. El archivo dañado queda como está.</translation>
    </message>
    <message>
        <source>Damaged: %1 — a power loss cut this recording off. Double-click to repair it.</source>
        <translation>Dañado: %1 — un corte de alimentación interrumpió esta grabación. Haga doble clic para repararla.</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Another repair is under way: try again once it has ended.</source>
        <translation>%1 está dañado (%2). Hay otra reparación en curso: inténtelo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>Repair recording</source>
        <translation>Reparar grabación</translation>
    </message>
    <message>
        <source>Repair…</source>
        <translation>Reparar…</translation>
    </message>
    <message>
        <source>Choose a recording…</source>
        <translation>Elegir una grabación…</translation>
    </message>
    <message>
        <source>Choose another…</source>
        <translation>Elegir otra…</translation>
    </message>
    <message>
        <source>A healthy recording of the same camera</source>
        <translation>Una grabación sana de la misma cámara</translation>
    </message>
    <message>
        <source>Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)</source>
        <translation>Grabaciones (*.mov *.MOV *.mp4 *.MP4);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written: a folder for the repaired recording</source>
        <translation>No se puede escribir en %1: una carpeta para la grabación reparada</translation>
    </message>
    <message>
        <source>Repairing %1</source>
        <translation>Reparando %1</translation>
    </message>
    <message>
        <source>Repairing %1 was cancelled; nothing was written.</source>
        <translation>Se canceló la reparación de %1; no se escribió nada.</translation>
    </message>
    <message>
        <source>Repair failed! %1: %2</source>
        <translation>¡Error al reparar! %1: %2</translation>
    </message>
</context>
<context>
    <name>CSkinHeaderCtrl</name>
    <message>
        <source>Column titles</source>
        <translation>Títulos de las columnas</translation>
    </message>
</context>
<context>
    <name>CSkinHorizontalScrollbar</name>
    <message>
        <source>Scroll left and right</source>
        <translation>Desplazar a izquierda y derecha</translation>
    </message>
</context>
<context>
    <name>CSkinListCtrl</name>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
</context>
<context>
    <name>CSkinVerticleScrollbar</name>
    <message>
        <source>Scroll up and down</source>
        <translation>Desplazar arriba y abajo</translation>
    </message>
</context>
<context>
    <name>ClipDialog</name>
    <message>
        <source>Visually lossless</source>
        <translation>Visualmente sin pérdidas</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Compacta</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Como se grabó</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Guardar clip</translation>
    </message>
    <message>
        <source>%1 long, from %2 into %3%4</source>
        <translation>%1 de duración, desde %2 en %3%4</translation>
    </message>
    <message>
        <source>, across %1 files</source>
        <translation>, en %1 archivos</translation>
    </message>
    <message>
        <source>Sound as recorded (off: none, the cabin stays private)</source>
        <translation>Sonido tal como se grabó (desactivado: sin sonido, el habitáculo queda en privado)</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Sonido:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>One camera without overlays: copied without re-encoding, from the key frame at or before the start.</source>
        <translation>Una sola cámara sin superposiciones: se copia sin recodificar, desde el fotograma clave en el inicio o anterior a él.</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Delantera</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Trasera</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambas</translation>
    </message>
    <message>
        <source>Picture in picture, as the player shows them</source>
        <translation>Imagen en imagen, como las muestra el reproductor</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Una al lado de otra</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>Una encima de otra</translation>
    </message>
    <message>
        <source>Drawn in</source>
        <translation>Sobreimpreso</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>Velocidad (%1)</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Posición (grados)</translation>
    </message>
    <message>
        <source>G values</source>
        <translation>Valores G</translation>
    </message>
    <message>
        <source>Route of the clip, drawn from the track</source>
        <translation>Ruta del clip, trazada a partir del recorrido</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ClipProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>working out the time left</source>
        <translation>calculando el tiempo restante</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>quedan %1:%2</translation>
    </message>
    <message>
        <source>Saving a clip</source>
        <translation>Guardando un clip</translation>
    </message>
    <message>
        <source>Clip progress</source>
        <translation>Progreso del clip</translation>
    </message>
    <message>
        <source>Clip being saved</source>
        <translation>Clip que se está guardando</translation>
    </message>
    <message>
        <source>cancelling…</source>
        <translation>cancelando…</translation>
    </message>
</context>
<context>
    <name>EventColours</name>
    <message>
        <source>Impact</source>
        <translation>Impacto</translation>
    </message>
    <message>
        <source>Hard braking</source>
        <translation>Frenada brusca</translation>
    </message>
    <message>
        <source>Hard acceleration</source>
        <translation>Aceleración brusca</translation>
    </message>
    <message>
        <source>Camera event</source>
        <translation>Evento de cámara</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Aparcamiento</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcador</translation>
    </message>
</context>
</TS>
