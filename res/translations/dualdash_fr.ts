<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CDlgMap</name>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
</context>
<context>
    <name>CPlayerDlg</name>
    <message>
        <source>
Copied as recorded, from the key frame %1 s before the start.</source>
        <translation>
Copié tel qu&apos;enregistré, à partir de l&apos;image clé située %1 s avant le début.</translation>
    </message>
    <message>
        <source>Set the clip&apos;s start (i) and end (o) first.</source>
        <translation>Définissez d&apos;abord le début (i) et la fin (o) de l&apos;extrait.</translation>
    </message>
    <message>
        <source>The clip&apos;s start and end are not in one drive.</source>
        <translation>Le début et la fin de l&apos;extrait ne font pas partie du même trajet.</translation>
    </message>
    <message>
        <source>A clip is being saved: wait for it, or cancel it.</source>
        <translation>Un extrait est en cours d&apos;enregistrement&#xa0;: attendez la fin ou annulez-le.</translation>
    </message>
    <message>
        <source>The clip would be empty: set its start and end apart.</source>
        <translation>L&apos;extrait serait vide&#xa0;: séparez son début et sa fin.</translation>
    </message>
    <message>
        <source>Save clip failed! %1 is one of the clip&apos;s recordings.</source>
        <translation>Impossible d&apos;enregistrer l&apos;extrait&#xa0;! %1 est l&apos;un de ses enregistrements sources.</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Enregistrer l&apos;extrait</translation>
    </message>
    <message>
        <source>The clip is saved: %1</source>
        <translation>L&apos;extrait est enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; nothing was written.</source>
        <translation>L&apos;enregistrement de %1 a été annulé&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Save clip failed! %1: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;extrait&#xa0;! %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Clip start here</source>
        <translation>Début de l&apos;extrait ici</translation>
    </message>
    <message>
        <source>Clip end here</source>
        <translation>Fin de l&apos;extrait ici</translation>
    </message>
    <message>
        <source>Clear the clip&apos;s marks</source>
        <translation>Effacer les repères de l&apos;extrait</translation>
    </message>
    <message>
        <source>Cancel the clip</source>
        <translation>Annuler l&apos;extrait</translation>
    </message>
    <message>
        <source>Save clip…</source>
        <translation>Enregistrer l&apos;extrait…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Play from before it</source>
        <translation>Lire à partir d&apos;un peu avant</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Looking for events: %1 of %2</source>
        <translation>Recherche d&apos;événements&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1, à %2 du début</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Signet</translation>
    </message>
    <message>
        <source>A note for this moment:</source>
        <translation>Note pour ce moment&#xa0;:</translation>
    </message>
    <message>
        <source>The bookmark could not be kept.</source>
        <translation>Le signet n&apos;a pas pu être conservé.</translation>
    </message>
    <message>
        <source>The bookmark could not be removed.</source>
        <translation>Le signet n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>Impact threshold</source>
        <translation>Seuil de choc</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)</source>
        <translation>Trace GPX (*.gpx);;KML (*.kml);;Tableau CSV (*.csv);;GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export track</source>
        <translation>Exporter la trace</translation>
    </message>
    <message>
        <source>Export track failed! Name a .gpx, .kml, .csv or .geojson file.</source>
        <translation>Échec de l&apos;export de la trace&#xa0;! Indiquez un fichier .gpx, .kml, .csv ou .geojson.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Export track failed! %1 could not be written.</source>
        <translation>Échec de l&apos;export de la trace&#xa0;! Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Importing: %1 of %2 files</source>
        <translation>Importation&#xa0;: %1 sur %2 fichiers</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>play / pause</source>
        <translation>lecture / pause</translation>
    </message>
    <message>
        <source>← / →</source>
        <translation>← / →</translation>
    </message>
    <message>
        <source>5 s back / forward</source>
        <translation>5 s en arrière / en avant</translation>
    </message>
    <message>
        <source>Shift+← / →</source>
        <translation>Maj+← / →</translation>
    </message>
    <message>
        <source>1 s back / forward</source>
        <translation>1 s en arrière / en avant</translation>
    </message>
    <message>
        <source>↓ / ↑</source>
        <translation>↓ / ↑</translation>
    </message>
    <message>
        <source>60 s back / forward</source>
        <translation>60 s en arrière / en avant</translation>
    </message>
    <message>
        <source>, / .</source>
        <translation>, / .</translation>
    </message>
    <message>
        <source>one frame back / forward</source>
        <translation>une image en arrière / en avant</translation>
    </message>
    <message>
        <source>[ / ]</source>
        <translation>[ / ]</translation>
    </message>
    <message>
        <source>slower / faster</source>
        <translation>plus lent / plus rapide</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>vitesse normale</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>couper le son</translation>
    </message>
    <message>
        <source>9 / 0</source>
        <translation>9 / 0</translation>
    </message>
    <message>
        <source>volume down / up</source>
        <translation>baisser / monter le volume</translation>
    </message>
    <message>
        <source>f, F11</source>
        <translation>f, F11</translation>
    </message>
    <message>
        <source>full screen (Escape leaves it)</source>
        <translation>plein écran (Échap pour quitter)</translation>
    </message>
    <message>
        <source>PgUp / PgDn</source>
        <translation>Pg préc / Pg suiv</translation>
    </message>
    <message>
        <source>previous / next recording</source>
        <translation>enregistrement précédent / suivant</translation>
    </message>
    <message>
        <source>e / Shift+E</source>
        <translation>e / Maj+E</translation>
    </message>
    <message>
        <source>10 s before the next / previous event</source>
        <translation>10 s avant l&apos;événement suivant / précédent</translation>
    </message>
    <message>
        <source>b / Shift+B</source>
        <translation>b / Maj+B</translation>
    </message>
    <message>
        <source>bookmark the moment / with a note</source>
        <translation>placer un signet / avec une note</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>events list / recordings</source>
        <translation>liste des événements / enregistrements</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>remove the bookmark chosen in the events list</source>
        <translation>supprimer le signet choisi dans les événements</translation>
    </message>
    <message>
        <source>i / o</source>
        <translation>i / o</translation>
    </message>
    <message>
        <source>clip start / end at this moment</source>
        <translation>début / fin de l&apos;extrait à ce moment</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the clip between the marks</source>
        <translation>enregistrer l&apos;extrait entre les repères</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>import a folder</source>
        <translation>importer un dossier</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>capture the large picture</source>
        <translation>capturer la grande image</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>print the moment</source>
        <translation>imprimer ce moment</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? ou F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>leave full screen, else clear the clip&apos;s marks, else close</source>
        <translation>sortir du plein écran, ou effacer les repères, ou fermer</translation>
    </message>
    <message>
        <source>Front camera</source>
        <translation>Caméra avant</translation>
    </message>
    <message>
        <source>Import a folder, then double-click a recording</source>
        <translation>Importez un dossier, puis double-cliquez sur un enregistrement</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>VOLUME</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>About Player...</source>
        <translation>À propos du lecteur…</translation>
    </message>
    <message>
        <source>Speed in km/h</source>
        <translation>Vitesse en km/h</translation>
    </message>
    <message>
        <source>Speed in mph</source>
        <translation>Vitesse en mph</translation>
    </message>
    <message>
        <source>Export track…</source>
        <translation>Exporter la trace…</translation>
    </message>
    <message>
        <source>Export drive&apos;s track…</source>
        <translation>Exporter la trace du trajet…</translation>
    </message>
    <message>
        <source>Route coloured by speed</source>
        <translation>Itinéraire coloré selon la vitesse</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About Player</source>
        <translation>À propos du lecteur</translation>
    </message>
    <message>
        <source>&lt;b&gt;Player Version %1&lt;/b&gt;&lt;br&gt;DualDash plays the front and rear recordings of car video recorders with their route, speed, course and G-sensor data.</source>
        <translation>&lt;b&gt;Lecteur version %1&lt;/b&gt;&lt;br&gt;DualDash lit les enregistrements avant et arrière des caméras embarquées, avec l&apos;itinéraire, la vitesse, le cap et les données du capteur G.</translation>
    </message>
    <message>
        <source>UnSupported file!</source>
        <translation>Fichier non pris en charge&#xa0;!</translation>
    </message>
    <message>
        <source>Play file failed!</source>
        <translation>Impossible de lire le fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The recording is no longer there: %1</source>
        <translation>L&apos;enregistrement n&apos;existe plus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Set file name...</source>
        <translation>Nom du fichier…</translation>
    </message>
    <message>
        <source>Photo File(*.jpg)</source>
        <translation>Fichier photo (*.jpg)</translation>
    </message>
    <message>
        <source>Capture failed! %1 could not be written.</source>
        <translation>Échec de la capture&#xa0;! Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Player print information</source>
        <translation>Lecteur – informations d&apos;impression</translation>
    </message>
    <message>
        <source>File: %1

G-Sensor data:  x - %2  y - %3  z - %4]

GPS coordinate: Longitude - %5  Latitude - %6</source>
        <translation>Fichier&#xa0;: %1

Données du capteur G&#xa0;:  x - %2  y - %3  z - %4

Coordonnées GPS&#xa0;: longitude - %5  latitude - %6</translation>
    </message>
    <message>
        <source>Print time: %1</source>
        <translation>Imprimé le&#xa0;: %1</translation>
    </message>
    <message>
        <source>Minimize the window</source>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Fermer le lecteur</translation>
    </message>
    <message>
        <source>Import the recordings of a folder or a memory card</source>
        <translation>Importer les enregistrements d&apos;un dossier ou d&apos;une carte mémoire</translation>
    </message>
    <message>
        <source>Stop playing and empty the list</source>
        <translation>Arrêter la lecture et vider la liste</translation>
    </message>
    <message>
        <source>Show the rear camera or the list in the right-hand panel</source>
        <translation>Afficher la caméra arrière ou la liste dans le panneau de droite</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <source>Make the sound quieter</source>
        <translation>Baisser le son</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Monter le volume</translation>
    </message>
    <message>
        <source>Make the sound louder</source>
        <translation>Monter le son</translation>
    </message>
    <message>
        <source>Play on</source>
        <translation>Lecture continue</translation>
    </message>
    <message>
        <source>When on, the next recording plays when one ends</source>
        <translation>Si activé, l&apos;enregistrement suivant est lu à la fin de chacun</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>Play the recording before this one</source>
        <translation>Lire l&apos;enregistrement précédent</translation>
    </message>
    <message>
        <source>Play or pause both cameras</source>
        <translation>Lire ou mettre en pause les deux caméras</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop both cameras</source>
        <translation>Arrêter les deux caméras</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>Play the recording after this one</source>
        <translation>Lire l&apos;enregistrement suivant</translation>
    </message>
    <message>
        <source>Swap cameras</source>
        <translation>Inverser les caméras</translation>
    </message>
    <message>
        <source>When on, the rear camera plays in the large view</source>
        <translation>Si activé, la caméra arrière est lue dans la grande vue</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print the moment with its data</source>
        <translation>Imprimer le moment avec ses données</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Save the large picture as a JPEG file</source>
        <translation>Enregistrer la grande image dans un fichier JPEG</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Where the recording is; the marks are its events</source>
        <translation>Position dans l&apos;enregistrement&#xa0;; les repères sont ses événements</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>The recordings found; a double-click plays one</source>
        <translation>Les enregistrements trouvés&#xa0;; un double-clic en lit un</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>The drive&apos;s events and bookmarks; a double-click plays from before one</source>
        <translation>Les événements et signets du trajet&#xa0;; un double-clic lit à partir d&apos;un peu avant</translation>
    </message>
    <message>
        <source>Large view</source>
        <translation>Grande vue</translation>
    </message>
    <message>
        <source>The front camera, or the rear one when swapped</source>
        <translation>La caméra avant, ou la caméra arrière si elles sont inversées</translation>
    </message>
    <message>
        <source>Small view</source>
        <translation>Petite vue</translation>
    </message>
    <message>
        <source>The rear camera, or the front one when swapped</source>
        <translation>La caméra arrière, ou la caméra avant si elles sont inversées</translation>
    </message>
    <message>
        <source>G-sensor</source>
        <translation>Capteur G</translation>
    </message>
    <message>
        <source>The G-sensor&apos;s readings over the recording, with the moment playing</source>
        <translation>Les mesures du capteur G sur l&apos;enregistrement, avec le moment en cours</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>The route and where the car is</source>
        <translation>L&apos;itinéraire et la position du véhicule</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Progression de l&apos;importation</translation>
    </message>
    <message>
        <source>Event search progress</source>
        <translation>Progression de la recherche d&apos;événements</translation>
    </message>
    <message>
        <source>Playing speed</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Volume level %1 of %2</source>
        <translation>Niveau de volume %1 sur %2</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>Heading %1°</source>
        <translation>Cap %1°</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Enregistrement de %1</translation>
    </message>
    <message>
        <source>no index</source>
        <translation>pas d'index</translation>
    </message>
    <message>
        <source>index cut short</source>
        <translation>index tronqué</translation>
    </message>
    <message>
        <source>media data past the file&apos;s end</source>
        <translation>données média au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. A power loss cut this recording off before the camera finished it, so it cannot be played as it is.</source>
        <translation>%1 est endommagé : %2. Une coupure de courant a interrompu cet enregistrement avant que la caméra ne le termine ; il ne peut pas être lu en l’état.</translation>
    </message>
    <message>
        <source>No healthy recording of the same camera lies beside it to rebuild it from. Choose one the same camera made.</source>
        <translation>Aucun enregistrement intact de la même caméra ne se trouve à côté pour le reconstruire. Choisissez-en un fait par la même caméra.</translation>
    </message>
    <message>
        <source>It can be rebuilt from %1, a healthy recording of the same camera, into %2. The damaged file stays as it is.</source>
        <translation>Il peut être reconstruit d’après %1, un enregistrement intact de la même caméra, dans %2. Le fichier endommagé reste tel quel.</translation>
    </message>
    <message>
        <source>Damaged: %1 — a power loss cut this recording off. Double-click to repair it.</source>
        <translation>Endommagé : %1 — une coupure de courant a interrompu cet enregistrement. Double-cliquez pour le réparer.</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Another repair is under way: try again once it has ended.</source>
        <translation>%1 est endommagé (%2). Une autre réparation est en cours : réessayez une fois qu’elle sera terminée.</translation>
    </message>
    <message>
        <source>Repair recording</source>
        <translation>Réparer l’enregistrement</translation>
    </message>
    <message>
        <source>Repair…</source>
        <translation>Réparer…</translation>
    </message>
    <message>
        <source>Choose a recording…</source>
        <translation>Choisir un enregistrement…</translation>
    </message>
    <message>
        <source>Choose another…</source>
        <translation>En choisir un autre…</translation>
    </message>
    <message>
        <source>A healthy recording of the same camera</source>
        <translation>Un enregistrement intact de la même caméra</translation>
    </message>
    <message>
        <source>Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)</source>
        <translation>Enregistrements (*.mov *.MOV *.mp4 *.MP4);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written: a folder for the repaired recording</source>
        <translation>%1 n’est pas accessible en écriture : un dossier pour l’enregistrement réparé</translation>
    </message>
    <message>
        <source>Repairing %1</source>
        <translation>Réparation de %1</translation>
    </message>
    <message>
        <source>Repairing %1 was cancelled; nothing was written.</source>
        <translation>La réparation de %1 a été annulée ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Repair failed! %1: %2</source>
        <translation>Échec de la réparation ! %1 : %2</translation>
    </message>
</context>
<context>
    <name>CSkinHeaderCtrl</name>
    <message>
        <source>Column titles</source>
        <translation>Titres des colonnes</translation>
    </message>
</context>
<context>
    <name>CSkinHorizontalScrollbar</name>
    <message>
        <source>Scroll left and right</source>
        <translation>Défiler vers la gauche et la droite</translation>
    </message>
</context>
<context>
    <name>CSkinListCtrl</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>CSkinVerticleScrollbar</name>
    <message>
        <source>Scroll up and down</source>
        <translation>Défiler vers le haut et le bas</translation>
    </message>
</context>
<context>
    <name>ClipDialog</name>
    <message>
        <source>Visually lossless</source>
        <translation>Visuellement sans perte</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Compacte</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Telle qu&apos;enregistrée</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Enregistrer l&apos;extrait</translation>
    </message>
    <message>
        <source>%1 long, from %2 into %3%4</source>
        <translation>Durée %1, à partir de %2 dans %3%4</translation>
    </message>
    <message>
        <source>, across %1 files</source>
        <translation>, sur %1 fichiers</translation>
    </message>
    <message>
        <source>Sound as recorded (off: none, the cabin stays private)</source>
        <translation>Son tel qu&apos;enregistré (désactivé&#xa0;: aucun son, l&apos;habitacle reste privé)</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son&#xa0;:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>One camera without overlays: copied without re-encoding, from the key frame at or before the start.</source>
        <translation>Une seule caméra sans incrustation&#xa0;: copie sans réencodage, à partir de l&apos;image clé située au début ou juste avant.</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Picture in picture, as the player shows them</source>
        <translation>Image dans l&apos;image, comme dans le lecteur</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Côte à côte</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>L&apos;une au-dessus de l&apos;autre</translation>
    </message>
    <message>
        <source>Drawn in</source>
        <translation>Incrustations</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>Vitesse (%1)</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Position (degrés)</translation>
    </message>
    <message>
        <source>G values</source>
        <translation>Valeurs G</translation>
    </message>
    <message>
        <source>Route of the clip, drawn from the track</source>
        <translation>Itinéraire de l&apos;extrait, tracé d&apos;après la trace GPS</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vidéo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ClipProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>working out the time left</source>
        <translation>calcul du temps restant</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>reste %1:%2</translation>
    </message>
    <message>
        <source>Saving a clip</source>
        <translation>Enregistrement d&apos;un extrait</translation>
    </message>
    <message>
        <source>Clip progress</source>
        <translation>Progression de l&apos;extrait</translation>
    </message>
    <message>
        <source>Clip being saved</source>
        <translation>Extrait en cours d&apos;enregistrement</translation>
    </message>
    <message>
        <source>cancelling…</source>
        <translation>annulation…</translation>
    </message>
</context>
<context>
    <name>EventColours</name>
    <message>
        <source>Impact</source>
        <translation>Choc</translation>
    </message>
    <message>
        <source>Hard braking</source>
        <translation>Freinage brusque</translation>
    </message>
    <message>
        <source>Hard acceleration</source>
        <translation>Accélération brusque</translation>
    </message>
    <message>
        <source>Camera event</source>
        <translation>Événement caméra</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Stationnement</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Signet</translation>
    </message>
</context>
</TS>
