#pragma once

#include "pos/PosCaptions.h"
#include "pos/PosControls.h"

#include <QString>
#include <vector>

class QLabel;
class QLineEdit;

namespace kvr::pos {

class TFrPos;

// A field of the sale window the screen can send the cursor to.
struct FocusEdit
{
    QLineEdit* edit;
    PosFocus focus;
};

// A label showing one of the screen's captions, in the session's language.
struct CaptionLabel
{
    QLabel* label;
    QString PosCaptions::*caption;
};
void applyCaptionLabels(const std::vector<CaptionLabel>& labels, const PosCaptions& captions);

// An edit showing a column of the bill's header.
struct HeaderFieldEdit
{
    QLineEdit* edit;
    QString field;
};
// Each edit shows its column as it is now: amounts with two decimals, texts as they are, the
// change as the screen words it; all empty without a bill.
void showHeaderFields(TFrPos& pos, const std::vector<HeaderFieldEdit>& edits);
QString amountText(double value);

} // namespace kvr::pos
