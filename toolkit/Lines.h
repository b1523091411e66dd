#pragma once
// Text files as lines, with the string list's rules.
#include <string>
#include <vector>

// Cuts data into lines. The data ends at its first NUL byte. A line runs up to
// the next CR, LF or the end; after it one CR and then one LF are skipped. So
// CR LF, a lone CR and a lone LF each end one line, LF CR ends a line and then
// an empty one, a last line without a line end still counts, and a line end at
// the very end starts no further line.
std::vector<std::string> SplitLines(const std::string& data);

// Every line followed by CR LF, the last one included.
std::string JoinLines(const std::vector<std::string>& lines);
