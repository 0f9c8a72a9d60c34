#include "core/error/vornik_error.h"
#include "core/map/integer_text.h"

#include <QtTest>

using namespace vornik;

class TestIntegerText : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
};

void TestIntegerText::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("decimal") << "64" << true << 64;
    QTest::newRow("negative") << "-32" << true << -32;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("dollar hex") << "$1F" << true << 31;
    QTest::newRow("0x hex") << "0x10" << true << 16;
    QTest::newRow("0X hex") << "0Xff" << true << 255;
    QTest::newRow("negative hex") << "-$10" << true << -16;
    QTest::newRow("hex uses all bits") << "$FFFFFFFF" << true << -1;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("too large") << "2147483648" << false << 0;
    QTest::newRow("hex too large") << "$100000000" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("dollar only") << "$" << false << 0;
    QTest::newRow("leading space") << " 5" << false << 0;
    QTest::newRow("trailing space") << "5 " << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("decimal point") << "1.5" << false << 0;
    QTest::newRow("hex digit in decimal") << "1F" << false << 0;
    QTest::newRow("Cyrillic digits look-alike") << "З2" << false << 0;
}

void TestIntegerText::parses()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    if (valid) {
        QCOMPARE(ParseInteger(text), value);
        return;
    }
    try {
        ParseInteger(text);
        QFAIL("no error for a text that is no number");
    } catch (const VornikError &error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

QTEST_GUILESS_MAIN(TestIntegerText)
#include "tst_integer_text.moc"
