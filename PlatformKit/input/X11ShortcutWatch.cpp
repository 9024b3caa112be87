// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/input/X11ShortcutWatch.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xinput.h>
// xkb.h names a field `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>

namespace platform {

namespace {

template <typename T, void (*release)(T*)>
struct Releaser {
    void operator()(T* object) const { release(object); }
};
using XcbConnection = std::unique_ptr<xcb_connection_t, Releaser<xcb_connection_t, xcb_disconnect>>;
using XkbContext = std::unique_ptr<xkb_context, Releaser<xkb_context, xkb_context_unref>>;
using XkbKeymap = std::unique_ptr<xkb_keymap, Releaser<xkb_keymap, xkb_keymap_unref>>;
using XkbState = std::unique_ptr<xkb_state, Releaser<xkb_state, xkb_state_unref>>;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// The head every XKB event shares.
struct XkbEventHead {
    std::uint8_t responseType;
    std::uint8_t xkbType;
    std::uint16_t sequence;
    xcb_timestamp_t time;
    std::uint8_t deviceID;
};

} // namespace

struct X11ShortcutWatch::Connection {
    XcbConnection xcb;
    XkbContext context;
    XkbKeymap keymap;
    XkbState state;
    std::int32_t keyboard = -1;
    std::uint8_t xkbEventBase = 0;
    std::uint8_t xinputOpcode = 0;
    std::unique_ptr<QSocketNotifier> notifier;

    bool open(const QByteArray& displayName);
    bool loadKeymap();
    bool selectXkbEvents();
    bool selectRawKeyPresses(xcb_window_t root);
    void handleXkbEvent(const xcb_generic_event_t* event);
};

bool X11ShortcutWatch::Connection::open(const QByteArray& displayName)
{
    int screenNumber = 0;
    xcb.reset(xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber));
    if (xcb_connection_has_error(xcb.get()))
        return false;
    if (!xkb_x11_setup_xkb_extension(xcb.get(), XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &xkbEventBase, nullptr))
        return false;
    keyboard = xkb_x11_get_core_keyboard_device_id(xcb.get());
    context.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (keyboard < 0 || !context || !loadKeymap() || !selectXkbEvents())
        return false;

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(xcb.get()));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    return screens.rem > 0 && selectRawKeyPresses(screens.data->root);
}

bool X11ShortcutWatch::Connection::loadKeymap()
{
    XkbKeymap newKeymap(
        xkb_x11_keymap_new_from_device(context.get(), xcb.get(), keyboard, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!newKeymap)
        return false;
    XkbState newState(xkb_x11_state_new_from_device(newKeymap.get(), xcb.get(), keyboard));
    if (!newState)
        return false;
    keymap = std::move(newKeymap);
    state = std::move(newState);
    return true;
}

bool X11ShortcutWatch::Connection::selectXkbEvents()
{
    constexpr std::uint16_t events
        = XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY | XCB_XKB_EVENT_TYPE_STATE_NOTIFY;
    constexpr std::uint16_t mapParts = XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS
        | XCB_XKB_MAP_PART_MODIFIER_MAP | XCB_XKB_MAP_PART_EXPLICIT_COMPONENTS | XCB_XKB_MAP_PART_KEY_ACTIONS
        | XCB_XKB_MAP_PART_VIRTUAL_MODS | XCB_XKB_MAP_PART_VIRTUAL_MOD_MAP;
    const Reply<xcb_generic_error_t> error(
        xcb_request_check(xcb.get(),
                          xcb_xkb_select_events_checked(xcb.get(), xcb_xkb_device_spec_t(keyboard), events, 0, events,
                                                        mapParts, mapParts, nullptr)));
    return !error;
}

bool X11ShortcutWatch::Connection::selectRawKeyPresses(xcb_window_t root)
{
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(xcb.get(), &xcb_input_id);
    if (!extension || !extension->present)
        return false;
    xinputOpcode = extension->major_opcode;
    // Raw events need XInput 2 announced by this client.
    const Reply<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(xcb.get(), xcb_input_xi_query_version(xcb.get(), 2, 0), nullptr));
    if (!version || version->major_version < 2)
        return false;
    // Master devices only: each press then arrives once, not again for the
    // physical keyboard behind it.
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t mask;
    } rawKeys{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS};
    const Reply<xcb_generic_error_t> error(
        xcb_request_check(xcb.get(), xcb_input_xi_select_events_checked(xcb.get(), root, 1, &rawKeys.head)));
    return !error;
}

void X11ShortcutWatch::Connection::handleXkbEvent(const xcb_generic_event_t* event)
{
    const auto* head = reinterpret_cast<const XkbEventHead*>(event);
    if (head->deviceID != keyboard)
        return;
    switch (head->xkbType) {
    case XCB_XKB_NEW_KEYBOARD_NOTIFY:
    case XCB_XKB_MAP_NOTIFY:
        loadKeymap();
        break;
    case XCB_XKB_STATE_NOTIFY: {
        const auto* changed = reinterpret_cast<const xcb_xkb_state_notify_event_t*>(event);
        xkb_state_update_mask(state.get(), changed->baseMods, changed->latchedMods, changed->lockedMods,
                              xkb_layout_index_t(changed->baseGroup), xkb_layout_index_t(changed->latchedGroup),
                              changed->lockedGroup);
        break;
    }
    default:
        break;
    }
}

std::unique_ptr<X11ShortcutWatch> X11ShortcutWatch::connect(const QByteArray& displayName, QList<Shortcut> shortcuts,
                                                            ShortcutActivated onActivated,
                                                            std::function<bool()> ownWindowsFocused)
{
    auto connection = std::make_unique<Connection>();
    if (!connection->open(displayName))
        return nullptr;
    return std::unique_ptr<X11ShortcutWatch>(new X11ShortcutWatch(
        std::move(connection), std::move(shortcuts), std::move(onActivated), std::move(ownWindowsFocused)));
}

X11ShortcutWatch::X11ShortcutWatch(std::unique_ptr<Connection> connection, QList<Shortcut> shortcuts,
                                   ShortcutActivated onActivated, std::function<bool()> ownWindowsFocused)
    : m_connection(std::move(connection))
    , m_shortcuts(std::move(shortcuts))
    , m_onActivated(std::move(onActivated))
    , m_ownWindowsFocused(std::move(ownWindowsFocused))
{
    xcb_connection_t* xcb = m_connection->xcb.get();
    xcb_flush(xcb);
    m_connection->notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(xcb), QSocketNotifier::Read);
    QObject::connect(m_connection->notifier.get(), &QSocketNotifier::activated, [this] { readEvents(); });
    // Events read while setting up wait in the queue, unannounced by the socket.
    readEvents();
}

X11ShortcutWatch::~X11ShortcutWatch() = default;

void X11ShortcutWatch::readEvents()
{
    xcb_connection_t* xcb = m_connection->xcb.get();
    while (xcb_generic_event_t* event = xcb_poll_for_event(xcb)) {
        const Reply<xcb_generic_event_t> owned(event);
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_GE_GENERIC) {
            const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
            if (generic->extension == m_connection->xinputOpcode && generic->event_type == XCB_INPUT_RAW_KEY_PRESS)
                keyPressed(reinterpret_cast<const xcb_input_raw_key_press_event_t*>(event)->detail);
        } else if (type == m_connection->xkbEventBase) {
            m_connection->handleXkbEvent(event);
        }
    }
    // A server that went away leaves nothing to watch.
    if (xcb_connection_has_error(xcb))
        m_connection->notifier->setEnabled(false);
}

void X11ShortcutWatch::keyPressed(std::uint32_t keycode)
{
    if (m_ownWindowsFocused && m_ownWindowsFocused())
        return;
    xkb_state* state = m_connection->state.get();
    const KeyModifiers modifiers = fromCoreModifierMask(xkb_state_serialize_mods(state, XKB_STATE_MODS_EFFECTIVE));
    // The key's first level in the active layout: what it types unmodified.
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(m_connection->keymap.get(), keycode,
                                                       xkb_state_key_get_layout(state, keycode), 0, &symbols);
    const char32_t character = count == 1 ? xkb_keysym_to_utf32(symbols[0]) : 0;
    if (const std::optional<QString> id = matchingShortcut(m_shortcuts, {modifiers, character}))
        m_onActivated(*id);
}

} // namespace platform
