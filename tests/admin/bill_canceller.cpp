// One user cancelling a bill through the cancellation screen: loads the bill of the number, presses
// Delete and answers Yes; in the reason box it prints "ready" and waits for a line on standard input
// before giving its reason, so that a test can let several users send their cancel at the same
// moment. Prints "cancelled", or "refused" with the message the user was shown.
//   bill_canceller WORKDIR COMPANY NUMBER REASON
#include "admin/TFrCancelPos.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/SearchRunner.h"
#include "ui/base/Prompter.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

class CancellingUser : public kvr::ui::Prompter
{
public:
    explicit CancellingUser(QString reason)
        : m_reason(std::move(reason))
    { }
    void information(const QString& text) override { fail(text); }
    void warning(const QString& text) override { refused = text; }
    void error(const QString& text) override { fail(text); }
    bool confirm(const QString&, kvr::ui::ConfirmColour) override { return true; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override
    {
        std::printf("ready\n");
        std::fflush(stdout);
        std::string go;
        std::getline(std::cin, go);
        return m_reason;
    }
    kvr::ui::ErrorDialogAnswer showErrorDialog(const QString& text) override
    {
        return fail(text), kvr::ui::ErrorDialogAnswer::DontSend;
    }

    QString refused;

private:
    static void fail(const QString& text)
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(3);
    }
    QString m_reason;
};

class NoSearch : public kvr::search::SearchRunner
{
public:
    bool run(kvr::search::SearchScreen&) override { return false; }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 5) {
        std::fprintf(stderr, "usage: bill_canceller WORKDIR COMPANY NUMBER REASON\n");
        return 2;
    }
    try {
        kvr::data::TDMConfig config(a[1]);
        config.CheckRight(101, 1);
        config.GetCompanyConfig(a[2]);
        kvr::data::TDM dm(config, a[1]);
        dm.setCompanyCode(a[2]);
        CancellingUser user(a[4]);
        NoSearch search;
        kvr::admin::TFrCancelPos screen(user, dm, search);
        screen.FormShow();
        screen.setNumberText(a[3]);
        screen.PosNoExit();
        if (!screen.bill()) {
            std::fprintf(stderr, "bill %s not loaded: %s\n", qPrintable(a[3]), qPrintable(screen.notice()));
            return 4;
        }
        screen.AcDel().execute();
        if (!user.refused.isEmpty())
            std::printf("refused %s\n", qPrintable(user.refused.simplified()));
        else if (screen.numberText().isEmpty())
            std::printf("cancelled\n");
        else
            return 5;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
