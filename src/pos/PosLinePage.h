#pragma once

#include <QWidget>

namespace kvr::ui {
class DataGrid;
}

namespace kvr::pos {

class TFrPos;

// The sale window's page of the lines: the line grid with its in-cell editors. The grid's events
// go to the screen's line-cell flow as plain calls; the page only moves the grid's cursor where
// the screen asks and lays out the columns it gives.
class PosLinePage : public QWidget
{
    Q_OBJECT
public:
    explicit PosLinePage(TFrPos& pos, QWidget* parent = nullptr);

    ui::DataGrid* grid() const { return m_grid; }
    // The memo entry of the grid's pop-up: present only while a name column is current.
    bool hasMemoMenu() const { return m_memoMenuOn; }
    void applyColumns();

private:
    void wireGrid();
    void applyEditors();
    void showMemoMenu(const QString& field);
    void editMemoLine();
    void moveToField(const QString& field);
    bool cashierInGrid() const;

    TFrPos& m_pos;
    ui::DataGrid* m_grid;
    bool m_memoMenuOn = false;
};

} // namespace kvr::pos
