#pragma once
// What the settings tests share: a scratch appliance with a recording runner
// and a dialog built on it for a package model.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"

#include "packages/bentoconf.h"
#include "settings/SettingsDialog.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

template<typename T = QWidget> T* part(const QWidget& w, const QString& name) { return w.findChild<T*>(name); }

// Runs fn on the next popup menu or modal dialog once it is up.
inline void onModal(const std::function<void(QWidget*)>& fn)
{
    QTimer::singleShot(20, [fn] {
        QWidget* w = QApplication::activePopupWidget();
        w = w ? w : QApplication::activeModalWidget();
        w ? fn(w) : onModal(fn);
    });
}

// Key press and release on the widget that has the focus.
inline void pressKey(Qt::Key key)
{
    QWidget* w = QApplication::focusWidget();
    QVERIFY2(w, "nothing has the focus");
    QTest::keyClick(w, key);
}

struct SettingsScene_s {
    RecordingRunner runner;
    ScratchSysroot root;
    std::unique_ptr<AggPkgInfo> packages;
    std::unique_ptr<SettingsDialog> dialog;

    // An administrator ("NasGroupID" the Base64 text of "0") unless told.
    explicit SettingsScene_s(const QByteArray& nasGroupId = "MA==")
    {
        qputenv("NasGroupID", nasGroupId);
        qputenv("NasUser", "YWRtaW4=");
    }
    ~SettingsScene_s()
    {
        dialog.reset();
        packages.reset();
    }
    // The dialog over the given model, or over the scratch appliance's
    // package configuration.
    SettingsDialog& build(std::unique_ptr<AggPkgInfo> model = {})
    {
        packages = std::move(model);
        if (!packages) {
            packages = std::make_unique<AggPkgInfo>();
            packages->ReadConf(QStringLiteral("/etc/config/bento.conf"));
        }
        dialog = std::make_unique<SettingsDialog>(packages.get());
        return *dialog;
    }
    // The dialog shown, active, with its first page button focused.
    SettingsDialog& open()
    {
        SettingsDialog& d = dialog ? *dialog : build();
        d.resize(1920, 1080);
        d.show();
        d.activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&d, 30000)); }();
        return d;
    }
};
