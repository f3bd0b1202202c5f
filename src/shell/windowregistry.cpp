#include "shell/windowregistry.h"

// Windows, one include each.
#include "analysis/windows/u_code.h"
#include "analysis/windows/u_indicatorwindow.h"
#include "analysis/windows/u_poscode.h"
#include "analysis/windows/u_totalcode.h"
#include "filters/windows/u_duoyilou.h"
#include "filters/windows/u_gujian.h"
#include "filters/windows/u_piantai.h"
#include "filters/windows/u_sujifilt.h"
#include "filters/windows/u_totalfilt.h"
#include "filters/windows/u_yilou.h"
#include "filters/windows/u_zhongpai.h"
#include "generators/windows/u_dingweidan.h"
#include "generators/windows/u_dingweipai.h"
#include "generators/windows/u_fushi.h"
#include "generators/windows/u_gensui.h"
#include "generators/windows/u_gensui2.h"
#include "generators/windows/u_jiaoqi.h"
#include "generators/windows/u_reima.h"
#include "generators/windows/u_sanma.h"
#include "maintenance/windows/u_data.h"
#include "maintenance/windows/u_download2.h"
#include "planning/windows/u_gudingjihua.h"
#include "planning/windows/u_jieduanjihua.h"
#include "planning/windows/u_keibianjihua.h"
#include "planning/windows/u_tozi.h"

namespace corvel {

namespace {

template <class W> WindowFactory make() {
    return [](QWidget *parent) -> QWidget * { return new W(parent); };
}

} // namespace

QString AnalysisTab::caption() const {
    QString text = menuCaption;
    const qsizetype key = text.indexOf(QStringLiteral("(&"));
    return key < 0 ? text : text.left(key);
}

const QList<AnalysisTab> &analysisTabs() {
    static const QList<AnalysisTab> tabs{
        {QStringLiteral("mnucode"), QStringLiteral("开奖号码走势(&J)"), false, make<Tfrmcode>()},
        {QStringLiteral("mnuposcode"), QStringLiteral("各位号码分析(&P)"), false, make<Tfrmposcode>()},
        {QStringLiteral("mnutotalcode"), QStringLiteral("总体号码分析(&Q)"), true, make<Tfrmtotalcode>()},
        {QStringLiteral("mnudaxiao"), QStringLiteral("号码大小分析(&R)"), false, make<Tfrmdaxiao>()},
        {QStringLiteral("mnujiou"), QStringLiteral("号码奇偶分析(&O)"), false, make<Tfrmjiou>()},
        {QStringLiteral("mnuhei"), QStringLiteral("号码和值分析(&H)"), false, make<Tfrmhei>()},
        {QStringLiteral("mnuheiwei"), QStringLiteral("号码和尾分析(&W)"), false, make<Tfrmheiwei>()},
        {QStringLiteral("mnukuadu"), QStringLiteral("号码跨度分析(&W)"), false, make<Tfrmkuadu>()},
        {QStringLiteral("mnuhuihuo"), QStringLiteral("号码位和分析(&H)"), false, make<Tfrmhuihuo>()},
        {QStringLiteral("mnuhuicai"), QStringLiteral("号码位差分析(&C)"), false, make<Tfrmhuicai>()},
        {QStringLiteral("mnulenrei"), QStringLiteral("号码冷热分析(&L)"), false, make<Tfrmlenrei>()},
        {QStringLiteral("mnuchusan"), QStringLiteral("除三余数分析(&C)"), false, make<Tfrmchusan>()},
        {QStringLiteral("mnuclz"), QStringLiteral("传邻孤码分析(&C)"), false, make<Tfrmclz>()},
        {QStringLiteral("mnufgz"), QStringLiteral("复隔中码分析(&F)"), false, make<Tfrmfgz>()},
        {QStringLiteral("mnujuli"), QStringLiteral("号码距离分析(&J)"), false, make<Tfrmjuli>()},
        {QStringLiteral("mnucongma"), QStringLiteral("号码重码分析(&R)"), true, make<Tfrmcongma>()},
        {QStringLiteral("mnuzudaxiao"), QStringLiteral("组选大小分析(&D)"), false, make<Tfrmzudaxiao>()},
        {QStringLiteral("mnuzujiou"), QStringLiteral("组选奇偶分析(&J)"), false, make<Tfrmzujiou>()},
        {QStringLiteral("mnuzulenrei"), QStringLiteral("组选冷热分析(&Z)"), false, make<Tfrmzulenrei>()},
        {QStringLiteral("mnuzhusan"), QStringLiteral("组选除三分析(&X)"), false, make<Tfrmzhusan>()},
    };
    return tabs;
}

WindowFactory analysisWindowFactory(int tab) {
    return tab >= 0 && tab < analysisTabs().size() ? analysisTabs()[tab].factory : WindowFactory();
}
const QList<ToolWindowEntry> &toolWindowEntries() {
    using M = ToolMenu;
    static const QList<ToolWindowEntry> entries{
        {M::Data,
         QStringLiteral("mnumoddata"),
         QStringLiteral("数据添加(&M)"),
         QStringLiteral("Tfrmdata"),
         make<Tfrmdata>(),
         true,
         {1, QStringLiteral("tlbdata"), QStringLiteral("彩票数据"), QStringLiteral("data")}},
        {M::Data,
         QStringLiteral("mnudownload"),
         QStringLiteral("数据下载(&D)"),
         QStringLiteral("Tfrmdownload2"),
         make<Tfrmdownload2>(),
         true,
         {}},
        {M::Filters,
         QStringLiteral("mnutotalfilt"),
         QStringLiteral("总体号码过滤(&T)"),
         QStringLiteral("Tfrmtotalfilt"),
         make<Tfrmtotalfilt>(),
         false,
         {5, QStringLiteral("tlbala"), QStringLiteral("总体过滤"), QStringLiteral("filter")}},
        {M::Filters,
         QStringLiteral("mnupiantai"),
         QStringLiteral("偏态搜索选号(&P)"),
         QStringLiteral("Tfrmpiantai"),
         make<Tfrmpiantai>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnuyilou"),
         QStringLiteral("回补搜索选号(&Y)"),
         QStringLiteral("Tfrmyilou"),
         make<Tfrmyilou>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnulenma"),
         QStringLiteral("冷码搜索选号(&M)"),
         QStringLiteral("Tfrmsujifilt"),
         make<Tfrmsujifilt>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnuzhongpai"),
         QStringLiteral("综合排除选号(&Z)"),
         QStringLiteral("Tfrmzhongpai"),
         make<Tfrmzhongpai>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnugensui"),
         QStringLiteral("组选跟随选号(&M)"),
         QStringLiteral("Tfrmgensui"),
         make<Tfrmgensui>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnugensui2"),
         QStringLiteral("直选跟随选号(&N)"),
         QStringLiteral("Tfrmgensui2"),
         make<Tfrmgensui2>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnugujian"),
         QStringLiteral("最优间隔选号(&S)"),
         QStringLiteral("Tfrmgujian"),
         make<Tfrmgujian>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnugupaiming"),
         QStringLiteral("临界超稳大底(&Q)"),
         QStringLiteral("Tfrmdingweidan"),
         make<Tfrmdingweidan>(),
         false,
         {2, QStringLiteral("tlbpiantai"), QStringLiteral("超稳大底"), QStringLiteral("base")}},
        {M::Filters,
         QStringLiteral("mnuduoyilou"),
         QStringLiteral("多重遗漏选号(&J)"),
         QStringLiteral("Tfrmduoyilou"),
         make<Tfrmduoyilou>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnureima"),
         QStringLiteral("自动二码选号(&R)"),
         QStringLiteral("Tfrmreima"),
         make<Tfrmreima>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnusanma"),
         QStringLiteral("自动三码选号(&S)"),
         QStringLiteral("Tfrmsanma"),
         make<Tfrmsanma>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnudingweipai"),
         QStringLiteral("号码次数提取(&D)"),
         QStringLiteral("Tfrmdingweipai"),
         make<Tfrmdingweipai>(),
         false,
         {}},
        {M::Filters,
         QStringLiteral("mnufushi"),
         QStringLiteral("无穷胆码选号(&W)"),
         QStringLiteral("Tfrmfushi"),
         make<Tfrmfushi>(),
         false,
         {4, QStringLiteral("tlblunhuan"), QStringLiteral("无穷胆码"), QStringLiteral("danma")}},
        {M::Filters,
         QStringLiteral("mnujiaoqi"),
         QStringLiteral("多重大底交集(&D)"),
         QStringLiteral("Tfrmjiaoqi"),
         make<Tfrmjiaoqi>(),
         false,
         {3, QStringLiteral("tlbyilou"), QStringLiteral("大底交集"), QStringLiteral("intersect")}},
        {M::Plans,
         QStringLiteral("mnugudingjihua"),
         QStringLiteral("固定投资计划(&D)"),
         QStringLiteral("Tfrmgudingjihua"),
         make<Tfrmgudingjihua>(),
         false,
         {6, QStringLiteral("tlbgudingjihua"), QStringLiteral("投资计划"), QStringLiteral("plan")}},
        {M::Plans,
         QStringLiteral("mnujieduanjihua"),
         QStringLiteral("阶段投资计划(&J)"),
         QStringLiteral("Tfrmjieduanjihua"),
         make<Tfrmjieduanjihua>(),
         false,
         {}},
        {M::Plans,
         QStringLiteral("mnukeibianjihua"),
         QStringLiteral("可变投资计划(&S)"),
         QStringLiteral("Tfrmkeibianjihua"),
         make<Tfrmkeibianjihua>(),
         false,
         {}},
        {M::Plans,
         QStringLiteral("mnutozi"),
         QStringLiteral("投资模式分析(&Z)"),
         QStringLiteral("Tfrmtozi"),
         make<Tfrmtozi>(),
         false,
         {}},
    };
    return entries;
}

const ToolWindowEntry *toolWindowEntry(const QString &className) {
    for (const ToolWindowEntry &entry : toolWindowEntries())
        if (entry.className == className) return &entry;
    return nullptr;
}

WindowFactory toolWindowFactory(const QString &className) {
    const ToolWindowEntry *entry = toolWindowEntry(className);
    return entry ? entry->factory : WindowFactory();
}

} // namespace corvel
