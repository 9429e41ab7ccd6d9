#pragma once

#include "fault.h"

#include <string>
#include <vector>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

// What a route answers before any fault is put on it.
struct Reply {
    int status = 200;
    std::string contentType;
    std::string body;
    bool isText = false;                // JSON or HTML, which InvalidUtf8 corrupts
    std::vector<std::string> cookies{}; // one Set-Cookie header each
};

// Writes reply into res with fault applied to it, honouring the request's byte ranges. SlowAnswer and the
// content faults (MissingFields, NoLyricMatch) are the caller's: they happen before the reply exists.
void sendReply(const httplib::Request &req, httplib::Response &res, Reply reply, Fault fault);
