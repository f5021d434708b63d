#include "LaunchForms.h"

#include "Dm.h"
#include "DmConfig.h"
#include "FrForm.h"
#include "Fr_PreRCPT.h"

#include <QLabel>
#include <QVBoxLayout>

namespace startup {

namespace {

// Stands in for a document window that is not written yet: shows the menu
// caption and the company the way every document window does.
class PendingDocumentForm : public framework::TFrForm {
public:
    PendingDocumentForm()
    {
        auto *layout = new QVBoxLayout(clientArea());
        m_caption = new QLabel(clientArea());
        m_caption->setObjectName(QStringLiteral("CaptionLabel"));
        m_caption->setAlignment(Qt::AlignCenter);
        QFont big = m_caption->font();
        big.setPixelSize(22);
        big.setBold(true);
        m_caption->setFont(big);
        layout->addWidget(m_caption);
    }

    void FormShow() override
    {
        app::TDM::instance().CompanyConnection();
        const app::TDMConfig &session = app::TDMConfig::instance();
        setWindowTitle(session.MenuCaption);
        m_caption->setText(session.MenuCaption);
        setStatusText(0, session.CompanyNameThai);
        TFrForm::FormShow();
        AcNewExecute();
    }

private:
    QLabel *m_caption;
};

framework::TFrForm *pending()
{
    return new PendingDocumentForm;
}

template <class Form> framework::TFrForm *create()
{
    return new Form;
}

} // namespace

const std::vector<LaunchEntry> &launchTable()
{
    static const std::vector<LaunchEntry> table = {
        {QStringLiteral("BEGIN_PRERCPT"), QStringLiteral("BR"), create<deposits::TFrBeginPreRCPT>},
        {QStringLiteral("FRPRERCPT"), QStringLiteral("R"), create<deposits::TFrPreRCPT>},
        {QStringLiteral("FRRC"), QStringLiteral("R"), pending},
        {QStringLiteral("BEGIN_PREPAID"), QStringLiteral("BP"), create<deposits::TFrBeginPrePDPT>},
        {QStringLiteral("FRPREPAID"), QStringLiteral("P"), create<deposits::TFrPrePDPT>},
        {QStringLiteral("FRPD"), QStringLiteral("P"), pending},
        // The payment window also takes BillDateLimit on, ManualNumbering off, PettyCashMode off.
        {QStringLiteral("FRMISCPAID"), QStringLiteral("B"), pending},
    };
    return table;
}

framework::TFrForm *createLaunchForm(const QString &formCode)
{
    for (const LaunchEntry &entry : launchTable()) {
        if (entry.formCode == formCode) {
            framework::TFrForm *form = entry.create();
            form->DocKind = entry.docKind;
            return form;
        }
    }
    return nullptr;
}

} // namespace startup
