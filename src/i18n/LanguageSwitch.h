#pragma once

#include <QString>
#include <QTranslator>

// Switches the user-interface language: makes a code current, keeps it in the
// user's settings, sets the locale of the process (and so of everything it
// starts), and installs the code's translation in the application, which
// tells every widget to translate its texts again. One object per process;
// its owner shows the outcome (the settings dialog its language row).
class LanguageSwitch
{
public:
    enum class Outcome {
        Ignored, // not a supported code, and a language is current already
        English, // not a supported code and none current yet: "eng" made current
        Unchanged, // the code is current already
        Switched, // current, stored, locale set and its translation installed
        NoTranslation, // as Switched, but the translation did not load
    };

    LanguageSwitch();
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // The current code; empty until the first switch.
    QString current() const { return m_current; }
    // The current code, "eng" when none is current yet.
    QString currentOrEnglish() const;
    Outcome retranslate(const QString& code);

    // Where the translations are: "<folder>/<code>.qm".
    static QString folder();

private:
    void installOrDrop_(bool loaded);

    QTranslator m_translator;
    QString m_current;
    bool m_installed = false;
};
