#include "shell/u_about.h"

#include "store/appdir.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel {

Tfrmabout::Tfrmabout(QWidget *parent) : QDialog(parent) {
    setObjectName("frmabout");
    setWindowTitle(QStringLiteral("关于本程序"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    auto *picture = new QLabel(this);
    picture->setFixedSize(96, 96);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(pictureDir() + QStringLiteral("left.bmp")));
    auto *title = new QLabel(QStringLiteral("Corvel12.0版"), this);
    title->setObjectName("lbltitle");
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 8);
    f.setBold(true);
    title->setFont(f);
    auto *lines = new QLabel(QStringLiteral("三位数彩票分析工作台\n适用：福彩3D 体彩排列3 时时彩"), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName("btnclose");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(lines);
    text->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(close, 0, Qt::AlignRight);
    setFixedSize(sizeHint().expandedTo(QSize(380, 180)));
}

} // namespace corvel
