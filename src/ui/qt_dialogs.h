#pragma once

#include "core/interaction/dialogs.h"

class QWidget;

namespace vornik {

// Dialogs answered by real boxes over the parent window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr);
    // The window the boxes appear over when none of the program's windows is active.
    void setParent(QWidget *parent) { m_parent = parent; }

    bool askYesNo(const QString &text) override;
    QString inputText(const QString &title, const QString &prompt, const QString &defaultText) override;
    QString chooseOpenFile(const QString &filter) override;
    QString chooseSaveFile(const QString &filter) override;
    void showMessage(const QString &text) override;

private:
    // The active window, so that a box asked for by a window that stays on top (the start window,
    // the options) appears over it and not behind it.
    QWidget *owner() const;

    QWidget *m_parent;
};

// "Описание|*.a;*.b|Другое|*.c" in Qt's own filter form: "Описание (*.a *.b);;Другое (*.c)".
QString QtFileFilter(const QString &filter);

} // namespace vornik
