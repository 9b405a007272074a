// Helmsway's hands inside GNOME Shell. On a Wayland session no program may list another's
// windows, raise one or type into it, and typing through Xwayland's XTest asks the player's
// leave on GNOME 45 and later. So the shell does those three things for Helmsway, and nothing
// more: which window is the game, and what to type, Helmsway decides.
import Clutter from 'gi://Clutter';
import Gio from 'gi://Gio';

import * as Main from 'resource:///org/gnome/shell/ui/main.js';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

const BUS_NAME = 'org.example.helmsway.Shell';
const OBJECT_PATH = '/org/example/helmsway/Shell';
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
    // locked, and locks the group that was selected before again at the end. Nothing is typed
    // unless `id` is the window with the focus now: keys for one window never land in another.
    Type(id, keys) {
        const focus = global.display.focus_window;
        if (!focus || focus.get_id() !== id)
            return false;
        const backend = global.backend;
        const selected = backend.get_keymap_layout_group();
        let group = selected;
        for (const [keyGroup, key, pressed] of keys) {
            if (keyGroup !== group) {
                backend.lock_layout_group(keyGroup);
                group = keyGroup;
            }
            this._keyboard.notify_key(Clutter.CURRENT_TIME, key,
                pressed ? Clutter.KeyState.PRESSED : Clutter.KeyState.RELEASED);
        }
        if (group !== selected)
            backend.lock_layout_group(selected);
        return true;
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
