#pragma once

#include <array>

namespace tincta {

// The sizes, in device pixels, at which the build draws each of the program's SVG icons: the
// toolbar's 22, the sort buttons' 16 and the about picture's 48 at scales 1, 1.25, 1.5 and 2,
// and the sizes window systems ask for a window's icon. Any other size is scaled down from the
// next larger one.
inline constexpr std::array renderedIconSizes{16, 20, 22, 24, 28, 32, 33, 40,
                                              44, 48, 60, 64, 72, 96, 128};

} // namespace tincta
