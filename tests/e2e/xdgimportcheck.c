/* Tells whether a handle names a window that some client has exported on this Wayland desktop:
 * imports it with xdg-foreign, whose compositor drops the import at once for a handle it does
 * not know.
 *
 * Usage: xdg_import_check WAYLAND_SOCKET HANDLE
 * Exits 0 for a live export, 1 for an unknown handle, 2 where it cannot ask. */

#include "xdg-foreign-unstable-v2-client-protocol.h"

#include <stdio.h>
#include <string.h>
#include <wayland-client.h>

static struct zxdg_importer_v2* importer;
static int dropped;

static void on_global(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
    (void)data;
    (void)version;
    if (importer == NULL && strcmp(interface, zxdg_importer_v2_interface.name) == 0)
        importer = wl_registry_bind(registry, name, &zxdg_importer_v2_interface, 1);
}

static void on_global_removed(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static void on_dropped(void* data, struct zxdg_imported_v2* imported) {
    (void)data;
    (void)imported;
    dropped = 1;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: xdg_import_check WAYLAND_SOCKET HANDLE\n");
        return 2;
    }
    struct wl_display* display = wl_display_connect(argv[1]);
    if (display == NULL) {
        fprintf(stderr, "cannot connect to %s\n", argv[1]);
        return 2;
    }
    static const struct wl_registry_listener registry_listener = {on_global, on_global_removed};
    wl_registry_add_listener(wl_display_get_registry(display), &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (importer == NULL) {
        fprintf(stderr, "the compositor imports no windows\n");
        return 2;
    }
    static const struct zxdg_imported_v2_listener imported_listener = {on_dropped};
    zxdg_imported_v2_add_listener(zxdg_importer_v2_import_toplevel(importer, argv[2]),
                                  &imported_listener, NULL);
    if (wl_display_roundtrip(display) < 0) {
        fprintf(stderr, "the connection failed\n");
        return 2;
    }
    printf("%s\n", dropped ? "unknown" : "exported");
    wl_display_disconnect(display);
    return dropped ? 1 : 0;
}
