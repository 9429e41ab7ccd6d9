#include "radio/servicehosts.h"

#include "platform/toolkit/curlsupport.h"

#include <QUrl>

namespace {

QByteArray rootFromEnvironment(const char *variable, const char *fallback)
{
    QByteArray root = qgetenv(variable);
    if (root.isEmpty())
        root = fallback;
    while (root.endsWith('/'))
        root.chop(1);
    return root;
}

} // namespace

QByteArray apiRoot()
{
    return rootFromEnvironment("QUORIN_API_ROOT", "https://douban.fm");
}

QByteArray albumSite()
{
    return rootFromEnvironment("QUORIN_ALBUM_SITE", "https://music.douban.com");
}

QByteArray albumPageUrl(const QByteArray &songAlbum)
{
    const QByteArray joined = albumSite() + songAlbum;
    const QUrl site = QUrl::fromEncoded(albumSite(), QUrl::StrictMode);
    const QUrl page = QUrl::fromEncoded(joined, QUrl::StrictMode);
    const bool sameHost = page.isValid() && page.userInfo().isEmpty()
                          && page.host().compare(site.host(), Qt::CaseInsensitive) == 0
                          && page.port() == site.port() && page.scheme() == site.scheme();
    return sameHost && CurlSupport::isHttpUrl(joined) ? joined : QByteArray();
}
