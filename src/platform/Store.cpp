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

bool Store::textMeansTrue(QStringView text)
{
    // As a hand edit would mean it: "true", "yes" or a number other than zero, signs, leading
    // zeros and blanks aside; the file itself keeps "true" and "false".
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
