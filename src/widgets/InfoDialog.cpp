#include "widgets/InfoDialog.h"

#include "ui_InfoDialog.h"
#include "widgets/ScreenScale.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

// Every size of the dialog is a value for a 1920 x 1080 screen.
int sx(int value, int width) { return value * width / 1920; }
int sy(int value, int height) { return value * height / 1080; }

} // namespace

InfoDialog::InfoDialog(QWidget* parent, bool large)
    : QDialog(parent)
    , ui(new Ui::InfoDialog)
    , m_large(large)
{
    ui->setupUi(this);
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(ui->pbtYes, &QPushButton::clicked, this, &InfoDialog::accept);
    connect(ui->pbtNo, &QPushButton::clicked, this, &InfoDialog::reject);
    reset(1);
    adaptUiToScreen(QRect());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, &InfoDialog::adaptUiToScreen);
    connect(m_timer, &QTimer::timeout, this, &InfoDialog::refreshDiallog);
}

InfoDialog::~InfoDialog() { delete ui; }

void InfoDialog::reset(int mode)
{
    m_mode = mode;
    m_countdown = -1;
    m_timer->stop();
    setTitleText(QString());
    ui->prgbar->setRange(0, 100);
    ui->prgbar->setValue(0);
    ui->labInfoText->clear();

    const bool progress = mode == 3 || mode == 4;
    const bool ok = mode == 1 || mode == 2 || mode == 5;
    const bool cancel = mode == 2 || mode == 4 || mode == 5;
    ui->prgbar->setVisible(progress);
    ui->pbtYes->setVisible(ok);
    ui->pbtNo->setVisible(cancel);
    if (mode == 1)
        ui->pbtYes->setFocus();
    else if (mode == 2 || mode == 5)
        ui->pbtNo->setFocus();
    if (mode == 5) {
        m_countdown = 15;
        m_timer->start();
    }
}

void InfoDialog::setTitleText(const QString& text)
{
    ui->labInfoTitle->setText(text);
    ui->labInfoTitle->setVisible(!text.isEmpty());
}

void InfoDialog::setLabelText(const QString& text) { ui->labInfoText->setText(text); }

void InfoDialog::setTextOK(const QString& text) { ui->pbtYes->setText(text); }

void InfoDialog::setTextCancel(const QString& text) { ui->pbtNo->setText(text); }

void InfoDialog::setRange(int minimum, int maximum) { ui->prgbar->setRange(minimum, maximum); }

void InfoDialog::setValue(int value) { ui->prgbar->setValue(value); }

int InfoDialog::minimum() const { return ui->prgbar->minimum(); }

int InfoDialog::maximum() const { return ui->prgbar->maximum(); }

int InfoDialog::value() const { return ui->prgbar->value(); }

void InfoDialog::accept()
{
    if (!closable_())
        return;
    m_timer->stop();
    QDialog::accept();
}

void InfoDialog::reject()
{
    // Escape ends here too: a message without buttons stays until its owner
    // closes it.
    if (!closable_())
        return;
    m_timer->stop();
    QDialog::reject();
}

void InfoDialog::refreshDiallog()
{
    if (m_countdown > 0) {
        --m_countdown;
        ui->pbtNo->setText(tr("No") + QStringLiteral(" (%1)").arg(m_countdown));
        return;
    }
    m_timer->stop();
    if (m_countdown == 0)
        reject();
}

void InfoDialog::adaptUiToScreen(const QRect& rect)
{
    const QSize target = dialogTargetSize(rect);
    const int w = target.width();
    const int h = target.height();
    qDebug().noquote() << logPrefix(__FILE__, __LINE__, __func__)
                       << QStringLiteral("screenwidth:%1 screenheight:%2").arg(w).arg(h);

    setStyleSheet(dialogStyleSheet(QStringLiteral("InfoDialog"), w));

    const int margin = m_large ? 60 : 24;
    ui->vldlg->setContentsMargins(sx(margin, w), sy(margin, h), sx(margin, w), sy(margin, h));
    ui->vldlg->setSpacing(sy(20, h));
    const int minWidth = sx(m_large ? 780 : 514, w);
    ui->labInfoTitle->setMinimumWidth(minWidth);
    ui->labInfoText->setMinimumWidth(minWidth);
    ui->prgbar->setMinimumWidth(minWidth);
    ui->prgbar->setMinimumHeight(sy(30, h));
    ui->labInfoTitle->setFont(pointSized(ui->labInfoTitle->font(), sy(m_large ? 24 : 20, h)));
    ui->labInfoText->setFont(pointSized(ui->labInfoText->font(), sy(20, h)));
    ui->prgbar->setFont(pointSized(ui->prgbar->font(), sy(12, h)));
    ui->hlPbt->setSpacing(sx(40, w));
    for (QPushButton* b : {ui->pbtYes, ui->pbtNo}) {
        b->setMinimumWidth(sx(144, w));
        b->setMinimumHeight(sy(48, h));
        b->setFont(pointSized(b->font(), sy(18, h)));
    }
}
