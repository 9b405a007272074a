#pragma once
// What the helm keeps of the player's settings: the speed mode the pad's phrases take and the
// screen diagonal the bow points to.
#include <cstdint>

namespace helmsway {

// The speed selector's modes, by the index of their element.
enum class Speed : std::int16_t { OneStep = 1, Slow = 2, Full = 3 };

// The screen diagonal the bow points to: none, or the one toward pad element 0, 2, 4 or 6 (the
// facing gems' indexes).
enum class Facing : std::int16_t { NotSet = 0, UpLeft = 1, UpRight = 2, DownRight = 3, DownLeft = 4 };

}  // namespace helmsway
