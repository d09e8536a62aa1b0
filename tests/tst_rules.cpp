// The pure rules, by table: the countdown's text and colour, and the minutes a parent types.
#include "session/Minutes.h"
#include "session/StatusText.h"

#include <QTest>
#include <limits>

constexpr qint64 MAX = std::numeric_limits<qint64>::max();
constexpr qint64 NOW = 1'700'000'000'000;

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    // A hand-edited store can hold any date: the text stays defined for every pair of instants.
    void statusText_data()
    {
        QTest::addColumn<qint64>("end");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color");
        const int label = int(StatusColor::Label), red = int(StatusColor::Red);
        QTest::newRow("61 s") << NOW + 61000 << false << "Time remaining: 01:01" << label;
        QTest::newRow("60.9 s, red") << NOW + 60900 << false << "Time remaining: 01:00" << red;
        QTest::newRow("passed") << NOW - 5000 << false << "Time remaining: 00:00" << red;
        QTest::newRow("far past") << -MAX << false << "Time remaining: 00:00" << red;
        QTest::newRow("far future")
            << MAX << false << "Time remaining: 153722838947579:35" << label;
        QTest::newRow("paused") << NOW + 30000 << true << "Paused: 00:30 remaining"
                                << int(StatusColor::Orange);
    }
    void statusText()
    {
        QFETCH(qint64, end);
        QFETCH(bool, paused);
        const StatusText status = ::statusText(remainingSeconds(end, NOW), paused);
        QTEST(status.text, "text");
        QTEST(int(status.color), "color");
    }

    void parseMinutes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("minutes"); // 0: refused
        QTest::newRow("plain") << "30" << 30LL;
        QTest::newRow("plus, zeros") << "+007" << 7LL;
        QTest::newRow("most") << "153722867280912930" << 153722867280912930LL;
        for (const QString &text :
             QStringList{"0", "-5", "-0", "", "+", "+-5", " 30", "30 ", "1.5", "12abc", "30\n",
                         QString::fromUtf8("\u0663\u0660"), "9223372036854775808",
                         "153722867280912931", QString(100000, u'9')})
            QTest::newRow(qPrintable(text.left(20))) << text << 0LL;
    }
    void parseMinutes()
    {
        QFETCH(QString, text);
        QTEST(::parseMinutes(text).value_or(0), "minutes");
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "tst_rules.moc"
