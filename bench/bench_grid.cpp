// Times the day grid's change of day on a large office: Page Down and Page Up in the grid, from the key to
// the end of the events it leaves (the day read, laid out and painted), over the days around today (where
// the demo office books its appointments) and, in week view, the weeks around it. It also times the
// five-second change check when nothing changed.
//
//     build/bench/bench_grid [OFFICE]
//
// Without an office it makes one of 20 years with kelvora-db in a temporary folder.

#include "appointments/appointmentgrid.h"
#include "appointments/gridcanvas.h"
#include "data/database.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int steps = 40;

double timed(const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void report(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    std::printf("| %s | %.2f | %.2f | %zu |\n", what, samples[samples.size() / 2], samples.back(), samples.size());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (path.isEmpty()) {
        std::printf("making an office of 20 years...\n");
        std::fflush(stdout);
        path = folder.path() + QStringLiteral("/office-20.mdb");
        QProcess tool;
        tool.start(QStringLiteral(KELVORA_DB_TOOL), {QStringLiteral("create"), path, QStringLiteral("--demo"),
                                                     QStringLiteral("--years"), QStringLiteral("20")});
        tool.waitForFinished(600000);
        if (tool.exitCode() != 0)
            return 1;
    }
    QSqlDatabase db = database::addDefaultConnection();
    db.setDatabaseName(path);
    if (!database::open(db)) {
        std::fprintf(stderr, "cannot open the office %s\n", qPrintable(path));
        return 1;
    }
    QSqlQuery user;
    user.exec(QStringLiteral("select min(id) from user where Role = 3"));
    user.next();

    AppointmentGrid grid(user.value(0).toInt());
    grid.resize(1280, 800);
    grid.show();
    if (!QTest::qWaitForWindowExposed(&grid))
        return 1;
    GridCanvas* canvas = grid.canvas();
    canvas->setFocus();

    std::printf("\n| what the user does | median ms | max ms | samples |\n|---|---|---|---|\n");
    for (bool week : {false, true}) {
        grid.setWeek(week);
        grid.showDay(QDate::currentDate().addDays(week ? -7 * steps / 4 : -steps / 2));
        QCoreApplication::processEvents();
        std::vector<double> samples;
        for (int i = 0; i < steps; ++i)
            samples.push_back(
                timed([&] { QTest::keyClick(canvas, i < steps / 2 ? Qt::Key_PageDown : Qt::Key_PageUp); }));
        report(week ? "grid, Page Down / Page Up, a week" : "grid, Page Down / Page Up, a day", samples);
    }
    std::vector<double> checks;
    for (int i = 0; i < steps; ++i)
        checks.push_back(timed([&] { grid.checkForChanges(); }));
    report("grid, the change check with nothing changed", checks);
    QSqlQuery count;
    count.exec(QStringLiteral("select count(*) from Rendezvous"));
    count.next();
    std::printf("\n%d appointments in the office\n", count.value(0).toInt());
    return 0;
}
