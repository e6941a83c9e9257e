#pragma once

#include "admin/TFrPosFullTran.h"
#include "ui/base/TFrFormView.h"

#include <functional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace kvr::search {
class LookupFrameView;
}
namespace kvr::ui {
class DataGrid;
}

namespace kvr::admin {

// The window of the full tax invoice: the receipt number with its date and amount, the buyer
// block with its province frame, and the receipt's lines below. Every buyer field writes into the
// header on screen as it is typed.
class TFrPosFullTranView : public ui::TFrFormView
{
    Q_OBJECT
public:
    explicit TFrPosFullTranView(TFrPosFullTran& form, QWidget* parent = nullptr);

    TFrPosFullTran& fullTaxForm() { return m_form; }
    QLineEdit* receiptNumberEdit() const { return m_receiptNumber; }
    QToolButton* receiptSearchButton() const { return m_receiptSearch; }
    QLineEdit* customerNameEdit() const { return m_customerName; }
    QToolButton* customerSearchButton() const { return m_customerSearch; }
    // A buyer column's edit, by column name; null for another name.
    QLineEdit* buyerEdit(const QString& column) const;
    QCheckBox* headOfficeCheckBox() const { return m_headOffice; }
    search::LookupFrameView* provinceFrame() const { return m_province; }
    ui::DataGrid* grid() const { return m_grid; }
    QLabel* dateLabel() const { return m_date; }
    QLabel* amountLabel() const { return m_amount; }

private:
    QWidget* buildContent();
    QLineEdit* addBuyerEdit(const QString& column, int maxLength);
    QLabel* addCaption(QWidget* parent, QString FullTaxCaptions::*caption);
    void showRecord();
    void showControls();
    void focusField(TFrPosFullTran::Field field);

    TFrPosFullTran& m_form;
    QLineEdit* m_receiptNumber = nullptr;
    QToolButton* m_receiptSearch = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_amount = nullptr;
    QLineEdit* m_customerName = nullptr;
    QToolButton* m_customerSearch = nullptr;
    QCheckBox* m_headOffice = nullptr;
    search::LookupFrameView* m_province = nullptr;
    QGroupBox* m_linesBox = nullptr;
    ui::DataGrid* m_grid = nullptr;
    std::vector<std::pair<QString, QLineEdit*>> m_buyerEdits;
    std::vector<std::function<void()>> m_loaders;
};

} // namespace kvr::admin
