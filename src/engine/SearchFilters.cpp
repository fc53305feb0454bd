#include "engine/SearchFilters.h"

#include "engine/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

using Settings::FilterKey;

namespace {

QString Section()
{
    return QString::fromLatin1(Settings::kFiltersSection);
}

int ReadInt(FilterKey key)
{
    return platform::GetProfileInt(Section(), Settings::Name(key), Settings::IntDefault(key));
}

QString ReadString(FilterKey key)
{
    return platform::GetProfileString(Section(), Settings::Name(key), Settings::StringDefault(key));
}

void Write(FilterKey key, int value)
{
    platform::WriteProfileInt(Section(), Settings::Name(key), value);
}

void Write(FilterKey key, const QString& value)
{
    platform::WriteProfileString(Section(), Settings::Name(key), value);
}

SearchFilters::SizeLimit ReadSize(FilterKey enabled, FilterKey amount, FilterKey unit)
{
    SearchFilters::SizeLimit limit;
    limit.enabled = ReadInt(enabled) != 0;
    limit.amount = std::max(0, ReadInt(amount));
    const int unitValue = ReadInt(unit);
    limit.unit =
        unitValue >= 0 && unitValue <= 3 ? SearchFilters::SizeUnit(unitValue) : SearchFilters::SizeUnit::KB;
    return limit;
}

void WriteSize(const SearchFilters::SizeLimit& limit, FilterKey enabled, FilterKey amount, FilterKey unit)
{
    Write(enabled, limit.enabled ? 1 : 0);
    Write(amount, limit.amount);
    Write(unit, int(limit.unit));
}

QDate ReadDate(FilterKey key)
{
    return QDate::fromString(ReadString(key), Qt::ISODate);
}

QString DateText(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString SizeText(const SearchFilters::SizeLimit& limit)
{
    static const char* const kUnits[] = {
        QT_TRANSLATE_NOOP("SearchFilters", "%1 byte(s)"), QT_TRANSLATE_NOOP("SearchFilters", "%1 KB"),
        QT_TRANSLATE_NOOP("SearchFilters", "%1 MB"), QT_TRANSLATE_NOOP("SearchFilters", "%1 GB")};
    return QCoreApplication::translate("SearchFilters", kUnits[int(limit.unit)]).arg(limit.amount);
}

} // namespace

std::int64_t SearchFilters::SizeLimit::Bytes() const
{
    return std::int64_t(amount) << (10 * int(unit));
}

bool SearchFilters::AnyInForce(const QString& word) const
{
    return !skipPatterns.isEmpty() || (nameMatch != NameMatch::Contains && !word.isEmpty()) ||
           TestsStatus() || !containingText.isEmpty();
}

SearchFilters LoadSearchFilters()
{
    SearchFilters filters;
    filters.skipPatterns = SplitSkipPatterns(ReadString(FilterKey::SkipPatterns));
    const int match = ReadInt(FilterKey::NameMatch);
    if (match >= 0 && match <= 2)
        filters.nameMatch = SearchFilters::NameMatch(match);
    filters.minSize = ReadSize(FilterKey::MinSizeEnabled, FilterKey::MinSize, FilterKey::MinSizeUnit);
    filters.maxSize = ReadSize(FilterKey::MaxSizeEnabled, FilterKey::MaxSize, FilterKey::MaxSizeUnit);
    filters.modifiedFrom = ReadDate(FilterKey::ModifiedFrom);
    filters.modifiedTo = ReadDate(FilterKey::ModifiedTo);
    filters.modifiedWithinDays = std::max(0, ReadInt(FilterKey::ModifiedWithinDays));
    filters.containingText = ReadString(FilterKey::ContainingText);
    filters.textIsRegularExpression = ReadInt(FilterKey::TextIsRegularExpression) != 0;
    filters.searchBinaryFiles = ReadInt(FilterKey::SearchBinaryFiles) != 0;
    return filters;
}

void SaveSearchFilters(const SearchFilters& filters)
{
    Write(FilterKey::SkipPatterns, JoinSkipPatterns(filters.skipPatterns));
    Write(FilterKey::NameMatch, int(filters.nameMatch));
    WriteSize(filters.minSize, FilterKey::MinSizeEnabled, FilterKey::MinSize, FilterKey::MinSizeUnit);
    WriteSize(filters.maxSize, FilterKey::MaxSizeEnabled, FilterKey::MaxSize, FilterKey::MaxSizeUnit);
    Write(FilterKey::ModifiedFrom, DateText(filters.modifiedFrom));
    Write(FilterKey::ModifiedTo, DateText(filters.modifiedTo));
    Write(FilterKey::ModifiedWithinDays, filters.modifiedWithinDays);
    Write(FilterKey::ContainingText, filters.containingText);
    Write(FilterKey::TextIsRegularExpression, filters.textIsRegularExpression ? 1 : 0);
    Write(FilterKey::SearchBinaryFiles, filters.searchBinaryFiles ? 1 : 0);
}

QString JoinSkipPatterns(const QStringList& patterns)
{
    return patterns.join(QLatin1Char('\n'));
}

QStringList SplitSkipPatterns(const QString& text)
{
    QStringList patterns = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns)
        if (pattern.endsWith(QLatin1Char('\r')))
            pattern.chop(1);
    patterns.removeIf([](const QString& pattern) { return pattern.trimmed().isEmpty(); });
    return patterns;
}

PatternCheck CheckRegularExpression(const QString& pattern)
{
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    PatternCheck check;
    if (!expression.isValid()) {
        check.valid = false;
        check.error = expression.errorString();
        check.offset = int(expression.patternErrorOffset());
    }
    return check;
}

PatternCheck CheckSearchFilters(const SearchFilters& filters, const QString& word)
{
    if (filters.nameMatch == SearchFilters::NameMatch::RegularExpression && !word.isEmpty()) {
        const PatternCheck check = CheckRegularExpression(word);
        if (!check.valid)
            return check;
    }
    if (filters.textIsRegularExpression && !filters.containingText.isEmpty())
        return CheckRegularExpression(filters.containingText);
    return {};
}

QString DescribeSearchFilters(const SearchFilters& filters, const QString& word)
{
    if (!filters.AnyInForce(word))
        return {};
    QStringList parts;
    if (!filters.skipPatterns.isEmpty())
        parts << QCoreApplication::translate("SearchFilters", "skipping %1 pattern(s)")
                     .arg(filters.skipPatterns.size());
    if (!word.isEmpty() && filters.nameMatch == SearchFilters::NameMatch::Wildcard)
        parts << QCoreApplication::translate("SearchFilters", "name matches a wildcard");
    if (!word.isEmpty() && filters.nameMatch == SearchFilters::NameMatch::RegularExpression)
        parts << QCoreApplication::translate("SearchFilters", "name matches a regular expression");
    if (filters.minSize.enabled)
        parts << QCoreApplication::translate("SearchFilters", "size at least %1")
                     .arg(SizeText(filters.minSize));
    if (filters.maxSize.enabled)
        parts
            << QCoreApplication::translate("SearchFilters", "size at most %1").arg(SizeText(filters.maxSize));
    if (filters.modifiedFrom.isValid())
        parts << QCoreApplication::translate("SearchFilters", "modified on or after %1")
                     .arg(DateText(filters.modifiedFrom));
    if (filters.modifiedTo.isValid())
        parts << QCoreApplication::translate("SearchFilters", "modified on or before %1")
                     .arg(DateText(filters.modifiedTo));
    if (filters.modifiedWithinDays > 0)
        parts << QCoreApplication::translate("SearchFilters", "modified in the last %1 day(s)")
                     .arg(filters.modifiedWithinDays);
    if (!filters.containingText.isEmpty()) {
        parts << (filters.textIsRegularExpression
                      ? QCoreApplication::translate("SearchFilters", "contents match \"%1\"")
                      : QCoreApplication::translate("SearchFilters", "containing \"%1\""))
                     .arg(filters.containingText);
        if (filters.searchBinaryFiles)
            parts << QCoreApplication::translate("SearchFilters", "binary files too");
    }
    if (parts.isEmpty())
        return {};
    QString sentence = parts.takeFirst();
    for (const QString& part : parts)
        sentence = QCoreApplication::translate("SearchFilters", "%1; %2").arg(sentence, part);
    sentence[0] = sentence[0].toUpper();
    return QCoreApplication::translate("SearchFilters", "%1.").arg(sentence);
}
