#pragma once

#include "admin/TFrPosMachineNo.h"
#include "ui/base/TFrFormView.h"

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kvr::ui {
class CodeLookup;
class LookupEdit;
} // namespace kvr::ui

namespace kvr::admin {

// The window of the machine register: the document toolbar and, below it, the machine's fields,
// its salesman, warehouse and department look-ups, and the drawer and display with their test
// buttons. Every field writes into the machine row on screen as it is typed.
class TFrPosMachineNoView : public ui::TFrFormView
{
    Q_OBJECT
public:
    explicit TFrPosMachineNoView(TFrPosMachineNo& form, QWidget* parent = nullptr);

    TFrPosMachineNo& machineForm() { return m_form; }
    QLineEdit* codeEdit() const { return m_code; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One caption label with the widget it names.
    struct Row
    {
        QLabel* label;
        QWidget* field;
    };
    struct Lookup
    {
        ui::CodeLookup* lookup;
        ui::LookupEdit* edit;
        QLabel* caption;
        QLabel* name;
    };

    QWidget* buildContent();
    QLineEdit* addText(const char* column, int maxLength, bool integer = false);
    QComboBox* addList(const char* column, const QStringList& items, bool editable);
    Lookup addLookup(const char* column, const QString& table, const QString& idColumn, const QString& codeColumn,
                     const QString& nameColumn, const QString& filter, bool allowEmpty);
    void write(const char* column, const QVariant& value);
    void showRecord();
    void showControls();
    void applyCaptions();

    TFrPosMachineNo& m_form;
    QLineEdit* m_code = nullptr;
    QToolButton* m_search = nullptr;
    QCheckBox* m_blocked = nullptr;
    QGroupBox* m_drawerBox = nullptr;
    QGroupBox* m_displayBox = nullptr;
    QPushButton* m_drawerTest = nullptr;
    QPushButton* m_displayTest = nullptr;
    std::vector<Lookup> m_lookups;
    // Captions by the field they name, filled in applyCaptions().
    std::vector<std::pair<QLabel*, QString PosMachineCaptions::*>> m_captionLabels;
    std::vector<std::function<void()>> m_loaders;
    QWidget* m_toolbar = nullptr;
};

} // namespace kvr::admin
