#pragma once

#include <QDeadlineTimer>
#include <QDialog>
#include <QHash>
#include <QSqlQuery>
#include <QString>

#include <memory>

class ListModel;

namespace Ui {
class LoginUser;
}

// The login: a user name and password checked against the users table, and the database location used at
// the next start. Accepted only on a valid name and password; userId then holds the user's identifier.
class LoginUser : public QDialog {
    Q_OBJECT

public:
    explicit LoginUser(QWidget* parent = nullptr);
    ~LoginUser() override;

    int userId = -1;

    // After this many wrong passwords in a row for one user, that user's next try waits, a little longer
    // each time; the first wait lasts retryDelayUnit milliseconds (the tests shorten it).
    static constexpr int freeAttempts = 5;
    static inline int retryDelayUnit = 1000;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_okPushButton_clicked();
    void on_cancelPushButton_clicked();
    void on_pushButton_clicked();
    void on_radioButton_toggled(bool checked);
    void on_radioButton_3_toggled(bool checked);

private:
    void storeLocation();
    // Counts a wrong password for the user; returns the wait before the next try, in milliseconds (0: none).
    qint64 countFailure(int id);
    void refusePassword(qint64 waitMs);

    struct Failures {
        int count = 0;
        QDeadlineTimer retryAt;
    };
    QHash<int, Failures> failures;
    // The password of the stored server location, which the path field leaves out.
    QString storedLocation;
    QString storedPassword;

    std::unique_ptr<Ui::LoginUser> ui;
    QString messageTitle;
    QSqlQuery query;
    ListModel* userModel = nullptr;
};
