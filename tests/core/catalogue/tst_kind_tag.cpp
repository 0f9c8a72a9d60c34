#include "core/catalogue/kind_tag.h"
#include "core/catalogue/kinds.h"

#include <QtTest>

using namespace vornik;

class TestKindTag : public QObject {
    Q_OBJECT

private slots:
    void splitsTags_data();
    void splitsTags();
    void categories();
    void cleansNames_data();
    void cleansNames();
};

void TestKindTag::splitsTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");

    QTest::newRow("card") << "[Доступ]Ключ1" << "Доступ" << "Ключ1";
    QTest::newRow("bracket in name") << "[Стена]A]B" << "Стена" << "A]B";
    QTest::newRow("category") << "Карты доступа" << "" << "";
    QTest::newRow("empty name") << "[Свет]" << "Свет" << "";
    QTest::newRow("tab before bracket") << "\t[Стена]Кирпич" << "Стена" << "Кирпич";
    QTest::newRow("tabs inside") << "[Ст\tена]Кир\tпич" << "Стена" << "Кирпич";
    QTest::newRow("bracket without opening") << "A]B" << "" << "B";
    QTest::newRow("opening without closing") << "[Свет" << "Свет" << "[Свет";
    QTest::newRow("empty text") << "" << "" << "";
}

void TestKindTag::splitsTags()
{
    QFETCH(QString, text);
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QCOMPARE(KindOfTag(text), kind);
    QCOMPARE(NameOfTag(text), name);
}

void TestKindTag::categories()
{
    const QStringList expected = {"Игроки", "Аптечки", "Карты доступа", "Оружие", "Патроны", "Броня", "Враги",
                                  "Стены", "Двери", "Освещение", "Зоны", "Видео", "Аудио"};
    QStringList categories;
    for (const KindInfo &info : Kinds()) {
        categories << info.category;
        QCOMPARE(KindOfCategory(info.category), info.kind);
        QCOMPARE(FindKind(info.kind), &info);
        QVERIFY(!info.kind.contains(QLatin1Char(' ')));
    }
    QCOMPARE(categories, expected);
    QCOMPARE(KindOfCategory("Карты доступа"), QString("Доступ"));
    QCOMPARE(KindOfCategory("Игрок"), QString());
    QCOMPARE(KindOfCategory("игроки"), QString());
    QCOMPARE(FindKind("Игроки"), nullptr);
}

void TestKindTag::cleansNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clean");

    QTest::newRow("inner spaces") << "Красная дверь 2" << "Краснаядверь2";
    QTest::newRow("separators and tab") << " a\\b/c\td " << "abcd";
    QTest::newRow("kept characters") << "[x]_y" << "[x]_y";
    QTest::newRow("only removable") << " \\/\t" << "";
}

void TestKindTag::cleansNames()
{
    QFETCH(QString, text);
    QFETCH(QString, clean);
    QCOMPARE(CleanObjectName(text), clean);
}

QTEST_GUILESS_MAIN(TestKindTag)
#include "tst_kind_tag.moc"
