#include "DlgMap.h"

#include "TileSource.h"

#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <unistd.h>

CDlgMap::CDlgMap(QWidget* placeholder) : QWidget(placeholder)
{
    hide();
    view_ = new QWebEngineView(this);
    setAccessibleName(tr("Map"));
    view_->setAccessibleName(tr("Map"));
    // The map's own profile (User-Agent, tile cache), and the tile source
    // handed to the page before its scripts run.
    auto* page = new QWebEnginePage(MapProfile(), view_);
    QWebEngineScript tiles;
    tiles.setName(QStringLiteral("tile-source"));
    tiles.setInjectionPoint(QWebEngineScript::DocumentCreation);
    tiles.setWorldId(QWebEngineScript::MainWorld);
    const TileSource& source = CurrentTileSource();
    tiles.setSourceCode(QStringLiteral("window.dualdashTiles = %1;")
                            .arg(QString::fromUtf8(QJsonDocument(QJsonObject{{"url", source.urlTemplate},
                                                                             {"attribution", source.attribution}})
                                                       .toJson(QJsonDocument::Compact))));
    page->scripts().insert(tiles);
    auto* channel = new QWebChannel(page);
    auto* bridge = new MapPageBridge(channel);
    channel->registerObject(QStringLiteral("dualdash"), bridge);
    page->setWebChannel(channel);
    connect(bridge, &MapPageBridge::seekAsked, this, &CDlgMap::routeClicked);
    view_->setPage(page);
    view_->setAcceptDrops(false);  // a file dropped on the map goes to the window, not the page
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(view_, &QWebEngineView::loadFinished, this, &CDlgMap::OnLoadFinished);
    if (placeholder)
        placeholder->installEventFilter(this);
    view_->setUrl(QUrl(QStringLiteral("qrc:/map/map.html")));
}

void CDlgMap::OnLoadFinished(bool ok)
{
    if (!ok || loaded_)
        return;
    loaded_ = true;
    FitToParent();
    show();
    emit pageReady();
}

void CDlgMap::FitToParent()
{
    if (QWidget* parent = parentWidget())
        setGeometry(parent->rect());
    if (loaded_) {
        Flush();  // calls keep their order
        // fix takes a number: the one page call whose argument is not a text.
        view_->page()->runJavaScript(QStringLiteral("try{fix(%1);}catch(e){}").arg(height()));
    }
}

bool CDlgMap::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        FitToParent();
    return QWidget::eventFilter(watched, event);
}

void CDlgMap::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape belong to the map: they never reach the window to close it.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CDlgMap::Call(const QString& function, const QStringList& arguments)
{
    if (!loaded_)
        return;
    pending_.Add(function, arguments);
    ScheduleFlush();
}

void CDlgMap::ScheduleFlush()
{
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &CDlgMap::Flush);
    }
}

void CDlgMap::Flush()
{
    flushScheduled_ = false;
    if (!pending_.IsEmpty())
        view_->page()->runJavaScript(pending_.Take());
}

void CDlgMap::SetLgtLat(const QString& latitude, const QString& longitude, const QString& speed, bool jump)
{
    QStringList arguments = {latitude, longitude, speed};
    if (jump)
        arguments << QStringLiteral("jump");
    Call(QStringLiteral("SetLgtLat"), arguments);
}

void CDlgMap::newPolyLine()
{
    Call(QStringLiteral("newPolyLine"), {});
}

void CDlgMap::putMarkerToLine(const QString& latitude, const QString& longitude)
{
    if (!loaded_)
        return;
    pending_.AddPair(QStringLiteral("putMarkerToLine"), latitude, longitude);
    ScheduleFlush();
}

void CDlgMap::renderPolyLine()
{
    Call(QStringLiteral("renderPolyLine"), {});
    Flush();
}

void CDlgMap::ShowDrive(const QString& json)
{
    Call(QStringLiteral("ShowDrive"), {json});
}

void CDlgMap::ShowEvents(const QString& json)
{
    Call(QStringLiteral("ShowEvents"), {json});
}

void CDlgMap::ClearDrive()
{
    Call(QStringLiteral("ClearDrive"), {});
}

void CDlgMap::SetSpeedInMph(bool mph)
{
    Call(QStringLiteral("SetSpeedUnit"), {mph ? QStringLiteral("mph") : QStringLiteral("kmh")});
}

void CDlgMap::SetSpeedColours(bool on)
{
    Call(QStringLiteral("SetSpeedColours"), {on ? QStringLiteral("1") : QStringLiteral("0")});
}

void MapPageBridge::seekTo(int recording, int slot)
{
    if (recording >= 0 && slot >= 0)
        emit seekAsked(recording, slot);
}

void PrepareWebEngineEnvironment()
{
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
}
