#include "x11session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

namespace {

// xprop writes a text property in double quotes, with the bytes it deems unprintable as octal escapes.
QString quotedText(const QString& line)
{
    const int open = line.indexOf(QLatin1Char('"'));
    const int close = line.lastIndexOf(QLatin1Char('"'));
    if (open < 0 || close <= open)
        return QString();
    const QByteArray quoted = line.mid(open + 1, close - open - 1).toUtf8();
    QByteArray bytes;
    for (int i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 3 < quoted.size() && QByteArray("01234567").contains(quoted[i + 1])) {
            bytes += char(quoted.mid(i + 1, 3).toInt(nullptr, 8));
            i += 3;
        } else {
            bytes += quoted[i];
        }
    }
    return QString::fromUtf8(bytes);
}

QList<int> numbers(const QString& text)
{
    QList<int> found;
    const QRegularExpression number(QStringLiteral("-?\\d+"));
    for (auto match = number.globalMatch(text); match.hasNext();)
        found << match.next().captured().toInt();
    return found;
}

} // namespace

X11Session::X11Session() = default;

X11Session::~X11Session()
{
    // Each ends as it would at the end of a session, the X server last, so it leaves no lock behind.
    for (QProcess* process : {&game_, &windowManagerProcess_, &bus_, &xvfb_})
        end(*process);
}

void X11Session::end(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

bool X11Session::startDisplay(QSize screen)
{
    screen_ = screen;
    // Xvfb picks a display nobody holds and writes its number once it takes connections, so tests
    // running side by side never share a server. It never resets: a reset, when the last client has
    // gone (such as one xprop), refuses a window manager that connects at that moment.
    xvfb_.start(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                 QStringLiteral("%1x%2x24").arg(screenSize().width()).arg(screenSize().height()),
                 QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    QElapsedTimer waited;
    waited.start();
    while (!xvfb_.canReadLine() && waited.elapsed() < 10000 && xvfb_.state() != QProcess::NotRunning)
        xvfb_.waitForReadyRead(100);
    if (!xvfb_.canReadLine())
        return false;
    display_ = QLatin1Char(':') + QString::fromLatin1(xvfb_.readLine()).trimmed();
    return true;
}

bool X11Session::startWindowManager(const QString& name)
{
    windowManager_ = name;
    if (name.isEmpty())
        return true;
    QStringList arguments;
    if (name == QLatin1String("openbox")) {
        arguments = {QStringLiteral("--sm-disable")};
    } else {
        // The window managers of the big desktops keep their settings behind a session bus of their own.
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                    QStringLiteral("--address=unix:dir=") + home_.path()});
        if (!bus_.waitForReadyRead(10000))
            return false;
        busAddress_ = QString::fromLatin1(bus_.readLine()).trimmed();
        if (name == QLatin1String("mutter"))
            arguments = {QStringLiteral("--x11"), QStringLiteral("--replace"), QStringLiteral("--sm-disable")};
        else
            arguments = {QStringLiteral("--compositor=off"), QStringLiteral("--sm-client-disable")};
    }
    windowManagerProcess_.setProcessEnvironment(environment());
    windowManagerProcess_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    windowManagerProcess_.setStandardOutputFile(QProcess::nullDevice());
    windowManagerProcess_.start(name, arguments);
    // A window manager announces itself before it has taken over the screen; its list of the windows it
    // manages comes last.
    return windowManagerProcess_.waitForStarted() && waitUntil([this] {
               const QString root = run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-notype")});
               return root.contains(QLatin1String("_NET_SUPPORTING_WM_CHECK: window id"))
                   && root.contains(QLatin1String("_NET_CLIENT_LIST_STACKING"));
           }, 20000);
}

QProcessEnvironment X11Session::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsDir());
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    if (!busAddress_.isEmpty())
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    return environment;
}

bool X11Session::startGame(const QString& program)
{
    QDir(home_.path()).mkpath(QStringLiteral(".config"));
    game_.setProcessEnvironment(environment());
    game_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game_.start(program, {});
    if (game_.waitForStarted() && !settledWindow(QStringLiteral("^Игра$"), 30000).isEmpty())
        return true;
    qWarning("the game's main window never showed; the game is %s; the windows on %s:\n%s",
             game_.state() == QProcess::Running ? "running" : "gone", qPrintable(display_),
             qPrintable(run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")})));
    return false;
}

QString X11Session::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool X11Session::waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    do {
        if (condition())
            return true;
        QThread::msleep(50);
    } while (waited.elapsed() < milliseconds);
    return condition();
}

QString X11Session::waitForWindow(const QString& titlePattern, int milliseconds)
{
    QString found;
    waitUntil([&] {
        found = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                QStringLiteral("--name"), titlePattern})
                    .section(QLatin1Char('\n'), 0, 0);
        return !found.isEmpty();
    }, milliseconds);
    return found;
}

QString X11Session::settledWindow(const QString& titlePattern, int milliseconds)
{
    // The same window at the same place at two looks in a row, and framed where a window manager frames it.
    QString found;
    QRect last;
    waitUntil([&] {
        const QString window = waitForWindow(titlePattern, 0);
        const QRect area = window.isEmpty() ? QRect() : clientArea(window);
        const bool still = !area.isEmpty() && window == found && area == last;
        found = window;
        last = area;
        return still && (!hasWindowManager() || !frameExtents(window).isNull());
    }, milliseconds);
    return found;
}

bool X11Session::windowGone(const QString& titlePattern, int milliseconds)
{
    return waitUntil([&] {
        return run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                               QStringLiteral("--name"), titlePattern})
            .isEmpty();
    }, milliseconds);
}

QString X11Session::hexId(const QString& window)
{
    return QStringLiteral("0x") + QString::number(window.toULongLong(), 16);
}

QString X11Session::title(const QString& window)
{
    return quotedText(run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("-notype"),
                                                    QStringLiteral("_NET_WM_NAME")}));
}

QString X11Session::transientFor(const QString& window)
{
    return windowIn({QStringLiteral("-id"), window, QStringLiteral("WM_TRANSIENT_FOR")});
}

QString X11Session::userTime(const QString& window)
{
    // Where the window manager supports it, the time is kept on a window of its own.
    const QString keeper = windowIn({QStringLiteral("-id"), window, QStringLiteral("_NET_WM_USER_TIME_WINDOW")});
    return run(QStringLiteral("xprop"), {QStringLiteral("-id"), keeper.isEmpty() ? window : keeper, QStringLiteral("-notype"),
                                         QStringLiteral("_NET_WM_USER_TIME")});
}

QRect X11Session::clientArea(const QString& window)
{
    QRect area;
    for (const QString& line : run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}).split(QLatin1Char('\n'))) {
        const QList<int> value = numbers(line.section(QLatin1Char(':'), 1));
        if (value.isEmpty())
            continue;
        if (line.contains(QLatin1String("Absolute upper-left X")))
            area.moveLeft(value[0]);
        else if (line.contains(QLatin1String("Absolute upper-left Y")))
            area.moveTop(value[0]);
        else if (line.trimmed().startsWith(QLatin1String("Width:")))
            area.setWidth(value[0]);
        else if (line.trimmed().startsWith(QLatin1String("Height:")))
            area.setHeight(value[0]);
    }
    return area;
}

QMargins X11Session::frameExtents(const QString& window)
{
    const QString line = run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("-notype"),
                                                       QStringLiteral("_NET_FRAME_EXTENTS")});
    const QList<int> extents = numbers(line.section(QLatin1Char('='), 1));
    // Left, right, top, bottom.
    return extents.size() == 4 ? QMargins(extents[0], extents[2], extents[1], extents[3]) : QMargins();
}

bool X11Session::isMapped(const QString& window)
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}).contains(QLatin1String("IsViewable"));
}

QStringList X11Session::stacking()
{
    const QString line = run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-notype"),
                                                       QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QStringList windows;
    const QRegularExpression id(QStringLiteral("0x[0-9a-f]+"));
    for (auto match = id.globalMatch(line); match.hasNext();)
        windows << match.next().captured();
    return windows;
}

QString X11Session::activeWindow()
{
    return windowIn({QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
}

QString X11Session::windowIn(const QStringList& property)
{
    const QString line = run(QStringLiteral("xprop"), QStringList{QStringLiteral("-notype")} + property);
    const QRegularExpressionMatch id = QRegularExpression(QStringLiteral("0x[0-9a-f]+")).match(line);
    return id.hasMatch() ? QString::number(id.captured().toULongLong(nullptr, 16)) : QString();
}

void X11Session::pointAt(const QString& window, QPoint at)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                    QString::number(at.x()), QString::number(at.y())});
}

void X11Session::click(const QString& window, QPoint at)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                    QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
                                    QStringLiteral("1")});
}

void X11Session::pointAtScreen(QPoint at)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

void X11Session::clickHere()
{
    run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
}

void X11Session::key(const QString& name)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), name});
}

void X11Session::resize(const QString& window, QSize size)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), window, QString::number(size.width()),
                                    QString::number(size.height())});
}

void X11Session::raise(const QString& window)
{
    if (hasWindowManager()) {
        activate(window);
        waitUntil([&] { return activeWindow() == window; });
    } else {
        run(QStringLiteral("xdotool"), {QStringLiteral("windowraise"), window});
    }
}

void X11Session::activate(const QString& window)
{
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-a"), hexId(window)});
}

void X11Session::requestClose(const QString& window)
{
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), hexId(window)});
}

void X11Session::minimise(const QString& window)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), window});
}

void X11Session::setMaximised(const QString& window, bool maximised)
{
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-r"), hexId(window), QStringLiteral("-b"),
                                   (maximised ? QStringLiteral("add") : QStringLiteral("remove"))
                                       + QStringLiteral(",maximized_vert,maximized_horz")});
}

void X11Session::setFrameExtents(const QString& window, const QString& extents)
{
    run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("-f"), QStringLiteral("_NET_FRAME_EXTENTS"),
                                  QStringLiteral("32c"), QStringLiteral("-set"), QStringLiteral("_NET_FRAME_EXTENTS"), extents});
}

QImage X11Session::screenshot(const QString& window)
{
    QProcess import;
    import.setProcessEnvironment(environment());
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), window, QStringLiteral("png:-")});
    import.waitForFinished(10000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage X11Session::shotOf(const QString& window, const std::function<bool(const QImage&)>& shown, int milliseconds)
{
    // Under a compositing window manager the screen is the compositor's picture, which in software on
    // Xvfb now and then stops following the windows; there the window's own picture is read.
    const bool compositing = windowManager_ == QLatin1String("mutter");
    QImage screen;
    QImage shot;
    const bool seen = waitUntil([&] {
        screen = screenshot(compositing ? window : QStringLiteral("root"));
        shot = compositing ? screen : screen.copy(clientArea(window));
        return !shot.isNull() && (!shown || shown(shot));
    }, milliseconds);
    // What the screen showed is kept when the window never showed what was awaited.
    if (!seen)
        screen.save(QStringLiteral("%1-not-shown.png").arg(QLatin1String(QTest::currentTestFunction())));
    return shot;
}
