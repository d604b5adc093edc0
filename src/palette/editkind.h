#pragma once

#include <cstddef>

namespace tincta {

// How an undo step came about, as the Edit menu names it.
enum class EditKind {
    ColourChange,
    NameChange,
    Paste,
    Import,
    FindJavaScriptNames,
};
inline constexpr std::size_t editKindCount =
    static_cast<std::size_t>(EditKind::FindJavaScriptNames) + 1;

} // namespace tincta
