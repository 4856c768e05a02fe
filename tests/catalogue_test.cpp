// The event catalogue: what a recording showed is kept for the file as it
// is, a second look reads nothing of the recording, and a damaged or
// foreign catalogue is set aside rather than used.

#include "TestFiles.h"
#include "events/Catalogue.h"
#include "events/RecordingEvents.h"
#include "mkrec_route.h"
#include "mkrec_writers.h"
#include "track/BinaryFile.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

namespace {

class Catalogue : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        SyntheticVideo video;
        video.seconds = 20;
        video.size = "96x72";
        ASSERT_EQ(MakeSyntheticVideo(*dir_ / "v.mov", video), "");
        Incidents incidents;
        incidents.impacts = {5};
        incidents.hardStops = {12};
        RecordingSpec spec;
        spec.videoPath = *dir_ / "v.mov";
        spec.route = MakeDemoRoute(20, incidents);
        spec.start = 1778746500;
        spec.keyDigits = KeyDigitsFor(1);
        ASSERT_EQ(WriteRecorderMov(*dir_ / "A60514081500_0001.MOV", MovLayout::Generic, spec), "");
    }
    static void TearDownTestSuite() { delete dir_; }

    static std::string Recording() { return *dir_ / "A60514081500_0001.MOV"; }
    static TempDir* dir_;
};

TempDir* Catalogue::dir_ = nullptr;

std::vector<std::pair<EventKind, int>> KindsAndSlots(const std::vector<RecordingEvent>& events)
{
    std::vector<std::pair<EventKind, int>> found;
    for (const RecordingEvent& e : events)
        found.emplace_back(e.event.kind, e.event.slot);
    return found;
}

TEST_F(Catalogue, ASecondLookReadsNothingOfTheRecording)
{
    TempDir cache;
    std::vector<RecordingEvent> first;
    {
        EventCatalogue catalogue(cache / "events.sqlite");
        ASSERT_TRUE(catalogue.IsOpen()) << catalogue.Notice();
        first = FindRecordingEvents(Recording(), {}, &catalogue);
    }
    ASSERT_EQ(KindsAndSlots(first).size(), 2u);  // the knock and the stop
    const std::uint64_t before = BinaryFile::BytesReadByAll();
    EventCatalogue again(cache / "events.sqlite");  // as the next session opens it
    const std::vector<RecordingEvent> second = FindRecordingEvents(Recording(), {}, &again);
    EXPECT_EQ(BinaryFile::BytesReadByAll() - before, 0u);
    EXPECT_EQ(KindsAndSlots(second), KindsAndSlots(first));
    EXPECT_EQ(second[0].start, first[0].start);
    EXPECT_EQ(second[1].event.latitude, first[1].event.latitude);
    EXPECT_EQ(second[1].event.strength, first[1].event.strength);
}

TEST_F(Catalogue, WhatIsKeptHoldsForTheFileAsItWasAndTheSettingsItWasFoundWith)
{
    TempDir cache;
    const std::string copy = cache / "A60514081500_0001.MOV";
    std::filesystem::copy_file(Recording(), copy);
    EventCatalogue catalogue(cache / "events.sqlite");
    FindRecordingEvents(copy, {}, &catalogue);
    ASSERT_TRUE(catalogue.Find(copy, {}).has_value());
    EventSettings other;
    other.impactG = 1.5;
    EXPECT_FALSE(catalogue.Find(copy, other).has_value());
    std::filesystem::last_write_time(copy, std::filesystem::last_write_time(copy) + std::chrono::seconds(1));
    EXPECT_FALSE(catalogue.Find(copy, {}).has_value());
    // Found again, it is kept again.
    FindRecordingEvents(copy, {}, &catalogue);
    EXPECT_TRUE(catalogue.Find(copy, {}).has_value());
    EXPECT_FALSE(catalogue.Find(cache / "no-such.MOV", {}).has_value());
}

// A catalogue an earlier version wrote is only a cache: made anew, without
// a word to the user and without a file set aside.
TEST_F(Catalogue, AnEarlierVersionsFileIsMadeAnew)
{
    TempDir cache;
    const std::string path = cache / "events.sqlite";
    {
        EventCatalogue current(path);  // marked as ours
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA user_version=1; CREATE TABLE old(x)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    EventCatalogue catalogue(path);
    EXPECT_TRUE(catalogue.IsOpen());
    EXPECT_EQ(catalogue.Notice(), "");
    for (const auto& entry : std::filesystem::directory_iterator(cache.Path()))
        EXPECT_EQ(entry.path().filename().string().find("set-aside"), std::string::npos) << entry.path();
    EXPECT_EQ(FindRecordingEvents(Recording(), {}, &catalogue).size(), 2u);
    EXPECT_TRUE(catalogue.Find(Recording(), {}).has_value());
}

// Damaged, foreign, or no file at all where the catalogue should be: set
// aside with a notice and made anew, or done without; the events are found
// either way.
TEST_F(Catalogue, ADamagedOrForeignFileIsSetAside)
{
    for (const std::string kind : {"damaged", "foreign"}) {
        TempDir cache;
        const std::string path = cache / "events.sqlite";
        if (kind == "damaged") {
            WriteFile(path, std::string(4096, '\x5a'));
        } else {
            sqlite3* db = nullptr;
            ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
            ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE photos(name TEXT); INSERT INTO photos VALUES('x')", nullptr, nullptr, nullptr),
                      SQLITE_OK);
            sqlite3_close(db);
        }
        const std::string before = ReadFile(path);
        EventCatalogue catalogue(path);
        EXPECT_TRUE(catalogue.IsOpen()) << kind;
        EXPECT_NE(catalogue.Notice().find("set aside as " + path + ".set-aside-"), std::string::npos) << catalogue.Notice();
        int asideFiles = 0;
        for (const auto& entry : std::filesystem::directory_iterator(cache.Path())) {
            if (entry.path().filename().string().rfind("events.sqlite.set-aside-", 0) == 0) {
                ++asideFiles;
                EXPECT_EQ(ReadFile(entry.path().string()), before) << kind;  // kept as it was, for whoever wants it
            }
        }
        EXPECT_EQ(asideFiles, 1) << kind;
        EXPECT_EQ(FindRecordingEvents(Recording(), {}, &catalogue).size(), 2u) << kind;
        EXPECT_TRUE(catalogue.Find(Recording(), {}).has_value()) << kind;
    }
    TempDir cache;
    std::filesystem::create_directories(cache / "events.sqlite");  // a folder in its place
    EventCatalogue none(cache / "events.sqlite");
    EXPECT_FALSE(none.Notice().empty());
    EXPECT_EQ(FindRecordingEvents(Recording(), {}, &none).size(), 2u);
}

}  // namespace
