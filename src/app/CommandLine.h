#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for.
struct TCommandLine {
    enum class TMode { Editor, Export, Dump };
    TMode Mode = TMode::Editor;
    QString Project;
    QString Output;
    QString Frames;
    QString Codec;
    std::optional<int> Frame;
};

// Parses the arguments (program name first). On a usage error returns none and sets error.
std::optional<TCommandLine> ParseCommandLine(const QStringList& arguments, QString& error);

// True when the arguments ask for work without a window, so no display must be touched.
bool IsHeadless(int argc, char** argv);

// The program: headless commands, or the editor window.
int RunKelvro(int argc, char** argv);
