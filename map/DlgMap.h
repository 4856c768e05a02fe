#pragma once
// The map panel: the map page in a web view over its placeholder, driven by
// calling the page's functions by name.

#include "MapScript.h"

#include <QWidget>

class QWebEngineView;

class CDlgMap : public QWidget {
    Q_OBJECT
public:
    // Fills `placeholder` once the page has loaded; hidden until then.
    explicit CDlgMap(QWidget* placeholder);

    void SetLgtLat(const QString& latitude, const QString& longitude, const QString& speed);
    void newPolyLine();
    void putMarkerToLine(const QString& latitude, const QString& longitude);
    void renderPolyLine();

    bool IsLoaded() const { return loaded_; }
    QWebEngineView* View() const { return view_; }
    // Sends queued calls now; they also go at the next turn of the event loop.
    void Flush();

signals:
    void pageReady();

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
