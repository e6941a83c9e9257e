#pragma once

#include "admin/TFrCancelPos.h"
#include "ui/base/TFrFormView.h"

#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QToolButton;

namespace kvr::admin {

// The window of the bill cancellation: the document toolbar, the number field with its search
// button, why a number shows no bill, and the loaded bill, read-only.
class TFrCancelPosView : public ui::TFrFormView
{
    Q_OBJECT
public:
    explicit TFrCancelPosView(TFrCancelPos& form, QWidget* parent = nullptr);

    TFrCancelPos& cancelForm() { return m_form; }
    QLineEdit* numberEdit() const { return m_number; }
    QToolButton* searchButton() const { return m_search; }
    QLabel* noticeLabel() const { return m_notice; }
    // The shown value of a display field, by the member of CancelPosDisplay it shows.
    QLabel* valueLabel(QString CancelPosDisplay::*field) const;

protected:
    bool filterEvent(QObject* watched, QEvent* event) override;

private:
    QWidget* buildContent();
    void showNumber();
    void showBill();
    void applyCaptions();

    TFrCancelPos& m_form;
    QLineEdit* m_number = nullptr;
    QToolButton* m_search = nullptr;
    QLabel* m_numberCaption = nullptr;
    QLabel* m_notice = nullptr;
    struct Row
    {
        QLabel* caption;
        QLabel* value;
        QString CancelPosCaptions::*captionText;
        QString CancelPosDisplay::*displayText;
    };
    std::vector<Row> m_rows;
};

} // namespace kvr::admin
