#pragma once
// The picture files of the pad's four diagonal elements and of the speed selector, loaded from
// the program's directory each time they are shown.
#include <array>
#include <cstdint>
#include <string_view>

namespace helmsway {

struct PicturePair {
    std::string_view inactive;
    std::string_view active;
};

// Pad elements 0, 2, 4 and 6, which facings 1, 2, 3 and 4 point to.
inline constexpr std::array<PicturePair, 4> kDiagonalPictures{{
    {"fwd_l_s.bmp", "fwd_l_sa.bmp"},
    {"fwd_r_s.bmp", "fwd_r_sa.bmp"},
    {"back_r_s.bmp", "back_r_sa.bmp"},
    {"back_l_s.bmp", "back_l_sa.bmp"},
}};

// cmdSpeed elements 1, 2 and 3.
inline constexpr std::array<PicturePair, 3> kSpeedPictures{{
    {"one.bmp", "one_a.bmp"},
    {"slow.bmp", "slow_a.bmp"},
    {"normal.bmp", "normal_a.bmp"},
}};

constexpr std::int16_t diagonalElement(std::size_t diagonal) {
    return static_cast<std::int16_t>(2 * diagonal);
}

}  // namespace helmsway
