#include "FocusLooks.h"

#include "MonkeyDriver.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>

#include <array>
#include <vector>

namespace {

// A control as its window shows it (over what is behind it), with margin px of its surroundings.
QImage look(QWidget* w, int margin = 0)
{
    const QRect shown(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    return w->window()
        ->grab(shown.adjusted(-margin, -margin, margin, margin))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The middle colour, channel by channel, of a picture's pixels inside the rectangle, or outside it.
QRgb middle(const QImage& image, const QRect& inner, bool outside)
{
    std::array<std::array<int, 256>, 3> counts {};
    int n = 0;
    for (int y = 0, w = image.width(); y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (inner.contains(x, y) != outside)
                ++counts[0][qRed(line[x])], ++counts[1][qGreen(line[x])], ++counts[2][qBlue(line[x])], ++n;
    }
    std::array<int, 3> mid {};
    for (int c = 0; c < 3; ++c)
        for (int v = 0, seen = 0; v < 256 && seen <= n / 2; ++v)
            seen += counts[c][mid[c] = v];
    return qRgb(mid[0], mid[1], mid[2]);
}

int distance(QRgb p, QRgb q)
{
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

QString named(const QWidget* w) { return nameOf(w->window()) + '/' + nameOf(w); }

// The controls of a window: widgets that take the focus, show and are enabled, and hold no such widget (a scroll
// area or a page of buttons is none: its picture holds theirs). The arrows reach page buttons that are not checked,
// though Qt keeps them out of the tab chain.
QList<QWidget*> controlsOf(QWidget* window)
{
    QList<QWidget*> all;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && w->focusPolicy() != Qt::NoFocus && !w->focusProxy() && w->isEnabled()
            && w->isVisible())
            all << w;
    QList<QWidget*> controls;
    for (QWidget* w : all)
        if (std::none_of(all.begin(), all.end(), [w](const QWidget* o) { return o != w && w->isAncestorOf(o); }))
            controls << w;
    return controls;
}

// The height of the largest 8-connected piece of a mask (w x h, row by row).
int tallestPiece(std::vector<uchar>& mask, int w, int h)
{
    int tallest = 0;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (!mask[start])
            continue;
        int top = h, bottom = -1;
        mask[start] = 0;
        stack.assign(1, start);
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            const int x = at % w, y = at / w;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx)
                    if (mask[ny * w + nx]) {
                        mask[ny * w + nx] = 0;
                        stack.push_back(ny * w + nx);
                    }
        }
        tallest = std::max(tallest, bottom - top + 1);
    }
    return tallest;
}

// Whether b differs from a by a band at least width px wide that stands taller than letters px (a frame round a
// control, or a filled area), not by thin lines, single pixels or a change of text colour.
bool ringChanged(const QImage& a, const QImage& b, int width, int letters)
{
    if (a.size() != b.size())
        return true;
    if (a == b)
        return false;
    // Only the rows and columns that changed at all are looked at.
    const int width0 = a.width(), height0 = a.height();
    int left = width0, right = -1, top = height0, bottom = -1;
    for (int y = 0; y < height0; ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < width0; ++x)
            if (p[x] != q[x] && distance(p[x], q[x]) > 24) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    }
    const QRect changed(QPoint(left, top), QPoint(right, bottom));
    if (changed.height() <= letters)
        return false;
    const int w = changed.width(), h = changed.height();
    // Per pixel, how many changed pixels run from it to the right; a trace of a channel is no change.
    std::vector<int> run(size_t(w) * h + 1, 0);
    for (int y = 0; y < h; ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(changed.top() + y)) + changed.left();
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(changed.top() + y)) + changed.left();
        for (int x = w - 1; x >= 0; --x)
            run[size_t(y) * w + x]
                = p[x] != q[x] && distance(p[x], q[x]) > 24 ? 1 + (x + 1 < w ? run[size_t(y) * w + x + 1] : 0) : 0;
    }
    // What is left of the change where a width x width square of it fits: lines thinner than that go.
    std::vector<uchar> band(size_t(w) * h, 0);
    for (int y = 0; y + width <= h; ++y)
        for (int x = 0; x < w; ++x) {
            bool fits = true;
            for (int k = 0; k < width && fits; ++k)
                fits = run[size_t(y + k) * w + x] >= width;
            band[size_t(y) * w + x] = fits;
        }
    // A band round the control, or filling it, stands taller than its letters: a change of text colour does not.
    return tallestPiece(band, w, h) > letters;
}

} // namespace

void FocusLooks::note_(const QString& key, const QString& fault)
{
    if (m_noted.contains(key))
        return;
    m_noted.insert(key);
    m_faults << fault;
}

FocusLooks::Shows FocusLooks::measure_(QWidget* control, QWidget* back)
{
    const int margin = 2 * m_width;
    const QRect inner(margin, margin, control->width(), control->height());
    // A focus look may show or hide parts of a control (a row's arrows): its layout follows before the picture.
    const auto settled = [&](QWidget* focus) {
        focus ? focus->setFocus(Qt::OtherFocusReason) : control->clearFocus();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return look(control, margin);
    };
    const QImage on = settled(control);
    const QImage off = settled(back);
    if (!back)
        settled(control);
    m_unfocused.insert(control, {control, off.copy(inner), {}});
    if (!ringChanged(on.copy(inner), off.copy(inner), m_width, control->fontMetrics().ascent()))
        return Shows::Not;
    // A fill that stands out from what is round the control and stays when the focus goes (the focus only rings
    // it, or tints it) is a look of having the focus that the control never loses.
    const QRgb fillOff = middle(off, inner, false);
    if (distance(fillOff, middle(off, inner, true)) > 64 && distance(fillOff, middle(on, inner, false)) < 48)
        return Shows::Always;
    return Shows::Only;
}

QStringList FocusLooks::check(const QString& place, bool newPlace)
{
    QWidget* active = QApplication::activeWindow();
    if (!active)
        return {};
    const qsizetype before = m_faults.size();
    m_width = std::max(2, qRound(2.0 * active->screen()->geometry().height() / 1080));
    QWidget* focus = QApplication::focusWidget();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu && newPlace && menu->activeAction()) {
        // A menu's entry, against none highlighted; the row the menu is for keeps the focus under it.
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
            note_(place, QStringLiteral("%1: %2 looks the same with the focus and without").arg(place, named(focus)));
        if (shows == Shows::Always)
            note_("too " + named(focus), QStringLiteral("%1: %2 looks focused without it").arg(place, named(focus)));
    }
    if (!focus || menu)
        return m_faults.mid(before); // while a menu is up, the row it belongs to keeps the focus under it
    // Nothing else in the window looks as it does with the focus. Controls are measured when first seen.
    for (QWidget* control : controlsOf(active)) {
        if (control == focus)
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
        // Looking otherwise than without the focus may be new content (a tile's icon came): measured once more.
        if (shows != Shows::Always && differs(true))
            shows = measure_(control, focus);
        if (shows == Shows::Always || differs(false))
            note_("too " + named(control), QStringLiteral("%1: %2 looks focused too").arg(place, named(control)));
        else if (QList<QImage>& fine = m_unfocused[control].fine; fine.size() < 4)
            fine << now;
    }
    return m_faults.mid(before);
}
