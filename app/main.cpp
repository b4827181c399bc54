#include "Language.h"
#include "Process.h"
#include "Program.h"
#include "ProgramFacts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    quorvis::platform::PrepareProcess();
    QApplication app(argc, argv);
    qCDebug(lcStartup, "application made");
    QApplication::setApplicationVersion(QLatin1String(ProgramVersion));
    QApplication::setOrganizationName(QLatin1String(OrganisationName));
    QApplication::setDesktopFileName(QLatin1String(ApplicationId));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The first of the person's languages that Quorvis speaks; English loads nothing.
    Language::Use(Language::OfSystem());
    qCDebug(lcStartup, "style and language");

    Program program;
    if (!program.StartProgram())
        return 0;
    return QApplication::exec();
}
