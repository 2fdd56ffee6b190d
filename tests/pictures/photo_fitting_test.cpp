// A photo in its frame: 4 units inside the frame, centred when smaller, its centre when larger.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pictures/photo_fitting.hpp"

namespace vl::test {
namespace {

TEST(PhotoFitting, CentresSmallPhotosAndCropsLargeOnesToTheirCentre) {
  // Frame 108 x 138 at (10, 20): inner area 100 x 130 at (14, 24).
  const PixelRect frame{10, 20, 108, 138};
  struct Case {
    std::string name;
    int width, height;
    PixelRect source, target;
  };
  const std::vector<Case> cases = {
      {"exactly the inner size: pixel for pixel", 100, 130, {0, 0, 100, 130}, {14, 24, 100, 130}},
      {"smaller: whole and centred", 50, 60, {0, 0, 50, 60}, {39, 59, 50, 60}},
      {"one pixel wider: central columns", 101, 130, {0, 0, 100, 130}, {14, 24, 100, 130}},
      {"two pixels wider: central columns", 102, 130, {1, 0, 100, 130}, {14, 24, 100, 130}},
      {"wider, lower: central columns, centred vertically", 200, 60, {50, 0, 100, 60}, {14, 59, 100, 60}},
      {"narrower, taller: central rows, centred horizontally", 50, 300, {0, 85, 50, 130}, {39, 24, 50, 130}},
      {"both larger: the central part", 300, 331, {100, 100, 100, 130}, {14, 24, 100, 130}},
      {"odd space left: rounded towards the top left", 99, 129, {0, 0, 99, 129}, {14, 24, 99, 129}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PhotoPlacement placed = FitPhoto(c.width, c.height, frame);
    EXPECT_EQ(placed.source, c.source);
    EXPECT_EQ(placed.target, c.target);
  }
  // A frame of 8 or less has no inner area: nothing is drawn.
  const PhotoPlacement none = FitPhoto(20, 20, {0, 0, 8, 6});
  EXPECT_EQ(none.target.width, 0);
  EXPECT_EQ(none.target.height, 0);
}

}  // namespace
}  // namespace vl::test
