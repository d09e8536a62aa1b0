#pragma once

#include <QString>
#include <QStringList>
#include <map>

// Site key to the address of the site's home page. A std::map keeps the keys in ascending
// order, the order in which sites are listed and list positions are turned into sites.
using Websites = std::map<QString, QString>;

extern const Websites WEBSITES;
// The site of a first start, before any was picked.
inline const QString DEFAULT_SITE = QStringLiteral("disney");

// The control bar above the web view, whose height the view leaves free.
inline constexpr int BAR_HEIGHT = 35;
extern const QString PASSWORD;

QStringList sortedSiteKeys(const Websites &websites);

// The title a site key is shown under: the first letter of each word upper-cased and the rest
// lower-cased ("primevideo" gives "Primevideo").
QString siteTitle(const QString &key);
