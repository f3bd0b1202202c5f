#include "generators/windows/u_gensui2.h"

namespace corvel {

Tfrmgensui2::Tfrmgensui2(QWidget *parent) : FollowWindow(parent, FollowKind::Direct) {}

} // namespace corvel
