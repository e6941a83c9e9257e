#include "app/demo/DemoBill.h"
#include "app/demo/DemoRandom.h"

#include "util/Rounding.h"

namespace kvr::demo {

namespace {

// Pieces of each coin and note in an opening float: no thousand-baht notes, a few hundreds,
// rolls of small coins.
int floatPieces(DemoRandom& random, double face)
{
    if (face >= 1000)
        return 0;
    if (face >= 500)
        return random.between(0, 2);
    if (face >= 50)
        return random.between(4, 10);
    if (face >= 5)
        return random.between(10, 20);
    if (face >= 1)
        return random.between(5, 20);
    return random.between(0, 10);
}

} // namespace

std::vector<DemoShift> planShifts(const DemoShop& shop, DemoRandom& random)
{
    std::vector<DemoShift> shifts;
    for (int daysBack = 2; daysBack >= 0; --daysBack) {
        const QDate day = shop.today.addDays(-daysBack);
        for (const DemoMachine& machine : shop.machines) {
            if (machine.blocked)
                continue;
            const int count = machine.code == QLatin1String("POS01") && daysBack > 0 ? 2 : 1;
            for (int no = 1; no <= count; ++no) {
                DemoShift s;
                s.id = int(shifts.size()) + 1;
                s.date = day;
                s.shiftNo = no;
                s.machine = &machine;
                s.openTime = QDateTime(day, QTime(8 + (no - 1) * 6, random.between(0, 20)));
                s.closed = daysBack > 0;
                // A shift is opened with both times set; closing it (elsewhere) moves the close time.
                s.closeTime = s.closed ? s.openTime.addSecs(6 * 3600 - 600) : s.openTime;
                s.user = machine.code == QLatin1String("POS02") ? ids::userEnglish : ids::userThai;
                for (const auto& [coin, face] : shop.coins) {
                    const int pieces = floatPieces(random, face);
                    s.openingFloat.emplace_back(coin, pieces);
                    s.openMoney += pieces * face;
                }
                s.openMoney = util::RoundHalfUp(s.openMoney, 15, 2);
                shifts.push_back(s);
            }
        }
    }
    return shifts;
}

} // namespace kvr::demo
