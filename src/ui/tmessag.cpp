#include "ui/tmessag.h"

#include "core/ini/ini_file.h"
#include "core/interaction/shell.h"
#include "core/project/names.h"
#include "core/project/paths.h"
#include "ui/error_guard.h"
#include "ui/link_label.h"
#include "ui/site_addresses.h"
#include "ui/window_placement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornik {

namespace {

const QString kSection = QStringLiteral("OnStrat");
const QString kKey = QStringLiteral("Info");
constexpr int kTextPixelHeight = 19;

QLabel *whiteBoldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPixelSize(kTextPixelHeight);
    label->setFont(bold);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    return label;
}

} // namespace

TMessag::TMessag(const QString &installFolder, Dialogs &dialogs, Shell &shell, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_installFolder(installFolder)
    , m_dialogs(dialogs)
    , m_shell(shell)
    , m_mainWindow(mainWindow)
{
    setWindowTitle(QStringLiteral("Полезная информация "));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x0a, 0x24, 0x6a));
    setPalette(colours);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(whiteBoldLabel(QStringLiteral("Конструктор полностью бесплатен!"), this));
    auto *siteRow = new QHBoxLayout;
    siteRow->addWidget(whiteBoldLabel(QStringLiteral("Официальный сайт проекта:"), this));
    auto *link = new LinkLabel(site::kSiteName, kTextPixelHeight, true, this);
    QPalette linkColours = link->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0xc8, 0xdc, 0xff));
    link->setPalette(linkColours);
    siteRow->addWidget(link);
    siteRow->addStretch();
    layout->addLayout(siteRow);
    for (const QString &line : {QStringLiteral("Для обновления в целях Вашей"), QStringLiteral("  безопастности используйте"),
                                QStringLiteral("       оффициальный сайт!")}) {
        QLabel *label = whiteBoldLabel(line, this);
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    }
    auto *understoodButton = new QPushButton(QStringLiteral("Понял"), this);
    layout->addWidget(understoodButton);
    m_showAtStart = new QCheckBox(QStringLiteral("Показывать это окно при старте конструктора"), this);
    m_showAtStart->setChecked(true);
    QPalette boxColours = m_showAtStart->palette();
    boxColours.setColor(QPalette::WindowText, Qt::white);
    m_showAtStart->setPalette(boxColours);
    layout->addWidget(m_showAtStart);

    connect(link, &LinkLabel::clicked, this, [this] { m_shell.openAddress(site::kSiteAddress); });
    connect(understoodButton, &QPushButton::clicked, this, [this] { RunGuarded(m_dialogs, [this] { understood(); }); });

    adjustSize();
    CentreOver(this, m_mainWindow);
    if (wantedAtStart())
        show();
}

QString TMessag::startIniPath() const
{
    return JoinPath(m_installFolder, names::kStartIni);
}

bool TMessag::wantedAtStart() const
{
    return IniFile(startIniPath()).readInteger(kSection, kKey, 0) != 0;
}

void TMessag::understood()
{
    IniFile(startIniPath()).writeInteger(kSection, kKey, m_showAtStart->isChecked() ? 1 : 0);
    hide();
}

} // namespace vornik
