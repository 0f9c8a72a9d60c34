#pragma once

#include "core/interaction/dialogs.h"

class QWidget;

namespace vornik {

// Dialogs answered by real boxes over the parent window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr);
    // The window the boxes appear over.
    void setParent(QWidget *parent) { m_parent = parent; }

    bool askYesNo(const QString &text) override;
    QString inputText(const QString &title, const QString &prompt, const QString &defaultText) override;
    QString chooseOpenFile(const QString &filter) override;
    QString chooseSaveFile(const QString &filter) override;
    void showMessage(const QString &text) override;

private:
    QWidget *m_parent;
};

// "Описание|*.a;*.b|Другое|*.c" in Qt's own filter form: "Описание (*.a *.b);;Другое (*.c)".
QString QtFileFilter(const QString &filter);

} // namespace vornik
