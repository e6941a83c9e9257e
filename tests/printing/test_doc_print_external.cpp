#include "PrintFixture.h"

#include "data/StoredProc.h"
#include "printing/docprint/ExternalPrintCommand.h"
#include "printing/docprint/TFrDocPrintForm.h"
#include "printing/views/DocPrintRunner.h"
#include "printing/views/TFrDocPrintFormView.h"
#include "support/WindowWait.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using kvr::printing::DocPrintRunner;
using kvr::printing::DocPrintSettings;
using kvr::test::whenModalOpens;

namespace {

const QString kBill = QStringLiteral("PP6900020");

// Layouts of the external format go to the program named in KVR.INI with six arguments.
class ExternalPrint : public kvr::test::PrintFixture
{
protected:
    void SetUp() override
    {
        PrintFixture::SetUp();
        if (IsSkipped())
            return;
        kvr::data::registerProcedure(QStringLiteral("NeverForExternal"),
                                     [this](kvr::data::Connection&, kvr::data::ProcParams&) {
                                         ++procedureCalls;
                                         return 0;
                                     });
        addBill(kBill, 2);
        writeLayout(QStringLiteral("forms/bill.fr3"), QStringLiteral("a layout of the external program"));
        addForm(QStringLiteral("POS-P"), 1, QStringLiteral("บิลแบบใหม่"), QStringLiteral("forms/bill.fr3"),
                QStringLiteral("NeverForExternal"));
        // Records its arguments, one a line, as the external program would receive them.
        recorder = writeScript(QStringLiteral("record-args.sh"), QStringLiteral("printf '%s\\n' \"$@\" > \"$0.$5\"\n"));
    }
    // An executable shell script in the working folder; its path.
    QString writeScript(const QString& name, const QString& body)
    {
        const QString script = writeLayout(name, QStringLiteral("#!/bin/sh\n") + body);
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script;
    }
    void useCommand(const QString& command)
    {
        writeLayout(QStringLiteral("KVR.INI"), QStringLiteral("[DocumentPrint]\nExternalCommand=%1\n").arg(command));
        settings = DocPrintSettings::read(workDir(), false);
        runner = std::make_unique<DocPrintRunner>(prompter, *dm, settings);
    }
    void TearDown() override
    {
        runner.reset();
        PrintFixture::TearDown();
    }
    QStringList recorded(const char* flag) const
    {
        QFile file(recorder + u'.' + QLatin1String(flag));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    int procedureCalls = 0;
    QString recorder; // the script standing in for the external program
    DocPrintSettings settings;
    std::unique_ptr<DocPrintRunner> runner;
};

TEST_P(ExternalPrint, print_and_display_call_the_program_with_the_six_arguments_and_never_the_procedure)
{
    useCommand(recorder);
    whenModalOpens([&](QWidget*) {
        QTest::mouseClick(runner->view()->displayButton(), Qt::LeftButton);
        QTest::mouseClick(runner->view()->printButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(runner->printDocument(QStringLiteral("  ") + kBill, 2026, QStringLiteral("POS-P")));
    EXPECT_EQ(recorded("1"),
              (QStringList{QStringLiteral("SHOP"), QStringLiteral("forms/bill.fr3"), QStringLiteral("U1"), kBill,
                           QStringLiteral("1"), QStringLiteral("1")}));
    // The preview is left running: its arguments arrive when it has started.
    ASSERT_TRUE(kvr::test::waitUntil([&] { return recorded("0").size() == 6; }));
    EXPECT_EQ(recorded("0")[4], QStringLiteral("0"));
    EXPECT_EQ(procedureCalls, 0);
    EXPECT_EQ(usageLogs(5), 1);
    EXPECT_EQ(usageLogs(10), 1);
}

TEST_P(ExternalPrint, without_a_program_the_user_is_told_and_nothing_is_printed)
{
    useCommand(QString());
    prompter.expectWarning();
    whenModalOpens([&](QWidget*) {
        QTest::mouseClick(runner->view()->printButton(), Qt::LeftButton);
        kvr::test::pressKey(Qt::Key_Escape);
    });
    EXPECT_FALSE(runner->printDocument(kBill, 2026, QStringLiteral("POS-P")));
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_TRUE(prompter.asked()[0].text.contains(QStringLiteral("ExternalCommand")));
}

TEST_P(ExternalPrint, a_program_that_fails_is_an_error_and_the_document_stays_unprinted)
{
    useCommand(writeScript(QStringLiteral("fail.sh"), QStringLiteral("echo 'printer on fire' >&2\nexit 3\n")));
    kvr::printing::TFrDocPrintForm& form = [&]() -> kvr::printing::TFrDocPrintForm& {
        whenModalOpens([&](QWidget*) { kvr::test::pressKey(Qt::Key_Escape); });
        runner->printDocument(kBill, 2026, QStringLiteral("POS-P"));
        return *runner->form();
    }();
    try {
        form.BtPrintClick();
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("printer on fire"))) << error.what();
    }
    EXPECT_FALSE(form.printed());
    EXPECT_EQ(usageLogs(5), 0);
}

KVR_INSTANTIATE_BACKENDS(ExternalPrint);

} // namespace
