#pragma once
// Measuring texts with the font they are drawn in. Chinese captions often come from a
// fallback font that is taller and wider than the font asked for; these measures lay the
// text out as it will be drawn, so they include that font.

#include <QSize>

#include <QStringList>

class QFont;
class QPaintDevice;
class QString;

namespace corvel::ui {

// The size of `text` on one line in `font` (on `device` when given, for its resolution):
// its advance and the height of the line, fallback fonts included.
QSize textSize(const QFont &font, const QString &text, QPaintDevice *device = nullptr);

// A caption too wide for `room` pixels broken into as few lines as fit, between its pieces:
// a run of digits or Latin letters stays with the character after it ("1热"), any other
// character is a piece of its own. Empty when a piece alone is wider than the room.
QStringList breakIntoLines(const QString &text, const QFont &font, int room);

} // namespace corvel::ui
