#include "ShortDate.h"

namespace aurivane::ShortDate {

namespace {

// Highest character code that survives the settings shift both ways.
constexpr char16_t HighestKeptCode = 170;

// Month and weekday names come out in English: a short date almost always
// uses numbers only, and English names stay inside the kept range.
QLocale formattingLocale() {
    return QLocale::c();
}

} // namespace

QString Pattern(const QLocale& locale) {
    const QString source = locale.dateFormat(QLocale::ShortFormat);
    QString pattern;
    pattern.reserve(source.size() + 2);
    bool quoted = false;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            pattern += c;
            continue;
        }
        if (!quoted && c == u'y') {
            qsizetype run = 1;
            while (i + run < source.size() && source.at(i + run) == u'y')
                ++run;
            pattern += QStringLiteral("yyyy");
            i += run - 1;
            continue;
        }
        if (c.unicode() > HighestKeptCode)
            continue;
        pattern += c;
    }
    if (!pattern.contains(u'd') || !pattern.contains(u'M') || !pattern.contains(u'y'))
        return QStringLiteral("yyyy-MM-dd");
    return pattern;
}

QString ToText(QDate date, const QLocale& locale) {
    if (!date.isValid())
        return {};
    return formattingLocale().toString(date, Pattern(locale));
}

std::optional<QDate> FromText(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QDate date = formattingLocale().toDate(trimmed, Pattern(locale));
    if (!date.isValid())
        date = QDate::fromString(trimmed, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace aurivane::ShortDate
