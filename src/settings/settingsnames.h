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
// Holds a notation's key ("rgb", "flutter", ...) when the standard notation is one of the later
// ones, which FormatIndex then holds as 0: earlier versions restore every default when FormatIndex
// is beyond 11.
inline constexpr char cssFormatValueName[] = "CssFormat";
// The notations starred in the All Notations window, in order: a comma-separated list of
// CssFormat keys, and of list rows for the notations that have none.
inline constexpr char starredFormatsValueName[] = "StarredFormats";
// The side of the square a screen pick averages: "1", "3", "5", "9" or "15"; any other text
// means a single pixel and never restores the settings.
inline constexpr char sampleSizeValueName[] = "SampleSize";
// Where the main window was when the program last closed (see windowgeometry.h); not one of the
// settings: nothing in it ever restores them.
inline constexpr char windowGeometryValueName[] = "WindowGeometry";

} // namespace tincta
