#pragma once

// The words of the case files' and the command line's messages. A whole
// message names the file, then the key, then the fault:
//   dp.json: inputs.innerMassFlow: "12 kg" cannot be converted to "kg/s"

namespace calvora::cases {

// Units.
inline constexpr const char* kUnitsDatabaseMissing = "the units database could not be read";
inline constexpr const char* kUnknownUnit = " is not a unit";
inline constexpr const char* kWrongDimension = " cannot be converted to ";
inline constexpr const char* kPureNumber = "a pure number (this entry has no unit)";
inline constexpr const char* kNotANumber = " is not a number (or a number, a blank and a unit)";
inline constexpr const char* kTooLarge = "the value is too large";

// The file as a whole.
inline constexpr const char* kCannotOpen = "cannot be opened";
inline constexpr const char* kTooBig = "is larger than 1 MB, too large for a case file";
inline constexpr const char* kNotJson = "is not a JSON case file";
inline constexpr const char* kNotAnObject = "does not hold a JSON object";
inline constexpr const char* kNotCaseFormat = "is not \"calvora-case\"";
inline constexpr const char* kLaterVersion = "is not 1: written by a later version of the program";
inline constexpr const char* kUnknownKind =
    "is not one of thermal, double-pipe, cross-flow, shell-and-tube, compact";
inline constexpr const char* kOtherKind = "is a case of another kind: ";
inline constexpr const char* kMissing = "is missing";
inline constexpr const char* kUnknownKey = "is not a key of this kind of case";
inline constexpr const char* kCannotSave = "cannot be written";

// Values.
inline constexpr const char* kWantText = "must be a number, or a text with a number and a unit";
inline constexpr const char* kWantChoice = "must be one of: ";
inline constexpr const char* kWantCheck = "must be true or false";
inline constexpr const char* kWantObject = "must be an object of keys and values";
inline constexpr const char* kWantNumber = "must be a number";
inline constexpr const char* kWantString = "must be a text";
inline constexpr const char* kWantSymbols = "must be a list of these symbols: ";
inline constexpr const char* kTwice = "names a symbol twice";
inline constexpr const char* kNotFinite = "is too large for a number";

}  // namespace calvora::cases
