#!/usr/bin/env python3
"""Writes src/colour/tailwindpalette.h from the default theme of the tailwindcss npm package.

    npm install tailwindcss@4 && python3 scripts/make-tailwind-palette.py \
        node_modules/tailwindcss/theme.css > src/colour/tailwindpalette.h
"""

import json
import re
import sys

theme_path = sys.argv[1]
with open(theme_path, encoding="utf-8") as theme:
    text = theme.read()
version = "unknown"
try:
    with open(theme_path.replace("theme.css", "package.json"), encoding="utf-8") as package:
        version = json.load(package)["version"]
except OSError:
    pass

rows = []
for name, lightness, chroma, hue in re.findall(
        r"--color-([a-z]+-\d+):\s*oklch\(([\d.]+)%\s+([\d.]+)\s+([\d.]+|none)\);", text):
    # A grey's hue is "none"; its chroma is 0, so any hue stands for it.
    hue = "0" if hue == "none" else hue
    rows.append(f'    {{"{name}", {float(lightness) / 100:.6g}, {chroma}, {hue}}},')
# Black and white are written as hex in the theme; both are greys of chroma 0.
rows.append('    {"black", 0.0, 0.0, 0.0},')
rows.append('    {"white", 1.0, 0.0, 0.0},')

print(f"""#pragma once

// The default colour palette of Tailwind CSS {version}, as its theme.css in the tailwindcss npm
// package defines it: each class stem with its OKLCH lightness (0..1), chroma and hue. Made by
// scripts/make-tailwind-palette.py; do not edit by hand.

#include <array>

namespace tincta {{

struct TailwindColour {{
    const char* stem;
    double lightness;
    double chroma;
    double hue;
}};

// clang-format off
inline constexpr std::array<TailwindColour, {len(rows)}> tailwindPalette{{{{
{chr(10).join(rows)}
}}}};
// clang-format on

}} // namespace tincta""")
