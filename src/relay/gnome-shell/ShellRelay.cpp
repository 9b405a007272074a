#include "ShellRelay.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

#include "relay/GameWindow.h"
#include "relay/linux/Process.h"
// Xlib, through the X11 relay, last: its macros (None, Bool, Status...) would otherwise clash
// with Qt.
#include "relay/x11/X11Relay.h"

namespace {

// One key of a Type call: (group, evdev key code, pressed), D-Bus type (uub).
struct ShellKey {
    uint group = 0;
    uint key = 0;
    bool pressed = false;
};

QDBusArgument& operator<<(QDBusArgument& out, const ShellKey& key) {
    out.beginStructure();
    out << key.group << key.key << key.pressed;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, ShellKey& key) {
    in.beginStructure();
    in >> key.group >> key.key >> key.pressed;
    in.endStructure();
    return in;
}

}  // namespace

Q_DECLARE_METATYPE(ShellKey)

namespace helmsway::gnome_shell {
namespace {

const QString kService = QStringLiteral("org.example.helmsway.Shell");
const QString kPath = QStringLiteral("/org/example/helmsway/Shell");
const QString kInterface = QStringLiteral("org.example.helmsway.Shell");
const QString kGnomeShell = QStringLiteral("org.gnome.Shell");
// A shell that takes longer than this is hung; the command is then lost, as with no game.
constexpr int kCallTimeoutMs = 2000;

bool hasOwner(const QString& name) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(name).value();
}

std::optional<QDBusMessage> call(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    QDBusMessage reply =
        QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply;
}

struct ShellWindow {
    quint64 id = 0;
    bool focused = false;
    WindowFacts facts;
};

// Every toplevel, topmost first, with what the core's rule reads of it; the program from the
// window's process, as on X11.
std::optional<std::vector<ShellWindow>> listWindows() {
    const auto reply = call(QStringLiteral("Windows"));
    if (!reply) return std::nullopt;
    const auto list = reply->arguments().at(0).value<QDBusArgument>();
    std::vector<ShellWindow> windows;
    list.beginArray();
    while (!list.atEnd()) {
        ShellWindow window;
        QString title, windowClass;
        uint pid = 0;
        list.beginStructure();
        list >> window.id >> title >> windowClass >> pid >> window.focused;
        list.endStructure();
        window.facts =
            linux_process::managedWindow(title.toStdString(), windowClass.toStdString(), pid);
        windows.push_back(std::move(window));
    }
    list.endArray();
    return windows;
}

}  // namespace

bool extensionRuns() { return hasOwner(kService); }

std::string setupNeeded() {
    if (!hasOwner(kGnomeShell) || extensionRuns()) return {};
    return "GNOME Shell runs without Helmsway's extension, so no command can reach the game: "
           "run \"gnome-extensions enable helmsway@example.org\", then log out and back in.";
}

bool activateGameWindow(unsigned long userInput) {
    const auto windows = listWindows();
    if (!windows) return false;
    const ShellWindow* game = chooseGameWindowAmong(*windows);
    if (!game) return false;
    const auto reply = call(QStringLiteral("Activate"),
                            {QVariant::fromValue(game->id),
                             QVariant::fromValue(static_cast<uint>(userInput))});
    return reply && reply->arguments().at(0).toBool();
}

void sendKeys(Display* display, const KeySequence& keys) {
    if (keys.empty()) return;
    const auto planned = x11::keysForCompositor(display, keys);
    if (!planned) return;
    const auto windows = listWindows();
    if (!windows) return;
    const auto focused = std::find_if(windows->begin(), windows->end(),
                                      [](const ShellWindow& window) { return window.focused; });
    if (focused == windows->end()) return;

    qDBusRegisterMetaType<ShellKey>();
    qDBusRegisterMetaType<QList<ShellKey>>();
    QList<ShellKey> shellKeys;
    for (const auto& event : planned->events)
        shellKeys.push_back({static_cast<uint>(event.group),
                             static_cast<uint>(event.keycode) - x11::kEvdevOffset, event.pressed});
    call(QStringLiteral("Type"), {QVariant::fromValue(focused->id), QVariant::fromValue(shellKeys),
                                  QVariant::fromValue(static_cast<uint>(planned->userGroup))});
}

}  // namespace helmsway::gnome_shell
