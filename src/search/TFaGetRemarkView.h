#pragma once

#include "search/TFaGetRemark.h"

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kvr::search {

// Caption, remark text and search button of the remark frame.
class TFaGetRemarkView : public QWidget
{
    Q_OBJECT
public:
    explicit TFaGetRemarkView(TFaGetRemark& frame, QWidget* parent = nullptr);

    QLineEdit* remarkEdit() const { return m_edit; }
    QToolButton* searchButton() const { return m_button; }

private:
    TFaGetRemark& m_frame;
    QLineEdit* m_edit;
    QToolButton* m_button;
};

} // namespace kvr::search
