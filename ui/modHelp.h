// One opener per web page. Each hands one fixed address to the default browser and returns at once;
// a page that cannot be opened is stepped over silently.
#pragma once

class QString;

namespace modHelp {

void OpenHomePage();
void OpenSoftwaresPage();
void OpenHelpPage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullyBrandedPage();
void OpenCoBrandPage();

// Hands an already built address to the default browser (also used by the referral request).
void OpenAddress(const QString &encodedAddress);

} // namespace modHelp
