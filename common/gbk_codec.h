#pragma once
// Lossless conversion between the program's bytes (GBK, decoded as its superset
// GB18030) and UTF-16 text for display and storage.
//
// decode then encode gives back every byte string unchanged:
// - a byte that starts no valid character (a lone lead byte, a broken sequence,
//   0x80, 0xFF) becomes the stand-in U+F700 + byte, and the stand-in encodes back
//   to that byte;
// - a valid sequence that decodes to a character with a special meaning here (a
//   stand-in, or in editor mode a separator the text widget would swallow) is kept
//   as single bytes instead, so it cannot be confused with one.
// Characters that GBK lacks are written as GB18030, so typed text is never lost.

#include <string>

// Stand-in for an undecodable byte 0x80..0xFF.
constexpr char16_t byte_stand_in_base = 0xF700;

std::u16string decode_gbk(const std::string& bytes);
std::string encode_gbk(const std::u16string& text);

// Editor form: a CR LF becomes a line separator U+2028, and every
// editor_lines_per_block-th one a '\n' (a paragraph break). A text document pays
// per paragraph, so grouping lines keeps a million-line file fast, while each line
// still shows on a line of its own. A lone CR, a lone LF and NUL are ordinary bytes
// inside a line and show as the control pictures U+240D, U+240A and U+2400.
constexpr size_t editor_lines_per_block = 256;
std::u16string editor_text_from_bytes(const std::string& bytes);
// The inverse. '\n', U+2028 and U+2029 (what a text document returns between
// paragraphs) become CR LF.
std::string bytes_from_editor_text(const std::u16string& text);

// UTF-8 for storage (the dictionary file). Decoding UTF-8 is lenient: a malformed
// sequence becomes U+FFFD.
std::string utf8_from_gbk(const std::string& bytes);
std::string gbk_from_utf8(const std::string& utf8);
std::string utf8_from_utf16(const std::u16string& text);
std::u16string utf16_from_utf8(const std::string& utf8);
