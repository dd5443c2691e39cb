// The reference of the start-up benchmark: a minimal maximised window with the
// same wallpaper style sheet as the home screen, reporting its first frame the
// same way.
#include "FirstFrame.h"
#include "widgets/ImageResources.h"
#include "widgets/ScreenScale.h"

#include <QApplication>
#include <QPixmapCache>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
class Window : public QWidget
{
public:
    Window() { setObjectName(QStringLiteral("centralwidget")); }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QWidget::paintEvent(e);
        if (m_painted)
            return;
        m_painted = true;
        QTimer::singleShot(0, [] {
            std::fprintf(stderr, "first frame: monotonic_ns=%lld child_wait_ms=0\n", (long long)FirstFrame::nowNs());
            std::fflush(stderr);
        });
    }

private:
    bool m_painted = false;
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ImageResources::registerAll();
    QPixmapCache::setCacheLimit(64 * 1024); // as the home screen does
    app.setStyleSheet(wallpaperStyleSheet(0));
    Window w;
    w.setAttribute(Qt::WA_StyledBackground);
    w.setWindowFlags(w.windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    w.showMaximized();
    return app.exec();
}
