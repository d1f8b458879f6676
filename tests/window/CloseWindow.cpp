// Asks an X window to close, as a window manager's close button does (the
// WM_DELETE_WINDOW message), where the tests' X server runs no manager.
// Usage: tolm-close-window WINDOW_ID
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const std::string& name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, name.size(), name.c_str()),
                              nullptr),
        std::free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

} // namespace

int main(int argc, char** argv)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (argc != 2 || xcb_connection_has_error(connection) != 0)
        return 2;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(std::stoul(argv[1]));
    message.type = Atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    const int failed = xcb_flush(connection) <= 0 ? 1 : 0;
    xcb_disconnect(connection);
    return failed;
}
