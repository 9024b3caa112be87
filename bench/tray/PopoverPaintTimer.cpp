// SPDX-License-Identifier: GPL-3.0-or-later
// Times the tray popover from outside the program: clicks at a point with
// xdotool and measures, from the moment the X server took the button press
// (an XInput raw event) to the moment the popover's window is mapped and to
// the moment the screen shows it as it finally looks. The first opening
// settles for a second and gives the picture the later ones are held to.
//
//   popover-paint-timer <x> <y> <openings> [popover width = 260]
//
// Prints one line per opening, "<n> <mapped ms> <painted ms>", the first one
// the cold opening. Each opening is closed with Escape before the next. With
// POPOVER_TRACE set, every opening settles and the times of each picture it
// went through go to the standard error (a star: the settled one).
#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Started and left to run; its end is collected later.
pid_t spawn(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    return pid;
}

void reap(pid_t pid)
{
    if (pid > 0)
        waitpid(pid, nullptr, 0);
}

struct Shown {
    xcb_window_t window = XCB_NONE;
    Clock::time_point mappedAt;
};

class Probe {
public:
    explicit Probe(int width)
        : m_width(width)
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);

        const auto* extension = xcb_get_extension_data(m_connection, &xcb_input_id);
        if (!extension || !extension->present)
            return;
        m_xinputOpcode = extension->major_opcode;
        free(xcb_input_xi_query_version_reply(m_connection, xcb_input_xi_query_version(m_connection, 2, 2), nullptr));
        struct {
            xcb_input_event_mask_t head;
            uint32_t bits;
        } raw{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS};
        xcb_input_xi_select_events(m_connection, m_root, 1, &raw.head);
        xcb_flush(m_connection);
        m_ready = true;
    }
    ~Probe()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }

    bool ready() const { return m_ready; }

    // Waits for the first button's press and the popover's map; both times.
    std::optional<std::pair<Clock::time_point, Shown>> waitForPressAndMap(Clock::duration timeout)
    {
        std::optional<Clock::time_point> pressed;
        const auto deadline = Clock::now() + timeout;
        while (Clock::now() < deadline) {
            std::unique_ptr<xcb_generic_event_t, decltype(&free)> event(xcb_poll_for_event(m_connection), &free);
            if (!event) {
                if (xcb_connection_has_error(m_connection))
                    return std::nullopt;
                std::this_thread::sleep_for(100us);
                continue;
            }
            const auto now = Clock::now();
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_GE_GENERIC) {
                const auto* generic = reinterpret_cast<xcb_ge_generic_event_t*>(event.get());
                const auto* press = reinterpret_cast<xcb_input_raw_button_press_event_t*>(event.get());
                if (generic->extension == m_xinputOpcode && generic->event_type == XCB_INPUT_RAW_BUTTON_PRESS
                    && press->detail == 1 && !pressed)
                    pressed = now;
            } else if (type == XCB_MAP_NOTIFY && pressed) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                const auto area = geometry(map->window);
                if (area && area->width == m_width)
                    return std::pair(*pressed, Shown{map->window, now});
            }
        }
        return std::nullopt;
    }

    // A fingerprint of what the screen shows where `window` is; none when it
    // is gone.
    std::optional<uint64_t> picture(xcb_window_t window)
    {
        const auto area = geometry(window);
        if (!area)
            return std::nullopt;
        std::unique_ptr<xcb_get_image_reply_t, decltype(&free)> image(
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, area->x, area->y,
                                              area->width, area->height, ~0u),
                                nullptr),
            &free);
        if (!image)
            return std::nullopt;
        // FNV-1a over the place, the size and the pixels.
        uint64_t hash = 1469598103934665603ull;
        const auto mix = [&](const uint8_t* bytes, std::size_t size) {
            for (std::size_t i = 0; i < size; ++i)
                hash = (hash ^ bytes[i]) * 1099511628211ull;
        };
        mix(reinterpret_cast<const uint8_t*>(&*area), sizeof(*area));
        mix(xcb_get_image_data(image.get()), static_cast<std::size_t>(xcb_get_image_data_length(image.get())));
        return hash;
    }

    // Waits for the popover's unmap.
    bool waitForUnmap(xcb_window_t window, Clock::duration timeout)
    {
        const auto deadline = Clock::now() + timeout;
        while (Clock::now() < deadline) {
            std::unique_ptr<xcb_generic_event_t, decltype(&free)> event(xcb_poll_for_event(m_connection), &free);
            if (!event) {
                std::this_thread::sleep_for(1ms);
                continue;
            }
            if ((event->response_type & 0x7f) == XCB_UNMAP_NOTIFY
                && reinterpret_cast<xcb_unmap_notify_event_t*>(event.get())->window == window)
                return true;
        }
        return false;
    }

private:
    struct Area {
        int16_t x, y;
        uint16_t width, height;
    };

    std::optional<Area> geometry(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> reply(
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr), &free);
        if (!reply)
            return std::nullopt;
        // Popups are children of the root: their place is in its coordinates.
        return Area{reply->x, reply->y, reply->width, reply->height};
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    uint8_t m_xinputOpcode = 0;
    int m_width;
    bool m_ready = false;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <x> <y> <openings> [popover width = 260]\n", argv[0]);
        return 2;
    }
    const std::string x = argv[1];
    const std::string y = argv[2];
    const int openings = std::atoi(argv[3]);
    const int width = argc > 4 ? std::atoi(argv[4]) : 260;
    Probe probe(width);
    if (!probe.ready()) {
        std::fprintf(stderr, "no X server with XInput 2\n");
        return 1;
    }
    reap(spawn({"xdotool", "mousemove", "--sync", x, y}));
    std::this_thread::sleep_for(300ms);

    std::optional<uint64_t> settled; // the popover as the first opening left it
    for (int opening = 1; opening <= openings; ++opening) {
        const pid_t click = spawn({"xdotool", "click", "1"});
        const auto shown = probe.waitForPressAndMap(5s);
        if (!shown) {
            reap(click);
            std::fprintf(stderr, "opening %d: no popover %d px wide was mapped\n", opening, width);
            return 1;
        }
        const auto [pressedAt, popover] = *shown;
        std::optional<Clock::time_point> paintedAt;
        if (!settled || std::getenv("POPOVER_TRACE")) {
            // Every change seen, until a second goes by without one.
            std::vector<std::pair<Clock::time_point, uint64_t>> seen;
            auto lastChange = Clock::now();
            while (Clock::now() - lastChange < 1s) {
                const auto picture = probe.picture(popover.window);
                const auto now = Clock::now();
                if (picture && (seen.empty() || seen.back().second != *picture)) {
                    seen.emplace_back(now, *picture);
                    lastChange = now;
                }
                std::this_thread::sleep_for(200us);
            }
            if (seen.empty()) {
                std::fprintf(stderr, "opening %d: the popover could not be read\n", opening);
                return 1;
            }
            if (!settled)
                settled = seen.back().second;
            if (std::getenv("POPOVER_TRACE")) {
                std::fprintf(stderr, "opening %d, pictures at (ms):", opening);
                for (const auto& [at, picture] : seen)
                    std::fprintf(stderr, " %.1f%s", msBetween(pressedAt, at), picture == *settled ? "*" : "");
                std::fprintf(stderr, "\n");
            }
            for (const auto& [at, picture] : seen) {
                if (picture == *settled) {
                    paintedAt = at;
                    break;
                }
            }
        } else {
            const auto deadline = Clock::now() + 5s;
            while (!paintedAt && Clock::now() < deadline) {
                if (probe.picture(popover.window) == settled)
                    paintedAt = Clock::now();
                else
                    std::this_thread::sleep_for(200us);
            }
            if (!paintedAt) {
                std::fprintf(stderr, "opening %d: the popover never looked as the first one did\n", opening);
                return 1;
            }
        }
        // Only now: xdotool lingers after its click for its repeat delay.
        reap(click);
        std::printf("%d %.1f %.1f\n", opening, msBetween(pressedAt, popover.mappedAt),
                    msBetween(pressedAt, *paintedAt));
        std::fflush(stdout);

        reap(spawn({"xdotool", "key", "Escape"}));
        if (!probe.waitForUnmap(popover.window, 5s)) {
            std::fprintf(stderr, "opening %d: Escape did not close the popover\n", opening);
            return 1;
        }
        std::this_thread::sleep_for(400ms);
    }
    return 0;
}
