// The framed banners of the trace: a line of "*" as long as the message, the
// message, framed lines that end in "***" in the star lines' last column, and
// the stars again.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Writes `text` verbatim.
inline void Put(std::FILE* out, std::string_view text) { std::fwrite(text.data(), 1, text.size(), out); }

class Banner {
public:
    explicit Banner(std::string message) : message_(std::move(message)) {}

    // The star line and the message.
    void Open(std::FILE* out) const {
        Stars(out);
        Put(out, message_);
        Put(out, "\n");
    }

    // `content` padded with spaces so that the "***" after it ends under the
    // last star (nothing added when it is already as wide).
    void Framed(std::FILE* out, std::string_view content) const {
        Put(out, content);
        for (size_t n = content.size() + 3; n < message_.size(); ++n) Put(out, " ");
        Put(out, "***\n");
    }

    void Blank(std::FILE* out) const { Framed(out, "***"); }

    void Close(std::FILE* out) const { Stars(out); }

    // A banner of its message alone: stars, message, stars.
    void Write(std::FILE* out) const {
        Open(out);
        Close(out);
    }

private:
    void Stars(std::FILE* out) const {
        Put(out, std::string(message_.size(), '*'));
        Put(out, "\n");
    }

    std::string message_;
};
