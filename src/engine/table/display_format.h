#pragma once

#include <string>
#include <string_view>

#include "engine/table/table.h"

namespace quillux::engine {

// A number written through a Delphi-style display pattern ("#.##' W'", "0.# A", "#.#",
// "Total: #.# Kg"): the value is rounded (halves away from zero) to as many decimals as the
// pattern has places after "."; "#" is a digit shown only when significant, "0" a digit
// always shown, "." the decimal separator (left out when no decimal digit follows), quoted
// text ('...' or "...") and any other character are copied as they stand. So "#.##" shows
// 0.5 as ".5" and 0 as nothing at all, "0.# A" shows 0 as "0 A".
// Up to three sections split by ";" give the patterns for positive, negative and zero
// values; with one section a negative value gets a leading "-".
std::string FormatDisplayPattern(double value, std::string_view pattern,
                                 std::string_view decimalSeparator = ".");

// Text of a field value as grids and reports show it: the field's display format for
// numbers when it has one, otherwise the shortest form (FormatFloatValue general 15 0) with
// the given separator; "True"/"False" for Booleans; "" for null and pictures.
std::string DisplayText(const FieldDef& field, const Value& value,
                        std::string_view decimalSeparator = ".");

// Text put in an editor: the field's edit format when it has one, otherwise the shortest
// form; texts as they are.
std::string EditText(const FieldDef& field, const Value& value,
                     std::string_view decimalSeparator = ".");

}  // namespace quillux::engine
