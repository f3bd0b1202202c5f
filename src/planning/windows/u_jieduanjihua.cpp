#include "planning/windows/u_jieduanjihua.h"

namespace corvel {

Tfrmjieduanjihua::Tfrmjieduanjihua(QWidget *parent) : MultiplePlanWindow(parent, Kind::Stage) {}

} // namespace corvel
