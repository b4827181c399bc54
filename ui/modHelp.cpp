#include "modHelp.h"

#include "SiteAddresses.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace modHelp {

namespace {
void open(const char *base, const char *path) { OpenAddress(QString::fromUtf8(base) + QLatin1String(path)); }
} // namespace

void OpenAddress(const QString &encodedAddress)
{
    const QUrl url = QUrl::fromEncoded(encodedAddress.toUtf8(), QUrl::StrictMode);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

void OpenHomePage() { open(MakerSiteAddress, ""); }
void OpenSoftwaresPage() { open(MakerSiteAddress, "/pellmarksoftwares"); }
void OpenHelpPage() { open(ProductSiteAddress, "/quorvis-help.html"); }
void OpenDownloadPage() { open(ProductSiteAddress, "/download-quorvis.html"); }
void OpenDonatePage() { open(HelpSiteAddress, "/donate.html"); }
void OpenFullyBrandedPage() { open(HelpSiteAddress, "/fully-branded.html"); }
void OpenCoBrandPage() { open(HelpSiteAddress, "/co-brand.html"); }

} // namespace modHelp
