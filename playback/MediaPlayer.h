#pragma once
// One recording played into one window through libmpv: open, play, pause,
// stop, seek, rate, volume, full screen, the end of the stream posted to a
// window, and the current frame as a picture or a JPEG file.

#include <QEvent>
#include <QImage>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <atomic>
#include <deque>
#include <memory>

#include "FrameRenderer.h"

struct mpv_handle;


enum PlayState { Stopped = 0, Paused = 1, Running = 2, Closed = 3 };

// A recording is open and shows a picture: it can seek and step.
inline bool IsOpen(PlayState s)
{
    return s == Paused || s == Running;
}

// Posted to the notification window whenever player events are queued; the
// event does not say which player posted it.
inline constexpr QEvent::Type WM_GRAPHNOTIFY = static_cast<QEvent::Type>(QEvent::User + 13);

// Results, as the rest of the program reads them: 0 is success.
using HRESULT = long;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003L);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005L);

class CFullScreenWindow;

// Level 0..10 from an attenuation in hundredths of a decibel (0 is full volume).
inline int VolumeLevelFromHundredths(int hundredths)
{
    return 10 - (hundredths / 300 < 0 ? -(hundredths / 300) : hundredths / 300);
}

class CMediaPlayer : public QObject {
    Q_OBJECT
public:
    CMediaPlayer();
    ~CMediaPlayer() override;

    HRESULT OpenFile(const QString& path, QWidget* videoWindow, QWidget* notifyWindow);
    HRESULT AttachVideoWindow(QWidget* videoWindow);
    HRESULT InitVideoWindow(int, int);
    void SetFullScreen(bool on);
    HRESULT HandleGraphEvent();
    void TogglePlayPause();
    void Pause();
    // One frame forward or back, left paused there.
    void StepFrame(bool forward);
    void SetMuted(bool muted);
    bool IsMuted() const { return muted_; }
    void StopClip();
    void CloseClip();
    PlayState GetState() const { return state_; }
    double GetPosition() const;
    HRESULT SetPosition(double seconds);
    double GetDuration() const;
    HRESULT SetRate(int index);
    double GetRate() const { return rate_; }
    // Plays a little faster or slower than the rate (factor near 1), to
    // close a small gap to another player without a seek.
    void NudgeSpeed(double factor);
    double SpeedNudge() const { return nudge_; }
    // A seek was asked for and has not landed yet.
    bool SeekPending() const { return pendingSeek_ >= 0; }
    // Where libmpv itself stands once it is not seeking, whether or not the
    // end of its seek has been read yet; -1 while it seeks or has no file.
    double EngineLandedAt() const;
    // Seeks asked for since the file was opened.
    int SeeksAsked() const { return seeksAsked_; }
    int GetVolumeLevel() const;
    void SetVolumeLevel(int level);

    // The current frame at the video's own size, as a JPEG file: 1 written, 0 not.
    int CaptureImage(const QString& path);
    // The current frame as a picture at the video's own size (null when none).
    QImage GetCurrentImage() const;
    // The current frame as a packed bitmap: a 40-byte BITMAPINFOHEADER, then
    // bottom-up rows of 32-bit pixels (blue, green, red, unused).
    int GetImageSize() const;
    bool GetCurrentImage(unsigned char* buffer, int size) const;

    // The next recording opened on a standby engine of its own and left on
    // its first frame, so that opening it later shows it at once: no black
    // picture, no wait. Preparing another file replaces it.
    void PrepareNext(const QString& path);
    bool PreparedReady(const QString& path) const { return path == standbyFile_ && StandbyReady(); }
    void DropPrepared();

    QWidget* VideoWindow() const { return videoWindow_; }
    QRect VideoRect() const { return videoRect_; }
    QString FileName() const { return fileName_; }
    // Frames painted since the file was opened.
    long FramesShown() const { return framesShown_; }

signals:
    // A new picture of `file` has been drawn for the window.
    void frameShown(const QString& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct StandbyProgress {
        bool loaded = false, pictureKnown = false, restarted = false, failed = false;
    };

    void EnsureHandle();
    void CreateEngine(mpv_handle*& mpv, std::unique_ptr<FrameRenderer>& renderer);
    static void DestroyEngine(mpv_handle*& mpv, std::unique_ptr<FrameRenderer>& renderer);
    static void QueueOnce(CMediaPlayer* self, std::atomic<bool>& queued, void (*work)(CMediaPlayer*));
    void ConnectEngines();
    // `wait` false: queued, without waiting for libmpv to carry it out.
    static void RunCommand(mpv_handle* mpv, std::initializer_list<const char*> args, bool wait = true);
    void StartFresh();
    void ShowIn(QWidget* videoWindow);
    void WatchForLastFrame();
    void ArmEnd(double seconds);
    void DisarmEnd();
    double TakeoverLead() const;
    void LearnTakeover();
    void ApplyVolume();
    void StandReady();
    bool StandbyReady() const;
    HRESULT OpenPrepared(QWidget* videoWindow, QWidget* notifyWindow);
    void DrainStandby();
    void DrainEvents();
    QSize TargetSize() const;
    void DrawNow();
    void TakeNewFrame();
    void ShowNewFrame(bool fromEngine);
    void PaintVideo(QWidget* window, const QRect& target);
    void Diagnose(const char* text, HRESULT hr) const;
    bool WaitForOpen();
    void Command(std::initializer_list<const char*> args) const;
    void SetFlag(const char* name, bool value) const;
    bool HasTrack(const char* type) const;
    void SeekExact(double seconds);
    void SendSeek();
    void SeekLanded();
    void FromEarlierKeyFrame(bool on);
    void NotifyEnd();
    QWidget* RenderTarget() const;

    mpv_handle* mpv_ = nullptr;
    std::unique_ptr<FrameRenderer> renderer_;
    QPointer<QWidget> videoWindow_;   // the view that shows the video (ghApp)
    QPointer<QWidget> notifyWindow_;
    std::unique_ptr<CFullScreenWindow> fullScreen_;
    QString fileName_;
    PlayState state_ = Closed;
    double rate_ = 1.0;
    double nudge_ = 1.0;
    int seeksAsked_ = 0;
    bool muted_ = false;
    int volumeHundredths_ = 0;        // attenuation, hundredths of a decibel
    QSize videoSize_;
    QRect videoRect_;                 // in the video window
    FrameBuffer frame_;               // the latest frame, at the target size
    bool opened_ = false;             // a file is open: the controls act
    bool eofReached_ = false;
    double pendingSeek_ = -1;         // the position of a seek not yet done
    std::uint64_t seekReply_ = 0;     // the latest seek's reply number
    bool seekTaken_ = false;          // libmpv has taken the latest seek
    bool fromEarlierKeyFrame_ = false; // the seek is being made again from an earlier key frame
    double frameSeconds_ = 0;         // one frame's time; 0 when unknown
    double endsAt_ = 0;               // the open file's length
    double lastFrameFrom_ = -1;       // the position its last frame shows from; -1 when unknown
    int endWatch_ = 0;                // the latest watch for the last frame's end
    bool endArmed_ = false;           // that watch will post the end
    QElapsedTimer sinceFrameShown_;   // the latest picture's time on screen
    QElapsedTimer sinceEndPosted_;    // the last end of a recording
    bool timingTakeover_ = false;     // a prepared recording took over: its first paint is timed
    double takeoverSeconds_ = 0;      // from the end posted to the next picture painted, smoothed
    std::deque<int> events_;          // queued player events
    long framesShown_ = 0;
    std::atomic<bool> drainQueued_{false};   // set from libmpv's threads
    std::atomic<bool> frameQueued_{false};
    // The next recording, prepared on an engine of its own.
    mpv_handle* standbyMpv_ = nullptr;
    std::unique_ptr<FrameRenderer> standbyRenderer_;
    QString standbyFile_;
    StandbyProgress standby_;
    std::atomic<bool> standbyDrainQueued_{false};

    friend class CFullScreenWindow;
};
