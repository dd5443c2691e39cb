#pragma once
// A scratch appliance with a recording runner, and the settings dialog built on it for a package model.
#include "CommandSettle.h"
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "WidgetFixture.h"

#include "packages/bentoconf.h"
#include "settings/SettingsDialog.h"

#include <QAbstractButton>

#include <memory>

// Records every command, and runs for real (as this user) the command `real` makes of one, if any.
struct LiveRunner : RecordingRunner {
    std::function<QStringList(const QString& program, const QStringList& args)> real;
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override
    {
        const CommandResult_s scripted = RecordingRunner::execute(program, args, budget);
        const QStringList command = real(program, args);
        return command.isEmpty() ? scripted : ProcessRunner().run(command[0], command.mid(1), budget);
    }
};

struct SettingsScene_s {
    RecordingRunner runner;
    ScratchSysroot root;
    std::unique_ptr<AggPkgInfo> packages;
    std::unique_ptr<SettingsDialog> dialog; // goes first, before the model it shows

    // An administrator ("NasGroupID" the Base64 text of "0") unless told.
    explicit SettingsScene_s(const QByteArray& nasGroupId = "MA==")
    {
        qputenv("NasGroupID", nasGroupId);
        qputenv("NasUser", "YWRtaW4=");
    }
    // The dialog over the given model, or over the scratch appliance's package configuration.
    SettingsDialog& build(std::unique_ptr<AggPkgInfo> model = {})
    {
        packages = std::move(model);
        if (!packages) {
            packages = std::make_unique<AggPkgInfo>();
            packages->ReadConf(QStringLiteral("/etc/config/bento.conf"));
        }
        dialog = std::make_unique<SettingsDialog>(packages.get());
        dialog->startAppliance();
        settleCommands();
        return *dialog;
    }
    // The dialog shown full screen and active.
    SettingsDialog& open()
    {
        SettingsDialog& d = dialog ? *dialog : build();
        d.resize(1920, 1080);
        showActive(d);
        return d;
    }
    // The dialog open on the page of the left column's `button`, entered with Right.
    SettingsDialog& enter(const char* button)
    {
        SettingsDialog& d = open();
        part<QAbstractButton>(d, button)->setChecked(true);
        part(d, button)->setFocus();
        pressKey(Qt::Key_Right);
        return d;
    }
};
