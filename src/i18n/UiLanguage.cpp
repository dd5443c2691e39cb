#include "i18n/UiLanguage.h"

#include "appliance/UserSettings.h"

#include <QSettings>

#include <algorithm>

namespace UiLanguage {

namespace {

const char* const kKey = "Preference/Language";

} // namespace

const QList<Language_s>& table()
{
    static const QList<Language_s> languages {
        {QStringLiteral("chs"), QStringLiteral("简体中文")},
        {QStringLiteral("cht"), QStringLiteral("繁體中文")},
        {QStringLiteral("cze"), QStringLiteral("Czech")},
        {QStringLiteral("dan"), QStringLiteral("Dansk")},
        {QStringLiteral("dut"), QStringLiteral("Nederlands")},
        {QStringLiteral("eng"), QStringLiteral("English")},
        {QStringLiteral("fin"), QStringLiteral("Suomi")},
        {QStringLiteral("fre"), QStringLiteral("Français")},
        {QStringLiteral("ger"), QStringLiteral("Deutsch")},
        {QStringLiteral("grk"), QStringLiteral("Ελληνικά")},
        {QStringLiteral("hun"), QStringLiteral("Magyar")},
        {QStringLiteral("ita"), QStringLiteral("Italiano")},
        {QStringLiteral("jpn"), QStringLiteral("日本語")},
        {QStringLiteral("kor"), QStringLiteral("한글")},
        {QStringLiteral("nor"), QStringLiteral("Norsk")},
        {QStringLiteral("pol"), QStringLiteral("Polski")},
        {QStringLiteral("por"), QStringLiteral("Português")},
        {QStringLiteral("rom"), QStringLiteral("Român")},
        {QStringLiteral("rus"), QStringLiteral("Русский")},
        {QStringLiteral("spa"), QStringLiteral("Español")},
        {QStringLiteral("swe"), QStringLiteral("Svenska")},
        {QStringLiteral("tha"), QStringLiteral("ไทย")},
        {QStringLiteral("tur"), QStringLiteral("Turk dili")},
    };
    return languages;
}

QStringList supported()
{
    QStringList codes;
    for (const Language_s& l : table())
        codes << l.code;
    return codes;
}

bool isSupported(const QString& code)
{
    const QList<Language_s>& t = table();
    return std::any_of(t.cbegin(), t.cend(), [&](const Language_s& l) { return l.code == code; });
}

QString nameOf(const QString& code)
{
    for (const Language_s& l : table()) {
        if (l.code == code)
            return l.name;
    }
    return {};
}

QString codeOf(const QString& name)
{
    for (const Language_s& l : table()) {
        if (l.name == name)
            return l.code;
    }
    return {};
}

QString localeOf(const QString& code)
{
    // "fra" is not offered but older settings may still carry it.
    static const QList<QPair<QString, QString>> locales {
        {QStringLiteral("chs"), QStringLiteral("zh_CN.UTF-8")},
        {QStringLiteral("cht"), QStringLiteral("zh_TW.UTF-8")},
        {QStringLiteral("cze"), QStringLiteral("cs_CZ.UTF-8")},
        {QStringLiteral("dan"), QStringLiteral("da_DK.UTF-8")},
        {QStringLiteral("dut"), QStringLiteral("nl_NL.UTF-8")},
        {QStringLiteral("fra"), QStringLiteral("fr_FR.UTF-8")},
        {QStringLiteral("fre"), QStringLiteral("fr_FR.UTF-8")},
        {QStringLiteral("fin"), QStringLiteral("fi_FI.UTF-8")},
        {QStringLiteral("ger"), QStringLiteral("de_DE.UTF-8")},
        {QStringLiteral("grk"), QStringLiteral("el_GR.UTF-8")},
        {QStringLiteral("hun"), QStringLiteral("hu_HU.UTF-8")},
        {QStringLiteral("tha"), QStringLiteral("th_TH.UTF-8")},
        {QStringLiteral("ita"), QStringLiteral("it_IT.UTF-8")},
        {QStringLiteral("jpn"), QStringLiteral("ja_JP.UTF-8")},
        {QStringLiteral("kor"), QStringLiteral("ko_KR.UTF-8")},
        {QStringLiteral("nor"), QStringLiteral("nb_NO.UTF-8")},
        {QStringLiteral("pol"), QStringLiteral("pl_PL.UTF-8")},
        {QStringLiteral("por"), QStringLiteral("pt_PT.UTF-8")},
        {QStringLiteral("rom"), QStringLiteral("ro_RO.UTF-8")},
        {QStringLiteral("rus"), QStringLiteral("ru_RU.UTF-8")},
        {QStringLiteral("spa"), QStringLiteral("es_ES.UTF-8")},
        {QStringLiteral("swe"), QStringLiteral("sv_SE.UTF-8")},
        {QStringLiteral("tur"), QStringLiteral("tr_TR.UTF-8")},
    };
    for (const auto& [c, locale] : locales) {
        if (c == code)
            return locale;
    }
    return QStringLiteral("en_US.UTF-8");
}

QString stored() { return UserSettings::open()->value(QLatin1String(kKey)).toString().trimmed(); }

QString current()
{
    const QString code = stored();
    return code.isEmpty() ? QStringLiteral("eng") : code;
}

void store(const QString& code)
{
    const std::unique_ptr<QSettings> settings = UserSettings::open();
    settings->setValue(QLatin1String(kKey), code);
    settings->sync();
}

} // namespace UiLanguage
