#include "settings/InterfaceFont.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace InterfaceFont {

namespace {

const QLatin1String kJapanese("jpn");

// What Japanese replaced: the application's font and each widget's families,
// the widget watched so that a new one at a freed address is not taken for it.
struct Kept_s {
    QPointer<QWidget> widget;
    QStringList families;
};
std::optional<QFont> g_appFont;
QHash<const QWidget*, Kept_s> g_kept;

void enter(const QString& family)
{
    g_appFont = QApplication::font();
    g_kept.clear();
    for (QWidget* w : QApplication::allWidgets())
        g_kept.insert(w, {w, w->font().families()});

    QFont font = QApplication::font();
    font.setFamily(family);
    QApplication::setFont(font);
    for (QWidget* w : QApplication::allWidgets()) {
        QFont own = w->font();
        own.setFamily(family);
        w->setFont(own);
    }
}

void leave()
{
    if (!g_appFont)
        return;
    QApplication::setFont(*g_appFont);
    for (QWidget* w : QApplication::allWidgets()) {
        QFont own = w->font();
        const Kept_s kept = g_kept.value(w);
        if (kept.widget == w) {
            own.setFamilies(kept.families);
        } else {
            // Made while Japanese was on: its family comes from its parent
            // again, as it would have without the visit.
            own.setResolveMask(own.resolveMask() & ~(QFont::FamilyResolved | QFont::FamiliesResolved));
        }
        w->setFont(own);
    }
    g_appFont.reset();
    g_kept.clear();
}

} // namespace

void follow(const QString& from, const QString& to)
{
    if (from == kJapanese && to != kJapanese)
        leave();
    if (to == kJapanese && from != kJapanese)
        enter(QStringLiteral("Noto Sans JP"));
}

} // namespace InterfaceFont
