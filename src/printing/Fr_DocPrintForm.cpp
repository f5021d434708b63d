#include "Fr_DocPrintForm.h"

#include "Connection.h"
#include "DataSet.h"
#include "Dm.h"
#include "DmConfig.h"
#include "Fr_DocPrintFormGLAuto.h"
#include "Prompter.h"
#include "ReportError.h"
#include "ReportOutput.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace printing {

namespace {

const char *const SystemFormSql =
    "Select FormOrderNo,FormCode,FormDesc,FrfName,SpName,DocCode,DocParaName, ShowPrintPreview From SystemForm "
    "Where LTrim(RTrim(FormCode))=LTrim(RTrim(:PrintCode)) Order By FormOrderNo";

// The schema script as the suite's server runs it.
const char *const ServerSQLUpdate =
    "If (Not Exists(Select Name From SysColumns Where Id = (Select Id From SysObjects Where "
    "Ltrim(Rtrim(Upper(Name))) = 'SYSTEMFORM') And Ltrim(Rtrim(Upper(Name)))='SHOWPRINTPREVIEW')) Alter Table "
    "SystemForm Add ShowPrintPreview char(1)\n/\n"
    "Update SystemForm Set ShowPrintPreview = 'N' Where LTrim(RTrim(Coalesce(ShowPrintPreview, ''))) = ''";
const char *const FillShowPrintPreview =
    "Update SystemForm Set ShowPrintPreview = 'N' Where LTrim(RTrim(Coalesce(ShowPrintPreview, ''))) = ''";

// Shows only the form descriptions, under the list's one title.
class FormListModel : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return QStringLiteral("กรุณาเลือกฟอร์มที่ต้องการพิมพ์");
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};

QPointer<TFrDocPrintForm> g_shared;
QPointer<TFrDocPrintFormGLAuto> g_voucher;

} // namespace

TFrDocPrintForm::TFrDocPrintForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("FrDocPrintForm");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(376, 324);

    SystemFormList = new QTableView(this);
    SystemFormList->setObjectName("SystemFormList");
    SystemFormList->setSelectionBehavior(QAbstractItemView::SelectRows);
    SystemFormList->setSelectionMode(QAbstractItemView::SingleSelection);
    SystemFormList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SystemFormList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SystemFormList->horizontalHeader()->setStretchLastSection(true);
    SystemFormList->verticalHeader()->hide();
    SystemFormList->setFixedHeight(281);
    SystemFormList->setContextMenuPolicy(Qt::CustomContextMenu);
    SystemFormList->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    auto makeButton = [&](const char *name) {
        auto *b = new QPushButton(this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    BDisplay = makeButton("BDisplay");
    BPrint = makeButton("BPrint");
    BSetPrinter = makeButton("BSetPrinter");
    BExit = makeButton("BExit");

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    MIShowFrfName = PopupMenu1->addAction(QStringLiteral("แสดงชื่อฟอร์ม.frf"));
    MIShowFrfName->setObjectName("MIShowFrfName");

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_layout->addWidget(SystemFormList);
    m_layout->addLayout(buttons);

    connect(BDisplay, &QPushButton::clicked, this, &TFrDocPrintForm::BDisplayClick);
    connect(BPrint, &QPushButton::clicked, this, &TFrDocPrintForm::BPrintClick);
    connect(BSetPrinter, &QPushButton::clicked, this, &TFrDocPrintForm::BSetPrinterClick);
    connect(BExit, &QPushButton::clicked, this, &TFrDocPrintForm::BExitClick);
    connect(SystemFormList, &QTableView::doubleClicked, this, &TFrDocPrintForm::BPrintClick);
    connect(MIShowFrfName, &QAction::triggered, this, &TFrDocPrintForm::ShowFrfNameClick);
    connect(SystemFormList, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (FormCount > 0)
            PopupMenu1->popup(SystemFormList->viewport()->mapToGlobal(pos));
    });
    setTexts(true);
}

TFrDocPrintForm::~TFrDocPrintForm() = default;

TFrDocPrintForm &TFrDocPrintForm::shared()
{
    if (!g_shared)
        g_shared = new TFrDocPrintForm;
    return *g_shared;
}

void TFrDocPrintForm::showFor(const QString &docNo, int docYear, const QString &printCode)
{
    shared().run(docNo, docYear, printCode);
}

void TFrDocPrintForm::run(const QString &docNo, int docYear, const QString &printCode)
{
    DocNo = docNo;
    DocYear = docYear;
    PrintCode = printCode;
    exec();
}

TFrDocPrintFormGLAuto *TFrDocPrintForm::voucherDialog()
{
    return g_voucher;
}

QString TFrDocPrintForm::templatePath(const QString &fileName)
{
    QString name = fileName.trimmed();
    name.replace(u'\\', u'/');
    while (name.startsWith(u'/'))
        name.remove(0, 1);
    return QDir::current().filePath(name);
}

void TFrDocPrintForm::setTexts(bool thaiPrompts)
{
    struct ButtonText {
        QPushButton *button;
        QString thai, thaiHint, english, englishHint;
    };
    const ButtonText texts[] = {{BDisplay, "แสดง", "แสดงเอกสารบนจอภาพ", "Preview", "Display Document To Screen"},
                                {BPrint, "พิมพ์", "พิมพ์เอกสารทางเครื่องพิมพ์", "Print", "Print Document To Printer"},
                                {BSetPrinter, "กำหนดเครื่องพิมพ์", "กำหนดเครื่องพิมพ์", "Set Printer", "Setup Printer"},
                                {BExit, "ไม่พิมพ์", "ยกเลิก หรือ ไม่ต้องการพิมพ์", "Cancel", "Cancel or don't want to print"}};
    for (const ButtonText &t : texts) {
        t.button->setText(thaiPrompts ? t.thai : t.english);
        t.button->setToolTip(thaiPrompts ? t.thaiHint : t.englishHint);
    }
    SystemFormList->setToolTip(thaiPrompts ? QStringLiteral("คลิ๊กฟอร์มที่จะพิมพ์") : QString());
    setWindowTitle(thaiPrompts ? QStringLiteral("พิมพ์เอกสาร") : QStringLiteral("Print Document"));
}

void TFrDocPrintForm::placeTopRight()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->geometry().width() - frameGeometry().width(), 0);
}

void TFrDocPrintForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFrDocPrintForm::FormShow()
{
    FormCount = 0;
    placeTopRight();
    setTexts(app::TDMConfig::instance().ThaiPrompts);
    openList();
    if (QSystemForm->isEmpty()) {
        // Closed once the dialog is up, so that the close step still runs.
        QTimer::singleShot(0, this, [this] { done(QDialog::Rejected); });
        return;
    }
    FormCount = QSystemForm->recordCount();
    QSystemForm->first();
    SystemFormList->setCurrentIndex(SystemFormList->model()->index(0, QSystemForm->fieldIndex("FormDesc")));
    SystemFormList->setFocus();
}

void TFrDocPrintForm::openList()
{
    data::Connection &db = app::TDM::instance().CompanyConnection();
    if (!QSystemForm) {
        QSystemForm = new data::DataSet(db, QString::fromLatin1(SystemFormSql), this);
        auto *model = new FormListModel(this);
        model->setSourceModel(QSystemForm);
        SystemFormList->setModel(model);
        connect(SystemFormList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex &current) {
                    if (current.isValid())
                        QSystemForm->setCurrentRow(current.row());
                });
    }
    QSystemForm->close();
    if (db.settings().engine == data::ConnectionSettings::SqlServer) {
        db.runScript(QString::fromLatin1(ServerSQLUpdate));
    } else {
        db.dialect().addColumnIfMissing(db, "SystemForm", "ShowPrintPreview", "char(1)");
        db.execute(QString::fromLatin1(FillShowPrintPreview));
    }
    QSystemForm->setParam("PrintCode", PrintCode);
    QSystemForm->open();
    for (int c = 0; c < QSystemForm->columnCount(); ++c)
        SystemFormList->setColumnHidden(c, c != QSystemForm->fieldIndex("FormDesc"));
}

void TFrDocPrintForm::BDisplayClick()
{
    runForm(true);
}

void TFrDocPrintForm::BPrintClick()
{
    runForm(false);
}

void TFrDocPrintForm::BSetPrinterClick()
{
    ReportOutput::instance().setUpPrinter(this);
}

void TFrDocPrintForm::BExitClick()
{
    done(QDialog::Rejected);
}

void TFrDocPrintForm::ShowFrfNameClick()
{
    if (FormCount > 0 && QSystemForm && !QSystemForm->isEmpty())
        app::Prompter::instance().message(QSystemForm->value("FrfName").toString());
}

void TFrDocPrintForm::runForm(bool preview)
{
    if (!QSystemForm || QSystemForm->isEmpty())
        return;
    const QString path = templatePath(QSystemForm->value("FrfName").toString());
    if (!QFileInfo::exists(path)) {
        app::Prompter::instance().message(QStringLiteral("ยังไม่ได้กำหนดรูปแบบเอกสาร เพื่อพิมพ์"));
        return;
    }
    const QString procedure = QSystemForm->value("SpName").toString().trimmed();
    if (!procedure.isEmpty()) {
        data::Params p;
        p.set("@No", DocNo);
        p.set("@DocYear", DocYear);
        p.set("@DocCode", QSystemForm->value("DocCode").toString());
        p.declareOut("@NewDocNo");
        app::TDM::instance().CompanyConnection().callProcedure(procedure, p);
    }
    const bool allowPrinting = QSystemForm->value("ShowPrintPreview").toString() == u"Y";
    const bool ran = runTemplate(path, preview, allowPrinting, [this](Report &report) {
        report.setVariable("DocNo", DocNo.trimmed());
        report.setVariable("UserCode", app::TDMConfig::instance().UserCode.trimmed());
        report.setVariable("DatabaseName", app::TDMConfig::instance().DatabaseName.trimmed());
    });
    // A form that could not be prepared leaves the dialog open.
    if (ran && !preview && FormCount == 1 && isVisible())
        done(QDialog::Accepted);
}

bool TFrDocPrintForm::runTemplate(const QString &path, bool preview, bool allowPrinting,
                                  const std::function<void(Report &)> &setVariables)
{
    PreparedReport prepared;
    try {
        frReport.clear();
        frReport.loadFromFile(path);
        setVariables(frReport);
        prepared = frReport.prepare();
    } catch (const ReportError &e) {
        // A template fault: shown with its file and place; nothing is logged
        // or printed.
        app::Prompter::instance().message(e.message(), app::Prompter::Error);
        return false;
    }
    app::TDM &dm = app::TDM::instance();
    if (preview) {
        dm.AddUserLog(app::LogPreviewed, 0, DocNo);
        ReportOutput::instance().preview(prepared, allowPrinting, this);
    } else {
        // Logged once the pages went to the printer, so that a missing
        // printer leaves no "printed" entry behind.
        ReportOutput::instance().print(prepared);
        dm.AddUserLog(app::LogPrinted, 0, DocNo);
    }
    return true;
}

void TFrDocPrintForm::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TFrDocPrintForm::FormClose()
{
    if (QSystemForm)
        QSystemForm->close();
    data::DataSet &config = app::TDM::instance().QConfig();
    if (config.value("AutoGenGL").toString() != u"Y")
        return;
    if (!g_voucher)
        g_voucher = new TFrDocPrintFormGLAuto;
    g_voucher->run(DocNo, DocYear, PrintCode);
}

bool TFrDocPrintForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SystemFormList && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            BPrintClick();
            return true;
        }
        if (key->key() == Qt::Key_F11) {
            ShowFrfNameClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace printing
