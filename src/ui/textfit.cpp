#include "ui/textfit.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QTextLayout>
#include <cmath>

namespace corvel::ui {

namespace {

QSize layoutSize(const QFont &font, const QString &text, QPaintDevice *device) {
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

} // namespace

QSize textSize(const QFont &font, const QString &text, QPaintDevice *device) {
    // Laying a text out (shaping it, finding its fallback fonts) costs far more than looking
    // it up: headings and chart labels are measured again on every layout pass, so the
    // sizes on the screen's resolution are kept. A changed font is another key.
    if (device) return layoutSize(font, text, device);
    thread_local QHash<std::pair<QFont, QString>, QSize> sizes;
    const auto key = std::make_pair(font, text);
    if (const auto found = sizes.constFind(key); found != sizes.cend()) return *found;
    if (sizes.size() >= 4096) sizes.clear();
    const QSize size = layoutSize(font, text, nullptr);
    sizes.insert(key, size);
    return size;
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
