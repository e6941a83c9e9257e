#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kvr::ui {

// An edit with a small search button at its right, the in-cell editor of code columns.
class SearchEdit : public QWidget
{
    Q_OBJECT
public:
    explicit SearchEdit(QWidget* parent = nullptr);

    QLineEdit* lineEdit() const { return m_edit; }
    QToolButton* button() const { return m_button; }
    QString text() const;
    void setText(const QString& text);
    // Typed letters become capitals (once switched on, for the editor's life).
    void setUpperCase(bool on);

signals:
    void searchClicked();

private:
    QLineEdit* m_edit;
    QToolButton* m_button;
    bool m_upperCase = false;
};

} // namespace kvr::ui
