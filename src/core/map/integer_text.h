#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace vornik {

// Whole numbers as the editor's fields and map files take them: an optional sign, then either
// decimal digits, or "$" or "0x" followed by hexadecimal digits. Decimal values must fit 32 bits;
// hexadecimal ones may use all 32 bits and wrap to negative ("$FFFFFFFF" is -1). Nothing else is a
// number: no spaces, no empty text.
std::optional<int> TryParseInteger(std::string_view text);

// The number of the text; anything else throws "'text' is not a valid integer value".
int ParseInteger(const QString &text);

} // namespace vornik
