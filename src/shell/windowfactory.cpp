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
        {"Tfrmdata", make<Tfrmdata>()},
        {"Tfrmdingweidan", make<Tfrmdingweidan>()},
        {"Tfrmdingweipai", make<Tfrmdingweipai>()},
        {"Tfrmfushi", make<Tfrmfushi>()},
        {"Tfrmjiaoqi", make<Tfrmjiaoqi>()},
        {"Tfrmdownload2", make<Tfrmdownload2>()},
        {"Tfrmduoyilou", make<Tfrmduoyilou>()},
        {"Tfrmgensui", make<Tfrmgensui>()},
        {"Tfrmgensui2", make<Tfrmgensui2>()},
        {"Tfrmgujian", make<Tfrmgujian>()},
        {"Tfrmgudingjihua", make<Tfrmgudingjihua>()},
        {"Tfrmjieduanjihua", make<Tfrmjieduanjihua>()},
        {"Tfrmkeibianjihua", make<Tfrmkeibianjihua>()},
        {"Tfrmpiantai", make<Tfrmpiantai>()},
        {"Tfrmreima", make<Tfrmreima>()},
        {"Tfrmsanma", make<Tfrmsanma>()},
        {"Tfrmsujifilt", make<Tfrmsujifilt>()},
        {"Tfrmtotalfilt", make<Tfrmtotalfilt>()},
        {"Tfrmtozi", make<Tfrmtozi>()},
        {"Tfrmyilou", make<Tfrmyilou>()},
        {"Tfrmzhongpai", make<Tfrmzhongpai>()},
    };
    return windows;
}

} // namespace

WindowFactory analysisWindowFactory(int tab) { return analysisWindows().value(tab); }
WindowFactory toolWindowFactory(const QString &className) { return toolWindows().value(className); }

} // namespace corvel
