// The shell's screens and protocols, read from the display list.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/glyph_layout.h"
#include "platform/retained.h"
#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw {
namespace {

using test::Harness;

// Runs a program from start-up until its keys run out.
void run_until_keys_end(Harness& h) {
    try {
        run_program(h.g);
        FAIL() << "program ended";
    } catch (const KeysExhausted&) {
    }
}

TEST(StartUp, SeedsFromTheClockAndSetsTheConstants) {
    struct Case { const char* time; float seed; };
    for (auto c : {Case{"00:00:00", 0}, Case{"23:59:59", 141}, Case{"10:20:30", 60}}) {
        Harness h(test::bare_info(), "", c.time);
        INITIALIZE_PROGRAM(h.g);
        EXPECT_EQ(h.g.A, c.seed) << c.time;
        EXPECT_EQ(h.g.CCC1, 4);
        EXPECT_EQ(h.g.KAIX, 1056);
        EXPECT_EQ(h.g.KAIY, 648);
        EXPECT_EQ(h.pf.GETDRAWWIDTH(), 3);
        EXPECT_EQ(h.pf.font().face, "ｺﾞｼｯｸ");
        EXPECT_EQ(h.pf.font().size, 16);
    }
}

TEST(StartUp, EqualClockSumsGiveEqualRandomSequences) {
    Harness a(test::bare_info(), "", "10:20:30"), b(test::bare_info(), "", "10:30:20"),
        c(test::bare_info(), "", "10:30:21");
    INITIALIZE_PROGRAM(a.g);
    INITIALIZE_PROGRAM(b.g);
    INITIALIZE_PROGRAM(c.g);
    bool differs = false;
    for (int i = 0; i < 50; ++i) {
        float ra = a.pf.RND(), rb = b.pf.RND(), rc = c.pf.RND();
        EXPECT_EQ(ra, rb);
        EXPECT_GE(ra, 0.0f);
        EXPECT_LT(ra, 1.0f);
        differs = differs || ra != rc;
    }
    EXPECT_TRUE(differs);
}

TEST(StartUp, ArraysHaveTheirBounds) {
    Harness h(test::bare_info());
    INITIALIZE_PROGRAM(h.g);
    auto& g = h.g;
    EXPECT_EQ(g.T_a(80), 0);
    EXPECT_EQ(g.T_sa(80), "");
    EXPECT_THROW(g.T_a(81), RuntimeError);
    EXPECT_EQ(g.F_a(40) + g.X_a(40) + g.U_a(40) + g.V_a(40) + g.G_a(10, 2) + g.SFU_a(23), 0);
    EXPECT_THROW(g.F_a(41), RuntimeError);
    EXPECT_THROW(g.G_a(10, 3), RuntimeError);
    EXPECT_EQ(g.TKAI_sa(5, 2), "");
    EXPECT_THROW(g.TKAI_sa(6, 0), RuntimeError);
    EXPECT_THROW(g.U_sa(0), RuntimeError);  // only Dorrith has U$() and V$()
    Harness d(test::bare_info(true));
    INITIALIZE_PROGRAM(d.g);
    EXPECT_EQ(d.g.U_sa(20), "");
    EXPECT_EQ(d.g.V_sa(20), "");
}

struct MenuCase {
    const char* program;
    const char* title;
    std::vector<std::string> items;
};

TEST(MainMenu, EachProgramDrawsItsPanelHeadingAndItems) {
    std::vector<MenuCase> cases = {
        {"kelvane", "Kelvane",
         {"1　単項式と多項式", "2　同類項", "3　多項式の加法・減法", "4　多項式×数、÷数", "5　かっこのある式の計算",
          "6　分数をふくむ式の計算", "7　P10 導入", "8　終了"}},
        {"dorrith", "Dorrith",
         {"1　単項式の乗法", "2　単項式の除法", "3　分数をふくむ式の除法", "4　乗除の混じった計算", "5　式の値",
          "6　P20(式 基本の問題)", "7　", "8　終了"}},
        {"sarnoth", "Sarnoth",
         {"1　数の表し方", "2　式による説明", "3　等式の変形", "4　P29 基本の問題", "5　P32 章の問題A",
          "6　P33 章の問題B", "7　", "8　終了"}},
    };
    for (auto& c : cases) {
        Harness h(c.program);
        run_until_keys_end(h);
        auto fills = h.of(Op::Fill);
        ASSERT_GE(fills.size(), 3u);
        EXPECT_EQ(fills[0].x1, 0);
        EXPECT_EQ(fills[0].y1, 54);
        EXPECT_EQ(fills[0].x2, 1440);
        EXPECT_EQ(fills[0].y2, 900);
        EXPECT_EQ(fills[1].x2, 1760);
        EXPECT_EQ(fills[1].y2, 1800);
        EXPECT_EQ(fills[2].x1, 22);
        EXPECT_EQ(fills[2].y1, 10);
        EXPECT_EQ(fills[2].x2, 1342);
        EXPECT_EQ(fills[2].y2, 610);
        EXPECT_EQ(fills[2].c, 15);
        EXPECT_EQ(fills[2].f, 10);
        // The heading: "＜", the name drawn as written, then "　メニュー＞".
        auto exprs = h.of(Op::Expr);
        ASSERT_EQ(exprs.size(), 10u) << c.program;
        EXPECT_EQ(exprs[0].s, "＜");
        EXPECT_EQ(exprs[0].x1, 264);
        EXPECT_EQ(exprs[0].y1, 30);
        EXPECT_EQ(exprs[0].c, 15);
        std::string name;
        float x = 298;
        for (auto& op : h.of(Op::Text)) {
            if (op.x1 < 298 || op.x1 >= exprs[1].x1 || op.y1 != 30) continue;
            name += op.s;
            EXPECT_EQ(op.x1, x) << op.s;
            EXPECT_EQ(op.font.face, "ゴシック") << c.program << " " << op.s;
            EXPECT_FALSE(op.font.italic) << op.s;
            EXPECT_EQ(op.c, 15);
            x += 27;
        }
        EXPECT_EQ(name, c.title);
        EXPECT_EQ(exprs[1].s, "　メニュー＞");
        EXPECT_EQ(exprs[1].x1, x);
        for (int k = 1; k <= 8; ++k) {
            EXPECT_EQ(exprs[k + 1].s, c.items[k - 1]);
            EXPECT_EQ(exprs[k + 1].x1, 44);
            EXPECT_EQ(exprs[k + 1].y1, 120 + 60 * (k - 1));
            EXPECT_EQ(exprs[k + 1].c, k % 2 ? 13 : 15);
        }
        auto prompts = h.of(Op::Prompt);
        ASSERT_GE(prompts.size(), 2u);
        EXPECT_EQ(prompts[0].s, "番号を入力して下さい。");
        EXPECT_EQ(prompts[0].x1, 816);
        EXPECT_EQ(prompts[0].y1, 648);
        EXPECT_EQ(prompts[1].s, "入力");
        EXPECT_EQ(prompts[1].x1, 1008);
    }
}

// How many times the menu was drawn, and whether the program ended.
struct MenuRun {
    int menus = 0;
    bool ended = false;
};

MenuRun run_menu(const std::string& keys) {
    Harness h("kelvane", keys);
    MenuRun r;
    try {
        run_program(h.g);
        r.ended = true;
    } catch (const KeysExhausted&) {
    }
    for (auto& e : h.of(Op::Expr)) r.menus += e.s == "　メニュー＞";
    return r;
}

TEST(MainMenu, NumberProtocol) {
    struct Case { const char* keys; int menus; bool ended; };
    for (auto c : {Case{"8\r", 1, true}, Case{"8.0\r", 1, true}, Case{"16/2\r", 1, true}, Case{"0\r", 2, false},
                   Case{"9\r", 2, false}, Case{"\r", 2, false}, Case{"1/2\r", 2, false}, Case{"0.5\r", 2, false},
                   Case{"10/5\r", 2, false}, Case{"9/2\r", 2, false}, Case{"-1/-1\r", 2, false},
                   Case{"5/0\r", 2, false}, Case{"/\r", 2, false}, Case{"3/\r", 2, false}, Case{"9\r8\r", 2, true}}) {
        MenuRun r = run_menu(c.keys);
        EXPECT_EQ(r.menus, c.menus) << c.keys;
        EXPECT_EQ(r.ended, c.ended) << c.keys;
    }
}

TEST(MainMenu, ChoosingALessonClearsTheWindowAndRunsIt) {
    struct Probe : Program {
        using Program::Program;
        void run_lesson(int n) override { chosen.push_back(n); }
        std::vector<int> chosen;
    };
    // lesson 0: the menu is drawn again and nothing runs.
    struct Case { MenuJump rule; const char* keys; int lesson; };
    for (auto c : {Case{MenuJump::LeadingNumber, "3/2\r", 3}, {MenuJump::LeadingNumber, "2/2\r", 2},
                   {MenuJump::LeadingNumber, "7\r", 7}, {MenuJump::LeadingNumber, "1\r", 1},
                   {MenuJump::LeadingNumber, "10/2\r", 0}, {MenuJump::LeadingNumber, "10/5\r", 0},
                   {MenuJump::WholeValue, "10/2\r", 5}, {MenuJump::WholeValue, "5\r", 5},
                   {MenuJump::WholeValue, "14/2\r", 7}, {MenuJump::WholeValue, "3/2\r", 1},
                   {MenuJump::WholeValue, "10/5\r", 2}, {MenuJump::WholeValue, "2/2\r", 1}}) {
        HeadlessBackend b(c.keys);
        Platform pf(b);
        ProgramInfo info = test::bare_info();
        info.menu_jump = c.rule;
        Probe p(pf, info);
        try {
            run_program(p);
        } catch (const KeysExhausted&) {
        }
        ASSERT_EQ(p.chosen.size(), c.lesson ? 1u : 0u) << c.keys;
        if (c.lesson) { EXPECT_EQ(p.chosen[0], c.lesson) << c.keys; }
    }
}

TEST(MainMenu, EachProgramHasItsJumpRule) {
    // Sarnoth opens lesson 5 for "10/2"; the other two redraw the menu.
    for (auto [name, opened] : {std::pair{"kelvane", false}, {"dorrith", false}, {"sarnoth", true}}) {
        HeadlessBackend b("10/2\r");
        Platform pf(b);
        auto prog = make_program(name, pf);
        EXPECT_EQ(prog->info.menu_jump == MenuJump::WholeValue, opened) << name;
    }
}

// The number entry, with the prompt of a lesson.
struct Entry {
    Harness h;
    explicit Entry(const std::string& keys) : h(test::bare_info(), keys) {
        INITIALIZE_PROGRAM(h.g);
        h.pf.clear_record();
        h.g.AA_s = "①一　②終了";
        PROMPT_FOR_NUMBER(h.g);
    }
};

TEST(NumberEntry, WorkedExamples) {
    struct Case { const char* keys; const char* text; float value; };
    for (auto c : {Case{"3\r", "3", 3}, Case{"\r", "", 0}, Case{"12\b5\r", "5", 5}, Case{"-2\r", "-2", -2},
                   Case{"3/4\r", "3/4", 0.75f}, Case{"10/4\r", "10/4", 2.5f}, Case{"/2\r", "/2", 0},
                   Case{"1/2/4\r", "1/2/4", 0.5f}, Case{"7a+ \r", "7", 7}, Case{"0.5\r", "0.5", 0.5f},
                   Case{"123456789\r", "123456789", 123456789.0f}, Case{"1234567890\r7\r", "7", 7},
                   Case{"12\x0c" "4\r", "4", 4}, Case{"5/0\r", "5/0", 0}, Case{"1/3\r", "1/3", 1.0f / 3.0f}}) {
        Entry e(c.keys);
        EXPECT_EQ(e.h.g.AINP_s, c.text) << c.keys;
        EXPECT_EQ(e.h.g.AINP, c.value) << c.keys;
        EXPECT_EQ(e.h.backend.keys_left(), 0u) << c.keys;
    }
}

TEST(NumberEntry, EchoesFullWidthGlyphsAndErasesThemAfterwards) {
    Entry e("1.5/\r");
    std::vector<DrawOp> echo;
    for (auto& op : e.h.of(Op::Text))
        if (op.c == 5) echo.push_back(op);
    ASSERT_EQ(echo.size(), 4u);
    EXPECT_EQ(echo[0].s, "１");
    EXPECT_EQ(echo[0].x1, 1056);
    EXPECT_EQ(echo[1].s, "．");
    EXPECT_EQ(echo[1].x1, 1068);
    EXPECT_EQ(echo[2].s, "５");
    EXPECT_EQ(echo[2].x1, 1072);
    EXPECT_EQ(echo[3].s, "÷");
    EXPECT_EQ(echo[3].x1, 1088);
    for (auto& t : echo) {
        EXPECT_EQ(t.y1, 648);
        EXPECT_EQ(t.p, 1);
        EXPECT_TRUE(t.font.bold);
    }
    EXPECT_EQ(e.h.g.CCC1, 5);
    auto last = e.h.of(Op::Fill).back();
    EXPECT_EQ(last.x1, 1008);
    EXPECT_EQ(last.y1, 640);
    EXPECT_EQ(last.x2, 1248);
    EXPECT_EQ(last.y2, 670);
    EXPECT_EQ(last.f, 15);
    // The label, from (1008, 648) at a pitch of 16.
    auto texts = e.h.of(Op::Text);
    auto label = std::find_if(texts.begin(), texts.end(), [](const DrawOp& t) { return t.s == "入"; });
    ASSERT_NE(label, texts.end());
    EXPECT_EQ(label->x1, 1008);
    EXPECT_EQ((label + 1)->x1, 1024);
}

TEST(NumberEntry, CursorDotBlinksAtTheEchoPen) {
    Entry e("4\r");
    auto circles = e.h.of(Op::Circle);
    ASSERT_GE(circles.size(), 4u);
    EXPECT_EQ(circles[0].x1, 1064);
    EXPECT_EQ(circles[0].y1, 656);
    EXPECT_EQ(circles[0].r, 4);
    EXPECT_TRUE(circles[0].filled);
    EXPECT_EQ(circles[0].f, 5);
    EXPECT_EQ(circles[1].f, 15);  // erased before the echo
    EXPECT_EQ(circles[2].x1, 1080);  // after one glyph
    EXPECT_EQ(e.h.g.CCC1, 5);
    Entry empty("\r");
    EXPECT_EQ(empty.h.g.CCC1, 0);
}

TEST(NumberEntry, BackspaceWipesTheEchoField) {
    Entry e("12\b\r");
    auto fills = e.h.of(Op::Fill);
    auto wipe = std::find_if(fills.begin(), fills.end(), [](const DrawOp& f) { return f.x1 == 1056; });
    ASSERT_NE(wipe, fills.end());
    EXPECT_EQ(wipe->y1, 640);
    EXPECT_EQ(wipe->x2, 1248);
    EXPECT_EQ(wipe->y2, 670);
    EXPECT_EQ(e.h.g.AINP_s, "");
}

TEST(PromptBand, SubMenuLineAndClear) {
    Entry e("2\r");
    auto prompts = e.h.of(Op::Prompt);
    ASSERT_GE(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].x1, 16);
    EXPECT_EQ(prompts[0].y1, 666);
    EXPECT_EQ(prompts[0].c, 0);
    e.h.pf.clear_record();
    CLEAR_PROMPT_LINE(e.h.g);
    auto f = e.h.of(Op::Fill).at(0);
    EXPECT_EQ(f.x1, 0);
    EXPECT_EQ(f.y1, 657);
    EXPECT_EQ(f.x2, 992);
    EXPECT_EQ(f.y2, 720);
    EXPECT_EQ(f.c, 15);
    EXPECT_EQ(f.f, 15);
}

TEST(NextStep, AsksInItsOwnBoxAndRestoresTheWidth) {
    struct Case { const char* keys; float value; float colour; };
    for (auto c : {Case{"1\r", 1, 5}, Case{"1.0\r", 1, 5}, Case{"2/2\r", 1, 5}, Case{"\r", 0, 0}, Case{"3\r", 3, 5}}) {
        Harness h(test::bare_info(), c.keys);
        INITIALIZE_PROGRAM(h.g);
        h.pf.SETDRAWWIDTH(5);
        h.g.CCC1 = 7;
        h.pf.clear_record();
        ASK_NEXT_STEP(h.g);
        EXPECT_EQ(h.g.AINP, c.value) << c.keys;
        EXPECT_EQ(h.g.CCC1, c.colour) << c.keys;
        EXPECT_EQ(h.pf.GETDRAWWIDTH(), 5);
        EXPECT_EQ(h.g.DR, 5);
        auto fills = h.of(Op::Fill);
        EXPECT_EQ(fills.front().x1, 96);
        EXPECT_EQ(fills.front().y1, test::kPromptBandTop);
        EXPECT_EQ(fills.front().x2, 400);
        EXPECT_EQ(fills.front().y2, 675);
        EXPECT_EQ(fills.front().c, 13);
        EXPECT_EQ(fills.front().f, 12);
        EXPECT_EQ(fills.front().w, 2);
        // The erase of the box is the same box in 15, at the same width.
        EXPECT_EQ(fills.back().x1, 96);
        EXPECT_EQ(fills.back().f, 15);
        EXPECT_EQ(fills.back().c, 15);
        EXPECT_EQ(fills.back().w, 2);
        auto erase = fills[fills.size() - 2];
        EXPECT_EQ(erase.x1, 1008);
        EXPECT_EQ(erase.y1, test::kPromptBandTop);
        EXPECT_EQ(erase.x2, 1168);
        EXPECT_EQ(erase.y2, 666);
        auto prompt = h.of(Op::Prompt).at(0);
        EXPECT_EQ(prompt.s, "次のステップは１を入力。");
        EXPECT_EQ(prompt.x1, 128);
        EXPECT_EQ(prompt.y1, 648);
        EXPECT_EQ(prompt.c, 9);
    }
}

TEST(AnyKey, BoxWaitAndRestore) {
    for (const char* key : {"\r", "\b", "7", "z"}) {
        Harness h(test::bare_info(), key);
        INITIALIZE_PROGRAM(h.g);
        h.pf.SETDRAWWIDTH(4);
        h.g.CCC1 = 3;
        h.pf.clear_record();
        WAIT_ANY_KEY(h.g);
        EXPECT_EQ(h.g.I_s, key);
        EXPECT_EQ(h.g.CCC1, 3);
        EXPECT_EQ(h.pf.GETDRAWWIDTH(), 4);
        EXPECT_EQ(h.g.X, 320);
        EXPECT_EQ(h.g.Y, 666);
        auto fills = h.of(Op::Fill);
        ASSERT_EQ(fills.size(), 2u);
        EXPECT_EQ(fills[0].x1, 96);
        EXPECT_EQ(fills[0].y1, 657);
        EXPECT_EQ(fills[0].x2, 400);
        EXPECT_EQ(fills[0].y2, 693);
        EXPECT_EQ(fills[0].c, 13);
        EXPECT_EQ(fills[0].f, 4);
        EXPECT_EQ(fills[0].w, 3);
        EXPECT_EQ(fills[1].x1, 0);
        EXPECT_EQ(fills[1].f, 15);
        auto texts = h.of(Op::Text);
        ASSERT_EQ(texts.size(), 12u);
        EXPECT_EQ(texts[0].x1, 128);
        EXPECT_EQ(texts[11].x1, 304);
        EXPECT_EQ(texts[0].c, 9);
        EXPECT_TRUE(h.of(Op::Circle).empty());  // no cursor while waiting for a page
    }
}

// The keys the window gives for Escape, Tab, the arrows and every other key
// without text: each ends a page wait, none goes into a typed number.
TEST(AnyKey, EveryKeyEndsAWaitAndNoneOfThemIsANumber) {
    for (const char* k : {"\x1b", "\t", "\x1c", "\x1d", "\x1e", "\x1f", "\x1a"}) {
        Harness w(test::bare_info(), k);
        INITIALIZE_PROGRAM(w.g);
        WAIT_ANY_KEY(w.g);
        EXPECT_EQ(w.g.I_s, k);
        Entry e(std::string("4") + k + "2\r");
        EXPECT_EQ(e.h.g.AINP_s, "42");
        EXPECT_EQ(e.h.g.AINP, 42);
    }
}

TEST(AnyKey, TypedAheadKeysAreKeptInOrder) {
    Harness h(test::bare_info(), "ab");
    INITIALIZE_PROGRAM(h.g);
    WAIT_ANY_KEY(h.g);
    WAIT_ANY_KEY(h.g);
    EXPECT_EQ(h.g.I_s, "b");
}

TEST(WorkArea, ClearLeavesTheTopStrip) {
    Harness h(test::bare_info());
    CLEAR_WORK_AREA(h.g);
    auto f = h.of(Op::Fill).at(0);
    EXPECT_EQ(f.x1, 0);
    EXPECT_EQ(f.y1, 54);
    EXPECT_EQ(f.x2, 1440);
    EXPECT_EQ(f.y2, 900);
}

TEST(ErrorScreen, ShowsSiteAndNumber) {
    Harness h(test::bare_info());
    INITIALIZE_PROGRAM(h.g);
    h.pf.clear_record();
    try {
        REPORT_FATAL_ERROR(h.g, 11, 120);
    } catch (const ErrorScreenReached& e) {
        EXPECT_EQ(e.code, 11);
    }
    auto drawn = h.drawn();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].op, Op::Cls);
    EXPECT_EQ(drawn[1].s, " 120, 11エラーが発生しました。マウスで×をクリックして下さい。");
    EXPECT_EQ(drawn[1].x1, 288);
    EXPECT_EQ(drawn[1].y1, 432);
    EXPECT_EQ(drawn[1].c, 13);
}

// The error screen as the painter gets it, from the screen's list: its one line in the gothic face at size
// 16, regular, at magnification 1, whatever style was selected when the error came (in the middle of a
// text the typesetter has the face bold, and an italic letter in the serif face at size 8), and so with the
// ink of that line drawn in that style.
TEST(ErrorScreen, ItsLineIsRegularGothicWhateverStyleWasSelected) {
    const std::string line = " 120, 11エラーが発生しました。マウスで×をクリックして下さい。";
    DrawOp want;
    want.op = Op::Text;
    want.x1 = 288;
    want.y1 = 432;
    want.c = 13;
    want.s = line;
    want.font = FontState{"ゴシック", 16, false, false};
    want = laid_out(want);
    RetainedList probe;
    const Bounds want_ink = probe.ink(want);
    ASSERT_FALSE(want_ink.empty());

    struct Case {
        const char* selected;
        void (*select)(Platform&);
    } cases[] = {
        {"the start-up style", [](Platform&) {}},
        {"bold", [](Platform& pf) { pf.SETFONTBOLD(-1); }},
        {"serif italic at 8",
         [](Platform& pf) {
             pf.SETFONTNAME("Times New Roman");
             pf.SETFONTSIZE(8);
             pf.SETFONTITALIC(-1);
         }},
        {"size 32", [](Platform& pf) { pf.SETFONTSIZE(32); }},
        {"bold serif italic at 8",
         [](Platform& pf) {
             pf.SETFONTBOLD(-1);
             pf.SETFONTNAME("Times New Roman");
             pf.SETFONTSIZE(8);
             pf.SETFONTITALIC(-1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        Harness h(test::bare_info());
        INITIALIZE_PROGRAM(h.g);
        c.select(h.pf);
        EXPECT_THROW(REPORT_FATAL_ERROR(h.g, 11, 120), ErrorScreenReached);
        std::vector<DrawOp> screen;
        for (auto& op : h.backend.screen().ops())
            if (op.op == Op::Text) screen.push_back(op);
        ASSERT_EQ(screen.size(), 1u) << "the clear leaves only the error line";
        const DrawOp& t = screen[0];
        EXPECT_EQ(t.s, line);
        EXPECT_EQ(t.font.face, "ゴシック");
        EXPECT_EQ(t.font.size, 16);
        EXPECT_FALSE(t.font.bold);
        EXPECT_FALSE(t.font.italic);
        EXPECT_EQ(t.p, 1);
        EXPECT_EQ(t.q, 1);
        const Bounds ink = probe.ink(t);
        EXPECT_EQ(ink.r - ink.l, want_ink.r - want_ink.l) << "the line's width";
        EXPECT_EQ(ink.b - ink.t, want_ink.b - want_ink.t) << "the line's height";
    }
}

TEST(ErrorScreen, ARunTimeErrorInALessonEndsThere) {
    struct Faulty : Program {
        using Program::Program;
        void run_lesson(int) override { T_a(81) = 1; }
    };
    HeadlessBackend b("1\r");
    Platform pf(b);
    Faulty p(pf, test::bare_info());
    try {
        run_program(p);
        FAIL();
    } catch (const ErrorScreenReached& e) {
        EXPECT_EQ(e.code, ERR_SUBSCRIPT);
    }
}

}  // namespace
}  // namespace cw
