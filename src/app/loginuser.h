#pragma once

#include <QDialog>
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

    std::unique_ptr<Ui::LoginUser> ui;
    QString messageTitle;
    QSqlQuery query;
    ListModel* userModel = nullptr;
};
