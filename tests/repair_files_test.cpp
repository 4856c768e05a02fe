// Recordings cut off as a power loss cuts them, written by mkrec and cut at
// chosen bytes: what dashtrack says of them, and what a repair keeps.

#include "DashtrackRun.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

constexpr int kSeconds = 4;

class RepairFiles : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        ASSERT_EQ(Mkrec("route " + Quote(*dir_ / "route.csv") + " --seconds 12"), 0);
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "h264.mov") + " --seconds 4 --size 320x240 --frame-numbers"), 0);
    }
    static void TearDownTestSuite() { delete dir_; }

    static int Mkrec(const std::string& args) { return Execute(std::string(MKREC_PATH) + " " + args).status; }
    static CommandResult Dashtrack(const std::string& args) { return Execute(std::string(DASHTRACK_PATH) + " " + args); }

    // A recording of the route's seconds 2..5 as the camera writes it.
    static std::string Write(const std::string& name, const std::string& args, const std::string& video = "h264.mov")
    {
        const std::string path = *dir_ / name;
        EXPECT_EQ(Mkrec("mov " + Quote(path) + " " + args + " --video " + Quote(*dir_ / video) + " --route " +
                        Quote(*dir_ / "route.csv") + " --from 2 --seconds " + std::to_string(kSeconds)),
                  0)
            << args;
        return path;
    }

    // The first `size` bytes of `path`, as a file of their own.
    static std::string Cut(const std::string& path, std::size_t size, const std::string& name)
    {
        const std::string cut = *dir_ / name;
        WriteFile(cut, ReadFile(path).substr(0, size));
        return cut;
    }

    static std::string DamageLine(const std::string& path)
    {
        const std::string out = Dashtrack("info " + Quote(path)).out;
        const std::size_t at = out.find("damaged: ");
        return at == std::string::npos ? "" : out.substr(at, out.find('\n', at) - at);
    }

    static TempDir* dir_;
};

TempDir* RepairFiles::dir_ = nullptr;

// Where a recording is cut decides what dashtrack info says of it; a whole
// recording, moov first or last, says nothing.
TEST_F(RepairFiles, InfoSaysWhatThePowerLossLeft)
{
    const std::string last = Write("last.mp4", "--layout gpmf --index-last");
    const std::string first = Write("first.mp4", "--layout gpmf");
    const std::string bytes = ReadFile(last);
    const std::size_t moov = bytes.rfind("moov") - 4;
    struct Case {
        std::string path;
        std::size_t size;
        const char* line;
    };
    const Case cases[] = {
        {last, bytes.size(), ""},
        {first, ReadFile(first).size(), ""},
        {last, 40, "damaged: no index"},          // just after mdat's header
        {last, bytes.size() / 2, "damaged: no index"},
        {last, moov, "damaged: no index"},        // mdat whole, nothing after it
        {last, moov + 100, "damaged: index cut short"},
        {last, bytes.size() - 1, "damaged: index cut short"},
        {first, ReadFile(first).size() / 2, "damaged: media past the file's end"},
    };
    for (const Case& c : cases) {
        const std::string cut = Cut(c.path, c.size, "cut.mp4");
        EXPECT_EQ(DamageLine(cut), c.line) << c.path << " cut at " << c.size;
    }
}

// The lines dashtrack info gives a healthy recording stay as they were.
TEST_F(RepairFiles, HealthyRecordingsSayNothingMore)
{
    const std::string path = Write("healthy.mp4", "--layout gpmf");
    const std::string out = Dashtrack("info " + Quote(path)).out;
    EXPECT_EQ(out.find("damaged"), std::string::npos);
    EXPECT_NE(out.find("\nsource: gpmf\n"), std::string::npos) << out;
    EXPECT_EQ(out.substr(out.find("\nsource: ")), "\nsource: gpmf\n");
}

}  // namespace
