#include "shell/windowfactory.h"

#include <QMap>

// Windows, one include each.
#include "analysis/u_code.h"
#include "analysis/u_indicatorwindow.h"
#include "analysis/u_poscode.h"
#include "analysis/u_totalcode.h"
#include "filters/u_duoyilou.h"
#include "filters/u_gujian.h"
#include "filters/u_piantai.h"
#include "filters/u_sujifilt.h"
#include "filters/u_totalfilt.h"
#include "filters/u_yilou.h"
#include "filters/u_zhongpai.h"
#include "generators/u_dingweidan.h"
#include "generators/u_dingweipai.h"
#include "generators/u_fushi.h"
#include "generators/u_gensui.h"
#include "generators/u_gensui2.h"
#include "generators/u_jiaoqi.h"
#include "generators/u_reima.h"
#include "generators/u_sanma.h"
#include "maintenance/u_data.h"
#include "maintenance/u_download2.h"
#include "planning/u_gudingjihua.h"
#include "planning/u_jieduanjihua.h"
#include "planning/u_keibianjihua.h"
#include "planning/u_tozi.h"

namespace corvel {

namespace {

template <class W> WindowFactory make() {
    return [](QWidget *parent) -> QWidget * { return new W(parent); };
}

const QMap<QString, WindowFactory> &toolWindows() {
    static const QMap<QString, WindowFactory> windows{
        {QStringLiteral("Tfrmdata"), make<Tfrmdata>()},
        {QStringLiteral("Tfrmdingweidan"), make<Tfrmdingweidan>()},
        {QStringLiteral("Tfrmdingweipai"), make<Tfrmdingweipai>()},
        {QStringLiteral("Tfrmfushi"), make<Tfrmfushi>()},
        {QStringLiteral("Tfrmjiaoqi"), make<Tfrmjiaoqi>()},
        {QStringLiteral("Tfrmdownload2"), make<Tfrmdownload2>()},
        {QStringLiteral("Tfrmduoyilou"), make<Tfrmduoyilou>()},
        {QStringLiteral("Tfrmgensui"), make<Tfrmgensui>()},
        {QStringLiteral("Tfrmgensui2"), make<Tfrmgensui2>()},
        {QStringLiteral("Tfrmgujian"), make<Tfrmgujian>()},
        {QStringLiteral("Tfrmgudingjihua"), make<Tfrmgudingjihua>()},
        {QStringLiteral("Tfrmjieduanjihua"), make<Tfrmjieduanjihua>()},
        {QStringLiteral("Tfrmkeibianjihua"), make<Tfrmkeibianjihua>()},
        {QStringLiteral("Tfrmpiantai"), make<Tfrmpiantai>()},
        {QStringLiteral("Tfrmreima"), make<Tfrmreima>()},
        {QStringLiteral("Tfrmsanma"), make<Tfrmsanma>()},
        {QStringLiteral("Tfrmsujifilt"), make<Tfrmsujifilt>()},
        {QStringLiteral("Tfrmtotalfilt"), make<Tfrmtotalfilt>()},
        {QStringLiteral("Tfrmtozi"), make<Tfrmtozi>()},
        {QStringLiteral("Tfrmyilou"), make<Tfrmyilou>()},
        {QStringLiteral("Tfrmzhongpai"), make<Tfrmzhongpai>()},
    };
    return windows;
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
WindowFactory toolWindowFactory(const QString &className) { return toolWindows().value(className); }

} // namespace corvel
