#pragma once
// The player's only window: a caption-less 1024 x 768 panel painted from its
// skin, owning the two players and views, the list, the map, the waveform,
// the seek bar, the instruments and fifteen image buttons.

#include "DriveRoutes.h"
#include "clips/Clip.h"
#include "events/DriveEvents.h"
#include "library/Import.h"
#include "library/RecordingList.h"
#include "library/TrackCache.h"
#include "PlayerSettings.h"
#include "TrackReads.h"
#include "playback/MediaPlayer.h"
#include "track/TrackLoader.h"
#include "widgets/SpeedDash.h"

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>

class CBitmapSlider;
class ClipDialog;
class ClipProgressPanel;
class CDlgMap;
class CDlgVideoView;
class CPngButton;
class CSkinListCtrl;
class CWaveFormCtrl;
class QLabel;
class QMenu;
class QMessageBox;
struct RepairReport;
struct RepairRequest;
class QPrinter;
class MprisService;

class CPlayerDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlayerDlg(QWidget* parent = nullptr);
    ~CPlayerDlg() override;

    // Opening and playing.
    void PlayFile(int direction);  // 0 current, 1 next, 2 previous
    // `jump`: after a seek; the map moves at once instead of gliding, and the
    // seek bar moves also while paused.
    void SyncToPosition(bool jump = false);
    void ShowSecondView(bool show);
    void ShowVolumeLevel(int level);

    // Instruments.
    void DrawSpeedNeedle(int speed);
    // km/h or mph for the dial, the speed text and the waveform; remembered.
    void SetSpeedUnit(SpeedDash::SpeedUnit unit);
    SpeedDash::SpeedUnit SpeedUnit() const { return speedUnit_; }
    void DrawCompassNeedle(double course);

    // Importing.
    // Rows appear as files are read; a long import goes on between events,
    // with its progress shown over the list, until done or cancelled (Stop).
    void ImportFolder(const QString& folder);
    bool Importing() const { return !pendingImport_.empty(); }
    void CancelImport();
    QLabel* ImportProgress() const { return importProgress_; }
    void ImportPaths(const QStringList& paths);  // folders and files, as on the command line
    // The last session's folders again, when the settings say so.
    void ImportRememberedFolders();
    // What the program was started on is the session; without paths, the
    // last session's folders come back.
    void StartSession(const QStringList& paths);
    void ScanCard();

    // The keys, as Linux video players have them (the help lists them).
    bool HandleKey(QKeyEvent* event);
    static QString KeyHelpText();
    void TogglePair();                 // Space: keeps the speed, unlike the Play button
    void SeekPairBy(double seconds);
    void StepPair(bool forward);
    void SetPairRate(int index);       // 0..3: 1x, 2x, 3x, 8x
    // The index of the pair's rate nearest to `rate`.
    static int NearestRateIndex(double rate);
    int RateIndex() const { return rateIndex_; }
    void ToggleMute();
    void ToggleFullScreen();
    void ToggleKeyHelp();
    QLabel* KeyHelp() const { return keyHelp_; }
    QLabel* RateText() const { return rateText_; }
    MprisService* Mpris() const { return mpris_; }

    // Commands.
    void OnBnClickedPlay();
    void OnBnClickedStop();
    void StopPair();
    void OnBnClickedPrev() { PlayFile(2); }
    void OnBnClickedNext() { PlayFile(1); }
    void OnBnClickedCycle();
    void OnBnClickedClear();
    void OnBnClickedVideo();
    void OnBnClickedSwap();
    void OnBnClickedVolumeDown();
    void OnBnClickedVolumeUp();
    void OnBnClickedImport();
    void OnSliderMoved(int id, int pos);
    void OnBnClickedCapture();
    void OnBnClickedPrint();
    // The current recording's track, or its whole drive's, into a file the
    // save dialog names (GPX, KML, CSV or GeoJSON by its extension).
    void ExportTrack(bool wholeDrive);
    // The list's recordings that make one drive with the playing one, in time
    // order, as last shown on the map; the playing one alone until then.
    std::vector<std::string> CurrentDrive() const;
    // The map shows the current drive's route coloured by speed, with a legend.
    void SetSpeedColours(bool on);
    bool SpeedColours() const { return speedColours_; }
    // A click on the drive's route: `slot` of the drive's `recording`th file,
    // which opens first when it is not the one playing.
    void SeekToRoutePoint(int recording, int slot);
    const std::vector<std::string>& DriveShown() const { return drivePaths_; }
    // Events: the current drive's, found in the background (kept in the
    // event catalogue, so a second look is quick) and marked on the seek bar,
    // the waveform, the map and in the events list.
    const std::vector<DriveEvent>& DriveEvents() const { return driveEvents_; }
    // The drive the events belong to, in its order.
    const std::vector<std::string>& EventsDrive() const { return eventsDrive_; }
    bool EventScanRunning() const { return eventScan_ != nullptr; }
    // Both players to 10 s before the next (previous) event, across the drive's files.
    void JumpToEvent(bool forward);
    // Plays the drive's `row`th event from its lead-in.
    void PlayEvent(int row);
    // A bookmark at the current moment; `askNote`: with a short note asked for.
    void AddBookmark(bool askNote);
    // The events list's chosen row, when it is a bookmark.
    void RemoveChosenBookmark();
    // The list beside the pictures: the recordings, or the drive's events.
    void ShowEventsList(bool show);
    bool EventsListShown() const { return eventsShown_; }
    CSkinListCtrl* EventsView() const { return eventsView_; }
    QLabel* EventScanProgress() const { return eventsProgress_; }
    // The jolt that counts as an impact, in g; 0: impacts not looked for.
    void SetImpactThreshold(double g);
    double ImpactThreshold() const { return eventSettings_.impactG; }
    // The note dialog's answer (nothing: cancelled).
    using NoteHook = std::function<std::optional<QString>()>;
    void SetNoteHook(NoteHook hook) { noteHook_ = std::move(hook); }

    // Clips: a stretch of the drive, both cameras and the track's data drawn
    // in, written as one MP4 in the background while the window plays on.
    // The clip's start and end at the moment playing (i and o); shown on the
    // seek bar of the recordings they fall in.
    void SetClipStart();
    void SetClipEnd();
    void ClearClipMarks();
    bool HasClipMarks() const { return clipStart_ || clipEnd_; }
    // The stretch between the marks (either way round), after the dialog.
    void SaveClip();
    // 15 s before to 15 s after the drive's `row`th event, across its files.
    void SaveEventClip(int row);
    bool ClipRunning() const { return clipRun_ != nullptr; }
    // Asks the clip being made to stop; it reports itself cancelled.
    void CancelClip();
    ClipProgressPanel* ClipProgress() const { return clipProgress_; }
    // In place of the dialog's own answer: the dialog, set up, is handed over
    // (true: Save). Tests make their choices through it.
    using ClipDialogHook = std::function<bool(ClipDialog& dialog)>;
    void SetClipDialogHook(ClipDialogHook hook) { clipDialogHook_ = std::move(hook); }

    // Repairs: a recording a power loss cut off is listed with a mark, and
    // opening it offers to rebuild it from a healthy recording of the same
    // camera, on a thread of its own while the window plays on, into
    // NAME.repaired.EXT beside it; that one then joins the list and plays.
    // The damaged file is never changed.
    bool RepairRunning() const { return repairRun_ != nullptr; }
    // Asks the repair under way to stop; it reports itself cancelled.
    void CancelRepair();
    ClipProgressPanel* RepairProgress() const { return repairProgress_; }
    // What the list's mark says of the recording at `path`; empty: it is whole.
    static QString DamageNote(const std::string& path);
    // In place of the question's own answer: the question, set up, is handed
    // over; tests click one of its buttons (none: cancelled).
    using QuestionHook = std::function<void(QMessageBox& box)>;
    void SetRepairQuestionHook(QuestionHook hook) { repairQuestionHook_ = std::move(hook); }
    // The open dialog's answer when a healthy recording to repair from is
    // picked (empty: cancelled); `folder` is where it opens.
    using OpenNameHook = std::function<QString(const QString& folder)>;
    void SetReferenceHook(OpenNameHook hook) { referenceHook_ = std::move(hook); }
    // Called on the repair's thread before the repair reads: a test's
    // stand-in for a recording long enough to be cancelled halfway. `goOn`
    // turns false once the repair has been cancelled.
    using RepairStartHook = std::function<void(const std::function<bool()>& goOn)>;
    void SetRepairStartHook(RepairStartHook hook) { repairStartHook_ = std::move(hook); }

    // The page of the current moment, into a printer already set up.
    void PrintInformation(QPrinter& printer);

    // What the tests and the benchmarks look at and replace.
    using MessageHook = std::function<void(const QString& text, bool error)>;
    void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
    // The save dialog's answer (empty: cancelled), and the print dialog's.
    using SaveNameHook = std::function<QString(const QString& folder)>;
    // The folder chooser's answer (empty: cancelled).
    using FolderHook = std::function<QString()>;
    void SetFolderHook(FolderHook hook) { folderHook_ = std::move(hook); }
    void SetSaveNameHook(SaveNameHook hook) { saveNameHook_ = std::move(hook); }
    // The answer to "replace the file that is there?" (yes: true).
    using ReplaceHook = std::function<bool(const QString& file)>;
    void SetReplaceHook(ReplaceHook hook) { replaceHook_ = std::move(hook); }
    using PrinterHook = std::function<bool(QPrinter& printer)>;
    void SetPrinterHook(PrinterHook hook) { printerHook_ = std::move(hook); }
    // How long each slice of a long import reads (a slow card is slow to read).
    void SetImportSliceMs(int ms) { importSliceMs_ = ms; }
    // Called on the reading thread before a recording's track is read: a
    // test's stand-in for a card that is slow to answer.
    using TrackReadHook = std::function<void(const std::string& path)>;
    void SetTrackReadHook(TrackReadHook hook) { trackReadHook_ = std::move(hook); }
    using VolumeSource = std::function<std::vector<MountedVolume>()>;
    void SetVolumeSource(VolumeSource source) { volumeSource_ = std::move(source); }
    // Where windows without a source of their own look for a card, in place
    // of the machine's mounts (the window tests give an empty list).
    static void SetDefaultVolumeSource(VolumeSource source);
    CMediaPlayer& MainPlayer() { return mainPlayer_; }
    CMediaPlayer& SecondPlayer() { return secondPlayer_; }
    CRecordingList& Recordings() { return recordings_; }
    CTrackLoader& Track() { return track_; }
    // The playing recording's track has been read and shown (it is read in
    // the background: the picture does not wait for it).
    bool TrackReady() const { return trackReady_; }
    // Background reads (tracks, drives, exports) not yet come back.
    int BackgroundReads() const { return reads_.Pending(); }
    CSkinListCtrl* ListView() const { return listView_; }
    CBitmapSlider* SeekBar() const { return seekBar_; }
    CWaveFormCtrl* Waveform() const { return waveform_; }
    CDlgMap* MapView() const { return mapView_; }
    CDlgVideoView* MainView() const { return mainView_; }
    CDlgVideoView* SecondView() const { return secondView_; }
    QWidget* IdlePlaceholder() const { return idlePlaceholder_; }
    CPngButton* Button(int id) const;
    QLabel* SpeedText() const { return speedText_; }
    QLabel* VolumeBar(int k) const { return volumeBars_[static_cast<std::size_t>(k)]; }
    int VolumeBarLevelShown(int k) const { return volumeBarLit_[static_cast<std::size_t>(k)]; }
    int CurrentIndex() const { return currentIndex_; }
    int CycleMode() const { return cycleMode_; }
    // The views say which player shows where: swapped when the rear camera is large.
    bool Swapped() const;
    CMediaPlayer& LargePlayer();
    bool SecondViewShown() const { return secondViewShown_; }
    int LastSpeed() const { return lastSpeed_; }
    double LastCourse() const { return lastCourse_; }
    bool UserStopped() const { return userStopped_; }

    // Closing ends a long import too.
    void done(int result) override;

signals:
    // The pair was sent to another moment (keys, seek bar, map, media controls).
    void pairSought();
    // The playing recording's track is in, and shown.
    void trackShown();
    // The playing recording's drive is on the map.
    void driveShown();
    // The drive's events have been found again and marked.
    void eventsShown();
    // An export has ended, written or not (a failure has been said).
    void trackExported(const QString& file, bool written);
    // A clip has ended: written, cancelled or failed (what happened has been said).
    void clipFinished(const QString& file, bool written, bool cancelled);
    // A repair has ended: `output` written, cancelled or failed (what
    // happened has been said); a written one is listed and opened.
    void repairFinished(const QString& damaged, const QString& output, bool written, bool cancelled);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Construction, by concern.
    void CreateControls();
    void CreateButtons();
    void PlaceLabelledButtons();
    void DescribeControls();
    void SetTabOrder();
    void ShowToggleStates();
    void DescribeInstruments();
    void CreateViews();
    void InitDialog();
    CPngButton* MakeButton(int id, int png, bool onSkin, void (CPlayerDlg::*handler)());

    // The clock.
    void OnTimer1();
    void OnGraphNotify();
    void KeepRearInStep();

    // Opening.
    void ReadTrack(const tagFileNode& node);
    void SendRoute();
    void SendDrive();
    void WriteExport(const QString& file, bool wholeDrive);
    bool MayReplace(const QString& file, const QString& title);
    void SeekPairTo(double seconds);
    void OpenCompanion(const tagFileNode& node);
    static QString CompanionOf(const tagFileNode& node);
    void PrepareFollowing();
    // False, after stopping the pair with a message, when the recording being
    // played has gone from under it (the card pulled, the file deleted or cut).
    bool CheckRecordingPresent();
    void PutPlayersInTheirViews();
    void ApplyVolume(int level);
    void ShowMessage(const QString& text, bool error);
    void AddImportCandidates(const std::vector<ImportCandidate>& candidates);
    void ImportSome();

    void ShowAbout();
    // Events.
    void CreateEventsPanel();
    void ScanDriveEvents(bool again);
    void CancelEventScan();
    void ShowEventMarks();
    void ShowDriveEvents();
    void FillEventsList();
    void ShowEventScanProgress();
    void PlayDriveMoment(const std::vector<std::string>& drive, int recording, double seconds);
    int PlayingInEventsDrive() const;
    void ChangeBookmarks(std::function<bool()> change, const QString& failure);
    void AddEventsMenu(QMenu& menu);
    void RouteKeys();
    void WithPairPaused(const std::function<void()>& command);
    // Clips.
    // A clip's end: the recording and the seconds into it (its place in the
    // drive may change while the drive is read).
    struct ClipMark {
        QString path;
        double seconds = 0;
    };
    struct ClipRun;
    void CreateClipControls();
    void ShowClipMarks();
    void AddClipMenu(QMenu& menu);
    void ShowEventsListMenu(const QPoint& at);
    bool ShowSeekBarEventMenu(const QPoint& at, const QPoint& global);
    void PlanClip(const std::vector<std::string>& drive, ClipMoment from, ClipMoment to);
    void AskForClip(std::vector<ClipPiece> pieces);
    void StartClip(const ClipRequest& request);
    void ShowClipProgress();
    void FinishClip(const ClipResult& result);
    void StopClipAndWait();
    // Repairs.
    struct RepairRun;
    void CreateRepairControls();
    // True when `node` is damaged: the repair is offered instead of playing it.
    bool OfferRepair(const tagFileNode& node);
    // `reference`: the healthy neighbour found, empty when there is none.
    void AskForRepair(const QString& damaged, const QString& damage, const QString& reference);
    QString ChooseReference(const QString& damaged);
    // Into NAME.repaired.EXT, once its folder is known and replacing a file
    // there has been agreed to.
    void RepairFrom(const QString& damaged, const QString& reference);
    // The folder the repaired recording goes into; empty: cancelled.
    QString RepairFolder(const QString& damaged);
    void StartRepair(const RepairRequest& request);
    void ShowRepairProgress();
    void FinishRepair(const std::string& error, const RepairReport& report);
    void ListAndPlayRepaired(const QString& damaged, const QString& repaired);
    void StopRepairAndWait();

    CMediaPlayer mainPlayer_;
    CMediaPlayer secondPlayer_;
    CRecordingList recordings_;
    CTrackLoader track_;
    QImage skinImage_;
    QImage idleImage_;
    QImage compassNeedle_;
    QImage mphFace_;
    QImage turnedNeedle_;  // the needle as last turned, and for which course
    double turnedNeedleDegrees_ = 0;

    CDlgVideoView* mainView_ = nullptr;
    CDlgVideoView* secondView_ = nullptr;
    QWidget* idlePlaceholder_ = nullptr;   // control 1000
    QLabel* mapPlaceholder_ = nullptr;     // control 1002
    CDlgMap* mapView_ = nullptr;
    CSkinListCtrl* listView_ = nullptr;
    CBitmapSlider* seekBar_ = nullptr;
    CWaveFormCtrl* waveform_ = nullptr;
    QLabel* speedText_ = nullptr;
    QLabel* titleText_ = nullptr;   // the skin's words, in the user's language
    QLabel* volumeText_ = nullptr;
    std::array<QLabel*, 10> volumeBars_{};
    QWidget* compass_ = nullptr;  // drawn by the window; says the heading
    int describedHeading_ = -1;
    std::array<int, 10> volumeBarLit_{};
    std::vector<CPngButton*> buttons_;

    QTimer clock_;        // timer 1, 100 ms
    QTimer needleTimer_;  // timer 2, 1000 ms
    QTimer cardTimer_;    // timer 3, once, 1000 ms after start
    QTimer importTimer_;  // adds the next files of a long import
    std::deque<ImportCandidate> pendingImport_;
    int importTotal_ = 0;
    int importDone_ = 0;
    int importSliceMs_ = 20;  // files are read this long at a time; the window answers in between
    QLabel* importProgress_ = nullptr;
    QLabel* keyHelp_ = nullptr;   // the keys, over the large picture
    QLabel* rateText_ = nullptr;  // the pair's speed while it is not 1x
    int rateIndex_ = 0;
    SpeedDash::SpeedUnit speedUnit_ = SpeedDash::SpeedUnit::Kmh;
    MprisService* mpris_ = nullptr;

    int userStopped_ = 0;
    int currentIndex_ = 0;
    int cycleMode_ = 1;
    bool secondViewShown_ = false;
    int volumeLevel_ = 10;  // the level set with the buttons, kept for every recording
    int lastSpeed_ = 0;
    double lastCourse_ = 180.0;
    bool fullScreenNext_ = true;
    bool companionOpen_ = false;
    QString playingPath_;      // the main recording as opened, to notice it going
    qint64 playingSize_ = 0;
    QPoint dragOffset_;
    bool dragging_ = false;
    MessageHook messageHook_;
    SaveNameHook saveNameHook_;
    ReplaceHook replaceHook_;
    TrackReadHook trackReadHook_;
    FolderHook folderHook_;
    PrinterHook printerHook_;
    PlayerSettings settings_;
    QString captureFolder_;  // where the last snapshot went; the home folder at first
    VolumeSource volumeSource_;
    // The drive on the map: its recordings as shown, and their times and routes.
    std::vector<std::string> drivePaths_;
    std::shared_ptr<SharedDriveRoutes> driveRoutes_ = std::make_shared<SharedDriveRoutes>();
    std::shared_ptr<TrackCache> trackCache_ = std::make_shared<TrackCache>();  // a cut reads no track twice
    bool speedColours_ = false;
    // Which read of a track is the one wanted: a newer opening makes older ones stale.
    int trackTicket_ = 0;
    int driveTicket_ = 0;  // the same for the drive: a newer drive read, an opening or Clear
    bool trackReady_ = false;
    // The drive's events, the drive they were found for, the search under way.
    struct EventScan;
    std::vector<DriveEvent> driveEvents_;
    std::vector<std::string> eventsDrive_;
    std::shared_ptr<EventScan> eventScan_;
    int eventsTicket_ = 0;
    EventSettings eventSettings_;
    CSkinListCtrl* eventsView_ = nullptr;
    QLabel* eventsProgress_ = nullptr;
    bool eventsShown_ = false;
    NoteHook noteHook_;
    std::set<std::string> eventNoticesSaid_;
    std::optional<ClipMark> clipStart_;
    std::optional<ClipMark> clipEnd_;
    std::shared_ptr<ClipRun> clipRun_;  // the clip being made, with its thread
    ClipProgressPanel* clipProgress_ = nullptr;
    ClipDialogHook clipDialogHook_;
    std::shared_ptr<RepairRun> repairRun_;  // the repair under way, with its thread
    bool repairAsked_ = false;               // a repair is being offered: its neighbour sought, its question open
    ClipProgressPanel* repairProgress_ = nullptr;
    QuestionHook repairQuestionHook_;
    OpenNameHook referenceHook_;
    RepairStartHook repairStartHook_;
    TrackReads reads_;  // last: gone first, so no read's result reaches a half-destroyed window
};
