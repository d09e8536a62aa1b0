#include "platform/Store.h"

#include <QFileInfo>
#include <QSettings>
#include <sys/stat.h>

namespace platform {

namespace {
bool textMeansTrue(QStringView text)
{
    // The file itself keeps "true" and "false".
    text = text.trimmed();
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-'))
        text = text.sliced(1);
    while (!text.isEmpty() && text.front() == u'0')
        text = text.sliced(1);
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'y' || first == u'Y' || first == u't' || first == u'T' ||
           (first >= u'1' && first <= u'9');
}
} // namespace

Store::Store(Access access)
    : settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Tovalin"), QStringLiteral("Tovalin")))
{
    if (access == ReadWrite)
        closeToOthers();
}

Store::~Store() = default;

QString Store::file() const
{
    return settings->fileName();
}

QString Store::folder() const
{
    return QFileInfo(settings->fileName()).absolutePath();
}

std::optional<QString> Store::string(const QString &key) const
{
    const QVariant value = settings->value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool Store::boolean(const QString &key) const
{
    const QVariant value = settings->value(key);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return value.toDouble() != 0;
    case QMetaType::QString:
        return textMeansTrue(value.toString());
    default:
        return false;
    }
}

qint64 Store::count(const QString &key) const
{
    bool ok = false;
    const qint64 value = settings->value(key).toLongLong(&ok);
    return ok && value > 0 ? value : 0;
}

std::optional<QDateTime> Store::date(const QString &key) const
{
    const QVariant value = settings->value(key);
    if (value.typeId() != QMetaType::QDateTime || !value.toDateTime().isValid())
        return std::nullopt;
    return value.toDateTime().toUTC();
}

void Store::setObject(const QString &key, const QVariant &value)
{
    settings->setValue(key, value);
}

void Store::setBool(const QString &key, bool value)
{
    settings->setValue(key, value);
}

void Store::remove(const QString &key)
{
    settings->remove(key);
}

void Store::clear()
{
    settings->clear();
}

void Store::sync()
{
    settings->sync();
    closeToOthers();
}

void Store::closeToOthers() const
{
    // A store made before, or by a program with a looser umask, is closed to others as well;
    // its owner's own rights stay as they are, so a store made unreadable stays so.
    const QFileInfo file(settings->fileName());
    for (const auto &[path, type] : {std::pair(file.absolutePath(), mode_t(S_IFDIR)),
                                     std::pair(file.absoluteFilePath(), mode_t(S_IFREG))}) {
        const QByteArray name = QFile::encodeName(path);
        struct stat info = {};
        if (lstat(name.constData(), &info) == 0 && (info.st_mode & S_IFMT) == type)
            chmod(name.constData(), info.st_mode & S_IRWXU);
    }
}

} // namespace platform
