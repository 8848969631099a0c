// SPDX-License-Identifier: GPL-3.0-or-later
// The code page tables where the reader's tests do not reach: the bytes that
// Windows leaves undefined, and the writer's Windows-1251 encoding.

#include "base/CodePages.h"

#include <QTest>

using namespace base;

class TestCodePages : public QObject
{
    Q_OBJECT
private slots:
    void undefinedBytes_data();
    void undefinedBytes();
    void windows1251RoundTrip();
};

void TestCodePages::undefinedBytes_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<int>("byte");
    QTest::newRow("1251 0x98") << 1251 << 0x98;
    QTest::newRow("1252 0x81") << 1252 << 0x81;
    QTest::newRow("1252 0x9D") << 1252 << 0x9D;
    QTest::newRow("1253 0xAA") << 1253 << 0xAA;
    QTest::newRow("1255 0xFB") << 1255 << 0xFB;
}

void TestCodePages::undefinedBytes()
{
    // Windows turns them into the C1 control of the same value.
    QFETCH(int, codePage);
    QFETCH(int, byte);
    QCOMPARE(int(decodeByte(codePage, static_cast<unsigned char>(byte))), byte);
}

void TestCodePages::windows1251RoundTrip()
{
    for (int byte = 0; byte < 0x100; ++byte)
        QCOMPARE(encodeWindows1251(decodeByte(1251, static_cast<unsigned char>(byte))), byte);
    QCOMPARE(encodeWindows1251(u'é'), -1);
    QCOMPARE(encodeWindows1251(0x0081), -1); // 0x81 is Ѓ in Windows-1251
}

QTEST_GUILESS_MAIN(TestCodePages)
#include "test_codepages.moc"
