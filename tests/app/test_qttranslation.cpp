// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Russian: the translation is found where Qt keeps its
// translations, a missing one leaves the English texts, and the program's
// message boxes show translated standard buttons.
#include "app/QtTranslation.h"
#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

class TestQtTranslation : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void missingTranslationLeavesEnglish_data()
    {
        QTest::addColumn<bool>("folderExists");
        QTest::newRow("empty folder") << true;
        QTest::newRow("no folder at all") << false;
    }
    void missingTranslationLeavesEnglish()
    {
        QFETCH(bool, folderExists);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = folderExists ? dir.path() : dir.filePath(QStringLiteral("missing"));

        QVERIFY(!app::installQtTranslation(folder));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));
        QVERIFY(qApp->findChildren<QTranslator *>().isEmpty());
    }

    void standardTextsBecomeRussian_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        QTest::newRow("yes") << "QPlatformTheme" << "&Yes" << "&Да";
        QTest::newRow("no") << "QPlatformTheme" << "&No" << "&Нет";
        QTest::newRow("cancel") << "QPlatformTheme" << "Cancel" << "Отмена";
        QTest::newRow("open dialog") << "QFileDialog" << "&Open" << "&Открыть";
    }
    void standardTextsBecomeRussian()
    {
        QFETCH(QString, context);
        QFETCH(QString, english);
        QFETCH(QString, russian);
        // The installation scripts put the translation into Qt's folder.
        QVERIFY2(app::installQtTranslation(), qPrintable(app::qtTranslationsFolder()));
        QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(english)), russian);
    }

    void questionShowsRussianButtons()
    {
        QVERIFY(app::installQtTranslation());
        QStringList shown;
        QTimer::singleShot(0, this, [&shown] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *button : box->buttons())
                shown.append(button->text().remove(QLatin1Char('&')));
            box->button(QMessageBox::No)->click();
        });
        const ui::Answer answer = ui::dialogs().message(
            nullptr, {QStringLiteral("Сохранить изменения в Безымянный ?"), QStringLiteral("Подтверждение"),
                      ui::Icon::Question, ui::Buttons::YesNoCancel, ui::Answer::No});
        QCOMPARE(answer, ui::Answer::No);
        shown.sort();
        QCOMPARE(shown, QStringList({"Да", "Нет", "Отмена"}));
    }
};

QTEST_MAIN(TestQtTranslation)
#include "test_qttranslation.moc"
