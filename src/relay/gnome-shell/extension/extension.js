// Helmsway's hands inside GNOME Shell. On a Wayland session no program may list another's
// windows, raise one or type into it, and typing through Xwayland's XTest asks the player's
// leave on GNOME 45 and later. So the shell does those three things for Helmsway, and nothing
// more: which window is the game, and what to type, Helmsway decides.
import Clutter from 'gi://Clutter';
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';

import * as Main from 'resource:///org/gnome/shell/ui/main.js';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

const BUS_NAME = 'org.example.helmsway.Shell';
const OBJECT_PATH = '/org/example/helmsway/Shell';
const STALLED_SECONDS = 5;
const INTERFACE = `<node>
  <interface name="org.example.helmsway.Shell">
    <method name="Windows">
      <arg direction="out" name="topmostFirst" type="a(tssub)"/>
    </method>
    <method name="Activate">
      <arg direction="in" name="window" type="t"/>
      <arg direction="in" name="time" type="u"/>
      <arg direction="out" name="activated" type="b"/>
    </method>
    <method name="Type">
      <arg direction="in" name="window" type="t"/>
      <arg direction="in" name="keys" type="a(uub)"/>
      <arg direction="in" name="groupAfter" type="u"/>
      <arg direction="out" name="typed" type="b"/>
    </method>
  </interface>
</node>`;

function managedWindows() {
    // Override-redirect windows (menus, tooltips) are nobody's toplevels.
    return global.display.list_all_windows().filter(window => !window.is_override_redirect());
}

function windowById(id) {
    return managedWindows().find(window => window.get_id() === id) ?? null;
}

class ShellWindows {
    constructor() {
        const seat = global.stage.context.get_backend().get_default_seat();
        this._keyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
    }

    // Every toplevel, native and X11, on every workspace, minimized ones too: id, title, class
    // (an X11 window's WM_CLASS class, a native window's app id), process id (0 when unknown)
    // and whether it has the keyboard focus.
    Windows() {
        const display = global.display;
        const focus = display.focus_window;
        return display.sort_windows_by_stacking(managedWindows()).reverse().map(window => [
            window.get_id(), window.get_title() ?? '', window.get_wm_class() ?? '',
            Math.max(window.get_pid(), 0), window === focus,
        ]);
    }

    // `time`: the time of the click that asked for it, which keeps focus-stealing prevention
    // from taking this for the program acting on its own.
    Activate(id, time) {
        const window = windowById(id);
        if (!window)
            return false;
        Main.activateWindow(window, time);
        return true;
    }

    // Presses and releases evdev keys, each with the keyboard layout group it must be typed in
    // locked, and locks `groupAfter` at the end (the player's own, which the shell keeps no
    // public record of). Nothing is typed unless `id` is the window with the focus now: keys
    // meant for one window never land in another, and what is left of a text is dropped when
    // the focus moves on. Texts are typed one after the other, whole.
    Type(id, keys, groupAfter) {
        const window = global.display.focus_window;
        if (!window || window.get_id() !== id)
            return false;
        this._typing = (this._typing ?? Promise.resolve())
            .then(() => this._typeInto(window, keys, groupAfter))
            .catch(logError);
        return true;
    }

    // The shell tells a window's clients of a group change at once, while the keys queued
    // before it are still on their way through the input thread: so the next group is locked
    // only once the window has had every key press of the group before it. Each press a window
    // gets updates its user time, just before the press is handed on.
    async _typeInto(window, keys, groupAfter) {
        const backend = global.backend;
        let pressesSent = 0;
        let pressesHad = 0;
        let waiter = null;
        // A shell grab (the overview, a system dialog) may keep the window from its keys for
        // good; the rest of the text is then dropped rather than held up for ever, and later
        // texts with it.
        let stalled = false;
        const focusHeld = () => global.display.focus_window === window;
        const wake = () => {
            if (!waiter || (pressesHad < pressesSent && focusHeld() && !stalled))
                return;
            const resolve = waiter;
            waiter = null;
            // Once the event that woke us has been handled whole.
            GLib.idle_add(GLib.PRIORITY_DEFAULT, () => {
                resolve();
                return GLib.SOURCE_REMOVE;
            });
        };
        const allHad = () => new Promise(resolve => {
            let ceiling = GLib.timeout_add_seconds(GLib.PRIORITY_DEFAULT, STALLED_SECONDS, () => {
                ceiling = 0;
                stalled = true;
                wake();
                return GLib.SOURCE_REMOVE;
            });
            waiter = () => {
                if (ceiling)
                    GLib.source_remove(ceiling);
                resolve();
            };
            wake();
        });
        const userTime = window.connect('notify::user-time', () => {
            pressesHad++;
            wake();
        });
        const focus = global.display.connect('notify::focus-window', wake);
        let lockedGroup = null;
        try {
            for (let start = 0; start < keys.length;) {
                const group = keys[start][0];
                let end = start;
                while (end < keys.length && keys[end][0] === group)
                    end++;
                if (group !== lockedGroup) {
                    // eslint-disable-next-line no-await-in-loop
                    await allHad();
                    if (!focusHeld() || stalled)
                        return;
                    backend.lock_layout_group(group);
                    lockedGroup = group;
                }
                for (const [, key, pressed] of keys.slice(start, end)) {
                    this._keyboard.notify_key(Clutter.CURRENT_TIME, key,
                        pressed ? Clutter.KeyState.PRESSED : Clutter.KeyState.RELEASED);
                    pressesSent += pressed ? 1 : 0;
                }
                start = end;
            }
            await allHad();
        } finally {
            window.disconnect(userTime);
            global.display.disconnect(focus);
            backend.lock_layout_group(groupAfter);
        }
    }
}

export default class HelmswayExtension extends Extension {
    enable() {
        this._windows = new ShellWindows();
        this._object = Gio.DBusExportedObject.wrapJSObject(INTERFACE, this._windows);
        this._object.export(Gio.DBus.session, OBJECT_PATH);
        this._name = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME,
            Gio.BusNameOwnerFlags.NONE, null, null);
    }

    disable() {
        Gio.bus_unown_name(this._name);
        this._object.unexport();
        this._object = null;
        this._windows = null;
    }
}
