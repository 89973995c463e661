#include "platform/Translation.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// ctest runs this under LC_ALL=C: the toolkit must speak German whatever the machine's locale.
class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(platform::InstallGermanTranslation(),
                 QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(u"qtbase_de.qm"_qs));
    }

    void messageBoxButtons() {
        QMessageBox box(QMessageBox::Question, u"t"_qs, u"Sender löschen ?"_qs,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
        QStringList captions;
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok})
            captions << box.button(b)->text().remove(u'&');
        QCOMPARE(captions, (QStringList{u"Ja"_qs, u"Nein"_qs, u"Abbrechen"_qs, u"OK"_qs}));
    }

    void fileDialogLabels() {
        QFileDialog dialog(nullptr, QString(), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text().remove(u'&');
        for (const QString& german : {u"Suchen in:"_qs, u"Dateiname:"_qs, u"Dateien des Typs:"_qs})
            QVERIFY2(labels.contains(german), qPrintable(labels.join(u" | ")));
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Open)->text().remove(u'&'), u"Öffnen"_qs);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_qs);
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
