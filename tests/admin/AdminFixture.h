#pragma once

#include "support/CoreApplication.h"
#include "support/ScriptedSearchRunner.h"
#include "support/SessionFixture.h"

namespace kvr::test {

// A session whose suite drives one screen: made once the shop is built, gone before the session is.
class ScreenFixture : public SessionFixture
{
protected:
    void SetUp() override
    {
        // The register's device tests poll serial ports on timers.
        ensureCoreApplication();
        SessionFixture::SetUp();
        if (!IsSkipped() && !HasFatalFailure())
            openScreen();
    }
    void TearDown() override
    {
        closeScreen();
        SessionFixture::TearDown();
    }
    virtual void openScreen() { }
    virtual void closeScreen() { }
};

// Both backends, the session of user 1 on SHOP, and what the shift dialog and the machine
// register read: coins and notes, a salesman, warehouse and department, and four machines.
class AdminFixture : public ScreenFixture
{
protected:
    void buildShop(ShopBuilder& shop) override;

    // Written in this order, which is not that of their value.
    int baht1 = 0, note1000 = 0, satang25 = 0, note100 = 0, baht10 = 0, note20 = 0;
    int somying = 0, frontWarehouse = 0, frontDepartment = 0;
    // POS02 is blocked; POS03 has Blocked and Location null: no shift opens on it, never listed by location.
    int pos01 = 0; // in use, on the ground floor, with the salesman, warehouse and department
    int pos04 = 0; // in use, in the back office; 4800 baud
    ScriptedSearchRunner runner;
};

} // namespace kvr::test
