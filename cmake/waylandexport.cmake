# A portal's dialogs stand over the window that asked only when the window names itself; on
# Wayland that name comes from exporting the window with the xdg-foreign protocol. Built where
# wayland-client, the protocol's description, wayland-scanner and Qt's native interface (private
# headers) are all there; elsewhere the portal is asked without a parent window and places its
# dialogs on its own.
set(TINCTA_WAYLAND_EXPORT OFF)
if(UNIX AND NOT APPLE)
    find_package(PkgConfig QUIET)
    if(PkgConfig_FOUND)
        pkg_check_modules(WAYLAND_CLIENT QUIET IMPORTED_TARGET wayland-client)
        pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
        pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
    endif()
    set(XDG_FOREIGN_XML "${WAYLAND_PROTOCOLS_DIR}/unstable/xdg-foreign/xdg-foreign-unstable-v2.xml")
    find_file(QT_NATIVE_INTERFACE_HEADER qpa/qplatformnativeinterface.h
              PATHS ${Qt6Gui_PRIVATE_INCLUDE_DIRS} NO_DEFAULT_PATH)
    if(WAYLAND_CLIENT_FOUND AND WAYLAND_SCANNER AND WAYLAND_PROTOCOLS_DIR
       AND EXISTS "${XDG_FOREIGN_XML}" AND QT_NATIVE_INTERFACE_HEADER)
        set(TINCTA_WAYLAND_EXPORT ON)
        # Where wayland-scanner writes the protocol's client header and interfaces.
        set(XDG_FOREIGN_DIR "${CMAKE_BINARY_DIR}/xdg-foreign")
        set(XDG_FOREIGN_CODE "${XDG_FOREIGN_DIR}/xdg-foreign-unstable-v2")
        file(MAKE_DIRECTORY "${XDG_FOREIGN_DIR}")
        # wayland-scanner writes the protocol's interfaces in C.
        enable_language(C)
    endif()
endif()
message(STATUS "Wayland window export for the portals: ${TINCTA_WAYLAND_EXPORT}")
