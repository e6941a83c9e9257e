#include "support/SessionFixture.h"

#include "data/Query.h"

namespace kvr::test {

void SessionFixture::SetUp()
{
    BackendTest::SetUp();
    if (IsSkipped())
        return;
    prepareServer();
    if (HasFatalFailure())
        return;

    config = std::make_unique<data::TDMConfig>(server->workingDirectory());
    config->CheckRight(menuId, userId);
    config->GetCompanyConfig(companyCode);
    dm = std::make_unique<data::TDM>(*config, server->workingDirectory());
    dm->setCompanyCode(companyCode);
    dm->setMessageHandler([this](const QString& text) { prompter.information(text); });
    dm->DMdata().open();
    product = std::make_unique<products::TDmProduct>(*dm);
    product->setMessageHandler([this](const QString& text) { prompter.information(text); });
}

void SessionFixture::prepareServer()
{
    seedSession(*server);
    m_shopConnection = server->connection(companyCode);
    shop = std::make_unique<ShopBuilder>(*m_shopConnection);
    buildShop(*shop);
}

void SessionFixture::TearDown()
{
    // Every session ends before the server drops the databases under it.
    product.reset();
    dm.reset();
    config.reset();
    shop.reset();
    m_shopConnection.reset();
    BackendTest::TearDown();
}

void SessionFixture::setConfig(const Columns& settings)
{
    shop->config(settings);
    dm->QConfig().open();
}

void SessionFixture::switchUser(int id)
{
    userId = id;
    config->CheckRight(menuId, userId);
}

QVariant SessionFixture::scalar(const QString& sql, const Columns& params)
{
    data::Query query(dm->DMdata(), sql);
    for (const auto& [name, value] : params)
        query.setParam(name, value);
    query.open();
    return query.isEmpty() ? QVariant() : query.fieldAt(0, query.fieldNames().at(0)).value();
}

} // namespace kvr::test
