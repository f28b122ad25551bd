#pragma once

// Window measures are kept in twips, the unit the layouts were drawn in: 15 to a pixel.

namespace klavo {

constexpr int Pixel(int twip) {
    return twip / 15;
}

} // namespace klavo
