#include "textedit.h"
#include "widgets/look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>

namespace {
// Typing one of these ends the word being completed.
const QString endOfWord = QStringLiteral("~!@#$%^&*()_+{}|:\"<>?,./;'[]\\-=");
} // namespace

TextEdit::TextEdit(QWidget* parent) : QTextEdit(parent) {
    QFont bigger = font();
    bigger.setPointSize(16);
    setFont(bigger);
    setStyleSheet(QStringLiteral("color: black; ") + look::fontRule(16));
}

void TextEdit::setWordCompleter(QCompleter* completer) {
    if (m_completer)
        QObject::disconnect(m_completer, nullptr, this, nullptr);
    m_completer = completer;
    if (!m_completer)
        return;
    m_completer->setWidget(this);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, &TextEdit::insertCompletion);
}

void TextEdit::insertCompletion(const QString& completion) {
    if (!m_completer || m_completer->widget() != this)
        return;
    // Only what follows the prefix already typed is added.
    const qsizetype extra = qMax<qsizetype>(0, completion.length() - m_completer->completionPrefix().length());
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Left);
    cursor.movePosition(QTextCursor::EndOfWord);
    cursor.insertText(completion.right(extra));
    setTextCursor(cursor);
}

QString TextEdit::textUnderCursor() const {
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::WordUnderCursor);
    return cursor.selectedText();
}

void TextEdit::focusInEvent(QFocusEvent* event) {
    // Several editors may share one completer: it follows the focus.
    if (m_completer)
        m_completer->setWidget(this);
    QTextEdit::focusInEvent(event);
}

void TextEdit::keyPressEvent(QKeyEvent* event) {
    const bool shiftHeld = (QApplication::keyboardModifiers() | event->modifiers()).testFlag(Qt::ShiftModifier);
    if (event->key() == Qt::Key_Return && shiftHeld) {
        // Shift+Return leaves the editor as Tab would, without a line break.
        QCoreApplication::postEvent(this,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QString(), false, 1));
        return;
    }

    if (m_completer && m_completer->popup()->isVisible()) {
        switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->ignore(); // the completer chooses or closes
            return;
        default:
            break;
        }
    }

    const bool isShortcut = event->modifiers().testFlag(Qt::ControlModifier) && event->key() == Qt::Key_E;
    if (!m_completer || !isShortcut)
        QTextEdit::keyPressEvent(event);

    if (!m_completer)
        return;
    const Qt::KeyboardModifiers ctrlOrShift = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (ctrlOrShift && event->text().isEmpty())
        return;

    const QString prefix = textUnderCursor();
    QAbstractItemView* popup = m_completer->popup();
    if (!isShortcut) {
        const bool otherModifier =
            (event->modifiers() & ~(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier)) != 0;
        if (otherModifier || event->text().isEmpty() || prefix.isEmpty() ||
            endOfWord.contains(event->text().right(1))) {
            popup->hide();
            return;
        }
    }

    if (prefix != m_completer->completionPrefix()) {
        m_completer->setCompletionPrefix(prefix);
        popup->setCurrentIndex(m_completer->completionModel()->index(0, 0));
    }
    // As wide as the list text (the completion column) plus its scroll bar.
    QRect rect = cursorRect();
    rect.setWidth(popup->sizeHintForColumn(m_completer->completionColumn()) +
                  popup->verticalScrollBar()->sizeHint().width());
    popup->setStyleSheet(QStringLiteral("color: blue; ") + look::fontRule(16));
    m_completer->complete(rect);
}
