#include "platform/ShortDate.h"

#include <QTest>

using namespace aurivane;

class TestShortDate : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsTheDayAndTheShiftableRange_data() {
        QTest::addColumn<QString>("localeName");
        for (const char* name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "ko_KR", "ja_JP", "zh_CN",
                                 "ar_EG", "fa_IR", "hi_IN", "th_TH", "ru_RU", "he_IL"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void roundTripKeepsTheDayAndTheShiftableRange() {
        QFETCH(QString, localeName);
        const QLocale locale(localeName);
        const QList<QDate> days{{2026, 12, 8}, {1926, 12, 8},  {2000, 2, 29},
                                {2099, 1, 1},  {1999, 10, 31}, {2026, 1, 2}};
        for (const QDate& day : days) {
            const QString text = ShortDate::ToText(day, locale);
            QVERIFY2(!text.isEmpty(), qPrintable(localeName));
            for (const QChar c : text)
                QVERIFY2(c.unicode() <= 170, qPrintable(localeName + QStringLiteral(": ") + text));
            QCOMPARE(ShortDate::FromText(text, locale), std::optional<QDate>(day));
        }
    }

    void yearIsWrittenInFull() {
        // Two-digit years would read back a century early.
        const QString us = ShortDate::ToText(QDate(2026, 12, 8), QLocale(QStringLiteral("en_US")));
        QCOMPARE(us, QStringLiteral("12/8/2026"));
        const QString de = ShortDate::ToText(QDate(2026, 12, 8), QLocale(QStringLiteral("de_DE")));
        QCOMPARE(de, QStringLiteral("08.12.2026"));
    }

    void textThatIsNoDate_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QStringLiteral("   ");
        QTest::newRow("digits") << QStringLiteral("1");
        QTest::newRow("words") << QStringLiteral("yesterday");
        QTest::newRow("no such day") << QStringLiteral("2/30/2026");
        QTest::newRow("high codes") << QStringLiteral("\u00ab\u00ff");
    }
    void textThatIsNoDate() {
        QFETCH(QString, text);
        QCOMPARE(ShortDate::FromText(text, QLocale(QStringLiteral("en_US"))), std::nullopt);
    }

    void isoDateIsUnderstoodUnderAnyLocale() {
        QCOMPARE(
            ShortDate::FromText(QStringLiteral("2026-11-23"), QLocale(QStringLiteral("de_DE"))),
            std::optional<QDate>(QDate(2026, 11, 23)));
    }
};

QTEST_APPLESS_MAIN(TestShortDate)
#include "tst_shortdate.moc"
