// The part of the probe that only reads pictures, the same on every back end.
#include "probe.h"

#include <algorithm>
#include <cstdlib>

namespace controls::testing {

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF),
              cb = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(ca - cb) > tolerance) return false;
  }
  return true;
}

Spot Find(const Picture& picture, std::uint32_t rgb, int tolerance) {
  Spot spot;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (!Near(picture.At(x, y), rgb, tolerance)) continue;
      if (spot.count++ == 0) {
        spot = {1, x, y, x, y};
        continue;
      }
      spot.left = std::min(spot.left, x);
      spot.top = std::min(spot.top, y);
      spot.right = std::max(spot.right, x);
      spot.bottom = std::max(spot.bottom, y);
    }
  }
  return spot;
}

native::Point PointerCentre(native::Hwnd window) {
  const native::Rect r = PointerRect(window);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace controls::testing
