#include "app/TLSetup.h"
#include "look/kit/FontWarmup.h"
#include "runmodes/TLRunModes.h"
#include "runmodes/TLSelfTest.h"

#include <QApplication>
#include <QTextStream>

#include <clocale>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (const std::optional<int> code = TLSelfTest::handleChild(arguments))
        return *code;
    TLSetup::prepareEnvironment(arguments);
    // Qt would abort with its own message; say how to run without a display.
    if (const QString missing = TLSetup::missingDisplaySentence(); !missing.isEmpty()) {
        QTextStream(stderr) << missing << '\n';
        return 1;
    }

    FontWarmup fonts;
    QApplication app(argc, argv);
    fonts.wait();
    QApplication::setApplicationName(QStringLiteral(TL_APP_SHORT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TL_APP_VERSION));
    QApplication::setOrganizationName(QStringLiteral(TL_MAKER_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral(TL_APP_ID));
    // Numbers are never written or read in the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    QTextStream out(stdout);
    if (const std::optional<int> code = TLRunModes::dispatch(arguments, out))
        return *code;
    return TLSetup::runApplication();
}
