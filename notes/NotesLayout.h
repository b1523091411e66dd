#pragma once
// The layouts of the two notes files: the memo's whole text, and the travel
// record's 21 fields one a line. Both are Shift-JIS bytes with CR LF line ends.
#include <array>
#include <string>

inline constexpr const char* MemoFilePath = "C:\\Windows\\HRVmemo1.txt";
inline constexpr const char* TravelFilePath = "C:\\Windows\\HRVmemo2.txt";

constexpr int TravelFieldCount = 21;
using TravelFields = std::array<std::string, TravelFieldCount>;

// A new memo file: one empty line.
std::string DefaultMemoFile();
// A new travel record file: 21 empty lines.
std::string DefaultTravelFile();

// The memo's text: every line of the file followed by CR LF.
std::string MemoFromFile(const std::string& data);
// The file for a memo text: the text, ended by one CR LF unless it already
// ends with one, so that a memo read and written back keeps its bytes.
std::string MemoFile(const std::string& memo);

// The 21 fields from lines 1 to 21 of the file; missing lines are empty
// fields and lines after the 21st are dropped.
TravelFields TravelFromFile(const std::string& data);
// The file for the fields: exactly 21 lines.
std::string TravelFile(const TravelFields& fields);
