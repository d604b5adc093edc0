#pragma once

#include <cstdint>

namespace tincta {

// One colour: each channel 0..255.
struct Colour {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

// red + 256 * green + 65536 * blue (0x00BBGGRR): the form in which colours are compared with the
// tables, read from the screen and written in the Access and .NET OLE/Win32 notations.
using PackedColour = std::uint32_t;

constexpr PackedColour pack(int red, int green, int blue) {
    return static_cast<PackedColour>(red) + 256u * static_cast<PackedColour>(green) +
           65536u * static_cast<PackedColour>(blue);
}

constexpr PackedColour pack(const Colour& colour) {
    return pack(colour.red, colour.green, colour.blue);
}

constexpr Colour unpack(PackedColour value) {
    return Colour{static_cast<std::int32_t>(value % 256u),
                  static_cast<std::int32_t>((value / 256u) % 256u),
                  static_cast<std::int32_t>((value / 65536u) % 256u)};
}

} // namespace tincta
