#include "notation/geometry.h"

#include "library/rounding.h"

namespace ritmora {

int NotationPictureTop(int innerHeight, int rows) {
    const int centre = static_cast<int>(RoundHalfEven((innerHeight - 100) / 2.0));
    return centre - 75 * rows + (rows == kMaxRows ? 4 : 0);
}

}  // namespace ritmora
