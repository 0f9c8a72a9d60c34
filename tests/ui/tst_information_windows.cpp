// The windows that only inform: "Полезная информация " with "Start.ini", the credits, the progress banner.
#include "core/error/messages.h"
#include "core/project/names.h"
#include "core/project/paths.h"
#include "core/text/text_file.h"
#include "support/fakes.h"
#include "support/temp_install.h"
#include "ui/link_label.h"
#include "ui/site_addresses.h"
#include "ui/tloading.h"
#include "ui/tmessag.h"
#include "ui/tprogrammers.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace vornik;
using namespace vornik::test;

struct InformationFixture {
    QString startIni() const { return JoinPath(install.installFolder(), names::kStartIni); }
    std::unique_ptr<TMessag> makeWindow()
    {
        return std::make_unique<TMessag>(install.installFolder(), dialogs, shell, nullptr);
    }

    TempInstall install;
    FakeDialogs dialogs;
    FakeShell shell;
};

class TestInformationWindows : public QObject {
    Q_OBJECT

private slots:
    void shownAtStart_data();
    void shownAtStart();
    void understoodRemembersTheBox_data();
    void understoodRemembersTheBox();
    void understoodRefusedWrite();
    void closedWritesNothing();
    void linksOpenTheSite();
    void progressBanner();
};

void TestInformationWindows::shownAtStart_data()
{
    QTest::addColumn<QByteArray>("startIni");   // empty: no file
    QTest::addColumn<bool>("shown");
    QTest::newRow("no file") << QByteArray() << false;
    QTest::newRow("1") << QByteArray("[OnStrat]\r\nInfo=1\r\n") << true;
    QTest::newRow("0") << QByteArray("[OnStrat]\r\nInfo=0\r\n") << false;
    QTest::newRow("hexadecimal") << QByteArray("[OnStrat]\r\nInfo=0x10\r\n") << true;
    QTest::newRow("not a number") << QByteArray("[OnStrat]\r\nInfo=abc\r\n") << false;
    QTest::newRow("other letter case") << QByteArray("[onstrat]\r\ninfo=7\r\n") << true;
    QTest::newRow("key missing") << QByteArray("[OnStrat]\r\nOther=1\r\n") << false;
}

void TestInformationWindows::shownAtStart()
{
    QFETCH(QByteArray, startIni);
    QFETCH(bool, shown);
    InformationFixture fixture;
    if (!startIni.isEmpty())
        WriteFileBytes(fixture.startIni(), startIni);
    const auto window = fixture.makeWindow();
    QCOMPARE(window->isVisible(), shown);
    QCOMPARE(window->windowTitle(), QString("Полезная информация "));
    // The box starts ticked whatever the file says.
    QVERIFY(window->showAtStartBox()->isChecked());
}

void TestInformationWindows::understoodRemembersTheBox_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("ticked") << true << QByteArray("[OnStrat]\r\nInfo=1\r\n");
    QTest::newRow("cleared") << false << QByteArray("[OnStrat]\r\nInfo=0\r\n");
}

void TestInformationWindows::understoodRemembersTheBox()
{
    QFETCH(bool, ticked);
    QFETCH(QByteArray, written);
    InformationFixture fixture;
    const auto window = fixture.makeWindow();
    window->show();
    if (!ticked)
        QTest::mouseClick(window->showAtStartBox(), Qt::LeftButton);
    QCOMPARE(window->showAtStartBox()->isChecked(), ticked);
    QPushButton *understood = window->findChild<QPushButton *>();
    QCOMPARE(understood->text(), QString("Понял"));
    QTest::mouseClick(understood, Qt::LeftButton);

    QVERIFY(!window->isVisible());
    QCOMPARE(ReadFileBytes(fixture.startIni()), written);
    QCOMPARE(fixture.makeWindow()->isVisible(), ticked);
}

void TestInformationWindows::understoodRefusedWrite()
{
    InformationFixture fixture;
    // A folder where the file should be: the write is refused even for a privileged user.
    QVERIFY(QDir().mkpath(fixture.startIni()));
    const auto window = fixture.makeWindow();
    window->show();
    QTest::mouseClick(window->findChild<QPushButton *>(), Qt::LeftButton);

    QCOMPARE(fixture.dialogs.asked, QStringList({"message:" + messages::unableToWrite(fixture.startIni())}));
    QVERIFY(window->isVisible());
}

void TestInformationWindows::closedWritesNothing()
{
    InformationFixture fixture;
    const auto window = fixture.makeWindow();
    window->show();
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
    QVERIFY(!QFile::exists(fixture.startIni()));
}

void TestInformationWindows::linksOpenTheSite()
{
    InformationFixture fixture;
    const auto information = fixture.makeWindow();
    TProgrammers credits(fixture.shell, nullptr);
    QCOMPARE(credits.windowTitle(), QString("Команда разработчиков:"));
    QVERIFY(!credits.isVisible());
    credits.open();
    QVERIFY(credits.isVisible());

    for (QWidget *window : {static_cast<QWidget *>(information.get()), static_cast<QWidget *>(&credits)}) {
        const auto links = window->findChildren<LinkLabel *>();
        QCOMPARE(links.size(), 1);
        QCOMPARE(links[0]->text(), site::kSiteName);
        QTest::mouseClick(links[0], Qt::LeftButton);
    }
    QCOMPARE(fixture.shell.openedAddresses, QStringList({site::kSiteAddress, site::kSiteAddress}));
}

void TestInformationWindows::progressBanner()
{
    TLoading banner;
    const QImage blank = banner.grab().toImage();
    banner.setText("Загрузка карты...");
    QVERIFY(!banner.isVisible());
    QCOMPARE(banner.text(), QString("Загрузка карты..."));
    QVERIFY(banner.grab().toImage() != blank);

    banner.show();
    banner.show();
    QVERIFY(banner.isVisible());
    int shownBanners = 0;
    for (const QWidget *window : QApplication::topLevelWidgets())
        shownBanners += qobject_cast<const TLoading *>(window) != nullptr && window->isVisible();
    QCOMPARE(shownBanners, 1);
    QCOMPARE(banner.text(), QString("Загрузка карты..."));

    banner.hide();
    QVERIFY(!banner.isVisible());
    QCOMPARE(banner.text(), QString("Загрузка карты..."));
}

QTEST_MAIN(TestInformationWindows)
#include "tst_information_windows.moc"
