#include "home/TandemSwitcher.h"

#include "appliance/ApplianceCommands.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

TandemSwitcher::TandemSwitcher(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::SplashScreen);
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet(QStringLiteral(
        "QWidget {text-align: center;font: 20px;}QPushButton::hover, QPushButton::focus {text-align: center;font: "
        "20px;border: 3px solid rgb(0, 216, 255);background-color: rgb(0,150,255);border-radius:10px;color: "
        "white;}QPushButton {background-color: rgb(0,150,255);border-radius:10px;color: white;}"));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize();
    setFixedWidth(size.isEmpty() ? 480 : size.width() / 4);
    if (!size.isEmpty())
        setMinimumHeight(size.height() / 5);

    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(tr("Are you sure you want to switch to Tandem? Switching applications may take a few "
                               "minutes to complete."),
        this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop);
    text->setScaledContents(true);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    auto* yes = new QPushButton(tr("Yes"), this);
    yes->setObjectName(QStringLiteral("pbtYes"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("pbtCancel"));
    buttons->addWidget(yes);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    cancel->setFocus();

    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
    connect(yes, &QPushButton::clicked, this, [] {
        ApplianceCmd::startTandem();
        // The switch takes the screen away; until then nothing else may run.
        QThread::sleep(10);
    });
}
