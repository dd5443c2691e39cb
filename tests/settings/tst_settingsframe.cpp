// The settings dialog's frame: administrators, remote keys, size, wheel, closing, watched files, choice menus.
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "settings/ChoiceMenu.h"
#include "settings/TitleSafeMenu.h"
#include "widgets/ScreenScale.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QWheelEvent>
#include <QtMath>

class TestSettingsFrame : public QObject
{
    Q_OBJECT

private slots:
    // NasGroupID is the Base64 text of the group, blanks around it or around the decoded "0" allowed.
    void administrator()
    {
        for (const char* id : {"IDAg", " 0\n", "MA==\n", " MA== "})
            QVERIFY2(SettingsDialog::isAdminGroup(id), id);
        for (const char* id : {"MTAw", ""})
            QVERIFY2(!SettingsDialog::isAdminGroup(id), id);
    }

    // A taller size is not taken as the screen's; Escape on the column closes, and closing puts the grid back.
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

    // The remote's keys alone: after each key the focused control, "^" when only that row's arrows show.
    void keyWalk_data()
    {
        columns<QByteArray, QString, QString>(); // NasGroupID, the page button, the path
        row("one package's page", QByteArray("MA=="), "rbtApp",
            "rbtApp Right MultiIconViewV Return pbtUpdate Down pbtEnable Down pbtSetAuto Down cbxAdminOnly Down "
            "cbxAdminOnly Up pbtSetAuto Tab pbtSetAuto Up pbtEnable Up pbtUpdate Up pbtUpdate Esc MultiIconViewV Esc "
            "rbtApp");
        row("general, outside the administrators", QByteArray("MTAw"), "",
            "rbtGeneral Return cbxDatetime Down cbxIP Down cbxServername Down cbxRequireLogin Down cbxTaskbar Down "
            "cbxDatetime Up cbxTaskbar Right cbxTaskbar Tab cbxTaskbar Esc rbtGeneral");
        row("preferences, no receiver", QByteArray("MA=="), "rbtPref",
            "rbtPref Right frmPrefLang^ Down frmPrefIM^ Down frmPrefIM^ Tab frmPrefIM^ Up frmPrefLang^ Up frmPrefLang^ "
            "Left rbtPref");
    }
    void keyWalk()
    {
        const auto [group, button, path] = fetch<QByteArray, QString, QString>();
        SettingsScene_s scene(group);
        auto packages = std::make_unique<AggPkgInfo>(
            QMap<QString, PkgInfo_s> {
                {"A", {"A", {{"Shell", "/s"}, {"Enable", "TRUE"}, {"Version", "1"}}, {{"start", "s"}}}}},
            QMap<QString, PkgInfo_s> {{"A", {"A", {{"Version", "2"}, {"location", "http://x/a"}}, {}}}});
        SettingsDialog& d = scene.build(std::move(packages));
        scene.open();
        QCOMPARE(d.form()->rbtApp->isVisible(), group == "MA==");
        if (!button.isEmpty()) {
            part<QRadioButton>(d, button)->setChecked(true);
            part(d, button)->setFocus();
        }
        const auto place = [&] {
            QWidget* w = QApplication::focusWidget();
            QString name = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(),
                    row = name.mid(3);
            QStringList arrows;
            for (const QLabel* l : d.findChildren<QLabel*>(QRegularExpression("^lab(?!.*Arrow).*(Up|Down)$")))
                if (l->isVisible())
                    arrows << l->objectName();
            arrows.sort();
            return arrows == QStringList {"lab" + row + "Down", "lab" + row + "Up"} ? name + '^'
                                                                                    : name + arrows.join(' ');
        };
        const QMap<QString, Qt::Key> keys {{"Right", Qt::Key_Right}, {"Left", Qt::Key_Left}, {"Up", Qt::Key_Up},
            {"Down", Qt::Key_Down}, {"Tab", Qt::Key_Tab}, {"Return", Qt::Key_Return}, {"Esc", Qt::Key_Escape}};
        for (const QString& step : path.split(' ')) {
            if (keys.contains(step))
                pressKey(keys[step]);
            else
                QTRY_COMPARE(place(), step);
        }
        QVERIFY(d.isVisible());
        QVERIFY(!d.form()->frmPrefAudio->isVisible() && !d.form()->speakerTestBtn->isVisible()); // no audio output
    }

    void wheel_data()
    {
        columns<int, int>(); // the wheel's delta, the page it leads to from Display
        row("119", 119, int(SettingsDialog::PageDisplay));
        row("120", 120, int(SettingsDialog::PageGeneral));
        row("-240", -240, int(SettingsDialog::PagePref));
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

    // Laid out while hidden (the home screen asks its size): the fonts keep their scale once shown under our sheet.
    void scaledBeforeFirstShown()
    {
        qApp->setStyleSheet(QStringLiteral("#centralwidget{border-image: url(:/images/wallpaper_image1.jpg)}"));
        auto noSheet = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        SettingsScene_s scene;
        SettingsDialog& d = scene.build();
        const ScreenScale scale(d.screen()->geometry().size());
        d.ensurePolished();
        d.adaptUiToScreen(d.screen()->geometry().size());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.form()->labSettings->font().pointSize(), scale.x(38));
        QCOMPARE(d.form()->cbxDatetime->font().pointSize(), scale.x(30));
    }

    // Other programs' changes: web task bar and log-out restart us, auto login shows, screen.conf comes back.
    void watchedFiles()
    {
        SettingsScene_s scene;
        const QString settingsFile = scene.root.home() + "/.config/Vendra/IVO.conf";
        scene.root.write("/etc/Tellora/config/screen.conf", "[Screen1]\nConnected=True\n");
        scene.root.write("/etc/Tellora/config/login.conf", "[UIControl]\nRequireLogin=yes\n");
        scene.root.write("/home/admin/.config/Vendra/IVO.conf", "[UIControl]\nDisplayIP=yes\n");
        SettingsDialog& d = scene.build();
        QSignalSpy restarts(&d, &SettingsDialog::IVOrestart);
        scene.root.write("/home/admin/.config/Vendra/IVO.conf", "[TaskBar]\nEnable=True\nsetfromweb=1\n");
        QTRY_COMPARE(restarts.size(), 1);
        QVERIFY(!QSettings(settingsFile, QSettings::IniFormat).contains("TaskBar/setfromweb"));
        scene.runner.clear();
        scene.root.write("/etc/Tellora/config/login.conf", "[Padlink]\nLogout=YES\n[UIControl]\nRequireLogin=no\n");
        QTRY_COMPARE(restarts.size(), 2);
        QTRY_VERIFY(d.form()->cbxRequireLogin->isChecked());
        QVERIFY(!scene.root.read("/etc/Tellora/config/login.conf").contains("Padlink"));
        QFile::remove(scene.root.path("/etc/Tellora/config/screen.conf"));
        const QString touch
            = scene.root.path("/usr/bin/touch") + ' ' + scene.root.path("/etc/Tellora/config/screen.conf");
        QTRY_VERIFY(scene.runner.lines().contains(touch));
    }

    // A choice menu opens at its label inside the title-safe area and keeps the highlighted entry in view.
    void choiceMenu_data()
    {
        // Height in screens, the label's place, the current entry, keys, the one highlighted after (< 0: from the end).
        columns<double, QPointF, int, QString, QString>();
        row("short, at its label", 0.1, QPointF(0.3, 0.3), 1, "", "1");
        row("short, at the screen's corner", 0.1, QPointF(1, 1), 0, "d", "1");
        row("taller than the area only, opens at its end", 0.95, QPointF(0.3, 0.6), -1, "", "-1");
        row("taller than the screen, opens far down", 3.0, QPointF(0.3, 0.3), -3, "", "-3");
        row("down past the visible part", 3.0, QPointF(0.3, 0.6), 0, QString(30, 'd'), "30");
        row("down onto back and round", 3.0, QPointF(0.3, 0.3), -2, "ddd", "0");
        row("taller than the area only, up round to back", 0.95, QPointF(0.3, 0.3), 0, "u", "[Back]");
        row("up past the visible part", 3.0, QPointF(0.3, 0.3), -1, QString(40, 'u'), "-41");
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
        QMenu probe; // as many entries as make the menu that tall
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
            for (QAction* a : menu->actions()) // one column
                QCOMPARE(menu->actionGeometry(a).x(), menu->actionGeometry(menu->actions().first()).x());
            const QRect area = TitleSafeMenu::area(*menu->screen()), at = menu->geometry();
            const QPoint label = value.mapToGlobal(QPoint(0, 0));
            QVERIFY(at.x() == label.x() || at.right() == area.right());
            QVERIFY(at.y() == label.y() || at.bottom() == area.bottom() || at.height() == area.height());
            // Inside the area as it scrolls, the highlighted entry not under the scroll arrows.
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

    // The main output's mode read from screen.conf when asked; an empty language is English, an unknown one ignored.
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
