#include "ui/tnw.h"

#include "core/project/new_project.h"
#include "core/project/open_project_file.h"
#include "core/project/recent_projects.h"
#include "core/treelist/tree_list.h"
#include "ui/error_guard.h"
#include "ui/tmap_editor.h"
#include "ui/tree_list_view.h"
#include "ui/window_placement.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornik {

namespace {

QPushButton *bigButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    QFont font = button->font();
    font.setBold(true);
    font.setPixelSize(20);
    button->setFont(font);
    button->setMinimumSize(220, 64);
    QPalette colours = button->palette();
    colours.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    button->setPalette(colours);
    return button;
}

} // namespace

TNW::TNW(TMap_Editor &mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_main(mainWindow)
{
    setWindowTitle(QStringLiteral("Начало работы"));
    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    m_open = bigButton(QStringLiteral("Открыть проект"), this);
    m_new = bigButton(QStringLiteral("Новый проект"), this);
    buttons->addWidget(m_open);
    buttons->addWidget(m_new);
    layout->addLayout(buttons);

    auto *recentGroup = new QGroupBox(QStringLiteral("Недавно открытые проекты:"), this);
    auto *recentLayout = new QVBoxLayout(recentGroup);
    m_recent = new TreeListView(mainWindow.context().recentProjects, recentGroup);
    m_recent->setRootIsDecorated(false);
    m_recent->setMinimumHeight(160);
    recentLayout->addWidget(m_recent);
    layout->addWidget(recentGroup, 1);

    auto *menu = new QMenu(this);
    connect(menu->addAction(QStringLiteral("Удалить")), &QAction::triggered, this, &TNW::removeSelectedRecent);
    connect(m_recent, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &at) { menu->popup(m_recent->viewport()->mapToGlobal(at)); });
    connect(m_recent, &TreeListView::lineDoubleClicked, this, &TNW::openSelectedRecent);
    connect(m_open, &QPushButton::clicked, this, [this] {
        bool opened = false;
        RunGuarded(m_main.context().dialogs, [&] { opened = OpenProjectFile(m_main.context(), QString()); });
        afterOperation(opened);
    });
    connect(m_new, &QPushButton::clicked, this, [this] {
        bool opened = false;
        RunGuarded(m_main.context().dialogs, [&] { opened = NewProject(m_main.context()); });
        afterOperation(opened);
    });
    resize(sizeHint().expandedTo(QSize(480, 300)));
}

void TNW::afterOperation(bool opened)
{
    if (opened)
        m_main.projectOpened();
    else
        m_main.refreshViews();
    m_recent->refresh();
}

void TNW::openSelectedRecent()
{
    TreeList &recent = m_main.context().recentProjects;
    if (recent.isEmpty())
        return;
    const QString path = recent.text(recent.selected());
    bool opened = false;
    RunGuarded(m_main.context().dialogs, [&] { opened = OpenProjectFile(m_main.context(), path); });
    afterOperation(opened);
}

void TNW::removeSelectedRecent()
{
    TreeList &recent = m_main.context().recentProjects;
    if (recent.isEmpty())
        return;
    const QString path = recent.text(recent.selected());
    RunGuarded(m_main.context().dialogs, [&] { RemoveRecentProject(recent, m_main.context().installFolder, path); });
    m_recent->refresh();
}

void TNW::showEvent(QShowEvent *event)
{
    CentreOnScreen(this);
    RunGuarded(m_main.context().dialogs, [this] { PruneRecentProjects(m_main.context().recentProjects, m_main.context().installFolder); });
    m_recent->refresh();
    QWidget::showEvent(event);
}

void TNW::closeEvent(QCloseEvent *event)
{
    m_main.setEnabled(true);
    QWidget::closeEvent(event);
}

} // namespace vornik
