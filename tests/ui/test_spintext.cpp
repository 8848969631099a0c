// SPDX-License-Identifier: GPL-3.0-or-later
// The text rules of the spin box: how values are written, which texts are
// numbers, which typed characters may enter.
#include "ui/SpinText.h"

#include "support/NumberHelpers.h"

#include <QTest>

Q_DECLARE_METATYPE(ui::SpinKind)

class TestSpinText : public QObject
{
    Q_OBJECT
private slots:
    void valueText_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<ui::SpinKind>("kind");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");

        const auto whole = ui::SpinKind::WholeNumber;
        const auto decimal = ui::SpinKind::Decimal;
        QTest::newRow("whole zero") << "0" << whole << 0 << "," << "0";
        QTest::newRow("whole largest nominal") << "99999999" << whole << 0 << "," << "99999999";
        QTest::newRow("whole half rounds to even below") << "2.5" << whole << 0 << "," << "2";
        QTest::newRow("whole half rounds to even above") << "3.5" << whole << 0 << "," << "4";
        QTest::newRow("whole half of one rounds to zero") << "0.5" << whole << 0 << "," << "0";
        QTest::newRow("whole just under a half") << "2.4999" << whole << 0 << "," << "2";
        QTest::newRow("whole just over a half") << "2.5001" << whole << 0 << "," << "3";
        QTest::newRow("whole ignores decimals shown") << "7.25" << whole << 3 << "," << "7";
        QTest::newRow("whole small negative has no minus") << "-0.4" << whole << 0 << "," << "0";
        QTest::newRow("whole negative") << "-12" << whole << 0 << "," << "-12";
        QTest::newRow("whole no thousands separator") << "1234567" << whole << 0 << "," << "1234567";
        QTest::newRow("decimal comma rounds shown digits") << "1.2345" << decimal << 1 << "," << "1,2";
        QTest::newRow("decimal point locale") << "1.2345" << decimal << 3 << "." << "1.235";
        QTest::newRow("decimal pads zeros") << "0" << decimal << 2 << "," << "0,00";
        QTest::newRow("decimal whole value padded") << "15" << decimal << 3 << "," << "15,000";
        QTest::newRow("decimal negative") << "-0.75" << decimal << 2 << "," << "-0,75";
        QTest::newRow("decimal negative zero after rounding") << "-0.001" << decimal << 2 << "," << "0,00";
        QTest::newRow("decimal with no decimals") << "3.7" << decimal << 0 << "," << "4";
        QTest::newRow("decimal large no separators") << "1234567.5" << decimal << 1 << "," << "1234567,5";
    }
    void valueText()
    {
        QFETCH(QString, value);
        QFETCH(ui::SpinKind, kind);
        QFETCH(int, decimals);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        QCOMPARE(ui::spinValueText(numbers::longDouble(value), kind, decimals, separator), expected);
    }

    void textValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ui::SpinKind>("kind");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<QString>("value");

        const auto whole = ui::SpinKind::WholeNumber;
        const auto decimal = ui::SpinKind::Decimal;
        QTest::newRow("digits") << "4799" << whole << "," << true << "4799";
        QTest::newRow("leading zeros") << "007" << whole << "," << true << "7";
        QTest::newRow("negative") << "-5" << whole << "," << true << "-5";
        QTest::newRow("minus zero") << "-0" << whole << "," << true << "0";
        QTest::newRow("empty") << "" << whole << "," << false << "";
        QTest::newRow("minus alone") << "-" << whole << "," << false << "";
        QTest::newRow("two minus signs") << "--5" << whole << "," << false << "";
        QTest::newRow("minus not first") << "5-" << whole << "," << false << "";
        QTest::newRow("minus in the middle") << "1-2" << whole << "," << false << "";
        QTest::newRow("letter") << "12a" << whole << "," << false << "";
        QTest::newRow("blank") << "1 2" << whole << "," << false << "";
        QTest::newRow("exponent") << "1e5" << decimal << "," << false << "";
        QTest::newRow("whole box refuses separator") << "1,5" << whole << "," << false << "";
        QTest::newRow("full precision kept") << "1,2345" << decimal << "," << true << "1.2345";
        QTest::newRow("trailing separator") << "12," << decimal << "," << true << "12";
        QTest::newRow("separator first") << ",5" << decimal << "," << false << "";
        QTest::newRow("separator alone") << "," << decimal << "," << false << "";
        QTest::newRow("two separators") << "1,2,3" << decimal << "," << false << "";
        QTest::newRow("minus then separator") << "-,5" << decimal << "," << true << "-0.5";
        QTest::newRow("minus and separator only") << "-," << decimal << "," << false << "";
        QTest::newRow("point in a comma locale") << "1.5" << decimal << "," << false << "";
        QTest::newRow("point locale") << "2.75" << decimal << "." << true << "2.75";
        QTest::newRow("comma in a point locale") << "2,75" << decimal << "." << false << "";
        QTest::newRow("many digits") << "123456789012" << decimal << "," << true << "123456789012";
    }
    void textValue()
    {
        QFETCH(QString, text);
        QFETCH(ui::SpinKind, kind);
        QFETCH(QString, separator);
        QFETCH(bool, isNumber);
        QFETCH(QString, value);
        const std::optional<long double> result = ui::spinTextValue(text, kind, separator);
        QCOMPARE(result.has_value(), isNumber);
        if (isNumber)
            QVERIFY2(*result == numbers::longDouble(value), qPrintable(text));
    }

    void typedCharacters_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<ui::SpinKind>("kind");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("accepted");

        const auto whole = ui::SpinKind::WholeNumber;
        const auto decimal = ui::SpinKind::Decimal;
        QTest::newRow("digit") << QChar('7') << whole << "," << true;
        QTest::newRow("minus") << QChar('-') << whole << "," << true;
        QTest::newRow("backspace") << QChar('\b') << whole << "," << true;
        QTest::newRow("ctrl+v") << QChar(0x16) << whole << "," << true;
        QTest::newRow("enter") << QChar('\r') << whole << "," << false;
        QTest::newRow("ctrl+enter") << QChar('\n') << decimal << "," << false;
        QTest::newRow("letter") << QChar('a') << decimal << "," << false;
        QTest::newRow("plus") << QChar('+') << decimal << "," << false;
        QTest::newRow("blank") << QChar(' ') << decimal << "," << false;
        QTest::newRow("arabic-indic digit") << QChar(0x0663) << decimal << "," << false;
        QTest::newRow("separator in a decimal box") << QChar(',') << decimal << "," << true;
        QTest::newRow("separator in a whole-number box") << QChar(',') << whole << "," << false;
        QTest::newRow("other locale's separator") << QChar('.') << decimal << "," << false;
        QTest::newRow("point locale separator") << QChar('.') << decimal << "." << true;
    }
    void typedCharacters()
    {
        QFETCH(QChar, character);
        QFETCH(ui::SpinKind, kind);
        QFETCH(QString, separator);
        QFETCH(bool, accepted);
        QCOMPARE(ui::isSpinCharAccepted(character, kind, separator), accepted);
    }
};

QTEST_APPLESS_MAIN(TestSpinText)
#include "test_spintext.moc"
