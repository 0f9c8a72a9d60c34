#pragma once

#include <QString>

#include <exception>

namespace vornik {

// The one error of the editor: a step that fails throws it with the text the user reads,
// and the event handler that ran the step shows that text in a box and lets the program go on.
class VornikError : public std::exception {
public:
    explicit VornikError(QString message);

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace vornik
