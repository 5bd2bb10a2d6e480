// Small text helpers of the readers of text formats (BrainVision header and markers, layout
// files, the EDF header's fields, channel labels): trimming, comparing without case,
// strict numbers, and reading a whole text file with an upper bound on its size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

std::string trimmed(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The whole of `text` (surrounding blanks ignored) as a finite number / whole number.
std::optional<double> numberOf(std::string_view text);
std::optional<std::int64_t> integerOf(std::string_view text);

// The file's bytes; RecordingError(path, "", why) when it cannot be read or is larger
// than `maxBytes`.
std::string readTextFile(const std::string& path, std::uintmax_t maxBytes);
