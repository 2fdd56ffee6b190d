#pragma once
// How a photo sits in its frame: never scaled, cropped to its centre when larger than the frame,
// centred when smaller.
namespace vl {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// Source: the part of the photo (top row 0) that is drawn; target: where it goes.
struct PhotoPlacement {
  PixelRect source;
  PixelRect target;
  bool operator==(const PhotoPlacement&) const = default;
};

// The frame's inner area lies 4 units inside it on every side.
constexpr int kPhotoFrameInset = 4;

// Placement of a photo of photoWidth x photoHeight in the frame rectangle (the one drawn).
PhotoPlacement FitPhoto(int photoWidth, int photoHeight, const PixelRect& frame);

}  // namespace vl
