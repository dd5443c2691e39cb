#include "i18n/LanguageSwitch.h"

#include "appliance/Appliance.h"
#include "i18n/UiLanguage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>

LanguageSwitch::LanguageSwitch() = default;

LanguageSwitch::~LanguageSwitch()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

QString LanguageSwitch::currentOrEnglish() const { return m_current.isEmpty() ? QStringLiteral("eng") : m_current; }

QString LanguageSwitch::folder() { return Appliance::path(QStringLiteral("/opt/ivo/lang")); }

LanguageSwitch::Outcome LanguageSwitch::retranslate(const QString& code)
{
    if (!UiLanguage::isSupported(code)) {
        if (!code.isEmpty() && !m_current.isEmpty())
            return Outcome::Ignored;
        m_current = QStringLiteral("eng");
        return Outcome::English;
    }
    if (code == m_current)
        return Outcome::Unchanged;

    m_current = code;
    UiLanguage::store(code);
    const QByteArray locale = UiLanguage::localeOf(code).toLatin1();
    qputenv("LC_ALL", locale);
    qputenv("LANG", locale);

    const bool loaded = m_translator.load(code, folder());
    if (!loaded) {
        qWarning().noquote() << QStringLiteral("[%1][%2][%3][err] m_translatorPtr->load() ... fail")
                                    .arg(QStringLiteral("settingsdialog"), QLatin1String(Q_FUNC_INFO))
                                    .arg(__LINE__);
    }
    installOrDrop_(loaded);
    return loaded ? Outcome::Switched : Outcome::NoTranslation;
}

void LanguageSwitch::installOrDrop_(bool loaded)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    if (loaded && m_installed) {
        // New contents in the installed translator: one notice, as an
        // installation would give.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(app, &change);
    } else if (loaded) {
        m_installed = QCoreApplication::installTranslator(&m_translator);
    } else if (m_installed) {
        // A failed load leaves the translator empty: taking it out tells the
        // widgets to show their source texts again.
        QCoreApplication::removeTranslator(&m_translator);
        m_installed = false;
    }
}
