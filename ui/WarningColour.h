#pragma once

#include <QColor>

// WarningColour — the colour of a warning's text on a background: amber, dark
// on a light ground and light on a dark one, with a contrast of at least 4.5:1
// (WCAG 2.1, 1.4.3); on a ground where neither amber has it (a middle grey),
// black or white, whichever contrasts more.
QColor WarningColour(const QColor& background);

// ContrastRatio — WCAG 2.1's contrast ratio of two colours, 1 to 21
// Source: WCAG 2.1, definitions of "contrast ratio" and "relative luminance" (sRGB)
double ContrastRatio(const QColor& a, const QColor& b);
