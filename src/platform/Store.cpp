#include "platform/Store.h"

#include <QSettings>

namespace platform {

Store::Store()
    : settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Tovalin"), QStringLiteral("Tovalin")))
{
}

Store::~Store() = default;

QVariant Store::object(const QString &key) const
{
    return settings->value(key);
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
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    // The file keeps booleans as text; anything but a plain true counts as false.
    if (value.typeId() == QMetaType::QString)
        return value.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    return false;
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
}

} // namespace platform
