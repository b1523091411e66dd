#pragma once
// Text helpers over Shift-JIS byte strings: positions and lengths count bytes.
#include <string>

// Characters index .. index + count - 1 of text, counted from 1. Past the end of
// the text it gives only what is there, possibly nothing.
std::string Copy(const std::string& text, int index, int count);

// The text the error display shows for a message: a full stop is appended when
// the message's last byte sorts above "." (a letter, a digit or a Japanese
// character), so a sentence is never left open and never ends in two stops.
std::string ErrorDisplayText(const std::string& message);
