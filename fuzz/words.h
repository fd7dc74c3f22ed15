// Fuzz inputs read as a command line: the bytes split at NUL into words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::string> SplitWords(const uint8_t* data, size_t size) {
    std::vector<std::string> words(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) words.emplace_back();
        else words.back() += static_cast<char>(data[i]);
    }
    return words;
}

// A refused command line says so in exactly one line (more only when a word
// itself holds a line end); an accepted one says nothing.
inline bool OneErrorLine(const std::vector<std::string>& words, bool accepted, const std::string& err) {
    if (accepted) return err.empty();
    if (err.empty() || err.back() != '\n') return false;
    for (const std::string& w : words)
        if (w.find('\n') != std::string::npos) return true;
    return err.find('\n') == err.size() - 1;
}
