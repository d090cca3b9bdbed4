#include <gtest/gtest.h>

#include <sys/stat.h>

#include "MediaFixtures.h"
#include "media/AviHeader.h"
#include "media/HeaderBatch.h"
#include "platform/Error.h"

using namespace vt;
using namespace vt::test;

namespace {

struct HeaderCase {
    const char* file;
    std::int32_t width, height;
    const char* error; // nullptr: the read succeeds
};

std::string ReadError(const std::string& path, TAviHeader& h)
{
    try {
        ReadAviHeader(path, h);
    } catch (const PlatformError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(AviHeader, TakesWidthAndHeightFromBytes64To71)
{
    const HeaderCase cases[] = {
        {"vga.avi", 640, 480, nullptr},           // bytes 80 02 00 00 E0 01 00 00
        {"Il Gladiatore.AVI", 720, 576, nullptr}, // from an ffmpeg file of 720 x 576
        {"negative.avi", -1, 480, nullptr},       // FF FF FF FF is signed
        {"short.avi", 0, 0, "Read beyond end of file"},
        {"missing.avi", 0, 0, "File not found"},
    };
    for (const auto& c : cases) {
        TAviHeader h;
        const std::string err = ReadError(MediaData(c.file), h);
        if (c.error) {
            EXPECT_EQ(err, c.error) << c.file;
            continue;
        }
        EXPECT_EQ(err, "") << c.file;
        EXPECT_EQ(h.Width(), c.width) << c.file;
        EXPECT_EQ(h.Height(), c.height) << c.file;
    }
    TAviHeader h;
    ReadAviHeader(MediaData("vga.avi"), h);
    EXPECT_EQ(ResolutionText(h), "640 x 480");
}

TEST(AviHeader, FailingReadsLeaveNoFileOpen)
{
    TempTree t;
    t.Dir("Extra.avi");
    ASSERT_EQ(mkfifo(t.Path("pipe.avi").c_str(), 0644), 0);
    const int before = OpenDescriptors();
    TAviHeader h;
    EXPECT_EQ(ReadError(MediaData("short.avi"), h), "Read beyond end of file");
    // A folder with an .avi name opens but cannot be read.
    EXPECT_EQ(ReadError(t.Path("Extra.avi"), h), SystemErrorText(EISDIR));
    // A FIFO with nobody writing must fail at once rather than hang.
    EXPECT_EQ(ReadError(t.Path("pipe.avi"), h), "Read beyond end of file");
    EXPECT_EQ(ReadError(MediaData("vga.avi"), h), "");
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(AviHeader, BatchReadsGiveWhatSingleReadsGive)
{
    // More files than one round of the ring holds, with every kind of
    // failure among them.
    TempTree t;
    t.Dir("Extra.avi");
    ASSERT_EQ(mkfifo(t.Path("pipe.avi").c_str(), 0644), 0);
    std::vector<std::string> paths;
    for (int i = 0; i < 600; ++i) {
        const std::string p = t.Path(std::to_string(i) + ".avi");
        switch (i % 5) {
        case 0: CopyFixture("vga.avi", p); break;
        case 1: CopyFixture("Il Gladiatore.AVI", p); break;
        case 2: CopyFixture("short.avi", p); break;
        case 3: break; // missing
        default: CopyFixture("negative.avi", p); break;
        }
        paths.push_back(p);
        if (i == 300)
            paths.push_back(t.Path("Extra.avi"));
        if (i == 301)
            paths.push_back(t.Path("pipe.avi"));
    }
    const int before = OpenDescriptors();
    const std::vector<HeaderResult> ring = ReadAviHeaders(paths);
    const std::vector<HeaderResult> single = ReadAviHeaders(paths, false);
    EXPECT_EQ(OpenDescriptors(), before);
    ASSERT_EQ(ring.size(), paths.size());
    ASSERT_EQ(single.size(), paths.size());
    int ok = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(ring[i].ok, single[i].ok) << paths[i];
        if (ring[i].ok && single[i].ok) {
            ++ok;
            EXPECT_EQ(ResolutionText(ring[i].header), ResolutionText(single[i].header)) << paths[i];
        }
    }
    EXPECT_EQ(ok, 360);
    EXPECT_EQ(ResolutionText(ring[1].header), "720 x 576");
}
