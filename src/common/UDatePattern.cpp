#include "UDatePattern.h"

namespace {

QString Padded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

QString DateSeparator(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (!c.isLetter() && c != u'\'') return QString(c);
    }
    return QStringLiteral("/");
}

qsizetype RunLength(const QString& pattern, qsizetype at)
{
    const QChar c = pattern[at].toLower();
    qsizetype end = at;
    while (end < pattern.size() && pattern[end].toLower() == c) ++end;
    return end - at;
}

} // namespace

QString FormatDatePattern(const QString& pattern, const QDate& date, const QLocale& locale)
{
    if (pattern.isEmpty()) return locale.toString(date, QLocale::ShortFormat);

    QString out;
    out.reserve(pattern.size() + 8);
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        const char16_t lower = c.toLower().unicode();
        if (c == u'"' || c == u'\'') {
            const qsizetype close = pattern.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            out += QStringView(pattern).mid(i + 1, end - i - 1);
            i = close < 0 ? pattern.size() : close + 1;
            continue;
        }
        if (c == u'/') {
            out += DateSeparator(locale);
            ++i;
            continue;
        }
        if (lower != u'y' && lower != u'm' && lower != u'd' && lower != u'h' && lower != u'n' && lower != u's') {
            out += c;
            ++i;
            continue;
        }
        const qsizetype run = RunLength(pattern, i);
        i += run;
        switch (lower) {
        case u'y':
            out += run <= 2 ? Padded(date.year() % 100, 2) : Padded(date.year(), 4);
            break;
        case u'm':
            if (run == 1) out += QString::number(date.month());
            else if (run == 2) out += Padded(date.month(), 2);
            else if (run == 3) out += locale.monthName(date.month(), QLocale::ShortFormat);
            else out += locale.monthName(date.month(), QLocale::LongFormat);
            break;
        case u'd':
            if (run == 1) out += QString::number(date.day());
            else if (run == 2) out += Padded(date.day(), 2);
            else if (run == 3) out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else if (run == 4) out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            else if (run == 5) out += locale.toString(date, QLocale::ShortFormat);
            else out += locale.toString(date, QLocale::LongFormat);
            break;
        default: // h, n, s: the date is taken at midnight
            out += run == 1 ? QStringLiteral("0") : QStringLiteral("00");
            break;
        }
    }
    return out;
}
