#include "generators/windows/u_sanma.h"

namespace corvel {

Tfrmsanma::Tfrmsanma(QWidget *parent) : AutoPlanWindow(parent, PlanKind::ThreeDigit) {}

} // namespace corvel
