#pragma once

#include <QString>

// A fresh folder for settings and files of one test program run; removed at exit.
QString TestScratchFolder();
