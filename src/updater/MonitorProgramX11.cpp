#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "updater/MonitorProgram.h"

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                     xcb_atom_t type) {
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 8) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            std::size_t(xcb_get_property_value_length(reply.get()))};
}

}  // namespace

bool CloseMonitorProgram() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        return false;
    }
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, &screenNumber), &xcb_disconnect);
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c)) {
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem; ++i) {
        xcb_screen_next(&screens);
    }
    if (!screens.rem) {
        return false;
    }
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t clientList = Atom(c, "_NET_CLIENT_LIST");
    const xcb_atom_t wmName = Atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");
    const xcb_atom_t closeWindow = Atom(c, "_NET_CLOSE_WINDOW");
    Reply<xcb_get_property_reply_t> list(
        xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, clientList, XCB_ATOM_WINDOW, 0, 4096), nullptr),
        &std::free);
    if (!list || list->format != 32) {
        return false;
    }
    const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
    const int count = xcb_get_property_value_length(list.get()) / 4;
    bool found = false;
    for (int i = 0; i < count; ++i) {
        std::string title = Property(c, windows[i], wmName, utf8);
        if (title.empty()) {
            title = Property(c, windows[i], XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
        }
        if (title != kMonitorWindowTitle) {
            continue;
        }
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = windows[i];
        event.type = closeWindow;
        event.data.data32[0] = XCB_CURRENT_TIME;
        event.data.data32[1] = 2;  // from a tool acting for the user
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
        found = true;
    }
    xcb_flush(c);
    return found;
}
