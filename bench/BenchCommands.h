#pragma once

#include <QStringList>

// One command of tresmolo-bench: its name, its usage line and the function that runs it. The
// function gets the arguments after the command name and returns the process exit code.
struct BenchCommand
{
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

// walk FOLDER [--word W] [--runs N]: the engine's walk of FOLDER, timed.
int RunWalkBench(const QStringList& args);
// run FOLDER --mode file|status [--word W] [--runs N]: a whole search through the real main frame.
int RunFrameBench(const QStringList& args);
// dupes FOLDER [--mode file|status] [--runs N]: a search (file mode unless asked otherwise), then
// the duplicates window's scan of its result.
int RunDupesBench(const QStringList& args);
// verify FOLDER [--runs N] [--again] [--cache DIR] [--list FILE]: a file-mode search, the duplicates
// window's scan and its contents check, timed together; --again times a repeated check.
int RunVerifyBench(const QStringList& args);
// sort [--rows N] [--column name|folder] [--runs N]: sorting a file list of N made-up rows.
int RunSortBench(const QStringList& args);
// filter [--rows N] [--text T] [--runs N]: typing and deleting a filter text over N made-up rows.
int RunFilterBench(const QStringList& args);
