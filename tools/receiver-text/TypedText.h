#pragma once
// What the SDL receivers share: the text they collect as SDL hands it over, in UTF-8.
#include <langinfo.h>

#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace helmsway::receiver {

// Backspace takes back one character, however many bytes it is.
inline void eraseLastCharacter(std::string& text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xc0) != 0x80) break;  // stop after the lead byte
    }
}

// The input method hands text over in the locale's encoding; make that UTF-8 even when the
// environment names no locale.
inline void useUtf8Locale() {
    if (std::setlocale(LC_CTYPE, "") && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) return;
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

// What a receiver does first: takes the title it is asked for ("--title T", else the client's
// before login), reads text in UTF-8, and stays when its reader goes (a demo left running).
// False, after saying so, when the arguments are anything else.
inline bool startReceiver(int argc, char** argv, const char* program, std::string& title) {
    title = "ClassicUO - 1.1.0.0";
    if (argc == 3 && std::strcmp(argv[1], "--title") == 0) {
        title = argv[2];
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: %s [--title T]\n", program);
        return false;
    }
    useUtf8Locale();
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

// The green of a receiver's window after `lines` lines: one shade per line received, so a
// screenshot shows that something arrived.
inline std::uint8_t lineShade(std::size_t lines) {
    return static_cast<std::uint8_t>(160 + (lines * 24) % 96);
}

// The line being typed, printed as "<ms>\t<text>" when Enter ends it, ms counted from the
// receiver's start.
class TypedText {
public:
    void add(const char* text) { current_ += text; }
    void erase() { eraseLastCharacter(current_); }
    // Returns how many lines have been ended.
    std::size_t enter() {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start_)
                            .count();
        std::printf("%lld\t%s\n", static_cast<long long>(ms), current_.c_str());
        std::fflush(stdout);
        current_.clear();
        return ++lines_;
    }
    std::size_t lines() const { return lines_; }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::string current_;
    std::size_t lines_ = 0;
};

}  // namespace helmsway::receiver
