// Every dialog and page in every language on one screen (IVO_CLIP_SCREEN, "1920x1080" unless set): a visible text fits
// its widget with a glyph for every character, a menu stays in the title-safe area in one column. IVO_CLIP_SHOTS=DIR
// keeps a picture of each state in the languages of kShotLanguages.
#include "../home/HomeFixture.h"
#include "CommandSettle.h"
#include "appliance/Paths.h"
#include "audiochooser/AudioDetectDialog.h"
#include "home/MainMWindow.h"
#include "home/TandemSwitcher.h"
#include "home/TipsScreen.h"
#include "i18n/LanguageSwitch.h"
#include "i18n/UiLanguage.h"
#include "learning/CustomRemoteDialog.h"
#include "settings/SettingsDialog.h"
#include "widgets/ImageResources.h"
#include "widgets/ListDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileSystemWatcher>
#include <QGlyphRun>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

namespace {

const QStringList kShotLanguages {"eng", "ger", "rus", "grk", "jpn", "tha"};

// The appliance of the walks: its xrandr answers with the simulator's layout of `outputs` monitors.
struct ClipAppliance_s : PackageHome_s {
    using PackageHome_s::PackageHome_s;
    int outputs = 1;
    QMap<int, QByteArray> layouts;
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override
    {
        CommandResult_s r = PackageHome_s::execute(program, args, budget);
        if (args.value(1) == "xrandr -q")
            r.out = layouts.value(outputs);
        return r;
    }
    // screen.conf as the hot-plug script writes it for `count` monitors; false when it says so already.
    bool plug(int count, const QSize& screen)
    {
        outputs = count;
        const std::pair<QString, QString> modes[] {
            {QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()), "60.00"}, {"1920x1080", "60.00"},
            {"3840x2160", "30.00"}};
        QByteArray conf;
        for (int i = 0; i < count; ++i)
            conf += QStringLiteral("[Screen%1]\nConnected = True\nName = HDMI-%1\nMode = %2\nRate = %3\n\n")
                        .arg(i + 1)
                        .arg(modes[i].first, modes[i].second)
                        .toUtf8();
        return root.read(Paths::ScreenConf.text()) != conf && root.write(Paths::ScreenConf.text(), conf);
    }
};
ClipAppliance_s* g_appliance = nullptr;

QSize screenSize()
{
    const QStringList wh = qEnvironmentVariable("IVO_CLIP_SCREEN", QStringLiteral("1920x1080")).split('x');
    return QSize(wh.value(0).toInt(), wh.value(1).toInt());
}

// A walk hands every window it shows to the looker.
using Look = std::function<void(QWidget*, const QString& state)>;
using Walk = std::function<void(MainMWindow&, const Look&)>;

// Looks at the modal dialog or popup menu that open shows, and closes it.
void modal(const std::function<void()>& open, const Look& look, const QString& state = {})
{
    bool seen = false;
    onModal([&](QWidget* w) {
        seen = true;
        look(w, state);
        w->close();
    });
    open();
    QVERIFY2(seen, "no modal window came up");
}

Walk own(const std::function<QWidget*(QWidget* home)>& make)
{
    return [make](MainMWindow& h, const Look& look) {
        const std::unique_ptr<QWidget> w(make(&h));
        look(w.get(), {});
    };
}

// A window shown sized for the screen as the program does, once the appliance answered and the layout settled.
void settle(QWidget* w, const QSize& screen)
{
    const QRect rect(QPoint(0, 0), screen);
    if (w->metaObject()->indexOfSlot("adaptUiToScreen(QRect)") >= 0) {
        QMetaObject::invokeMethod(w, "adaptUiToScreen", Q_ARG(QRect, rect));
        w->adjustSize();
    } else if (!qobject_cast<QMenu*>(w)) {
        w->setGeometry(rect);
        if (w->metaObject()->indexOfSlot("adaptUiToScreen(QSize)") >= 0)
            QMetaObject::invokeMethod(w, "adaptUiToScreen", Q_ARG(QSize, screen));
    }
    w->show();
    settleCommands();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    for (int depth = 0; depth < 8; ++depth)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
}

SettingsDialog& settingsOn(MainMWindow& h, const char* page)
{
    auto* d = h.findChild<SettingsDialog*>();
    d->retranslateUi(UiLanguage::current());
    part<QAbstractButton>(*d, page)->setChecked(true);
    settle(d, screenSize());
    return *d;
}

// Every choice menu of the Display page with that many monitors, each row reached with Down; a resolution's rates
// follow its mode.
Walk displayMenus(int outputs)
{
    return [outputs](MainMWindow& h, const Look& look) {
        QSignalSpy reread(
            h.findChild<SettingsDialog*>()->findChild<QFileSystemWatcher*>(), &QFileSystemWatcher::fileChanged);
        if (g_appliance->plug(outputs, screenSize()))
            QTRY_VERIFY(!reread.isEmpty()); // the page reads the file again before the walk
        SettingsDialog& d = settingsOn(h, "rbtDisp");
        look(&d, "page");
        QWidget* row = part(d, "rbtDisp");
        row->setFocus();
        QTest::keyClick(row, Qt::Key_Right);
        for (QWidget* last = nullptr; (row = d.focusWidget()) != last; last = row) {
            const QString state = row->objectName();
            if (state.endsWith("Res")) {
                bool rates = false;
                modal([&] { QTest::keyClick(row, Qt::Key_Return); },
                    [&](QWidget* modes, const QString& s) {
                        look(modes, s);
                        onModal([&](QWidget* menu) {
                            rates = true;
                            look(menu, s + " rates");
                            menu->close();
                        });
                        pick(modes, "1920x1080"); // every monitor of the layout has it at several rates
                    },
                    state);
                QVERIFY2(rates, qPrintable(state + ": no rates followed the mode"));
            } else if (state != "frmDispOvscan" || outputs == 1) { // greyed, without a menu, with several
                modal([&] { QTest::keyClick(row, Qt::Key_Return); }, look, state);
            }
            QTest::keyClick(row, Qt::Key_Down);
        }
        d.hide();
    };
}

const QList<QPair<QString, Walk>>& walks()
{
    static const QList<QPair<QString, Walk>> list {
        {"home", [](MainMWindow& h, const Look& look) { look(&h, {}); }},
        {"language menu",
            [](MainMWindow& h, const Look& look) { modal([&] { h.languageMenu(part(h, "frmlang")); }, look); }},
        {"older apps notice",
            [](MainMWindow& h, const Look& look) {
                QVERIFY(QFile("root/.firstTime").open(QIODevice::WriteOnly));
                modal([&] { h.firstTime(); }, look);
                QFile::remove("root/.firstTime");
            }},
        {"padlink notice", [](MainMWindow& h, const Look& look) { modal([&] { h.ShowPadlinkFirstDialog_(); }, look); }},
        {"tips", own([](QWidget* h) { return new TipsScreen("TS-x73", h, true, true); })},
        {"tandem", own([](QWidget* h) { return new TandemSwitcher(h); })},
        {"audio chooser", own([](QWidget* h) { return new AudioDetectDialog(h); })},
        {"input methods",
            [](MainMWindow& h, const Look& look) {
                ListDialog d(&h);
                for (int mode : {0, 1}) {
                    d.reset(mode);
                    look(&d, QString::number(mode));
                }
            }},
        {"learning",
            [](MainMWindow& h, const Look& look) {
                CustomRemoteDialog d(&h);
                d.setmode(true, 0);
                auto* pages = part<QStackedWidget>(d, "stwgCR");
                for (int step = -1; step <= 6; ++step) {
                    pages->setCurrentIndex(RemoteLearning::LearnPage);
                    d.learn_status(step);
                    look(&d, QStringLiteral("step%1").arg(step));
                }
                for (int page = 0; page < pages->count(); ++page) {
                    pages->setCurrentIndex(page);
                    look(&d, QString::number(page));
                }
            }},
        {"settings",
            [](MainMWindow& h, const Look& look) {
                for (auto p : {"rbtGeneral", "rbtApp", "rbtPref", "rbtAbout"}) // the Display page: its walks
                    look(&settingsOn(h, p), p);
                SettingsDialog& d = settingsOn(h, "rbtGeneral"); // the taskbar box's restart question
                modal([&] { part<QAbstractButton>(d, "cbxTaskbar")->toggle(); }, look, "restart");
                d.hide();
            }},
        {"menu",
            [](MainMWindow& h, const Look& look) {
                SettingsDialog& d = settingsOn(h, "rbtPref");
                for (auto [row, state] :
                    {std::pair {"frmPrefLang", "language"}, {"frmPrefIM", "input method"}, {"frmPrefIr", "remote"}})
                    modal([&] { QTest::keyClick(part(d, row), Qt::Key_Return); }, look, state);
                d.hide();
            }},
        {"display 1", displayMenus(1)},
        {"display 3", displayMenus(3)},
    };
    return list;
}

QString shownText(const QLabel* label)
{
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label->text())))
        return label->text();
    QTextDocument doc;
    doc.setHtml(label->text());
    return doc.toPlainText();
}

// Text laid out in the widget's font (wrapped at the rectangle's width if wrap): without a glyph, or larger than rect.
void check(QStringList& found, const QWidget* w, QString text, const QRect& rect, bool wrap)
{
    if (text.trimmed().isEmpty())
        return;
    QTextLayout layout(text.replace('\n', QChar::LineSeparator), w->font());
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::ManualWrap);
    layout.setTextOption(option);
    qreal width = 0, height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrap ? rect.width() : 1e6);
        line.setPosition(QPointF(0, height));
        height += line.height();
        width = std::max(width, line.naturalTextWidth());
    }
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (std::any_of(runs.cbegin(), runs.cend(), [](const QGlyphRun& r) { return r.glyphIndexes().contains(0); }))
        found << QStringLiteral("%1 has no glyph for: %2").arg(w->objectName(), text.left(60));
    if (width > rect.width() + 1 || height > rect.height() + 2)
        found << w->objectName()
                + QString::asprintf(
                    " needs %dx%d, has %dx%d: ", qCeil(width), qCeil(height), rect.width(), rect.height())
                + text.left(60);
}

// Where a button draws its text: the style's contents rectangle less the icon.
QRect textRect(const QAbstractButton* b)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    const QStyle::SubElement element = qobject_cast<const QCheckBox*>(b) ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(b)                           ? QStyle::SE_RadioButtonContents
                                                                         : QStyle::SE_PushButtonContents;
    if (element == QStyle::SE_PushButtonContents && !qobject_cast<const QPushButton*>(b))
        return b->contentsRect();
    QRect r = b->style()->subElementRect(element, &option, b);
    if (element == QStyle::SE_PushButtonContents && !b->icon().isNull())
        r.setLeft(r.left() + b->iconSize().width() + 4);
    return r;
}

// A menu outside the title-safe area (the central 90 %), in a second column, with its bracketed Back entry not last,
// its highlighted entry out of view, or an entry cut that no scrolling brings into view.
QStringList menuProblems(QMenu& menu)
{
    QStringList found;
    const QSize screen = screenSize();
    const QMargins edge(screen.width() / 20, screen.height() / 20, screen.width() / 20, screen.height() / 20);
    const QRect safe = QRect(QPoint(0, 0), screen).marginsRemoved(edge);
    const QRect at = menu.geometry();
    if (!safe.contains(at))
        found << QString::asprintf("menu at %d,%d %dx%d leaves the safe area", at.x(), at.y(), at.width(), at.height());
    QList<QAction*> entries;
    for (QAction* a : menu.actions())
        if (!a->isSeparator() && a->isVisible())
            entries << a;
    if (entries.isEmpty())
        return found << "menu without entries";
    QAction* back = entries.last();
    if (!back->text().startsWith('[') || !back->text().endsWith(']'))
        found << "the last entry is " + back->text();
    const bool scrolls = menu.style()->styleHint(QStyle::SH_Menu_Scrollable, nullptr, &menu);
    QSet<int> columns;
    QStringList below;
    for (QAction* a : std::as_const(entries)) {
        const QRect r = menu.actionGeometry(a);
        columns << r.x();
        if (r.left() < 0 || r.right() >= menu.width() || (!scrolls && (r.top() < 0 || r.bottom() >= menu.height())))
            found << "entry cut: " + a->text();
        if (a != back && r.top() >= menu.actionGeometry(back).top())
            below << a->text();
    }
    if (!below.isEmpty())
        found << back->text() + " above " + below.join(", ");
    if (columns.size() > 1)
        found << QStringLiteral("%1 columns").arg(columns.size());
    if (QAction* a = menu.activeAction(); a && !menu.rect().contains(menu.actionGeometry(a)))
        found << "the highlighted entry is out of view: " + a->text();
    return found;
}

QStringList problems(QWidget* window)
{
    QStringList found;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisible())
            continue;
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            // A menu sizes itself to its entries: only glyphs can be missing.
            for (const QAction* a : menu->actions())
                check(found, menu, a->text(), QRect(0, 0, 1 << 20, 1 << 20), false);
            found << menuProblems(*menu);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            const int m = label->margin();
            check(found, label, shownText(label), label->contentsRect().adjusted(m, m, -m, -m), label->wordWrap());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            check(found, button, QString(button->text()).remove(QRegularExpression("&(?!&)")), textRect(button), false);
        }
    }
    return found;
}

// What the screen shows of a window: a menu over the window it was opened from.
QPixmap picture(QWidget* w)
{
    QWidget* under = qobject_cast<QMenu*>(w) && w->parentWidget() ? w->parentWidget()->window() : w;
    QPixmap screen = under->grab();
    QPainter(&screen).drawPixmap(w->geometry().topLeft() - under->geometry().topLeft(), w->grab());
    return screen;
}

} // namespace

class TstClipTexts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_cwd;

private slots:
    void initTestCase()
    {
        ImageResources::registerAll();
        QCOMPARE(QFontInfo(QFont("Noto Sans JP")).family(), "Noto Sans CJK JP");
        QVERIFY(QDir::setCurrent(m_cwd.path()));
        ClipAppliance_s& home = *(g_appliance = new ClipAppliance_s("@NasGroupID\n0", "Photos Music:d")); // an admin
        // The simulator's layouts as its xrandr prints them (its sysroot, unset in the source tree, relative to here).
        QVERIFY(QDir().mkpath("@SYSROOT@/sim"));
        for (int n : {1, 3}) {
            QFile settings("@SYSROOT@/sim/settings");
            QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write("XRANDR_OUTPUTS=" + QByteArray::number(n)));
            settings.close();
            QProcess xrandr;
            xrandr.start("python3",
                {qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/standins/display/sim/screens/xrandr.py", "-q"});
            QVERIFY(xrandr.waitForFinished() && xrandr.exitCode() == 0);
            home.layouts[n] = xrandr.readAllStandardOutput();
        }
        QVERIFY(home.plug(1, screenSize())); // before the settings watch it
        const QString lang = home.root.path("/opt/ivo/lang");
        QVERIFY(QDir().mkpath(QFileInfo(lang).path()));
        QVERIFY(QFile::link(qEnvironmentVariable("IVO_BINARY_DIR") + "/bin/lang", lang));
        QVERIFY(QDir().mkpath("root"));
        const auto source = [](const QString& path) {
            QFile f(qEnvironmentVariable("IVO_SOURCE_DIR") + '/' + path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        home.answer(".* -c \"aplay -l \\| grep \\^card\"", source("sim/standins/audio/sim/audio/cards-appliance.txt"));
        QByteArray audio = source("sim/setup.d/60-audio.sh");
        audio = audio.mid(audio.indexOf("[Playback]"));
        QVERIFY(home.root.write("/etc/Tellora/config/nasaudio.conf", audio.left(audio.indexOf("CONF\n"))));
        // A receiver with modes and remote learning: all the Preferences rows.
        QVERIFY(home.root.write("/proc/ite_8721f_cir/support", "1:NEC\n2:RC6\n"));
        QVERIFY(home.root.write("/proc/ite_8721f_cir/current", "1\n"));
        home.answer(".*hal_app --check_ec_support", "1\n");
    }
    void cleanupTestCase() { delete g_appliance; }

    void texts_data()
    {
        QTest::addColumn<int>("walk");
        for (int i = 0; i < walks().size(); ++i)
            QTest::newRow(qPrintable(walks().at(i).first)) << i;
    }
    void texts()
    {
        QFETCH(int, walk);
        const QSize screen = screenSize();
        const QString shots = qEnvironmentVariable("IVO_CLIP_SHOTS");
        MainMWindow home;
        home.setGeometry(QRect(QPoint(0, 0), screen));
        home.show();
        home.startAppliance();
        QVERIFY(settleCommands());
        for (int tick = 0; tick < 2; ++tick) // past the clock's first-run notices (the walks open them)
            home.refreshClock();
        LanguageSwitch language;
        QStringList found;
        for (const QString& code : UiLanguage::supported()) {
            const LanguageSwitch::Outcome outcome = language.retranslate(code);
            if (code != "eng")
                QVERIFY2(outcome == LanguageSwitch::Outcome::Switched, qPrintable(code + " has no translation file"));
            walks().at(walk).second(home, [&](QWidget* w, const QString& state) {
                settle(w, screen);
                for (const QString& p : problems(w))
                    found << QStringLiteral("%1 %2: %3").arg(code, state, p);
                if (w->width() > screen.width() || w->height() > screen.height())
                    found << code + ' ' + state
                            + QString::asprintf(": %dx%d, larger than the screen", w->width(), w->height());
                if (!shots.isEmpty() && kShotLanguages.contains(code)) {
                    const QString stem = (walks().at(walk).first + ' ' + state).trimmed().replace(' ', '-');
                    const QString name = QStringLiteral("%1/%2-%3-%4p.png").arg(shots, stem, code).arg(screen.height());
                    QVERIFY(picture(w).save(name));
                }
            });
        }
        language.retranslate(QStringLiteral("eng"));
        for (const QString& problem : std::as_const(found)) // a failure message is cut short
            qInfo().noquote() << problem;
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 problems, listed above").arg(found.size())));
    }
};

// The offscreen platform's screen, and fontconfig with the program's aliases.
int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const auto put = [&](const char* name, const QString& text) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0 ? f.fileName().toUtf8() : QByteArray();
    };
    const QSize screen = screenSize();
    const QByteArray config = put("screen.json",
        QStringLiteral(R"({"screens": [{"name": "tv", "x": 0, "y": 0, "width": %1, "height": %2,
                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
            .arg(screen.width())
            .arg(screen.height()));
    const QByteArray fonts = put("fonts.conf",
        "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig>"
        "<include>/etc/fonts/fonts.conf</include><include>"
            + qEnvironmentVariable("IVO_SOURCE_DIR") + "/resources/fonts/ivo-fonts.conf</include></fontconfig>\n");
    if (config.isEmpty() || fonts.isEmpty())
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
    qputenv("FONTCONFIG_FILE", fonts);
    qputenv("QT_LOGGING_RULES", "*.debug=false\n*.warning=false");
    QApplication app(argc, argv);
    TstClipTexts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cliptexts.moc"
