#pragma once

#include "FieldBinding.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace framework {

// Id-lookup edit: the user sees and types the code of a master row while the
// bound field holds the row's id; the row's description is shown in a label.
// Leaving the edit looks the code up under the filter. A code that is not
// found (or that the filter refuses) leaves the typed text in place, shown in
// red, writes a null id and shows "-"; the owner frame's exit checks decide
// what to tell the user. An empty code writes a null id, which is valid only
// when K_AllowNull is set. Table and column names come from the program,
// never from the user; the typed code reaches the database as a parameter.
class TKIdLookup : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString K_LookupDataBase MEMBER K_LookupDataBase)
    Q_PROPERTY(QString K_LookupTableName MEMBER K_LookupTableName)
    Q_PROPERTY(QString K_LookupIDField MEMBER K_LookupIDField)
    Q_PROPERTY(QString K_LookupEditField MEMBER K_LookupEditField)
    Q_PROPERTY(QString K_DescriptionField MEMBER K_DescriptionField)
    Q_PROPERTY(QString K_Filter MEMBER K_Filter)
    Q_PROPERTY(bool K_AllowNull MEMBER K_AllowNull)
    Q_PROPERTY(bool upperCase MEMBER upperCase)
public:
    explicit TKIdLookup(QWidget *parent = nullptr);

    QString K_LookupDataBase = QStringLiteral("DMDATA"); // connection alias
    QString K_LookupTableName;
    QString K_LookupIDField = QStringLiteral("Id");
    QString K_LookupEditField = QStringLiteral("Code");
    QString K_DescriptionField;
    QString K_Filter;
    bool K_AllowNull = false;
    bool upperCase = true;
    QPointer<QLabel> K_DescriptionLabel;

    // DataSource / DataField.
    void bind(data::DataSet *dataSet, const QString &field);
    FieldBinding &binding() { return m_binding; }

    // Looks the typed code up, writes the id and shows the description.
    // Returns true when the code resolved to a row (or is empty and allowed).
    bool resolve();
    // The id held: the bound field's value, or the last resolved id when unbound.
    QVariant idValue() const;
    // The typed code resolved to a row, or is empty while empty is allowed.
    bool isValid() const;
    // Shows the code and description of an id (as when the record moves).
    void showId(const QVariant &id);

signals:
    // Focus moved to another control; the code has been resolved.
    void exited();
    void resolved(bool found);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue();
    void setDescription(const QString &text);
    void markInvalid(bool invalid);
    void writeId(const QVariant &id);

    FieldBinding m_binding;
    QVariant m_id;
    bool m_found = false;
    QString m_resolvedText; // the text the last resolve ran on
};

} // namespace framework
