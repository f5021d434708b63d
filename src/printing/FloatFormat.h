#pragma once

#include <QString>

namespace printing {

// Formats a number with a picture of the kind report designers write:
// "#" an optional digit, "0" a required digit, "," thousands grouping, "." the
// decimal point, ";" separating the picture for negative numbers (and a third
// one for zero). Other characters, blanks included, print as they stand before
// or after the number. A picture with no "0" before the point prints nothing
// for a zero integer part: "#,###" gives "" for 0 and ".5" for 0.5.
QString FormatFloat(const QString &picture, double value);

} // namespace printing
