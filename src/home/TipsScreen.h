#pragma once

#include <QDialog>

#include <array>

namespace Ui {
class TipsScreen;
}

// The full-screen help page: how the home screen is driven with the remote,
// a keyboard or a mouse, and where the appliance's one-touch copy button is.
// The home window creates it at start and shows it from its tips button; both
// close buttons and Escape hide it again. Its form is built when it is first
// shown (or asked for), so the home screen's start does not pay for it.
class TipsScreen : public QDialog
{
    Q_OBJECT

public:
    // irSupported and showOneTouch: the one-touch copy panel is shown only on
    // an appliance with its own receiver, where the button's tool is watched.
    TipsScreen(QString displayName, QWidget* parent, bool irSupported, bool showOneTouch);
    // The receiver's answer came: the one-touch panel shows when the
    // appliance has one (and the screen was made to show it).
    void setOneTouchShown(bool irSupported);
    ~TipsScreen() override;

    // The fronts of the appliance by display name: the first substring found
    // (case-sensitive) picks its picture; an empty picture shows none.
    struct Model_s {
        const char* substring;
        const char* picture;
    };
    static const std::array<Model_s, 7>& models();
    // The border-image style sheet of the front picture for a display name;
    // *known is false when no entry matched and the default picture is used.
    static QString frontSheet(const QString& displayName, bool* known = nullptr);

    Ui::TipsScreen* form();
    void setVisible(bool visible) override;

public slots:
    void on_pbtClose_clicked();
    void on_pbtCloseX_clicked();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildForm_();
    void retranslate_();

    Ui::TipsScreen* ui = nullptr;
    QString m_displayName;
    bool m_oneTouch = false;
    bool m_oneTouchWanted = false;
};
