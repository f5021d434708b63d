#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace printing {

// The rows one dataset statement returned, read once before the layout.
struct DatasetRows {
    QString name;
    QStringList fields;
    QList<QVariantList> rows;

    int fieldIndex(const QString &field) const
    {
        for (int i = 0; i < fields.size(); ++i)
            if (fields[i].compare(field, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
};

} // namespace printing
