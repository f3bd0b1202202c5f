#include "shell/windowhelp.h"

#include "shell/windowregistry.h"
#include "ui/helpviewer.h"

#include <QHash>
#include <QRegularExpression>
#include <QWidget>

namespace corvel {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

using Tips = QList<QPair<QString, QString>>;

// Object name → tip, per window class (a name may be a wildcard pattern: "btns[0-9]*" is every
// "全" button of the total filter). Only controls whose caption is a single word, a number
// field without a label of its own, or an abbreviation are listed.
const QHash<QString, Tips> &tipTables() {

    const Tips follow{
        {QStringLiteral("composindex"), u("用开奖号码的哪一位（或几位）作为形态去找历史上相同的期")},
        {QStringLiteral("comsepnum"), u("形态相同的那一期之后第几期的开奖算作跟随号码")},
        {QStringLiteral("edtnum1"), u("号码至少含几个胆码")},
        {QStringLiteral("edtnum2"), u("号码至多含几个胆码")},
        {QStringLiteral("btntongji"), u("统计跟随号码，得出新旧胆码")},
        {QStringLiteral("btngen3"), u("按胆码和历史排除生成投注号码")},
    };
    const Tips autoPlan{
        {QStringLiteral("edtzuijingcode2"), u("刚开出的三个数字，例如 275")},
        {QStringLiteral("btngencode"), u("根据最新开奖得出下一期的投注号码，并在计划表中添加一行")},
        {QStringLiteral("btnnewjihua"), u("清空计划表，从第一期重新开始")},
    };
    Tips autoPlan3 = autoPlan;
    autoPlan3.append({QStringLiteral("edtzuijingcode1"), u("上一期开出的三个数字")});
    static const QHash<QString, Tips> tables{
        {QStringLiteral("Tfrmpiantai"),
         {{QStringLiteral("compiantai"), u("偏态倍数门槛：目前遗漏达到理论周期的几倍才列出")}}},
        {QStringLiteral("Tfrmyilou"),
         {{QStringLiteral("comyilou"), u("偏态倍数门槛：前次遗漏达到理论周期的几倍才列出")}}},
        {QStringLiteral("Tfrmtotalfilt"),
         {{QStringLiteral("btns[0-9]*"), u("选中本组的全部值")},
          {QStringLiteral("btnq[0-9]*"), u("取消本组的全部选择")},
          {QStringLiteral("optds[0-9]*_0"), u("留：只保留符合本组所选值的号码")},
          {QStringLiteral("optds[0-9]*_1"), u("删：排除符合本组所选值的号码")},
          {QStringLiteral("edtdan[0-9]"), u("号码要含有的胆码数字，例如 257")},
          {QStringLiteral("chkz[12]*"), u("号码中胆码的个数：只有选中的个数才算符合")},
          {QStringLiteral("opt7_0"), u("按号码：胆码里每个数字在号码中出现就算中一个")},
          {QStringLiteral("opt7_1"), u("按位置：号码三位中数字属于胆码的位数")},
          {QStringLiteral("edtreima[0-9]"), u("二码，前一位的数字在前，用空格分开，例如 27 25")},
          {QStringLiteral("opt[19]*_0"), u("直选：二码的顺序要相同")},
          {QStringLiteral("opt[19]*_1"), u("组选：二码不分顺序，27 也包括 72")},
          {QStringLiteral("chkzhu6"), u("组六：三个数字都不同的号码")},
          {QStringLiteral("chkzhu3"), u("组三：有两个数字相同的号码")},
          {QStringLiteral("chkbao"), u("豹子：三个数字相同的号码")},
          {QStringLiteral("edtnum1"), u("容错下限：号码至少不符合几个条件")},
          {QStringLiteral("edtnum2"), u("容错上限：号码最多可以不符合几个条件；0 到 0 表示全部条件都要符合")},
          {QStringLiteral("btncls"), u("清除全部条件和结果")},
          {QStringLiteral("btnzhuan"), u("把直选结果合并为组选号码")}}},
        {QStringLiteral("Tfrmzhongpai"),
         {{QStringLiteral("edtbai"), u("要排除的百位数字，连写，例如 09")},
          {QStringLiteral("edtshi"), u("要排除的十位数字，连写")},
          {QStringLiteral("edtgei"), u("要排除的个位数字，连写")},
          {QStringLiteral("edthei"), u("要排除的和值，用空格分开，例如 0 1 26 27")},
          {QStringLiteral("edtheiwei"), u("要排除的和尾（和值的个位）")},
          {QStringLiteral("edtkuadu"), u("要排除的跨度（最大数字减最小数字）")},
          {QStringLiteral("edt012"), u("要排除的 012 路形态，例如 000 111")},
          {QStringLiteral("edtrma"), u("要排除的二码：含有这两个数字的号码被排除")},
          {QStringLiteral("edtlaji"), u("要直接排除的号码，用空格分开")},
          {QStringLiteral("edtdanma"), u("胆码数字，号码含胆码不足“最少出号个数”时被排除")},
          {QStringLiteral("edtyilou"), u("排除最近多少期开出过的号码")},
          {QStringLiteral("edtyongcuo"), u("一个号码被几条规则排除后仍然保留")}}},
        {QStringLiteral("Tfrmgujian"),
         {{QStringLiteral("edtjian1"), u("遗漏门槛：上一次遗漏达到这个值的号码被选入")},
          {QStringLiteral("edtjushu"), u("收集到多少注号码就停止搜索")},
          {QStringLiteral("btnyanzheng"), u("用已经开出的号码检查每个阶段的号码是否中奖")}}},
        {QStringLiteral("Tfrmduoyilou"),
         {{QStringLiteral("chkyilou1"), u("一级遗漏：号码多久没有开出；勾选后按右边的范围保留")},
          {QStringLiteral("chkyilou2"), u("二级遗漏：一级遗漏值上次出现至今的期数；勾选后按右边的范围保留")},
          {QStringLiteral("btntongji"), u("对历史每期做同样的过滤，看开奖号码当时能否保留")},
          {QStringLiteral("btngencode"), u("为目前预测期生成投注号码")}}},
        {QStringLiteral("Tfrmsujifilt"),
         {{QStringLiteral("edtjushu"), u("取最冷的多少个号码")},
          {QStringLiteral("edtyilou"), u("只读：这份号码最近一次有号码开出至今的期数")}}},
        {QStringLiteral("Tfrmgensui"), follow},
        {QStringLiteral("Tfrmgensui2"), follow},
        {QStringLiteral("Tfrmfushi"),
         {{QStringLiteral("comfangan"), u("预设方案：一次填好本窗口和大底交集窗口的参数")},
          {QStringLiteral("comcodenum"), u("每组胆码有几个数字")},
          {QStringLiteral("comyanxunum"), u("搜索条件覆盖最近几期开奖")},
          {QStringLiteral("btngen"), u("随机搜索胆码组")},
          {QStringLiteral("btnalldadi"), u("按设定次数重复生成胆码和大底，每个大底存成一个文件")},
          {QStringLiteral("btnsave"), u("保存胆码组")},
          {QStringLiteral("btnsave2"), u("保存过滤得到的大底号码")}}},
        {QStringLiteral("Tfrmjiaoqi"),
         {{QStringLiteral("btnjiaoqi"), u("计算导入大底的交集")},
          {QStringLiteral("btnzhuan"), u("在直选与组选号码之间转换结果")},
          {QStringLiteral("edtyilou"), u("排除最近多少期开出的号码")}}},
        {QStringLiteral("Tfrmdingweipai"),
         {{QStringLiteral("edtnum1"), u("号码至少出现在多少个文件中")},
          {QStringLiteral("edtnum2"), u("号码至多出现在多少个文件中")},
          {QStringLiteral("btnjiaoqi"), u("保留出现次数在范围内的号码")}}},
        {QStringLiteral("Tfrmdingweidan"),
         {{QStringLiteral("btnalldadi"), u("按右边的数目批量生成大底，每个存成一个文件")},
          {QStringLiteral("edtallnum"), u("批量生成多少个大底")}}},
        {QStringLiteral("Tfrmreima"), autoPlan},
        {QStringLiteral("Tfrmsanma"), autoPlan3},
        {QStringLiteral("Tfrmtozi"),
         {{QStringLiteral("chksepmode"), u("勾选时等到观察的中奖间隔形态出现才开始投入")},
          {QStringLiteral("chkyuji"), u("把上一轮的亏损计入下一轮的倍数")},
          {QStringLiteral("btnyouhua"), u("在后台尝试全部策略设置，找出历史回放中赢余最大的一组")}}},
    };
    return tables;
}

} // namespace

QString helpPage(const ToolWindowEntry &entry) { return entry.className; }

QString analysisHelpPage(int tab) {
    if (tab < 0 || tab >= analysisTabs().size()) return {};
    switch (tab) {
    case 0:
        return QStringLiteral("Tfrmcode");
    case 1:
        return QStringLiteral("Tfrmposcode");
    case 2:
        return QStringLiteral("Tfrmtotalcode");
    default:
        return QStringLiteral("indicators#") + analysisTabs()[tab].menuName;
    }
}

Tips toolTipTable(const QString &className) { return tipTables().value(className); }

QList<QWidget *> tipControls(QWidget *window, const QString &name) {
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(name));
    return window->findChildren<QWidget *>(pattern);
}

void installWindowHelp(QWidget *window, const QString &className, const QString &page) {
    ui::addHelpKey(window, page);
    for (const auto &[name, tip] : toolTipTable(className))
        for (QWidget *control : tipControls(window, name))
            if (control->toolTip().isEmpty()) control->setToolTip(tip);
}

} // namespace corvel
