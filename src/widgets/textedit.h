#pragma once

#include <QTextEdit>

class QCompleter;

// A multi-line editor that pops up word completions while the user types (the prescription text).
class TextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TextEdit(QWidget* parent = nullptr);

    void setWordCompleter(QCompleter* completer);
    QCompleter* wordCompleter() const { return m_completer; }

public slots:
    void insertCompletion(const QString& completion);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QString textUnderCursor() const;

    QCompleter* m_completer = nullptr; // not owned
};
