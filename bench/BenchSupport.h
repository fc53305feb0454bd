#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace bench {

// The arguments of one command: plain words in order, and "--name value" options.
struct Arguments
{
    QStringList positional;
    QHash<QString, QString> options;
};

// Splits `args` into plain words and the options named in `known` (each takes one value, given as
// "--name value" or "--name=value"). False with `error` set on an unknown option or a missing value.
bool ParseArguments(const QStringList& args, const QStringList& known, Arguments& out, QString& error);

// The value of a "--runs" style option: a whole number of at least 1, or `fallback` when absent.
// False with `error` set when the text is not such a number.
bool ParseCount(const Arguments& args, const QString& name, int fallback, int& out, QString& error);

// The median of the samples (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> samples);

// The folder argument as the engine wants it: absolute, without trailing "/" (the root stays "/").
// Empty when it does not name a folder.
QString FolderArgument(const QString& text);

// Writes a line to standard output or standard error, flushing it at once.
void PrintLine(const QString& line);
void PrintError(const QString& line);

} // namespace bench
