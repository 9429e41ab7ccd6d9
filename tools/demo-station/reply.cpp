#include "reply.h"

#include <httplib.h>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

// Every multi-byte character loses its last byte; ASCII, and so every JSON marker, stays intact.
std::string breakUtf8(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
        out.append(text, i, length > 1 ? length - 1 : 1);
        i += length;
    }
    return out;
}

std::string garbage()
{
    std::string noise(1024, '\0');
    std::uint32_t state = 12345;
    for (char &c : noise) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<char>(state >> 24);
    }
    return noise;
}

// httplib 0.11 neither clamps nor rejects a range past the end of the body: it would read beyond it.
bool rangesFit(const httplib::Ranges &ranges, size_t size)
{
    return std::all_of(ranges.begin(), ranges.end(), [size](const httplib::Range &range) {
        const auto [first, last] = range;
        if (first == -1) // the last `last` bytes
            return size > 0 && last != 0;
        return size_t(first) < size && (last == -1 || size_t(last) < size);
    });
}

void addCookies(httplib::Response &res)
{
    res.set_header("Set-Cookie", "bid=Xk3f9QaLm2E; Expires=Fri, 01 Jan 2038 00:00:00 GMT; Path=/");
    res.set_header("Set-Cookie", "ll=\"108288\"; Path=/");
    res.set_header("Set-Cookie", "ac=deleted; expires=Thu, 01 Jan 1970 00:00:00 GMT; Path=/");
    res.set_header("Set-Cookie", "flag=on");
}

} // namespace

void sendReply(const httplib::Request &req, httplib::Response &res, Reply reply, Fault fault)
{
    for (const std::string &cookie : reply.cookies)
        res.set_header("Set-Cookie", cookie);
    switch (fault) {
    case Fault::EmptyAnswer:
        reply.body.clear();
        break;
    case Fault::ServerError:
        reply = {500, "text/html; charset=utf-8",
                 "<html><body><h1>500 Internal Server Error</h1></body></html>", true};
        break;
    case Fault::LoginPage:
        reply = {403, "text/html; charset=utf-8",
                 "<html><body><form action=\"/login\">请先登录</form></body></html>", true};
        break;
    case Fault::Garbage:
        reply.body = garbage();
        break;
    case Fault::InvalidUtf8:
        if (reply.isText)
            reply.body = breakUtf8(reply.body);
        break;
    case Fault::SetCookies:
        addCookies(res);
        break;
    default:
        break;
    }

    if (!rangesFit(req.ranges, reply.body.size())) {
        res.status = 416;
        res.set_header("Content-Range", "bytes */" + std::to_string(reply.body.size()));
        return;
    }
    // httplib makes an unset status 206 or 200 as the request asked for a range or not.
    if (reply.status != 200)
        res.status = reply.status;
    if (reply.body.empty()) {
        res.set_content("", reply.contentType);
        return;
    }
    // A provider, not set_content: httplib then serves ranges without copying, and never compresses.
    const auto body = std::make_shared<const std::string>(std::move(reply.body));
    const bool cut = fault == Fault::CutMidBody;
    res.set_content_provider(body->size(), reply.contentType,
                             [body, cut](size_t offset, size_t length, httplib::DataSink &sink) {
                                 // Only bodies sent from their first byte are cut, so that a client
                                 // resuming with a range gets the rest.
                                 if (cut && offset == 0) {
                                     sink.write(body->data(), length / 2);
                                     return false;
                                 }
                                 sink.write(body->data() + offset, length);
                                 return true;
                             });
}
