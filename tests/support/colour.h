// How far apart two colours look, to the tests that judge the palette: the
// WCAG contrast ratio, the CIE 1976 colour difference, and the same
// difference as a pupil with a red-green deficiency sees it.
#pragma once
#include "platform/palette.h"

namespace cw::test {

// The contrast ratio of two colours (1 .. 21) as the WCAG formula defines it.
double contrast_ratio(Rgb a, Rgb b);

// Whose eyes see the colours: normal vision, or the two commonest colour
// blindnesses, a missing green cone (deuteranope) or red cone (protanope),
// about one boy in twenty between them.
enum class Vision { Normal, Deuteranope, Protanope };
const char* vision_name(Vision v);
constexpr Vision kEveryVision[] = {Vision::Normal, Vision::Deuteranope, Vision::Protanope};

// How far apart two colours look: their distance in CIELAB (D65), the
// CIE 1976 colour difference; about 2.3 is the least an eye tells apart.
// For a deuteranope or protanope both colours are first turned into what
// that eye sees (Machado, Oliveira and Fernandes 2009, severity 1, applied
// to linear RGB).
double colour_difference(Rgb a, Rgb b, Vision seen_by = Vision::Normal);

}  // namespace cw::test
