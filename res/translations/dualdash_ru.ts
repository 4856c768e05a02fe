<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CDlgMap</name>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
</context>
<context>
    <name>CPlayerDlg</name>
    <message>
        <source>
Copied as recorded, from the key frame %1 s before the start.</source>
        <translation>
Скопировано в исходном виде, начиная с ключевого кадра за %1 с до начала.</translation>
    </message>
    <message>
        <source>Set the clip&apos;s start (i) and end (o) first.</source>
        <translation>Сначала задайте начало (i) и конец (o) клипа.</translation>
    </message>
    <message>
        <source>The clip&apos;s start and end are not in one drive.</source>
        <translation>Начало и конец клипа относятся к разным поездкам.</translation>
    </message>
    <message>
        <source>A clip is being saved: wait for it, or cancel it.</source>
        <translation>Клип уже сохраняется: дождитесь окончания или отмените сохранение.</translation>
    </message>
    <message>
        <source>The clip would be empty: set its start and end apart.</source>
        <translation>Клип получился бы пустым: задайте разные точки начала и конца.</translation>
    </message>
    <message>
        <source>Save clip failed! %1 is one of the clip&apos;s recordings.</source>
        <translation>Не удалось сохранить клип! %1 — одна из записей, из которых он состоит.</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Сохранение клипа</translation>
    </message>
    <message>
        <source>The clip is saved: %1</source>
        <translation>Клип сохранён: %1</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; nothing was written.</source>
        <translation>Сохранение %1 отменено; ничего не записано.</translation>
    </message>
    <message>
        <source>Save clip failed! %1: %2</source>
        <translation>Не удалось сохранить клип! %1: %2</translation>
    </message>
    <message>
        <source>Clip start here</source>
        <translation>Начало клипа здесь</translation>
    </message>
    <message>
        <source>Clip end here</source>
        <translation>Конец клипа здесь</translation>
    </message>
    <message>
        <source>Clear the clip&apos;s marks</source>
        <translation>Снять метки клипа</translation>
    </message>
    <message>
        <source>Cancel the clip</source>
        <translation>Отменить сохранение клипа</translation>
    </message>
    <message>
        <source>Save clip…</source>
        <translation>Сохранить клип…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Play from before it</source>
        <translation>Воспроизвести чуть раньше события</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Looking for events: %1 of %2</source>
        <translation>Поиск событий: %1 из %2</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1, позиция %2</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Закладка</translation>
    </message>
    <message>
        <source>A note for this moment:</source>
        <translation>Заметка к этому моменту:</translation>
    </message>
    <message>
        <source>The bookmark could not be kept.</source>
        <translation>Не удалось сохранить закладку.</translation>
    </message>
    <message>
        <source>The bookmark could not be removed.</source>
        <translation>Не удалось удалить закладку.</translation>
    </message>
    <message>
        <source>Impact threshold</source>
        <translation>Порог удара</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)</source>
        <translation>Трек GPX (*.gpx);;KML (*.kml);;Таблица CSV (*.csv);;GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export track</source>
        <translation>Экспорт трека</translation>
    </message>
    <message>
        <source>Export track failed! Name a .gpx, .kml, .csv or .geojson file.</source>
        <translation>Не удалось экспортировать трек! Укажите файл .gpx, .kml, .csv или .geojson.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>Export track failed! %1 could not be written.</source>
        <translation>Не удалось экспортировать трек! Не удалось записать %1.</translation>
    </message>
    <message>
        <source>Importing: %1 of %2 files</source>
        <translation>Импорт файлов: %1 из %2</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>play / pause</source>
        <translation>воспроизведение / пауза</translation>
    </message>
    <message>
        <source>← / →</source>
        <translation>← / →</translation>
    </message>
    <message>
        <source>5 s back / forward</source>
        <translation>на 5 с назад / вперёд</translation>
    </message>
    <message>
        <source>Shift+← / →</source>
        <translation>Shift+← / →</translation>
    </message>
    <message>
        <source>1 s back / forward</source>
        <translation>на 1 с назад / вперёд</translation>
    </message>
    <message>
        <source>↓ / ↑</source>
        <translation>↓ / ↑</translation>
    </message>
    <message>
        <source>60 s back / forward</source>
        <translation>на 60 с назад / вперёд</translation>
    </message>
    <message>
        <source>, / .</source>
        <translation>, / .</translation>
    </message>
    <message>
        <source>one frame back / forward</source>
        <translation>на кадр назад / вперёд</translation>
    </message>
    <message>
        <source>[ / ]</source>
        <translation>[ / ]</translation>
    </message>
    <message>
        <source>slower / faster</source>
        <translation>медленнее / быстрее</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>обычная скорость</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>выключить звук</translation>
    </message>
    <message>
        <source>9 / 0</source>
        <translation>9 / 0</translation>
    </message>
    <message>
        <source>volume down / up</source>
        <translation>тише / громче</translation>
    </message>
    <message>
        <source>f, F11</source>
        <translation>f, F11</translation>
    </message>
    <message>
        <source>full screen (Escape leaves it)</source>
        <translation>полноэкранный режим (выход — Esc)</translation>
    </message>
    <message>
        <source>PgUp / PgDn</source>
        <translation>PgUp / PgDn</translation>
    </message>
    <message>
        <source>previous / next recording</source>
        <translation>предыдущая / следующая запись</translation>
    </message>
    <message>
        <source>e / Shift+E</source>
        <translation>e / Shift+E</translation>
    </message>
    <message>
        <source>10 s before the next / previous event</source>
        <translation>за 10 с до следующего / предыдущего события</translation>
    </message>
    <message>
        <source>b / Shift+B</source>
        <translation>b / Shift+B</translation>
    </message>
    <message>
        <source>bookmark the moment / with a note</source>
        <translation>закладка на этот момент / с заметкой</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>events list / recordings</source>
        <translation>список событий / записей</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>remove the bookmark chosen in the events list</source>
        <translation>удалить закладку, выбранную в списке событий</translation>
    </message>
    <message>
        <source>i / o</source>
        <translation>i / o</translation>
    </message>
    <message>
        <source>clip start / end at this moment</source>
        <translation>начало / конец клипа в этот момент</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the clip between the marks</source>
        <translation>сохранить клип между метками</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>import a folder</source>
        <translation>импортировать папку</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>capture the large picture</source>
        <translation>снимок большого изображения</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>print the moment</source>
        <translation>напечатать этот момент</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? или F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>эта справка</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>leave full screen, else clear the clip&apos;s marks, else close</source>
        <translation>выйти из полного экрана, иначе снять метки, иначе закрыть</translation>
    </message>
    <message>
        <source>Front camera</source>
        <translation>Передняя камера</translation>
    </message>
    <message>
        <source>Import a folder, then double-click a recording</source>
        <translation>Импортируйте папку, затем дважды щёлкните запись</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>ГРОМКОСТЬ</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>About Player...</source>
        <translation>О проигрывателе...</translation>
    </message>
    <message>
        <source>Speed in km/h</source>
        <translation>Скорость в km/h</translation>
    </message>
    <message>
        <source>Speed in mph</source>
        <translation>Скорость в mph</translation>
    </message>
    <message>
        <source>Export track…</source>
        <translation>Экспорт трека…</translation>
    </message>
    <message>
        <source>Export drive&apos;s track…</source>
        <translation>Экспорт трека поездки…</translation>
    </message>
    <message>
        <source>Route coloured by speed</source>
        <translation>Окраска маршрута по скорости</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>About Player</source>
        <translation>О проигрывателе</translation>
    </message>
    <message>
        <source>&lt;b&gt;Player Version %1&lt;/b&gt;&lt;br&gt;DualDash plays the front and rear recordings of car video recorders with their route, speed, course and G-sensor data.</source>
        <translation>&lt;b&gt;Проигрыватель, версия %1&lt;/b&gt;&lt;br&gt;DualDash воспроизводит записи передней и задней камер автомобильных видеорегистраторов вместе с маршрутом, скоростью, курсом и данными G-сенсора.</translation>
    </message>
    <message>
        <source>UnSupported file!</source>
        <translation>Неподдерживаемый файл!</translation>
    </message>
    <message>
        <source>Play file failed!</source>
        <translation>Не удалось воспроизвести файл!</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>The recording is no longer there: %1</source>
        <translation>Запись больше не существует: %1</translation>
    </message>
    <message>
        <source>Set file name...</source>
        <translation>Задать имя файла...</translation>
    </message>
    <message>
        <source>Photo File(*.jpg)</source>
        <translation>Фотография (*.jpg)</translation>
    </message>
    <message>
        <source>Capture failed! %1 could not be written.</source>
        <translation>Не удалось сделать снимок! Не удалось записать %1.</translation>
    </message>
    <message>
        <source>Player print information</source>
        <translation>Проигрыватель: данные для печати</translation>
    </message>
    <message>
        <source>File: %1

G-Sensor data:  x - %2  y - %3  z - %4]

GPS coordinate: Longitude - %5  Latitude - %6</source>
        <translation>Файл: %1

Данные G-сенсора:  x - %2  y - %3  z - %4

Координаты GPS: долгота - %5  широта - %6</translation>
    </message>
    <message>
        <source>Print time: %1</source>
        <translation>Время печати: %1</translation>
    </message>
    <message>
        <source>Minimize the window</source>
        <translation>Свернуть окно</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Закрыть проигрыватель</translation>
    </message>
    <message>
        <source>Import the recordings of a folder or a memory card</source>
        <translation>Импортировать записи из папки или с карты памяти</translation>
    </message>
    <message>
        <source>Stop playing and empty the list</source>
        <translation>Остановить воспроизведение и очистить список</translation>
    </message>
    <message>
        <source>Show the rear camera or the list in the right-hand panel</source>
        <translation>Показать на правой панели заднюю камеру или список</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Make the sound quieter</source>
        <translation>Сделать звук тише</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Make the sound louder</source>
        <translation>Сделать звук громче</translation>
    </message>
    <message>
        <source>Play on</source>
        <translation>Непрерывное воспроизведение</translation>
    </message>
    <message>
        <source>When on, the next recording plays when one ends</source>
        <translation>Если включено, по окончании записи воспроизводится следующая</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>Предыдущая запись</translation>
    </message>
    <message>
        <source>Play the recording before this one</source>
        <translation>Воспроизвести предыдущую запись</translation>
    </message>
    <message>
        <source>Play or pause both cameras</source>
        <translation>Воспроизведение или пауза обеих камер</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop both cameras</source>
        <translation>Остановить обе камеры</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>Следующая запись</translation>
    </message>
    <message>
        <source>Play the recording after this one</source>
        <translation>Воспроизвести следующую запись</translation>
    </message>
    <message>
        <source>Swap cameras</source>
        <translation>Поменять камеры местами</translation>
    </message>
    <message>
        <source>When on, the rear camera plays in the large view</source>
        <translation>Если включено, задняя камера показывается в большом окне</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Print the moment with its data</source>
        <translation>Напечатать этот момент с его данными</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Save the large picture as a JPEG file</source>
        <translation>Сохранить большое изображение в файл JPEG</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Where the recording is; the marks are its events</source>
        <translation>Текущая позиция в записи; метки — её события</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>The recordings found; a double-click plays one</source>
        <translation>Найденные записи; двойной щелчок запускает воспроизведение</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>The drive&apos;s events and bookmarks; a double-click plays from before one</source>
        <translation>События и закладки поездки; двойной щелчок воспроизводит чуть раньше выбранного</translation>
    </message>
    <message>
        <source>Large view</source>
        <translation>Большое окно</translation>
    </message>
    <message>
        <source>The front camera, or the rear one when swapped</source>
        <translation>Передняя камера или задняя, если камеры поменяны местами</translation>
    </message>
    <message>
        <source>Small view</source>
        <translation>Малое окно</translation>
    </message>
    <message>
        <source>The rear camera, or the front one when swapped</source>
        <translation>Задняя камера или передняя, если камеры поменяны местами</translation>
    </message>
    <message>
        <source>G-sensor</source>
        <translation>G-сенсор</translation>
    </message>
    <message>
        <source>The G-sensor&apos;s readings over the recording, with the moment playing</source>
        <translation>Показания G-сенсора по всей записи и текущий момент</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>The route and where the car is</source>
        <translation>Маршрут и положение автомобиля</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Ход импорта</translation>
    </message>
    <message>
        <source>Event search progress</source>
        <translation>Ход поиска событий</translation>
    </message>
    <message>
        <source>Playing speed</source>
        <translation>Скорость воспроизведения</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Volume level %1 of %2</source>
        <translation>Уровень громкости %1 из %2</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Компас</translation>
    </message>
    <message>
        <source>Heading %1°</source>
        <translation>Курс %1°</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Сохранение %1</translation>
    </message>
    <message>
        <source>no index</source>
        <translation>нет индекса</translation>
    </message>
    <message>
        <source>index cut short</source>
        <translation>индекс обрезан</translation>
    </message>
    <message>
        <source>media data past the file&apos;s end</source>
        <translation>медиаданные за концом файла</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. A power loss cut this recording off before the camera finished it, so it cannot be played as it is.</source>
        <translation>%1 повреждён: %2. Отключение питания прервало эту запись до того, как камера её завершила, поэтому воспроизвести её в таком виде нельзя.</translation>
    </message>
    <message>
        <source>No healthy recording of the same camera lies beside it to rebuild it from. Choose one the same camera made.</source>
        <translation>Рядом нет исправной записи той же камеры, по которой её можно восстановить. Выберите запись, сделанную той же камерой.</translation>
    </message>
    <message>
        <source>It can be rebuilt from %1, a healthy recording of the same camera, into %2. The damaged file stays as it is.</source>
        <translation>Её можно восстановить по %1, исправной записи той же камеры, в файл %2. Повреждённый файл останется как есть.</translation>
    </message>
    <message>
        <source>Damaged: %1 — a power loss cut this recording off. Double-click to repair it.</source>
        <translation>Повреждено: %1 — отключение питания прервало эту запись. Дважды щёлкните, чтобы восстановить.</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Another repair is under way: try again once it has ended.</source>
        <translation>%1 повреждён (%2). Уже идёт другое восстановление: повторите, когда оно закончится.</translation>
    </message>
    <message>
        <source>Repair recording</source>
        <translation>Восстановление записи</translation>
    </message>
    <message>
        <source>Repair…</source>
        <translation>Восстановить…</translation>
    </message>
    <message>
        <source>Choose a recording…</source>
        <translation>Выбрать запись…</translation>
    </message>
    <message>
        <source>Choose another…</source>
        <translation>Выбрать другую…</translation>
    </message>
    <message>
        <source>A healthy recording of the same camera</source>
        <translation>Исправная запись той же камеры</translation>
    </message>
    <message>
        <source>Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)</source>
        <translation>Записи (*.mov *.MOV *.mp4 *.MP4);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written: a folder for the repaired recording</source>
        <translation>В %1 нельзя записывать: папка для восстановленной записи</translation>
    </message>
    <message>
        <source>Repairing %1</source>
        <translation>Восстановление %1</translation>
    </message>
    <message>
        <source>Repairing %1 was cancelled; nothing was written.</source>
        <translation>Восстановление %1 отменено; ничего не записано.</translation>
    </message>
    <message>
        <source>Repair failed! %1: %2</source>
        <translation>Не удалось восстановить! %1: %2</translation>
    </message>
</context>
<context>
    <name>CSkinHeaderCtrl</name>
    <message>
        <source>Column titles</source>
        <translation>Заголовки столбцов</translation>
    </message>
</context>
<context>
    <name>CSkinHorizontalScrollbar</name>
    <message>
        <source>Scroll left and right</source>
        <translation>Прокрутка влево и вправо</translation>
    </message>
</context>
<context>
    <name>CSkinListCtrl</name>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
</context>
<context>
    <name>CSkinVerticleScrollbar</name>
    <message>
        <source>Scroll up and down</source>
        <translation>Прокрутка вверх и вниз</translation>
    </message>
</context>
<context>
    <name>ClipDialog</name>
    <message>
        <source>Visually lossless</source>
        <translation>Визуально без потерь</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Небольшой файл</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Как в записи</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>Сохранение клипа</translation>
    </message>
    <message>
        <source>%1 long, from %2 into %3%4</source>
        <translation>Длительность %1, с %2 в файле %3%4</translation>
    </message>
    <message>
        <source>, across %1 files</source>
        <translation>, файлов: %1</translation>
    </message>
    <message>
        <source>Sound as recorded (off: none, the cabin stays private)</source>
        <translation>Звук из записи (выкл.: без звука, разговоры в салоне не попадут в клип)</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Звук:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>One camera without overlays: copied without re-encoding, from the key frame at or before the start.</source>
        <translation>Одна камера без наложений: копируется без перекодирования, с ключевого кадра в точке начала или перед ней.</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Камеры</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Передняя</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Задняя</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Обе</translation>
    </message>
    <message>
        <source>Picture in picture, as the player shows them</source>
        <translation>Картинка в картинке, как в проигрывателе</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Рядом</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>Одна над другой</translation>
    </message>
    <message>
        <source>Drawn in</source>
        <translation>Наложения на видео</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Местное время</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>Скорость (%1)</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>Координаты (градусы)</translation>
    </message>
    <message>
        <source>G values</source>
        <translation>Значения G</translation>
    </message>
    <message>
        <source>Route of the clip, drawn from the track</source>
        <translation>Маршрут клипа по данным трека</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Видео MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ClipProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>working out the time left</source>
        <translation>оценка оставшегося времени</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>осталось %1:%2</translation>
    </message>
    <message>
        <source>Saving a clip</source>
        <translation>Сохранение клипа</translation>
    </message>
    <message>
        <source>Clip progress</source>
        <translation>Ход сохранения клипа</translation>
    </message>
    <message>
        <source>Clip being saved</source>
        <translation>Сохраняемый клип</translation>
    </message>
    <message>
        <source>cancelling…</source>
        <translation>отмена…</translation>
    </message>
</context>
<context>
    <name>EventColours</name>
    <message>
        <source>Impact</source>
        <translation>Удар</translation>
    </message>
    <message>
        <source>Hard braking</source>
        <translation>Резкое торможение</translation>
    </message>
    <message>
        <source>Hard acceleration</source>
        <translation>Резкое ускорение</translation>
    </message>
    <message>
        <source>Camera event</source>
        <translation>Событие камеры</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Парковка</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Закладка</translation>
    </message>
</context>
</TS>
