#pragma once
// The map panel: the map page in a web view over its placeholder, driven by
// calling the page's functions by name.

#include "MapScript.h"

#include <QWidget>

class QWebEngineView;

// What the page may ask of the window, through Qt's web channel.
class MapPageBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE void seekTo(int recording, int slot);

signals:
    void seekAsked(int recording, int slot);
};

class CDlgMap : public QWidget {
    Q_OBJECT
public:
    // Fills `placeholder` once the page has loaded; hidden until then.
    explicit CDlgMap(QWidget* placeholder);

    // `jump`: the map moves at once instead of gliding (a seek, not playing).
    void SetLgtLat(const QString& latitude, const QString& longitude, const QString& speed, bool jump = false);
    void newPolyLine();
    void putMarkerToLine(const QString& latitude, const QString& longitude);
    void renderPolyLine();
    // The drive around the current recording, as the page's ShowDrive takes it:
    // {"current": k, "recordings": [[[lat, lng, km/h, slot], ...], ...]}.
    void ShowDrive(const QString& json);
    void ClearDrive();
    // The drive's events as dots, as the page's ShowEvents takes them:
    // [[lat, lng, "#rrggbb", title, recording, slot], ...]; a click on one
    // seeks like a click on the route.
    void ShowEvents(const QString& json);
    void SetSpeedColours(bool on);
    // The speed bands and their legend in mph instead of km/h.
    void SetSpeedInMph(bool mph);

    bool IsLoaded() const { return loaded_; }
    QWebEngineView* View() const { return view_; }
    // Sends queued calls now; they also go at the next turn of the event loop.
    void Flush();

signals:
    void pageReady();
    // A click on the drive's route: the recording (its index in the drive
    // last shown) and the slot nearest the click.
    void routeClicked(int recording, int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnLoadFinished(bool ok);
    void FitToParent();
    void Call(const QString& function, const QStringList& arguments);
    void ScheduleFlush();

    QWebEngineView* view_ = nullptr;
    bool loaded_ = false;
    bool flushScheduled_ = false;
    MapCallQueue pending_;
};

// QtWebEngine refuses to run as root with its sandbox; a window with a web
// view is composited through OpenGL, which costs a core per video frame
// without a GPU. Call before the application object exists.
void PrepareWebEngineEnvironment();
