#pragma once

#include "data/CachedDataset.h"
#include "search/TFrSearchPos.h"
#include "support/QueryPlan.h"
#include "support/ScriptedSearchRunner.h"
#include "support/SessionFixture.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace kvr::test {

// Both backends, the session of user 1 (Thai) on SHOP and a small shop with bills, salesmen,
// warehouses, codes, products, lots, banks and machines for every search to tell apart.
class SearchFixture : public SessionFixture
{
protected:
    void buildShop(ShopBuilder& shop) override;

    static QStringList keys(search::SearchScreen& search, const QString& column = {})
    {
        return ScriptedSearchRunner::keys(search, column);
    }

    void TearDown() override
    {
        // The search and the header read the session: they end before it.
        bills.reset();
        header.reset();
        SessionFixture::TearDown();
    }
    // The saved-bill search of the sale screen in mode "P", sorted as a new start leaves it.
    void openBillSearch()
    {
        search::TFrSearch::resetSortState();
        bills = std::make_unique<search::TFrSearchPos>(*dm, prompter);
        bills->setDocType(QStringLiteral("P"));
    }
    // A bill header open for a new bill with these columns of PosHd, as the sale screen holds it.
    void openBillHeader(const QString& columns)
    {
        header = std::make_unique<data::CachedDataset>(
            dm->DMdata(), QStringLiteral("SELECT %1 FROM PosHd WHERE Id = :Id").arg(columns));
        header->setParam(QStringLiteral("Id"), 0);
        header->open();
        header->append();
    }
    // A frame of the sale screen on a column of the header.
    template <typename Frame>
    std::unique_ptr<Frame> bound(const char* column)
    {
        auto frame = std::make_unique<Frame>(*dm, prompter, runner);
        frame->bind(*header, QLatin1String(column));
        return frame;
    }
    // The plan chosen for the last statement of a search, in lower case. A table of a few rows
    // is read whole by PostgreSQL's planner unless told otherwise, so it is told.
    QString planOf(search::SearchScreen& search)
    {
        if (server->kind() == BackendKind::Postgres)
            dm->DMdata().execDirect(QStringLiteral("SET enable_seqscan = off"));
        return queryPlan(dm->DMdata(), search.QSearch()).join(QLatin1Char('\n')).toLower();
    }
    // Runs `act` on a field of `frame`: it tells `refusal` and asks for the focus back once, or,
    // with no refusal, neither.
    template <typename Frame>
    void expectRefusal(Frame& frame, const QString* refusal, const std::function<void()>& act)
    {
        QSignalSpy refocus(&frame, &Frame::focusRequested);
        const size_t before = prompter.asked(ScriptedPrompter::Kind::Information).size();
        if (refusal)
            prompter.expectInformation();
        act();
        const auto told = prompter.asked(ScriptedPrompter::Kind::Information);
        ASSERT_EQ(told.size() - before, refusal ? 1u : 0u);
        if (refusal) {
            EXPECT_EQ(told.back().text, *refusal);
        }
        EXPECT_EQ(refocus.count(), refusal ? 1 : 0);
    }

    int vat7 = 0, vat0 = 0;
    int saleDepartment = 0, bangkok = 0, chiangMai = 0;
    int somsri = 0, somsak = 0; // S01, S03 (surname Rakdee); S02 no longer sells
    // User 1 may use MAIN and RMA, user 2 BACK, when the company restricts warehouses.
    int mainWarehouse = 0, backWarehouse = 0;
    // C001 in Bangkok, C002 in Chiang Mai, C003 a branch of the company; C004 is blocked.
    int walkIn = 0, deemak = 0, branch = 0;
    int kbank = 0, bbl = 0; // SCB is blocked, BBL's Blocked null
    // Water sold by the bottle and the pack of 12, bought by the pack and the crate; 144 bottles
    // in MAIN. Rice sold by the bag. Soap is blocked, the shirt a master product.
    int water = 0;
    // Bills P2600001-4 and S2600001 (services) of January 2026; P2600003 is cancelled and, like
    // P2600002, paid by card.
    int cancelledBill = 0;
    ScriptedSearchRunner runner;
    std::unique_ptr<data::CachedDataset> header;
    std::unique_ptr<search::TFrSearchPos> bills;
};

} // namespace kvr::test
