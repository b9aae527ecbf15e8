// SPDX-License-Identifier: MIT
/* A weston module for the end-to-end tests: a seat with a keyboard and a
 * pointer whose input comes from the test driver. weston's headless backend has
 * no input devices at all, so without it no window would ever get the keyboard
 * focus, and no key or click could reach the program under test.
 *
 *   weston --backend=headless-backend.so --modules=/path/weston_test_input.so
 *
 * The module listens on the UNIX socket named by ERAKON_TEST_INPUT_SOCKET. Each
 * line on a connection is one command; each is answered with "ok" or "error ..."
 * once weston has handled it:
 *
 *   key CODE 1|0          press or release a key (a Linux input event code)
 *   motion X Y            move the pointer to X,Y in the compositor's space
 *   button CODE 1|0       press or release a pointer button (BTN_LEFT is 272)
 *   axis STEPS            turn the vertical wheel (positive: down)
 *
 * Key events go through weston's own keymap (evdev rules, pc105, us), so the
 * client receives real wl_keyboard events with the modifiers that were pressed.
 */

#define _GNU_SOURCE /* accept4 */
#include <errno.h>
#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <libweston/libweston.h>
#include <wayland-server-core.h>

/* Exported by libweston 10 but declared only in its private headers. */
void weston_seat_init(struct weston_seat *seat, struct weston_compositor *compositor, const char *name);
int weston_seat_init_pointer(struct weston_seat *seat);
int weston_seat_init_keyboard(struct weston_seat *seat, struct xkb_keymap *keymap);
void weston_seat_release(struct weston_seat *seat);
void notify_key(struct weston_seat *seat, const struct timespec *time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);
void notify_motion_absolute(struct weston_seat *seat, const struct timespec *time, double x, double y);
void notify_button(struct weston_seat *seat, const struct timespec *time, int32_t button,
                   enum wl_pointer_button_state state);
void notify_axis(struct weston_seat *seat, const struct timespec *time, struct weston_pointer_axis_event *event);
void notify_pointer_frame(struct weston_seat *seat);

int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[]);

#define LINE_MAX_LENGTH 256
/* One wheel notch, in the units of wl_pointer.axis. */
#define WHEEL_STEP 10.0

struct test_input {
    struct weston_compositor *compositor;
    struct weston_seat seat;
    int listen_fd;
    struct wl_event_source *listen_source;
    struct wl_listener destroy_listener;
    char socket_path[sizeof(((struct sockaddr_un *)0)->sun_path)];
};

struct connection {
    struct test_input *input;
    int fd;
    struct wl_event_source *source;
    char buffer[LINE_MAX_LENGTH];
    size_t length;
};

static void reply(struct connection *connection, const char *text)
{
    size_t left = strlen(text);
    while (left > 0) {
        ssize_t written = write(connection->fd, text, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text += written;
        left -= (size_t)written;
    }
}

static bool run_command(struct test_input *input, const char *line)
{
    struct timespec now;
    weston_compositor_get_time(&now);
    unsigned code;
    int pressed;
    double x, y, steps;

    if (sscanf(line, "key %u %d", &code, &pressed) == 2) {
        notify_key(&input->seat, &now, code,
                   pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED,
                   STATE_UPDATE_AUTOMATIC);
        return true;
    }
    if (sscanf(line, "motion %lf %lf", &x, &y) == 2) {
        notify_motion_absolute(&input->seat, &now, x, y);
        notify_pointer_frame(&input->seat);
        return true;
    }
    if (sscanf(line, "button %u %d", &code, &pressed) == 2) {
        notify_button(&input->seat, &now, (int32_t)code,
                      pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        notify_pointer_frame(&input->seat);
        return true;
    }
    if (sscanf(line, "axis %lf", &steps) == 1) {
        struct weston_pointer_axis_event event = {
            .axis = WL_POINTER_AXIS_VERTICAL_SCROLL,
            .value = steps * WHEEL_STEP,
            .has_discrete = true,
            .discrete = (int32_t)steps,
        };
        notify_axis(&input->seat, &now, &event);
        notify_pointer_frame(&input->seat);
        return true;
    }
    return false;
}

static void close_connection(struct connection *connection)
{
    wl_event_source_remove(connection->source);
    close(connection->fd);
    free(connection);
}

static int on_connection_data(int fd, uint32_t mask, void *data)
{
    struct connection *connection = data;
    if (mask & (WL_EVENT_HANGUP | WL_EVENT_ERROR)) {
        close_connection(connection);
        return 0;
    }
    ssize_t got = read(fd, connection->buffer + connection->length,
                       sizeof connection->buffer - 1 - connection->length);
    if (got < 0 && errno == EINTR)
        return 0;
    if (got <= 0) {
        close_connection(connection);
        return 0;
    }
    connection->length += (size_t)got;
    connection->buffer[connection->length] = '\0';

    char *line = connection->buffer;
    char *end;
    while ((end = strchr(line, '\n')) != NULL) {
        *end = '\0';
        reply(connection, run_command(connection->input, line) ? "ok\n" : "error unknown command\n");
        line = end + 1;
    }
    size_t rest = connection->length - (size_t)(line - connection->buffer);
    if (rest == sizeof connection->buffer - 1) {
        /* A line longer than any command: drop it and say so. */
        reply(connection, "error line too long\n");
        rest = 0;
    }
    memmove(connection->buffer, line, rest);
    connection->length = rest;
    return 0;
}

static int on_new_connection(int fd, uint32_t mask, void *data)
{
    struct test_input *input = data;
    (void)mask;
    int client = accept4(fd, NULL, NULL, SOCK_CLOEXEC);
    if (client < 0)
        return 0;
    struct connection *connection = calloc(1, sizeof *connection);
    if (!connection) {
        close(client);
        return 0;
    }
    connection->input = input;
    connection->fd = client;
    connection->source = wl_event_loop_add_fd(wl_display_get_event_loop(input->compositor->wl_display), client,
                                              WL_EVENT_READABLE, on_connection_data, connection);
    if (!connection->source) {
        close(client);
        free(connection);
    }
    return 0;
}

static void on_compositor_destroy(struct wl_listener *listener, void *data)
{
    struct test_input *input = wl_container_of(listener, input, destroy_listener);
    (void)data;
    wl_list_remove(&input->destroy_listener.link);
    wl_event_source_remove(input->listen_source);
    close(input->listen_fd);
    unlink(input->socket_path);
    weston_seat_release(&input->seat);
    free(input);
}

static int listen_on(const char *path)
{
    struct sockaddr_un address = {.sun_family = AF_UNIX};
    if (strlen(path) >= sizeof address.sun_path)
        return -1;
    strcpy(address.sun_path, path);
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    unlink(path);
    if (bind(fd, (struct sockaddr *)&address, sizeof address) < 0 || listen(fd, 4) < 0) {
        close(fd);
        return -1;
    }
    return fd;
}

WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[])
{
    (void)argc;
    (void)argv;
    const char *path = getenv("ERAKON_TEST_INPUT_SOCKET");
    if (!path || !*path) {
        weston_log("weston_test_input: ERAKON_TEST_INPUT_SOCKET is not set\n");
        return -1;
    }
    struct test_input *input = calloc(1, sizeof *input);
    if (!input)
        return -1;
    input->compositor = compositor;
    snprintf(input->socket_path, sizeof input->socket_path, "%s", path);
    input->listen_fd = listen_on(path);
    if (input->listen_fd < 0) {
        weston_log("weston_test_input: cannot listen on %s: %s\n", path, strerror(errno));
        free(input);
        return -1;
    }

    /* Made before any client maps a window, so that the shell gives the first
     * window this seat's keyboard focus as a desktop does. */
    weston_seat_init(&input->seat, compositor, "test-input");
    if (weston_seat_init_pointer(&input->seat) < 0 || weston_seat_init_keyboard(&input->seat, NULL) < 0) {
        weston_log("weston_test_input: cannot make the seat's devices\n");
        weston_seat_release(&input->seat);
        close(input->listen_fd);
        unlink(path);
        free(input);
        return -1;
    }

    input->listen_source = wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), input->listen_fd,
                                                WL_EVENT_READABLE, on_new_connection, input);
    input->destroy_listener.notify = on_compositor_destroy;
    wl_signal_add(&compositor->destroy_signal, &input->destroy_listener);
    weston_log("weston_test_input: listening on %s\n", path);
    return 0;
}
