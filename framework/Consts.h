// The framework's message texts, in one place so that every error says the same thing.
#pragma once

// Conversions and formatting.
inline constexpr const char* SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* SInvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* SArgumentMissing = "No argument for format '%s'";
inline constexpr const char* SRangeError = "Range check error";
inline constexpr const char* SOperationAborted = "Operation aborted";
inline constexpr const char* SAssignError = "Cannot assign a %s to a %s";

// Lists.
inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
inline constexpr const char* SSortedListError = "Operation not allowed on sorted list";
inline constexpr const char* SDuplicateString = "String list does not allow duplicates";

// Components.
inline constexpr const char* SDuplicateName = "A component named %s already exists";
inline constexpr const char* SInvalidName = "'%s' is not a valid component name";
inline constexpr const char* SOwnCycle = "A component cannot own itself or its owner";

// Menus.
inline constexpr const char* SMenuIndexError = "Menu index out of range";
inline constexpr const char* SMenuReinserted = "Menu inserted twice";
inline constexpr const char* SMenuInsertsItself = "A menu item cannot hold itself";

// Files and streams.
inline constexpr const char* SIniFileWriteError = "Unable to write to %s";
inline constexpr const char* SFOpenErrorEx = "Cannot open file \"%s\". %s";
inline constexpr const char* SFCreateErrorEx = "Cannot create file \"%s\". %s";
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";

// Graphics.
inline constexpr const char* SWindowTooLarge = "Not enough memory to show a window of %d × %d pixels";
inline constexpr const char* SNoCanvasHandle = "Canvas does not allow drawing";
inline constexpr const char* SInvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* SInvalidJpeg = "JPEG image is not valid";
inline constexpr const char* SScanLine = "Scan line index out of range";
inline constexpr const char* SUnknownExtension = "Unknown picture file extension (.%s)";

// Image lists.
inline constexpr const char* SInvalidImageSize = "Invalid image size";
inline constexpr const char* SImageIndexError = "Invalid image list index (%d)";
