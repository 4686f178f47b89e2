#pragma once

#include "core/model/Types.h"

#include <QString>

// Numbers as the user reads and types them: "," is the decimal separator shown, and typing is
// forgiving so that any text yields a value.

// General format with up to 15 significant digits, exponent only where needed: 22.5 gives
// "22,5".
QString FormatNumber(Extended value);

// The separator is "." if the text holds one, else ","; stray characters, late signs and
// repeated separators are dropped, and text without digits gives 0.
Extended ParseNumber(const QString& text);
