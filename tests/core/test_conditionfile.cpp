#include "core/conditionfile.h"
#include "core/usererror.h"
#include "enginesupport.h"

#include <gtest/gtest.h>

using namespace corvel;
using test::userErrorOf;

namespace {

const std::vector<std::string> Keys{"chkb", "chkzhu6", "opt7", "edtdan1"};

} // namespace

TEST(ConditionFile, ReadsEveryValueFormAndIgnoresCommentsAndBlankLines) {
    const std::string text = "\xEF\xBB\xBF# saved conditions\r\n"
                             "\r\n"
                             "chkb=9 0 3 3\r\n"
                             "   # indented comment\n"
                             "chkzhu6=1\n"
                             "opt7 = 1 \n"
                             "edtdan1= 1 2 \r\n";
    const ConditionFile file = parseConditionFile(text, Keys);
    EXPECT_EQ(file.indexList("chkb", 0, 9, {}), (std::vector<int>{0, 3, 9}));
    EXPECT_TRUE(file.flag("chkzhu6", false));
    EXPECT_EQ(file.radio("opt7", 2, 0), 1);
    EXPECT_EQ(file.text("edtdan1", "x"), " 1 2 "); // verbatim, blanks kept, CR removed
    EXPECT_EQ(file.find("chkb")->line, 3);
    EXPECT_EQ(file.find("edtdan1")->line, 7);
}

TEST(ConditionFile, KeysNotGivenKeepTheirDefaults) {
    const ConditionFile file = parseConditionFile("chkb=\n", Keys);
    EXPECT_TRUE(file.has("chkb"));
    EXPECT_EQ(file.indexList("chkb", 0, 9, {1, 2}), std::vector<int>{}); // given empty: no tiles
    EXPECT_FALSE(file.has("opt7"));
    EXPECT_EQ(file.radio("opt7", 2, 1), 1);
    EXPECT_TRUE(file.flag("chkzhu6", true));
    EXPECT_EQ(file.text("edtdan1", "5"), "5");
    EXPECT_TRUE(parseConditionFile("", Keys).values().empty());
}

TEST(ConditionFile, RefusesFaultyLinesNamingTheLine) {
    EXPECT_EQ(userErrorOf([] { parseConditionFile("chkb=1\n\nchkzhu\n", Keys); }),
              "条件文件第3行：缺少“=”，应为“名称=值”的形式！");
    EXPECT_EQ(userErrorOf([] { parseConditionFile("# x\nchkq=1\n", Keys); }), "条件文件第2行：未知的条件名“chkq”！");
    EXPECT_EQ(userErrorOf([] { parseConditionFile("chkb=1\nopt7=0\nchkb=2\n", Keys); }),
              "条件文件第3行：条件名“chkb”重复（第1行已给出）！");
    EXPECT_EQ(userErrorOf([] { parseConditionFile("=1\n", Keys); }), "条件文件第1行：未知的条件名“”！");
    EXPECT_EQ(userErrorOf([] { parseConditionFile("edtdan1=\xB5\xA8\n", Keys); }), "条件文件第1行：不是UTF-8文本！");
    // Binary content fails at its first line instead of being taken as text.
    EXPECT_FALSE(userErrorOf([] { parseConditionFile(std::string("\0\x01\x02=\xff", 5), Keys); }).empty());
}

TEST(ConditionFile, RefusesValuesOfTheWrongForm) {
    const ConditionFile file = parseConditionFile("# c\nchkb=1 10\nchkzhu6=2\nopt7=-1\nedtdan1=x\n", Keys);
    EXPECT_EQ(userErrorOf([&] { file.indexList("chkb", 0, 9, {}); }),
              "条件文件第2行：“chkb”的值“1 10”不对，应为以空格分隔的0～9之间的序号！");
    EXPECT_EQ(userErrorOf([&] { file.flag("chkzhu6", false); }), "条件文件第3行：“chkzhu6”的值“2”不对，应为0或1！");
    EXPECT_EQ(userErrorOf([&] { file.radio("opt7", 2, 0); }),
              "条件文件第4行：“opt7”的值“-1”不对，应为0～1之间的序号！");
    for (const char *bad : {"1,2", "+1", "1.0", "a", "99999999999"}) {
        const ConditionFile f = parseConditionFile(std::string("chkb=") + bad, Keys);
        EXPECT_FALSE(userErrorOf([&] { f.indexList("chkb", 0, 27, {}); }).empty()) << bad;
    }
}

TEST(ConditionFile, WriterOutputReadsBack) {
    ConditionWriter out;
    out.comment("总体过滤条件\n第二行");
    out.indexList("chkb", {0, 3, 9});
    out.blankLine();
    out.flag("chkzhu6", true);
    out.radio("opt7", 1);
    out.text("edtdan1", " 12 = 3 ");
    const std::string text = out.str();
    EXPECT_EQ(text, "# 总体过滤条件\r\n# 第二行\r\nchkb=0 3 9\r\n\r\nchkzhu6=1\r\nopt7=1\r\nedtdan1= 12 = 3 \r\n");
    const ConditionFile file = parseConditionFile(text, Keys);
    EXPECT_EQ(file.indexList("chkb", 0, 9, {}), (std::vector<int>{0, 3, 9}));
    EXPECT_EQ(file.text("edtdan1", ""), " 12 = 3 ");

    ConditionWriter empty;
    empty.indexList("chkb", {});
    EXPECT_EQ(parseConditionFile(empty.str(), Keys).indexList("chkb", 0, 9, {5}), std::vector<int>{});
    EXPECT_FALSE(userErrorOf([] { ConditionWriter().text("edtdan1", "1\n2"); }).empty());
}
