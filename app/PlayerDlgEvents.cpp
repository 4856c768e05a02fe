// The drive's events: found in the background, marked on the seek bar, the
// waveform and the map, listed beside the pictures, and the keys that go from
// one to the next and set the user's bookmarks.

#include "PlayerDlg.h"

#include "events/Bookmarks.h"
#include "events/Catalogue.h"
#include "events/SlotFacts.h"
#include "map/DlgMap.h"
#include "skin/BitmapSlider.h"
#include "skin/SkinListCtrl.h"
#include "widgets/EventColours.h"
#include "widgets/WaveFormCtrl.h"

#include <QDateTime>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMenu>
#include <atomic>
#include <cmath>

// A search through a drive's recordings: how far it has come, and whether a
// newer drive, Clear or closing has made it pointless.
struct CPlayerDlg::EventScan {
    std::vector<std::string> drive;
    std::atomic<int> done{0};
    int total = 0;
    std::atomic<bool> cancelled{false};
};

namespace {

constexpr int kLongestNote = 200;  // characters; a note, not a report
constexpr double kThresholdChoices[] = {0.1, 0.2, 0.3, 0.5, 0.75, 1.0, 1.5, 2.0};
constexpr int kSlotsPerSeekStep = 2;  // the seek bar moves in 0.2 s steps

struct FoundEvents {
    std::vector<DriveEvent> events;
    std::string notice;  // a catalogue or store set aside, or not to be opened
};

QString EventTime(const DriveEvent& e)
{
    if (!e.found.timed)
        return ClockText(static_cast<int>(e.found.event.Seconds()));
    const auto utc = static_cast<qint64>(std::floor(e.found.Utc()));
    return QDateTime::fromSecsSinceEpoch(utc).toString("HH:mm:ss");
}

QString EventSpeed(const TrackEvent& e, SpeedDash::SpeedUnit unit)
{
    if (e.latitude.empty())
        return {};
    return SpeedDash::SpeedText(e.speedKmh, unit);
}

}  // namespace

void CPlayerDlg::CreateEventsPanel()
{
    eventsView_->Init();
    const QStringList headers = {tr("Time"), tr("Event"), tr("g"), tr("Speed"), tr("Note")};
    eventsView_->setHeaderLabels(headers);
    // Each column as wide as its widest text, its title's included; the notes take what is left.
    const QStringList widest[] = {{"00:00:00"}, EventKindTitles(), {"0.00"}, {"000Km/H"}};
    for (int column = 0; column < 4; ++column) {
        int width = CSkinHeaderCtrl::TitleWidth(headers[column]);
        for (const QString& text : widest[column])
            width = std::max(width, eventsView_->TextWidthWithMargins(text) + 2);
        eventsView_->setColumnWidth(column, width);
    }
    eventsView_->hide();
    eventSettings_.impactG = settings_.ImpactThreshold(EventSettings{}.impactG);
    connect(eventsView_, &CSkinListCtrl::rowDoubleClicked, this, &CPlayerDlg::PlayEvent);
}

int CPlayerDlg::PlayingInEventsDrive() const
{
    const auto at = std::find(eventsDrive_.begin(), eventsDrive_.end(), playingPath_.toStdString());
    return at == eventsDrive_.end() ? -1 : static_cast<int>(at - eventsDrive_.begin());
}

// The drive's recordings are looked through on a thread of their own; the
// catalogue answers for those seen before. A drive already looked through
// is only marked again for the recording now playing.
void CPlayerDlg::ScanDriveEvents(bool again)
{
    const std::vector<std::string> drive = CurrentDrive();
    if (!again && eventScan_ && eventScan_->drive == drive) {
        ShowEventMarks();  // the search under way marks the rest when done
        return;
    }
    if (!again && drive == eventsDrive_ && !eventScan_) {
        ShowEventMarks();
        emit eventsShown();
        return;
    }
    CancelEventScan();
    auto scan = std::make_shared<EventScan>();
    scan->drive = drive;
    scan->total = static_cast<int>(drive.size());
    eventScan_ = scan;
    const int ticket = ++eventsTicket_;
    reads_.Read<FoundEvents>(
        [drive, settings = eventSettings_, scan] {
            EventCatalogue catalogue(EventCatalogue::DefaultPath());
            BookmarkStore bookmarks(BookmarkStore::DefaultPath());
            FoundEvents found;
            found.events = FindDriveEvents(drive, settings, &catalogue, &bookmarks, [&scan](int done) {
                scan->done = done;
                return !scan->cancelled;
            });
            found.notice = !catalogue.Notice().empty() ? catalogue.Notice() : bookmarks.Notice();
            return found;
        },
        [this, ticket, drive](FoundEvents found) {
            if (ticket != eventsTicket_)
                return;  // another drive, another threshold or Clear since
            eventScan_.reset();
            eventsProgress_->hide();
            driveEvents_ = std::move(found.events);
            eventsDrive_ = drive;
            ShowDriveEvents();
            // Said once: a catalogue that cannot be opened stays so for every drive.
            if (!found.notice.empty() && eventNoticesSaid_.insert(found.notice).second)
                ShowMessage(QString::fromStdString(found.notice), false);
            emit eventsShown();
        });
}

void CPlayerDlg::CancelEventScan()
{
    ++eventsTicket_;
    if (eventScan_)
        eventScan_->cancelled = true;
    eventScan_.reset();
    eventsProgress_->hide();
}

// Called with the clock: a search of more than a few recordings says how far it is.
void CPlayerDlg::ShowEventScanProgress()
{
    if (!eventScan_ || !eventsShown_ || !eventsView_->isVisible() || eventScan_->total < 2)
        return;
    eventsProgress_->setText(tr("Looking for events: %1 of %2").arg(eventScan_->done.load()).arg(eventScan_->total));
    eventsProgress_->show();
    eventsProgress_->raise();
}

// The marks of the recording playing; the rest of the drive's show on the map and in the list.
void CPlayerDlg::ShowEventMarks()
{
    const int playing = PlayingInEventsDrive();
    std::vector<TimeMark> seekMarks, waveMarks;
    for (const DriveEvent& e : driveEvents_) {
        if (e.recording != playing)
            continue;
        const QColor colour = EventColour(e.found.event.kind);
        seekMarks.push_back({e.found.event.slot / kSlotsPerSeekStep, colour});
        waveMarks.push_back({e.found.event.slot, colour});
    }
    seekBar_->SetMarks(std::move(seekMarks));
    waveform_->SetMarks(std::move(waveMarks));
}

// What changes only with the drive's events, not with the recording playing.
void CPlayerDlg::ShowDriveEvents()
{
    ShowEventMarks();
    FillEventsList();
    if (!mapView_)
        return;
    QJsonArray dots;
    for (const DriveEvent& e : driveEvents_) {
        const TrackEvent& event = e.found.event;
        if (event.latitude.empty())
            continue;
        const int leadIn = static_cast<int>(std::lround(e.LeadIn() * 10));
        dots.append(QJsonArray{QString::fromStdString(event.latitude), QString::fromStdString(event.longitude),
                               EventColour(event.kind).name(), EventKindTitle(event.kind), e.recording, leadIn});
    }
    mapView_->ShowEvents(QString::fromUtf8(QJsonDocument(dots).toJson(QJsonDocument::Compact)));
}

void CPlayerDlg::FillEventsList()
{
    const int chosen = eventsView_->SelectedRow();
    eventsView_->clear();
    for (const DriveEvent& e : driveEvents_) {
        const TrackEvent& event = e.found.event;
        const bool hasStrength = event.kind == EventKind::Impact || event.kind == EventKind::HardBraking ||
                                 event.kind == EventKind::HardAcceleration;
        auto* item = new QTreeWidgetItem({EventTime(e), EventKindTitle(event.kind),
                                          hasStrength ? QString::number(event.strength, 'f', 2) : QString(),
                                          EventSpeed(event, speedUnit_), QString::fromStdString(event.note)});
        item->setForeground(1, EventColour(event.kind));
        item->setToolTip(0, tr("%1, %2 in").arg(QString::fromStdString(e.found.path), ClockText(static_cast<int>(event.Seconds()))));
        item->setSizeHint(0, QSize(0, eventsView_->fontMetrics().height() + 3));
        eventsView_->addTopLevelItem(item);
    }
    if (chosen >= 0 && chosen < eventsView_->RowCount())
        eventsView_->SelectRow(chosen);
}

void CPlayerDlg::ShowEventsList(bool show)
{
    eventsShown_ = show;
    ShowSecondView(false);  // the list asked for takes the rear picture's place, as the List button does
    (show ? static_cast<QWidget*>(eventsView_) : listView_)->setFocus();
    if (!show)
        eventsProgress_->hide();
}

void CPlayerDlg::PlayDriveMoment(const std::vector<std::string>& drive, int recording, double seconds)
{
    if (recording < 0 || static_cast<std::size_t>(recording) >= drive.size())
        return;
    const QString path = QString::fromStdString(drive[static_cast<std::size_t>(recording)]);
    if (path != playingPath_) {
        const int index = recordings_.IndexOf(path.toStdString());
        if (index < 0)
            return;  // it has left the list
        currentIndex_ = index;
        PlayFile(0);
        if (playingPath_ != path)
            return;  // it did not open; PlayFile has said why
    }
    SeekPairTo(seconds);
}

void CPlayerDlg::PlayEvent(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= driveEvents_.size())
        return;
    const DriveEvent e = driveEvents_[static_cast<std::size_t>(row)];
    PlayDriveMoment(eventsDrive_, e.recording, e.LeadIn());
}

void CPlayerDlg::JumpToEvent(bool forward)
{
    const int playing = PlayingInEventsDrive();
    if (playing < 0 || !IsOpen(mainPlayer_.GetState()))
        return;
    const DriveEvent* next = NeighbourEvent(driveEvents_, {playing, mainPlayer_.GetPosition()}, forward);
    if (!next)
        return;
    const int row = static_cast<int>(next - driveEvents_.data());
    eventsView_->SelectRow(row);
    PlayEvent(row);
}

// The store is written on a thread of its own (the hash reads the recording,
// which may be on a slow card); the events are then looked for again.
void CPlayerDlg::ChangeBookmarks(std::function<bool()> change, const QString& failure)
{
    reads_.Read<bool>(std::move(change), [this, failure](bool done) {
        if (!done)
            ShowMessage(failure, true);
        ScanDriveEvents(true);
    });
}

void CPlayerDlg::AddBookmark(bool askNote)
{
    if (!IsOpen(mainPlayer_.GetState()) || playingPath_.isEmpty())
        return;
    const int slot = static_cast<int>(std::lround(mainPlayer_.GetPosition() * 10));
    TrackEvent moment;
    if (slot >= 0 && static_cast<std::size_t>(slot) < track_.Slots().size())
        moment = EventAt(EventKind::Bookmark, track_.Slots(), slot, 0);
    moment.kind = EventKind::Bookmark;
    moment.slot = std::max(0, slot);
    if (askNote) {
        std::optional<QString> note;
        if (noteHook_) {
            note = noteHook_();
        } else {
            bool ok = false;
            const QString text = QInputDialog::getText(this, tr("Bookmark"), tr("A note for this moment:"), QLineEdit::Normal, {}, &ok);
            if (ok)
                note = text;
        }
        if (!note)
            return;
        moment.note = note->trimmed().left(kLongestNote).toStdString();
    }
    ChangeBookmarks(
        [recording = playingPath_.toStdString(), moment] {
            return BookmarkStore(BookmarkStore::DefaultPath()).Add(recording, moment).has_value();
        },
        tr("The bookmark could not be kept."));
}

void CPlayerDlg::RemoveChosenBookmark()
{
    const int row = eventsView_->SelectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= driveEvents_.size())
        return;
    const long long id = driveEvents_[static_cast<std::size_t>(row)].found.bookmark;
    if (id == 0)
        return;  // only the user's own marks can go
    ChangeBookmarks([id] { return BookmarkStore(BookmarkStore::DefaultPath()).Remove(id); },
                    tr("The bookmark could not be removed."));
}

void CPlayerDlg::SetImpactThreshold(double g)
{
    eventSettings_.impactG = g <= 0 ? 0 : std::clamp(g, kLowestImpactG, kHighestImpactG);
    settings_.SetImpactThreshold(eventSettings_.impactG);
    if (!playingPath_.isEmpty())
        ScanDriveEvents(true);
}

void CPlayerDlg::AddEventsMenu(QMenu& menu)
{
    QMenu* thresholds = menu.addMenu(tr("Impact threshold"));
    const auto add = [&](const QString& text, double g) {
        QAction* action = thresholds->addAction(text, this, [this, g] { SetImpactThreshold(g); });
        action->setCheckable(true);
        action->setChecked(std::fabs(eventSettings_.impactG - g) < 1e-6);
    };
    for (double g : kThresholdChoices)
        add(tr("%1 g").arg(g), g);
    add(tr("Off"), 0);
    QAction* list = menu.addAction(tr("Events list"), this, [this](bool on) { ShowEventsList(on); });
    list->setCheckable(true);
    list->setChecked(eventsShown_);
}
