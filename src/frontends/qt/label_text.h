#pragma once
// A label's text, laid out once per look: a star crossed by a sweep line repaints without
// shaping its text again.
#include <QStaticText>

#include "midend/display_list.h"

namespace tw {

// A text item's plain text, top-aligned and wrapped at its width, as the toolkit lays it
// out; the painter's font must be the item's.
QStaticText laidOutText(const DrawItem& item);

}  // namespace tw
