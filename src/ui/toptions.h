#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QPlainTextEdit;

namespace vornik {

struct EditorContext;

// "Опции проекта": the author's data in "Игра.fps" and the project notes. Every showing reads both
// files again; "Сохранить" writes both.
class TOptions : public QWidget {
    Q_OBJECT

public:
    TOptions(EditorContext &context, QWidget *mainWindow);

    // The main menu's "Свойства": shown afresh, also when it is open already.
    void open();
    void save();

    QLineEdit *field(int index) const { return m_fields.at(static_cast<std::size_t>(index)); }
    QPlainTextEdit *notes() const { return m_notes; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void load();

    EditorContext &m_context;
    QWidget *m_mainWindow;
    std::array<QLineEdit *, 7> m_fields{};
    QPlainTextEdit *m_notes;
};

} // namespace vornik
