#include "shell/u_flash.h"

#include "store/appdir.h"

#include <QPainter>
#include <QTimer>

namespace corvel {

Tfrmflash::Tfrmflash(QWidget *parent) : QDialog(parent) {
    setObjectName("frmflash");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(551, 337);
    picture_ = QPixmap(pictureDir() + QStringLiteral("flash.jpg"));
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (++ticks_ >= 5) accept();
    });
    timer_->start();
}

void Tfrmflash::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (!picture_.isNull())
        p.drawPixmap(rect(), picture_);
    else
        p.fillRect(rect(), palette().window());
    QFont title(QStringLiteral("隶书"));
    title.setFamilies({QStringLiteral("隶书"), QStringLiteral("LiSu"), QStringLiteral("Noto Serif CJK SC")});
    title.setPixelSize(44);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    p.setPen(Qt::red);
    p.drawText(QRect(0, 60, width(), 70), Qt::AlignCenter, QStringLiteral("Corvel"));
    QFont body = font();
    body.setPixelSize(16);
    p.setFont(body);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 200, width(), 30), Qt::AlignCenter, QStringLiteral("适用：福彩3D 体彩排列3   "));
    p.drawText(QRect(0, 300, width() - 12, 30), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("单击跳过"));
}

void Tfrmflash::mousePressEvent(QMouseEvent *) { accept(); }

void Tfrmflash::keyPressEvent(QKeyEvent *) { accept(); }

} // namespace corvel
