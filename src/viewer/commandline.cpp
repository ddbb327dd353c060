#include "viewer/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace viewer {

StartRequest parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the header and the glyphs of a Windows XP boot font file "
                       "(BOOTFONT.BIN)."));
    // Our own rather than addHelpOption(), whose --help-all a parse() without process() ignores.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The boot font file to open."),
                                 QStringLiteral("[file]"));

    StartRequest request;
    const QString program = QCoreApplication::applicationName();
    QString error;
    if (!parser.parse(arguments)) {
        error = parser.errorText();
    } else if (parser.isSet(help)) {
        request.exitStatus = 0;
        request.text = parser.helpText();
        return request;
    } else if (parser.isSet(version)) {
        request.exitStatus = 0;
        request.text =
            program + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return request;
    } else if (parser.positionalArguments().size() > 1) {
        error = QStringLiteral("one file at most, not %1").arg(parser.positionalArguments().size());
    } else {
        if (!parser.positionalArguments().isEmpty()) {
            request.fontFile = parser.positionalArguments().front();
        }
        return request;
    }
    request.exitStatus = 2;
    request.text = program + QStringLiteral(": ") + error + QLatin1Char('\n') +
                   parser.helpText().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n');
    return request;
}

}  // namespace viewer
