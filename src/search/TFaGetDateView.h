#pragma once

#include "search/TFaGetDate.h"

#include <QWidget>

class QLineEdit;

namespace kvr::search {

// Caption and date field (dd/mm/yyyy) of the date frame.
class TFaGetDateView : public QWidget
{
    Q_OBJECT
public:
    explicit TFaGetDateView(TFaGetDate& frame, QWidget* parent = nullptr);

    QLineEdit* dateEdit() const { return m_edit; }

private:
    TFaGetDate& m_frame;
    QLineEdit* m_edit;
};

} // namespace kvr::search
