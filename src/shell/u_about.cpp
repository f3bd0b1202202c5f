#include "shell/u_about.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace corvel {

QPixmap programPicture(int size, qreal devicePixelRatio) {
    QPixmap picture(QSize(size, size) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // Red tile.
    QLinearGradient back(0, 0, 0, s);
    back.setColorAt(0, QColor(0xd8, 0x2a, 0x2a));
    back.setColorAt(1, QColor(0x8c, 0x10, 0x10));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s / 6, s / 6);
    p.fillPath(tile, back);
    // A small trend chart in the upper half.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd5, 0x4f));
    const qreal barWidth = s / 8;
    const qreal heights[3] = {0.18, 0.30, 0.12};
    for (int i = 0; i < 3; ++i) {
        const qreal x = s * 0.2 + i * s * 0.22;
        p.drawRect(QRectF(x, s * 0.48 - heights[i] * s, barWidth, heights[i] * s));
    }
    // Three draw balls with their digits.
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, int(s * 0.19)));
    p.setFont(font);
    const char digits[3] = {'3', '0', '7'};
    for (int i = 0; i < 3; ++i) {
        const QRectF ball(s * 0.07 + i * s * 0.3, s * 0.56, s * 0.26, s * 0.26);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(ball);
        p.setPen(QColor(0xb0, 0x18, 0x18));
        p.drawText(ball, Qt::AlignCenter, QString(QLatin1Char(digits[i])));
    }
    return picture;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(programPicture(size));
    return icon;
}

Tfrmabout::Tfrmabout(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QStringLiteral("关于本程序"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    // Drawn for the screen's pixel ratio, shown at its own size: never stretched.
    imgpicture = new QLabel(this);
    imgpicture->setObjectName(QStringLiteral("imgpicture"));
    imgpicture->setPixmap(programPicture(PictureSize, devicePixelRatioF()));
    imgpicture->setFixedSize(PictureSize, PictureSize);
    auto *title = new QLabel(QStringLiteral("Corvel12.0版"), this);
    title->setObjectName(QStringLiteral("lbltitle"));
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 8);
    f.setBold(true);
    title->setFont(f);
    auto *lines = new QLabel(QStringLiteral("三位数彩票分析工作台\n适用：福彩3D 体彩排列3 时时彩"), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("btnclose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(lines);
    text->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(imgpicture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(close, 0, Qt::AlignRight);
    setFixedSize(sizeHint().expandedTo(QSize(380, 180)));
}

} // namespace corvel
