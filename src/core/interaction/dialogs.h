#pragma once

#include <QString>

namespace vornik {

// What core asks the user. The windows answer with real boxes; tests answer from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A Yes/No box without icon; Escape counts as No.
    virtual bool askYesNo(const QString &text) = 0;
    // An input box; Cancel returns the default text.
    virtual QString inputText(const QString &title, const QString &prompt, const QString &defaultText) = 0;
    // A file choice; an empty result means the user cancelled. The filter is in the
    // "Описание|*.a;*.b" style, empty for none.
    virtual QString chooseOpenFile(const QString &filter) = 0;
    virtual QString chooseSaveFile(const QString &filter) = 0;
    // A box with the text and an OK button.
    virtual void showMessage(const QString &text) = 0;
};

} // namespace vornik
