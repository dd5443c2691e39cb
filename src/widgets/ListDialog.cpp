#include "widgets/ListDialog.h"

#include "im/SystemInputMethod.h"
#include "ui_ListDialog.h"
#include "widgets/ScreenScale.h"

#include <QDebug>
#include <QKeyEvent>
#include <QScreen>

namespace {

// Switching it off would leave the television without a keyboard layout.
const QLatin1String kBaseLayout("xkb:us::eng");

} // namespace

ListDialog::ListDialog(QWidget* parent, SystemInputMethod* model)
    : QDialog(parent)
    , ui(new Ui::ListDialog)
    , m_model(model ? model : SystemInputMethod::getInstance())
{
    ui->setupUi(this);
    connect(ui->pbtYes, &QPushButton::clicked, this, &ListDialog::accept);
    connect(ui->pbtNo, &QPushButton::clicked, this, &ListDialog::reject);
    for (QWidget* w :
        {static_cast<QWidget*>(ui->listWidget), static_cast<QWidget*>(ui->pbtYes), static_cast<QWidget*>(ui->pbtNo)})
        w->installEventFilter(this);
    adaptUiToScreen(QRect());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, &ListDialog::adaptUiToScreen);
}

ListDialog::~ListDialog()
{
    if (result() == QDialog::Accepted)
        apply_();
    delete ui;
}

void ListDialog::reset(int mode)
{
    if (mode != 0 && mode != 1)
        return;
    m_mode = mode;
    ui->labInfoText->setText(mode == 0 ? tr("Add input") : tr("Remove input"));
    ui->pbtYes->show();
    ui->pbtNo->show();
    ui->listWidget->clear();
    const QList<IMInfo>& list = mode == 0 ? m_model->getAvailableList() : m_model->getRemovableList();
    for (const IMInfo& im : list) {
        if (mode == 1 && im.id == kBaseLayout)
            continue;
        ui->listWidget->addItem(im.name);
    }
    ui->listWidget->setFocus();
    ui->listWidget->setCurrentRow(0);
}

void ListDialog::setLabelText(const QString& text) { ui->labInfoText->setText(text); }

void ListDialog::setTextOK(const QString& text) { ui->pbtYes->setText(text); }

void ListDialog::setTextCancel(const QString& text) { ui->pbtNo->setText(text); }

void ListDialog::apply_()
{
    const QListWidgetItem* item = ui->listWidget->currentItem();
    if (!item || (m_mode != 0 && m_mode != 1))
        return;
    // Looked up by the name shown; the first method of that name wins.
    const QList<IMInfo> list = m_mode == 0 ? m_model->getAvailableList() : m_model->getRemovableList();
    for (const IMInfo& im : list) {
        if (im.name != item->text())
            continue;
        m_mode == 0 ? m_model->addIM(im) : m_model->removeIM(im);
        return;
    }
}

// With the remote's arrows alone: Down from the last row reaches the
// buttons, Up from a button goes back to the list, Left and Right move
// between the buttons.
bool ListDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    QListWidget* list = ui->listWidget;
    if (watched == list) {
        if (key == Qt::Key_Down && list->currentRow() >= list->count() - 1) {
            ui->pbtYes->setFocus();
            return true;
        }
        return false;
    }
    switch (key) {
    case Qt::Key_Up:
        list->setFocus();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        (watched == ui->pbtYes ? ui->pbtNo : ui->pbtYes)->setFocus();
        return true;
    default:
        return false;
    }
}

void ListDialog::adaptUiToScreen(const QRect& rect)
{
    const ScreenScale s(dialogTargetSize(rect));
    qDebug().noquote() << logPrefix(__FILE__, __LINE__, __func__)
                       << QStringLiteral("screenwidth:%1 screenheight:%2").arg(s.width).arg(s.height);
    // The list wears the dialog's frame, in the focus colour while it has the focus.
    setStyleSheet(dialogStyleSheet(QStringLiteral("ListDialog"), s.width)
        + QStringLiteral(" QListWidget{border: %1px solid rgba(128, 128, 128, 255);} "
                         "QListWidget:focus{border-color: rgb(0, 216, 255);}")
              .arg(s.width / 320));

    ui->vldlg->setContentsMargins(s.x(24), s.y(24), s.x(24), s.y(24));
    ui->vldlg->setSpacing(s.y(20));
    ui->labInfoText->setMinimumWidth(s.x(514));
    ui->labInfoText->setFont(pointSized(ui->labInfoText->font(), s.y(20)));
    ui->listWidget->setMinimumSize(s.x(514), s.y(300));
    ui->listWidget->setFont(pointSized(ui->listWidget->font(), s.y(18)));
    ui->hlPbt->setSpacing(s.x(40));
    for (QPushButton* b : {ui->pbtYes, ui->pbtNo}) {
        b->setMinimumWidth(s.x(144));
        b->setMinimumHeight(s.y(48));
        b->setFont(pointSized(b->font(), s.y(18)));
    }
}
