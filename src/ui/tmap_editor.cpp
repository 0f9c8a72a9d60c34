#include "ui/tmap_editor.h"

#include "core/catalogue/catalogue_operations.h"
#include "core/catalogue/kinds.h"
#include "core/ini/ini_file.h"
#include "core/interaction/dialogs.h"
#include "core/interaction/shell.h"
#include "core/map/map_list.h"
#include "core/map/map_operations.h"
#include "core/project/leave_program.h"
#include "core/project/names.h"
#include "core/project/new_project.h"
#include "core/project/paths.h"
#include "core/project/project_save.h"
#include "core/project/window_title.h"
#include "launch/test_launch.h"
#include "ui/canvas_widget.h"
#include "ui/error_guard.h"
#include "ui/site_addresses.h"
#include "ui/tree_list_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace vornik {

namespace {

const QColor kNavy(0, 0, 128);
constexpr int kLeftPanelWidth = 217;
constexpr int kMapListHeight = 248;
constexpr int kSplitterWidth = 3;
constexpr int kTopPanelHeight = 72;
constexpr int kBottomBarHeight = 52;
constexpr int kListRowHeight = 19;

// The window's placement is remembered in "Start.ini" beside the executable.
const QString kPlacementSection = QStringLiteral("Placement");
const QString kPlacementKey = QStringLiteral("Geometry");

QLabel *navyLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, kNavy);
    label->setPalette(colours);
    return label;
}

} // namespace

TMap_Editor::TMap_Editor(const QString &installFolder, Dialogs &dialogs, Progress &progress, Shell &shell)
    : m_installFolder(installFolder)
    , m_context{installFolder, m_project, m_objectTree, m_mapList, m_recentProjects, m_map, m_controller,
                dialogs, progress, shell}
{
    for (const KindInfo &kind : Kinds())
        m_objectTree.addSibling(0, kind.category);
    m_objectTree.setSelected(1);
    resize(890, 641);
    buildLayout();
    buildMenus();
    buildContextMenus();
    refreshViews();
    setEnabled(false);
    restorePlacement();
}

void TMap_Editor::buildLayout()
{
    setAutoFillBackground(true);
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *sides = new QSplitter(Qt::Horizontal, central);
    sides->setHandleWidth(kSplitterWidth);
    sides->setChildrenCollapsible(false);

    // Left panel: the map list over the object tree.
    auto *lists = new QSplitter(Qt::Vertical, sides);
    lists->setHandleWidth(kSplitterWidth);
    lists->setChildrenCollapsible(false);
    auto *mapsPart = new QWidget(lists);
    auto *mapsLayout = new QVBoxLayout(mapsPart);
    mapsLayout->setContentsMargins(0, 0, 0, 0);
    mapsLayout->setSpacing(0);
    mapsLayout->addWidget(navyLabel(QStringLiteral(" Карты проекта:"), mapsPart));
    m_mapListView = new TreeListView(m_mapList, mapsPart);
    m_mapListView->setRootIsDecorated(false);
    m_mapListView->setStyleSheet(QStringLiteral("QTreeView::item { height: %1px; }").arg(kListRowHeight));
    mapsLayout->addWidget(m_mapListView);
    auto *objectsPart = new QWidget(lists);
    auto *objectsLayout = new QVBoxLayout(objectsPart);
    objectsLayout->setContentsMargins(0, 0, 0, 0);
    objectsLayout->setSpacing(0);
    objectsLayout->addWidget(navyLabel(QStringLiteral(" Объекты проекта:"), objectsPart));
    m_objectTreeView = new TreeListView(m_objectTree, objectsPart);
    objectsLayout->addWidget(m_objectTreeView);
    lists->addWidget(mapsPart);
    lists->addWidget(objectsPart);
    lists->setSizes({kMapListHeight, 400});
    m_mapListView->setEnabled(false);
    m_objectTreeView->setEnabled(false);

    // Right part: the white top panel over the canvas.
    auto *right = new QWidget(sides);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    auto *top = new QWidget(right);
    top->setFixedHeight(kTopPanelHeight);
    // A narrow window cuts the panel off at the right instead of squeezing the left panel.
    top->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    top->setAutoFillBackground(true);
    QPalette white = top->palette();
    white.setColor(QPalette::Window, Qt::white);
    top->setPalette(white);
    auto *topLayout = new QHBoxLayout(top);
    // Tight spacing: at the window's design width the whole panel, check boxes included, shows.
    topLayout->setContentsMargins(4, 0, 4, 2);
    topLayout->setSpacing(4);

    auto *grid = new QGroupBox(QStringLiteral("Сетка"), top);
    auto *gridLayout = new QFormLayout(grid);
    gridLayout->setContentsMargins(4, 0, 4, 2);
    gridLayout->setVerticalSpacing(1);
    m_gridHeight = new QLineEdit(m_controller.gridHeightText(), grid);
    m_gridWidth = new QLineEdit(m_controller.gridWidthText(), grid);
    for (QLineEdit *field : {m_gridHeight, m_gridWidth})
        field->setFixedWidth(36);
    gridLayout->addRow(QStringLiteral("Высота:"), m_gridHeight);
    gridLayout->addRow(QStringLiteral("Ширина:"), m_gridWidth);
    topLayout->addWidget(grid);

    auto *cursor = new QGroupBox(QStringLiteral("Курсор"), top);
    auto *cursorLayout = new QGridLayout(cursor);
    cursorLayout->setContentsMargins(4, 0, 4, 2);
    cursorLayout->setVerticalSpacing(1);
    cursorLayout->setHorizontalSpacing(4);
    for (int i = 0; i < 4; ++i) {
        QLabel *label = navyLabel(QString(), cursor);
        // Room for four-digit coordinates, so the labels keep their places while the pointer moves.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("Курсор X: 0000")));
        m_cursorLabels << label;
        cursorLayout->addWidget(label, i % 2, i / 2);
    }
    topLayout->addWidget(cursor);

    auto *boxes = new QVBoxLayout;
    m_autoGrid = new QCheckBox(QStringLiteral("Автонастрока сетки под объект"), top);
    m_deleteOnOverlap = new QCheckBox(QStringLiteral("При попадании объектов друг на друга удалять"), top);
    m_deleteOnOverlap->setChecked(m_controller.deleteOnOverlap());
    boxes->addWidget(m_autoGrid);
    boxes->addWidget(m_deleteOnOverlap);
    topLayout->addLayout(boxes);
    topLayout->addStretch();
    rightLayout->addWidget(top);

    m_canvas = new CanvasWidget(m_context, right);
    rightLayout->addWidget(m_canvas->view());

    sides->addWidget(lists);
    sides->addWidget(right);
    sides->setStretchFactor(0, 0);
    sides->setStretchFactor(1, 1);
    // The left panel starts at its design width, whatever size the window opens with.
    lists->resize(kLeftPanelWidth, lists->height());
    sides->setSizes({kLeftPanelWidth, width() - kLeftPanelWidth});
    outer->addWidget(sides, 1);

    auto *bottom = new QWidget(central);
    bottom->setFixedHeight(kBottomBarHeight);
    outer->addWidget(bottom);
    setCentralWidget(central);

    showCursorLabels();
    connect(&m_controller, &CanvasController::labelsChanged, this, &TMap_Editor::showCursorLabels);
    connect(m_gridWidth, &QLineEdit::textChanged, this,
            [this](const QString &text) { run([&] { m_controller.setGridWidthText(text); }); });
    connect(m_gridHeight, &QLineEdit::textChanged, this,
            [this](const QString &text) { run([&] { m_controller.setGridHeightText(text); }); });
    connect(m_autoGrid, &QCheckBox::clicked, this, [this](bool ticked) { run([&] { m_controller.clickAutoGrid(ticked); }); });
    connect(m_deleteOnOverlap, &QCheckBox::toggled, this, [this](bool ticked) { m_controller.setDeleteOnOverlap(ticked); });

    connect(m_mapListView, &TreeListView::lineClicked, this, [this] { run([this] { SelectMap(m_context); }); });
    connect(m_mapListView, &TreeListView::lineDoubleClicked, this, [this] { run([this] { SelectMap(m_context); }); });
    connect(m_objectTreeView, &TreeListView::lineClicked, this, [this] { run([this] { ClickObjectTreeLine(m_context); }); });
    connect(m_objectTreeView, &TreeListView::lineDoubleClicked, this, &TMap_Editor::openPropertiesOfSelection);
}

QAction *TMap_Editor::addCommand(QMenu *menu, const QString &caption, bool needsProject, const std::function<void()> &command)
{
    QAction *action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, [this, needsProject, command] {
        if (needsProject && !m_project.isOpen())
            return;
        run(command);
    });
    return action;
}

void TMap_Editor::buildMenus()
{
    auto show = [](const std::function<void()> &window) {
        if (window)
            window();
    };
    QStyle *look = style();

    QMenu *file = menuBar()->addMenu(QStringLiteral("Файл"));
    addCommand(file, QStringLiteral("Новый проект"), false, [this] {
        if (NewProject(m_context))
            projectOpened();
    })->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    addCommand(file, QStringLiteral("Открыть проект"), false, [this, show] { show(m_windows.showStartWindow); })
        ->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    file->addSeparator();
    addCommand(file, QStringLiteral("Сохранить проект"), true, [this] { SaveProject(m_context); })
        ->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    file->addSeparator();
    addCommand(file, QStringLiteral("Создать ЕХЕ"), true, [this, show] { show(m_windows.showExport); })
        ->setIcon(look->standardIcon(QStyle::SP_ComputerIcon));
    file->addSeparator();
    addCommand(file, QStringLiteral("Выход"), false, [this] { close(); })
        ->setIcon(look->standardIcon(QStyle::SP_DialogCloseButton));

    QMenu *game = menuBar()->addMenu(QStringLiteral("Игра"));
    addCommand(game, QStringLiteral("Тест игры"), true, [this] { RunGameTest(m_context); });
    game->addSeparator();
    addCommand(game, QStringLiteral("Свойства"), true, [this, show] { show(m_windows.showOptions); });
    addCommand(game, QStringLiteral("Редактировать меню"), true, [this, show] { show(m_windows.showMenuEditor); });
    addCommand(game, QStringLiteral("Окно \"Игра пройдена\""), true, [this, show] { show(m_windows.showWinScreen); });
    addCommand(game, QStringLiteral("Окно \"Вы проиграли\""), true, [this, show] { show(m_windows.showLoseScreen); });

    QMenu *map = menuBar()->addMenu(QStringLiteral("Карта"));
    addCommand(map, QStringLiteral("Тест карты"), true, [this] { RunMapTest(m_context); });
    map->addSeparator();
    addCommand(map, QStringLiteral("Новая карта"), true, [this] { NewMap(m_context); });
    addCommand(map, QStringLiteral("Удалть карту"), true, [this] { DeleteMap(m_context); });
    map->addSeparator();
    addCommand(map, QStringLiteral("Переместить Вверх"), true, [this] { MoveMapUp(m_context); });
    addCommand(map, QStringLiteral("Переместить Вниз"), true, [this] { MoveMapDown(m_context); });
    map->addSeparator();
    addCommand(map, QStringLiteral("Переименовать"), false, [this] { RenameMap(m_context); });
    map->addSeparator();
    addCommand(map, QStringLiteral("Свойства карты"), true, [this, show] {
        if (!m_mapList.isEmpty()) {
            m_controller.releaseHeldObject();
            show(m_windows.showMapProperties);
        }
    });
    map->addSeparator();
    addCommand(map, QStringLiteral("Очистить карту"), false, [this] { ClearMap(m_context, false); });

    QMenu *maker = menuBar()->addMenu(QStringLiteral("Конструктор"));
    addCommand(maker, QStringLiteral("Сайт проекта"), false, [this] { m_context.shell.openAddress(site::kSiteAddress); });
    addCommand(maker, QStringLiteral("Форум конструктора"), false,
               [this] { m_context.shell.openAddress(site::kForumAddress); });
    maker->addSeparator();
    addCommand(maker, QStringLiteral("Разработчики"), false, [this, show] { show(m_windows.showCredits); });
    addCommand(maker, QStringLiteral("Справка"), false, [this] {
        m_context.dialogs.showMessage(QStringLiteral("Пока в разработке.... Трясите разрабортчиков справки... :)"));
    });
}

void TMap_Editor::buildContextMenus()
{
    m_mapListMenu = new QMenu(this);
    addCommand(m_mapListMenu, QStringLiteral("Новая"), false, [this] { NewMap(m_context); });
    addCommand(m_mapListMenu, QStringLiteral("Удалить"), false, [this] { DeleteMap(m_context); });
    m_mapListMenu->addSeparator();
    addCommand(m_mapListMenu, QStringLiteral("Вверх"), false, [this] { MoveMapUp(m_context); });
    addCommand(m_mapListMenu, QStringLiteral("Вниз"), false, [this] { MoveMapDown(m_context); });
    m_mapListMenu->addSeparator();
    addCommand(m_mapListMenu, QStringLiteral("Переименовать"), false, [this] { RenameMap(m_context); });
    addCommand(m_mapListMenu, QStringLiteral("Свойства"), false, [this] {
        if (!m_mapList.isEmpty() && m_windows.showMapProperties) {
            m_controller.releaseHeldObject();
            m_windows.showMapProperties();
        }
    });
    connect(m_mapListView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_mapListMenu->popup(m_mapListView->viewport()->mapToGlobal(at)); });

    m_objectTreeMenu = new QMenu(this);
    addCommand(m_objectTreeMenu, QStringLiteral("Добавить"), false, [this] { AddObject(m_context); });
    addCommand(m_objectTreeMenu, QStringLiteral("Удалить"), false, [this] { DeleteObject(m_context); });
    m_objectTreeMenu->addSeparator();
    QAction *properties = m_objectTreeMenu->addAction(QStringLiteral("Свойства"));
    connect(properties, &QAction::triggered, this, &TMap_Editor::openPropertiesOfSelection);
    connect(m_objectTreeView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_objectTreeMenu->popup(m_objectTreeView->viewport()->mapToGlobal(at)); });
}

void TMap_Editor::openPropertiesOfSelection()
{
    run([this] {
        const PropertiesRequest request = OpenProperties(m_context);
        if (request.kind != nullptr && m_windows.showObjectEditor)
            m_windows.showObjectEditor(request);
    });
}

QAction *TMap_Editor::menuAction(const QString &menu, const QString &item) const
{
    const QList<QMenu *> menus = menu.isEmpty() ? QList<QMenu *>{m_mapListMenu, m_objectTreeMenu}
                                                : menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QMenu *candidate : menus) {
        if (!menu.isEmpty() && candidate->title() != menu)
            continue;
        for (QAction *action : candidate->actions()) {
            if (action->text() == item)
                return action;
        }
    }
    return nullptr;
}

void TMap_Editor::run(const std::function<void()> &operation)
{
    RunGuarded(m_context.dialogs, operation);
    refreshViews();
}

void TMap_Editor::refreshViews()
{
    m_mapListView->refresh();
    m_objectTreeView->refresh();
    setWindowTitle(WindowTitle(m_project));
}

void TMap_Editor::projectOpened()
{
    m_mapListView->setEnabled(true);
    m_objectTreeView->setEnabled(true);
    setEnabled(true);
    refreshViews();
    if (m_windows.closeStartWindow)
        m_windows.closeStartWindow();
}

void TMap_Editor::showCursorLabels()
{
    const QStringList texts = {m_controller.cursorXLabel(), m_controller.cursorYLabel(), m_controller.gridXLabel(),
                               m_controller.gridYLabel()};
    for (int i = 0; i < m_cursorLabels.size(); ++i)
        m_cursorLabels[i]->setText(texts[i]);
}

void TMap_Editor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange)
        m_canvas->setTimerRunning(isActiveWindow());
    QMainWindow::changeEvent(event);
}

void TMap_Editor::closeEvent(QCloseEvent *event)
{
    bool leave = false;
    RunGuarded(m_context.dialogs, [&] { leave = ConfirmLeaveProgram(m_context); });
    if (!leave) {
        event->ignore();
        return;
    }
    RunGuarded(m_context.dialogs, [this] { savePlacement(); });
    event->accept();
    QApplication::quit();
}

void TMap_Editor::restorePlacement()
{
    const QString saved = IniFile(JoinPath(m_installFolder, names::kStartIni)).readString(kPlacementSection, kPlacementKey, {});
    if (saved.isEmpty() || !restoreGeometry(QByteArray::fromBase64(saved.toLatin1())))
        setWindowState(Qt::WindowMaximized);
}

void TMap_Editor::savePlacement()
{
    IniFile(JoinPath(m_installFolder, names::kStartIni))
        .writeString(kPlacementSection, kPlacementKey, QString::fromLatin1(saveGeometry().toBase64()));
}

} // namespace vornik
