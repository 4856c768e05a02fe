// The user's bookmarks: kept across sessions, known by the recording's
// content so that they follow a copy of it, listed among its events.

#include "TestFiles.h"
#include "events/Bookmarks.h"
#include "events/RecordingEvents.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Bytes that differ at every place, so that any change shows in the key.
std::string Recording(std::size_t size, unsigned seed = 1)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(seed >> 24);
    }
    return bytes;
}

TrackEvent Moment(int slot, const std::string& note)
{
    TrackEvent moment;
    moment.kind = EventKind::Bookmark;
    moment.slot = slot;
    moment.speedKmh = 42;
    moment.latitude = "48.137154";
    moment.longitude = "11.576124";
    moment.note = note;
    return moment;
}

TEST(Bookmarks, KeptAcrossSessionsAndFollowingACopy)
{
    TempDir dir;
    const std::string card = dir / "card/A0001.MOV", disk = dir / "disk/saved/crash.MOV", other = dir / "card/A0002.MOV";
    WriteFile(card, Recording(300000));
    WriteFile(other, Recording(300000, 2));
    long long first = 0;
    {
        BookmarkStore store(dir / "data/bookmarks.sqlite");
        ASSERT_TRUE(store.IsOpen()) << store.Notice();
        first = store.Add(card, Moment(125, "the lorry pulls out")).value_or(0);
        ASSERT_GT(first, 0);
        ASSERT_TRUE(store.Add(card, Moment(40, "")).has_value());
    }
    std::filesystem::create_directories(dir / "disk/saved");
    std::filesystem::copy_file(card, disk);
    BookmarkStore store(dir / "data/bookmarks.sqlite");  // the next session
    for (const std::string& path : {card, disk}) {
        const std::vector<Bookmark> marks = store.Of(path);
        ASSERT_EQ(marks.size(), 2u) << path;
        EXPECT_EQ(marks[0].moment.slot, 40);  // in time order
        EXPECT_EQ(marks[1].moment.slot, 125);
        EXPECT_EQ(marks[1].moment.note, "the lorry pulls out");
        EXPECT_EQ(marks[1].moment.speedKmh, 42);
        EXPECT_EQ(marks[1].moment.latitude, "48.137154");
        EXPECT_EQ(marks[1].moment.kind, EventKind::Bookmark);
    }
    EXPECT_TRUE(store.Of(other).empty());
    EXPECT_TRUE(store.Remove(first));
    EXPECT_FALSE(store.Remove(first));  // gone already
    EXPECT_EQ(store.Of(disk).size(), 1u);
    EXPECT_FALSE(store.Add(dir / "card/missing.MOV", Moment(1, "")).has_value());
}

// Listed among the recording's events, in time order.
TEST(Bookmarks, ListedAmongTheEvents)
{
    TempDir dir;
    const std::string recording = dir / "A0001.MOV";
    WriteFile(recording, Recording(1000));
    BookmarkStore store(dir / "bookmarks.sqlite");
    ASSERT_TRUE(store.Add(recording, Moment(30, "here")).has_value());
    const std::vector<RecordingEvent> events = FindRecordingEvents(recording, {}, nullptr, &store);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].event.kind, EventKind::Bookmark);
    EXPECT_EQ(events[0].event.note, "here");
    EXPECT_EQ(events[0].event.Seconds(), 3.0);
}

// The key reads the first and last 64 KB and the size: a change there, or
// a different length, is another recording; the path is not part of it.
TEST(Bookmarks, TheContentKey)
{
    TempDir dir;
    const std::string bytes = Recording(200000);
    WriteFile(dir / "a.MOV", bytes);
    WriteFile(dir / "elsewhere/b.MOV", bytes);
    const std::string key = ContentKey(dir / "a.MOV");
    ASSERT_FALSE(key.empty());
    EXPECT_EQ(ContentKey(dir / "elsewhere/b.MOV"), key);
    for (const std::size_t at : {std::size_t(10), bytes.size() - 10}) {
        std::string changed = bytes;
        changed[at] ^= 1;
        WriteFile(dir / "changed.MOV", changed);
        EXPECT_NE(ContentKey(dir / "changed.MOV"), key) << at;
    }
    WriteFile(dir / "longer.MOV", bytes + "x");
    EXPECT_NE(ContentKey(dir / "longer.MOV"), key);
    WriteFile(dir / "small.MOV", "abc");
    WriteFile(dir / "empty.MOV", "");
    EXPECT_FALSE(ContentKey(dir / "small.MOV").empty());
    EXPECT_NE(ContentKey(dir / "small.MOV"), ContentKey(dir / "empty.MOV"));
    EXPECT_EQ(ContentKey(dir / "missing.MOV"), "");
}

TEST(Bookmarks, ADamagedStoreIsSetAsideNotLost)
{
    TempDir dir;
    const std::string path = dir / "bookmarks.sqlite";
    WriteFile(path, std::string(2048, '\x01'));
    BookmarkStore store(path);
    EXPECT_TRUE(store.IsOpen());
    EXPECT_NE(store.Notice().find("The bookmark store was set aside as " + path + ".set-aside-"), std::string::npos) << store.Notice();
}

}  // namespace
