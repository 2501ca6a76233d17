#include "westonsession.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

WestonSession::WestonSession()
    : socket_(QStringLiteral("igra-test")), trace_(home_.path() + QStringLiteral("/wayland-trace"))
{
}

WestonSession::~WestonSession()
{
    for (QProcess* process : {&game_, &weston_})
        X11Session::end(*process);
}

bool WestonSession::start()
{
    if (!screen_.startDisplay(QSize(1280, 1024)))
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), screen_.display());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    weston_.setProcessEnvironment(environment);
    weston_.setProcessChannelMode(QProcess::MergedChannels);
    weston_.start(QStringLiteral("weston"),
                  {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--width=1280"), QStringLiteral("--height=992"),
                   QStringLiteral("--socket=") + socket_, QStringLiteral("--xwayland"), QStringLiteral("--idle-time=0")});
    // Weston says which X display its Xwayland takes once it listens there.
    const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
    QByteArray log;
    const bool up = X11Session::waitUntil([&] {
        weston_.waitForReadyRead(100);
        log += weston_.readAll();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(log));
        if (match.hasMatch())
            xwayland_.attachDisplay(match.captured(1));
        return match.hasMatch() || weston_.state() == QProcess::NotRunning;
    }, 20000);
    if (!up || weston_.state() == QProcess::NotRunning) {
        qWarning("weston did not start:\n%s", log.constData());
        return false;
    }
    return QFile::exists(runtime_.path() + QLatin1Char('/') + socket_);
}

// What every client of this desktop finds: weston's socket and Xwayland's display.
QProcessEnvironment WestonSession::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socket_);
    environment.insert(QStringLiteral("DISPLAY"), xwayland_.display());
    return environment;
}

QString WestonSession::unreachable()
{
    const auto reaches = [this](const QString& client, const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(clientEnvironment());
        process.start(client, arguments);
        // Weston starts Xwayland only when the first X client calls.
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    };
    if (!reaches(QStringLiteral("weston-info"), {}))
        return QStringLiteral("no Wayland client reaches weston's socket");
    if (!reaches(QStringLiteral("xprop"), {QStringLiteral("-root")}))
        return QStringLiteral("no X client reaches Xwayland's display");
    return QString();
}

bool WestonSession::startGame(const QString& program, Platform platform, const QByteArray& qpaPlatform)
{
    QDir(home_.path()).mkpath(QStringLiteral(".config"));
    QProcessEnvironment environment = clientEnvironment();
    environment.insert(QStringLiteral("HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    if (platform == Platform::Native) {
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    }
    if (!qpaPlatform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(qpaPlatform));
    // The trace of every Wayland message the game sends or receives, if it speaks Wayland at all.
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    game_.setProcessEnvironment(environment);
    game_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    game_.setStandardErrorFile(trace_);
    game_.start(program, {});
    return game_.waitForStarted();
}

QString WestonSession::trace() const
{
    QFile trace(trace_);
    return trace.open(QIODevice::ReadOnly) ? QString::fromUtf8(trace.readAll()) : QString();
}

QStringList WestonSession::sent(const QString& name) const
{
    QStringList arguments;
    const QRegularExpression request(QStringLiteral("-> \\w+@\\d+\\.%1\\((.*)\\)").arg(name));
    for (auto match = request.globalMatch(trace()); match.hasNext();)
        arguments << match.next().captured(1);
    return arguments;
}

QString WestonSession::lastWords() const
{
    return trace().trimmed().section(QLatin1Char('\n'), -1);
}

// A move of the pointer in weston's own window moves weston's pointer by as much: brought to the
// top-left corner first, it then goes where it is sent, and back to the corner after the click.
void WestonSession::click(QPoint at)
{
    const QSize screen = screen_.screenSize();
    screen_.pointAtScreen(QPoint(screen.width() - 1, screen.height() - 1));
    screen_.pointAtScreen(QPoint(0, 0));
    screen_.pointAtScreen(QPoint(0, 0));
    screen_.pointAtScreen(at);
    screen_.clickHere();
    // Weston draws its pointer into the screen: parked in the corner, it hides no window.
    screen_.pointAtScreen(QPoint(0, 0));
}
