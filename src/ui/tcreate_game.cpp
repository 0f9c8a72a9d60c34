#include "ui/tcreate_game.h"

#include "core/project/editor_context.h"
#include "core/project/open_project.h"
#include "launch/game_export.h"
#include "ui/error_guard.h"
#include "ui/window_placement.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vornik {

TCreate_Game::TCreate_Game(EditorContext &context, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_context(context)
    , m_mainWindow(mainWindow)
{
    setWindowTitle(QStringLiteral("Завершающий этап"));
    auto *layout = new QVBoxLayout(this);
    m_exe = new QPushButton(QStringLiteral("Создать EXE игры"), this);
    m_gmk = new QPushButton(QStringLiteral("Создать *.gmk (Game Maker 8)"), this);
    for (QPushButton *button : {m_exe, m_gmk}) {
        button->setMinimumSize(280, 40);
        layout->addWidget(button);
    }
    connect(m_exe, &QPushButton::clicked, this, [this] { RunGuarded(m_context.dialogs, [this] { ExportGameExe(m_context); }); });
    connect(m_gmk, &QPushButton::clicked, this,
            [this] { RunGuarded(m_context.dialogs, [this] { ExportGameMakerProject(m_context); }); });
    adjustSize();
}

void TCreate_Game::open()
{
    if (!m_context.project.isOpen())
        return;
    if (isVisible())
        hide();
    CentreOver(this, m_mainWindow);
    show();
    raise();
}

} // namespace vornik
