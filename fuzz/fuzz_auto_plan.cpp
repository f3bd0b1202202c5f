// The plan files of the automatic two- and three-digit selection (保存计划 / 载入计划): a plan
// that loads writes itself back to the same lines and takes a further step or refuses it.
#include "fuzzsupport.h"
#include "generators/autoplan.h"

using namespace corvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::vector<std::string> lines = fuzz::lines(fuzz::text(data, size));
    for (const PlanKind kind : {PlanKind::TwoDigit, PlanKind::ThreeDigit}) {
        fuzz::refusalAllowed([&] {
            AutoPlan::Loaded loaded = AutoPlan::read(kind, lines);
            const std::vector<std::string> written = loaded.plan.write(loaded.mode);
            const AutoPlan::Loaded again = AutoPlan::read(kind, written);
            if (again.plan.write(again.mode) != written || again.plan.rows().size() != loaded.plan.rows().size())
                __builtin_trap();
            for (const Number &n : loaded.plan.betList())
                for (int d : n)
                    if (d < 0 || d > 9) __builtin_trap();
            fuzz::refusalAllowed([&] { loaded.plan.step(loaded.mode, "123", "456"); });
        });
    }
    return 0;
}
