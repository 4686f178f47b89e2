#pragma once

#include "core/text/ResStr.h"

// Texts that many dialogs and messages share.
inline constexpr TText kOkText{1001, "Ok"};
inline constexpr TText kCancelText{1002, "Abbruch"};
inline constexpr TText kYesText{1003, "Ja"};
inline constexpr TText kNoText{1004, "Nein"};
inline constexpr TText kErrorCaption{1051, "Fehler"};
inline constexpr TText kWarningCaption{1052, "Warnung"};
inline constexpr TText kQuestionCaption{1053, "Frage"};
inline constexpr TText kCloseText{1105, "Schließen"};
