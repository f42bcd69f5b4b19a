#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace aurivane::ShortDate {

// The locale's short-date pattern with a four-digit year, and with any
// character the settings shift cannot keep (codes above 170) left out.
QString Pattern(const QLocale& locale);

// A date as the locale writes it in short form, but always with a
// four-digit year and Latin digits, so that it reads back as the same day.
QString ToText(QDate date, const QLocale& locale);

// Reads a text written by ToText under the same locale; std::nullopt when it
// is no valid date.
std::optional<QDate> FromText(const QString& text, const QLocale& locale);

} // namespace aurivane::ShortDate
