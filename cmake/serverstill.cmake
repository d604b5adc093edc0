# A pick on X11 shows the still image of the screen as soon as its window maps: the display
# server copies the screen into a pixmap of its own and paints it as the window's background,
# before the program has read a pixel. Built where libxcb's headers are; elsewhere the still
# image is read first and drawn by the program.
set(TINCTA_SERVER_STILL OFF)
if(UNIX AND NOT APPLE)
    find_package(PkgConfig QUIET)
    if(PkgConfig_FOUND)
        pkg_check_modules(XCB QUIET IMPORTED_TARGET xcb)
    endif()
    if(XCB_FOUND)
        set(TINCTA_SERVER_STILL ON)
    endif()
endif()
message(STATUS "Still images kept by the X server: ${TINCTA_SERVER_STILL}")
