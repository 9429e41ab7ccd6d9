#pragma once

#include "platform/components/regexp/compiledpattern.h"

#include <QObject>
#include <QString>

#include <optional>

// The regular expression object created by ProgID "VBScript.RegExp", on PCRE2 with JavaScript's pattern
// syntax (see CompiledPattern). Set pattern, ignoreCase, global and multiline, then Test, Execute or
// Replace a text.
//
// A pattern that does not compile matches nothing: Test gives false, Execute null, Replace the text
// unchanged. The pattern is compiled on first use after a change and kept.
class RegExpComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString pattern READ pattern WRITE setPattern)
    Q_PROPERTY(bool ignoreCase READ ignoreCase WRITE setIgnoreCase)
    Q_PROPERTY(bool global READ isGlobal WRITE setGlobal)
    Q_PROPERTY(bool multiline READ isMultiline WRITE setMultiline)

public:
    explicit RegExpComponent(QObject *parent = nullptr);

    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    bool ignoreCase() const { return m_ignoreCase; }
    void setIgnoreCase(bool ignoreCase);
    bool isGlobal() const { return m_global; }
    void setGlobal(bool global) { m_global = global; }
    bool isMultiline() const { return m_multiline; }
    void setMultiline(bool multiline);

    // Whether the pattern matches somewhere in the text.
    Q_INVOKABLE bool test(const QString &text);
    // A new collection (a MatchCollection, owned by the caller) of every match, or without global of the
    // first; null when the pattern does not compile.
    Q_INVOKABLE QObject *execute(const QString &text);
    // The text with every match (without global: the first) replaced, see replacementText for the "$"
    // forms.
    Q_INVOKABLE QString replace(const QString &text, const QString &replacement);

private:
    const CompiledPattern *compiled();
    void forgetCompiled() { m_compiledIsCurrent = false; }

    QString m_pattern;
    bool m_ignoreCase = false;
    bool m_global = false;
    bool m_multiline = false;
    // Nothing when the pattern does not compile; stale until first use after a change.
    std::optional<CompiledPattern> m_compiled;
    bool m_compiledIsCurrent = false;
};

// Makes "VBScript.RegExp" creatable through the component registry.
void registerRegExpComponent();
