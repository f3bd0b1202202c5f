#include "planning/windows/u_gudingjihua.h"

namespace corvel {

Tfrmgudingjihua::Tfrmgudingjihua(QWidget *parent) : MultiplePlanWindow(parent, Kind::Fixed) {}

} // namespace corvel
