#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include "DataSet.h"

namespace framework {

// Ties one single-field editor to one field of the current row of a
// data::DataSet. The editor hears when the value it shows may have changed
// (row moved, cell written, set reopened) and writes through setValue().
class FieldBinding : public QObject {
    Q_OBJECT
public:
    explicit FieldBinding(QObject *parent = nullptr);

    void bind(data::DataSet *dataSet, const QString &field);
    void unbind();
    data::DataSet *dataSet() const { return m_dataSet; }
    QString field() const { return m_field; }

    // A data set is set, open and has the field.
    bool isBound() const;
    // The value in the current row; an invalid variant when there is no row.
    QVariant value() const;
    // Writes into the current row; an open set without rows starts a new
    // row first. Does nothing when unbound or closed. Writing the value
    // already held changes nothing.
    void setValue(const QVariant &value);

signals:
    void valueChanged();

private:
    void changedCells(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void notify();

    QPointer<data::DataSet> m_dataSet;
    QString m_field;
    QList<QMetaObject::Connection> m_links;
    bool m_writing = false;
};

} // namespace framework
