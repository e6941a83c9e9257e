#include "SearchFixture.h"
#include "search/TF_SearchCustomer.h"
#include "search/TF_SearchCustomerPos.h"
#include "search/TF_SearchMisc.h"
#include "search/TF_SearchProduct.h"
#include "search/TF_SearchProductUnits.h"
#include "search/TF_SearchSalesman.h"
#include "search/TF_SearchWareHouse.h"
#include "search/TFrSearchBarCode.h"
#include "search/TFrSearchCompanyBank.h"
#include "search/TFrSearchLotNoIV.h"
#include "search/TFrSearchMachineNo.h"
#include "search/TFrSearchMisc.h"
#include "search/TFrSearchPos.h"
#include "search/TFrSearchProductServiceMulSelect.h"
#include "search/TFrSearchUnit.h"

#include <gtest/gtest.h>

using namespace kvr;
using namespace kvr::search;
using kvr::test::SearchFixture;

namespace {

using Make = std::function<std::unique_ptr<SearchScreen>(data::TDM&, ui::Prompter&)>;

template <typename Dialog>
Make make(std::function<void(Dialog&)> setUp = {})
{
    return [setUp](data::TDM& dm, ui::Prompter& prompter) {
        auto dialog = std::make_unique<Dialog>(dm, prompter);
        if (setUp)
            setUp(*dialog);
        return std::unique_ptr<SearchScreen>(std::move(dialog));
    };
}

struct Member
{
    const char* name;
    Make make;
    std::vector<std::pair<QString, QString>> criteria;
    QStringList expected;
    // Ordered by Thai text, whose collation the backends need not share: the keys are compared
    // sorted, and `expected` is written sorted.
    bool anyOrder = false;
};

// Every member of the family with the set-up its callers give it.
std::vector<Member> members(int water)
{
    const auto misc = [](const char* group) { return [group](TF_SearchMisc& d) { d.setGroup(QLatin1String(group)); }; };
    const auto lotsOf = [](int product) { return [product](TFrSearchLotNoIV& d) { d.setProductId(product); }; };
    const auto units = [water](TFrSearchUnit::Role role) {
        return [water, role](TFrSearchUnit& d) {
            d.setProductId(water);
            d.setRole(role);
        };
    };
    const auto remarks = [](TFrSearchMisc& d) {
        d.setGroup(QStringLiteral("REM_SALE"));
        d.setKeyColumn(QStringLiteral("Description"));
    };
    const auto billsOf = [](TFrSearchPos& d) { d.setDocType(QStringLiteral("S")); };
    const auto posType = [](const char* type) {
        return [type](TFrSearchProductServiceMulSelect& d) { d.setPosType(QLatin1String(type)); };
    };
    const auto withBranches = [](TF_SearchCustomer& d) { d.setAllowBranchCustomers(true); };
    // The customer search of the head-office link, here on the shop's own list as when offline.
    const Make customersPos = [](data::TDM& dm, ui::Prompter& prompter) {
        return std::unique_ptr<SearchScreen>(
            std::make_unique<TF_SearchCustomerPos>(dm, prompter, dm.DMdata(), TF_SearchCustomerPos::Place::Offline));
    };
    const Make departments = make<TF_SearchMisc>(misc("DEPARTMENT"));
    const Make barcodes = make<TFrSearchBarCode>();
    const QStringList onSale = {"8850001000011", "8850001000128", "8850005000015"};
    return {
        {"departments", departments, {}, {"ACC", "SALE"}},
        {"a department by its description", departments, {{"Description", "ขาย"}}, {"SALE"}},
        {"provinces", make<TF_SearchMisc>(misc("CITY")), {{"Code", "c"}}, {"CNX"}},
        {"remarks", make<TFrSearchMisc>(remarks), {{"Description", "ไปรษณีย์"}}, {"ส่งของทางไปรษณีย์"}},
        {"salesmen who may sell", make<TF_SearchSalesman>(), {}, {"S01", "S03"}},
        {"a salesman by surname, any case", make<TF_SearchSalesman>(), {{"Name", "rAKdee"}}, {"S03"}},
        {"warehouses", make<TF_SearchWareHouse>(), {}, {"BACK", "MAIN", "RMA"}},
        {"lots", make<TFrSearchLotNo>(), {}, {"L2601", "L2602", "M2601"}},
        {"lots by code", make<TFrSearchLotNo>(), {{"Code", "m"}}, {"M2601"}},
        {"lots received or made of water", make<TFrSearchLotNoIV>(lotsOf(water)), {}, {"L2601", "M2601"}},
        {"barcodes of products on sale", barcodes, {}, onSale},
        {"a barcode by product name", barcodes, {{"Name", "ข้าว"}}, {"8850005000015"}},
        {"products", make<TF_SearchProduct>(), {}, {"P001", "P005", "S001"}},
        {"a product by English name, any case", make<TF_SearchProduct>(), {{"Name", "WATER"}}, {"P001"}},
        {"goods for the goods counter", make<TFrSearchProductServiceMulSelect>(posType("P")), {}, {"P001", "P005"}},
        {"services for the service counter", make<TFrSearchProductServiceMulSelect>(posType("S")), {}, {"S001"}},
        {"units on sale by name", make<TF_SearchProductUnits>(), {}, onSale, true},
        {"units of water", make<TFrSearchUnit>(units(TFrSearchUnit::Role::Any)), {}, {"ขวด", "แพ็ค", "ลัง"}},
        {"purchase units of water", make<TFrSearchUnit>(units(TFrSearchUnit::Role::Purchase)), {}, {"แพ็ค", "ลัง"}},
        {"sale units of water", make<TFrSearchUnit>(units(TFrSearchUnit::Role::Sale)), {}, {"ขวด", "แพ็ค"}},
        {"customers, no branches", make<TF_SearchCustomer>(), {}, {"C001", "C002"}},
        {"customers and branches", make<TF_SearchCustomer>(withBranches), {}, {"C001", "C002", "C003"}},
        {"a customer by English name", make<TF_SearchCustomer>(), {{"Name", "deemak"}}, {"C002"}},
        {"a customer by telephone", make<TF_SearchCustomer>(), {{"Phone", "111"}}, {"C002"}},
        {"customers of the head-office search, blocked left out", customersPos, {}, {"C001", "C002", "C003"}},
        {"company banks in use", make<TFrSearchCompanyBank>(), {}, {"BBL", "KBANK"}},
        {"machines with a location", make<TFrSearchMachineNo>(), {}, {"POS01", "POS02"}, true},
        {"a machine by location, any case", make<TFrSearchMachineNo>(), {{"Location", "COUNTER"}}, {"POS02"}},
        {"service bills", make<TFrSearchPos>(billsOf), {}, {"S2600001"}},
    };
}

class SearchFamilyTest : public SearchFixture
{
protected:
    // Rows of every table the searches read: what an attack through a criterion would change.
    QList<int> tableRows()
    {
        QList<int> rows;
        for (const char* table : {"Misc", "Salesman", "Warehouse", "UserWarehouse", "Customer", "CompanyBank",
                                  "PosMachineNo", "Product", "ProductUnits", "LotNo", "PosHd", "PosDt"})
            rows << count(QStringLiteral("SELECT Count(*) FROM %1").arg(QLatin1String(table)));
        return rows;
    }
};

TEST_P(SearchFamilyTest, each_search_lists_what_its_callers_may_choose)
{
    for (const Member& m : members(water)) {
        SCOPED_TRACE(m.name);
        std::unique_ptr<SearchScreen> dialog = m.make(*dm, prompter);
        dialog->FormShow();
        for (const auto& [name, text] : m.criteria)
            dialog->setCriterion(name, text);
        dialog->BtSearchClick();
        QStringList found = keys(*dialog);
        if (m.anyOrder)
            found.sort();
        EXPECT_EQ(found, m.expected);
    }
}

TEST_P(SearchFamilyTest, typed_sql_finds_nothing_and_changes_nothing)
{
    const QList<int> before = tableRows();
    const QString attacks[] = {QStringLiteral("' OR 1=1 --"), QStringLiteral("%'; DROP TABLE Misc; --")};
    for (const Member& m : members(water)) {
        std::unique_ptr<SearchScreen> dialog = m.make(*dm, prompter);
        for (const SearchCriterion& criterion : std::vector<SearchCriterion>(dialog->criteria())) {
            if (!criterion.choices.isEmpty())
                continue;
            for (const QString& attack : attacks) {
                SCOPED_TRACE(
                    QStringLiteral("%1, %2: %3").arg(QLatin1String(m.name), criterion.name, attack).toStdString());
                dialog->FormShow();
                for (const SearchCriterion& other : dialog->criteria()) {
                    if (other.choices.isEmpty())
                        dialog->setCriterion(other.name, QString());
                }
                dialog->setCriterion(criterion.name, attack);
                dialog->BtSearchClick();
                EXPECT_TRUE(dialog->QSearch().isEmpty()) << keys(*dialog).join(QLatin1Char(',')).toStdString();
            }
        }
    }
    EXPECT_EQ(tableRows(), before);
}

TEST_P(SearchFamilyTest, stock_is_shown_in_the_unit_listed)
{
    TF_SearchProduct products(*dm, prompter);
    ASSERT_TRUE(test::ScriptedSearchRunner::choose(products, {{QStringLiteral("Code"), QStringLiteral("P001")}},
                                                   QStringLiteral("P001")));
    EXPECT_EQ(products.chosen(QStringLiteral("UnitName")).asString(), QStringLiteral("แพ็ค"));
    EXPECT_DOUBLE_EQ(products.chosen(QStringLiteral("OnHand")).asFloat(), 12.0) << "144 bottles in packs of 12";

    TFrSearchBarCode barcodes(*dm, prompter);
    ASSERT_TRUE(test::ScriptedSearchRunner::choose(barcodes, {}, QStringLiteral("8850001000011")));
    EXPECT_DOUBLE_EQ(barcodes.chosen(QStringLiteral("OnHand")).asFloat(), 144.0);
}

TEST_P(SearchFamilyTest, nothing_is_chosen_before_a_search_and_several_products_at_once_in_grid_order)
{
    TFrSearchProductServiceMulSelect products(*dm, prompter);
    products.setPosType(QStringLiteral("P"));
    products.FormShow();
    EXPECT_FALSE(products.BtOkClick()) << "nothing listed yet: the dialog stays open";
    products.BtSearchClick();
    ASSERT_EQ(products.QSearch().recordCount(), 2);
    products.setSelectedRows({1, 0});
    products.QSearch().setRecNo(1);
    ASSERT_TRUE(products.BtOkClick());
    EXPECT_EQ(products.results(), QStringList({"P001", "P005"}));
    EXPECT_EQ(products.result(), QStringLiteral("P005")) << "the current row";
}

KVR_INSTANTIATE_BACKENDS(SearchFamilyTest);

} // namespace
