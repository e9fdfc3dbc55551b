#pragma once
// A generated language file: key=value lines with accelerators, GBK text and
// section headers, CR LF line ends, about 40 bytes a line.

#include <string>

inline std::string generate_language_file(long lines) {
    static const char* const values[] = {
        "&Open File...", "Save &As...",    "E&xit",        "\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE(&O)",
        "Zoom &100%",    "Print Pre&view", "&Help Topics", "Select &All\tCtrl+A"};
    std::string out;
    out.reserve(static_cast<size_t>(lines) * 42);
    for (long i = 0; i < lines; ++i) {
        if (i % 50 == 0) {
            out += "[Section";
            out += std::to_string(i / 50);
            out += "]";
        } else {
            out += "IDS_MAINMENU_STRING_";
            out += std::to_string(i);
            out += '=';
            out += values[i % 8];
        }
        if (i + 1 < lines)
            out += "\r\n";
    }
    return out;
}
