// Text measures: a text measured again, in another font or on another device.

#include "ui/textfit.h"

#include <QFont>
#include <QImage>
#include <gtest/gtest.h>

using namespace corvel;

TEST(TextFit, SizesFollowTheFontAndTheDeviceWhenMeasuredAgain) {
    QFont small;
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(30);
    const QString text = QStringLiteral("热温冷12");
    const QSize first = ui::textSize(small, text);
    EXPECT_GT(first.width(), 0);
    EXPECT_EQ(ui::textSize(small, text), first);
    const QSize bigger = ui::textSize(large, text);
    EXPECT_GT(bigger.width(), first.width());
    EXPECT_GT(bigger.height(), first.height());
    EXPECT_GT(ui::textSize(small, text + text).width(), first.width());
    EXPECT_EQ(ui::textSize(small, QString()).width(), 0);
    // A point-size font on a device of twice the resolution takes twice the room.
    QFont points;
    points.setPointSize(12);
    QImage sharp(10, 10, QImage::Format_RGB32);
    sharp.setDotsPerMeterX(sharp.dotsPerMeterX() * 2);
    sharp.setDotsPerMeterY(sharp.dotsPerMeterY() * 2);
    EXPECT_GT(ui::textSize(points, text, &sharp).width(), ui::textSize(points, text).width() * 3 / 2);
}
