#include "search/TFaGetCustomer.h"

#include "data/TDM.h"
#include "search/FrameStatements.h"
#include "search/SearchRunner.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"

namespace kvr::search {

TFaGetCustomer::TFaGetCustomer(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : LookupFrame(dm, prompter, runner, statements::customers(), parent)
    , m_head(dm)
    , m_qCustomer(dm.DMdata())
    , m_localSearch(dm, prompter)
    , m_sync(dm.DMdata(), m_head.DBHead())
{
    setCaption(thai() ? QStringLiteral("รหัสลูกค้า") : QStringLiteral("Customer"));
    m_qCustomer.setSqlLines(statements::customerByCode());
    lookup().setFilter(statements::unblockedCustomers());
    lookup().setAllowEmpty(false);
    lookup().setDescriptionColumn(thai() ? QStringLiteral("Name") : QStringLiteral("NameEng"));
}

void TFaGetCustomer::FieldEnter()
{
    lookup().setDescriptionColumn(thai() ? QStringLiteral("Name") : QStringLiteral("NameEng"));
    LookupFrame::FieldEnter();
}

void TFaGetCustomer::refuse(const QString& message)
{
    prompter().information(message);
    m_qCustomer.close();
    lookup().clear();
    emit focusRequested();
}

void TFaGetCustomer::codeExit()
{
    const QString code = lookup().text().trimmed();
    if (code.isEmpty()) {
        m_qCustomer.close();
        return;
    }
    m_qCustomer.setParam(QStringLiteral("GetCode"), code);
    m_qCustomer.open();
    if (m_qCustomer.isEmpty())
        return;
    if (!lookup().isAccepted() && util::isFlagSet(m_qCustomer.field(QStringLiteral("Blocked")).asString().trimmed())) {
        refuse(QStringLiteral("รหัสลูกค้าถูกระงับการใช้งาน !"));
        return;
    }
    if (!m_allowBranch && !m_qCustomer.field(QStringLiteral("StoreCode")).isNull())
        refuse(QStringLiteral("ต้องเป็นลูกค้าทั่วไปเท่านั้น (ไม่สามารถเลือกลูกค้าที่เป็นสาขาได้) "));
}

TF_SearchCustomerPos& TFaGetCustomer::headSearch(TF_SearchCustomerPos::Place place)
{
    const bool online = place == TF_SearchCustomerPos::Place::Online;
    std::unique_ptr<TF_SearchCustomerPos>& dialog = online ? m_onlineSearch : m_offlineSearch;
    if (!dialog)
        dialog =
            std::make_unique<TF_SearchCustomerPos>(dm(), prompter(), online ? m_head.DBHead() : dm().DMdata(), place);
    return *dialog;
}

void TFaGetCustomer::search()
{
    if (!m_head.linkEnabled()) {
        // The shop's own customers; nothing is copied.
        m_localSearch.setAllowBranchCustomers(m_allowBranch);
        runSearch(m_localSearch);
        return;
    }
    // Probed before anything is opened: an unreachable head office means working offline, never an error.
    const bool online = m_head.connect(data::HeadOffice::kSearchProbe);
    TF_SearchCustomerPos& dialog =
        headSearch(online ? TF_SearchCustomerPos::Place::Online : TF_SearchCustomerPos::Place::Offline);
    if (!runner().run(dialog))
        return;
    const QString code = dialog.result().trimmed().toUpper();
    // The shop's copy is refreshed whenever the head office answers, whichever list the code came from.
    if (m_head.connect(data::HeadOffice::kSyncProbe))
        m_sync.copy(code);
    lookup().setText(code);
    lookup().commit();
    emit focusRequested();
}

} // namespace kvr::search
