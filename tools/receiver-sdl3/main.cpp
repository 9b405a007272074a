// helmsway-receiver-sdl3: a window titled like the open-source client's, which reads the
// keyboard through SDL3 as that client's SDL3 builds do: text from SDL_EVENT_TEXT_INPUT, Enter
// and Backspace from SDL_EVENT_KEY_DOWN. On a Wayland desktop SDL3 opens a Wayland window of
// its own accord, one that only the compositor can type into.
//   helmsway-receiver-sdl3 [--title T]      (default "ClassicUO - 1.1.0.0")
// Prints "ready\t<SDL video driver>" first, once the window is shown and drawn; then
// "focus\t1" and "focus\t0" as it gains and loses the keyboard focus (a focus it had before
// that, right after "ready"), and "<ms>\t<text>" per Enter, as helmsway-receiver does.
#include <SDL3/SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "../receiver-text/TypedText.h"

namespace {

using helmsway::receiver::TypedText;

void paint(SDL_Window* window, std::size_t lines) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface) return;
    const Uint8 shade = helmsway::receiver::lineShade(lines);
    SDL_FillSurfaceRect(surface, nullptr, SDL_MapSurfaceRGB(surface, 40, shade, 90));
    SDL_UpdateWindowSurface(window);
}

void say(const char* tag, const char* value) {
    std::printf("%s\t%s\n", tag, value);
    std::fflush(stdout);
}

// The compositor knows a Wayland window's program by its app id. SDL3 derives that from the
// executable the process runs, which a link named like another program ("cuo") would not
// change; the name it was started under does.
std::string programName(const char* argv0) {
    const char* slash = std::strrchr(argv0, '/');
    return slash ? slash + 1 : argv0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string title;
    if (!helmsway::receiver::startReceiver(argc, argv, "helmsway-receiver-sdl3", title)) return 2;
    const std::string appId = programName(argv[0]);
    SDL_SetHint(SDL_HINT_APP_ID, appId.c_str());
    if (!SDL_Init(SDL_INIT_VIDEO)) {
        std::fprintf(stderr, "helmsway-receiver-sdl3: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow(title.c_str(), 420, 200, 0);
    if (!window) {
        std::fprintf(stderr, "helmsway-receiver-sdl3: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    // Right of where the helm opens (the screen's middle), where a desktop lets a window choose.
    SDL_SetWindowPosition(window, 760, 100);
    SDL_StartTextInput(window);

    TypedText typed;
    bool shown = (SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN) == 0;
    bool exposed = false;
    bool announced = false;
    // A focus that comes before the window is drawn is told after "ready", which stays first.
    int untoldFocus = -1;
    SDL_Event event;
    // SDL turns SIGTERM and SIGINT into SDL_EVENT_QUIT.
    while (SDL_WaitEvent(&event) && event.type != SDL_EVENT_QUIT) {
        switch (event.type) {
        case SDL_EVENT_WINDOW_SHOWN:
            shown = true;
            break;
        case SDL_EVENT_WINDOW_EXPOSED:
            exposed = true;
            paint(window, typed.lines());
            break;
        case SDL_EVENT_WINDOW_FOCUS_GAINED:
        case SDL_EVENT_WINDOW_FOCUS_LOST: {
            const bool gained = event.type == SDL_EVENT_WINDOW_FOCUS_GAINED;
            if (announced) {
                say("focus", gained ? "1" : "0");
            } else {
                untoldFocus = gained ? 1 : 0;
            }
            break;
        }
        case SDL_EVENT_TEXT_INPUT:
            typed.add(event.text.text);
            break;
        case SDL_EVENT_KEY_DOWN:
            if (event.key.key == SDLK_RETURN || event.key.key == SDLK_KP_ENTER) {
                paint(window, typed.enter());
            } else if (event.key.key == SDLK_BACKSPACE) {
                typed.erase();
            }
            break;
        default:
            break;
        }
        if (!announced && shown && exposed) {
            announced = true;
            say("ready", SDL_GetCurrentVideoDriver());
            if (untoldFocus >= 0) say("focus", untoldFocus == 1 ? "1" : "0");
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
