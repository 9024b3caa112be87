// SPDX-License-Identifier: GPL-3.0-or-later
#include "XConnection.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_screen_t* screenOf(xcb_connection_t* connection, int number)
{
    auto it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < number && it.rem > 0; ++i)
        xcb_screen_next(&it);
    return it.rem > 0 ? it.data : nullptr;
}

} // namespace

XConnection::XConnection(const QString& display)
    : m_connection(xcb_connect(display.toLocal8Bit().constData(), &m_screen))
{
}

XConnection::~XConnection()
{
    xcb_disconnect(m_connection);
}

bool XConnection::isConnected() const
{
    return m_connection && xcb_connection_has_error(m_connection) == 0 && screenOf(m_connection, m_screen);
}

unsigned XConnection::atom(const char* name) const
{
    const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(m_connection, cookie, nullptr);
    const unsigned result = reply ? reply->atom : unsigned{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

bool XConnection::hasSelectionOwner(const char* name) const
{
    if (!isConnected())
        return false;
    const auto cookie = xcb_get_selection_owner(m_connection, atom(name));
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(m_connection, cookie, nullptr);
    const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return owned;
}

bool XConnection::rootHasProperty(const char* name) const
{
    if (!isConnected())
        return false;
    const auto cookie = xcb_get_property(m_connection, 0, screenOf(m_connection, m_screen)->root, atom(name),
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(m_connection, cookie, nullptr);
    const bool present = reply && reply->type != XCB_ATOM_NONE;
    std::free(reply);
    return present;
}

QSize XConnection::screenSize() const
{
    if (!isConnected())
        return {};
    const xcb_screen_t* screen = screenOf(m_connection, m_screen);
    return QSize(screen->width_in_pixels, screen->height_in_pixels);
}
