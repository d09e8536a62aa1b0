#include "platform/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {
const QString TRANSLATIONS_FOLDER = QStringLiteral(":/i18n");
const QString TRANSLATION_PREFIX = QStringLiteral("tovalin_");
} // namespace

std::optional<QString> translationFor(const QStringList &preferred, const QStringList &shipped)
{
    for (const QString &wanted : preferred) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return std::nullopt;
        for (const QString &name : shipped) {
            const QLocale offered(name);
            if (offered.language() == locale.language() &&
                (!name.contains(u'_') || offered.territory() == locale.territory()))
                return name;
        }
    }
    return std::nullopt;
}

void installTranslations(const QStringList &qtCatalogs)
{
    // As with gettext, a C or POSIX locale stays in English whatever LANGUAGE asks for.
    const QLocale system = QLocale::system();
    installTranslationsFor(system.language() == QLocale::C ? QStringList() : system.uiLanguages(),
                           qtCatalogs);
}

void installTranslationsFor(const QStringList &preferred, const QStringList &qtCatalogs)
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return;
    QStringList shipped;
    for (const QString &file :
         QDir(TRANSLATIONS_FOLDER).entryList({TRANSLATION_PREFIX + QStringLiteral("*.qm")}))
        shipped.append(file.mid(TRANSLATION_PREFIX.size()).chopped(3));
    const std::optional<QString> language = translationFor(preferred, shipped);
    if (!language)
        return;
    const auto install = [app](const QString &catalog, const QString &folder) {
        auto *translator = new QTranslator(app);
        if (translator->load(catalog, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    // Qt's first, so that Tovalin's own texts come before them where both have one.
    for (const QString &catalog : qtCatalogs)
        install(catalog + u'_' + *language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(TRANSLATION_PREFIX + *language, TRANSLATIONS_FOLDER);
}

} // namespace platform
