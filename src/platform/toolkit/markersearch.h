#pragma once

#include <QByteArrayView>

// The 0-based index of the first `marker` at or after `from` that starts a UTF-8 character (a marker never
// matches from the middle of one), or -1. With `ignoreCase`, ASCII letters match without regard to case;
// other bytes, UTF-8 lead bytes among them, must match exactly.
qsizetype findMarker(QByteArrayView text, QByteArrayView marker, qsizetype from, bool ignoreCase = false);
