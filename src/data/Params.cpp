#include "Params.h"

namespace data {

QString Params::normalise(const QString &name)
{
    QString n = name.trimmed();
    if (n.startsWith(QLatin1Char(':')) || n.startsWith(QLatin1Char('@')))
        n.remove(0, 1);
    return n.toUpper();
}

int Params::indexOf(const QString &name) const
{
    const QString key = normalise(name);
    for (int i = 0; i < m_entries.size(); ++i)
        if (normalise(m_entries[i].name) == key)
            return i;
    return -1;
}

void Params::set(const QString &name, const QVariant &value, Direction direction)
{
    const int i = indexOf(name);
    if (i >= 0) {
        m_entries[i].value = value;
        if (direction != In)
            m_entries[i].direction = direction;
        return;
    }
    m_entries.append({name, value, direction});
}

QVariant Params::value(const QString &name) const
{
    const int i = indexOf(name);
    return i >= 0 ? m_entries[i].value : QVariant();
}

} // namespace data
