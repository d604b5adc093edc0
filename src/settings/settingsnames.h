#pragma once

namespace tincta {

// Where the program keeps its settings, below HKEY_CURRENT_USER.
inline constexpr char programKeyPath[] = "Software\\Quillmere\\Tincta 2005";

// The stored value names.
inline constexpr char customFormatValueName[] = "CustomFormat";
inline constexpr char formatIndexValueName[] = "FormatIndex";
inline constexpr char sortIndexValueName[] = "SortIndex";
inline constexpr char promptToSaveValueName[] = "PromptToSave";
inline constexpr char standardFolderValueName[] = "StandardFolder";
// Holds "rgb", "hsl" or "oklch" when the standard notation is a CSS one, which FormatIndex then
// holds as 0: earlier versions restore every default when FormatIndex is beyond 11.
inline constexpr char cssFormatValueName[] = "CssFormat";

} // namespace tincta
