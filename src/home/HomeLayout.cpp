#include "home/HomeLayout.h"

#include "ui_MainMWindow.h"

#include "widgets/ScreenScale.h"
#include "widgets/Wallpaper.h"

#include <QGraphicsDropShadowEffect>

namespace {

QPixmap scaledToHeight(const QPixmap& pixmap, int height)
{
    if (pixmap.isNull() || height <= 0)
        return pixmap;
    return pixmap.scaledToHeight(height, Qt::SmoothTransformation);
}

QPixmap picture(const char* name) { return QPixmap(QStringLiteral(":/images/%1.png").arg(QLatin1String(name))); }

// A new style sheet re-polishes the widget and everything below it: only when
// it really changes.
void setSheet(QWidget* widget, const QString& sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

} // namespace

HomeLayout::HomeLayout(Ui::MainMWindow& form)
    : ui(form)
    , m_wallpaper(new Wallpaper(*form.centralwidget))
{
}

void HomeLayout::scale(const QSize& size, const QPixmap& userPicture)
{
    const ScreenScale s(size);
    ui.vlMainMV->setContentsMargins(s.x(60), s.y(60), s.x(60), s.y(60));
    showUserPicture(userPicture.isNull() ? picture("admin_default_smail") : userPicture, size);
    const int iconHeight = s.yUp(50);
    const std::pair<QLabel*, const char*> icons[] = {{ui.labsetting, "icon_setting"}, {ui.lablang, "icon_language"},
        {ui.lablogout, "icon_logout"}, {ui.labaudio, "speaker"}, {ui.labtandem, "icon_tandem"}};
    for (const auto& [label, name] : icons)
        label->setPixmap(scaledToHeight(picture(name), iconHeight));
    ui.labtips->setPixmap(scaledToHeight(picture("icon_help"), s.yUp(30)));

    const QFont nameFont = pointSized(ui.txtadmin->font(), s.y(22));
    for (QLabel* label : {ui.txtadmin, ui.txthost, ui.txtnastype})
        label->setFont(nameFont);
    // A long display name takes smaller letters, and so do the addresses.
    const bool longName = QFontMetrics(nameFont).horizontalAdvance(ui.txtnastype->text()) > 200;
    if (longName) {
        ui.txthost->setFont(pointSized(nameFont, s.y(16)));
        ui.txtnastype->setFont(pointSized(nameFont, s.y(16)));
    }
    ui.txtclock->setFont(pointSized(ui.txtclock->font(), s.y(34)));
    ui.txtip1->setFont(pointSized(ui.txtip1->font(), s.y(longName ? 16 : 20)));
    ui.txtip2->setFont(pointSized(ui.txtip2->font(), s.y(longName ? 16 : 20)));
    ui.txttips->setFont(pointSized(ui.txttips->font(), s.y(18)));

    for (QLayout* l : {ui.hlfrmlang, ui.hlfrmaudio, ui.hlfrmsetting, ui.hlfrmlogout, ui.hlfrmtips, ui.hlfrmtandem})
        l->setContentsMargins(s.x(20), s.y(10), s.x(20), s.y(10));
    const std::pair<QSpacerItem*, int> spacers[]
        = {{ui.hsAdmin, 10}, {ui.hsAdminText, 20}, {ui.hsNasType, 20}, {ui.hsLang, 16}, {ui.hsAudio, 16},
            {ui.hsSetting, 16}, {ui.hsTandem, 16}, {ui.hsLangLead, 16}, {ui.hsAudioLead, 16}, {ui.hsSettingLead, 16},
            {ui.hsTandemLead, 16}, {ui.hsLogout, 30}, {ui.hsLogoutLead, 30}, {ui.hsTips, 15}, {ui.hsClock, 20}};
    for (const auto& [spacer, width] : spacers)
        spacer->changeSize(s.x(width), 1, QSizePolicy::Fixed, QSizePolicy::Minimum);
    ui.hlTitle->setSpacing(s.x(12));
    ui.hlTitle->invalidate();

    ui.vlfrmMain->setContentsMargins(s.x(100), s.y(20), s.x(100), 0);
    ui.labwaiting->setGeometry(s.x(675), s.y(274), s.x(150), s.y(150));
    ui.labwaiting->raise();
}

void HomeLayout::showWallpaper(int number) { m_wallpaper->show(number); }

void HomeLayout::showUserPicture(const QPixmap& userPicture, const QSize& size)
{
    ui.labadmin->setPixmap(scaledToHeight(userPicture, ScreenScale(size).yUp(50)));
}

void HomeLayout::shadows(int screenWidth)
{
    const ScreenScale s(screenWidth, 1080);
    auto shadow = [&](QWidget* label) {
        auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(label->graphicsEffect());
        if (!effect) {
            effect = new QGraphicsDropShadowEffect(label);
            effect->setColor(QColor(0, 0, 0, 210));
            label->setGraphicsEffect(effect);
        }
        effect->setBlurRadius(s.x(5, 2));
        effect->setOffset(s.x(1, 1), s.x(1, 1));
    };
    for (QWidget* label : {ui.txtclock, ui.txtip1, ui.txtip2, ui.txthost, ui.txtnastype})
        if (!label->isHidden())
            shadow(label);
    shadow(ui.txtadmin);

    const QString style = QStringLiteral(
        "#%3{background:rgba(255,255,255,25);border-radius:%1px;}#%3:focus{border: %2px solid rgb(0, 216, "
        "255);border-radius:%1px;}");
    for (QFrame* f : {ui.frmlang, ui.frmsetting, ui.frmlogout, ui.frmaudio, ui.frmtandem})
        setSheet(f, style.arg(s.x(10, 5)).arg(s.x(6, 2)).arg(f->objectName()));
    setSheet(ui.frmtips, style.arg(s.x(10, 4)).arg(s.x(4, 2)).arg(ui.frmtips->objectName()));
}
