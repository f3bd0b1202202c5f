#include "enginesupport.h"
#include "filters/exclusion.h"
#include "randomhistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace corvel;

namespace {

ExclusionSettings only(ExclusionRule rule, const std::string &text) {
    ExclusionSettings s;
    s.ticked[static_cast<size_t>(rule)] = true;
    s.texts[static_cast<size_t>(rule)] = text;
    return s;
}

bool killed(const ExclusionResult &r, int value) { return r.kills[static_cast<size_t>(value)] > 0; }

} // namespace

TEST(Exclusion, NothingTickedKeepsAll1000) {
    const ExclusionResult r = runExclusion(test::randomHistory(20), ExclusionSettings{});
    EXPECT_EQ(r.kept.size(), 1000u);
    EXPECT_EQ(r.kept.front(), (Number{0, 0, 0}));
    EXPECT_EQ(r.kept.back(), (Number{9, 9, 9}));
}

TEST(Exclusion, ToleranceLetsNumbersSurviveSomeRules) {
    ExclusionSettings s = only(ExclusionRule::Hundreds, "0123456789");
    EXPECT_TRUE(runExclusion({}, s).kept.empty());
    s.tolerance = std::string("1");
    EXPECT_EQ(runExclusion({}, s).kept.size(), 1000u);
    s.ticked[static_cast<size_t>(ExclusionRule::Units)] = true;
    s.texts[static_cast<size_t>(ExclusionRule::Units)] = "1 3 5";
    const ExclusionResult r = runExclusion({}, s);
    EXPECT_EQ(r.kept.size(), 700u); // units 1, 3, 5 meet two rules
    EXPECT_EQ(r.kills[135], 2);
}

TEST(Exclusion, DigitRulesReadTheirEditAsPlainText) {
    EXPECT_TRUE(killed(runExclusion({}, only(ExclusionRule::Span, "9")), 190));
    EXPECT_FALSE(killed(runExclusion({}, only(ExclusionRule::Span, "9")), 189));
    EXPECT_FALSE(killed(runExclusion({}, only(ExclusionRule::SumTail, "5")), 996)); // 9 + 9 + 6 = 24
    EXPECT_TRUE(killed(runExclusion({}, only(ExclusionRule::SumTail, "4")), 996));
    EXPECT_TRUE(killed(runExclusion({}, only(ExclusionRule::Tens, "135")), 437));
    EXPECT_FALSE(killed(runExclusion({}, only(ExclusionRule::Tens, "135")), 347));
}

TEST(Exclusion, TwoDigitCodesMatchAnyTwoPositionsEitherWay) {
    const ExclusionResult r35 = runExclusion({}, only(ExclusionRule::TwoDigits, "35"));
    for (int v : {305, 503, 135, 350, 53}) EXPECT_TRUE(killed(r35, v)) << v;
    EXPECT_FALSE(killed(r35, 333));
    const ExclusionResult r11 = runExclusion({}, only(ExclusionRule::TwoDigits, " 11 "));
    for (int v : {110, 101, 11, 111}) EXPECT_TRUE(killed(r11, v)) << v;
    EXPECT_FALSE(killed(r11, 123));
}

TEST(Exclusion, ResidueJunkAndSumRules) {
    const ExclusionResult res = runExclusion({}, only(ExclusionRule::Residues, "012"));
    EXPECT_TRUE(killed(res, 342));
    EXPECT_FALSE(killed(res, 243));
    const ExclusionResult junk = runExclusion({}, only(ExclusionRule::Junk, "123*45*9"));
    EXPECT_TRUE(killed(junk, 149));
    EXPECT_TRUE(killed(junk, 359));
    EXPECT_FALSE(killed(junk, 169));
    EXPECT_EQ(junk.kept.size(), 1000u - 6u);
    const ExclusionResult sums = runExclusion({}, only(ExclusionRule::Sum, "0 27"));
    EXPECT_EQ(sums.kept.size(), 998u);
}

TEST(Exclusion, DanmaNeedsTheMinimumOfEveryGroup) {
    ExclusionSettings s = only(ExclusionRule::Danma, "58");
    s.danmaMinimum = std::string("2");
    const ExclusionResult r = runExclusion({}, s);
    for (const Number &n : r.kept) {
        const std::string t = numberText(n);
        EXPECT_TRUE(t.find('5') != std::string::npos && t.find('8') != std::string::npos) << t;
    }
    EXPECT_FALSE(killed(r, 585));
    EXPECT_TRUE(killed(r, 555));
    EXPECT_EQ(r.kept.size(), 54u); // 5, 8 and one more digit: 6·8 + 3·2
}

TEST(Exclusion, RecentDrawsRule) {
    const DrawTable h = test::history({{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}});
    const ExclusionResult k1 = runExclusion(h, only(ExclusionRule::Recent, "1"));
    EXPECT_EQ(k1.kept.size(), 999u);
    EXPECT_TRUE(killed(k1, 333));
    EXPECT_EQ(runExclusion(h, only(ExclusionRule::Recent, "3")).kept.size(), 997u);
    // A number never drawn only falls when K exceeds the draw count.
    EXPECT_TRUE(killed(runExclusion(h, only(ExclusionRule::Recent, "4")), 0));
    EXPECT_FALSE(killed(runExclusion(h, only(ExclusionRule::Recent, "3")), 0));
}

TEST(Exclusion, BadTextsStopTheRunWithTheirMessage) {
    ExclusionSettings s;
    s.tolerance = std::string("a");
    EXPECT_EQ(test::userErrorOf([&] { runExclusion({}, s); }), "'a' 不是一个有效的整形值");
    s = ExclusionSettings{};
    s.texts[static_cast<size_t>(ExclusionRule::Sum)] = "3 x"; // not ticked, still converted
    EXPECT_EQ(test::userErrorOf([&] { runExclusion({}, s); }), "'x' 不是一个有效的整形值");
    s = only(ExclusionRule::Junk, "123*45*9 12*3");
    EXPECT_EQ(test::userErrorOf([&] { runExclusion({}, s); }), "列表索引越界 (2)");
    s = only(ExclusionRule::Junk, "12");
    EXPECT_EQ(test::userErrorOf([&] { runExclusion({}, s); }), "列表索引越界 (1)");
    s = only(ExclusionRule::Recent, "99999999999");
    EXPECT_FALSE(test::userErrorOf([&] { runExclusion({}, s); }).empty());
    s = only(ExclusionRule::Danma, "58");
    s.danmaMinimum = std::string("");
    EXPECT_EQ(test::userErrorOf([&] { runExclusion({}, s); }), "'' 不是一个有效的整形值");
}

TEST(ExclusionConditions, WrittenFileReadsBackEveryKey) {
    ExclusionSettings s;
    s.ticked[0] = s.ticked[7] = s.ticked[10] = true;
    s.texts[0] = "0 9";
    s.texts[7] = "123*45*9 ";
    s.texts[10] = "30";
    s.texts[9] = "58";
    s.danmaMinimum = std::string("2");
    s.tolerance = std::string("1");
    const std::string text = writeExclusionConditions(s);
    EXPECT_NE(text.find("chkkuadu=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("edtlaji=123*45*9 \r\n"), std::string::npos);
    EXPECT_NE(text.find("edtyongcuo=1\r\n"), std::string::npos);
    const ExclusionSettings back = readExclusionConditions(text);
    EXPECT_EQ(back.ticked, s.ticked);
    EXPECT_EQ(back.texts, s.texts);
    EXPECT_EQ(back.danmaMinimum, "2");
    EXPECT_EQ(back.tolerance, "1");
    EXPECT_EQ(exclusionConditionKeys().size(), 24u);
}

TEST(ExclusionConditions, FaultyFilesAreRefusedWithTheirLine) {
    const ExclusionSettings partial = readExclusionConditions("# 注释\nchkbai=1\nedtbai=12\n");
    EXPECT_TRUE(partial.isTicked(ExclusionRule::Hundreds));
    EXPECT_EQ(partial.text(ExclusionRule::Hundreds), "12");
    EXPECT_EQ(partial.text(ExclusionRule::Recent), "100"); // not given: the window's preset
    const std::pair<const char *, const char *> faulty[] = {
        {"chkbai=1\nchkfoo=1\n", "2"}, {"chkbai=1\nchkbai=0\n", "2"}, {"chkbai=2\n", "1"}, {"chkbai\n", "1"}};
    for (const auto &[bad, line] : faulty) {
        const std::string message = test::userErrorOf([text = bad] { readExclusionConditions(text); });
        EXPECT_NE(message.find(line), std::string::npos) << bad << " -> " << message;
    }
}

namespace {

// The rules as the window describes them, number by number and text by text: the
// reference the prepared tables must agree with.
bool has(const std::string &text, int digit) { return text.find(char('0' + digit)) != std::string::npos; }

int referenceKills(const Number &n, const ExclusionSettings &s) {
    const int a = n[0], b = n[1], c = n[2];
    const auto on = [&](ExclusionRule r) { return s.isTicked(r); };
    const auto text = [&](ExclusionRule r) { return s.text(r); };
    int kills = 0;
    kills += on(ExclusionRule::Span) && has(text(ExclusionRule::Span), std::max({a, b, c}) - std::min({a, b, c}));
    kills += on(ExclusionRule::SumTail) && has(text(ExclusionRule::SumTail), (a + b + c) % 10);
    kills += on(ExclusionRule::Hundreds) && has(text(ExclusionRule::Hundreds), a);
    kills += on(ExclusionRule::Tens) && has(text(ExclusionRule::Tens), b);
    kills += on(ExclusionRule::Units) && has(text(ExclusionRule::Units), c);
    if (on(ExclusionRule::TwoDigits)) {
        bool hit = false;
        for (const std::string &code : blankPieces(text(ExclusionRule::TwoDigits)))
            for (const auto &[x, y] : {std::pair{a, b}, {b, a}, {a, c}, {c, a}, {b, c}, {c, b}})
                hit = hit || code == std::string{char('0' + x), char('0' + y)};
        kills += hit;
    }
    if (on(ExclusionRule::Residues)) {
        const std::string pattern{char('0' + a % 3), char('0' + b % 3), char('0' + c % 3)};
        const auto codes = blankPieces(text(ExclusionRule::Residues));
        kills += std::find(codes.begin(), codes.end(), pattern) != codes.end();
    }
    if (on(ExclusionRule::Junk)) {
        bool hit = false;
        for (const std::string &item : blankPieces(text(ExclusionRule::Junk))) {
            const size_t s1 = item.find('*'), s2 = item.find('*', s1 + 1);
            hit = hit || (has(item.substr(0, s1), a) && has(item.substr(s1 + 1, s2 - s1 - 1), b) &&
                          has(item.substr(s2 + 1), c));
        }
        kills += hit;
    }
    if (on(ExclusionRule::Sum)) {
        bool hit = false;
        for (const std::string &piece : blankPieces(text(ExclusionRule::Sum)))
            hit = hit || std::stoi(piece) == a + b + c;
        kills += hit;
    }
    if (on(ExclusionRule::Danma)) {
        const int minimum = std::stoi(s.danmaMinimum);
        const std::string digits = numberText(n);
        bool hit = false;
        for (const std::string &group : blankPieces(text(ExclusionRule::Danma))) {
            int present = 0;
            for (const char ch : group) present += digits.find(ch) != std::string::npos;
            hit = hit || present < minimum;
        }
        kills += hit;
    }
    return kills;
}

} // namespace

TEST(Exclusion, RandomTextsKillWhatTheRulesSay) {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789012a *";
    const auto piece = [&](size_t length, size_t letters = 16) { // 13: no blank, no star
        std::string out;
        for (size_t i = 0; i < length; ++i) out += alphabet[random() % letters];
        return out;
    };
    for (int round = 0; round < 200; ++round) {
        ExclusionSettings s;
        for (int r = 0; r < ExclusionRuleCount - 1; ++r) s.ticked[size_t(r)] = random() % 2;
        for (int r = 0; r < 5; ++r) s.texts[size_t(r)] = piece(random() % 4);
        s.texts[size_t(ExclusionRule::TwoDigits)] = piece(random() % 30);
        s.texts[size_t(ExclusionRule::Residues)] = piece(random() % 30);
        std::string junk, sums, groups;
        for (int i = int(random() % 6); i > 0; --i)
            junk += piece(random() % 3, 13) + "*" + piece(random() % 3, 13) + "*" + piece(random() % 3, 13) + " ";
        for (int i = int(random() % 5); i > 0; --i) sums += std::to_string(random() % 35) + " ";
        for (int i = int(random() % 5); i > 0; --i) groups += std::to_string(random() % 100000) + "  ";
        s.texts[size_t(ExclusionRule::Junk)] = junk;
        s.texts[size_t(ExclusionRule::Sum)] = sums;
        s.texts[size_t(ExclusionRule::Danma)] = groups;
        s.danmaMinimum = std::to_string(random() % 4);
        const ExclusionResult result = runExclusion({}, s);
        for (int v = 0; v < 1000; ++v)
            ASSERT_EQ(result.kills[size_t(v)], referenceKills(numberFromValue(v), s))
                << "round " << round << " number " << v << " junk '" << junk << "' groups '" << groups << "'";
    }
}
