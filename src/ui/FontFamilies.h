#pragma once

#include <QString>

// A family name as the font database lists it, without the " [foundry]" tag it carries when
// several foundries provide the family. Projects store the plain name, which every foundry's
// face of that family matches.
QString PlainFamilyName(const QString& family);
