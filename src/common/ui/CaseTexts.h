#pragma once

// Texts of the case entries the input and results screens share: their
// context menu, the file dialogs and the messages.
namespace calvora::case_text {

inline constexpr const char* kOpenCase = "Open case...";
inline constexpr const char* kSaveCase = "Save case...";
inline constexpr const char* kCopyResults = "Copy results";
inline constexpr const char* kOpenTitle = "Open case";
inline constexpr const char* kSaveTitle = "Save case";
inline constexpr const char* kFilter = "Calvora case (*.json)";
inline constexpr const char* kSuffix = "json";
// %1: the file and what is wrong with it.
inline constexpr const char* kCannotOpen = "The case could not be opened:\n%1";
// %1: the file, %2: the system's reason.
inline constexpr const char* kCannotSave = "The case could not be saved to %1:\n%2";

}  // namespace calvora::case_text
