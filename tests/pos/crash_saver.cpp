// Not a test by itself: a counter that rings up and saves bills in a loop, on the sale-screen
// shop in WORKDIR. Endless for the crash test, which kills it at random instants; COUNT bills
// for the benchmark of several counters saving at once. Usage: pos_crash_saver WORKDIR SEED [COUNT]
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"

#include "SaleShop.h"
#include "support/UnansweredPrompter.h"

#include <QCoreApplication>
#include <cstdio>
#include <random>

using namespace kvr;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: pos_crash_saver WORKDIR SEED [COUNT]\n");
        return 2;
    }
    const long count = argc == 4 ? std::atol(argv[3]) : -1;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    std::mt19937 random(unsigned(std::atoi(argv[2])));
    const auto between = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

    test::ConfirmingPrompter prompter;
    data::TDMConfig config(dir);
    config.CheckRight(101, 2);
    config.GetCompanyConfig(QStringLiteral("SHOP"));
    data::TDM dm(config, dir);
    dm.setCompanyCode(QStringLiteral("SHOP"));
    products::TDmProduct product(dm);
    pos::TFrPos screen(prompter, dm, product, pos::PosMode::Goods, true);
    screen.setCurrentShift(1, test::kSaleShiftOpened);
    screen.AcNewExecute();
    std::puts("ready");
    std::fflush(stdout);

    for (long saved = 0; saved != count; ++saved) {
        // One to six lines; a card pays part of every third bill.
        test::ringUpBill(screen, random, between(1, 6), between(1, 3) == 1 ? 1 : 0);
        screen.AcSaveExecute();
        if (!screen.isNewBill()) {
            std::fprintf(stderr, "the bill was not saved\n");
            return 4;
        }
    }
    return 0;
}
