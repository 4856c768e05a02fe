<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>CDlgMap</name>
    <message>
        <source>Map</source>
        <translation>지도</translation>
    </message>
</context>
<context>
    <name>CPlayerDlg</name>
    <message>
        <source>
Copied as recorded, from the key frame %1 s before the start.</source>
        <translation>
시작 %1초 전의 키 프레임부터 녹화된 그대로 복사했습니다.</translation>
    </message>
    <message>
        <source>Set the clip&apos;s start (i) and end (o) first.</source>
        <translation>먼저 클립의 시작(i)과 끝(o)을 지정하십시오.</translation>
    </message>
    <message>
        <source>The clip&apos;s start and end are not in one drive.</source>
        <translation>클립의 시작과 끝이 같은 주행 안에 있지 않습니다.</translation>
    </message>
    <message>
        <source>A clip is being saved: wait for it, or cancel it.</source>
        <translation>클립을 저장하는 중입니다. 완료될 때까지 기다리거나 취소하십시오.</translation>
    </message>
    <message>
        <source>The clip would be empty: set its start and end apart.</source>
        <translation>클립이 비게 됩니다. 시작과 끝을 서로 다른 위치로 지정하십시오.</translation>
    </message>
    <message>
        <source>Save clip failed! %1 is one of the clip&apos;s recordings.</source>
        <translation>클립을 저장하지 못했습니다! %1은(는) 이 클립에 사용되는 녹화 파일입니다.</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>클립 저장</translation>
    </message>
    <message>
        <source>The clip is saved: %1</source>
        <translation>클립을 저장했습니다: %1</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; nothing was written.</source>
        <translation>%1 저장을 취소했습니다. 아무것도 기록되지 않았습니다.</translation>
    </message>
    <message>
        <source>Save clip failed! %1: %2</source>
        <translation>클립을 저장하지 못했습니다! %1: %2</translation>
    </message>
    <message>
        <source>Clip start here</source>
        <translation>여기를 클립 시작으로</translation>
    </message>
    <message>
        <source>Clip end here</source>
        <translation>여기를 클립 끝으로</translation>
    </message>
    <message>
        <source>Clear the clip&apos;s marks</source>
        <translation>클립 표시 지우기</translation>
    </message>
    <message>
        <source>Cancel the clip</source>
        <translation>클립 저장 취소</translation>
    </message>
    <message>
        <source>Save clip…</source>
        <translation>클립 저장…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Play from before it</source>
        <translation>이벤트 직전부터 재생</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>Looking for events: %1 of %2</source>
        <translation>이벤트 검색 중: %1/%2</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1, %2 지점</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>북마크</translation>
    </message>
    <message>
        <source>A note for this moment:</source>
        <translation>이 순간에 대한 메모:</translation>
    </message>
    <message>
        <source>The bookmark could not be kept.</source>
        <translation>북마크를 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>The bookmark could not be removed.</source>
        <translation>북마크를 삭제하지 못했습니다.</translation>
    </message>
    <message>
        <source>Impact threshold</source>
        <translation>충격 임계값</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <source>GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)</source>
        <translation>GPX 트랙 (*.gpx);;KML (*.kml);;CSV 표 (*.csv);;GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export track</source>
        <translation>트랙 내보내기</translation>
    </message>
    <message>
        <source>Export track failed! Name a .gpx, .kml, .csv or .geojson file.</source>
        <translation>트랙을 내보내지 못했습니다! .gpx, .kml, .csv 또는 .geojson 파일을 지정하십시오.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다.
바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Export track failed! %1 could not be written.</source>
        <translation>트랙을 내보내지 못했습니다! %1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Importing: %1 of %2 files</source>
        <translation>파일 가져오는 중: %1/%2</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>play / pause</source>
        <translation>재생 / 일시 정지</translation>
    </message>
    <message>
        <source>← / →</source>
        <translation>← / →</translation>
    </message>
    <message>
        <source>5 s back / forward</source>
        <translation>5초 뒤로 / 앞으로</translation>
    </message>
    <message>
        <source>Shift+← / →</source>
        <translation>Shift+← / →</translation>
    </message>
    <message>
        <source>1 s back / forward</source>
        <translation>1초 뒤로 / 앞으로</translation>
    </message>
    <message>
        <source>↓ / ↑</source>
        <translation>↓ / ↑</translation>
    </message>
    <message>
        <source>60 s back / forward</source>
        <translation>60초 뒤로 / 앞으로</translation>
    </message>
    <message>
        <source>, / .</source>
        <translation>, / .</translation>
    </message>
    <message>
        <source>one frame back / forward</source>
        <translation>한 프레임 뒤로 / 앞으로</translation>
    </message>
    <message>
        <source>[ / ]</source>
        <translation>[ / ]</translation>
    </message>
    <message>
        <source>slower / faster</source>
        <translation>느리게 / 빠르게</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>보통 속도</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>9 / 0</source>
        <translation>9 / 0</translation>
    </message>
    <message>
        <source>volume down / up</source>
        <translation>음량 줄이기 / 높이기</translation>
    </message>
    <message>
        <source>f, F11</source>
        <translation>f, F11</translation>
    </message>
    <message>
        <source>full screen (Escape leaves it)</source>
        <translation>전체 화면 (Esc로 해제)</translation>
    </message>
    <message>
        <source>PgUp / PgDn</source>
        <translation>PgUp / PgDn</translation>
    </message>
    <message>
        <source>previous / next recording</source>
        <translation>이전 / 다음 녹화</translation>
    </message>
    <message>
        <source>e / Shift+E</source>
        <translation>e / Shift+E</translation>
    </message>
    <message>
        <source>10 s before the next / previous event</source>
        <translation>다음 / 이전 이벤트의 10초 전으로</translation>
    </message>
    <message>
        <source>b / Shift+B</source>
        <translation>b / Shift+B</translation>
    </message>
    <message>
        <source>bookmark the moment / with a note</source>
        <translation>이 순간 북마크 / 메모와 함께 북마크</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>events list / recordings</source>
        <translation>이벤트 목록 / 녹화 목록</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>remove the bookmark chosen in the events list</source>
        <translation>이벤트 목록에서 선택한 북마크 삭제</translation>
    </message>
    <message>
        <source>i / o</source>
        <translation>i / o</translation>
    </message>
    <message>
        <source>clip start / end at this moment</source>
        <translation>이 순간을 클립 시작 / 끝으로</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the clip between the marks</source>
        <translation>표시 사이의 클립 저장</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>import a folder</source>
        <translation>폴더 가져오기</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>capture the large picture</source>
        <translation>큰 화면 캡처</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>print the moment</source>
        <translation>이 순간 인쇄</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? 또는 F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>이 도움말</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>leave full screen, else clear the clip&apos;s marks, else close</source>
        <translation>전체 화면 해제, 아니면 클립 표시 지우기, 아니면 닫기</translation>
    </message>
    <message>
        <source>Front camera</source>
        <translation>전방 카메라</translation>
    </message>
    <message>
        <source>Import a folder, then double-click a recording</source>
        <translation>폴더를 가져온 다음 녹화 파일을 두 번 클릭하십시오</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>영상</translation>
    </message>
    <message>
        <source>List</source>
        <translation>목록</translation>
    </message>
    <message>
        <source>About Player...</source>
        <translation>플레이어 정보...</translation>
    </message>
    <message>
        <source>Speed in km/h</source>
        <translation>속도 단위 km/h</translation>
    </message>
    <message>
        <source>Speed in mph</source>
        <translation>속도 단위 mph</translation>
    </message>
    <message>
        <source>Export track…</source>
        <translation>트랙 내보내기…</translation>
    </message>
    <message>
        <source>Export drive&apos;s track…</source>
        <translation>주행 트랙 내보내기…</translation>
    </message>
    <message>
        <source>Route coloured by speed</source>
        <translation>속도별 경로 색상</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>About Player</source>
        <translation>플레이어 정보</translation>
    </message>
    <message>
        <source>&lt;b&gt;Player Version %1&lt;/b&gt;&lt;br&gt;DualDash plays the front and rear recordings of car video recorders with their route, speed, course and G-sensor data.</source>
        <translation>&lt;b&gt;플레이어 버전 %1&lt;/b&gt;&lt;br&gt;DualDash는 차량용 블랙박스의 전방 및 후방 녹화 영상을 경로, 속도, 진행 방향, G센서 데이터와 함께 재생합니다.</translation>
    </message>
    <message>
        <source>UnSupported file!</source>
        <translation>지원하지 않는 파일입니다!</translation>
    </message>
    <message>
        <source>Play file failed!</source>
        <translation>파일을 재생할 수 없습니다!</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>The recording is no longer there: %1</source>
        <translation>녹화 파일이 더 이상 없습니다: %1</translation>
    </message>
    <message>
        <source>Set file name...</source>
        <translation>파일 이름 지정...</translation>
    </message>
    <message>
        <source>Photo File(*.jpg)</source>
        <translation>사진 파일 (*.jpg)</translation>
    </message>
    <message>
        <source>Capture failed! %1 could not be written.</source>
        <translation>캡처하지 못했습니다! %1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Player print information</source>
        <translation>플레이어 인쇄 정보</translation>
    </message>
    <message>
        <source>File: %1

G-Sensor data:  x - %2  y - %3  z - %4]

GPS coordinate: Longitude - %5  Latitude - %6</source>
        <translation>파일: %1

G센서 데이터:  x - %2  y - %3  z - %4

GPS 좌표: 경도 - %5  위도 - %6</translation>
    </message>
    <message>
        <source>Print time: %1</source>
        <translation>인쇄 시각: %1</translation>
    </message>
    <message>
        <source>Minimize the window</source>
        <translation>창 최소화</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>플레이어 닫기</translation>
    </message>
    <message>
        <source>Import the recordings of a folder or a memory card</source>
        <translation>폴더나 메모리 카드의 녹화 파일 가져오기</translation>
    </message>
    <message>
        <source>Stop playing and empty the list</source>
        <translation>재생을 멈추고 목록 비우기</translation>
    </message>
    <message>
        <source>Show the rear camera or the list in the right-hand panel</source>
        <translation>오른쪽 패널에 후방 카메라 또는 목록 표시</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>음량 줄이기</translation>
    </message>
    <message>
        <source>Make the sound quieter</source>
        <translation>소리를 더 작게</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>음량 높이기</translation>
    </message>
    <message>
        <source>Make the sound louder</source>
        <translation>소리를 더 크게</translation>
    </message>
    <message>
        <source>Play on</source>
        <translation>연속 재생</translation>
    </message>
    <message>
        <source>When on, the next recording plays when one ends</source>
        <translation>켜면 녹화가 끝날 때 다음 녹화를 재생합니다</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>이전 녹화</translation>
    </message>
    <message>
        <source>Play the recording before this one</source>
        <translation>이전 녹화 재생</translation>
    </message>
    <message>
        <source>Play or pause both cameras</source>
        <translation>두 카메라 재생 또는 일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Stop both cameras</source>
        <translation>두 카메라 정지</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>다음 녹화</translation>
    </message>
    <message>
        <source>Play the recording after this one</source>
        <translation>다음 녹화 재생</translation>
    </message>
    <message>
        <source>Swap cameras</source>
        <translation>카메라 전환</translation>
    </message>
    <message>
        <source>When on, the rear camera plays in the large view</source>
        <translation>켜면 후방 카메라가 큰 화면에서 재생됩니다</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Print the moment with its data</source>
        <translation>이 순간을 데이터와 함께 인쇄</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Save the large picture as a JPEG file</source>
        <translation>큰 화면을 JPEG 파일로 저장</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Where the recording is; the marks are its events</source>
        <translation>녹화의 현재 위치. 표시는 이벤트입니다</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>녹화 목록</translation>
    </message>
    <message>
        <source>The recordings found; a double-click plays one</source>
        <translation>찾은 녹화 파일. 두 번 클릭하면 재생합니다</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>The drive&apos;s events and bookmarks; a double-click plays from before one</source>
        <translation>주행의 이벤트와 북마크. 두 번 클릭하면 해당 시점 직전부터 재생합니다</translation>
    </message>
    <message>
        <source>Large view</source>
        <translation>큰 화면</translation>
    </message>
    <message>
        <source>The front camera, or the rear one when swapped</source>
        <translation>전방 카메라(전환 시 후방 카메라)</translation>
    </message>
    <message>
        <source>Small view</source>
        <translation>작은 화면</translation>
    </message>
    <message>
        <source>The rear camera, or the front one when swapped</source>
        <translation>후방 카메라(전환 시 전방 카메라)</translation>
    </message>
    <message>
        <source>G-sensor</source>
        <translation>G센서</translation>
    </message>
    <message>
        <source>The G-sensor&apos;s readings over the recording, with the moment playing</source>
        <translation>녹화 전체의 G센서 값과 현재 재생 시점</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>지도</translation>
    </message>
    <message>
        <source>The route and where the car is</source>
        <translation>경로와 차량 위치</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>가져오기 진행률</translation>
    </message>
    <message>
        <source>Event search progress</source>
        <translation>이벤트 검색 진행률</translation>
    </message>
    <message>
        <source>Playing speed</source>
        <translation>재생 속도</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Volume level %1 of %2</source>
        <translation>음량 %2단계 중 %1단계</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>나침반</translation>
    </message>
    <message>
        <source>Heading %1°</source>
        <translation>방향 %1°</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 저장 중</translation>
    </message>
    <message>
        <source>no index</source>
        <translation>인덱스 없음</translation>
    </message>
    <message>
        <source>index cut short</source>
        <translation>인덱스가 잘림</translation>
    </message>
    <message>
        <source>media data past the file&apos;s end</source>
        <translation>미디어 데이터가 파일 끝을 넘음</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. A power loss cut this recording off before the camera finished it, so it cannot be played as it is.</source>
        <translation>%1 파일이 손상되었습니다: %2. 카메라가 녹화를 마치기 전에 전원이 끊겨 이 상태로는 재생할 수 없습니다.</translation>
    </message>
    <message>
        <source>No healthy recording of the same camera lies beside it to rebuild it from. Choose one the same camera made.</source>
        <translation>옆에 복구에 사용할 같은 카메라의 정상 녹화가 없습니다. 같은 카메라로 녹화한 파일을 선택하십시오.</translation>
    </message>
    <message>
        <source>It can be rebuilt from %1, a healthy recording of the same camera, into %2. The damaged file stays as it is.</source>
        <translation>같은 카메라의 정상 녹화인 %1을(를) 바탕으로 %2(으)로 복구할 수 있습니다. 손상된 파일은 그대로 남습니다.</translation>
    </message>
    <message>
        <source>Damaged: %1 — a power loss cut this recording off. Double-click to repair it.</source>
        <translation>손상됨: %1 — 전원이 끊겨 녹화가 중단되었습니다. 두 번 클릭하면 복구합니다.</translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Another repair is under way: try again once it has ended.</source>
        <translation>%1 파일이 손상되었습니다(%2). 다른 복구가 진행 중입니다. 끝난 뒤 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Repair recording</source>
        <translation>녹화 복구</translation>
    </message>
    <message>
        <source>Repair…</source>
        <translation>복구…</translation>
    </message>
    <message>
        <source>Choose a recording…</source>
        <translation>녹화 선택…</translation>
    </message>
    <message>
        <source>Choose another…</source>
        <translation>다른 녹화 선택…</translation>
    </message>
    <message>
        <source>A healthy recording of the same camera</source>
        <translation>같은 카메라의 정상 녹화</translation>
    </message>
    <message>
        <source>Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)</source>
        <translation>녹화 (*.mov *.MOV *.mp4 *.MP4);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written: a folder for the repaired recording</source>
        <translation>%1에 쓸 수 없습니다: 복구한 녹화를 둘 폴더</translation>
    </message>
    <message>
        <source>Repairing %1</source>
        <translation>%1 복구 중</translation>
    </message>
    <message>
        <source>Repairing %1 was cancelled; nothing was written.</source>
        <translation>%1 복구가 취소되었습니다. 아무것도 기록되지 않았습니다.</translation>
    </message>
    <message>
        <source>Repair failed! %1: %2</source>
        <translation>복구 실패! %1: %2</translation>
    </message>
</context>
<context>
    <name>CSkinHeaderCtrl</name>
    <message>
        <source>Column titles</source>
        <translation>열 제목</translation>
    </message>
</context>
<context>
    <name>CSkinHorizontalScrollbar</name>
    <message>
        <source>Scroll left and right</source>
        <translation>좌우 스크롤</translation>
    </message>
</context>
<context>
    <name>CSkinListCtrl</name>
    <message>
        <source>No.</source>
        <translation>번</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
</context>
<context>
    <name>CSkinVerticleScrollbar</name>
    <message>
        <source>Scroll up and down</source>
        <translation>상하 스크롤</translation>
    </message>
</context>
<context>
    <name>ClipDialog</name>
    <message>
        <source>Visually lossless</source>
        <translation>시각적 무손실</translation>
    </message>
    <message>
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>작은 파일</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>원본 크기</translation>
    </message>
    <message>
        <source>Save clip</source>
        <translation>클립 저장</translation>
    </message>
    <message>
        <source>%1 long, from %2 into %3%4</source>
        <translation>길이 %1, %3의 %2부터%4</translation>
    </message>
    <message>
        <source>, across %1 files</source>
        <translation>, %1개 파일에 걸침</translation>
    </message>
    <message>
        <source>Sound as recorded (off: none, the cabin stays private)</source>
        <translation>녹음된 소리 포함 (끄면 소리 없음, 차내 대화 보호)</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>소리:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>품질:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>크기:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>파일:</translation>
    </message>
    <message>
        <source>One camera without overlays: copied without re-encoding, from the key frame at or before the start.</source>
        <translation>오버레이 없는 단일 카메라: 재인코딩 없이 시작 지점 또는 그 이전의 키 프레임부터 복사합니다.</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>전방</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>후방</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>Picture in picture, as the player shows them</source>
        <translation>화면 속 화면 (플레이어 표시와 동일)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>나란히</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>위아래로</translation>
    </message>
    <message>
        <source>Drawn in</source>
        <translation>영상에 표시</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>날짜 및 시간</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>현지 시간</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>속도(%1)</translation>
    </message>
    <message>
        <source>Position (degrees)</source>
        <translation>위치(도)</translation>
    </message>
    <message>
        <source>G values</source>
        <translation>G 값</translation>
    </message>
    <message>
        <source>Route of the clip, drawn from the track</source>
        <translation>트랙에서 그린 클립 경로</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 동영상 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ClipProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>working out the time left</source>
        <translation>남은 시간 계산 중</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>%1:%2 남음</translation>
    </message>
    <message>
        <source>Saving a clip</source>
        <translation>클립 저장 중</translation>
    </message>
    <message>
        <source>Clip progress</source>
        <translation>클립 저장 진행률</translation>
    </message>
    <message>
        <source>Clip being saved</source>
        <translation>저장 중인 클립</translation>
    </message>
    <message>
        <source>cancelling…</source>
        <translation>취소하는 중…</translation>
    </message>
</context>
<context>
    <name>EventColours</name>
    <message>
        <source>Impact</source>
        <translation>충격</translation>
    </message>
    <message>
        <source>Hard braking</source>
        <translation>급제동</translation>
    </message>
    <message>
        <source>Hard acceleration</source>
        <translation>급가속</translation>
    </message>
    <message>
        <source>Camera event</source>
        <translation>카메라 이벤트</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>주차</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>북마크</translation>
    </message>
</context>
</TS>
