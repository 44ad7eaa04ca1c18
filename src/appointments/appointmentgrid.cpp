#include "appointments/appointmentgrid.h"

#include "app/windowgeometry.h"
#include "appointments/dialogpatientrv.h"
#include "appointments/gridcanvas.h"
#include "data/sql.h"
#include "patients/dialogfindpatient.h"
#include "widgets/look.h"
#include "widgets/savefailure.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSqlField>
#include <QSqlRecord>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int workingDays = 5;

QSqlRecord guardOf(const QString& column, const QVariant& value) {
    QSqlRecord record;
    record.append(QSqlField(column, QMetaType(QMetaType::QString)));
    record.setValue(0, value);
    return record;
}

} // namespace

AppointmentGrid::AppointmentGrid(int user, QWidget* parent)
    : QDialog(parent), userId(user), settings(gridsettings::load()) {
    setObjectName(QStringLiteral("AppointmentGrid"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1200, 720);

    previousButton = new QPushButton(QStringLiteral("◀"), this);
    previousButton->setObjectName(QStringLiteral("previousDayButton"));
    dateEdit = new QDateEdit(QDate::currentDate(), this);
    dateEdit->setObjectName(QStringLiteral("gridDateEdit"));
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("dddd dd-MM-yyyy"));
    dateEdit->setMinimumWidth(220);
    nextButton = new QPushButton(QStringLiteral("▶"), this);
    nextButton->setObjectName(QStringLiteral("nextDayButton"));
    todayButton = new QPushButton(this);
    todayButton->setObjectName(QStringLiteral("todayButton"));
    weekBox = new QCheckBox(this);
    weekBox->setObjectName(QStringLiteral("weekCheckBox"));
    printButton = new QPushButton(QIcon(QStringLiteral(":/icons/fileprint.png")), QString(), this);
    printButton->setObjectName(QStringLiteral("printGridButton"));
    printButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    grid = new GridCanvas(this);
    grid->setObjectName(QStringLiteral("gridCanvas"));

    shownLabel = new QLabel(this);
    shownLabel->setObjectName(QStringLiteral("gridAppointmentLabel"));
    shownLabel->setStyleSheet(QStringLiteral("color: rgb(85, 0, 255);"));
    markLabel = new QLabel(this);
    waitingButton = new QPushButton(QIcon(QStringLiteral(":/icons/user-group-icon.png")), QString(), this);
    waitingButton->setObjectName(QStringLiteral("gridAttenteButton"));
    presentButton = new QPushButton(QIcon(QStringLiteral(":/icons/standardbutton-apply-32.png")), QString(), this);
    presentButton->setObjectName(QStringLiteral("gridPresentButton"));
    absentButton = new QPushButton(QIcon(QStringLiteral(":/icons/standardbutton-cancel-32.png")), QString(), this);
    absentButton->setObjectName(QStringLiteral("gridAbsentButton"));
    closeButton = new QPushButton(QIcon(QStringLiteral(":/icons/standardbutton-cancel-32.png")), QString(), this);
    closeButton->setObjectName(QStringLiteral("closeGridButton"));
    for (QPushButton* button : {previousButton, nextButton, todayButton, printButton, waitingButton, presentButton,
                                absentButton, closeButton})
        button->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(previousButton);
    top->addWidget(dateEdit);
    top->addWidget(nextButton);
    top->addWidget(todayButton);
    top->addSpacing(12);
    top->addWidget(weekBox);
    top->addStretch(1);
    top->addWidget(printButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(shownLabel, 1);
    bottom->addWidget(markLabel);
    bottom->addWidget(waitingButton);
    bottom->addWidget(presentButton);
    bottom->addWidget(absentButton);
    bottom->addSpacing(12);
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);

    choosePatient = [this] {
        DialogFindPatient search(userId, this);
        return search.exec() == QDialog::Accepted ? search.selectedPatientNum() : 0;
    };

    connect(previousButton, &QPushButton::clicked, this,
            [this] { showDay(day().addDays(weekBox->isChecked() ? -7 : -1)); });
    connect(nextButton, &QPushButton::clicked, this, [this] { showDay(day().addDays(weekBox->isChecked() ? 7 : 1)); });
    connect(todayButton, &QPushButton::clicked, this, [this] { showDay(QDate::currentDate()); });
    connect(dateEdit, &QDateEdit::dateChanged, this, &AppointmentGrid::reload);
    connect(weekBox, &QCheckBox::toggled, this, &AppointmentGrid::reload);
    connect(printButton, &QPushButton::clicked, this, &AppointmentGrid::print);
    connect(closeButton, &QPushButton::clicked, this, &AppointmentGrid::close);
    connect(grid, &GridCanvas::currentChanged, this, &AppointmentGrid::showCurrent);
    connect(grid, &GridCanvas::openRequested, this, &AppointmentGrid::open);
    connect(grid, &GridCanvas::moveRequested, this, &AppointmentGrid::move);
    connect(grid, &GridCanvas::dayStepRequested, this,
            [this](int days) { showDay(day().addDays(weekBox->isChecked() ? days * 7 : days)); });
    connect(waitingButton, &QPushButton::clicked, this,
            [this] { mark(QStringLiteral(" update Rendezvous  set  Etat = 'En attente'   where  rvNum = ")); });
    connect(presentButton, &QPushButton::clicked, this,
            [this] { mark(QStringLiteral(" update Rendezvous  set  Etat = 'Présent'   where  rvNum = ")); });
    connect(absentButton, &QPushButton::clicked, this,
            [this] { mark(QStringLiteral(" update Rendezvous  set  Etat = 'Absent'   where  rvNum = ")); });

    changeTimer = new QTimer(this);
    changeTimer->setObjectName(QStringLiteral("gridChangeTimer"));
    changeTimer->setInterval(changeCheckMs);
    connect(changeTimer, &QTimer::timeout, this, &AppointmentGrid::checkForChanges);
    changeTimer->start();

    retranslate();
    reload();
    restoreWindowGeometry(this);
    grid->setFocus();
}

AppointmentGrid::~AppointmentGrid() = default;

void AppointmentGrid::retranslate() {
    setWindowTitle(tr("Grille des rendez-vous"));
    previousButton->setToolTip(tr("Jour précédent (Page précédente)"));
    nextButton->setToolTip(tr("Jour suivant (Page suivante)"));
    todayButton->setText(tr("Aujourd'hui"));
    weekBox->setText(tr("&Semaine"));
    printButton->setText(tr("Im&primer"));
    printButton->setToolTip(tr("Imprimer la grille (Ctrl+P)"));
    markLabel->setText(tr("Marquer : "));
    // The states keep their stored names, as in the appointment book.
    waitingButton->setText(QStringLiteral("En attente"));
    presentButton->setText(QStringLiteral("Présent"));
    absentButton->setText(QStringLiteral("Absent"));
    closeButton->setText(tr("&Fermer"));
    grid->setToolTip(tr("Double clic ou Entrée : ouvrir ou prendre un rendez-vous ; glisser : déplacer ; "
                        "Page précédente / suivante : changer de jour"));
    showCurrent();
}

void AppointmentGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void AppointmentGrid::closeEvent(QCloseEvent* event) {
    saveWindowGeometry(this);
    event->accept();
}

void AppointmentGrid::showDay(const QDate& newDay) {
    dateEdit->setDate(newDay);
}

QDate AppointmentGrid::day() const {
    return dateEdit->date();
}

void AppointmentGrid::setWeek(bool week) {
    weekBox->setChecked(week);
}

QVector<QDate> AppointmentGrid::shownDays() const {
    const QDate chosen = day();
    if (!weekBox->isChecked())
        return {chosen};
    QVector<QDate> days;
    const QDate monday = chosen.addDays(1 - chosen.dayOfWeek());
    for (int i = 0; i < workingDays; ++i)
        days.append(monday.addDays(i));
    return days;
}

void AppointmentGrid::reload() {
    const QVector<QDate> days = shownDays();
    // The mark is read before the rows, so that a change written between the two is seen at the next check.
    lastMark = appointmentday::changeMark(days.first(), days.last());
    grid->setGridLayout(GridLayout(appointmentday::read(days.first(), days.last()), days, appointmentday::doctors(),
                                   settings.slotMinutes, settings.opens, settings.closes));
    if (days == loadedDays)
        return;
    // Another day opens on its first appointment, or on the hour now when it has none.
    loadedDays = days;
    const GridLayout& shown = grid->gridLayout();
    if (!shown.placed().isEmpty())
        grid->setCurrent(shown.placed().first().column, shown.placed().first().slot, 0);
    else
        grid->setCurrent(0, shown.slotOf(QTime::currentTime()));
}

bool AppointmentGrid::checkForChanges() {
    const QVector<QDate> days = shownDays();
    const QVariant mark = appointmentday::changeMark(days.first(), days.last());
    if (mark.isValid() && mark == lastMark)
        return false;
    lastMark = mark;
    const QVector<appointmentday::Appointment> now = appointmentday::read(days.first(), days.last());
    if (now == grid->gridLayout().appointments())
        return false;
    grid->setGridLayout(
        GridLayout(now, days, appointmentday::doctors(), settings.slotMinutes, settings.opens, settings.closes));
    return true;
}

const appointmentday::Appointment* AppointmentGrid::appointment(int rvNum) const {
    for (const appointmentday::Appointment& a : grid->gridLayout().appointments())
        if (a.rvNum == rvNum)
            return &a;
    return nullptr;
}

void AppointmentGrid::showCurrent() {
    const appointmentday::Appointment* current = appointment(grid->currentAppointment());
    for (QPushButton* button : {waitingButton, presentButton, absentButton})
        button->setEnabled(current != nullptr);
    if (!current) {
        const QDateTime slot = grid->gridLayout().slotStart(grid->currentColumn(), grid->currentSlot());
        shownLabel->setText(slot.isValid() ? QLocale().toString(slot, QString::fromLatin1(look::dateTimeFormat)) +
                                                 QStringLiteral(" | ") + tr("libre")
                                           : QString());
        return;
    }
    shownLabel->setText(current->patientName + QStringLiteral(" | ") +
                        QLocale().toString(current->when, QString::fromLatin1(look::dateTimeFormat)) +
                        QStringLiteral(" | ") + current->treatment + QStringLiteral(" | ") + current->state);
}

void AppointmentGrid::open(int column, int slot, int rvNum) {
    if (rvNum) {
        const appointmentday::Appointment* chosen = appointment(rvNum);
        if (!chosen)
            return;
        DialogPatientRV booking(userId, chosen->patientNum, rvNum, this);
        booking.exec();
        reload();
        grid->selectAppointment(rvNum);
        return;
    }
    const QDateTime when = grid->gridLayout().slotStart(column, slot);
    if (!when.isValid())
        return;
    changeTimer->stop();
    const int patient = choosePatient ? choosePatient() : 0;
    if (patient > 0) {
        DialogPatientRV booking(userId, patient, 0, this);
        booking.presetWhen(when);
        // A slot in a doctor's column books with that doctor; the column of no doctor keeps the dialog's own choice.
        const QString doctor = grid->gridLayout().columns().at(column).doctor;
        if (!doctor.isEmpty())
            booking.presetDoctor(doctor);
        booking.exec();
    }
    changeTimer->start();
    reload();
    grid->setCurrent(column, slot, 0);
}

void AppointmentGrid::move(int rvNum, int column, int slot) {
    const appointmentday::Appointment* moved = appointment(rvNum);
    const GridLayout& shown = grid->gridLayout();
    if (!moved || column < 0 || column >= shown.columns().size())
        return;
    const QDateTime to(shown.columns().at(column).day,
                       shown.slotTime(slot).addSecs(moved->when.time().minute() % shown.slotMinutes() * 60));
    // The move is written only over the time and doctor on show: a move made meanwhile on another
    // workstation is not undone unseen.
    QSqlRecord loaded = guardOf(QStringLiteral("RVDate"), moved->storedWhen);
    loaded.append(QSqlField(QStringLiteral("Médecin"), QMetaType(QMetaType::QString)));
    loaded.setValue(1, moved->storedDoctor);
    const sql::Outcome outcome = sql::writeIfUnchanged(
        QStringLiteral(" update Rendezvous  set  rvdate = '") + to.toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")) +
            QStringLiteral("' ,  Médecin = ?  where  rvNum = ") + QString::number(rvNum),
        loaded, {QVariant(shown.columns().at(column).doctor)});
    reload();
    grid->selectAppointment(rvNum);
    if (outcome == sql::Outcome::Changed)
        QMessageBox::warning(this, tr("Avertissement "),
                             tr("Un autre poste a changé ce rendez-vous entre-temps : la grille montre maintenant "
                                "ce qui est enregistré."));
    else
        savefailure::report(this, outcome);
}

void AppointmentGrid::mark(const QString& statement) {
    const int rvNum = grid->currentAppointment();
    const appointmentday::Appointment* current = appointment(rvNum);
    if (!current)
        return;
    const sql::Outcome outcome =
        sql::writeIfUnchanged(statement + QString::number(rvNum), guardOf(QStringLiteral("Etat"), current->state));
    reload();
    grid->selectAppointment(rvNum);
    if (outcome == sql::Outcome::Changed)
        QMessageBox::warning(this, tr("Avertissement "),
                             tr("Un autre poste a changé ce rendez-vous entre-temps : la grille montre maintenant "
                                "ce qui est enregistré."));
    else
        savefailure::report(this, outcome);
}

void AppointmentGrid::printTo(QPrinter* printer) const {
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Landscape);
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    const QRect page = painter.viewport();
    const QVector<QDate> days = shownDays();
    QString title = QLocale().toString(days.first(), QStringLiteral("dddd dd-MM-yyyy"));
    if (days.size() > 1)
        title = tr("Semaine du %1 au %2")
                    .arg(QLocale().toString(days.first(), QStringLiteral("dd-MM-yyyy")),
                         QLocale().toString(days.last(), QStringLiteral("dd-MM-yyyy")));
    QFont titleFont(QString::fromLatin1(look::fontFamily), 14, QFont::Bold);
    painter.setFont(titleFont);
    const int titleHeight = QFontMetrics(titleFont, printer).height() * 3 / 2;
    painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Rendez-vous : %1").arg(title));
    const GridLayout& shown = grid->gridLayout();
    const QSize area(page.width(), page.height() - titleHeight);
    // Two lines of text fit in every slot, however many slots the day holds.
    const int rowHeight = (area.height() * 10 / 12) / std::max(1, shown.slotCount() + 1);
    QFont body(QString::fromLatin1(look::fontFamily));
    body.setPixelSize(std::clamp(rowHeight * 2 / 5, 8, printer->resolution() / 6));
    painter.setFont(body);
    painter.translate(page.left(), page.top() + titleHeight);
    GridCanvas::drawWhole(painter, shown, area);
}

void AppointmentGrid::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    changeTimer->stop();
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Aperçu avant impression"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { printTo(target); });
    preview.exec();
    changeTimer->start();
}
