#pragma once

#include "search/SearchRunner.h"
#include "search/SearchScreen.h"

#include <QDialog>
#include <map>

class QLabel;
class QPushButton;

namespace kvr::ui {
class DataGrid;
}

namespace kvr::search {

// The window of every search dialog: the screen's criteria at the top with the Search button, the
// result grid, and Choose and Cancel. Keys anywhere in it go to the screen first.
class SearchDialogView : public QDialog
{
    Q_OBJECT
public:
    explicit SearchDialogView(SearchScreen& screen, QWidget* parent = nullptr);

    SearchScreen& screen() { return m_screen; }
    ui::DataGrid* grid() const { return m_grid; }
    // The edit (or drop-down) of a criterion, by name.
    QWidget* criterionField(const QString& name) const;
    QPushButton* searchButton() const { return m_btSearch; }
    QPushButton* okButton() const { return m_btOk; }
    QPushButton* cancelButton() const { return m_btCancel; }
    // Lists the next page when the result filled its page.
    QPushButton* moreButton() const { return m_btMore; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The event filter's work; the filter itself keeps errors out of Qt.
    bool filterEvent(QObject* watched, QEvent* event);
    QWidget* buildCriteria();
    void showCriteria();
    void focus(SearchScreen::Focus where);
    void choose();
    SearchScreen::Where whereIs(QWidget* widget) const;

    SearchScreen& m_screen;
    std::map<QString, QWidget*> m_fields;
    ui::DataGrid* m_grid;
    QPushButton* m_btSearch;
    QPushButton* m_btOk;
    QPushButton* m_btCancel;
    QPushButton* m_btMore;
    QLabel* m_hint;
};

// Shows the real dialog, modally, over the given window.
class DialogSearchRunner : public SearchRunner
{
public:
    explicit DialogSearchRunner(QWidget* parent = nullptr)
        : m_parent(parent)
    { }
    bool run(SearchScreen& search) override;

private:
    QWidget* m_parent;
};

} // namespace kvr::search
