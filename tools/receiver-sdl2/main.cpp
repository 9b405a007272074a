// helmsway-receiver-sdl2: a window titled like the open-source client's, which reads the
// keyboard through SDL2 as that client does: text from SDL_TEXTINPUT, Enter and Backspace from
// SDL_KEYDOWN.
//   helmsway-receiver-sdl2 [--title T]      (default "ClassicUO - 1.1.0.0")
// Prints "ready\t<X11 window id>" once the window is shown, then "<ms>\t<text>" per Enter, as
// helmsway-receiver does.
#include <SDL.h>
#include <SDL_syswm.h>

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
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 40, shade, 90));
    SDL_UpdateWindowSurface(window);
}

}  // namespace

int main(int argc, char** argv) {
    std::string title;
    if (!helmsway::receiver::startReceiver(argc, argv, "helmsway-receiver-sdl2", title)) return 2;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "helmsway-receiver-sdl2: %s\n", SDL_GetError());
        return 1;
    }
    // Right of where the helm opens (the screen's middle), so a screenshot shows both.
    SDL_Window* window = SDL_CreateWindow(title.c_str(), 760, 100, 420, 200, SDL_WINDOW_SHOWN);
    if (!window) {
        std::fprintf(stderr, "helmsway-receiver-sdl2: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    SDL_StartTextInput();

    TypedText typed;
    bool announced = false;
    SDL_Event event;
    // SDL turns SIGTERM and SIGINT into SDL_QUIT.
    while (SDL_WaitEvent(&event) && event.type != SDL_QUIT) {
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            paint(window, typed.lines());
            SDL_SysWMinfo info;
            SDL_VERSION(&info.version);
            if (!announced && SDL_GetWindowWMInfo(window, &info) &&
                info.subsystem == SDL_SYSWM_X11) {
                announced = true;
                std::printf("ready\t0x%lx\n", static_cast<unsigned long>(info.info.x11.window));
                std::fflush(stdout);
            }
        } else if (event.type == SDL_TEXTINPUT) {
            typed.add(event.text.text);
        } else if (event.type == SDL_KEYDOWN) {
            const SDL_Keycode key = event.key.keysym.sym;
            if (key == SDLK_RETURN || key == SDLK_KP_ENTER) {
                paint(window, typed.enter());
            } else if (key == SDLK_BACKSPACE) {
                typed.erase();
            }
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
