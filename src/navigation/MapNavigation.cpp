#include "navigation/MapNavigation.h"

namespace helmsway {

std::string courseCommand(std::int16_t course) { return "Goto " + std::to_string(course); }

}  // namespace helmsway
