#pragma once

#include <QObject>
#include <QString>

// What went wrong in the last operation of a script control; all zero and empty when it succeeded.
// Reached through the control's Error property, which hands out this same object every time.
class ScriptError : public QObject {
    Q_OBJECT
    Q_PROPERTY(int number READ number)
    Q_PROPERTY(QString description READ description)
    Q_PROPERTY(QString source READ source)
    Q_PROPERTY(int line READ line)
    Q_PROPERTY(int column READ column)
    Q_PROPERTY(QString text READ text)
    Q_PROPERTY(QString helpFile READ helpFile)
    Q_PROPERTY(int helpContext READ helpContext)

public:
    // The numbers a caller can test for. Script errors use the numbers JScript gave them; the control's
    // own refusals have numbers of their own.
    enum Number {
        NoError = 0,
        SyntaxError = 1002,
        UndefinedProcedure = 5009,
        UncaughtException = 5022,
        TimedOut = 9001,
        LanguageNotSet = 9002,
        UnsupportedLanguage = 9003,
        InvalidArgument = 9004,
        NameInUse = 9005,
        Busy = 9006,
    };

    // Where an error came from, as the source text says it.
    static constexpr char kCompilationSource[] = "JavaScript compilation error";
    static constexpr char kRuntimeSource[] = "JavaScript runtime error";
    static constexpr char kControlSource[] = "ScriptControl";

    struct Details {
        int number = NoError;
        QString description;
        QString source;
        // From 1; 0 when unknown.
        int line = 0;
        int column = 0;
        // The line of code the error is in, when the control was given that code in the same operation.
        QString text;
    };

    explicit ScriptError(QObject *parent = nullptr);

    void record(Details details) { m_details = std::move(details); }
    Q_INVOKABLE void clear() { m_details = {}; }

    int number() const { return m_details.number; }
    QString description() const { return m_details.description; }
    QString source() const { return m_details.source; }
    int line() const { return m_details.line; }
    int column() const { return m_details.column; }
    QString text() const { return m_details.text; }
    // No help exists for these errors.
    QString helpFile() const { return {}; }
    int helpContext() const { return 0; }

private:
    Details m_details;
};
