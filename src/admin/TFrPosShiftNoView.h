#pragma once

#include "admin/TFrPosShiftNo.h"

#include <QDialog>
#include <memory>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kvr::ui {
class DataGrid;
}
namespace kvr::search {
class DialogSearchRunner;
}

namespace kvr::admin {

// The window of the shift dialog: date, machine with its search button and location, shift
// number, the float grid with its total, and OK. It mirrors the dialog's state and hands the
// user's actions to it.
class TFrPosShiftNoView : public QDialog
{
    Q_OBJECT
public:
    explicit TFrPosShiftNoView(TFrPosShiftNo& form, QWidget* parent = nullptr);
    ~TFrPosShiftNoView() override;

    TFrPosShiftNo& form() { return m_form; }
    // Runs the dialog modally from its opening state; true when a shift was saved.
    bool run();

    QDateEdit* dateEdit() const { return m_date; }
    QLineEdit* machineEdit() const { return m_machine; }
    QLineEdit* shiftNoEdit() const { return m_shiftNo; }
    ui::DataGrid* grid() const { return m_grid; }
    QPushButton* okButton() const { return m_ok; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The event filter's work; the filter itself keeps errors out of Qt.
    bool filterEvent(QObject* watched, QEvent* event);
    void buildLayout();
    void applyCaptions();
    void showHeader();
    void showControls();
    void moveFocus(ShiftFocus focus);
    // The keys of the grid: the cursor stays in the count column.
    bool gridKey(QKeyCombination key);
    void postCellEditor();
    void recalculate();
    void ok();

    TFrPosShiftNo& m_form;
    QLabel* m_dateLabel;
    QDateEdit* m_date;
    QLabel* m_machineLabel;
    QLineEdit* m_machine;
    QToolButton* m_search;
    QLabel* m_location;
    QLabel* m_shiftNoLabel;
    QLineEdit* m_shiftNo;
    QGroupBox* m_floatBox;
    ui::DataGrid* m_grid;
    QLabel* m_totalLabel;
    QLabel* m_total;
    QPushButton* m_ok;
    // The machine search dialog, unless the screen came with a search of its own.
    std::unique_ptr<search::DialogSearchRunner> m_searchRunner;
    bool m_exitedByEnter = false;
};

} // namespace kvr::admin
