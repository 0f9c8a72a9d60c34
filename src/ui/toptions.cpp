#include "ui/toptions.h"

#include "core/project/editor_context.h"
#include "core/project/open_project.h"
#include "core/project/project_settings.h"
#include "ui/error_guard.h"
#include "ui/window_placement.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace vornik {

namespace {

const QString kDefaultNotes = QStringLiteral(
    "Вся информация в окне \"Опции проекта\"\n"
    "нужна для ВАС самих. Это информация\n"
    "НИКОГДА не будет доступна игроку.\n"
    "\n"
    "Это можно стереть и написать свою...");

// The notes exactly as typed, lines ended by "\n". QPlainTextEdit::toPlainText would turn every
// no-break space into a blank, which Windows-1251 holds apart.
QString notesText(const QPlainTextEdit *notes)
{
    QString text = notes->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

} // namespace

TOptions::TOptions(EditorContext &context, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_context(context)
    , m_mainWindow(mainWindow)
{
    setWindowTitle(QStringLiteral("Опции проекта"));
    auto *layout = new QVBoxLayout(this);
    auto *global = new QGroupBox(QStringLiteral("Глобальные:"), this);
    auto *form = new QFormLayout(global);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i] = new QLineEdit(global);
        m_fields[i]->setMinimumWidth(220);
        form->addRow(AuthorFields()[i].caption, m_fields[i]);
    }
    layout->addWidget(global);
    auto *extra = new QGroupBox(QStringLiteral("Дополнительная информация"), this);
    auto *extraLayout = new QVBoxLayout(extra);
    m_notes = new QPlainTextEdit(kDefaultNotes, extra);
    m_notes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_notes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    extraLayout->addWidget(m_notes);
    layout->addWidget(extra, 1);
    auto *saveButton = new QPushButton(QStringLiteral("Сохранить"), this);
    layout->addWidget(saveButton);
    connect(saveButton, &QPushButton::clicked, this, [this] { RunGuarded(m_context.dialogs, [this] { save(); }); });
    adjustSize();
}

void TOptions::open()
{
    if (!m_context.project.isOpen())
        return;
    if (isVisible())
        hide();
    CentreOnScreen(this);
    show();
    raise();
}

void TOptions::showEvent(QShowEvent *event)
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
    RunGuarded(m_context.dialogs, [this] { load(); });
    QWidget::showEvent(event);
}

void TOptions::load()
{
    const AuthorData values = ReadAuthorData(m_context.project.projectFolder);
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(values[i]);
    if (const std::optional<QString> notes = ReadProjectNotes(m_context.project.projectFolder))
        m_notes->setPlainText(*notes);
}

void TOptions::save()
{
    AuthorData values;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        values[i] = m_fields[i]->text();
    WriteAuthorData(m_context.project.projectFolder, values);
    WriteProjectNotes(m_context.project.projectFolder, notesText(m_notes));
}

void TOptions::closeEvent(QCloseEvent *event)
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    QWidget::closeEvent(event);
}

} // namespace vornik
