#pragma once
// A label's text, laid out once per look: a star crossed by a sweep line repaints without
// shaping its text again.
#include <QStaticText>

#include "model/element.h"

namespace tw {

// The label's plain text, top-aligned and wrapped at `width` logical pixels, as the
// toolkit lays it out; the painter's font must be the label's.
QStaticText laidOutText(const Element& label, int width);

}  // namespace tw
