#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class QSettings;

namespace platform {

// The per-user preference store: QSettings for "Tovalin"/"Tovalin" in the native format, so
// $XDG_CONFIG_HOME/Tovalin/Tovalin.conf. Values keep their types (a date reads back as a date).
class Store
{
public:
    enum Access
    {
        ReadWrite, // made or opened, the store is closed to others (see sync())
        ReadOnly,  // read as it is, for a look that changes nothing
    };
    explicit Store(Access access = ReadWrite);
    ~Store();

    // The store's file and the folder it is in, whether or not they exist yet.
    QString file() const;
    QString folder() const;

    std::optional<QString> string(const QString &key) const;
    // False for an absent key or a value that means no truth: as a hand edit would mean it,
    // "true", "yes" or a number other than zero, signs, leading zeros and blanks aside.
    bool boolean(const QString &key) const;
    // A whole number of zero or more, or 0 for anything else.
    qint64 count(const QString &key) const;
    // A valid date, or nothing for anything else.
    std::optional<QDateTime> date(const QString &key) const;

    void setObject(const QString &key, const QVariant &value);
    void setBool(const QString &key, bool value);
    void remove(const QString &key);
    // Forgets everything, including whatever a damaged file held.
    void clear();
    // Puts the writes on disk now. A store that cannot be written is left as it is. Made or
    // written, the store is readable by this user alone.
    void sync();

private:
    void closeToOthers() const;

    std::unique_ptr<QSettings> settings;
};

} // namespace platform
