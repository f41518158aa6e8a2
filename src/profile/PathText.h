#pragma once

#include <filesystem>
#include <string>

// Paths held as UTF-16 text (in records and in the macro index) and back. Neither direction
// throws: file-system bytes that are not UTF-8 travel as lone surrogates U+DC80 … U+DCFF and come
// back as the same bytes; any other lone surrogate becomes U+FFFD.
std::filesystem::path PathFromUtf16(const std::u16string& text);
std::u16string Utf16FromPath(const std::filesystem::path& path);
