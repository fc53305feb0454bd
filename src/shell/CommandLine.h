#pragma once

#include <QString>
#include <QStringList>

// The program's command line: tresmolo [--search] [FOLDER], --help, --version.
namespace CommandLine {

// What the program is asked to do at start-up.
struct Options
{
    QString folder;      // absolute and clean; empty: the folder chosen last
    bool search = false; // start a search once the folder is selected
};

// The outcome of reading the arguments: either go on with `options`, or end at once with
// `exitCode` after printing `output` (standard output) and `error` (standard error).
struct Result
{
    bool run = false;
    int exitCode = 0;
    QString output;
    QString error;
    Options options;
};

// The exit code of a command line that cannot be carried out.
constexpr int kUsageError = 2;

// Reads `arguments` (the program's name first). Relative folders are taken from the current folder.
// Needs no application object; the program name in the usage line is the first argument's file name.
Result Parse(const QStringList& arguments);

// True when Parse(arguments) ends the program without a window, and the arguments hold nothing the
// windowing system would take off first (Qt's own options read as unknown here): the help, the
// version, and faults such as a missing folder. Such a command line needs no display.
bool EndsWithoutWindow(const QStringList& arguments);

} // namespace CommandLine
