#pragma once

#include "ui/base/TFrForm.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QStatusBar;
class QToolButton;
class QVBoxLayout;

namespace kvr::ui {

class TFormHints;

// The window of a document screen: the toolbar of the form's actions, the screen's own fields
// (the content), a two-panel status bar and the balloon hints. Keys pressed anywhere in it go
// to the form first; Enter moves to the next field.
class TFrFormView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 757;
    static constexpr int kClientHeight = 421;

    explicit TFrFormView(TFrForm& form, QWidget* content = nullptr, QWidget* parent = nullptr);

    TFrForm& form() { return m_form; }
    // The fields between toolbar and status bar; the view takes ownership and drops the old one.
    void setContent(QWidget* content);
    QWidget* content() const { return m_content; }

    QToolButton* button(TFrForm::Action action) const { return m_buttons[static_cast<size_t>(action)]; }
    QLabel* statusPanel(int panel) const { return m_statusPanels.at(static_cast<size_t>(panel)); }
    QStatusBar* statusBar() const { return m_statusBar; }
    QLineEdit* chgCodeEdit() const { return m_chgCode; }
    TFormHints& formHints() const { return *m_formHints; }

    // The next control of the tab order that can take the focus, wrapping from the last to the
    // first; null when there is none.
    QWidget* nextField(QWidget* from) const;

protected:
    // Runs filterEvent so that no error of a view's filter reaches Qt.
    bool eventFilter(QObject* watched, QEvent* event) final;
    // The form's key preview; a view that watches more events overrides it and ends with this one.
    virtual bool filterEvent(QObject* watched, QEvent* event);
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildToolbar();
    void updateButton(size_t index);
    bool isFocusTarget(QObject* watched) const;

    TFrForm& m_form;
    QVBoxLayout* m_layout;
    QWidget* m_content = nullptr;
    std::array<QToolButton*, TFrForm::kActionCount> m_buttons{};
    std::array<QLabel*, TFrForm::kStatusPanels> m_statusPanels{};
    QStatusBar* m_statusBar;
    QLineEdit* m_chgCode;
    TFormHints* m_formHints;
    bool m_centred = false;
    bool m_showing = false; // inside the form's show handling
};

} // namespace kvr::ui
