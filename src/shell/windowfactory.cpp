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
#include "planning/u_gudingjihua.h"
#include "planning/u_jieduanjihua.h"
#include "planning/u_keibianjihua.h"
#include "planning/u_tozi.h"
#include "store/u_data.h"
#include "store/u_download2.h"

namespace corvel {

namespace {

template <class W> WindowFactory make() {
    return [](QWidget *parent) -> QWidget * { return new W(parent); };
}

const QMap<int, WindowFactory> &analysisWindows() {
    static const QMap<int, WindowFactory> windows{
        {0, make<Tfrmcode>()},      {1, make<Tfrmposcode>()}, {2, make<Tfrmtotalcode>()}, {3, make<Tfrmdaxiao>()},
        {4, make<Tfrmjiou>()},      {5, make<Tfrmhei>()},     {6, make<Tfrmheiwei>()},    {7, make<Tfrmkuadu>()},
        {8, make<Tfrmhuihuo>()},    {9, make<Tfrmhuicai>()},  {10, make<Tfrmlenrei>()},   {11, make<Tfrmchusan>()},
        {12, make<Tfrmclz>()},      {13, make<Tfrmfgz>()},    {14, make<Tfrmjuli>()},     {15, make<Tfrmcongma>()},
        {16, make<Tfrmzudaxiao>()}, {17, make<Tfrmzujiou>()}, {18, make<Tfrmzulenrei>()}, {19, make<Tfrmzhusan>()},
    };
    return windows;
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

WindowFactory analysisWindowFactory(int tab) { return analysisWindows().value(tab); }
WindowFactory toolWindowFactory(const QString &className) { return toolWindows().value(className); }

} // namespace corvel
