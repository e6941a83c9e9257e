#pragma once

#include "ui/base/TFrForm.h"

#include <QStringList>
#include <functional>

namespace kvr::test {

// A document screen that notes which of its handlers ran, calling the base form's first as
// descendants do.
class RecordingForm : public ui::TFrForm
{
public:
    using TFrForm::TFrForm;

    QStringList ran;
    std::function<void()> onSave; // runs after "AcSave" is noted, as a save that fails would

    void FormShow() override
    {
        TFrForm::FormShow();
        ran << QStringLiteral("FormShow");
    }
    void AcNewExecute() override
    {
        TFrForm::AcNewExecute();
        ran << QStringLiteral("AcNew");
    }
    void AcDelExecute() override { ran << QStringLiteral("AcDel"); }
    void AcSaveExecute() override
    {
        ran << QStringLiteral("AcSave");
        if (onSave)
            onSave();
    }
    void AcChgCodeExecute() override { ran << QStringLiteral("AcChgCode"); }
    void AcHistExecute() override { ran << QStringLiteral("AcHist"); }
    void AcCopyExecute() override { ran << QStringLiteral("AcCopy"); }
    void AcPrintExecute() override { ran << QStringLiteral("AcPrint"); }
    void AcExitExecute() override
    {
        ran << QStringLiteral("AcExit");
        TFrForm::AcExitExecute();
    }
};

} // namespace kvr::test
