#pragma once

#include <QFont>

// The program's typeface: Verdana, or DejaVu Sans (its usual free stand-in, of
// nearly the same metrics) where Verdana is not installed, so that the windows
// look the same whatever fonts a machine has. 8 points, as every window is laid
// out for it.
QFont ProgramFont();
