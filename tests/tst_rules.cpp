// The pure rules: status text, minutes, key decision, navigation policy, site titles, and the
// autoresizing arithmetic that keeps the control bar in place.
#include "app/Constants.h"
#include "keys/KeyGuard.h"
#include "platform/AutoresizingLayout.h"
#include "platform/Clock.h"
#include "platform/Store.h"
#include "session/Minutes.h"
#include "session/StatusText.h"
#include "web/NavigationPolicy.h"

#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(StatusColor)
Q_DECLARE_METATYPE(NavigationType)
Q_DECLARE_METATYPE(NavigationActionPolicy)

constexpr qint64 INT64_MAX_ = std::numeric_limits<qint64>::max();
constexpr qint64 INT64_MIN_ = std::numeric_limits<qint64>::min();

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    void statusText_data()
    {
        QTest::addColumn<qint64>("remainingMsecs");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("text");
        QTest::addColumn<StatusColor>("color");
        QTest::newRow("90 s") << 90000LL << false << "Time remaining: 01:30" << StatusColor::Label;
        QTest::newRow("61 s is not red yet")
            << 61000LL << false << "Time remaining: 01:01" << StatusColor::Label;
        QTest::newRow("60.9 s is red")
            << 60900LL << false << "Time remaining: 01:00" << StatusColor::Red;
        QTest::newRow("59.9 s truncates")
            << 59900LL << false << "Time remaining: 00:59" << StatusColor::Red;
        QTest::newRow("0.4 s") << 400LL << false << "Time remaining: 00:00" << StatusColor::Red;
        QTest::newRow("passed") << -5000LL << false << "Time remaining: 00:00" << StatusColor::Red;
        QTest::newRow("minutes are not capped")
            << 7500000LL << false << "Time remaining: 125:00" << StatusColor::Label;
        QTest::newRow("paused") << 247000LL << true << "Paused: 04:07 remaining"
                                << StatusColor::Orange;
        QTest::newRow("paused in the last minute")
            << 30000LL << true << "Paused: 00:30 remaining" << StatusColor::Orange;
    }
    void statusText()
    {
        QFETCH(qint64, remainingMsecs);
        QFETCH(bool, paused);
        const qint64 now = 1'700'000'000'000;
        QFETCH(QString, text);
        QFETCH(StatusColor, color);
        const StatusText status = ::statusText(remainingSeconds(now + remainingMsecs, now), paused);
        QCOMPARE(status.text, text);
        QCOMPARE(status.color, color);
    }

    void statusWithoutSessionLeavesColour()
    {
        const StatusText status = ::statusText(std::nullopt, true);
        QCOMPARE(status.text, QStringLiteral("Time remaining: --:--"));
        QCOMPARE(status.color, StatusColor::Unchanged);
    }

    // A hand-edited store can hold any date; the text must stay defined for all of them.
    void remainingSecondsAtTheExtremes_data()
    {
        QTest::addColumn<qint64>("end");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("far future, far past") << INT64_MAX_ << INT64_MIN_ << INT64_MAX_ / 1000;
        QTest::newRow("far past, far future") << INT64_MIN_ << INT64_MAX_ << 0LL;
        QTest::newRow("year 1") << -62135596800000LL << 1'700'000'000'000LL << 0LL;
        QTest::newRow("year 9999") << 253402300799000LL << 1'700'000'000'000LL << 251702300799LL;
    }
    void remainingSecondsAtTheExtremes()
    {
        QFETCH(qint64, end);
        QFETCH(qint64, now);
        QFETCH(qint64, seconds);
        QCOMPARE(remainingSeconds(end, now), seconds);
    }

    void timeTextOfHugeCounts()
    {
        QCOMPARE(timeText(251702300799), QStringLiteral("4195038346:39"));
        QCOMPARE(timeText(INT64_MAX_), QStringLiteral("153722867280912930:07"));
    }

    void parseMinutes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("minutes"); // 0: refused
        QTest::newRow("plain") << "30" << 30LL;
        QTest::newRow("plus sign") << "+5" << 5LL;
        QTest::newRow("leading zeros") << "007" << 7LL;
        QTest::newRow("+15") << "+15" << 15LL;
        QTest::newRow("zero") << "0" << 0LL;
        QTest::newRow("negative") << "-5" << 0LL;
        QTest::newRow("minus zero") << "-0" << 0LL;
        QTest::newRow("empty") << "" << 0LL;
        QTest::newRow("sign alone") << "+" << 0LL;
        QTest::newRow("two signs") << "+-5" << 0LL;
        QTest::newRow("leading space") << " 30" << 0LL;
        QTest::newRow("trailing space") << "30 " << 0LL;
        QTest::newRow("decimal") << "1.5" << 0LL;
        QTest::newRow("digit group") << "1,000" << 0LL;
        QTest::newRow("letters after digits") << "12abc" << 0LL;
        QTest::newRow("letters") << "abc" << 0LL;
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0663\u0660") << 0LL;
        QTest::newRow("fullwidth digits") << QString::fromUtf8("\uff13\uff10") << 0LL;
        QTest::newRow("newline") << "30\n" << 0LL;
        QTest::newRow("int64 max") << "9223372036854775807" << 0LL;
        QTest::newRow("past int64") << "9223372036854775808" << 0LL;
        QTest::newRow("largest whose seconds fit") << "153722867280912930" << 153722867280912930LL;
        QTest::newRow("seconds overflow") << "153722867280912931" << 0LL;
        QTest::newRow("very long") << QString(100000, QLatin1Char('9')) << 0LL;
    }
    void parseMinutes()
    {
        QFETCH(QString, text);
        QFETCH(qint64, minutes);
        const std::optional<qint64> parsed = ::parseMinutes(text);
        if (minutes == 0)
            QVERIFY(!parsed);
        else
            QCOMPARE(parsed.value_or(-1), minutes);
    }

    // An end time the store cannot keep must be refused, never stored.
    void addMinutesStaysInRange()
    {
        const QDateTime now = platform::utcDateTime(QDate(2026, 3, 14), QTime(12, 0));
        QCOMPARE(addMinutes(now, 30), now.addSecs(1800));
        QVERIFY(!addMinutes(now, 153722867280912930LL));
        QVERIFY(!addMinutes(now, 10'000LL * 366 * 24 * 60));
        const QDateTime lastDay = platform::utcDateTime(QDate(9999, 12, 31), QTime(0, 0));
        QCOMPARE(addMinutes(lastDay, 60), lastDay.addSecs(3600));
        QVERIFY(!addMinutes(lastDay, 24 * 60));
    }

    void proposedMinutes_data()
    {
        QTest::addColumn<qint64>("remainingMsecs");
        QTest::addColumn<qint64>("proposal");
        QTest::newRow("29 min 0.5 s") << (29 * 60 * 1000LL + 500) << 30LL;
        QTest::newRow("exactly 30 min") << 30 * 60 * 1000LL << 30LL;
        QTest::newRow("1 ms") << 1LL << 1LL;
        QTest::newRow("just passed") << -500LL << 1LL;
        QTest::newRow("long passed") << -3600000LL << 1LL;
        QTest::newRow("huge") << INT64_MAX_ << 153722867280913LL;
    }
    void proposedMinutes()
    {
        QFETCH(qint64, remainingMsecs);
        QFETCH(qint64, proposal);
        QCOMPARE(::proposedMinutes(remainingMsecs), proposal);
    }

    void keyDecision_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("consume");
        QTest::addColumn<bool>("leave");
        QTest::newRow("Escape in full screen") << int(Qt::Key_Escape) << true << true << true;
        QTest::newRow("Escape in a window") << int(Qt::Key_Escape) << false << true << false;
        QTest::newRow("Return") << int(Qt::Key_Return) << true << false << false;
        QTest::newRow("letter") << int(Qt::Key_A) << false << false << false;
    }
    void keyDecision()
    {
        QFETCH(int, key);
        QFETCH(bool, fullScreen);
        QFETCH(bool, consume);
        QFETCH(bool, leave);
        const KeyDecision decision = decideKeyDown(key, fullScreen);
        QCOMPARE(decision.consume, consume);
        QCOMPARE(decision.leaveFullScreen, leave);
    }

    void navigationPolicy_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::addColumn<NavigationType>("type");
        QTest::addColumn<NavigationActionPolicy>("policy");
        const auto allow = NavigationActionPolicy::Allow;
        for (NavigationType type : {NavigationType::LinkActivated, NavigationType::FormSubmitted,
                                    NavigationType::BackForward, NavigationType::Reload,
                                    NavigationType::FormResubmitted, NavigationType::Other}) {
            QTest::addRow("unlocked, type %d", int(type)) << false << type << allow;
            QTest::addRow("locked, type %d", int(type))
                << true << type
                << (type == NavigationType::LinkActivated ? NavigationActionPolicy::Cancel : allow);
        }
    }
    void navigationPolicy()
    {
        QFETCH(bool, locked);
        QFETCH(NavigationType, type);
        QFETCH(NavigationActionPolicy, policy);
        QCOMPARE(::navigationPolicy(locked, type), policy);
    }

    void sitesAreListedInKeyOrder()
    {
        QCOMPARE(sortedSiteKeys(WEBSITES), QStringList({"disney", "netflix", "primevideo"}));
        QStringList titles;
        for (const QString &key : sortedSiteKeys(WEBSITES))
            titles << siteTitle(key);
        QCOMPARE(titles, QStringList({"Disney", "Netflix", "Primevideo"}));
        QCOMPARE(siteTitle(QStringLiteral("pRIME video")), QStringLiteral("Prime Video"));
        for (const auto &[key, url] : WEBSITES)
            QVERIFY2(url.startsWith(QLatin1String("https://")), qPrintable(key));
    }

    // A hand-edited flag counts as a person would read it; the file itself says true or false.
    void storedFlags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("value");
        for (const char *yes : {"true", "TRUE", "yes", "Y", "1", "007", "-3", " t"})
            QTest::newRow(yes) << QString::fromLatin1(yes) << true;
        for (const char *no : {"false", "no", "0", "000", "+0", "", "maybe", "@Invalid()"})
            QTest::newRow(no) << QString::fromLatin1(no) << false;
    }
    void storedFlags()
    {
        QFETCH(QString, text);
        QFETCH(bool, value);
        QCOMPARE(platform::Store::textMeansTrue(text), value);
    }

    void autoresizing_data()
    {
        QTest::addColumn<unsigned>("mask");
        QTest::addColumn<QRect>("resized");
        using namespace platform;
        // A 100 x 35 bar's child at (65, 7, 20, 21), the bar growing by 40 x 10.
        QTest::newRow("fixed") << unsigned(FixedFrame) << QRect(65, 7, 20, 21);
        QTest::newRow("flexible left margin")
            << unsigned(FlexibleLeftMargin) << QRect(105, 7, 20, 21);
        QTest::newRow("flexible width, bottom margin")
            << unsigned(FlexibleWidth | FlexibleBottomMargin) << QRect(65, 7, 60, 21);
        QTest::newRow("flexible both sizes")
            << unsigned(FlexibleWidth | FlexibleHeight) << QRect(65, 7, 60, 31);
        QTest::newRow("two flexible parts share")
            << unsigned(FlexibleLeftMargin | FlexibleRightMargin) << QRect(85, 7, 20, 21);
    }
    void autoresizing()
    {
        QFETCH(unsigned, mask);
        QFETCH(QRect, resized);
        QCOMPARE(platform::AutoresizingLayout::resized(QRect(65, 7, 20, 21), mask, QSize(100, 35),
                                                       QSize(140, 45)),
                 resized);
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "tst_rules.moc"
