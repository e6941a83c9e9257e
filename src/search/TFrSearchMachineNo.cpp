#include "search/TFrSearchMachineNo.h"

#include "search/SearchStatements.h"

#include "search/SearchRunner.h"

namespace kvr::search {

TFrSearchMachineNo::TFrSearchMachineNo(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setKeyColumn(QStringLiteral("MachineCode"));
    addCriterion(QStringLiteral("Location"), QStringLiteral("ตำแหน่งที่ตั้ง"), QStringLiteral("Location"));
    addColumn(QStringLiteral("Location"), 25, thai() ? QStringLiteral("ตำแหน่งที่ตั้ง") : QStringLiteral("Location"));
    addColumn(QStringLiteral("MachineCode"), 12,
              thai() ? QStringLiteral("หมายเลขเครื่อง") : QStringLiteral("Machine No."));
    addColumn(QStringLiteral("Remark"), 30, thai() ? QStringLiteral("หมายเหตุ") : QStringLiteral("Remark"));
}

QStringList TFrSearchMachineNo::statement(const data::Dialect& dialect)
{
    return statements::machineSearch(dialect);
}

void TFrSearchMachineNo::prepareSearch()
{
    QSearch().setParam(QStringLiteral("GetLocation"), contains(criterionText(QStringLiteral("Location"))));
}

std::function<std::optional<QString>(const QString&)> machineSearch(data::TDM& dm, ui::Prompter& prompter,
                                                                    SearchRunner& runner)
{
    return [&dm, &prompter, &runner](const QString& caption) -> std::optional<QString> {
        TFrSearchMachineNo dialog(dm, prompter);
        dialog.setCaption(caption);
        if (!runner.run(dialog))
            return std::nullopt;
        return dialog.result();
    };
}

} // namespace kvr::search
