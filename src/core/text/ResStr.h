#pragma once

#include <QString>

// A text of the user interface: its number in the translation catalogues and the German text
// the program shows when no catalogue has one.
struct TText {
    int Id;
    const char* German;
};

// The text in the active language, else the German default. Every text the user reads goes
// through here, so that switching the language reaches all of them.
QString ResStr(int id, const char* german);

inline QString ResStr(const TText& text) {
    return ResStr(text.Id, text.German);
}
