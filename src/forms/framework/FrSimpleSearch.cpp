#include "FrSimpleSearch.h"

#include "DmConfig.h"
#include "KeptDialogs.h"

namespace framework {

TFrSimpleSearch::TFrSimpleSearch(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSimpleSearch"));
    Label3->setText(QStringLiteral("รายละเอียด"));
    Code->setMinimumWidth(300);
    DgSearch->setColumns({{QStringLiteral("Description"), QStringLiteral("รายละเอียด"), 380},
                          {QStringLiteral("Code"), QStringLiteral("รหัส"), 120}});
}

void TFrSimpleSearch::FormShow()
{
    const bool thai = app::TDMConfig::instance().ThaiPrompts;
    QString descTitle = QStringLiteral("รายละเอียด");
    QString codeTitle = QStringLiteral("รหัส");
    if (!thai) {
        Label3->setText(QStringLiteral("Description"));
        QFont f = Label3->font();
        f.setPointSize(8);
        Label3->setFont(f);
        descTitle = QStringLiteral("Description");
        codeTitle = QStringLiteral("Code");
    }
    setWindowTitle(SearchCaption.trimmed().isEmpty() ? QStringLiteral("Search") : SearchCaption);
    if (CodeField.trimmed().isEmpty())
        CodeField = QStringLiteral("Code");
    if (DescField.trimmed().isEmpty())
        DescField = QStringLiteral("Description");
    QSearch->SQL = {
        QStringLiteral("Select Id, %1, %2 From %3 Where (%1 Like :GetCode) ").arg(DescField, CodeField, SearchTable)};
    if (!ExtraCondition.trimmed().isEmpty())
        QSearch->SQL << QStringLiteral("And (%1)").arg(ExtraCondition);
    QSearch->SQL << QStringLiteral("Order By %1").arg(DescField);
    DgSearch->setColumns({{DescField, descTitle, 380}, {CodeField, codeTitle, 120}});
    TFrSearch::FormShow();
    ReturnField = CodeField;
    Code->clear();
    Code->setFocus();
}

void TFrSimpleSearch::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("GetCode"), QStringLiteral("%") + Code->text() + QStringLiteral("%"));
    runSearch();
}

void TFrSimpleSearch::done(int result)
{
    ChosenRow.clear();
    const int row = currentRow();
    if (result == QDialog::Accepted && QSearch->isOpen() && row >= 0)
        for (const QString &field : QSearch->fieldNames())
            ChosenRow.insert(field, QSearch->value(row, field));
    TFrSearch::done(result);
    if (this->result() != QDialog::Accepted)
        ChosenRow.clear();
}

bool openSimpleSearch(const QString &caption, const QString &codeField, const QString &descField,
                      const QString &condition, const QString &table)
{
    TFrSimpleSearch &dialog = KeptDialogs::get<TFrSimpleSearch>();
    dialog.SearchCaption = caption;
    dialog.CodeField = codeField;
    dialog.DescField = descField;
    dialog.ExtraCondition = condition;
    dialog.SearchTable = table;
    return dialog.exec() == QDialog::Accepted;
}

QString simpleSearchValue()
{
    return KeptDialogs::exists<TFrSimpleSearch>() ? KeptDialogs::get<TFrSimpleSearch>().ReturnValue : QString();
}

} // namespace framework
