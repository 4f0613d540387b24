#pragma once
// Runs the real qvk-calc as a script would, for tests that work in Qt's
// strings: its exit status and what it wrote. Needs QVK_CALC_PATH.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CalcRun {
    int status = -1;  // -1 when it did not end by itself within a minute
    QString out;
    QString err;
};

// Removed: no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM, as on a server.
enum class DisplayAccess { Inherited, Removed };

inline CalcRun runQvkCalc(const QStringList& arguments, DisplayAccess display = DisplayAccess::Inherited)
{
    QProcess process;
    if (display == DisplayAccess::Removed) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(variable);
        process.setProcessEnvironment(environment);
    }
    process.start(QVK_CALC_PATH, arguments);
    CalcRun run;
    if (!process.waitForFinished(60000)) return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
