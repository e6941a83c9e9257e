#include "ui/base/FormFont.h"

#include <QStringList>

namespace kvr::ui {

QFont formFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Loma"), QStringLiteral("Garuda"),
                      QStringLiteral("Tlwg Typo"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(9);
    font.setBold(bold);
    return font;
}

} // namespace kvr::ui
