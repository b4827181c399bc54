// quorvis-exact's command line, argument by argument (the input split at NUL bytes), through what the program
// does with it: a refusal is one line; a reading or a place list has an exit status of 0 (with output), 1 or
// 2 (with one line for stderr), and --json output is one JSON object.
#include "FuzzSupport.h"
#include "Report.h"
#include "Request.h"

#include <QCoreApplication>
#include <QJsonDocument>

using namespace quorvis;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvis-exact"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QStringList arguments{QStringLiteral("quorvis-exact")};
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!bytes.isEmpty())
        for (const QByteArray &argument : bytes.split('\0'))
            arguments << QString::fromUtf8(argument);

    const cli::ParsedRequest parsed = cli::ParseRequest(arguments);
    if (!parsed.error.isEmpty()) {
        FUZZ_CHECK(fuzz::OneLine(parsed.error));
        return 0;
    }
    const cli::Request &request = parsed.request;
    cli::Report report;
    switch (request.action) {
    case cli::Request::Action::Help:
        FUZZ_CHECK(!request.helpText.isEmpty());
        return 0;
    case cli::Request::Action::SearchPlaces:
        report = cli::MakePlacesReport(request);
        break;
    case cli::Request::Action::Reading:
        report = cli::MakeReadingReport(request);
        break;
    }
    FUZZ_CHECK(report.exitStatus >= 0 && report.exitStatus <= 2);
    if (report.exitStatus != 0)
        FUZZ_CHECK(fuzz::OneLine(report.error));
    else
        FUZZ_CHECK(!report.out.isEmpty());
    if (report.exitStatus == 0 && request.json) {
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(report.out.toUtf8(), &error);
        FUZZ_CHECK(error.error == QJsonParseError::NoError && json.isObject());
    }
    return 0;
}
