// The speed selector: picks the form of the pad's phrases and shows the chosen word active.
#include "app/frmHelmsway.h"
#include "helm/PadPictures.h"

namespace helmsway {

void frmHelmsway::cmdSpeed_Click(std::int16_t index) {
    intSpeed = index;
    for (std::int16_t element = 1; element <= 3; ++element) {
        const PicturePair& files = kSpeedPictures[static_cast<std::size_t>(element - 1)];
        if (!desktop_.showPicture({Control::cmdSpeed, element},
                                  element == index ? files.active : files.inactive))
            return;
    }
}

}  // namespace helmsway
