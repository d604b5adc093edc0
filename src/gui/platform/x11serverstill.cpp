#include "gui/platform/serverstill.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <optional>
#include <xcb/xcb.h>

namespace tincta {

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_connection_t* x11Connection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

bool failed(xcb_connection_t* connection, xcb_void_cookie_t request) {
    return owned(xcb_request_check(connection, request)) != nullptr;
}

constexpr std::uint8_t stillDepth = 24;

const xcb_visualtype_t* rootVisual(const xcb_screen_t& root) {
    for (auto depth = xcb_screen_allowed_depths_iterator(&root); depth.rem != 0;
         xcb_depth_next(&depth)) {
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem != 0;
             xcb_visualtype_next(&visual)) {
            if (visual.data->visual_id == root.root_visual)
                return visual.data;
        }
    }
    return nullptr;
}

// The one layout read without converting a pixel: 24-bit true colour at four bytes a pixel in
// the host's byte order, as QImage keeps RGB32. Other servers get the program's own read.
bool readsDirectly(const xcb_setup_t& setup, const xcb_screen_t& root) {
    const auto hostOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian
                               ? XCB_IMAGE_ORDER_LSB_FIRST
                               : XCB_IMAGE_ORDER_MSB_FIRST;
    if (root.root_depth != stillDepth || setup.image_byte_order != hostOrder)
        return false;
    bool fourBytes = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(&setup); format.rem != 0;
         xcb_format_next(&format)) {
        if (format.data->depth == stillDepth)
            fourBytes = format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
    }
    const xcb_visualtype_t* visual = rootVisual(root);
    return fourBytes && visual != nullptr && visual->red_mask == 0xff0000 &&
           visual->green_mask == 0xff00 && visual->blue_mask == 0xff;
}

// Where the screen lies in the server's pixels. Qt keeps a screen's origin in device pixels and
// divides only its size by the scale; a size that does not divide evenly is taken from the root
// window when the screen is the whole of it, and is left to the program's own read otherwise.
std::optional<QRect> devicePlace(const QScreen& screen, const xcb_screen_t& root) {
    const QRect whole(0, 0, root.width_in_pixels, root.height_in_pixels);
    const QSizeF scaled = QSizeF(screen.geometry().size()) * screen.devicePixelRatio();
    const QSize rounded = scaled.toSize();
    const QSize off = rounded - whole.size();
    if (screen.geometry().topLeft().isNull() && qAbs(off.width()) <= 1 && qAbs(off.height()) <= 1)
        return whole;
    const QRect place(screen.geometry().topLeft(), rounded);
    const bool even = qAbs(scaled.width() - rounded.width()) < 0.01 &&
                      qAbs(scaled.height() - rounded.height()) < 0.01;
    if (!even || !whole.contains(place))
        return std::nullopt;
    return place;
}

class X11ServerStill final : public ServerStill {
public:
    X11ServerStill(xcb_connection_t* connection, xcb_pixmap_t pixmap, QSize size)
        : m_connection(connection), m_pixmap(pixmap), m_size(size) {}

    ~X11ServerStill() override {
        // A still outliving the connection went with it.
        if (x11Connection() == m_connection)
            xcb_free_pixmap(m_connection, m_pixmap);
    }

    bool becomeBackgroundOf(WId window) override {
        const auto drawable = static_cast<xcb_window_t>(window);
        const auto geometry = owned(xcb_get_geometry_reply(
            m_connection, xcb_get_geometry(m_connection, drawable), nullptr));
        // A background must be as deep as its window.
        if (geometry == nullptr || geometry->depth != stillDepth)
            return false;
        const std::uint32_t background[] = {m_pixmap};
        return !failed(m_connection, xcb_change_window_attributes_checked(
                                         m_connection, drawable, XCB_CW_BACK_PIXMAP, background));
    }

    const QImage& pixels() override {
        if (!m_read) {
            m_read = true;
            m_pixels = read(QRect(QPoint(0, 0), m_size));
        }
        return m_pixels;
    }

    QImage pixelsIn(const QRect& area) override {
        return m_read ? m_pixels.copy(area) : read(area);
    }

    QSize size() const override { return m_size; }

private:
    // The reply becomes the image's memory: a whole screen is not copied once more.
    QImage read(const QRect& area) const {
        xcb_get_image_reply_t* reply = xcb_get_image_reply(
            m_connection,
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_pixmap, std::int16_t(area.x()),
                          std::int16_t(area.y()), std::uint16_t(area.width()),
                          std::uint16_t(area.height()), ~0U),
            nullptr);
        const qsizetype count = qsizetype(area.width()) * area.height();
        if (reply == nullptr || xcb_get_image_data_length(reply) < count * 4) {
            std::free(reply);
            return {};
        }
        // The fourth byte of each pixel is padding to the server; RGB32 wants it full.
        auto* pixel = reinterpret_cast<std::uint32_t*>(xcb_get_image_data(reply));
        for (qsizetype index = 0; index < count; ++index)
            pixel[index] |= 0xff000000U;
        return QImage(reinterpret_cast<uchar*>(pixel), area.width(), area.height(),
                      qsizetype(area.width()) * 4, QImage::Format_RGB32, &std::free, reply);
    }

    xcb_connection_t* m_connection;
    xcb_pixmap_t m_pixmap;
    QSize m_size;
    bool m_read = false;
    QImage m_pixels;
};

} // namespace

std::shared_ptr<ServerStill> takeServerStill(const QScreen& screen) {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr)
        return nullptr;
    const xcb_setup_t& setup = *xcb_get_setup(connection);
    const xcb_screen_iterator_t roots = xcb_setup_roots_iterator(&setup);
    // Several X screens each have a root of their own; which one Qt shows is not told here.
    if (roots.rem != 1 || !readsDirectly(setup, *roots.data))
        return nullptr;
    const xcb_screen_t& root = *roots.data;
    const std::optional<QRect> place = devicePlace(screen, root);
    if (!place || place->isEmpty())
        return nullptr;
    const xcb_pixmap_t pixmap = xcb_generate_id(connection);
    if (failed(connection, xcb_create_pixmap_checked(connection, stillDepth, pixmap, root.root,
                                                     std::uint16_t(place->width()),
                                                     std::uint16_t(place->height()))))
        return nullptr;
    // Windows above the root are what the user sees, so they are part of the copy.
    const xcb_gcontext_t context = xcb_generate_id(connection);
    const std::uint32_t includeInferiors[] = {XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS};
    xcb_create_gc(connection, context, pixmap, XCB_GC_SUBWINDOW_MODE, includeInferiors);
    const bool copied = !failed(connection, xcb_copy_area_checked(connection, root.root, pixmap,
                                                                  context, std::int16_t(place->x()),
                                                                  std::int16_t(place->y()), 0, 0,
                                                                  std::uint16_t(place->width()),
                                                                  std::uint16_t(place->height())));
    xcb_free_gc(connection, context);
    if (!copied) {
        xcb_free_pixmap(connection, pixmap);
        return nullptr;
    }
    return std::make_shared<X11ServerStill>(connection, pixmap, place->size());
}

} // namespace tincta
