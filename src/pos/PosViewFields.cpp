#include "pos/PosViewFields.h"

#include "pos/PosColumns.h"
#include "pos/TFrPos.h"

#include <QLabel>
#include <QLineEdit>

namespace kvr::pos {

void applyCaptionLabels(const std::vector<CaptionLabel>& labels, const PosCaptions& captions)
{
    for (const auto& [label, caption] : labels)
        label->setText(captions.*caption);
}

QString amountText(double value)
{
    return QLocale::c().toString(value, 'f', 2);
}

void showHeaderFields(TFrPos& pos, const std::vector<HeaderFieldEdit>& edits)
{
    const PosBill& bill = pos.bill();
    const bool hasRow = bill.hasHeaderRow();
    for (const auto& [edit, field] : edits) {
        const bool text = field == hd::Remark || field.startsWith(QLatin1String("DiscName"));
        const QString shown = !hasRow ? QString()
            : text                    ? bill.headerText(field)
            : field == hd::Change     ? pos.changeText()
                                      : amountText(bill.headerValue(field));
        if (edit->text() != shown)
            edit->setText(shown);
    }
}

} // namespace kvr::pos
