#include "printing/docprint/SystemFormStore.h"

#include "data/Query.h"
#include "data/SchemaScript.h"
#include "data/SessionContext.h"
#include "data/StoredProc.h"
#include "data/TDM.h"

namespace kvr::printing {

namespace {

const QString kShowPrintPreviewStep = QStringLiteral(
    "IF NOT EXISTS COLUMN SystemForm.ShowPrintPreview\n"
    "Alter Table SystemForm Add ShowPrintPreview char(1)\n"
    "/\n"
    "Update SystemForm Set ShowPrintPreview = 'N' Where LTrim(RTrim(Coalesce(ShowPrintPreview, ''))) = ''\n");

namespace col {
const QString Id = QStringLiteral("Id");
const QString FormOrderNo = QStringLiteral("FormOrderNo");
const QString FormCode = QStringLiteral("FormCode");
const QString FormDesc = QStringLiteral("FormDesc");
const QString FrfName = QStringLiteral("FrfName");
const QString SpName = QStringLiteral("SpName");
const QString DocCode = QStringLiteral("DocCode");
const QString DocParaName = QStringLiteral("DocParaName");
const QString ShowPrintPreview = QStringLiteral("ShowPrintPreview");
} // namespace col

} // namespace

SystemFormStore::SystemFormStore(data::TDM& dm)
    : m_dm(dm)
{ }

void SystemFormStore::ensureShowPrintPreview()
{
    data::SchemaScript::fromText(kShowPrintPreviewStep).run(m_dm.DMdata());
}

std::vector<SystemFormRow> SystemFormStore::layoutsFor(const QString& printCode)
{
    data::Query q(m_dm.DMdata());
    q.setSqlLines({QStringLiteral("Select Id,FormOrderNo,FormCode,FormDesc,FrfName,SpName,DocCode,DocParaName, "
                                  "ShowPrintPreview"),
                   QStringLiteral("From  SystemForm"),
                   QStringLiteral("Where LTrim(RTrim(FormCode))=LTrim(RTrim(:PrintCode))"),
                   QStringLiteral("Order By FormOrderNo")});
    q.setParam(QStringLiteral("PrintCode"), printCode);
    q.open();
    std::vector<SystemFormRow> rows;
    for (q.first(); !q.eof(); q.next()) {
        SystemFormRow row;
        row.id = q.field(col::Id).asInteger();
        row.orderNo = q.field(col::FormOrderNo).asInteger();
        row.formCode = q.field(col::FormCode).asString();
        row.description = q.field(col::FormDesc).asString();
        row.fileName = q.field(col::FrfName).asString();
        row.procedure = q.field(col::SpName).asString();
        row.docCode = q.field(col::DocCode).asString();
        row.docParaName = q.field(col::DocParaName).asString();
        row.showPrintPreview = q.field(col::ShowPrintPreview).asString().trimmed();
        rows.push_back(row);
    }
    return rows;
}

void SystemFormStore::runPrintProcedure(const QString& name, const QString& documentNo, int documentYear,
                                        const QString& docCode)
{
    data::StoredProc procedure(m_dm.DMdata(), name.trimmed());
    procedure.setParam(QStringLiteral("@No"), documentNo);
    procedure.setParam(QStringLiteral("@DocYear"), documentYear);
    procedure.setParam(QStringLiteral("@DocCode"), docCode);
    procedure.setParam(QStringLiteral("@NewDocNo"), QString());
    // The procedure writes the data the layout prints: all of it or nothing.
    data::Transaction transaction(m_dm.DMdata());
    procedure.execProc();
    transaction.commit();
}

bool SystemFormStore::autoGenGL()
{
    data::Query& config = m_dm.QConfig();
    if (!config.isOpen())
        config.open();
    return data::isFlagSet(config.field(QStringLiteral("AutoGenGL")).asString().trimmed());
}

} // namespace kvr::printing
