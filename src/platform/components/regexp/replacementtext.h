#pragma once

#include "platform/components/regexp/compiledpattern.h"

#include <QString>

// The text that stands in for one match, from a replacement with JavaScript's "$" forms: "$$" a dollar
// sign, "$&" the match, "$`" the text before it, "$'" the text after it, "$1" to "$99" a group (empty when
// it took no part; a number beyond the pattern's groups stays as written). Any other "$" is itself.
QString replacementText(const QString &replacement, const QString &subject, const PatternMatch &match);
