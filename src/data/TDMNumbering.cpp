#include "data/CachedDataset.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "util/Dates.h"
#include "util/Flags.h"

#include <cstdio>

namespace kvr::data {

void TDM::showMessage(const QString& text)
{
    if (m_message)
        m_message(text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

int TDM::GetDocumentLength(const QString& code)
{
    if (!m_qConfig.isOpen())
        m_qConfig.open();
    const int runYear = m_qConfig.field(QStringLiteral("RunYear")).asInteger();
    m_qDocumentLength.setParam(QStringLiteral("GetCode"), code);
    m_qDocumentLength.setParam(QStringLiteral("GetYear"), runYear);
    m_qDocumentLength.open();
    if (!m_qDocumentLength.isEmpty()) {
        // A type that shares another's numbering keeps the automatic flag of the previous call.
        if (m_qDocumentLength.field(QStringLiteral("Shared")).asInteger() == 0)
            m_autoNumbering = util::isFlagSet(m_qDocumentLength.field(QStringLiteral("AutoRun")).asString());
        return m_qDocumentLength.field(QStringLiteral("DocumentLength")).asInteger();
    }
    showMessage(QStringLiteral("ไม่พบรหัสเอกสาร ") + code + QLatin1Char('\n') + QStringLiteral("ปี ") +
                QString::number(runYear));
    m_autoNumbering = false;
    return 0;
}

QString TDM::DrawDocumentNo(const QString& code, const QDate& date)
{
    m_spNextDocNo.clearParams();
    m_spNextDocNo.setParam(QStringLiteral("@DocCode"), code);
    m_spNextDocNo.setParam(QStringLiteral("@DocYear"), util::YearOf(date));
    m_spNextDocNo.execProc();
    return m_spNextDocNo.param(QStringLiteral("@NewNo")).toString();
}

int TDM::PostWithNewNumber(CachedDataset& header, const QDate& date, const QString& code, const QString& numberField,
                           const QString& keyParam)
{
    return postHeader(header, QString(), true, date, code, numberField, keyParam);
}

int TDM::PostWithGivenNumber(CachedDataset& header, const QString& number, const QString& numberField,
                             const QString& keyParam)
{
    return postHeader(header, number, false, QDate(), QString(), numberField, keyParam);
}

int TDM::postHeader(CachedDataset& header, const QString& givenNumber, bool drawn, const QDate& date,
                    const QString& code, const QString& numberField, const QString& keyParam)
{
    header.post();
    QString number;
    if (header.rowStatus(header.recNo()) == CachedDataset::RowStatus::Inserted) {
        number = drawn ? DrawDocumentNo(code, date) : givenNumber;
        header.setValue(numberField, number);
        header.post();
        AddUsageLog(UsageNewDocument, 0, number);
    } else {
        number = header.field(numberField).asString();
        AddUsageLog(UsageDocumentChanged, header.field(QStringLiteral("Id")).asInteger(), number);
    }
    header.applyUpdates();

    Query& reread = m_dmData.statement(header.sqlText());
    for (const QString& name : header.paramNames())
        reread.setParam(name, name.compare(keyParam, Qt::CaseInsensitive) == 0 ? QVariant(number) : header.param(name));
    reread.open();
    // Lines written after this point would belong to no header: stop the save so it rolls back.
    if (reread.isEmpty())
        throw DbError(
            QStringLiteral("Impossible Error IvNo !!!! The saved document %1 cannot be read back").arg(number));
    return reread.field(QStringLiteral("Id")).asInteger();
}

void TDM::AddUsageLog(int function, int documentId, const QString& remark)
{
    const SessionContext& session = m_config.session();
    m_spAddLog.clearParams();
    m_spAddLog.setParam(QStringLiteral("@UserId"), session.UserId);
    m_spAddLog.setParam(QStringLiteral("@MenuId"), session.MenuId);
    m_spAddLog.setParam(QStringLiteral("@FunctionListId"), function);
    m_spAddLog.setParam(QStringLiteral("@DocumentId"), documentId);
    m_spAddLog.setParam(QStringLiteral("@Remark"), remark);
    m_spAddLog.execProc();
}

int TDM::LastIdentity()
{
    Query newId(m_dmData, m_dmData.dialect().lastIdentitySql());
    newId.open();
    return newId.field(QStringLiteral("New_Id")).asInteger();
}

QDateTime TDM::ServerNow()
{
    m_spServerTime.clearParams();
    m_spServerTime.execProc();
    return m_spServerTime.param(QStringLiteral("@ServerTime")).toDateTime();
}

bool TDM::IsWithinRunYear(const QDate& date)
{
    if (!m_qConfig.isOpen())
        m_qConfig.open();
    return util::YearOf(date) <= m_qConfig.field(QStringLiteral("RunYear")).asInteger() + 1;
}

bool TDM::IsPeriodOpen(const QDateTime& date)
{
    // Read once per run: periods closed by others meanwhile are seen at the next start.
    if (!m_qchkPeriod.isOpen())
        m_qchkPeriod.open();
    const QDate day = date.date();
    for (int row = 0; row < m_qchkPeriod.recordCount(); ++row) {
        for (int n = 1; n <= 12; ++n) {
            const QDate start = m_qchkPeriod.fieldAt(row, QStringLiteral("Start%1").arg(n)).asDate();
            const QDate stop = m_qchkPeriod.fieldAt(row, QStringLiteral("Stop%1").arg(n)).asDate();
            if (!start.isValid() || !stop.isValid() || day < start || day > stop)
                continue;
            if (util::isFlagSet(m_qchkPeriod.fieldAt(row, QStringLiteral("Lock%1").arg(n)).asString())) {
                showMessage(QStringLiteral("รอบบัญชีนี้ถูกผ่านรายการบัญชีไปแล้ว ไม่สามารถเพิ่มเติม หรือ แก้ไขได้"));
                return false;
            }
            return true;
        }
    }
    return true;
}

} // namespace kvr::data
