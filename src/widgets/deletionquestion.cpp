#include "widgets/deletionquestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool confirmDeletion(QWidget* parent, const QString& details) {
    const QString text = QStringLiteral("<font size = 5 color =\"red\">\n\n\t\t                 ") +
                         QCoreApplication::translate("DeletionQuestion", "Etes-vous sûr de vouloir supprimer ") +
                         details + QStringLiteral(" </font> ");
    QMessageBox question(QMessageBox::Warning, QCoreApplication::translate("DeletionQuestion", "Avertissement "), text,
                         QMessageBox::NoButton, parent);
    QPushButton* yes =
        question.addButton(QCoreApplication::translate("DeletionQuestion", "&Oui"), QMessageBox::AcceptRole);
    QPushButton* no =
        question.addButton(QCoreApplication::translate("DeletionQuestion", "&Non"), QMessageBox::RejectRole);
    question.setDefaultButton(no);
    question.setEscapeButton(no);
    question.exec();
    return question.clickedButton() == yes;
}
