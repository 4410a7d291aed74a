// Marlune: a desktop book of dates that come back every year.
#include "UApplicationWindows.h"
#include "UQtPlatform.h"

#include <QIcon>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int GSignalPipe[2] = {-1, -1};

void OnTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(GSignalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT close the main window the normal way, so that its close
// handler stores what it stores, and the program then ends with status 0.
void CloseOnTerminate(QWidget& mainWindow)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, GSignalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(GSignalPipe[0], QSocketNotifier::Read, &mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, &mainWindow, [&mainWindow] {
        char byte;
        [[maybe_unused]] const auto got = ::read(GSignalPipe[0], &byte, 1);
        // Open dialogs are cancelled first, so that their modal loops end, and the
        // main window then closes once control is back in the main loop.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) dialog->reject();
        }
        QTimer::singleShot(0, &mainWindow, &QWidget::close);
    });
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TApplication::setApplicationName(QStringLiteral("Marlune"));
    TApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/main/Marlune.svg")));
    app.LoadQtTranslation();

    TQtPlatform platform;
    std::unique_ptr<TApplicationWindows> windows;
    try {
        windows = std::make_unique<TApplicationWindows>(platform);
    } catch (const std::exception& failure) {
        // Start-up is not guarded: report the failure and end before any window shows.
        platform.ShowError(QStringLiteral("Marlune を起動できません。\n%1").arg(FailureText(failure)));
        return 1;
    }
    app.SetPlatform(&platform);
    CloseOnTerminate(*windows->frmMain);
    windows->frmMain->show();
    return app.exec();
}
