// Asks an X window to close, as a window manager's close button does (the
// WM_DELETE_WINDOW message), where the tests' X server runs no manager.
// Usage: tolm-close-window WINDOW_ID
#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (argc != 2 || xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return 2;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(std::stoul(argv[1]));
    const auto atom = [connection](const std::string& name) {
        auto* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, name.size(), name.c_str()), nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    };
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    // Waits for the server to have sent it: one that reads the hang-up first
    // drops what the socket still holds.
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_send_event_checked(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                                           reinterpret_cast<const char*>(&message)));
    const bool sent = error == nullptr;
    std::free(error);
    xcb_disconnect(connection);
    return sent ? 0 : 1;
}
