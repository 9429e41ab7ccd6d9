#pragma once

#include <QByteArray>

// The text after the first `left` marker up to the first `right` marker after it, found by a script
// function run on a new ScriptEngine. Empty when either marker is missing or no script control can be made.
QByteArray scriptTextBetween(const QByteArray &text, const QByteArray &left, const QByteArray &right);
