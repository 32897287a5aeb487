#include "widgets/web_address.h"

#include <QDesktopServices>
#include <QUrl>

namespace dtu {

bool IsWebAddress(const QUrl& url) {
    if (!url.isValid()) {
        return false;
    }
    const QString scheme = url.scheme();
    if (scheme == "http" || scheme == "https") {
        return !url.host().isEmpty();
    }
    return scheme == "mailto" && !url.path().isEmpty();
}

void OpenWebAddress(const QString& address) {
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (IsWebAddress(url)) {
        QDesktopServices::openUrl(url);
    }
}

}  // namespace dtu
