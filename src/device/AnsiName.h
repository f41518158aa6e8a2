#pragma once

#include <string>

// A text in Windows-1252, the code page the mouse's name field was made for: "?" for each
// character it lacks, cut to at most maxBytes bytes.
std::string ToWindows1252(const std::u16string& text, std::size_t maxBytes);
