#pragma once
// CNoticeBar: a line between the device area and the table that tells the operator what happened
// to the connection (a lost tester, a send the tester did not acknowledge) without a message box
// that would stop the work. It stays until the operator closes it (its button, or Esc while it
// has the focus) or the view takes it back (the tester is attached again).

#include <QFrame>

class QLabel;
class QToolButton;

class CNoticeBar : public QFrame {
    Q_OBJECT
public:
    explicit CNoticeBar(QWidget* parent);

    // Shows the text (an empty text hides the bar).
    void Tell(const QString& text);
    void Clear() { Tell({}); }
    QString Text() const;
    // The height the bar takes in a view `width` pixels wide while it is shown (0 while hidden).
    int Room(int width) const;

signals:
    // Shown or hidden: the view places its table again.
    void RoomChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_text;
    QToolButton* m_close;
};
