#pragma once

namespace helmsway {

// The base of every guard that gives something back when it ends (keys, a server grab, an
// error handler, windows): a copy would give it back twice.
class Uncopyable {
public:
    Uncopyable(const Uncopyable&) = delete;
    Uncopyable& operator=(const Uncopyable&) = delete;

protected:
    Uncopyable() = default;
    ~Uncopyable() = default;
};

}  // namespace helmsway
