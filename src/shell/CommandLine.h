#pragma once

#include <QString>
#include <string>
#include <vector>

// The program's command line: tresmolo [--search] [FOLDER], --help, --version. It is read before
// any application object exists, from the arguments' exact bytes.
namespace CommandLine {

// What the program is asked to do at start-up.
struct Options
{
    // Absolute and clean, a path text (platform::PathText: a name that is not UTF-8 keeps its
    // bytes); empty: the folder chosen last.
    QString folder;
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
    // The positions of the arguments that belong to Qt (its own options before "--", such as
    // -platform NAME or -style NAME, with their values), in order. Only these, after the program's
    // name, are given to the application object; nothing after "--" ever is.
    std::vector<int> qtArguments;
};

// The exit code of a command line that cannot be carried out.
constexpr int kUsageError = 2;

// Reads `arguments` (the program's name first), needing no application object. Qt's own options
// before "--" are set apart for Qt; every other option is the program's, and an unknown one is an
// error; every other argument, and everything after "--", is a folder. A folder may be a path
// (relative ones are taken from the current folder) or a local file: URI (percent-decoded to its
// exact bytes). The folder must exist, be a folder (or a link to one) and be listable. The usage
// line names the program as the first argument's file name.
Result Parse(const std::vector<std::string>& arguments);

} // namespace CommandLine
