<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CDlgMap</name>
    <message>
        <source>Map</source>
        <translation>地图</translation>
    </message>
</context>
<context>
    <name>CPlayerDlg</name>
    <message>
        <source>
Copied as recorded, from the key frame %1 s before the start.</source>
        <translation>
已从开始前 %1 秒处的关键帧起按原样复制。</translation>
    </message>
    <message>
        <source>Set the clip&apos;s start (i) and end (o) first.</source>
        <translation>请先设置片段的起点 (i) 和终点 (o)。</translation>
    </message>
    <message>
        <source>The clip&apos;s start and end are not in one drive.</source>
        <translation>片段的起点和终点不在同一行程中。</translation>
    </message>
    <message>
        <source>A clip is being saved: wait for it, or cancel it.</source>
        <translation>正在保存片段：请等待完成，或取消保存。</translation>
    </message>
    <message>
        <source>The clip would be empty: set its start and end apart.</source>
        <translation>片段将为空：请将起点和终点设在不同位置。</translation>
    </message>
    <message>
        <source>Save clip failed! %1 is one of the clip&apos;s recordings.</source>
        <translation>保存片段失败！%1 是该片段所用的录像之一。</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>保存片段</translation>
    </message>
    <message>
        <source>The clip is saved: %1</source>
        <translation>片段已保存：%1</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; nothing was written.</source>
        <translation>已取消保存 %1，未写入任何内容。</translation>
    </message>
    <message>
        <source>Save clip failed! %1: %2</source>
        <translation>保存片段失败！%1：%2</translation>
    </message>
    <message>
        <source>Clip start here</source>
        <translation>在此设为片段起点</translation>
    </message>
    <message>
        <source>Clip end here</source>
        <translation>在此设为片段终点</translation>
    </message>
    <message>
        <source>Clear the clip&apos;s marks</source>
        <translation>清除片段标记</translation>
    </message>
    <message>
        <source>Cancel the clip</source>
        <translation>取消保存片段</translation>
    </message>
    <message>
        <source>Save clip…</source>
        <translation>保存片段…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Play from before it</source>
        <translation>从事件前开始播放</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
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
        <translation>备注</translation>
    </message>
    <message>
        <source>Looking for events: %1 of %2</source>
        <translation>正在查找事件：%1/%2</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1，%2 处</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>A note for this moment:</source>
        <translation>此刻的备注：</translation>
    </message>
    <message>
        <source>The bookmark could not be kept.</source>
        <translation>无法保存书签。</translation>
    </message>
    <message>
        <source>The bookmark could not be removed.</source>
        <translation>无法删除书签。</translation>
    </message>
    <message>
        <source>Impact threshold</source>
        <translation>碰撞阈值</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>事件列表</translation>
    </message>
    <message>
        <source>GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)</source>
        <translation>GPX 轨迹 (*.gpx);;KML (*.kml);;CSV 表格 (*.csv);;GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export track</source>
        <translation>导出轨迹</translation>
    </message>
    <message>
        <source>Export track failed! Name a .gpx, .kml, .csv or .geojson file.</source>
        <translation>导出轨迹失败！请指定 .gpx、.kml、.csv 或 .geojson 文件。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>Export track failed! %1 could not be written.</source>
        <translation>导出轨迹失败！无法写入 %1。</translation>
    </message>
    <message>
        <source>Importing: %1 of %2 files</source>
        <translation>正在导入：%1/%2 个文件</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>play / pause</source>
        <translation>播放 / 暂停</translation>
    </message>
    <message>
        <source>← / →</source>
        <translation>← / →</translation>
    </message>
    <message>
        <source>5 s back / forward</source>
        <translation>后退 / 前进 5 秒</translation>
    </message>
    <message>
        <source>Shift+← / →</source>
        <translation>Shift+← / →</translation>
    </message>
    <message>
        <source>1 s back / forward</source>
        <translation>后退 / 前进 1 秒</translation>
    </message>
    <message>
        <source>↓ / ↑</source>
        <translation>↓ / ↑</translation>
    </message>
    <message>
        <source>60 s back / forward</source>
        <translation>后退 / 前进 60 秒</translation>
    </message>
    <message>
        <source>, / .</source>
        <translation>, / .</translation>
    </message>
    <message>
        <source>one frame back / forward</source>
        <translation>后退 / 前进一帧</translation>
    </message>
    <message>
        <source>[ / ]</source>
        <translation>[ / ]</translation>
    </message>
    <message>
        <source>slower / faster</source>
        <translation>减速 / 加速</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>正常速度</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>9 / 0</source>
        <translation>9 / 0</translation>
    </message>
    <message>
        <source>volume down / up</source>
        <translation>减小 / 增大音量</translation>
    </message>
    <message>
        <source>f, F11</source>
        <translation>f, F11</translation>
    </message>
    <message>
        <source>full screen (Escape leaves it)</source>
        <translation>全屏（按 Esc 退出）</translation>
    </message>
    <message>
        <source>PgUp / PgDn</source>
        <translation>PgUp / PgDn</translation>
    </message>
    <message>
        <source>previous / next recording</source>
        <translation>上一个 / 下一个录像</translation>
    </message>
    <message>
        <source>e / Shift+E</source>
        <translation>e / Shift+E</translation>
    </message>
    <message>
        <source>10 s before the next / previous event</source>
        <translation>跳到下一个 / 上一个事件前 10 秒</translation>
    </message>
    <message>
        <source>b / Shift+B</source>
        <translation>b / Shift+B</translation>
    </message>
    <message>
        <source>bookmark the moment / with a note</source>
        <translation>为此刻添加书签 / 带备注</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>events list / recordings</source>
        <translation>事件列表 / 录像列表</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>remove the bookmark chosen in the events list</source>
        <translation>删除事件列表中选中的书签</translation>
    </message>
    <message>
        <source>i / o</source>
        <translation>i / o</translation>
    </message>
    <message>
        <source>clip start / end at this moment</source>
        <translation>将此刻设为片段起点 / 终点</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the clip between the marks</source>
        <translation>保存标记之间的片段</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>import a folder</source>
        <translation>导入文件夹</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>capture the large picture</source>
        <translation>截取大画面</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>print the moment</source>
        <translation>打印此刻画面</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? 或 F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>本帮助</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>leave full screen, else clear the clip&apos;s marks, else close</source>
        <translation>退出全屏，否则清除片段标记，否则关闭</translation>
    </message>
    <message>
        <source>Front camera</source>
        <translation>前摄像头</translation>
    </message>
    <message>
        <source>Import a folder, then double-click a recording</source>
        <translation>请导入文件夹，然后双击一个录像</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>About Player...</source>
        <translation>关于播放器...</translation>
    </message>
    <message>
        <source>Speed in km/h</source>
        <translation>速度单位 km/h</translation>
    </message>
    <message>
        <source>Speed in mph</source>
        <translation>速度单位 mph</translation>
    </message>
    <message>
        <source>Export track…</source>
        <translation>导出轨迹…</translation>
    </message>
    <message>
        <source>Export drive&apos;s track…</source>
        <translation>导出行程轨迹…</translation>
    </message>
    <message>
        <source>Route coloured by speed</source>
        <translation>按速度为路线着色</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>About Player</source>
        <translation>关于播放器</translation>
    </message>
    <message>
        <source>&lt;b&gt;Player Version %1&lt;/b&gt;&lt;br&gt;DualDash plays the front and rear recordings of car video recorders with their route, speed, course and G-sensor data.</source>
        <translation>&lt;b&gt;播放器版本 %1&lt;/b&gt;&lt;br&gt;DualDash 播放行车记录仪的前后摄像头录像，并同步显示路线、速度、航向和 G 传感器数据。</translation>
    </message>
    <message>
        <source>UnSupported file!</source>
        <translation>不支持的文件！</translation>
    </message>
    <message>
        <source>Play file failed!</source>
        <translation>无法播放该文件！</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>The recording is no longer there: %1</source>
        <translation>该录像已不存在：%1</translation>
    </message>
    <message>
        <source>Set file name...</source>
        <translation>设置文件名...</translation>
    </message>
    <message>
        <source>Photo File(*.jpg)</source>
        <translation>照片文件 (*.jpg)</translation>
    </message>
    <message>
        <source>Capture failed! %1 could not be written.</source>
        <translation>截图失败！无法写入 %1。</translation>
    </message>
    <message>
        <source>Player print information</source>
        <translation>播放器打印信息</translation>
    </message>
    <message>
        <source>File: %1

G-Sensor data:  x - %2  y - %3  z - %4]

GPS coordinate: Longitude - %5  Latitude - %6</source>
        <translation>文件：%1

G 传感器数据：  x - %2  y - %3  z - %4

GPS 坐标：经度 - %5  纬度 - %6</translation>
    </message>
    <message>
        <source>Print time: %1</source>
        <translation>打印时间：%1</translation>
    </message>
    <message>
        <source>Minimize the window</source>
        <translation>最小化窗口</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>关闭播放器</translation>
    </message>
    <message>
        <source>Import the recordings of a folder or a memory card</source>
        <translation>导入文件夹或存储卡中的录像</translation>
    </message>
    <message>
        <source>Stop playing and empty the list</source>
        <translation>停止播放并清空列表</translation>
    </message>
    <message>
        <source>Show the rear camera or the list in the right-hand panel</source>
        <translation>在右侧面板中显示后摄像头或列表</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>减小音量</translation>
    </message>
    <message>
        <source>Make the sound quieter</source>
        <translation>调低声音</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>增大音量</translation>
    </message>
    <message>
        <source>Make the sound louder</source>
        <translation>调高声音</translation>
    </message>
    <message>
        <source>Play on</source>
        <translation>连续播放</translation>
    </message>
    <message>
        <source>When on, the next recording plays when one ends</source>
        <translation>开启后，一个录像播完即播放下一个</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>上一个录像</translation>
    </message>
    <message>
        <source>Play the recording before this one</source>
        <translation>播放上一个录像</translation>
    </message>
    <message>
        <source>Play or pause both cameras</source>
        <translation>播放或暂停两个摄像头</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop both cameras</source>
        <translation>停止两个摄像头</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>下一个录像</translation>
    </message>
    <message>
        <source>Play the recording after this one</source>
        <translation>播放下一个录像</translation>
    </message>
    <message>
        <source>Swap cameras</source>
        <translation>交换摄像头</translation>
    </message>
    <message>
        <source>When on, the rear camera plays in the large view</source>
        <translation>开启后，后摄像头在大画面中播放</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print the moment with its data</source>
        <translation>打印此刻画面及其数据</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Save the large picture as a JPEG file</source>
        <translation>将大画面保存为 JPEG 文件</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Where the recording is; the marks are its events</source>
        <translation>录像的当前位置；标记为其事件</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>The recordings found; a double-click plays one</source>
        <translation>找到的录像；双击即可播放</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>The drive&apos;s events and bookmarks; a double-click plays from before one</source>
        <translation>行程中的事件和书签；双击从其之前开始播放</translation>
    </message>
    <message>
        <source>Large view</source>
        <translation>大画面</translation>
    </message>
    <message>
        <source>The front camera, or the rear one when swapped</source>
        <translation>前摄像头（交换后为后摄像头）</translation>
    </message>
    <message>
        <source>Small view</source>
        <translation>小画面</translation>
    </message>
    <message>
        <source>The rear camera, or the front one when swapped</source>
        <translation>后摄像头（交换后为前摄像头）</translation>
    </message>
    <message>
        <source>G-sensor</source>
        <translation>G 传感器</translation>
    </message>
    <message>
        <source>The G-sensor&apos;s readings over the recording, with the moment playing</source>
        <translation>整个录像的 G 传感器读数及当前播放位置</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>The route and where the car is</source>
        <translation>路线和车辆位置</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>导入进度</translation>
    </message>
    <message>
        <source>Event search progress</source>
        <translation>事件查找进度</translation>
    </message>
    <message>
        <source>Playing speed</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Volume level %1 of %2</source>
        <translation>音量级别 %1/%2</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>指南针</translation>
    </message>
    <message>
        <source>Heading %1°</source>
        <translation>航向 %1°</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>正在保存 %1</translation>
    </message>
    <message>
        <source>no index</source>
        <translation>缺少索引</translation>
    </message>
    <message>
        <source>index cut short</source>
        <translation>索引被截断</translation>
    </message>
    <message>
        <source>media data past the file&apos;s end</source>
        <translation>媒体数据超出文件末尾</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. A power loss cut this recording off before the camera finished it, so it cannot be played as it is.</source>
        <translation>%1 已损坏：%2。摄像头完成录制前断电，录像被截断，因此无法直接播放。</translation>
    </message>
    <message>
        <source>No healthy recording of the same camera lies beside it to rebuild it from. Choose one the same camera made.</source>
        <translation>旁边没有同一摄像头的完好录像可用于重建。请选择同一摄像头录制的录像。</translation>
    </message>
    <message>
        <source>It can be rebuilt from %1, a healthy recording of the same camera, into %2. The damaged file stays as it is.</source>
        <translation>可以依据同一摄像头的完好录像 %1 重建为 %2。损坏的文件保持不变。</translation>
    </message>
    <message>
        <source>Damaged: %1 — a power loss cut this recording off. Double-click to repair it.</source>
        <translation>已损坏：%1 — 断电导致录像中断。双击进行修复。</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Another repair is under way: try again once it has ended.</source>
        <translation>%1 已损坏（%2）。另一项修复正在进行，请在其结束后重试。</translation>
    </message>
    <message>
        <source>Repair recording</source>
        <translation>修复录像</translation>
    </message>
    <message>
        <source>Repair…</source>
        <translation>修复…</translation>
    </message>
    <message>
        <source>Choose a recording…</source>
        <translation>选择录像…</translation>
    </message>
    <message>
        <source>Choose another…</source>
        <translation>选择其他…</translation>
    </message>
    <message>
        <source>A healthy recording of the same camera</source>
        <translation>同一摄像头的完好录像</translation>
    </message>
    <message>
        <source>Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)</source>
        <translation>录像 (*.mov *.MOV *.mp4 *.MP4);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written: a folder for the repaired recording</source>
        <translation>无法写入 %1：请选择存放修复后录像的文件夹</translation>
    </message>
    <message>
        <source>Repairing %1</source>
        <translation>正在修复 %1</translation>
    </message>
    <message>
        <source>Repairing %1 was cancelled; nothing was written.</source>
        <translation>已取消修复 %1，未写入任何内容。</translation>
    </message>
    <message>
        <source>Repair failed! %1: %2</source>
        <translation>修复失败！%1：%2</translation>
    </message>
</context>
<context>
    <name>CSkinHeaderCtrl</name>
    <message>
        <source>Column titles</source>
        <translation>列标题</translation>
    </message>
</context>
<context>
    <name>CSkinHorizontalScrollbar</name>
    <message>
        <source>Scroll left and right</source>
        <translation>左右滚动</translation>
    </message>
</context>
<context>
    <name>CSkinListCtrl</name>
    <message>
        <source>No.</source>
        <translation>序</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>CSkinVerticleScrollbar</name>
    <message>
        <source>Scroll up and down</source>
        <translation>上下滚动</translation>
    </message>
</context>
<context>
    <name>ClipDialog</name>
    <message>
        <source>Visually lossless</source>
        <translation>视觉无损</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小文件</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>原始大小</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>保存片段</translation>
    </message>
    <message>
        <source>%1 long, from %2 into %3%4</source>
        <translation>时长 %1，从 %3 的 %2 处开始%4</translation>
    </message>
    <message>
        <source>, across %1 files</source>
        <translation>，跨 %1 个文件</translation>
    </message>
    <message>
        <source>Sound as recorded (off: none, the cabin stays private)</source>
        <translation>保留录制的声音（关闭：无声音，车内对话保持私密）</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>声音：</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画质：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>尺寸：</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>One camera without overlays: copied without re-encoding, from the key frame at or before the start.</source>
        <translation>单个摄像头且无叠加信息：不重新编码，从起点处或起点之前的关键帧开始复制。</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>前方</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>后方</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>两者</translation>
    </message>
    <message>
        <source>Picture in picture, as the player shows them</source>
        <translation>画中画，与播放器中显示的一致</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>并排</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>上下排列</translation>
    </message>
    <message>
        <source>Drawn in</source>
        <translation>叠加到画面</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>本地时间</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>速度（%1）</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>位置（度）</translation>
    </message>
    <message>
        <source>G values</source>
        <translation>G 值</translation>
    </message>
    <message>
        <source>Route of the clip, drawn from the track</source>
        <translation>片段路线（根据轨迹绘制）</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 视频 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ClipProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>working out the time left</source>
        <translation>正在估算剩余时间</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>剩余 %1:%2</translation>
    </message>
    <message>
        <source>Saving a clip</source>
        <translation>正在保存片段</translation>
    </message>
    <message>
        <source>Clip progress</source>
        <translation>片段保存进度</translation>
    </message>
    <message>
        <source>Clip being saved</source>
        <translation>正在保存的片段</translation>
    </message>
    <message>
        <source>cancelling…</source>
        <translation>正在取消…</translation>
    </message>
</context>
<context>
    <name>EventColours</name>
    <message>
        <source>Impact</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>Hard braking</source>
        <translation>急刹车</translation>
    </message>
    <message>
        <source>Hard acceleration</source>
        <translation>急加速</translation>
    </message>
    <message>
        <source>Camera event</source>
        <translation>摄像头事件</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>停车</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>书签</translation>
    </message>
</context>
</TS>
