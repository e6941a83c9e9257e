#pragma once

#include "printing/docprint/TFrDocPrintFormGLAuto.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kvr::printing {

// The window of the accounting voucher: its caption and the buttons Display, Print and Cancel
// (no list of layouts: there is one).
class TFrDocPrintFormGLAutoView : public QDialog
{
    Q_OBJECT
public:
    explicit TFrDocPrintFormGLAutoView(TFrDocPrintFormGLAuto& form, bool thai, QWidget* parent = nullptr);

    void run();

    QLabel* captionLabel() const { return m_caption; }
    QPushButton* displayButton() const { return m_display; }
    QPushButton* printButton() const { return m_print; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    TFrDocPrintFormGLAuto& m_form;
    QLabel* m_caption;
    QPushButton* m_display;
    QPushButton* m_print;
    QPushButton* m_cancel;
};

} // namespace kvr::printing
