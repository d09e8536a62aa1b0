#pragma once

#include <QStringList>
#include <optional>

namespace platform {

// Which of the shipped translations ("de", "pt_BR", ...) serves someone who prefers the given
// languages, most wanted first ("de-AT", "en-US", "C"): the first that has one, by its whole name
// or, where the translation names no territory, by its language. None once English, the
// language the texts are written in, or the C locale comes first, nor where no language has one.
std::optional<QString> translationFor(const QStringList &preferred, const QStringList &shipped);

// Installs the translation of Tovalin's texts for the system's languages into the running
// application, with Qt's own catalogs of the same language that are named (for example
// "qtbase"), where the system has them. Call it once the application object is made; one call
// serves every program of Tovalin's.
void installTranslations(const QStringList &qtCatalogs = {});
// The same for someone who prefers these languages, most wanted first, whatever the system's.
void installTranslationsFor(const QStringList &preferred, const QStringList &qtCatalogs = {});

} // namespace platform
