#include "ui/textfit.h"

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <cmath>

namespace corvel::ui {

QSize textSize(const QFont &font, const QString &text, QPaintDevice *device) {
    QTextLayout layout(text.isEmpty() ? QStringLiteral(" ") : text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    const int width = text.isEmpty() ? 0 : static_cast<int>(std::ceil(line.naturalTextWidth()));
    return {width, static_cast<int>(std::ceil(line.height()))};
}

QStringList breakIntoLines(const QString &text, const QFont &font, int room) {
    QStringList pieces;
    QString piece;
    for (const QChar c : text) {
        piece += c;
        if (c.unicode() >= 0x80) {
            pieces << piece;
            piece.clear();
        }
    }
    if (!piece.isEmpty()) pieces << piece;

    QStringList lines;
    QString line;
    for (const QString &p : pieces) {
        if (textSize(font, p).width() > room) return {};
        if (!line.isEmpty() && textSize(font, line + p).width() > room) {
            lines << line;
            line.clear();
        }
        line += p;
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

} // namespace corvel::ui
