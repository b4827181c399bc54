// quorvis-exact: the exact reading for scripts and tests. It speaks the language the window speaks in the same
// environment (the words), and writes numbers as the region does; with --json everything stays English with a
// decimal point, so that scripts read the same everywhere.
// One JSON object or a few lines of text on stdout; input it cannot use gets one line on stderr and exit
// status 2; a reading it cannot make because of the installed zone data or a failure of its own, status 1.
// Output that cannot be written whole (a full disk, a reader that went away) is such a failure too: one line
// on stderr and status 1, never a cut-off answer with status 0.
#include "Language.h"
#include "Process.h"
#include "Report.h"
#include "Request.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {

// Empty when the text was written whole; else why not.
QString Write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return QString::fromStdString(
        quorvis::platform::WriteText(stream, std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

} // namespace

int main(int argc, char **argv)
{
    quorvis::platform::PrepareProcess();
#ifdef SIGPIPE
    // A reader that went away is a failed write, told as one (the default would end the program unseen).
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvis-exact"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVIS_VERSION));
    if (!QCoreApplication::arguments().contains(QLatin1String("--json")))
        Language::Use(Language::OfSystem());

    const quorvis::cli::ParsedRequest parsed = quorvis::cli::ParseRequest(QCoreApplication::arguments());
    if (!parsed.error.isEmpty()) {
        Write(stderr, QStringLiteral("quorvis-exact: %1\n").arg(parsed.error));
        return 2;
    }
    const quorvis::cli::Request &request = parsed.request;
    if (!request.notice.isEmpty())
        Write(stderr, QStringLiteral("quorvis-exact: %1\n").arg(request.notice));
    quorvis::cli::Report report;
    switch (request.action) {
    case quorvis::cli::Request::Action::Help:
        report.out = request.helpText;
        break;
    case quorvis::cli::Request::Action::SearchPlaces:
        report = quorvis::cli::MakePlacesReport(request);
        break;
    case quorvis::cli::Request::Action::Reading:
        report = quorvis::cli::MakeReadingReport(request);
        break;
    }
    if (const QString failed = Write(stdout, report.out); !failed.isEmpty()) {
        Write(stderr, QStringLiteral("quorvis-exact: %1\n")
                          .arg(QCoreApplication::translate("ExactCommandLine", "cannot write the reading: %1")
                                   .arg(failed)));
        return 1;
    }
    if (report.exitStatus != 0)
        Write(stderr, QStringLiteral("quorvis-exact: %1\n").arg(report.error));
    return report.exitStatus;
}
