#include "gbk_codec.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <memory>
#include <vector>

namespace {

constexpr char16_t cr_picture = 0x240D;
constexpr char16_t lf_picture = 0x240A;
constexpr char16_t nul_picture = 0x2400;
constexpr char16_t paragraph_separator = 0x2029;
constexpr char16_t line_separator = 0x2028;

enum class Mode { plain, editor };

bool is_lead(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}
bool is_two_byte_trail(unsigned char b) {
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}
bool is_digit(unsigned char b) {
    return b >= 0x30 && b <= 0x39;
}

// One iconv conversion of a short sequence; 0 when it fails or gives more than one character.
class Iconv {
public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Iconv() {
        if (handle_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(handle_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Returns the number of output bytes, or -1.
    int convert(const char* in, size_t in_size, char* out, size_t out_size) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            return -1;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in_ptr = const_cast<char*>(in);
        char* out_ptr = out;
        size_t in_left = in_size;
        size_t out_left = out_size;
        if (iconv(handle_, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1) ||
            in_left != 0)
            return -1;
        return static_cast<int>(out_size - out_left);
    }

private:
    iconv_t handle_;
};

char32_t gb18030_to_code_point(const char* bytes, size_t size) {
    thread_local Iconv decoder("UTF-32LE", "GB18030");
    unsigned char out[8];
    if (decoder.convert(bytes, size, reinterpret_cast<char*>(out), sizeof out) != 4)
        return 0;
    return static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) |
                                 (static_cast<uint32_t>(out[3]) << 24));
}

std::string code_point_to_gb18030(char32_t code_point) {
    thread_local Iconv encoder("GB18030", "UTF-32LE");
    const unsigned char in[4] = {static_cast<unsigned char>(code_point & 0xFF),
                                 static_cast<unsigned char>((code_point >> 8) & 0xFF),
                                 static_cast<unsigned char>((code_point >> 16) & 0xFF),
                                 static_cast<unsigned char>((code_point >> 24) & 0xFF)};
    char out[8];
    const int n = encoder.convert(reinterpret_cast<const char*>(in), 4, out, sizeof out);
    return n > 0 ? std::string(out, static_cast<size_t>(n)) : std::string("?");
}

// The two-byte half of GB18030 (which is GBK) as tables in both directions, built
// once. A code whose character another code already took stays undecodable, so
// the tables are exact inverses.
struct TwoByteTables {
    std::vector<char16_t> to_unicode = std::vector<char16_t>(126 * 191, 0);
    std::vector<uint16_t> from_unicode = std::vector<uint16_t>(65536, 0);

    TwoByteTables() {
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                const char32_t cp = gb18030_to_code_point(pair, 2);
                if (cp < 0x80 || cp > 0xFFFF || (cp >= 0xD800 && cp <= 0xDFFF) ||
                    from_unicode[cp] != 0)
                    continue;
                to_unicode[index(lead, trail)] = static_cast<char16_t>(cp);
                from_unicode[cp] = static_cast<uint16_t>((lead << 8) | trail);
            }
        }
    }
    static size_t index(int lead, int trail) {
        return static_cast<size_t>((lead - 0x81) * 191 + (trail - 0x40));
    }
};

const TwoByteTables& tables() {
    static const TwoByteTables instance;
    return instance;
}

bool is_stand_in(char32_t c) {
    return c >= byte_stand_in_base + 0x80 && c <= byte_stand_in_base + 0xFF;
}

bool is_reserved(char32_t c, Mode mode) {
    if (is_stand_in(c))
        return true;
    if (mode == Mode::plain)
        return false;
    // A text document turns these into block breaks, or uses them as its own pictures of bytes.
    return c == paragraph_separator || c == line_separator || c == 0xFDD0 || c == 0xFDD1 ||
           c == cr_picture || c == lf_picture || c == nul_picture;
}

void append_code_point(std::u16string& out, char32_t cp) {
    if (cp > 0xFFFF) {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<char16_t>(cp);
    }
}

void append_encoded(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (is_stand_in(cp)) {
        out += static_cast<char>(cp - byte_stand_in_base);
    } else if (cp <= 0xFFFF && tables().from_unicode[cp] != 0) {
        const uint16_t code = tables().from_unicode[cp];
        out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
        out += '?';
    } else {
        out += code_point_to_gb18030(cp);
    }
}

// Decodes one character at bytes[i] (a byte >= 0x80). Returns how many bytes it took.
size_t decode_high(const std::string& bytes, size_t i, Mode mode, std::u16string& out) {
    const auto byte_at = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte_at(i);
    if (is_lead(lead) && i + 1 < bytes.size()) {
        const unsigned char second = byte_at(i + 1);
        if (is_two_byte_trail(second)) {
            const char16_t c = tables().to_unicode[TwoByteTables::index(lead, second)];
            if (c != 0 && !is_reserved(c, mode)) {
                out += c;
                return 2;
            }
        } else if (is_digit(second) && i + 3 < bytes.size() && is_lead(byte_at(i + 2)) &&
                   is_digit(byte_at(i + 3))) {
            const char32_t cp = gb18030_to_code_point(bytes.data() + i, 4);
            if (cp != 0 && !is_reserved(cp, mode)) {
                std::string again;
                append_encoded(again, cp);
                if (again.compare(0, std::string::npos, bytes, i, 4) == 0) {
                    append_code_point(out, cp);
                    return 4;
                }
            }
        }
    }
    out += static_cast<char16_t>(byte_stand_in_base + lead);
    return 1;
}

std::u16string decode(const std::string& bytes, Mode mode) {
    std::u16string out;
    out.reserve(bytes.size());
    size_t i = 0;
    size_t line_breaks = 0;
    const size_t n = bytes.size();
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80) {
            i += decode_high(bytes, i, mode, out);
            continue;
        }
        if (mode == Mode::editor) {
            if (b == '\r' && i + 1 < n && bytes[i + 1] == '\n') {
                ++line_breaks;
                out += line_breaks % editor_lines_per_block == 0 ? u'\n' : line_separator;
                i += 2;
                continue;
            }
            if (b == '\r' || b == '\n' || b == 0) {
                out += b == '\r' ? cr_picture : b == '\n' ? lf_picture : nul_picture;
                ++i;
                continue;
            }
        }
        out += static_cast<char16_t>(b);
        ++i;
    }
    return out;
}

std::string encode(const std::u16string& text, Mode mode) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        char32_t c = text[i];
        if (c < 0x80 && !(mode == Mode::editor && c == u'\n')) {
            out += static_cast<char>(c);
            continue;
        }
        if (mode == Mode::editor) {
            if (c == u'\n' || c == paragraph_separator || c == line_separator) {
                out += "\r\n";
                continue;
            }
            if (c == cr_picture || c == lf_picture || c == nul_picture) {
                out += c == cr_picture ? '\r' : c == lf_picture ? '\n' : '\0';
                continue;
            }
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        append_encoded(out, c);
    }
    return out;
}

} // namespace

std::u16string decode_gbk(const std::string& bytes) {
    return decode(bytes, Mode::plain);
}
std::string encode_gbk(const std::u16string& text) {
    return encode(text, Mode::plain);
}
std::u16string editor_text_from_bytes(const std::string& bytes) {
    return decode(bytes, Mode::editor);
}
std::string bytes_from_editor_text(const std::u16string& text) {
    return encode(text, Mode::editor);
}

std::string utf8_from_utf16(const std::u16string& text) {
    std::string out;
    out.reserve(text.size() * 3);
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string utf16_from_utf8(const std::string& utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    const size_t n = utf8.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            ++i;
            continue;
        }
        const int extra = (b & 0xE0) == 0xC0   ? 1
                          : (b & 0xF0) == 0xE0 ? 2
                          : (b & 0xF8) == 0xF0 ? 3
                                               : -1;
        char32_t cp = extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool valid = extra > 0;
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + static_cast<size_t>(k) >= n) {
                valid = false;
                break;
            }
            const unsigned char next = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (next & 0x3F);
        }
        const char32_t minimum = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
        if (!valid || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += static_cast<char16_t>(0xFFFD);
            ++i;
            continue;
        }
        append_code_point(out, cp);
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

std::string utf8_from_gbk(const std::string& bytes) {
    return utf8_from_utf16(decode_gbk(bytes));
}
std::string gbk_from_utf8(const std::string& utf8) {
    return encode_gbk(utf16_from_utf8(utf8));
}
