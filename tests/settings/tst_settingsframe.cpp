// The settings dialog's frame: who counts as administrator, the page buttons
// and the keys between the column and the pages, the wheel, closing.
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "settings/ChoiceMenu.h"
#include "settings/TitleSafeMenu.h"

#include "widgets/MultiIconViewV.h"
#include "widgets/ScreenScale.h"

#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QWheelEvent>
#include <QtMath>

class TestSettingsFrame : public QObject
{
    Q_OBJECT

private slots:
    void administrator_data()
    {
        columns<QByteArray, bool>(); // NasGroupID, an administrator
        for (const auto& [id, admin] : {std::pair {"IDAg", true}, {" 0\n", true}, {"MA==\n", true}, {" MA== ", true},
                 {"MTAw", false}, {"", false}})
            row(id, QByteArray(id), admin);
    }

    void administrator()
    {
        const auto [nasGroupId, admin] = fetch<QByteArray, bool>();
        QCOMPARE(SettingsDialog::isAdminGroup(nasGroupId), admin);
    }

    // A taller size, from a window manager or a long text, is not taken as the screen: the dialog goes back to the
    // screen and its scale. Escape on the column closes it (on a package's page it leads to the grid, the
    // Applications suite), and closing puts the first page button and the grid back.
    void screenSizeAndClosing()
    {
        SettingsScene_s scene;
        SettingsDialog& d = scene.open();
        const QSize screen = d.screen()->geometry().size();
        const int titleHeight = d.form()->frmTitle->height();
        d.resize(screen + QSize(0, 400));
        QTRY_COMPARE(d.size(), screen);
        QCOMPARE(d.form()->frmTitle->height(), titleHeight);
        d.form()->stwgSub->setCurrentIndex(SettingsDialog::PageAppOne);
        d.form()->rbtGeneral->setFocus();
        pressKey(Qt::Key_Escape);
        QTRY_VERIFY(!d.isVisible());
        QVERIFY(d.form()->rbtApp->isChecked());
        QCOMPARE(d.form()->stwgSub->currentIndex(), int(SettingsDialog::PageAppAll));
    }

    void wheel_data()
    {
        columns<int, int>(); // the wheel's delta, the page it leads to from Display
        for (auto [delta, page] : {std::pair {119, SettingsDialog::PageDisplay}, {120, SettingsDialog::PageGeneral},
                 {-240, SettingsDialog::PagePref}})
            row(QByteArray::number(delta), delta, int(page));
    }

    void wheel()
    {
        const auto [delta, page] = fetch<int, int>();
        SettingsScene_s scene;
        SettingsDialog& d = scene.open();
        d.form()->rbtDisp->setFocus();
        d.form()->rbtDisp->setChecked(true);
        QWheelEvent wheel({5, 5}, d.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(&d, &wheel);
        QCoreApplication::processEvents(); // the key it becomes is posted
        QCOMPARE(d.form()->stwgSub->currentIndex(), page);
    }

    void scaledBeforeFirstShown()
    {
        // Laid out while still hidden, as when the home screen starts on a screen other than 1080p: the fonts keep
        // their scale once the dialog shows under the program's own sheet.
        qApp->setStyleSheet(QStringLiteral("#centralwidget{border-image: url(:/images/wallpaper_image1.jpg)}"));
        auto noSheet = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        SettingsScene_s scene;
        SettingsDialog& d = scene.build();
        const ScreenScale scale(d.screen()->geometry().size());
        d.ensurePolished(); // as its layout does when the home screen asks its size
        d.adaptUiToScreen(d.screen()->geometry().size());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.form()->labSettings->font().pointSize(), scale.x(38));
        QCOMPARE(d.form()->cbxDatetime->font().pointSize(), scale.x(30));
    }

    void watchedFiles_data()
    {
        columns<QByteArray>(); // "Padlink/Logout", a boolean of the appliance's files: its case does not count
        row("yes", QByteArray("yes"));
        row("YES", QByteArray("YES"));
    }
    void watchedFiles()
    {
        const auto [logout] = fetch<QByteArray>();
        SettingsScene_s scene;
        const QString settingsFile = scene.root.home() + "/.config/Vendra/IVO.conf";
        scene.root.write("/etc/Tellora/config/screen.conf", "[Screen1]\nConnected=True\n");
        scene.root.write("/etc/Tellora/config/login.conf", "[UIControl]\nRequireLogin=yes\n");
        scene.root.write("/home/admin/.config/Vendra/IVO.conf", "[UIControl]\nDisplayIP=yes\n");
        SettingsDialog& d = scene.build();
        QSignalSpy restarts(&d, &SettingsDialog::IVOrestart);

        // Another program sets the task bar from the web: restart, key gone.
        scene.root.write("/home/admin/.config/Vendra/IVO.conf", "[TaskBar]\nEnable=True\nsetfromweb=1\n");
        QTRY_COMPARE(restarts.size(), 1);
        QVERIFY(!QSettings(settingsFile, QSettings::IniFormat).contains("TaskBar/setfromweb"));

        // A log-out request of the mobile remote, and automatic login switched on elsewhere: the box follows.
        scene.runner.clear();
        scene.root.write(
            "/etc/Tellora/config/login.conf", "[Padlink]\nLogout=" + logout + "\n[UIControl]\nRequireLogin=no\n");
        QTRY_COMPARE(restarts.size(), 2);
        QTRY_VERIFY(d.form()->cbxRequireLogin->isChecked());
        QVERIFY(!scene.root.read("/etc/Tellora/config/login.conf").contains("Padlink"));

        // The screen configuration removed: created again with touch.
        QFile::remove(scene.root.path("/etc/Tellora/config/screen.conf"));
        const QString touch
            = scene.root.path("/usr/bin/touch") + ' ' + scene.root.path("/etc/Tellora/config/screen.conf");
        QTRY_VERIFY(scene.runner.lines().contains(touch));
    }

    // A choice menu under the program's sheet and its own: its own style still lets it scroll, so a menu taller than
    // the screen keeps one column inside the title-safe area. It opens at its label, moved only as far as the area
    // asks, with the current entry in view, and the remote's Up and Down keep the highlighted entry in view, past the
    // visible part and round the ends.
    void choiceMenu_data()
    {
        // How tall in screens, the label's place on the screen, the current entry and the one highlighted after the
        // keys (less than 0: from the end).
        columns<double, QPointF, int, QString, QString>();
        row("short, at its label", 0.1, QPointF(0.3, 0.3), 1, QString(), QString("1"));
        row("short, at the screen's corner", 0.1, QPointF(1, 1), 0, QString("d"), QString("1"));
        row("taller than the area only, opens at its end", 0.95, QPointF(0.3, 0.6), -1, QString(), QString("-1"));
        row("taller than the area only, up round to back", 0.95, QPointF(0.3, 0.3), 0, QString("u"), QString("[Back]"));
        row("taller than the screen, opens far down", 3.0, QPointF(0.3, 0.3), -3, QString(), QString("-3"));
        row("down past the visible part", 3.0, QPointF(0.3, 0.6), 0, QString(30, 'd'), QString("30"));
        row("down onto back and round", 3.0, QPointF(0.3, 0.3), -2, QString("ddd"), QString("0"));
        row("up past the visible part", 3.0, QPointF(0.3, 0.3), -1, QString(40, 'u'), QString("-41"));
    }
    void choiceMenu()
    {
        const auto [tall, place, current, keys, then] = fetch<double, QPointF, int, QString, QString>();
        qApp->setStyleSheet(QStringLiteral("#centralwidget{border-image: url(:/images/wallpaper_image1.jpg)}"));
        auto noSheet = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        QWidget window;
        const QRect screen = window.screen()->geometry();
        window.setGeometry(screen);
        QLabel value("value", &window);
        value.move(int(place.x() * screen.width()), int(place.y() * screen.height()));
        showActive(window);
        // As many entries as make the menu that tall, measured on a menu of the same look.
        QMenu probe;
        probe.setStyleSheet(ChoiceMenu::styleSheet());
        probe.setFont(value.font());
        probe.addAction("0");
        const int one = probe.sizeHint().height();
        probe.addSeparator();
        probe.addAction("1");
        const int count = qCeil(tall * screen.height() / (probe.sizeHint().height() - one));
        QStringList choices;
        for (int i = 0; i < count; ++i)
            choices << QString::number(i);
        const QString highlighted = then.toInt() < 0 ? QString::number(count + then.toInt()) : then;
        QString seen;
        onModal([&](QWidget* popup) {
            const auto closing = qScopeGuard([popup] { popup->close(); });
            auto* menu = qobject_cast<QMenu*>(popup);
            QVERIFY(menu && menu->style()->styleHint(QStyle::SH_Menu_Scrollable, nullptr, menu));
            QCOMPARE(menu->styleSheet(), ChoiceMenu::styleSheet());
            for (QAction* a : menu->actions()) // one column
                QCOMPARE(menu->actionGeometry(a).x(), menu->actionGeometry(menu->actions().first()).x());
            const QRect area = TitleSafeMenu::area(*menu->screen()), at = menu->geometry();
            const QPoint label = value.mapToGlobal(QPoint(0, 0));
            QVERIFY(at.x() == label.x() || at.right() == area.right());
            QVERIFY(at.y() == label.y() || at.bottom() == area.bottom() || at.height() == area.height());
            // Inside the area as it scrolls; the highlighted entry in view, not under the arrows that tell of
            // entries above or below.
            const int arrow = menu->style()->pixelMetric(QStyle::PM_MenuScrollerHeight, nullptr, menu);
            for (int k = 0; k <= keys.size(); ++k) {
                const QRect first = menu->actionGeometry(menu->actions().first());
                const QRect last = menu->actionGeometry(menu->actions().last());
                const QRect view = menu->rect().adjusted(
                    0, first.top() < 0 ? arrow : 0, 0, last.bottom() >= menu->height() ? -arrow : 0);
                QVERIFY2(area.contains(menu->geometry()), qPrintable(QString::number(k)));
                QVERIFY2(view.contains(menu->actionGeometry(menu->activeAction())), qPrintable(QString::number(k)));
                if (k < keys.size())
                    QTest::keyClick(menu, keys[k] == 'd' ? Qt::Key_Down : Qt::Key_Up);
            }
            seen = menu->activeAction()->text();
        });
        QCOMPARE(ChoiceMenu(&window).run(&value, choices, current < 0 ? count + current : current), -1);
        QCOMPARE(seen, highlighted);
    }

    // Read when asked: the main output's mode from screen.conf scales a size (5 at 1920 wide), and an empty language is
    // English without touching the locale; an unknown code is ignored once a language is current.
    void scaleAndLanguage()
    {
        SettingsScene_s scene;
        qputenv("LC_ALL", "C.UTF-8");
        SettingsDialog& d = scene.build();
        scene.root.write("/etc/Tellora/config/screen.conf", "[Screen1]\nConnected=True\nMode=3840x2160\n");
        QCOMPARE(d.pixel_scale(5, 2), 10);
        QVERIFY(d.lang().isEmpty());
        d.retranslateUi(QString());
        QCOMPARE(d.lang() + ' ' + d.form()->txtPrefLang->text(), "eng English");
        QCOMPARE(qgetenv("LC_ALL"), QByteArray("C.UTF-8"));
        d.retranslateUi("xyz");
        QCOMPARE(d.lang(), QString("eng"));
    }
};

QTEST_MAIN(TestSettingsFrame)
#include "tst_settingsframe.moc"
