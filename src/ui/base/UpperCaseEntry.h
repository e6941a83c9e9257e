#pragma once

class QLineEdit;

namespace kvr::ui {

// Letters typed into the edit become capitals, the cursor staying where it was (code fields).
void upperCaseEntry(QLineEdit* edit);

} // namespace kvr::ui
