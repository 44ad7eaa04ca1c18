// Times what a user waits for, through the windows' own code under the offscreen platform, on an office of
// two years and one of twenty: each key typed in the search lines, a day change in the booking calendar, the
// receipts and their period, the patient form for every role, the main window after the login. Beside each,
// the statements the window ran go once more through the plain SQLite library, reading as many rows as the
// window read, and the table shows the ratio.
//
//   bench_lists [OFFICE_2_YEARS OFFICE_20_YEARS]
// Without arguments the two offices are made with kelvora-db in a temporary folder. An office on a server is
// given by its location; its statements have no plain SQLite time.

#include "accounting/sumformdialog.h"
#include "appointments/dialogpatientrv.h"
#include "appointments/dialogrendezvous.h"
#include "data/database.h"
#include "data/listmodel.h"
#include "data/server.h"
#include "mainwindow/mainwindow.h"
#include "patients/dialogaddupdatepatient.h"
#include "patients/dialogfindpatient.h"
#include "visits/dialogvisite.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int runs = 3;          // each scenario is played this many times
constexpr int plainRepeats = 5;  // and its statements this many times through plain SQLite
constexpr int calendarDays = 10; // day changes per run in the booking calendar

// ---- Statements the windows run ------------------------------------------------------------------------------

struct Statement {
    QString text;
    int rows = -1; // rows the window read; -1 for all
};
std::vector<Statement> captured;

// The program writes every statement it runs itself to the category kelvora.sql; the rest is silenced.
void captureStatements(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!context.category || qstrcmp(context.category, "kelvora.sql") != 0)
        return;
    if (type == QtDebugMsg)
        captured.push_back({message, -1});
    else
        std::fprintf(stderr, "failed: %s\n", qPrintable(message));
}

const QLoggingCategory statementLog("kelvora.sql");

// The statement behind every list of the window, with the rows it has read so far.
void captureLists(QWidget* window) {
    QSet<QAbstractItemModel*> seen; // a table's headers show its model too
    for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
        QAbstractItemModel* model = view->model();
        if (!model || seen.contains(model))
            continue;
        seen.insert(model);
        if (auto* list = qobject_cast<ListModel*>(model)) {
            // The statement log holds the pages a list read during the sample; without the log, every list's
            // first page is read again.
            if (!statementLog.isDebugEnabled() && !list->tableName().isEmpty())
                captured.push_back({list->selectStatement(), list->rowCount()});
        } else if (auto* query = qobject_cast<QSqlQueryModel*>(model)) {
            if (!query->query().lastQuery().isEmpty())
                captured.push_back({query->query().lastQuery(), query->rowCount()});
        }
    }
}

// The same statements through the plain library: datevalue() is the program's own, so its constant
// arguments are written as the days they stand for; like is the library's own.
double plainMilliseconds(sqlite3* db, const std::vector<Statement>& statements) {
    if (!db) // an office on a server
        return -1;
    static const QRegularExpression datevalue(
        QStringLiteral(R"(datevalue\('(?:(\d\d)-(\d\d)-(\d\d\d\d)|(\d\d\d\d-\d\d-\d\d))'\))"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<double> times;
    for (int repeat = 0; repeat < plainRepeats; ++repeat) {
        QElapsedTimer timer;
        timer.start();
        for (const Statement& statement : statements) {
            QString text = statement.text;
            QRegularExpressionMatch match;
            while ((match = datevalue.match(text)).hasMatch()) {
                const QString day = match.captured(4).isEmpty()
                                        ? match.captured(3) + '-' + match.captured(2) + '-' + match.captured(1)
                                        : match.captured(4);
                text.replace(match.capturedStart(), match.capturedLength(), "'" + day + "'");
            }
            const QByteArray utf8 = text.toUtf8();
            sqlite3_stmt* prepared = nullptr;
            if (sqlite3_prepare_v2(db, utf8.constData(), -1, &prepared, nullptr) != SQLITE_OK)
                return -1;
            for (int row = 0; (statement.rows < 0 || row < statement.rows) && sqlite3_step(prepared) == SQLITE_ROW;
                 ++row)
                for (int column = 0; column < sqlite3_column_count(prepared); ++column)
                    sqlite3_column_text(prepared, column);
            sqlite3_finalize(prepared);
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// ---- Timing --------------------------------------------------------------------------------------------------

struct Result {
    std::vector<double> samples;
    double plain = -1; // median of one sample's statements through plain SQLite, when they are known
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double maximum(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Runs the action and the events it leaves (layout, painting): what the user waits for.
// With BENCH_CPU set, the processor time of the process instead: on a machine shared with other work, the
// wall clock also counts the time the others took.
double timed(const std::function<void()>& action) {
    static const bool processorTime = qEnvironmentVariableIsSet("BENCH_CPU");
    const auto cpuNow = [] {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    };
    const double cpuStart = cpuNow();
    QElapsedTimer timer;
    timer.start();
    action();
    QCoreApplication::processEvents();
    return processorTime ? cpuNow() - cpuStart : timer.nsecsElapsed() / 1e6;
}

// One key, as the keyboard sends it: accented letters come as text.
void typeCharacter(QWidget* widget, QChar c) {
    if (c.unicode() < 0x80) {
        QTest::keyClick(widget, char(c.unicode()));
        return;
    }
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Types the text key by key; one sample per key.
void typeKeys(QLineEdit* line, const QString& text, Result& result, QWidget* window, sqlite3* plain) {
    line->setFocus();
    line->clear();
    QCoreApplication::processEvents();
    for (const QChar c : text) {
        captured.clear();
        result.samples.push_back(timed([&] { typeCharacter(line, c); }));
        captureLists(window);
    }
    // The time of each key, and the statements of the last key, the most selective.
    if (qEnvironmentVariableIsSet("BENCH_SHOW")) {
        for (int i = 0; i < text.size(); ++i)
            std::fprintf(stderr, "%s %.1f ms\n", qPrintable(text.left(i + 1)),
                         result.samples[result.samples.size() - text.size() + i]);
        for (const Statement& st : captured)
            std::fprintf(stderr, "%d: %s\n", st.rows, qPrintable(st.text));
    }
    if (plain)
        result.plain = plainMilliseconds(plain, captured);
}

// ---- The office ----------------------------------------------------------------------------------------------

struct Office {
    QString path;
    sqlite3* plain = nullptr;
    std::map<int, int> userOfRole;
    int patient = 0; // a patient with several visits
    QString surname; // his surname, and his name in full
    QString fullName;
    QString street;        // three words of his address
    QString bookedToday;   // the surname of a patient booked today
    QString visitDay;      // a day of a visit of the newest patient, as the user types it
    int fewActsDoctor = 0; // a doctor with few acts, and a first-role user with none
    int idleFirstRole = 0;
};

int value(const QString& statement) {
    QSqlQuery query;
    return query.exec(statement) && query.next() ? query.value(0).toInt() : 0;
}

QString text(const QString& statement) {
    QSqlQuery query;
    return query.exec(statement) && query.next() ? query.value(0).toString() : QString();
}

bool openOffice(Office& office) {
    QSqlDatabase db = database::addDefaultConnection();
    db.setDatabaseName(office.path);
    if (!database::open(db))
        return false;
    for (int role = 1; role <= 4; ++role)
        office.userOfRole[role] = value(QStringLiteral("select max(id) from user where Role = %1").arg(role));
    office.patient = value(QStringLiteral("select PatientNum from Visites where VisiteNum = "
                                          "(select max(VisiteNum) / 2 from Visites)"));
    office.fullName = text(QStringLiteral("select Nom from Patients where Num = %1").arg(office.patient));
    office.surname = office.fullName.section(' ', 0, 0);
    office.street = text(QStringLiteral("select Adresse from Patients where Num = %1").arg(office.patient))
                        .section(", ", 1, 1)
                        .section(' ', 0, 2);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    office.bookedToday =
        text(QStringLiteral("select Nom from vRendezvous where RVDate = '%1' order by RVNum limit 1").arg(today))
            .section(' ', 0, 0);
    office.visitDay = QDateTime::fromString(text(QStringLiteral("select min(VDate) from Visites where "
                                                                "PatientNum = (select max(Num) from Patients)")),
                                            Qt::ISODate)
                          .toString(QStringLiteral("dd-MM-yyyy"));
    office.fewActsDoctor = value(QStringLiteral("select id from user where Name = 'Dr Meziane'"));
    office.idleFirstRole = value(QString::fromUtf8("select id from user where Name = 'Gérant'"));
    if (server::isLocation(office.path))
        return true;
    const QByteArray file = office.path.toUtf8();
    if (sqlite3_open_v2(file.constData(), &office.plain, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return false;
    // The plain library keeps as many pages in memory as the program does.
    const QByteArray cacheSize = "PRAGMA cache_size = -" + QByteArray::number(database::PageCacheKiB);
    return sqlite3_exec(office.plain, cacheSize.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

void closeOffice(Office& office) {
    sqlite3_close(office.plain);
    office.plain = nullptr;
    database::closeDefaultConnection();
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void showAndWait(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "%s was not shown\n", window->metaObject()->className());
}

template <typename T> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

// ---- Scenarios -----------------------------------------------------------------------------------------------

using Scenario = std::function<void(Office&, Result&)>;

void findPatient(Office& office, Result& result, const QString& words, int role) {
    DialogFindPatient dialog(office.userOfRole[role]);
    showAndWait(&dialog);
    typeKeys(child<QLineEdit>(&dialog, "patientlineEdit"), words, result, &dialog, office.plain);
}

// The main window of a doctor who sees everything, opened on the page the scenario uses.
void withMainWindow(Office& office, const std::function<void(MainWindow&)>& action) {
    MainWindow window(office.userOfRole[1], QSqlDatabase::database());
    showAndWait(&window);
    action(window);
}

const std::vector<std::pair<const char*, Scenario>> scenarios = {
    {"find patient, one word (surname), per key",
     [](Office& o, Result& r) { findPatient(o, r, o.surname.toLower(), 1); }},
    {"find patient, two words (name), per key", [](Office& o, Result& r) { findPatient(o, r, o.fullName, 1); }},
    {"find patient, three words (street), per key", [](Office& o, Result& r) { findPatient(o, r, o.street, 1); }},
    // The first two keys, where no three letters in a row narrow the search: rare letters and common ones.
    {"find patient, first two keys, rare letters",
     [](Office& o, Result& r) { findPatient(o, r, QString::fromUtf8("çe"), 1); }},
    {"find patient, first two keys, common letters", [](Office& o, Result& r) { findPatient(o, r, "ma", 1); }},
    {"all visits, first two keys, rare letters",
     [](Office& o, Result& r) {
         withMainWindow(o, [&](MainWindow& w) {
             child<QAction>(&w, "actionVisites")->trigger();
             typeKeys(child<QLineEdit>(&w, "lineEditParVisite"), QString::fromUtf8("çe"), r, &w, o.plain);
         });
     }},
    {"all visits, first two keys, common letters",
     [](Office& o, Result& r) {
         withMainWindow(o, [&](MainWindow& w) {
             child<QAction>(&w, "actionVisites")->trigger();
             typeKeys(child<QLineEdit>(&w, "lineEditParVisite"), QStringLiteral("ma"), r, &w, o.plain);
         });
     }},
    {"find patient as reception, name, per key", [](Office& o, Result& r) { findPatient(o, r, o.fullName, 3); }},
    {"patient's visits, a day typed, per key",
     [](Office& o, Result& r) {
         withMainWindow(o, [&](MainWindow& w) {
             // The window opens on the newest patient.
             typeKeys(child<QLineEdit>(&w, "lineEditFiltreVisite"), o.visitDay.left(5), r, &w, o.plain);
         });
     }},
    {"visit's acts, an act typed, per key",
     [](Office& o, Result& r) {
         withMainWindow(o, [&](MainWindow& w) {
             auto* panel = w.findChild<DialogVisite*>();
             typeKeys(child<QLineEdit>(panel, "lineEditFiltreVisite"), QStringLiteral("extrac"), r, panel, o.plain);
         });
     }},
    {"all visits, a surname typed, per key",
     [](Office& o, Result& r) {
         withMainWindow(o, [&](MainWindow& w) {
             child<QAction>(&w, "actionVisites")->trigger();
             typeKeys(child<QLineEdit>(&w, "lineEditParVisite"), o.surname, r, &w, o.plain);
         });
     }},
    {"today's appointments, a surname typed, per key",
     [](Office& o, Result& r) {
         withMainWindow(o, [&](MainWindow& w) {
             child<QAction>(&w, "actionTous_les_Rendez_vous")->trigger();
             typeKeys(child<QLineEdit>(&w, "lineEdit"), o.bookedToday, r, &w, o.plain);
         });
     }},
    {"all appointments, a surname typed, per key",
     [](Office& o, Result& r) {
         withMainWindow(o, [&](MainWindow& w) {
             child<QAction>(&w, "actionTous_les_Rendez_vous")->trigger();
             child<QCheckBox>(&w, "checkBox")->setChecked(false);
             typeKeys(child<QLineEdit>(&w, "lineEdit"), o.bookedToday, r, &w, o.plain);
         });
     }},
    {"patient's appointments, a treatment typed, per key",
     [](Office& o, Result& r) {
         DialogRendezVous dialog(o.patient, 1, o.userOfRole[1]);
         showAndWait(&dialog);
         typeKeys(child<QLineEdit>(&dialog, "lineEdit"), QStringLiteral("contr"), r, &dialog, o.plain);
     }},
    {"booking calendar, a day change",
     [](Office& o, Result& r) {
         DialogPatientRV dialog(o.userOfRole[3], o.patient, 0);
         showAndWait(&dialog);
         auto* view = child<QCalendarWidget>(&dialog, "calendarWidget")->findChild<QTableView*>();
         view->setFocus();
         for (int day = 0; day < calendarDays; ++day) {
             captured.clear();
             r.samples.push_back(timed([&] { QTest::keyClick(view, Qt::Key_Right); }));
             captureLists(&dialog);
         }
         r.plain = plainMilliseconds(o.plain, captured);
     }},
    {"receipts, opening (doctor of role 2)",
     [](Office& o, Result& r) {
         captured.clear();
         std::unique_ptr<sumFormDialog> dialog;
         r.samples.push_back(timed([&] {
             dialog = std::make_unique<sumFormDialog>(o.userOfRole[2]);
             showAndWait(dialog.get());
         }));
         captureLists(dialog.get());
         r.plain = plainMilliseconds(o.plain, captured);
     }},
    {"receipts, opening (doctor of role 1)",
     [](Office& o, Result& r) {
         captured.clear();
         std::unique_ptr<sumFormDialog> dialog;
         r.samples.push_back(timed([&] {
             dialog = std::make_unique<sumFormDialog>(o.userOfRole[1]);
             showAndWait(dialog.get());
         }));
         captureLists(dialog.get());
         r.plain = plainMilliseconds(o.plain, captured);
     }},
    {"receipts, opening (doctor with few acts)",
     [](Office& o, Result& r) {
         captured.clear();
         std::unique_ptr<sumFormDialog> dialog;
         r.samples.push_back(timed([&] {
             dialog = std::make_unique<sumFormDialog>(o.fewActsDoctor);
             showAndWait(dialog.get());
         }));
         captureLists(dialog.get());
         r.plain = plainMilliseconds(o.plain, captured);
     }},
    {"receipts, opening (first role, no acts)",
     [](Office& o, Result& r) {
         captured.clear();
         std::unique_ptr<sumFormDialog> dialog;
         r.samples.push_back(timed([&] {
             dialog = std::make_unique<sumFormDialog>(o.idleFirstRole);
             showAndWait(dialog.get());
         }));
         captureLists(dialog.get());
         r.plain = plainMilliseconds(o.plain, captured);
     }},
    {"receipts, a change of the period (a month)",
     [](Office& o, Result& r) {
         sumFormDialog dialog(o.userOfRole[1]);
         showAndWait(&dialog);
         auto* start = child<QDateEdit>(&dialog, "dateEdit");
         auto* end = child<QDateEdit>(&dialog, "dateEdit_2");
         const QDate month = QDate(QDate::currentDate().year() - 1, 1, 1);
         for (int m = 0; m < 6; ++m) {
             captured.clear();
             r.samples.push_back(timed([&] { start->setDate(month.addMonths(m)); }));
             r.samples.push_back(timed([&] { end->setDate(month.addMonths(m + 1).addDays(-1)); }));
             captureLists(&dialog);
         }
         r.plain = plainMilliseconds(o.plain, captured);
     }},
};

std::vector<std::pair<QString, Scenario>> formScenarios() {
    std::vector<std::pair<QString, Scenario>> forms;
    for (int role = 1; role <= 4; ++role)
        forms.push_back({QStringLiteral("patient form, opening (role %1)").arg(role), [role](Office& o, Result& r) {
                             captured.clear();
                             std::unique_ptr<DialogAddUpdatePatient> form;
                             r.samples.push_back(timed([&] {
                                 form = std::make_unique<DialogAddUpdatePatient>(o.patient, o.userOfRole[role],
                                                                                 role > 2 ? QStringLiteral("reception")
                                                                                          : QStringLiteral("medecin"));
                                 showAndWait(form.get());
                             }));
                             captureLists(form.get());
                             r.plain = plainMilliseconds(o.plain, captured);
                         }});
    forms.push_back({QStringLiteral("main window, from the login to drawn"), [](Office& o, Result& r) {
                         std::unique_ptr<MainWindow> window;
                         r.samples.push_back(timed([&] {
                             window = std::make_unique<MainWindow>(o.userOfRole[1], QSqlDatabase::database());
                             showAndWait(window.get());
                         }));
                     }});
    return forms;
}

QString makeOffice(const QString& folder, int years) {
    const QString path = folder + QStringLiteral("/office-%1.mdb").arg(years);
    QStringList arguments = {QStringLiteral("create"), path, QStringLiteral("--demo"), QStringLiteral("--years"),
                             QString::number(years)};
    // BENCH_SURNAMES=N makes offices whose patients share N surnames, as in a town of few families.
    const QString surnames = qEnvironmentVariable("BENCH_SURNAMES");
    if (!surnames.isEmpty())
        arguments << QStringLiteral("--surnames") << surnames;
    QProcess tool;
    tool.start(QStringLiteral(KELVORA_DB_TOOL), arguments);
    tool.waitForFinished(600000);
    return tool.exitCode() == 0 ? path : QString();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(captureStatements);

    QTemporaryDir folder;
    QStringList paths = app.arguments().mid(1);
    if (paths.size() != 2) {
        std::printf("making the offices of 2 and 20 years...\n");
        std::fflush(stdout);
        paths = {makeOffice(folder.path(), 2), makeOffice(folder.path(), 20)};
    }
    // The windows read and write word lists under the working folder.
    QDir::setCurrent(folder.path());

    std::vector<std::pair<QString, Scenario>> all;
    for (const auto& [name, scenario] : scenarios)
        all.push_back({QString::fromUtf8(name), scenario});
    for (auto& form : formScenarios())
        all.push_back(form);
    // BENCH_ONLY=text keeps the scenarios whose name holds the text.
    const QString only = qEnvironmentVariable("BENCH_ONLY");
    all.erase(std::remove_if(all.begin(), all.end(), [&](const auto& s) { return !s.first.contains(only); }),
              all.end());

    std::vector<std::vector<Result>> results(2, std::vector<Result>(all.size()));
    long resident = 0;
    for (int o = 0; o < 2; ++o) {
        Office office;
        office.path = paths.at(o);
        if (paths.at(o).isEmpty() || !openOffice(office)) {
            std::fprintf(stderr, "cannot open the office %s\n", qPrintable(paths.at(o)));
            return 1;
        }
        for (std::size_t s = 0; s < all.size(); ++s)
            for (int run = 0; run < runs; ++run) {
                Result one;
                all[s].second(office, one);
                Result& total = results[o][s];
                total.samples.insert(total.samples.end(), one.samples.begin(), one.samples.end());
                if (one.plain >= 0)
                    total.plain = total.plain < 0 ? one.plain : std::min(total.plain, one.plain);
            }
        resident = std::max(resident, residentKilobytes());
        closeOffice(office);
    }

    std::printf("\n| what the user does | 2 years: median / max ms | 20 years: median / max ms | growth | "
                "plain SQLite, 20 years, ms | ratio |\n|---|---|---|---|---|---|\n");
    for (std::size_t s = 0; s < all.size(); ++s) {
        const Result& small = results[0][s];
        const Result& large = results[1][s];
        const double m2 = median(small.samples), m20 = median(large.samples);
        QString plain = QStringLiteral("-"), ratio = QStringLiteral("-");
        if (large.plain > 0) {
            plain = QString::number(large.plain, 'f', 1);
            ratio = QStringLiteral("x") + QString::number(m20 / large.plain, 'f', 1);
        }
        std::printf("| %s | %.1f / %.1f | %.1f / %.1f | x%.1f | %s | %s |\n", qPrintable(all[s].first), m2,
                    maximum(small.samples), m20, maximum(large.samples), m2 > 0 ? m20 / m2 : 0.0, qPrintable(plain),
                    qPrintable(ratio));
    }
    std::printf("\nresident memory at most %.0f MB\n", resident / 1024.0);
    return 0;
}
