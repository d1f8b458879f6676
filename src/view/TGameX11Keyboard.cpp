#include "TGameX11Keyboard.h"
#include "Common.h"

#include <QGuiApplication>
#include <QWindow>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// The X key symbol of a virtual-key code the game knows, or 0.
xcb_keysym_t KeySymbol(int keyCode)
{
    switch (keyCode) {
    case 0x25:
        return XK_Left;
    case 0x26:
        return XK_Up;
    case 0x27:
        return XK_Right;
    case 0x28:
        return XK_Down;
    case Common::KeyEnter:
        return XK_Return;
    default:
        // Space and the digits share their codes with X; letters are the
        // lower-case symbols, which the unshifted key carries.
        if (keyCode >= 'A' && keyCode <= 'Z')
            return static_cast<xcb_keysym_t>(keyCode - 'A' + XK_a);
        const bool digit = keyCode >= '0' && keyCode <= '9';
        return digit || keyCode == Common::KeySpace ? static_cast<xcb_keysym_t>(keyCode) : 0;
    }
}

// xcb hands its answers over in memory of malloc's.
struct TFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using TReply = std::unique_ptr<T, TFree>;

} // namespace

std::unique_ptr<TGameX11Keyboard> TGameX11Keyboard::Open()
{
    // The offscreen platform offers the interface too, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return nullptr;
    return std::unique_ptr<TGameX11Keyboard>(new TGameX11Keyboard(x11->connection()));
}

TGameX11Keyboard::TGameX11Keyboard(xcb_connection_t* connection) : Connection(connection)
{
    MapKeyCodes();
}

void TGameX11Keyboard::MapKeyCodes()
{
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(Connection);
    if (symbols == nullptr)
        return;
    for (int keyCode = 0; keyCode < 0x100; ++keyCode) {
        const xcb_keysym_t symbol = KeySymbol(keyCode);
        const TReply<xcb_keycode_t> codes(symbol != 0 ? xcb_key_symbols_get_keycode(symbols, symbol)
                                                      : nullptr);
        for (const xcb_keycode_t* code = codes.get(); code != nullptr && *code != XCB_NO_SYMBOL;
             ++code)
            KeyCodes[keyCode].push_back(*code);
    }
    xcb_key_symbols_free(symbols);
}

void TGameX11Keyboard::Update()
{
    // Both questions go out before either answer is awaited: one round trip.
    const xcb_get_input_focus_cookie_t focusCookie = xcb_get_input_focus(Connection);
    const xcb_query_keymap_cookie_t keymapCookie = xcb_query_keymap(Connection);
    const TReply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(Connection, focusCookie, nullptr));
    const TReply<xcb_query_keymap_reply_t> keymap(
        xcb_query_keymap_reply(Connection, keymapCookie, nullptr));
    // A lost connection leaves every key up, like a game in the background.
    Keymap.fill(0);
    Focused = focus && keymap && IsOwnWindow(focus->focus);
    if (Focused)
        std::copy(std::begin(keymap->keys), std::end(keymap->keys), Keymap.begin());
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
    const auto codes = KeyCodes.find(keyCode);
    if (codes == KeyCodes.end())
        return false;
    for (const std::uint8_t code : codes->second) {
        if ((Keymap[code / 8U] & (1U << (code % 8U))) != 0)
            return true;
    }
    return false;
}
