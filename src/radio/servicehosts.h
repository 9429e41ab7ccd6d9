#pragma once

#include <QByteArray>

// Scheme and host of the radio service's API: $QUORIN_API_ROOT, else "https://douban.fm"; no trailing "/".
QByteArray apiRoot();
// Root address of the music information site: $QUORIN_ALBUM_SITE, else "https://music.douban.com".
QByteArray albumSite();

// albumSite() followed by an album path, or empty when the joined text is not an http(s) address on the
// album site's own host and port: an album field such as "@elsewhere.example/…" must not send the user or
// the program to another host.
QByteArray albumPageUrl(const QByteArray &songAlbum);
