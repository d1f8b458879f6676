#include "TGameX11Keyboard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>
// The keyboard extension's header names a member "explicit", which C++
// reserves; the member is never used here.
#define explicit explicit_member // NOLINT(clang-diagnostic-keyword-macro)
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// xcb hands its answers over in memory of malloc's.
struct TFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using TReply = std::unique_ptr<T, TFree>;

struct TUnrefContext {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct TUnrefKeymap {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};

// An X key event's state holds the group in these bits.
constexpr unsigned GroupShift = 13;
constexpr std::uint32_t GroupMask = 3;

} // namespace

std::unique_ptr<TGameX11Keyboard> TGameX11Keyboard::Open()
{
    // The offscreen platform offers the interface too, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return nullptr;
    std::uint8_t firstEvent = 0;
    if (xkb_x11_setup_xkb_extension(
            x11->connection(), XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &firstEvent, nullptr) == 0)
        return nullptr;
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(x11->connection());
    if (device < 0)
        return nullptr;
    return std::unique_ptr<TGameX11Keyboard>(
        new TGameX11Keyboard(x11->connection(), firstEvent, device));
}

TGameX11Keyboard::TGameX11Keyboard(xcb_connection_t* connection, std::uint8_t firstEvent,
                                   std::int32_t device)
    : Connection(connection), FirstEvent(firstEvent), Device(device)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TGameX11Keyboard::~TGameX11Keyboard()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

void TGameX11Keyboard::ReadKeymap()
{
    if (!KeymapChanged)
        return;
    KeymapChanged = false;
    const std::unique_ptr<xkb_context, TUnrefContext> context(
        xkb_context_new(XKB_CONTEXT_NO_DEFAULT_INCLUDES));
    const std::unique_ptr<xkb_keymap, TUnrefKeymap> keymap(
        context ? xkb_x11_keymap_new_from_device(context.get(), Connection, Device,
                                                 XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr);
    // Read again at the next notification where this read failed.
    Layouts = TGameKeyLayout::Groups(keymap.get(), std::move(Layouts));
}

bool TGameX11Keyboard::nativeEventFilter(const QByteArray& /*eventType*/, void* message,
                                         qintptr* /*result*/)
{
    // Only the xcb platform's events reach a filter of its connection.
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7FU;
    if (type == XCB_MAPPING_NOTIFY)
        KeymapChanged = true;
    else if (type == FirstEvent) {
        // The second byte of every keyboard extension event names its kind.
        const std::uint8_t kind = event->pad0;
        KeymapChanged |= kind == XCB_XKB_NEW_KEYBOARD_NOTIFY || kind == XCB_XKB_MAP_NOTIFY;
    }
    return false;
}

void TGameX11Keyboard::Update()
{
    ReadKeymap();
    // All three questions go out before any answer is awaited: one round trip.
    const xcb_get_input_focus_cookie_t focusCookie = xcb_get_input_focus(Connection);
    const xcb_query_keymap_cookie_t keysCookie = xcb_query_keymap(Connection);
    const xcb_xkb_get_state_cookie_t stateCookie =
        xcb_xkb_get_state(Connection, static_cast<xcb_xkb_device_spec_t>(Device));
    const TReply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(Connection, focusCookie, nullptr));
    const TReply<xcb_query_keymap_reply_t> keys(
        xcb_query_keymap_reply(Connection, keysCookie, nullptr));
    const TReply<xcb_xkb_get_state_reply_t> state(
        xcb_xkb_get_state_reply(Connection, stateCookie, nullptr));
    // A lost connection leaves every key up, like a game in the background.
    Down.reset();
    Focused = focus && keys && state && IsOwnWindow(focus->focus);
    if (!Focused)
        return;
    const TGameKeyLayout& layout = Layouts[std::min<std::size_t>(state->group, Layouts.size() - 1)];
    for (unsigned code = 0; code < 256; ++code) {
        if ((keys->keys[code / 8] & (1U << (code % 8))) != 0)
            Down.set(static_cast<std::size_t>(layout.VirtualKey(code)));
    }
    Down.reset(0);
}

int TGameX11Keyboard::VirtualKey(std::uint32_t code, std::uint32_t state)
{
    ReadKeymap();
    const std::size_t group = (state >> GroupShift) & GroupMask;
    return Layouts[std::min(group, Layouts.size() - 1)].VirtualKey(code);
}

bool TGameX11Keyboard::IsOwnWindow(std::uint32_t window)
{
    // Asked of the server, not of Qt, which tells of a lost focus only
    // after a while, in case the focus comes straight back.
    const QList<QWindow*> windows = QGuiApplication::allWindows();
    return std::ranges::any_of(windows, [window](const QWindow* own) {
        return own->handle() != nullptr && own->winId() == window;
    });
}

bool TGameX11Keyboard::IsKeyDown(int keyCode) const
{
    return keyCode > 0 && keyCode < static_cast<int>(Down.size()) &&
           Down.test(static_cast<std::size_t>(keyCode));
}
