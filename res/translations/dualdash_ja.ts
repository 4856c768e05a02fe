<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CDlgMap</name>
    <message>
        <source>Map</source>
        <translation>地図</translation>
    </message>
</context>
<context>
    <name>CPlayerDlg</name>
    <message>
        <source>
Copied as recorded, from the key frame %1 s before the start.</source>
        <translation>
開始の %1 秒前のキーフレームから、録画のままコピーしました。</translation>
    </message>
    <message>
        <source>Set the clip&apos;s start (i) and end (o) first.</source>
        <translation>先にクリップの開始 (i) と終了 (o) を設定してください。</translation>
    </message>
    <message>
        <source>The clip&apos;s start and end are not in one drive.</source>
        <translation>クリップの開始と終了が同じ走行内にありません。</translation>
    </message>
    <message>
        <source>A clip is being saved: wait for it, or cancel it.</source>
        <translation>クリップを保存中です。完了を待つか、キャンセルしてください。</translation>
    </message>
    <message>
        <source>The clip would be empty: set its start and end apart.</source>
        <translation>クリップが空になります。開始と終了を離して設定してください。</translation>
    </message>
    <message>
        <source>Save clip failed! %1 is one of the clip&apos;s recordings.</source>
        <translation>クリップを保存できませんでした。%1 はこのクリップの元になる録画の 1 つです。</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>クリップの保存</translation>
    </message>
    <message>
        <source>The clip is saved: %1</source>
        <translation>クリップを保存しました: %1</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; nothing was written.</source>
        <translation>%1 の保存をキャンセルしました。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Save clip failed! %1: %2</source>
        <translation>クリップを保存できませんでした。%1: %2</translation>
    </message>
    <message>
        <source>Clip start here</source>
        <translation>ここをクリップの開始に</translation>
    </message>
    <message>
        <source>Clip end here</source>
        <translation>ここをクリップの終了に</translation>
    </message>
    <message>
        <source>Clear the clip&apos;s marks</source>
        <translation>クリップのマークを消去</translation>
    </message>
    <message>
        <source>Cancel the clip</source>
        <translation>クリップの保存をキャンセル</translation>
    </message>
    <message>
        <source>Save clip…</source>
        <translation>クリップを保存…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Play from before it</source>
        <translation>イベントの少し前から再生</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Looking for events: %1 of %2</source>
        <translation>イベントを検索中: %1/%2</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1、%2 の位置</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>A note for this moment:</source>
        <translation>この場面のメモ:</translation>
    </message>
    <message>
        <source>The bookmark could not be kept.</source>
        <translation>ブックマークを保存できませんでした。</translation>
    </message>
    <message>
        <source>The bookmark could not be removed.</source>
        <translation>ブックマークを削除できませんでした。</translation>
    </message>
    <message>
        <source>Impact threshold</source>
        <translation>衝撃のしきい値</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>イベント一覧</translation>
    </message>
    <message>
        <source>GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)</source>
        <translation>GPX 軌跡 (*.gpx);;KML (*.kml);;CSV 表 (*.csv);;GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export track</source>
        <translation>軌跡のエクスポート</translation>
    </message>
    <message>
        <source>Export track failed! Name a .gpx, .kml, .csv or .geojson file.</source>
        <translation>軌跡をエクスポートできませんでした。.gpx、.kml、.csv、.geojson のいずれかのファイルを指定してください。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <source>Export track failed! %1 could not be written.</source>
        <translation>軌跡をエクスポートできませんでした。%1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Importing: %1 of %2 files</source>
        <translation>取り込み中: %1/%2 ファイル</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>play / pause</source>
        <translation>再生 / 一時停止</translation>
    </message>
    <message>
        <source>← / →</source>
        <translation>← / →</translation>
    </message>
    <message>
        <source>5 s back / forward</source>
        <translation>5 秒戻る / 進む</translation>
    </message>
    <message>
        <source>Shift+← / →</source>
        <translation>Shift+← / →</translation>
    </message>
    <message>
        <source>1 s back / forward</source>
        <translation>1 秒戻る / 進む</translation>
    </message>
    <message>
        <source>↓ / ↑</source>
        <translation>↓ / ↑</translation>
    </message>
    <message>
        <source>60 s back / forward</source>
        <translation>60 秒戻る / 進む</translation>
    </message>
    <message>
        <source>, / .</source>
        <translation>, / .</translation>
    </message>
    <message>
        <source>one frame back / forward</source>
        <translation>1 フレーム戻る / 進む</translation>
    </message>
    <message>
        <source>[ / ]</source>
        <translation>[ / ]</translation>
    </message>
    <message>
        <source>slower / faster</source>
        <translation>遅く / 速く</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>通常の速度</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>9 / 0</source>
        <translation>9 / 0</translation>
    </message>
    <message>
        <source>volume down / up</source>
        <translation>音量を下げる / 上げる</translation>
    </message>
    <message>
        <source>f, F11</source>
        <translation>f, F11</translation>
    </message>
    <message>
        <source>full screen (Escape leaves it)</source>
        <translation>全画面表示 (Esc で解除)</translation>
    </message>
    <message>
        <source>PgUp / PgDn</source>
        <translation>PgUp / PgDn</translation>
    </message>
    <message>
        <source>previous / next recording</source>
        <translation>前 / 次の録画</translation>
    </message>
    <message>
        <source>e / Shift+E</source>
        <translation>e / Shift+E</translation>
    </message>
    <message>
        <source>10 s before the next / previous event</source>
        <translation>次 / 前のイベントの 10 秒前へ</translation>
    </message>
    <message>
        <source>b / Shift+B</source>
        <translation>b / Shift+B</translation>
    </message>
    <message>
        <source>bookmark the moment / with a note</source>
        <translation>この場面をブックマーク / メモ付きで</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>events list / recordings</source>
        <translation>イベント一覧 / 録画一覧</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>remove the bookmark chosen in the events list</source>
        <translation>イベント一覧で選んだブックマークを削除</translation>
    </message>
    <message>
        <source>i / o</source>
        <translation>i / o</translation>
    </message>
    <message>
        <source>clip start / end at this moment</source>
        <translation>この場面をクリップの開始 / 終了に</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the clip between the marks</source>
        <translation>マーク間のクリップを保存</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>import a folder</source>
        <translation>フォルダーを取り込む</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>capture the large picture</source>
        <translation>大きい画面をキャプチャ</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>print the moment</source>
        <translation>この場面を印刷</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? または F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>leave full screen, else clear the clip&apos;s marks, else close</source>
        <translation>全画面を解除、なければマークを消去、なければ閉じる</translation>
    </message>
    <message>
        <source>Front camera</source>
        <translation>フロントカメラ</translation>
    </message>
    <message>
        <source>Import a folder, then double-click a recording</source>
        <translation>フォルダーを取り込んで、録画をダブルクリックしてください</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
    <message>
        <source>About Player...</source>
        <translation>プレーヤーについて...</translation>
    </message>
    <message>
        <source>Speed in km/h</source>
        <translation>速度を km/h で表示</translation>
    </message>
    <message>
        <source>Speed in mph</source>
        <translation>速度を mph で表示</translation>
    </message>
    <message>
        <source>Export track…</source>
        <translation>軌跡をエクスポート…</translation>
    </message>
    <message>
        <source>Export drive&apos;s track…</source>
        <translation>走行の軌跡をエクスポート…</translation>
    </message>
    <message>
        <source>Route coloured by speed</source>
        <translation>速度で経路を色分け</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>About Player</source>
        <translation>プレーヤーについて</translation>
    </message>
    <message>
        <source>&lt;b&gt;Player Version %1&lt;/b&gt;&lt;br&gt;DualDash plays the front and rear recordings of car video recorders with their route, speed, course and G-sensor data.</source>
        <translation>&lt;b&gt;プレーヤー バージョン %1&lt;/b&gt;&lt;br&gt;DualDash は、ドライブレコーダーのフロントとリアの録画を、経路、速度、進行方向、G センサーのデータとともに再生します。</translation>
    </message>
    <message>
        <source>UnSupported file!</source>
        <translation>サポートされていないファイルです。</translation>
    </message>
    <message>
        <source>Play file failed!</source>
        <translation>ファイルを再生できませんでした。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>The recording is no longer there: %1</source>
        <translation>録画が見つかりません: %1</translation>
    </message>
    <message>
        <source>Set file name...</source>
        <translation>ファイル名の指定...</translation>
    </message>
    <message>
        <source>Photo File(*.jpg)</source>
        <translation>写真ファイル (*.jpg)</translation>
    </message>
    <message>
        <source>Capture failed! %1 could not be written.</source>
        <translation>キャプチャできませんでした。%1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Player print information</source>
        <translation>プレーヤー印刷情報</translation>
    </message>
    <message>
        <source>File: %1

G-Sensor data:  x - %2  y - %3  z - %4]

GPS coordinate: Longitude - %5  Latitude - %6</source>
        <translation>ファイル: %1

G センサーのデータ:  x - %2  y - %3  z - %4

GPS 座標: 経度 - %5  緯度 - %6</translation>
    </message>
    <message>
        <source>Print time: %1</source>
        <translation>印刷日時: %1</translation>
    </message>
    <message>
        <source>Minimize the window</source>
        <translation>ウィンドウを最小化</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>プレーヤーを閉じる</translation>
    </message>
    <message>
        <source>Import the recordings of a folder or a memory card</source>
        <translation>フォルダーまたはメモリーカードの録画を取り込む</translation>
    </message>
    <message>
        <source>Stop playing and empty the list</source>
        <translation>再生を停止して一覧を空にする</translation>
    </message>
    <message>
        <source>Show the rear camera or the list in the right-hand panel</source>
        <translation>右側のパネルにリアカメラまたは一覧を表示</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Make the sound quieter</source>
        <translation>音を小さくする</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Make the sound louder</source>
        <translation>音を大きくする</translation>
    </message>
    <message>
        <source>Play on</source>
        <translation>連続再生</translation>
    </message>
    <message>
        <source>When on, the next recording plays when one ends</source>
        <translation>オンにすると、録画の終了後に次の録画を再生します</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>前の録画</translation>
    </message>
    <message>
        <source>Play the recording before this one</source>
        <translation>1 つ前の録画を再生</translation>
    </message>
    <message>
        <source>Play or pause both cameras</source>
        <translation>両方のカメラを再生または一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop both cameras</source>
        <translation>両方のカメラを停止</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>次の録画</translation>
    </message>
    <message>
        <source>Play the recording after this one</source>
        <translation>1 つ後の録画を再生</translation>
    </message>
    <message>
        <source>Swap cameras</source>
        <translation>カメラを入れ替え</translation>
    </message>
    <message>
        <source>When on, the rear camera plays in the large view</source>
        <translation>オンにすると、リアカメラを大きい画面で再生します</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Print the moment with its data</source>
        <translation>この場面をデータ付きで印刷</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Save the large picture as a JPEG file</source>
        <translation>大きい画面を JPEG ファイルに保存</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Where the recording is; the marks are its events</source>
        <translation>録画の現在位置。マークはイベントを示します</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>The recordings found; a double-click plays one</source>
        <translation>見つかった録画。ダブルクリックで再生します</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>The drive&apos;s events and bookmarks; a double-click plays from before one</source>
        <translation>走行のイベントとブックマーク。ダブルクリックでその少し前から再生します</translation>
    </message>
    <message>
        <source>Large view</source>
        <translation>大きい画面</translation>
    </message>
    <message>
        <source>The front camera, or the rear one when swapped</source>
        <translation>フロントカメラ (入れ替え時はリアカメラ)</translation>
    </message>
    <message>
        <source>Small view</source>
        <translation>小さい画面</translation>
    </message>
    <message>
        <source>The rear camera, or the front one when swapped</source>
        <translation>リアカメラ (入れ替え時はフロントカメラ)</translation>
    </message>
    <message>
        <source>G-sensor</source>
        <translation>G センサー</translation>
    </message>
    <message>
        <source>The G-sensor&apos;s readings over the recording, with the moment playing</source>
        <translation>録画全体の G センサーの値と再生中の位置</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地図</translation>
    </message>
    <message>
        <source>The route and where the car is</source>
        <translation>経路と車の位置</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>取り込みの進行状況</translation>
    </message>
    <message>
        <source>Event search progress</source>
        <translation>イベント検索の進行状況</translation>
    </message>
    <message>
        <source>Playing speed</source>
        <translation>再生速度</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー操作</translation>
    </message>
    <message>
        <source>Volume level %1 of %2</source>
        <translation>音量 %1/%2</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>コンパス</translation>
    </message>
    <message>
        <source>Heading %1°</source>
        <translation>進行方向 %1°</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 を保存中</translation>
    </message>
    <message>
        <source>no index</source>
        <translation>インデックスなし</translation>
    </message>
    <message>
        <source>index cut short</source>
        <translation>インデックスが途中で切れています</translation>
    </message>
    <message>
        <source>media data past the file&apos;s end</source>
        <translation>メディアデータがファイルの終端を超えています</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. A power loss cut this recording off before the camera finished it, so it cannot be played as it is.</source>
        <translation>%1 は破損しています: %2。カメラが録画を終える前に電源が切れたため、このままでは再生できません。</translation>
    </message>
    <message>
        <source>No healthy recording of the same camera lies beside it to rebuild it from. Choose one the same camera made.</source>
        <translation>復元の元になる同じカメラの正常な録画が隣にありません。同じカメラで撮った録画を選んでください。</translation>
    </message>
    <message>
        <source>It can be rebuilt from %1, a healthy recording of the same camera, into %2. The damaged file stays as it is.</source>
        <translation>同じカメラの正常な録画 %1 を元に %2 として復元できます。破損したファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>Damaged: %1 — a power loss cut this recording off. Double-click to repair it.</source>
        <translation>破損: %1 — 電源断で録画が途中で切れています。ダブルクリックで修復します。</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Another repair is under way: try again once it has ended.</source>
        <translation>%1 は破損しています (%2)。別の修復が進行中です。終わってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Repair recording</source>
        <translation>録画の修復</translation>
    </message>
    <message>
        <source>Repair…</source>
        <translation>修復…</translation>
    </message>
    <message>
        <source>Choose a recording…</source>
        <translation>録画を選択…</translation>
    </message>
    <message>
        <source>Choose another…</source>
        <translation>別の録画を選択…</translation>
    </message>
    <message>
        <source>A healthy recording of the same camera</source>
        <translation>同じカメラの正常な録画</translation>
    </message>
    <message>
        <source>Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)</source>
        <translation>録画 (*.mov *.MOV *.mp4 *.MP4);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written: a folder for the repaired recording</source>
        <translation>%1 には書き込めません: 修復した録画の保存先フォルダー</translation>
    </message>
    <message>
        <source>Repairing %1</source>
        <translation>%1 を修復中</translation>
    </message>
    <message>
        <source>Repairing %1 was cancelled; nothing was written.</source>
        <translation>%1 の修復は取り消されました。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Repair failed! %1: %2</source>
        <translation>修復に失敗しました! %1: %2</translation>
    </message>
</context>
<context>
    <name>CSkinHeaderCtrl</name>
    <message>
        <source>Column titles</source>
        <translation>列の見出し</translation>
    </message>
</context>
<context>
    <name>CSkinHorizontalScrollbar</name>
    <message>
        <source>Scroll left and right</source>
        <translation>左右にスクロール</translation>
    </message>
</context>
<context>
    <name>CSkinListCtrl</name>
    <message>
        <source>No.</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>CSkinVerticleScrollbar</name>
    <message>
        <source>Scroll up and down</source>
        <translation>上下にスクロール</translation>
    </message>
</context>
<context>
    <name>ClipDialog</name>
    <message>
        <source>Visually lossless</source>
        <translation>視覚的にロスレス</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小容量</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>録画のまま</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>クリップの保存</translation>
    </message>
    <message>
        <source>%1 long, from %2 into %3%4</source>
        <translation>長さ %1、%3 の %2 から%4</translation>
    </message>
    <message>
        <source>, across %1 files</source>
        <translation>、%1 ファイルにまたがる</translation>
    </message>
    <message>
        <source>Sound as recorded (off: none, the cabin stays private)</source>
        <translation>録音された音声を含める (オフ: 音声なし、車内の会話は残りません)</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>音声:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画質:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>One camera without overlays: copied without re-encoding, from the key frame at or before the start.</source>
        <translation>オーバーレイなしの 1 カメラ: 再エンコードせず、開始位置またはその前のキーフレームからコピーします。</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>フロント</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>リア</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>両方</translation>
    </message>
    <message>
        <source>Picture in picture, as the player shows them</source>
        <translation>ピクチャー・イン・ピクチャー (プレーヤーの表示どおり)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>左右に並べる</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>上下に並べる</translation>
    </message>
    <message>
        <source>Drawn in</source>
        <translation>映像に描画</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>現地時刻</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>速度 (%1)</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>位置 (度)</translation>
    </message>
    <message>
        <source>G values</source>
        <translation>G 値</translation>
    </message>
    <message>
        <source>Route of the clip, drawn from the track</source>
        <translation>軌跡から描いたクリップの経路</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 動画 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ClipProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>working out the time left</source>
        <translation>残り時間を計算中</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>残り %1:%2</translation>
    </message>
    <message>
        <source>Saving a clip</source>
        <translation>クリップを保存中</translation>
    </message>
    <message>
        <source>Clip progress</source>
        <translation>クリップ保存の進行状況</translation>
    </message>
    <message>
        <source>Clip being saved</source>
        <translation>保存中のクリップ</translation>
    </message>
    <message>
        <source>cancelling…</source>
        <translation>キャンセル中…</translation>
    </message>
</context>
<context>
    <name>EventColours</name>
    <message>
        <source>Impact</source>
        <translation>衝撃</translation>
    </message>
    <message>
        <source>Hard braking</source>
        <translation>急ブレーキ</translation>
    </message>
    <message>
        <source>Hard acceleration</source>
        <translation>急加速</translation>
    </message>
    <message>
        <source>Camera event</source>
        <translation>カメラのイベント</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>駐車</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>ブックマーク</translation>
    </message>
</context>
</TS>
