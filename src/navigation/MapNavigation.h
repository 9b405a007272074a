#pragma once
// The map-course commands: the nine courses, and Start, Nav and Continue.
#include <cstdint>
#include <string>

namespace helmsway {

// The command that sets the ship on a course of the map, 1 to 9.
std::string courseCommand(std::int16_t course);

}  // namespace helmsway
