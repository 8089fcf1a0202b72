// A completion pop-up of the editor: a list beside the caret that narrows to the entries matching
// the word typed so far and puts the chosen entry in place of that word.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QKeyEvent;
class QListWidget;
class QsciScintilla;

class CompletionList : public QObject
{
    Q_OBJECT
public:
    explicit CompletionList(QObject *parent = nullptr);
    ~CompletionList() override;

    QStringList insertTexts; // text inserted for entry i, when matchInsertTexts is set
    QStringList shownTexts;  // text shown for entry i
    int shortcutCode = 9;    // settings-file shortcut code, read at every key; 9 is Tab

    // Entries are matched against and replaced by insertTexts; shownTexts only shows them.
    bool matchInsertTexts = false;
    // Typing one of these opens the list.
    QString triggerChars;
    // Typing one of these while the list is open takes the chosen entry; the character follows
    // it unless the completion has just put the same character there.
    QString endOfTokenChars;
    // Opened instead when it has the same shortcut and this list has nothing to offer.
    QPointer<CompletionList> fallback;

    // Watches the editor's keys; a list attached later sees each key first.
    void attach(QsciScintilla *editor);

    // Opens the list for the word left of the caret; false, and closed, when no entry matches.
    bool open();
    void close();
    bool isOpen() const;
    // What the list shows now.
    QStringList shownItems() const;
    QListWidget *popup() const;
    bool isShortcut(const QKeyEvent *key) const;

signals:
    // Each time before the list opens: a connected slot may refill shownTexts; an empty list stays closed.
    void aboutToOpen();
    // After an entry has gone in, inside the same undo step.
    void completed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isListKey(const QKeyEvent *key) const;
    bool handleListKey(QKeyEvent *key);
    void forwardToEditor(QKeyEvent *key);
    void charAdded(int ch);
    void refresh();
    void filter(const QString &prefix);
    void complete(int row);
    void moveCurrent(int rows);
    void place();
    int widestText() const;

    QPointer<QsciScintilla> m_editor;
    QPointer<QListWidget> m_popup;
    QList<int> m_rows;    // the entry of each row the list shows
    int m_startLine = 0;  // where the word being completed begins
    int m_startIndex = 0; // in UTF-16 units of the line, as EditorCaret counts
};
