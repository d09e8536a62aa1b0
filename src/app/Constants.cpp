#include "app/Constants.h"

const Websites WEBSITES = {
    {QStringLiteral("netflix"), QStringLiteral("https://www.netflix.com/")},
    {QStringLiteral("disney"), QStringLiteral("https://www.disneyplus.com/")},
    {QStringLiteral("primevideo"), QStringLiteral("https://www.primevideo.com/")},
};

const QString PASSWORD = QStringLiteral("garden482");

QStringList sortedSiteKeys(const Websites &websites)
{
    QStringList keys;
    for (const auto &entry : websites)
        keys.append(entry.first);
    return keys;
}

QString siteTitle(const QString &key)
{
    QString title = key.toLower();
    bool wordStart = true;
    for (QChar &c : title) {
        if (wordStart)
            c = c.toUpper();
        wordStart = c.isSpace();
    }
    return title;
}
