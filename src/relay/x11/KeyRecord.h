#pragma once
// The keys a helm has borrowed, written down on the display where every helm can read them: a
// property of the root window named after the helm's host and process, beside a selection of
// the same name that the helm's own connection owns. The server drops that ownership when the
// connection ends, however the helm ended, so a record without an owner is one a dead helm
// left behind and anyone may give its keys back; a record with one is never touched.
//
// Every read and change of the map that depends on a record runs under a `ServerGrab`, so one
// helm's (or guardian's) look at the map and its change of it are never split by another's.
#include <X11/Xlib.h>
#include <sys/types.h>

#include <map>
#include <set>

#include "support/Uncopyable.h"

namespace helmsway::x11 {

// The keysyms each borrowed key may show, every place of every group taken together.
using KeyRecord = std::map<KeyCode, std::set<KeySym>>;

// Holds the server for every other client while it lives. Nothing done under it may wait for
// another client (the receiver, the window manager): that client could not answer.
class ServerGrab : Uncopyable {
public:
    explicit ServerGrab(Display* display);
    ~ServerGrab();

private:
    Display* display_;
};

// The record's name for the helm running as process `pid` on this host.
Atom recordName(Display* display, pid_t pid);

// Makes this connection the owner of the record `name`; before anything is written to it.
void ownRecord(Display* display, Atom name);
// Whether the helm that owns the record still runs (its connection is open).
bool recordOwned(Display* display, Atom name);

void writeRecord(Display* display, Atom name, const KeyRecord& keys);

// Unbinds every key of the record that still shows recorded keysyms only (a key that a layout
// switch has since given other keysyms, or none, is left as it is) and deletes the record.
void giveBack(Display* display, Atom name);
// The same for every record on the display whose owner is gone.
void giveBackAbandoned(Display* display);

// The keys every record but `own` lists: another helm's bindings, which may change or go with
// that helm while a game still has our keys on them unread.
std::set<KeyCode> keysOfOthers(Display* display, Atom own);

}  // namespace helmsway::x11
