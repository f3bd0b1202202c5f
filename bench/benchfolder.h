#pragma once
// A program folder whose database holds one lottery, 中国福彩3D, of MaxDraws draws.

#include "core/drawhistory.h"
#include "core/u_public.h"
#include "store/appdir.h"
#include "store/catalogue.h"

#include <QTemporaryDir>
#include <random>

namespace corvel::bench {

struct BenchFolder {
    QTemporaryDir dir;
    BenchFolder() {
        initAppDir(dir.path());
        BundledLottery l;
        l.options = {QStringLiteral("中国福彩3D"), 1, 10, 3, QStringLiteral("21:15"), QStringLiteral("1234567")};
        std::mt19937 rng(7);
        for (int i = 0; i < MaxDraws; ++i) {
            RawDraw row;
            row.issue = std::to_string((2000 + i / 999) * 1000 + i % 999 + 1);
            for (int c = 0; c < 3; ++c) row.digits[c] = int(rng() % 10);
            l.draws.rows.push_back(row);
        }
        createDatabase(databasePath(), {l});
    }

    // Makes the folder's lottery the one the program opens next.
    static void chooseLottery() {
        LotteryName = "中国福彩3D";
        LotteryKind = 1;
        NumberRange = 10;
        PickCount = 3;
        PositionStart = 1;
    }
};

} // namespace corvel::bench
