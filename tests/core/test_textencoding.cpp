// How a file's bytes become text, and how much of a text a message quotes.

#include "core/conditionfile.h"
#include "core/drawparse.h"
#include "core/historytext.h"
#include "core/intconv.h"
#include "core/textencoding.h"
#include "enginesupport.h"

#include <gtest/gtest.h>

using namespace corvel;
using test::userErrorOf;

namespace {

// "1 2\n" and a Chinese character in UTF-16, little or big endian, with its byte order mark.
std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : text) {
        const char high = char(c >> 8), low = char(c & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

} // namespace

TEST(TextEncoding, Utf16WithAByteOrderMarkIsReadInBothByteOrders) {
    const std::u16string text = u"号码 123\r\n456 \U0001F600\r\n";
    for (const bool bigEndian : {false, true}) {
        const auto decoded = unicodeText(utf16(text, bigEndian), "a.txt");
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, "号码 123\r\n456 \U0001F600\r\n");
    }
    // A lone surrogate and an odd last byte read as replacement characters, not as text lost.
    EXPECT_EQ(*unicodeText(std::string("\xFF\xFE\x31\x00\x00\xD8\x32\x00\x33", 9), "a"), "1\xEF\xBF\xBD"
                                                                                         "2\xEF\xBF\xBD");
}

TEST(TextEncoding, Utf8IsKeptGbkIsLeftToTheCallerAndNulBytesAreRefused) {
    EXPECT_EQ(*unicodeText("\xEF\xBB\xBF"
                           "123",
                           "a"),
              "123");
    EXPECT_EQ(*unicodeText("组选 123", "a"), "组选 123");
    EXPECT_EQ(*unicodeText("", "a"), "");
    EXPECT_FALSE(unicodeText("\xD7\xE9\xD1\xA1 123", "a").has_value()); // "组选" in GBK
    // UTF-16 without a byte order mark (and any binary file) is no silent empty list.
    const std::string noMark("1\0"
                             "2\0"
                             "3\0",
                             6);
    const std::string message = userErrorOf([&] { unicodeText(noMark, "list.txt"); });
    EXPECT_NE(message.find("list.txt"), std::string::npos) << message;
    EXPECT_NE(message.find("字节顺序标记"), std::string::npos) << message;
    EXPECT_FALSE(userErrorOf([] { unicodeText(std::string("\xFF\xFE\x31\x00\x00\x00", 6), "a"); }).empty());
}

TEST(TextEncoding, QuotedPiecesAreShortAndValidUtf8) {
    EXPECT_EQ(quotedPiece("123"), "123");
    EXPECT_EQ(quotedPiece(std::string(40, 'x')), std::string(40, 'x'));
    EXPECT_EQ(quotedPiece(std::string(41, 'x')), std::string(40, 'x') + "…");
    // Characters, not bytes, are counted; a cut never splits a character.
    std::string chinese;
    for (int i = 0; i < 50; ++i) chinese += "号";
    const std::string piece = quotedPiece(chinese);
    EXPECT_TRUE(validUtf8(piece));
    EXPECT_EQ(piece.size(), 40 * 3 + std::string("…").size());
    // GBK bytes, control characters and a cut UTF-8 character read as U+FFFD.
    EXPECT_EQ(quotedPiece("a\xD7\xE9\x01\tb\xE5\x8F"),
              "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD b\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_TRUE(validUtf8(quotedPiece("\xFF\xFE\x80\xC0\xAF")));
}

TEST(TextEncoding, MessagesQuoteAtMostAShortPieceOfAHugeValue) {
    const std::string huge(1024 * 1024, '7');
    const std::vector<std::string> messages{
        userErrorOf([&] { parseConditionFile("chkb=" + huge + "\n", {"chkb"}).indexList("chkb", 0, 9, {}); }),
        userErrorOf([&] { parseConditionFile(huge + "=1\n", {"chkb"}); }),
        userErrorOf([&] { strToInt(huge); }),
        userErrorOf([&] { parseHistoryText("2024001 " + huge.substr(0, 100) + "\n"); }),
        userErrorOf([&] { parseDrawFile(huge.substr(0, 200) + "x\n"); }),
        userErrorOf([&] { readHistoryText("2024001 " + huge + "\n"); }),
    };
    for (const std::string &message : messages) {
        EXPECT_FALSE(message.empty());
        EXPECT_LT(message.size(), 300u) << message.substr(0, 300);
        EXPECT_NE(message.find("…"), std::string::npos) << message.substr(0, 300);
    }
}

TEST(TextEncoding, ConditionFilesReadTheSameWithEveryLineEnd) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        std::string text = "\xEF\xBB\xBF# saved";
        text.append(end).append("chkb=1 2").append(end).append(end).append("opt7=1").append(end);
        const ConditionFile file = parseConditionFile(text, {"chkb", "opt7"});
        EXPECT_EQ(file.indexList("chkb", 0, 9, {}), (std::vector<int>{1, 2})) << end.size();
        EXPECT_EQ(file.radio("opt7", 2, 0), 1);
        EXPECT_EQ(file.find("opt7")->line, 4);
    }
    // A comment written with a CR alone stays one comment line.
    ConditionWriter out;
    out.comment("a\rb");
    EXPECT_EQ(out.str(), "# a\r\n# b\r\n");
    EXPECT_NO_THROW(parseConditionFile(out.str(), {}));
}
