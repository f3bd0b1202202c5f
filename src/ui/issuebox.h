#pragma once
// The issue box of the windows that work for a past issue or the next one.

#include "core/u_public.h"

#include <QStringList>

class QComboBox;

namespace corvel::ui {

// Every draw's issue in order, then the next issue: the newest plus 1, or 1 without draws.
QStringList issueItems(const DrawTable &draws);
// Puts those items in `box` (instead of what it held) and selects the next issue.
void fillIssueBox(QComboBox *box, const DrawTable &draws);

} // namespace corvel::ui
