#include "x11session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

X11Session::X11Session() = default;

X11Session::~X11Session()
{
    if (game_.state() != QProcess::NotRunning) {
        game_.kill();
        game_.waitForFinished(5000);
    }
    if (xvfb_.state() != QProcess::NotRunning) {
        xvfb_.terminate();
        xvfb_.waitForFinished(5000);
    }
}

bool X11Session::startDisplay()
{
    // Xvfb picks a display nobody holds and writes its number once it takes connections, so tests
    // running side by side never share a server.
    xvfb_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                         QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                         QStringLiteral("tcp")});
    QElapsedTimer waited;
    waited.start();
    while (!xvfb_.canReadLine() && waited.elapsed() < 10000 && xvfb_.state() != QProcess::NotRunning)
        xvfb_.waitForReadyRead(100);
    if (!xvfb_.canReadLine())
        return false;
    display_ = QLatin1Char(':') + QString::fromLatin1(xvfb_.readLine()).trimmed();
    return true;
}

bool X11Session::startGame(const QString& program)
{
    QDir(home_.path()).mkpath(QStringLiteral(".config"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsDir());
    game_.setProcessEnvironment(environment);
    game_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game_.start(program, {});
    return game_.waitForStarted() && !waitForWindow(QStringLiteral("^Игра$"), 30000).isEmpty();
}

QString X11Session::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString X11Session::waitForWindow(const QString& titlePattern, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    do {
        const QString found =
            run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--name"), titlePattern});
        if (!found.isEmpty())
            return found.split(QLatin1Char('\n')).first();
        QThread::msleep(50);
    } while (waited.elapsed() < milliseconds);
    return QString();
}

bool X11Session::windowGone(const QString& titlePattern, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    do {
        if (run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--name"), titlePattern})
                .isEmpty())
            return true;
        QThread::msleep(50);
    } while (waited.elapsed() < milliseconds);
    return false;
}

QRect X11Session::geometry(const QString& window)
{
    QRect rect;
    const QString shell = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        const QString name = line.section(QLatin1Char('='), 0, 0);
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (name == QLatin1String("X"))
            rect.moveLeft(value);
        else if (name == QLatin1String("Y"))
            rect.moveTop(value);
        else if (name == QLatin1String("WIDTH"))
            rect.setWidth(value);
        else if (name == QLatin1String("HEIGHT"))
            rect.setHeight(value);
    }
    return rect;
}

void X11Session::click(const QString& window, QPoint at)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                    QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
                                    QStringLiteral("1")});
}

QImage X11Session::screenshot()
{
    QProcess import;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    import.setProcessEnvironment(environment);
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    import.waitForFinished(10000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}
