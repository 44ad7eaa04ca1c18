#include "testsupport.h"

#include "widgets/mycombobox.h"
#include "widgets/myspinbox.h"
#include "widgets/textedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>
#include <QTest>
#include <QVBoxLayout>

class TestInputWidgets : public QObject {
    Q_OBJECT

private:
    // A window with an editor whose completer offers a few medicaments, and a field after it.
    struct Prescription {
        QWidget window;
        TextEdit* edit = new TextEdit;
        QLineEdit* next = new QLineEdit;
        QStringListModel* words = new QStringListModel({"Amoxicilline", "Antalgique", "Paracetamol"}, &window);
        QCompleter* completer = new QCompleter(words, &window);
        Prescription() {
            auto* layout = new QVBoxLayout(&window);
            layout->addWidget(edit);
            layout->addWidget(next);
            edit->setWordCompleter(completer);
            window.show();
            window.activateWindow();
            edit->setFocus();
        }
    };

private slots:
    void completionOpensAtFirstLetterAndClosesAtEndOfWord() {
        Prescription p;
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        QCOMPARE(p.edit->wordCompleter(), p.completer);
        QTest::keyClicks(p.edit, "a");
        QTRY_VERIFY(p.completer->popup()->isVisible());
        QCOMPARE(p.completer->completionPrefix(), QString("a"));
        QCOMPARE(p.completer->completionCount(), 2);
        testsupport::grabToFile(&p.window, "textedit_completion");
        QTest::keyClicks(p.edit, "n");
        QCOMPARE(p.completer->completionPrefix(), QString("an"));
        QCOMPARE(p.completer->popup()->currentIndex().data().toString(), QString("Antalgique"));
        QTest::keyClicks(p.edit, ".");
        QVERIFY(!p.completer->popup()->isVisible());
        QCOMPARE(p.edit->toPlainText(), QString("an."));

        // Every end-of-word character closes the list.
        for (const QChar c : QString("~!@#$%^&*()_+{}|:\"<>?,/;'[]\\-=")) {
            p.edit->clear();
            QTest::keyClicks(p.edit, "p");
            QVERIFY(p.completer->popup()->isVisible());
            QTest::keyClicks(p.edit, QString(c));
            QVERIFY2(!p.completer->popup()->isVisible(), qPrintable(QString(c)));
        }
    }

    void returnInOpenListChoosesWithoutLineBreak() {
        Prescription p;
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        QTest::keyClicks(p.edit, "Par");
        QTRY_VERIFY(p.completer->popup()->isVisible());
        // The editor leaves Return to the list while it is open...
        QTest::keyClick(p.edit, Qt::Key_Return);
        QCOMPARE(p.edit->toPlainText(), QString("Par"));
        // ...and the list completes the word where the user typed it.
        QTest::keyClick(p.completer->popup(), Qt::Key_Return);
        QTRY_COMPARE(p.edit->toPlainText(), QString("Paracetamol"));
        QVERIFY(!p.completer->popup()->isVisible());
        QCOMPARE(p.edit->textCursor().position(), 11);

        // A completion chosen in the middle of a text lands at that word.
        p.edit->setPlainText("1 am 2");
        QTextCursor cursor = p.edit->textCursor();
        cursor.setPosition(4);
        p.edit->setTextCursor(cursor);
        QTest::keyClicks(p.edit, "o");
        QTRY_VERIFY(p.completer->popup()->isVisible());
        QTest::keyClick(p.completer->popup(), Qt::Key_Return);
        QTRY_COMPARE(p.edit->toPlainText(), QString("1 amoxicilline 2"));
    }

    void altLetterHidesAndCtrlEOpens() {
        Prescription p;
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        QTest::keyClicks(p.edit, "a");
        QVERIFY(p.completer->popup()->isVisible());
        QTest::keyClick(p.edit, Qt::Key_M, Qt::AltModifier);
        QVERIFY(!p.completer->popup()->isVisible());

        p.edit->setPlainText("para");
        p.edit->moveCursor(QTextCursor::End);
        QTest::keyClick(p.edit, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(p.completer->popup()->isVisible());
        QCOMPARE(p.completer->completionPrefix(), QString("para"));
        QCOMPARE(p.edit->toPlainText(), QString("para")); // the shortcut types nothing
        QTest::keyClick(p.edit, Qt::Key_Escape);
        QCOMPARE(p.edit->toPlainText(), QString("para"));
    }

    void shiftReturnPostsTabInsteadOfLineBreak() {
        Prescription p;
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        QTest::keyClicks(p.edit, "12");
        QTest::keyClick(p.edit, Qt::Key_Return, Qt::ShiftModifier);
        // The posted Tab reaches the editor as a Tab key press with no text: the focus moves on.
        QTRY_VERIFY(p.next->hasFocus());
        QCOMPARE(p.edit->toPlainText(), QString("12"));
        // A plain Return still breaks the line.
        p.edit->setFocus();
        QTRY_VERIFY(p.edit->hasFocus());
        p.edit->moveCursor(QTextCursor::End);
        QTest::keyClick(p.edit, Qt::Key_Return);
        QCOMPARE(p.edit->toPlainText(), QString("12\n"));
    }

    void editorWithoutCompleterTypesNormally() {
        QWidget window;
        auto* edit = new TextEdit(&window);
        QCOMPARE(edit->font().pointSize(), 16);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClicks(edit, "ab.");
        QTest::keyClick(edit, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(edit->toPlainText(), QString("ab."));
        QCOMPARE(edit->wordCompleter(), nullptr);
    }

    void sharedCompleterFollowsFocus() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new TextEdit;
        auto* second = new TextEdit;
        layout->addWidget(first);
        layout->addWidget(second);
        auto* completer = new QCompleter(QStringList{"Ibuprofene"}, &window);
        first->setWordCompleter(completer);
        second->setWordCompleter(completer);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTRY_COMPARE(completer->widget(), first);
        // A completion meant for another editor is ignored.
        second->insertCompletion("Ibuprofene");
        QCOMPARE(second->toPlainText(), QString());
        second->setFocus();
        QTRY_COMPARE(completer->widget(), second);
        QTest::keyClicks(second, "ib");
        QTRY_VERIFY(completer->popup()->isVisible());
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        QTRY_COMPARE(second->toPlainText(), QString("ibuprofene"));
        QCOMPARE(first->toPlainText(), QString());

        // Replacing the completer disconnects the old one.
        auto* other = new QCompleter(QStringList{"Zinc"}, &window);
        second->setWordCompleter(other);
        second->clear();
        emit completer->activated(QString("Ibuprofene"));
        QCOMPARE(second->toPlainText(), QString());
    }

    void comboReturnMovesOnKeypadEnterDoesNot() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* combo = new MyComboBox;
        combo->addItems({"M", "F"});
        auto* editable = new MyComboBox;
        editable->setEditable(true);
        auto* next = new QLineEdit;
        layout->addWidget(combo);
        layout->addWidget(editable);
        layout->addWidget(next);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        QTest::keyClick(combo, Qt::Key_Enter, Qt::KeypadModifier);
        QCoreApplication::processEvents();
        QVERIFY(combo->hasFocus());
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_VERIFY(editable->hasFocus());
        QTest::keyClicks(editable, "Oran");
        QTest::keyClick(editable, Qt::Key_Return);
        QTRY_VERIFY(next->hasFocus());
        QCOMPARE(editable->currentText(), QString("Oran")); // the combo box took the Return too
        QCOMPARE(editable->count(), 1);
    }

    void spinBoxAnnouncesEachReturnBeforeCommitting() {
        QWidget window;
        auto* spin = new MySpinBox(&window);
        spin->setRange(0, 100000);
        spin->setDecimals(0);
        spin->setKeyboardTracking(false);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        spin->setFocus();
        QList<double> seen;
        connect(spin, &MySpinBox::returnPressed, spin, [&] { seen << spin->value(); });
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, "1500");
        QTest::keyClick(spin, Qt::Key_Return);
        QCOMPARE(seen, QList<double>{0}); // announced before the typed value was taken
        QCOMPARE(spin->value(), 1500.0);
        QTest::keyClick(spin, Qt::Key_Return);
        QCOMPARE(seen.size(), 2);
        QTest::keyClick(spin, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(seen.size(), 2);
    }
};

KELVORA_TEST(TestInputWidgets)
#include "test_inputwidgets.moc"
