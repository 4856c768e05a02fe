#pragma once
// The user's bookmarks: moments marked in recordings, with a short note.
// They are the user's own data, kept under $XDG_DATA_HOME/DualDash, and
// known by the recording's content (its size and a hash of its first and
// last 64 KB), not its path: they follow a recording copied from the card
// to a disk.

#include "Event.h"
#include "KeptDatabase.h"

#include <optional>
#include <string>
#include <vector>

struct Bookmark {
    long long id = 0;
    TrackEvent moment;  // kind Bookmark: its slot, the speed and place there, the note
};

// "size:hash" of the recording's bytes as above; empty when it cannot be read.
std::string ContentKey(const std::string& path);

class BookmarkStore {
public:
    // Opens (or makes) the store at `path`; damaged or foreign, it is set
    // aside (`Notice()` says so) and a new one made.
    explicit BookmarkStore(const std::string& path);

    // $XDG_DATA_HOME/DualDash/bookmarks.sqlite.
    static std::string DefaultPath();

    bool IsOpen() const { return db_.Db() != nullptr; }
    const std::string& Notice() const { return db_.Notice(); }

    // The new bookmark's id; nothing when the recording cannot be read or
    // the store not written.
    std::optional<long long> Add(const std::string& recording, const TrackEvent& moment);
    bool Remove(long long id);
    // The recording's bookmarks, in time order.
    std::vector<Bookmark> Of(const std::string& recording);

private:
    KeptDatabase db_;
};
