// Filling the record's fixed-capacity texts (MO, Li, BU ...) piece by piece,
// never past their end.
#pragma once

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

// A zero-terminated text buffer of the record, filled piece by piece and
// never past its end.
class RecordText {
public:
    template <size_t N>
    explicit RecordText(char (&buffer)[N]) : text_(buffer), size_(N) {
        text_[0] = '\0';
    }

    [[gnu::format(printf, 2, 3)]] RecordText& Format(const char* format, ...) {
        if (used_ + 1 >= size_) return *this;
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(text_ + used_, size_ - used_, format, args);
        va_end(args);
        if (n > 0) used_ = std::min(size_ - 1, used_ + static_cast<size_t>(n));
        return *this;
    }

    // Verbatim: a "%" in `s` is an ordinary character.
    RecordText& Add(std::string_view s) {
        const size_t n = std::min(s.size(), size_ - 1 - used_);
        if (n > 0) std::memcpy(text_ + used_, s.data(), n);
        used_ += n;
        text_[used_] = '\0';
        return *this;
    }

    // `value` in `base` (10 or 16, upper-case digits), with at least
    // `minDigits` digits: what "%0<minDigits>u" or "%0<minDigits>X" print,
    // without the cost of a format.
    RecordText& Number(uint32_t value, unsigned base, int minDigits) {
        char digits[12];
        int n = 0;
        do {
            digits[n++] = "0123456789ABCDEF"[value % base];
            value /= base;
        } while (value != 0);
        while (n < minDigits && n < static_cast<int>(sizeof digits)) digits[n++] = '0';
        char text[12];
        for (int k = 0; k < n; ++k) text[k] = digits[n - 1 - k];
        return Add(std::string_view(text, static_cast<size_t>(n)));
    }

private:
    char* text_;
    size_t size_;
    size_t used_ = 0;
};
