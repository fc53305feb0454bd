#include "BenchSupport.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace bench {

bool ParseArguments(const QStringList& args, const QStringList& known, Arguments& out, QString& error)
{
    out = Arguments();
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            out.positional.append(arg);
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        } else if (i + 1 < args.size()) {
            value = args.at(++i);
        } else {
            error = QStringLiteral("option --%1 needs a value").arg(name);
            return false;
        }
        if (!known.contains(name)) {
            error = QStringLiteral("unknown option --%1").arg(name);
            return false;
        }
        out.options.insert(name, value);
    }
    return true;
}

bool ParseCount(const Arguments& args, const QString& name, int fallback, int& out, QString& error)
{
    const auto it = args.options.constFind(name);
    if (it == args.options.constEnd()) {
        out = fallback;
        return true;
    }
    bool ok = false;
    const int value = it.value().toInt(&ok);
    if (!ok || value < 1) {
        error = QStringLiteral("--%1 wants a whole number of at least 1, not \"%2\"").arg(name, it.value());
        return false;
    }
    out = value;
    return true;
}

double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    if (samples.size() % 2)
        return samples[middle];
    return (samples[middle - 1] + samples[middle]) / 2;
}

QString FolderArgument(const QString& text)
{
    if (text.isEmpty())
        return QString();
    QString path = text;
    if (QDir::isRelativePath(path))
        path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    path = platform::FolderText(path);
    return QFileInfo(path).isDir() ? path : QString();
}

void PrintLine(const QString& line)
{
    std::fputs(qUtf8Printable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void PrintError(const QString& line)
{
    std::fputs(qUtf8Printable(line + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
}

} // namespace bench
