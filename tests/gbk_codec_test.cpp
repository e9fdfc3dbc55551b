#include "gbk_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// Byte strings built from the pieces a language file can hold, good and bad.
std::string random_bytes(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {
        "a=1",
        "IDS_OPEN=&Open File...",
        "\r\n",
        "\r",
        "\n",
        std::string(1, '\0'),
        " ",
        "\xB4\xF2\xBF\xAA", // 打开
        "\xEA\x50",         // 關, second byte in the letter range
        "\x81\x30\x81\x30", // U+0080, four bytes
        "\x94\x39\xFC\x36", // U+1F600, outside the BMP
        "\x81\x36\xA6\x36", // U+2029, which a text document would swallow
        "\x81\x36\xA6\x35", // U+2028, which the editor form uses between lines
        "\x81\x37\x84\x33", // U+240D, the picture of CR
        "\x80",
        "\xFF",
        "\x81",
        "\xFE",
        "\x81\x7F",
        "\x81\x30",
        "\x81\x30\x81",
        "\xA1",
        "\xA2\xE3",         // euro sign
        "\xD3\xA2\xCE\xC4", // 英文
    };
    std::uniform_int_distribution<size_t> count(0, 24);
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> any_byte(0, 255);
    std::string bytes;
    for (size_t n = count(rng); n > 0; --n) {
        if (rng() % 5 == 0)
            bytes += static_cast<char>(any_byte(rng));
        else
            bytes += pieces[pick(rng)];
    }
    return bytes;
}

} // namespace

TEST(GbkCodec, any_byte_string_survives_decode_and_encode) {
    std::mt19937 rng(20261211);
    for (int round = 0; round < 20000; ++round) {
        const std::string bytes = random_bytes(rng);
        ASSERT_EQ(encode_gbk(decode_gbk(bytes)), bytes) << "round " << round;
        ASSERT_EQ(bytes_from_editor_text(editor_text_from_bytes(bytes)), bytes)
            << "round " << round;
    }
}

TEST(GbkCodec, every_two_byte_sequence_survives) {
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const std::string bytes = {static_cast<char>(lead), static_cast<char>(trail)};
            ASSERT_EQ(bytes_from_editor_text(editor_text_from_bytes(bytes)), bytes)
                << std::hex << lead << " " << trail;
        }
    }
}

TEST(GbkCodec, valid_text_decodes_to_its_characters) {
    EXPECT_EQ(decode_gbk("\xB4\xF2\xBF\xAA=Open"), u"打开=Open");
    EXPECT_EQ(decode_gbk("\x94\x39\xFC\x36"), u"\U0001F600");
    EXPECT_EQ(encode_gbk(u"打开\U0001F600\u20AC"), "\xB4\xF2\xBF\xAA\x94\x39\xFC\x36\xA2\xE3");
}

TEST(GbkCodec, characters_gbk_lacks_are_written_as_gb18030) {
    EXPECT_EQ(encode_gbk(u"\u00C8"), "\x81\x30\x87\x36"); // È
    EXPECT_EQ(decode_gbk("\x81\x30\x87\x36"), u"\u00C8");
}

TEST(GbkCodec, undecodable_bytes_become_stand_ins) {
    EXPECT_EQ(decode_gbk("a\x80"
                         "b"),
              std::u16string(u"a") + char16_t(0xF780) + u"b");
    EXPECT_EQ(decode_gbk("\xB4"), std::u16string(1, char16_t(0xF7B4)));
    EXPECT_EQ(encode_gbk(std::u16string(1, char16_t(0xF7FF))), "\xFF");
}

TEST(GbkCodec, editor_form_breaks_lines_on_cr_lf_only) {
    EXPECT_EQ(editor_text_from_bytes("a\r\nb"), u"a\u2028b");
    EXPECT_EQ(editor_text_from_bytes(std::string("a\rb\nc\0", 6)), u"a\u240Db\u240Ac\u2400");
    EXPECT_EQ(bytes_from_editor_text(u"a\nb\u2029c\u2028d"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(editor_text_from_bytes("\r\n"), u"\u2028");
}

TEST(GbkCodec, editor_form_groups_lines_into_paragraphs) {
    std::string bytes;
    for (size_t i = 0; i < 2 * editor_lines_per_block + 1; ++i)
        bytes += "x\r\n";
    const std::u16string text = editor_text_from_bytes(bytes);
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'), 2);
    EXPECT_EQ(text[2 * editor_lines_per_block - 1], u'\n');
    EXPECT_EQ(bytes_from_editor_text(text), bytes);
}

TEST(GbkCodec, utf8_round_trips_program_bytes) {
    EXPECT_EQ(utf8_from_gbk("\xD3\xA2\xCE\xC4"), "英文");
    EXPECT_EQ(gbk_from_utf8("中文"), "\xD6\xD0\xCE\xC4");
    const std::string odd("x\x80\xFE\x81\x30", 5);
    EXPECT_EQ(gbk_from_utf8(utf8_from_gbk(odd)), odd);
    EXPECT_EQ(utf16_from_utf8("\xC3"), u"\uFFFD");
}
