#pragma once

#include <QTranslator>
#include <memory>

// Qt's own texts (file, colour and message dialogs, standard buttons) in German, so they speak
// the language of the rest of the window. None when the catalogue is not installed.
std::unique_ptr<QTranslator> GermanQtTranslator();
