#include "ui/tprogrammers.h"

#include "core/interaction/shell.h"
#include "ui/link_label.h"
#include "ui/site_addresses.h"
#include "ui/window_placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vornik {

namespace {

const QColor kNavy(0, 0, 128);

QLabel *styledLabel(const QString &text, const QColor &colour, int pixelHeight, bool bold, bool underline, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setUnderline(underline);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

struct Role {
    QString heading;
    int headingPixelHeight;
    bool headingBold;
    QStringList names;
};

} // namespace

TProgrammers::TProgrammers(Shell &shell, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_shell(shell)
    , m_mainWindow(mainWindow)
{
    setWindowTitle(QStringLiteral("Команда разработчиков:"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);

    auto *layout = new QVBoxLayout(this);
    QLabel *header = styledLabel(QStringLiteral("Разработчики проекта:"), kNavy, 16, true, false, this);
    header->setAutoFillBackground(true);
    QPalette strip = header->palette();
    strip.setColor(QPalette::Window, QColor(0xdc, 0xe4, 0xf4));
    header->setPalette(strip);
    header->setMargin(4);
    layout->addWidget(header);

    const Role roles[] = {
        {QStringLiteral("Идея, программирование, интерфейс:"), 16, true, {QStringLiteral("Алексей Ворник")}},
        {QStringLiteral("Художники:"), 16, true, {QStringLiteral("Марина Светлова"), QStringLiteral("Денис Орлов")}},
        {QStringLiteral("Тестеры :"), 19, false, {QStringLiteral("Кирилл Лебедев"), QStringLiteral("Нина Соколова")}},
    };
    for (const Role &role : roles) {
        layout->addWidget(styledLabel(role.heading, kNavy, role.headingPixelHeight, role.headingBold, false, this));
        for (const QString &name : role.names) {
            QLabel *label = styledLabel(name, Qt::blue, 13, true, true, this);
            label->setIndent(24);
            layout->addWidget(label);
        }
    }
    auto *linkRow = new QHBoxLayout;
    linkRow->addStretch();
    auto *link = new LinkLabel(site::kSiteName, 19, false, this);
    linkRow->addWidget(link);
    layout->addLayout(linkRow);
    connect(link, &LinkLabel::clicked, this, [this] { m_shell.openAddress(site::kSiteAddress); });
    adjustSize();
}

void TProgrammers::open()
{
    CentreOver(this, m_mainWindow);
    show();
    raise();
}

} // namespace vornik
