// The texts of the form compiler's errors, printed as they stand.
#pragma once

#include <cstdint>

namespace FormMessage {
constexpr const char *FileNotFound = "file not found";
constexpr const char *OddEnd = "odd END encountered";
constexpr const char *ControlOutsideForm = "control outside of the form";
constexpr const char *EventOutsideDeclaration = "event handler assignment outside of control declaration";
constexpr const char *UnknownEvent = "unknown event";
constexpr const char *UnknownStatement = "unknown statement";
constexpr const char *NestingTooDeep = "nesting too deep";
constexpr const char *FormInsideForm = "form declaration inside the form";
constexpr const char *PropertyOutsideForm = "property assignment outside of the form";
constexpr const char *MissingEnd = "missing END";
constexpr const char *CannotCreateOutput = "cannot create output file";
constexpr const char *CannotWriteOutput = "cannot write output file";
constexpr const char *CannotReadInput = "cannot read input file";
constexpr const char *TooManyLines = "too many lines";
constexpr const char *EventTableMissing = "Required file 'kvf.evt' was not found";
constexpr const char *EventTableBadFormat = "Error reading 'kvf.evt': bad file format";
} // namespace FormMessage

// An error found in a form file: its message and the line it belongs to (0
// when it belongs to none).
struct FormError {
    const char *message;
    int32_t line;
};
