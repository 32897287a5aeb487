#pragma once

class QString;
class QUrl;

namespace dtu {

// True for the addresses the tool hands to the desktop's opener: http and
// https pages with a host, and mailto addresses.
bool IsWebAddress(const QUrl& url);

// Opens `address` in the user's browser or mail program when it is such an
// address. Anything else, say a file: address put into an edited language
// file, is not opened; nor is a failure to open reported.
void OpenWebAddress(const QString& address);

}  // namespace dtu
