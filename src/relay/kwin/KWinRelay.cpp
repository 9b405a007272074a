#include "KWinRelay.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryFile>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

// Xlib and Wayland last: Xlib's macros (None, Bool, Status...) would otherwise clash with Qt.
#include <X11/Xlib.h>
#include <unistd.h>
#include <wayland-client.h>

#include "fake-input-client.h"
#include "relay/GameWindow.h"
#include "relay/linux/Process.h"
#include "relay/x11/X11Relay.h"
#include "support/Uncopyable.h"

namespace helmsway::kwin {
namespace {

using namespace std::chrono_literals;

const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kAnswerPath = QStringLiteral("/org/example/helmsway/KWin");
const QString kAnswerInterface = QStringLiteral("org.example.helmsway.KWin");
// KWin that takes longer than this to run a few lines of script is hung; the command is then
// lost, as with no game.
constexpr auto kAnswerTimeout = 2000ms;
constexpr int kCallTimeoutMs = 2000;
// keyboard_key came with the protocol's version 4.
constexpr uint32_t kFakeInputVersion = 4;

}  // namespace

// Where KWin's scripts hand their answers: a D-Bus object on Helmsway's own connection, living
// in a thread of its own, so the helm's thread can wait for an answer without running its event
// loop (no click or tick of the helm is handled in the middle of another).
class Answers : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.helmsway.KWin")

public:
    std::optional<QJsonValue> await(int serial) {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, kAnswerTimeout, [&] { return answers_.contains(serial); }))
            return std::nullopt;
        return answers_.extract(serial).mapped();
    }

public Q_SLOTS:
    // {"serial": n, "value": ...}: one script's answer.
    Q_NOREPLY void Answer(const QString& json) {
        const QJsonObject answer = QJsonDocument::fromJson(json.toUtf8()).object();
        {
            std::lock_guard lock(mutex_);
            answers_[answer.value(QStringLiteral("serial")).toInt()] =
                answer.value(QStringLiteral("value"));
        }
        arrived_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::map<int, QJsonValue> answers_;
};

namespace {

bool hasOwner(const QString& name) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(name).value();
}

std::optional<QVariant> call(const QString& service, const QString& path,
                             const QString& interface, const QString& method,
                             const QVariantList& arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) return std::nullopt;
    return reply.arguments().value(0);
}

// The connection to KWin's Wayland display, kept for the whole run, and its fake keyboard
// when KWin grants it.
struct Compositor : Uncopyable {
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    org_kde_kwin_fake_input* fakeInput = nullptr;

    ~Compositor() { drop(); }

    void drop() {
        if (fakeInput) org_kde_kwin_fake_input_destroy(fakeInput);
        if (registry) wl_registry_destroy(registry);
        if (display) wl_display_disconnect(display);
        fakeInput = nullptr;
        registry = nullptr;
        display = nullptr;
    }

    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version) {
        auto* self = static_cast<Compositor*>(data);
        if (std::string_view(interface) != org_kde_kwin_fake_input_interface.name ||
            version < kFakeInputVersion || self->fakeInput)
            return;
        self->fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface,
                             kFakeInputVersion));
    }
    static void globalRemove(void*, wl_registry*, uint32_t) {}

    // Connected (again, after KWin went away) to the session's display, if there is one.
    bool connected() {
        if (display && wl_display_get_error(display) == 0) return true;
        drop();
        display = wl_display_connect(nullptr);
        if (!display) return false;
        static const wl_registry_listener listener{&Compositor::global, &Compositor::globalRemove};
        registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &listener, this);
        if (wl_display_roundtrip(display) < 0) {
            drop();
            return false;
        }
        if (fakeInput) {
            org_kde_kwin_fake_input_authenticate(fakeInput, "Helmsway",
                                                 "Types boat commands into the game window");
            wl_display_flush(display);
        }
        return true;
    }

    // Until KWin has handled every request sent so far, keys included.
    bool settled() { return wl_display_roundtrip(display) >= 0; }
};

Compositor compositor;

bool onKWinWayland() { return compositor.connected() && hasOwner(kKWin); }

Answers* answers() {
    // Neither is ever deleted: the thread runs until the process ends, with the answers'
    // object inside it.
    static Answers* const box = [] {
        auto* thread = new QThread;
        thread->setObjectName(QStringLiteral("kwin-answers"));
        auto* object = new Answers;
        object->moveToThread(thread);
        thread->start();
        QDBusConnection::sessionBus().registerObject(kAnswerPath, object,
                                                     QDBusConnection::ExportAllSlots);
        return object;
    }();
    return box;
}

QString jsString(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// Has KWin run the script's body, in which answer(value) hands a value back, and returns that
// value. The script is loaded under a name of its own and unloaded again after.
std::optional<QJsonValue> runScript(const QString& body) {
    static int serial = 0;
    const int mine = ++serial;
    Answers* box = answers();
    const QString bus = QDBusConnection::sessionBus().baseService();
    QTemporaryFile file(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                        QStringLiteral("/helmsway-XXXXXX.js"));
    if (bus.isEmpty() || !file.open()) return std::nullopt;
    // KWin 5.27 names the window list and the active window as KWin 6 does not.
    const QString script =
        QStringLiteral(
            "const answer = value => callDBus(%1, %2, %3, 'Answer',\n"
            "    JSON.stringify({serial: %4, value: value}));\n"
            "const windows = workspace.stackingOrder ?? workspace.clientList();\n"
            "const activeWindow = () => workspace.activeWindow ?? workspace.activeClient;\n")
            .arg(jsString(bus), jsString(kAnswerPath), jsString(kAnswerInterface))
            .arg(mine) +
        body;
    file.write(script.toUtf8());
    file.flush();

    const QString scripting = QStringLiteral("org.kde.kwin.Scripting");
    const QString plugin = QStringLiteral("helmsway-%1-%2").arg(getpid()).arg(mine);
    const auto id = call(kKWin, QStringLiteral("/Scripting"), scripting,
                         QStringLiteral("loadScript"), {file.fileName(), plugin});
    if (!id || id->toInt() < 0) return std::nullopt;
    // KWin 6 puts a loaded script at /Scripting/ScriptN, KWin 5 at /N.
    const QString script6 = QStringLiteral("/Scripting/Script%1").arg(id->toInt());
    const QString script5 = QStringLiteral("/%1").arg(id->toInt());
    const QString scriptInterface = QStringLiteral("org.kde.kwin.Script");
    std::optional<QJsonValue> value;
    if (call(kKWin, script6, scriptInterface, QStringLiteral("run")) ||
        call(kKWin, script5, scriptInterface, QStringLiteral("run")))
        value = box->await(mine);
    call(kKWin, QStringLiteral("/Scripting"), scripting, QStringLiteral("unloadScript"),
         {plugin});
    return value;
}

struct KWinWindow {
    QString id;
    bool active = false;
    WindowFacts facts;
};

// Every normal window and dialog, topmost first, with what the core's rule reads of it; the
// program from the window's process, as on X11.
std::optional<std::vector<KWinWindow>> listWindows() {
    const auto value = runScript(QStringLiteral(
        "const listed = [];\n"
        "for (let i = windows.length - 1; i >= 0; --i) {\n"
        "    const w = windows[i];\n"
        "    if (w.normalWindow || w.dialog)\n"
        "        listed.push([String(w.internalId), w.caption ?? '', w.resourceClass ?? '',\n"
        "                     w.pid ?? 0, w === activeWindow()]);\n"
        "}\n"
        "answer(listed);\n"));
    if (!value || !value->isArray()) return std::nullopt;
    std::vector<KWinWindow> windows;
    for (const auto& entry : value->toArray()) {
        const QJsonArray fields = entry.toArray();
        const auto pid = static_cast<unsigned long>(fields.at(3).toDouble());
        KWinWindow window;
        window.id = fields.at(0).toString();
        window.active = fields.at(4).toBool();
        window.facts = linux_process::managedWindow(fields.at(1).toString().toStdString(),
                                                    fields.at(2).toString().toStdString(), pid);
        windows.push_back(std::move(window));
    }
    return windows;
}

// KWin's keyboard layout, which is the keyboard map's group: switched over D-Bus, once KWin has
// handled every key typed in the one before, so that each key is read in its own group.
bool selectGroup(int group) {
    if (!compositor.settled()) return false;
    const auto done =
        call(QStringLiteral("org.kde.keyboard"), QStringLiteral("/Layouts"),
             QStringLiteral("org.kde.KeyboardLayouts"), QStringLiteral("setLayout"),
             {QVariant::fromValue(static_cast<uint>(group))});
    return done && done->toBool();
}

}  // namespace

bool reachable() { return onKWinWayland() && compositor.fakeInput; }

std::string setupNeeded() {
    if (!onKWinWayland() || compositor.fakeInput) return {};
    return "KWin does not let this Helmsway type, so no command can reach the game: start the "
           "installed Helmsway (from the menu, or /usr/games/helmsway), whose menu entry asks "
           "KWin for it.";
}

bool activateGameWindow() {
    const auto windows = listWindows();
    if (!windows) return false;
    const auto* game = chooseGameWindowAmong(*windows);
    if (!game) return false;
    const auto activated = runScript(
        QStringLiteral(
            "const id = %1;\n"
            "let found = null;\n"
            "for (let i = 0; i < windows.length; ++i)\n"
            "    if (String(windows[i].internalId) === id) found = windows[i];\n"
            "if (found) {\n"
            "    found.minimized = false;\n"
            "    if ('activeWindow' in workspace) workspace.activeWindow = found;\n"
            "    else workspace.activeClient = found;\n"
            "}\n"
            "answer(found !== null);\n")
            .arg(jsString(game->id)));
    return activated && activated->toBool();
}

void sendKeys(Display* display, const KeySequence& keys) {
    if (keys.empty() || !reachable()) return;
    const auto planned = x11::keysForCompositor(display, keys);
    if (!planned) return;
    const auto key = [](unsigned keycode, bool pressed) {
        org_kde_kwin_fake_input_keyboard_key(compositor.fakeInput, keycode - x11::kEvdevOffset,
                                             pressed ? WL_KEYBOARD_KEY_STATE_PRESSED
                                                     : WL_KEYBOARD_KEY_STATE_RELEASED);
    };
    int group = planned->userGroup;
    std::set<unsigned> down;
    for (const auto& event : planned->events) {
        // A group KWin would not select: the rest is not typed, and no key is left down.
        if (event.group != group && !selectGroup(event.group)) break;
        group = event.group;
        key(event.keycode, event.pressed);
        if (event.pressed) down.insert(event.keycode);
        else down.erase(event.keycode);
    }
    for (const unsigned keycode : down) key(keycode, false);
    if (group != planned->userGroup) selectGroup(planned->userGroup);
    wl_display_flush(compositor.display);
}

}  // namespace helmsway::kwin

#include "KWinRelay.moc"
