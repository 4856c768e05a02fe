#pragma once
// What was found in each recording, kept in SQLite so that a card opened
// again lists its events without reading a track: per recording (known by
// its path, and its own and its folder's size and modification time, as the
// track cache knows it) its start, length, distance and the
// events its track showed. Two programs may use one catalogue at once
// (SQLite's locking). A damaged or foreign file is set aside, not used.

#include "Event.h"
#include "KeptDatabase.h"
#include "library/Drives.h"

#include <optional>
#include <string>
#include <vector>


struct CataloguedRecording {
    RecordingSpan span;
    std::vector<TrackEvent> events;  // the track's, found with the settings asked for
};

class EventCatalogue {
public:
    // Opens (or makes) the catalogue at `path`, its folder made if missing.
    // A file that is not a catalogue of ours is renamed aside and a new one
    // made; `Notice()` then says so.
    explicit EventCatalogue(const std::string& path);
    ~EventCatalogue();
    EventCatalogue(const EventCatalogue&) = delete;
    EventCatalogue& operator=(const EventCatalogue&) = delete;

    // Where the user's catalogue lives: $XDG_CACHE_HOME/DualDash/events.sqlite.
    static std::string DefaultPath();

    bool IsOpen() const { return db_.Db() != nullptr; }
    // Empty, or one line for the user: the catalogue was set aside, or could
    // not be opened at all (the events are then found without it).
    const std::string& Notice() const { return db_.Notice(); }

    // What is kept for `path` as it is now on disk (the recording and its
    // folder the same size and time) and found with `settings`; nothing when
    // it changed or was never kept.
    std::optional<CataloguedRecording> Find(const std::string& path, const EventSettings& settings);
    // Kept in memory and written with others, a hundred at a time, by
    // Flush() and when the catalogue closes: the file is locked only while
    // it is written, never while a track is read.
    void Keep(const std::string& path, const EventSettings& settings, const CataloguedRecording& recording);
    void Flush();

private:
    struct Pending {
        std::string path, settings, stamp;
        CataloguedRecording recording;
    };
    bool Write(const Pending& pending);

    KeptDatabase db_;
    std::vector<Pending> pending_;
};
