#pragma once

#include <QWidget>

class QCheckBox;

namespace vornik {

class Dialogs;
class Shell;

// The useful-information window: greets the user at start when "Start.ini" asks for it.
class TMessag : public QWidget {
    Q_OBJECT

public:
    TMessag(const QString &installFolder, Dialogs &dialogs, Shell &shell, QWidget *mainWindow);

    // Whether "Start.ini" asks for the window at start; a missing or unreadable file says no.
    bool wantedAtStart() const;
    QCheckBox *showAtStartBox() const { return m_showAtStart; }

    // "Понял": remembers the check box in "Start.ini" and hides the window.
    void understood();

private:
    QString startIniPath() const;

    QString m_installFolder;
    Dialogs &m_dialogs;
    Shell &m_shell;
    QWidget *m_mainWindow;
    QCheckBox *m_showAtStart;
};

} // namespace vornik
