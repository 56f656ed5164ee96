// Text geometry: the characters of a text, their code points and widths, and
// the cells a text operation lays them in.
#include <gtest/gtest.h>

#include "platform/chars.h"

namespace cw {
namespace {

// Every character comes whole, a stray byte alone and a character cut off at
// the end as what is left; each decodes to its code point, or a stray or
// cut-off one to its first byte.
TEST(Chars, SplitAndDecode) {
    struct Case {
        std::string s;
        std::vector<std::string> chars;
        std::vector<char32_t> codes;
    } cases[] = {
        {"a1", {"a", "1"}, {U'a', U'1'}},
        {"×表ﾀ", {"×", "表", "ﾀ"}, {U'×', U'表', U'ﾀ'}},
        {"\xF0\x9D\x91\xA5", {"\xF0\x9D\x91\xA5"}, {U'𝑥'}},
        {"a\x82" "b", {"a", "\x82", "b"}, {U'a', 0x82, U'b'}},  // a continuation byte alone
        {"x\xE3\x81", {"x", "\xE3\x81"}, {U'x', 0xE3}},         // a character cut off
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(split_chars(c.s), c.chars) << c.s;
        std::vector<char32_t> codes;
        for (size_t i = 0; i < c.s.size(); i += char_bytes_at(c.s, i)) codes.push_back(codepoint_at(c.s, i));
        EXPECT_EQ(codes, c.codes) << c.s;
        if (!c.chars.empty()) {
            EXPECT_EQ(first_codepoint(c.s), c.codes.front()) << c.s;
        }
    }
    EXPECT_EQ(codepoint_at("ab", 2), 0u);
    EXPECT_EQ(first_codepoint(""), 0u);
}

// A one-byte character's cell is half the size wide, a two-byte one's the
// size, stretched by the magnification, side by side from the text's corner.
TEST(Chars, CellsOfATextOperation) {
    DrawOp t;
    t.op = Op::Text;
    t.x1 = 100;
    t.y1 = 50;
    t.p = 2;
    t.q = 3;
    t.font.size = 16;
    t.s = "a表ﾀ";
    const std::vector<CharCell> cells = char_cells(t);
    ASSERT_EQ(cells.size(), 3u);
    const Bounds want[] = {{100, 50, 116, 98}, {116, 50, 148, 98}, {148, 50, 164, 98}};
    for (size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].ch, split_chars(t.s)[i]);
        EXPECT_EQ(cells[i].cell.l, want[i].l) << i;
        EXPECT_EQ(cells[i].cell.t, want[i].t) << i;
        EXPECT_EQ(cells[i].cell.r, want[i].r) << i;
        EXPECT_EQ(cells[i].cell.b, want[i].b) << i;
    }
}

}  // namespace
}  // namespace cw
