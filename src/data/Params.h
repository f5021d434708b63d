#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace data {

// Named values for statements (":Name") and procedures ("@Name"). Names are
// matched without regard to case and without their leading ':' or '@'.
class Params {
public:
    enum Direction { In, Out, InOut };
    struct Entry {
        QString name;
        QVariant value;
        Direction direction = In;
    };

    static QString normalise(const QString &name);

    void set(const QString &name, const QVariant &value, Direction direction = In);
    void declareOut(const QString &name) { set(name, QVariant(), Out); }
    bool contains(const QString &name) const { return indexOf(name) >= 0; }
    QVariant value(const QString &name) const;
    QVariant operator[](const QString &name) const { return value(name); }
    const QList<Entry> &entries() const { return m_entries; }
    void clear() { m_entries.clear(); }
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    int indexOf(const QString &name) const;
    QList<Entry> m_entries;
};

} // namespace data
