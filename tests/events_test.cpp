// Events found in tracks and paths: impacts against the G-sensor's running
// level, hard braking and acceleration from the GPS speed, and the camera's
// own filing of a recording.

#include "events/CameraMarks.h"
#include "events/DriveEvents.h"
#include "events/Impacts.h"
#include "events/RecordingEvents.h"
#include "events/SpeedEvents.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A track of `seconds` at a steady 50 km/h with a fix, the camera level.
TrackSlots Steady(int seconds)
{
    tagAssistInfo slot;
    slot.z = 1.0f;
    slot.latitude = "48.137154";
    slot.longitude = "11.576124";
    slot.speed = 50;
    return TrackSlots(static_cast<std::size_t>(seconds * 10), slot);
}

std::vector<std::pair<EventKind, int>> KindsAndSlots(const std::vector<TrackEvent>& events)
{
    std::vector<std::pair<EventKind, int>> found;
    for (const TrackEvent& e : events)
        found.emplace_back(e.kind, e.slot);
    return found;
}

using Found = std::vector<std::pair<EventKind, int>>;

TEST(Impacts, AJoltIsFoundWhereItBegins)
{
    TrackSlots track = Steady(20);
    for (int i = 100; i < 103; ++i)
        track[i].x = 0.9f;
    const std::vector<TrackEvent> events = DetectTrackEvents(track, {});
    EXPECT_EQ(KindsAndSlots(events), (Found{{EventKind::Impact, 100}}));
    EXPECT_NEAR(events[0].strength, 0.9, 0.01);
    EXPECT_EQ(events[0].speedKmh, 50);
    EXPECT_EQ(events[0].latitude, "48.137154");
}

// The camera's angle, gravity and slow manoeuvres are the level, not a jolt.
TEST(Impacts, TheLevelFollowsTheMountingAndSlowChanges)
{
    TrackSlots track = Steady(60);
    for (std::size_t i = 0; i < track.size(); ++i) {
        track[i].z = 0.8f;   // tilted: gravity split over two axes
        track[i].y = 0.6f;
        track[i].x = static_cast<float>(0.4 * std::sin(i / 40.0));  // a long bend
    }
    EXPECT_TRUE(DetectImpacts(track, {}).empty());
}

TEST(Impacts, WithinTheQuietTimeOnlyTheStrongestCounts)
{
    TrackSlots track = Steady(30);
    track[100].x = 0.7f;
    track[120].x = -1.4f;  // two seconds later, stronger
    track[160].y = 0.8f;   // six seconds after the first: an impact of its own
    EXPECT_EQ(KindsAndSlots(DetectImpacts(track, {})), (Found{{EventKind::Impact, 120}, {EventKind::Impact, 160}}));
}

TEST(Impacts, TheThresholdDecidesAndOffFindsNothing)
{
    TrackSlots track = Steady(20);
    track[100].z = 1.3f;
    EventSettings settings;
    EXPECT_TRUE(DetectImpacts(track, settings).empty());
    settings.impactG = 0.2;
    EXPECT_EQ(DetectImpacts(track, settings).size(), 1u);
    settings.impactG = 0;
    EXPECT_TRUE(DetectImpacts(track, settings).empty());
}

// Slots without G-sensor data (zeros) are a gap, not a jolt to 0 g.
TEST(Impacts, SlotsWithoutDataAreNoJolt)
{
    TrackSlots track = Steady(20);
    for (int i = 0; i < 30; ++i)
        track[static_cast<std::size_t>(i)].z = 0;
    for (int i = 80; i < 90; ++i)
        track[static_cast<std::size_t>(i)].z = 0;
    EXPECT_TRUE(DetectImpacts(track, {}).empty());
}

// A 1 Hz receiver: the speed steps once a second.
void SetSpeeds(TrackSlots& track, const std::vector<int>& perSecond)
{
    for (std::size_t s = 0; s < perSecond.size(); ++s)
        for (std::size_t k = 0; k < 10; ++k)
            track[s * 10 + k].speed = perSecond[s];
}

TEST(SpeedEvents, AHardStopIsOneBrakingEvent)
{
    TrackSlots track = Steady(12);
    SetSpeeds(track, {50, 50, 50, 34, 18, 2, 0, 0, 0, 0, 0, 0});
    const std::vector<TrackEvent> events = DetectSpeedEvents(track, {});
    ASSERT_EQ(KindsAndSlots(events), (Found{{EventKind::HardBraking, 25}}));  // half a second before the first step
    EXPECT_NEAR(events[0].strength, 16 / 3.6 / 9.80665, 0.001);
    EXPECT_EQ(events[0].speedKmh, 50);
}

TEST(SpeedEvents, OrdinaryBrakingAndSpeedingUpAreNoEvent)
{
    TrackSlots track = Steady(14);
    SetSpeeds(track, {50, 41, 32, 23, 14, 5, 0, 0, 6, 12, 18, 24, 30, 36});  // 0.25 g and 0.17 g
    EXPECT_TRUE(DetectSpeedEvents(track, {}).empty());
}

TEST(SpeedEvents, AHardStartIsOneAccelerationEvent)
{
    TrackSlots track = Steady(10);
    SetSpeeds(track, {0, 0, 12, 24, 36, 48, 48, 48, 48, 48});
    EXPECT_EQ(KindsAndSlots(DetectSpeedEvents(track, {})), (Found{{EventKind::HardAcceleration, 15}}));
}

// The speed before a tunnel and after it differ, and without a fix the
// readers give 0: neither makes an event.
TEST(SpeedEvents, AFixLostOrRegainedIsNoEvent)
{
    TrackSlots track = Steady(20);
    SetSpeeds(track, {50, 50, 50, 50, 50, 0, 0, 0, 0, 0, 0, 20, 20, 20, 20, 20, 20, 20, 20, 20});
    for (std::size_t i = 50; i < 110; ++i)
        track[i].latitude.clear();
    EXPECT_TRUE(DetectSpeedEvents(track, {}).empty());
}

TEST(SpeedEvents, ShortTracksGiveNothing)
{
    EXPECT_TRUE(DetectSpeedEvents({}, {}).empty());
    EXPECT_TRUE(DetectSpeedEvents(Steady(1), {}).empty());
    EXPECT_TRUE(DetectImpacts({}, {}).empty());
}

struct MarkCase {
    const char* path;
    bool isProtected;
    CameraMark mark;
};

class CameraMarkTest : public testing::TestWithParam<MarkCase> {};

TEST_P(CameraMarkTest, ReadsTheCamerasFiling)
{
    EXPECT_EQ(CameraMarkOf(GetParam().path, GetParam().isProtected), GetParam().mark) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CameraMarkTest,
    testing::Values(MarkCase{"/card/DCIM/100MEDIA/A60514081500_0001.MOV", false, CameraMark::None},
                    MarkCase{"/card/EVENT/A60514081500_0001.MOV", false, CameraMark::Event},
                    MarkCase{"/card/Event/F/20260514_081500.MP4", false, CameraMark::Event},
                    MarkCase{"/card/DCIM/Movie/RO/2026_0514_081500_001.MP4", false, CameraMark::Event},
                    MarkCase{"/card/Emergency/a.mp4", false, CameraMark::Event},
                    MarkCase{"/card/Protected/a.mp4", false, CameraMark::Event},
                    MarkCase{"/card/LOCK/a.mp4", false, CameraMark::Event},
                    MarkCase{"/card/Record/20260514_081500_EF.mp4", false, CameraMark::Event},
                    MarkCase{"/card/Record/20260514_081500_E.mp4", false, CameraMark::Event},
                    MarkCase{"/card/Record/20260514_081500_NF.mp4", false, CameraMark::None},
                    MarkCase{"/card/Record/20260514_081500_PF.mp4", false, CameraMark::Parking},
                    MarkCase{"/card/PARK/a.mp4", false, CameraMark::Parking},
                    MarkCase{"/card/Parking/a.mp4", false, CameraMark::Parking},
                    MarkCase{"/card/Video/EMER0001.MP4", false, CameraMark::Event},
                    MarkCase{"/card/Video/REC_0001_EVT.MP4", false, CameraMark::Event},
                    MarkCase{"/card/Video/PARK_0001.MP4", false, CameraMark::Parking},
                    MarkCase{"/card/DCIM/100MEDIA/A60514081500_0001.MOV", true, CameraMark::Event},
                    // Words that only look like the marks.
                    MarkCase{"/card/Eventually/a.mp4", false, CameraMark::None},
                    MarkCase{"/card/DCIM/100MEDIA/20260514_081500_007A.MOV", false, CameraMark::None},
                    MarkCase{"/home/ro/drives/TEMPER_0001.MP4", false, CameraMark::None},
                    MarkCase{"/media/EVENT/DCIM/100MEDIA/A60514081500_0001.MOV", false, CameraMark::None}));


// Two recordings: the first filed by the camera (its mark at 0 s) with an
// impact at 30 s, the second with events at 5 s and 40 s.
std::vector<DriveEvent> TwoRecordingsOfEvents()
{
    const auto at = [](int recording, int slot, EventKind kind) {
        DriveEvent e;
        e.recording = recording;
        e.found.event.kind = kind;
        e.found.event.slot = slot;
        return e;
    };
    return {at(0, 0, EventKind::CameraEvent), at(0, 300, EventKind::Impact), at(1, 50, EventKind::HardBraking),
            at(1, 400, EventKind::Bookmark)};
}

struct NeighbourCase {
    DriveMoment now;
    bool forward;
    int expected;  // index in TwoRecordingsOfEvents(), -1 for none
};

class NeighbourEventTest : public testing::TestWithParam<NeighbourCase> {};

TEST_P(NeighbourEventTest, GoesToTheLeadInAfterOrBefore)
{
    const std::vector<DriveEvent> events = TwoRecordingsOfEvents();
    const NeighbourCase& c = GetParam();
    const DriveEvent* found = NeighbourEvent(events, c.now, c.forward);
    const int index = found ? static_cast<int>(found - events.data()) : -1;
    EXPECT_EQ(index, c.expected) << "at " << c.now.recording << "/" << c.now.seconds << (c.forward ? " forward" : " back");
}

INSTANTIATE_TEST_SUITE_P(
    Moments, NeighbourEventTest,
    testing::Values(NeighbourCase{{0, 0}, true, 1},       // the mark at the start is where we are
                    NeighbourCase{{0, 20}, true, 2},      // just jumped to the impact's lead-in: on to the next file
                    NeighbourCase{{0, 55}, true, 2},      // across the file boundary
                    NeighbourCase{{1, 0}, true, 3},       // the braking's lead-in is clamped to the file's start
                    NeighbourCase{{1, 30.2}, true, -1},
                    NeighbourCase{{1, 0}, false, 1},      // back across the boundary
                    NeighbourCase{{1, 1.0}, false, 1},    // just played from the lead-in: the one before it
                    NeighbourCase{{1, 45}, false, 3},
                    NeighbourCase{{0, 19}, false, 0},
                    NeighbourCase{{0, 1}, false, -1}));

}  // namespace
