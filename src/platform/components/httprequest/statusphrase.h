#pragma once

#include <QByteArray>

// The standard reason phrase of an HTTP status code ("Not Found" for 404), for answers whose status line
// has none, as every HTTP/2 answer; empty for a code without one.
QByteArray standardReasonPhrase(int status);
