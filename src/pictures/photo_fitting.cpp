#include "pictures/photo_fitting.hpp"

#include <algorithm>

namespace vl {
namespace {

struct Span {
  int sourceStart, targetStart, length;
};

// Along one axis: the whole photo centred in the space, or the space's length taken from the
// photo's centre.
Span FitAxis(int photoLength, int spaceStart, int spaceLength) {
  if (photoLength <= spaceLength) return {0, spaceStart + (spaceLength - photoLength) / 2, photoLength};
  return {(photoLength - spaceLength) / 2, spaceStart, spaceLength};
}

}  // namespace

PhotoPlacement FitPhoto(int photoWidth, int photoHeight, const PixelRect& frame) {
  const PixelRect inner{frame.x + kPhotoFrameInset, frame.y + kPhotoFrameInset,
                        std::max(0, frame.width - 2 * kPhotoFrameInset),
                        std::max(0, frame.height - 2 * kPhotoFrameInset)};
  const Span across = FitAxis(std::max(0, photoWidth), inner.x, inner.width);
  const Span down = FitAxis(std::max(0, photoHeight), inner.y, inner.height);
  return {{across.sourceStart, down.sourceStart, across.length, down.length},
          {across.targetStart, down.targetStart, across.length, down.length}};
}

}  // namespace vl
