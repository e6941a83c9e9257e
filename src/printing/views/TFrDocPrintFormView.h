#pragma once

#include "printing/docprint/TFrDocPrintForm.h"

#include <QDialog>

class QAction;
class QPushButton;
class QTableWidget;

namespace kvr::printing {

// The window of the print form at the top right of the screen: the list of layouts and the
// buttons Display, Print, Set printer and Cancel. Enter or a double-click on the list prints,
// F11 or the list's menu shows the layout's file name, Escape closes.
class TFrDocPrintFormView : public QDialog
{
    Q_OBJECT
public:
    explicit TFrDocPrintFormView(TFrDocPrintForm& form, QWidget* parent = nullptr);

    TFrDocPrintForm& form() { return m_form; }
    // Shows the form modally from its opening state; it is not shown at all when the print code
    // has no layout.
    void run();

    QTableWidget* layoutList() const { return m_list; }
    QPushButton* displayButton() const { return m_display; }
    QPushButton* printButton() const { return m_print; }
    QPushButton* setPrinterButton() const { return m_setPrinter; }
    QPushButton* cancelButton() const { return m_cancel; }
    QAction* showFileNameAction() const { return m_showFileName; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The event filter's work; the filter itself keeps errors out of Qt.
    bool filterEvent(QObject* watched, QEvent* event);
    void applyCaptions();
    void showLayouts();
    void placeTopRight();
    void closeForm();

    TFrDocPrintForm& m_form;
    QTableWidget* m_list;
    QPushButton* m_display;
    QPushButton* m_print;
    QPushButton* m_setPrinter;
    QPushButton* m_cancel;
    QAction* m_showFileName;
};

} // namespace kvr::printing
