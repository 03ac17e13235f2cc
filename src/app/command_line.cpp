#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

#include "app/exit_codes.h"

namespace {

const QString kEmulatedOption = QStringLiteral("emulated");
const QString kTraceOption = QStringLiteral("trace");
const QString kRendererOption = QStringLiteral("renderer");

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Sets up the Q4 gaming mouse: buttons, macros, DPI stages, report rate, lighting,\n"
        "scroll direction, the desktop's pointer settings and ten profiles."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {kEmulatedOption, QStringLiteral("Talk to the built-in emulated Q4 mouse instead of USB "
                                         "(as Q4CONFIG_DEVICE=emulated).")});
    parser.addOption({kTraceOption,
                      QStringLiteral("Append every report the emulated mouse receives or sends "
                                     "to <file> (as Q4CONFIG_EMULATOR_TRACE=<file>)."),
                      QStringLiteral("file")});
    parser.addOption(
        {kRendererOption,
         QStringLiteral("How the window is drawn: software (Qt Quick's software renderer), "
                        "opengl, or auto, which draws in software where no GPU would draw "
                        "(as Q4CONFIG_RENDERER=<name>)."),
         QStringLiteral("name")});
}

QString refusal(const QCommandLineParser& parser) {
    return QStringLiteral("%1: %2\nTry '%1 --help'.")
        .arg(QCoreApplication::applicationName(), parser.errorText());
}

}  // namespace

void describeApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("q4config"));
    QCoreApplication::setApplicationVersion(QStringLiteral(Q4CONFIG_VERSION));
    // The desktop entry's name: Wayland compositors match the window to it
    // (and so find its icon) through this.
    QGuiApplication::setDesktopFileName(QStringLiteral(Q4CONFIG_APP_ID));
}

CommandLine::CommandLine(const QStringList& arguments, const QProcessEnvironment& environment)
    : devices(DeviceChoice::fromEnvironment(environment)),
      renderer(RendererRequest::fromEnvironment(environment)) {
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments)) {
        errorMessage = refusal(parser);
        return;
    }
    if (!parser.positionalArguments().isEmpty()) {
        errorMessage = QStringLiteral("%1: unexpected argument '%2'\nTry '%1 --help'.")
                           .arg(QCoreApplication::applicationName(),
                                parser.positionalArguments().constFirst());
        return;
    }
    if (parser.isSet(kEmulatedOption)) devices.isEmulated = true;
    if (parser.isSet(kTraceOption)) devices.tracePath = parser.value(kTraceOption);
    if (parser.isSet(kRendererOption)) {
        const QString name = parser.value(kRendererOption);
        if (!RendererRequest::isKnown(name)) {
            errorMessage = QStringLiteral(
                               "%1: --renderer is software, opengl or auto, not "
                               "'%2'\nTry '%1 --help'.")
                               .arg(QCoreApplication::applicationName(), name);
            return;
        }
        renderer = {name, QStringLiteral("--renderer")};
    }
}

int CommandLine::refuse() const {
    std::fprintf(stderr, "%s\n", qPrintable(errorMessage));
    return kExitBadArguments;
}

bool CommandLine::asksForHelpOrVersion(int argc, char* argv[]) {
    static const QStringList kAnswered = {"-h", "--help", "-?", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i)
        if (kAnswered.contains(QString::fromLocal8Bit(argv[i]))) return true;
    return false;
}

int CommandLine::answerHelpOrVersion(int argc, char* argv[]) {
    // No window system is needed to print a text.
    QCoreApplication application(argc, argv);
    describeApplication();
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(application.arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(refusal(parser)));
        return kExitBadArguments;
    }
    // --help-all adds Qt's own options; the parser prints it and exits.
    if (parser.isSet(QStringLiteral("help-all"))) parser.process(application);
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
    } else {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
    }
    return kExitSuccess;
}
