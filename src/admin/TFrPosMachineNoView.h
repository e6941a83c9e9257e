#pragma once

#include "admin/TFrPosMachineNo.h"
#include "ui/base/TFrFormView.h"

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kvr::search {
class LookupFrameView;
}

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
    search::LookupFrameView* salesmanFrame() const { return m_frames[0]; }
    search::LookupFrameView* warehouseFrame() const { return m_frames[1]; }
    search::LookupFrameView* departmentFrame() const { return m_frames[2]; }

protected:
    bool filterEvent(QObject* watched, QEvent* event) override;

private:
    // One caption label with the widget it names.
    struct Row
    {
        QLabel* label;
        QWidget* field;
    };
    QWidget* buildContent();
    QLineEdit* addText(const QString& column, int maxLength, bool integer = false);
    QComboBox* addList(const QString& column, const QStringList& items, bool editable);
    void write(const QString& column, const QVariant& value);
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
    std::array<search::LookupFrameView*, 3> m_frames{};
    // Captions by the field they name, filled in applyCaptions().
    std::vector<std::pair<QLabel*, QString PosMachineCaptions::*>> m_captionLabels;
    std::vector<std::function<void()>> m_loaders;
    QWidget* m_toolbar = nullptr;
};

} // namespace kvr::admin
