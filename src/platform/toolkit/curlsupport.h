#pragma once

#include <curl/curl.h>

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

// Owners of libcurl's handles.
struct CurlEasyDeleter {
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct CurlSlistDeleter {
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
using CurlEasyHandle = std::unique_ptr<CURL, CurlEasyDeleter>;
using CurlHeaderList = std::unique_ptr<curl_slist, CurlSlistDeleter>;

namespace CurlSupport {

// True when the address starts with "http://" or "https://" (letters in any case). Nothing else may reach
// curl or the player: a service answer could otherwise make us read local files or speak other protocols.
bool isHttpUrl(QByteArrayView url);

// The most body bytes any answer may bring, so a hostile server cannot fill the memory.
inline constexpr qsizetype kMaxBodyBytes = 16 * 1024 * 1024;

// A new easy handle, or null. Process-wide set-up runs once, on first use.
CurlEasyHandle makeEasyHandle();

// Settings every request of ours shares: http and https only (also behind redirects), redirects followed
// up to a limit, TLS peers and hosts verified, no signals (we are a GUI thread).
void applySafeDefaults(CURL *handle);

// Makes the handle append the body it receives to `body`, which must outlive the transfer, and give the
// transfer up once the body would pass kMaxBodyBytes.
void collectBodyInto(CURL *handle, QByteArray *body);

} // namespace CurlSupport
