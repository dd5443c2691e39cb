#pragma once
// A breadth-first walk over the remote's keys from the home screen, and how the focus looks where it goes.
#include "Monkey.h"

#include "settings/DisplayPage.h"
#include "settings/SettingsDialog.h"

#include <QQueue>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>

#include <array>
#include <vector>

// A control as its window shows it (over what is behind it), with margin px of its surroundings.
inline QImage look(QWidget* w, int margin = 0)
{
    const QRect shown(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    return w->window()
        ->grab(shown.adjusted(-margin, -margin, margin, margin))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

inline QRgb px(const QImage& image, int x, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]; }

inline int distance(QRgb p, QRgb q)
{
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

// The middle colour, channel by channel, of a picture's pixels inside the rectangle, or outside it.
inline QRgb middle(const QImage& image, const QRect& inner, bool outside)
{
    std::array<std::vector<int>, 3> v;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb p = px(image, x, y); inner.contains(x, y) != outside)
                v[0].push_back(qRed(p)), v[1].push_back(qGreen(p)), v[2].push_back(qBlue(p));
    for (std::vector<int>& c : v)
        std::nth_element(c.begin(), c.begin() + c.size() / 2, c.end());
    return v[0].empty() ? qRgb(255, 255, 255)
                        : qRgb(v[0][v[0].size() / 2], v[1][v[1].size() / 2], v[2][v[2].size() / 2]);
}

// Whether b differs from a by a band at least width px wide that stands taller than letters px (a frame round a
// control, or a filled area), not by thin lines, single pixels, a trace of a channel or a change of text colour.
inline bool ringChanged(const QImage& a, const QImage& b, int width, int letters)
{
    if (a.size() != b.size())
        return true;
    if (a == b)
        return false;
    const auto differs = [&](int x, int y) { return distance(px(a, x, y), px(b, x, y)) > 24; };
    QRect changed; // only the rows and columns that changed at all are looked at
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (differs(x, y))
                changed |= QRect(x, y, 1, 1);
    const int w = changed.width(), h = changed.height();
    if (h <= letters)
        return false;
    // What is left of the change where a width x width square of it fits, and its tallest 8-connected piece.
    std::vector<uchar> band(size_t(w) * h, 0);
    for (int y = 0; y + width <= h; ++y)
        for (int x = 0; x + width <= w; ++x) {
            bool fits = true;
            for (int k = 0; k < width * width && fits; ++k)
                fits = differs(changed.left() + x + k % width, changed.top() + y + k / width);
            band[size_t(y) * w + x] = fits;
        }
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        int top = h, bottom = -1;
        for (stack.assign(band[start], start), band[start] = 0; !stack.empty();) {
            const int at = stack.back(), x = at % w, y = at / w;
            stack.pop_back();
            top = std::min(top, y), bottom = std::max(bottom, y);
            for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx)
                    if (std::exchange(band[ny * w + nx], uchar(0)))
                        stack.push_back(ny * w + nx);
        }
        if (bottom - top + 1 > letters)
            return true;
    }
    return false;
}

// Every place the keys reach (a window and its focused control, a tile, a menu entry with its row) and the shortest
// way there; whether the invariant holds there, Back leads home, and a viewer across the room sees the focus there
// and only there: its control differs from its unfocused look by a band at least 2 px wide on a 1080-line screen,
// and no other control differs so from its own, or keeps a filled highlight that its focus only rings.
class FocusWalk : public QObject
{
public:
    QMap<QString, QStringList> ways; // every place reached, with the keys that lead there from the home screen
    QStringList unreached, noWayHome, broken, looks; // the faults: targets not reached, and per place what is wrong

    explicit FocusWalk(Monkey& monkey) // in the GUI thread; the walk runs in another
        : m_monkey(monkey)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                m_shown << w;
        qApp->installEventFilter(this);
    }

    void walk()
    {
        const QStringList targets = m_monkey.gui([&] { return targets_(); });
        QQueue<QString> queue;
        const auto reach = [&](const QStringList& way) {
            fromStart_();
            for (const QString& k : way)
                press_(k);
            const QString problem = m_monkey.check(), reached = place_();
            if (!problem.isEmpty())
                broken << reached + ": " + problem;
            else
                m_monkey.gui([&] { return checkLooks_(reached, !ways.contains(reached)); });
            if (ways.contains(reached))
                return;
            ways[reached] = way;
            queue.enqueue(reached);
            if (const QString problem = way.isEmpty() ? QString() : backHome_(); !problem.isEmpty())
                noWayHome << reached + ": " + problem;
        };
        const auto named = [](const QString& place, const QStringList& parts) {
            return std::any_of(parts.begin(), parts.end(), [&](const QString& part) { return place.contains(part); });
        };
        reach({});
        while (!queue.isEmpty()) {
            const QString place = queue.dequeue();
            for (const QString& key : place.contains(" menu:") ? kMenuKeys : kWalkKeys)
                if (key != "OK" || !named(place, kOkAvoided) || named(place, kOkAllowed))
                    reach(ways[place] + QStringList {key});
        }
        fromStart_();
        for (const QString& target : targets) // one ending in '*' is met by any place that starts with the rest
            if (std::none_of(ways.keyBegin(), ways.keyEnd(), [&](const QString& place) {
                    return target.endsWith('*') ? place.startsWith(target.chopped(1)) : place == target;
                }))
                unreached << target;
    }

protected:
    // The order our windows are shown in: after a key the last shown that still shows should be active.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            if (auto* w = static_cast<QWidget*>(watched);
                w->isWindow() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
                m_shown.removeAll(w), m_shown << w;
        return false;
    }

private:
    enum class Shows { Not, Only, Always }; // whether a control looks focused: never, only with it, all the time
    struct Look_s {
        QPointer<QWidget> widget; // the key's address may come again for another widget
        QImage unfocused;
        QList<QImage> fine; // the first pictures of it seen since that did not look focused
    };
    static inline const QStringList kWalkKeys {"Up", "Down", "Left", "Right", "OK", "Back"};
    // In a menu Down goes round every entry, and Up, Left and Right lead nowhere else.
    static inline const QStringList kMenuKeys {"Down", "OK", "Back"};
    // Where OK would start, end or change something rather than move the focus (a tile, a check box, a menu entry, a
    // dialog's buttons); but the settings' tiles and the task-bar box ask first, and some menu entries open a dialog.
    static inline const QStringList kOkAvoided {"#", "/frmlogout", "menu:", "/cbx", "/pbtEnable", "/pbtSetAuto",
        "InfoDialog/", "ListDialog/", "CustomRemoteDialog/"};
    static inline const QStringList kOkAllowed {
        "SettingsDialog/MultiIconViewV#", "/cbxTaskbar", "frmPrefIM menu:Add", "frmPrefIM menu:Remove"};

    // What must be reached: every title-bar button, tile, settings page button and page control (a Display row also
    // when scrolled away) that shows, the choice menus of the rows, and the dialogs the remote slots and menus open.
    static QStringList targets_()
    {
        QStringList targets;
        QWidget* home = QApplication::activeWindow();
        for (const char* frame : {"frmlang", "frmaudio", "frmsetting", "frmtandem", "frmlogout", "frmtips"})
            if (const QWidget* w = home->findChild<QWidget*>(frame); w && w->isVisible())
                targets << home->objectName() + '/' + frame;
        for (int i = 0; i < home->findChild<MultiIconViewV*>()->count(); ++i)
            targets << home->objectName() + "/MultiIconViewV#" + QString::number(i);
        auto* dialog = home->findChild<SettingsDialog*>();
        const auto part = [dialog](const char* name) { return dialog->findChild<QWidget*>(name); };
        const QString prefix = nameOf(dialog) + '/';
        for (QWidget* button : part("grMain")->findChildren<QRadioButton*>())
            if (button->isVisibleTo(dialog))
                targets << prefix + nameOf(button);
        auto* pages = dialog->findChild<QStackedWidget*>("stwgSub");
        QList<QWidget*> displayRows;
        for (const char* name : {"pgAppAll", "pgGeneral", "pgDisplay", "pgPref", "pgAbout"}) {
            pages->setCurrentWidget(part(name)); // each page as its button shows it (which reads the appliance again)
            if (part(name) == part("pgDisplay"))
                displayRows = dialog->displayPage().optionFrames();
            targets << pageControls_(*part(name), displayRows);
        }
        MultiIconViewV* grid = dialog->iconView();
        for (int i = 0; i < grid->count(); ++i) {
            grid->setSelect(i);
            dialog->currentChanged(SettingsDialog::PageAppOne);
            targets << pageControls_(*part("pgAppOne"), {});
        }
        grid->setSelect(-1);
        // Overscan offers its menu with one output only.
        const bool oneOutput = dialog->displayPage().screens().size() == 1;
        for (QWidget* row : displayRows)
            if (row->focusPolicy() != Qt::NoFocus && (row != part("frmDispOvscan") || oneOutput))
                targets << prefix + nameOf(row) + " menu:*";
        for (const char* row : {"frmPrefLang", "frmPrefIM", "frmPrefIr"})
            if (part(row)->isVisibleTo(part("pgPref")))
                targets << prefix + row + " menu:*";
        if (part("frmCR_1")->isVisibleTo(part("pgPref")))
            targets << QStringLiteral("CustomRemoteDialog/*");
        targets << QStringLiteral("ListDialog/*");
        // As the dialog is closed: its first page button checked, and that button's page shown.
        const bool admin = part("rbtApp")->isVisibleTo(dialog);
        static_cast<QRadioButton*>(part(admin ? "rbtApp" : "rbtGeneral"))->setChecked(true);
        pages->setCurrentWidget(part(admin ? "pgAppAll" : "pgGeneral"));
        targets.removeDuplicates();
        return targets;
    }
    // The widgets of a settings page that take the focus from the keys; a grid stands for its tiles.
    static QStringList pageControls_(const QWidget& page, const QList<QWidget*>& scrolledRows)
    {
        QStringList controls;
        const QString window = nameOf(page.window()) + '/';
        for (QWidget* w : page.findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled()
                || !(w->isVisibleTo(&page) || scrolledRows.contains(w)))
                continue;
            auto* grid = qobject_cast<MultiIconViewV*>(w);
            for (int i = 0; i < (grid ? grid->count() : 1); ++i)
                controls << window + nameOf(w) + (grid ? '#' + QString::number(i) : QString());
        }
        return controls;
    }

    QString place_()
    {
        return m_monkey.gui([&] { return m_monkey.focusHere(); });
    }
    // A key, and up to 3 s for the windows to come and go after it.
    void press_(const QString& key)
    {
        m_monkey.perform(key);
        m_monkey.waitUntil(
            [this] {
                m_shown.removeIf([](const QPointer<QWidget>& w) { return !w; });
                for (auto it = m_shown.crbegin(); it != m_shown.crend() && !QApplication::activePopupWidget(); ++it)
                    if ((*it)->isVisible())
                        return QApplication::activeWindow() == *it;
                return true;
            },
            3000);
    }
    // Back until the home screen, at most 6 times: empty, or why it did not get there.
    QString backHome_()
    {
        for (int i = 0; i <= 6; ++i) {
            if (m_monkey.gui([&] { return m_monkey.atHome(); }))
                return {};
            if (i == 6)
                break;
            press_(QStringLiteral("Back"));
            if (const QString problem = m_monkey.check(); !problem.isEmpty())
                return problem;
        }
        return QStringLiteral("still not home after 6 Back");
    }
    // Closes what is open, the last shown first as Back would; both grids on their first tiles.
    void fromStart_()
    {
        m_monkey.gui([this] {
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            for (qsizetype i = m_shown.size() - 1; i >= 0; --i)
                if (QWidget* w = m_shown.at(i); w && !qobject_cast<MainMWindow*>(w) && w->isVisible())
                    w->close();
            Monkey::closeAll();
            return true;
        });
        m_monkey.waitUntil([&] { return m_monkey.atHome(); }, 5000);
        m_monkey.gui([this] {
            MainMWindow* home = m_monkey.window();
            home->activateWindow();
            home->findChild<SettingsDialog*>()->iconView()->setSelect(0);
            for (MultiIconViewV* grid : home->findChildren<MultiIconViewV*>())
                if (grid->window() == home)
                    grid->setSelect(0), grid->setFocus();
            return true;
        });
        m_monkey.check();
    }

    // The focus's own look where the place is new, and nothing else looking focused; each fault once.
    bool checkLooks_(const QString& place, bool newPlace)
    {
        QWidget* active = QApplication::activeWindow();
        if (!active)
            return true;
        m_width = std::max(2, qRound(2.0 * active->screen()->geometry().height() / 1080));
        QWidget* focus = QApplication::focusWidget();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu && newPlace && menu->activeAction()) { // an entry, against none highlighted
            QAction* entry = menu->activeAction();
            const QImage on = look(menu);
            menu->setActiveAction(nullptr);
            const QImage off = look(menu);
            menu->setActiveAction(entry);
            if (!ringChanged(on, off, m_width, menu->fontMetrics().ascent()))
                note_(place, place + ": the entry does not look highlighted");
        } else if (focus && newPlace && !menu) {
            const Shows shows = measure_(focus, nullptr);
            if (shows == Shows::Not)
                note_(place, place + ": " + named(focus) + " looks the same with the focus and without");
            if (shows == Shows::Always)
                note_("too " + named(focus), place + ": " + named(focus) + " looks focused without it");
        }
        if (!focus || menu)
            return true; // while a menu is up, the row it belongs to keeps the focus under it
        // The innermost focusable controls, measured when first seen and when new content (an icon) changed them.
        QList<QWidget*> all;
        for (QWidget* w : active->findChildren<QWidget*>())
            if (w->window() == active && w->focusPolicy() != Qt::NoFocus && !w->focusProxy() && w->isEnabled()
                && w->isVisible())
                all << w;
        for (QWidget* control : all) {
            if (control == focus || std::any_of(all.begin(), all.end(), [&](const QWidget* o) {
                    return o != control && control->isAncestorOf(o);
                }))
                continue;
            const QImage now = look(control);
            const auto differs = [&](bool orResized) {
                const QImage& off = m_unfocused.value(control).unfocused;
                return off.size() != now.size() ? orResized
                                                : ringChanged(off, now, m_width, control->fontMetrics().ascent());
            };
            Shows shows = Shows::Only;
            if (!m_unfocused.value(control).widget)
                shows = measure_(control, focus);
            else if (m_unfocused.value(control).fine.contains(now))
                continue;
            if (shows != Shows::Always && differs(true))
                shows = measure_(control, focus);
            if (shows == Shows::Always || differs(false))
                note_("too " + named(control), place + ": " + named(control) + " looks focused too");
            else if (QList<QImage>& fine = m_unfocused[control].fine; fine.size() < 4)
                fine << now;
        }
        return true;
    }
    // The control's look with the focus and with it back on `back` (none for null), after the layout followed.
    Shows measure_(QWidget* control, QWidget* back)
    {
        const int margin = 2 * m_width;
        const QRect inner(margin, margin, control->width(), control->height());
        const auto settled = [&](QWidget* focus) {
            focus ? focus->setFocus(Qt::OtherFocusReason) : control->clearFocus();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            return look(control, margin);
        };
        const QImage on = settled(control), off = settled(back);
        if (!back)
            settled(control);
        m_unfocused.insert(control, {control, off.copy(inner), {}});
        if (!ringChanged(on.copy(inner), off.copy(inner), m_width, control->fontMetrics().ascent()))
            return Shows::Not;
        // A fill that stands out from the surroundings and stays when the focus goes is a focus look never lost.
        const QRgb fillOff = middle(off, inner, false);
        return distance(fillOff, middle(off, inner, true)) > 64 && distance(fillOff, middle(on, inner, false)) < 48
            ? Shows::Always
            : Shows::Only;
    }
    static QString named(const QWidget* w) { return nameOf(w->window()) + '/' + nameOf(w); }
    void note_(const QString& key, const QString& fault)
    {
        if (!std::exchange(m_noted[key], true))
            looks << fault;
    }

    Monkey& m_monkey;
    QList<QPointer<QWidget>> m_shown; // our windows in the order they were shown
    int m_width = 2; // a band's least width on this screen
    QHash<const QWidget*, Look_s> m_unfocused;
    QHash<QString, bool> m_noted;
};
