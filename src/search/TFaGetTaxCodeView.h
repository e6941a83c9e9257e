#pragma once

#include "search/TFaGetTaxCode.h"

#include <QWidget>

class QComboBox;

namespace kvr::search {

// Caption and tax drop-down (code and rate) of the tax frame.
class TFaGetTaxCodeView : public QWidget
{
    Q_OBJECT
public:
    explicit TFaGetTaxCodeView(TFaGetTaxCode& frame, QWidget* parent = nullptr);

    QComboBox* taxList() const { return m_list; }

private:
    void fill();

    TFaGetTaxCode& m_frame;
    QComboBox* m_list;
};

} // namespace kvr::search
