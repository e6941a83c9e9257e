#include "ui/base/UpperCaseEntry.h"

#include <QLineEdit>

namespace kvr::ui {

void upperCaseEntry(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    });
}

} // namespace kvr::ui
