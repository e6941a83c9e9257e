// kvrpos-receipt-preview: shows a receipt byte stream (as sent to the receipt printer) as the
// paper would look, in a text file and a picture.

#include "printing/ReceiptPreview.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

using namespace kvr::printing;

namespace {

int Fail(const QString& message, int code)
{
    std::fprintf(stderr, "kvrpos-receipt-preview: %s\n", qUtf8Printable(message));
    return code;
}

} // namespace

int main(int argc, char* argv[])
{
    // Never shows a window: without this it would need a display only to load fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("kvrpos-receipt-preview"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Renders a receipt printer byte stream as a 40-column printer prints it: FILE.txt (UTF-8) and FILE.png."));
    parser.addHelpOption();
    const QCommandLineOption codeOption(QStringLiteral("code"),
                                        QStringLiteral("Thai code of the printer the stream was made for: TIS or KU."),
                                        QStringLiteral("code"), QStringLiteral("TIS"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Output path without extension (default: the input's)."),
                                       QStringLiteral("path"));
    const QCommandLineOption fontOption(QStringLiteral("font"), QStringLiteral("Font family (default: Tlwg Typo)."),
                                        QStringLiteral("family"));
    parser.addOptions({codeOption, outOption, fontOption});
    parser.addPositionalArgument(QStringLiteral("stream"), QStringLiteral("The receipt byte stream file."));
    parser.process(app);

    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() != 1)
        return Fail(QStringLiteral("exactly one stream file is needed (see --help)"), 2);
    const QString code = parser.value(codeOption).trimmed().toUpper();
    if (code != u"TIS" && code != u"KU")
        return Fail(QStringLiteral("--code must be TIS or KU"), 2);

    QFile in(inputs.first());
    if (!in.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1: %2").arg(in.fileName(), in.errorString()), 1);
    const ReceiptPreview preview = ReceiptPreview::decode(in.readAll(), CharCodeFromPrinterCode(code));

    QString out = parser.value(outOption);
    if (out.isEmpty()) {
        const QFileInfo info(in.fileName());
        out = info.dir().filePath(info.completeBaseName());
    }
    QFile text(out + QStringLiteral(".txt"));
    if (!text.open(QIODevice::WriteOnly | QIODevice::Truncate) || text.write(preview.text().toUtf8()) < 0 ||
        !text.flush())
        return Fail(QStringLiteral("cannot write %1: %2").arg(text.fileName(), text.errorString()), 1);
    PreviewStyle style;
    if (parser.isSet(fontOption))
        style.fontFamily = parser.value(fontOption);
    const QString png = out + QStringLiteral(".png");
    if (!preview.image(style).save(png, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(png), 1);
    std::printf("%s\n%s\n", qUtf8Printable(text.fileName()), qUtf8Printable(png));
    return 0;
}
