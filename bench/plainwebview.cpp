// The yardstick for the browser window: a program that shows one page in a plain web view, in a window of the
// browser window's size in the middle of the screen.
#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWebEngineView>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(670, 490),
                                         QGuiApplication::primaryScreen()->availableGeometry()));
    view.load(QUrl(QString::fromLocal8Bit(argc > 1 ? argv[1] : "http://www.virdon.example")));
    view.show();
    return app.exec();
}
