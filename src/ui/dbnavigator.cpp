#include "ui/dbnavigator.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QStackedLayout>
#include <QToolButton>

namespace corvel::ui {

DbNavigator::DbNavigator(QWidget *parent) : QWidget(parent) {
    static const char *const glyphs[ButtonCount] = {"|◀", "◀", "▶", "▶|", "+", "−", "▲", "✓", "✕", "↻"};
    static const char *const hints[ButtonCount] = {"首条记录", "前面一条", "下面一条", "最末记录", "添加记录",
                                                   "删除记录", "修改记录", "保存修改", "取消修改", "刷新记录"};
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *b = new QToolButton(this);
        b->setText(QString::fromUtf8(glyphs[i]));
        b->setToolTip(QString::fromUtf8(hints[i]));
        b->setFocusPolicy(Qt::NoFocus);
        // Equal shares of the width, whatever the glyphs need.
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        connect(b, &QToolButton::clicked, this, [this, i] { emit clicked(i); });
        buttons_[size_t(i)] = b;
        // Each button's place can take a second button over it.
        auto *place = new QStackedLayout;
        place->setStackingMode(QStackedLayout::StackAll);
        place->addWidget(b);
        places_[size_t(i)] = place;
        row->addLayout(place, 1);
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize DbNavigator::sizeHint() const { return {ButtonCount * 30, buttons_[0]->sizeHint().height() + 2}; }

void DbNavigator::cover(Button b, QAbstractButton *cover) {
    cover->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    places_[size_t(b)]->addWidget(cover);
    places_[size_t(b)]->setCurrentWidget(cover); // on top
}

} // namespace corvel::ui
