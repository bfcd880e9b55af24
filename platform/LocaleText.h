#pragma once
// Dates and times as the user's locale writes them (the default QLocale,
// which is the system's unless the program sets another).
#include <QDate>
#include <QTime>

// Hours, minutes and seconds in the locale's long time format, without the
// time zone the toolkit's long format would add.
QString longTimeText(const QTime& time);
QString shortDateText(const QDate& date);
